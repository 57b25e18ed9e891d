#include "MoveList.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QKeyEvent>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>

#include "Reversi.h"

std::vector<TMoveRow> MoveRows(const reversi::TPosition& start, const std::vector<int>& moves) {
  std::vector<TMoveRow> rows;
  reversi::TPosition position = start;
  for (size_t i = 0; i < moves.size(); ++i) {
    const int mover = position.Side;
    if (!reversi::PlayOn(position, moves[i])) break;
    const int played = static_cast<int>(i) + 1;
    const QString name = QString::fromStdString(reversi::SquareName(moves[i])).toLower();
    rows.push_back({QStringLiteral("%1. %2").arg(played).arg(name), played, false});
    // The move came back to the mover: the opponent had none. The end of
    // the game is no pass.
    if (position.Side == mover && !reversi::IsOver(position)) rows.push_back({TMoveList::tr("pass"), played, true});
  }
  return rows;
}

TMoveList::TMoveList(TReversi* board, QMainWindow* window) : QObject(window), board_(board), window_(window) {}

void TMoveList::AddItems(QMenu* view) {
  dock_ = new QDockWidget(tr("Moves"), window_);
  dock_->setObjectName(QStringLiteral("MoveListDock"));
  list_ = new QListWidget(dock_);
  list_->setObjectName(QStringLiteral("MoveList"));
  list_->setAccessibleName(tr("Moves of the game"));
  list_->installEventFilter(this);
  dock_->setWidget(list_);
  // Added hidden: the window keeps its layout until the list is asked for.
  window_->addDockWidget(Qt::RightDockWidgetArea, dock_);
  dock_->hide();

  auto* copy = new QAction(tr("&Copy Moves"), list_);
  copy->setObjectName(QStringLiteral("CopyMoves1"));
  list_->addAction(copy);
  list_->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(copy, &QAction::triggered, this, [this] { QApplication::clipboard()->setText(Text()); });
  connect(list_, &QListWidget::currentRowChanged, this, &TMoveList::RowPicked);

  MoveList1 = dock_->toggleViewAction();
  MoveList1->setText(tr("&Move List"));
  MoveList1->setObjectName(QStringLiteral("MoveList1"));
  MoveList1->setStatusTip(tr("Show the game's moves beside the board; pick one to go there"));
  view->addAction(MoveList1);
  connect(dock_, &QDockWidget::visibilityChanged, this, [this](bool shown) {
    if (shown) Fill();
  });
}

void TMoveList::PositionChanged() {
  if (dock_ && dock_->isVisible()) Fill();
}

bool TMoveList::GoTo(int movesPlayed) {
  int recorded = 0;
  while (recorded < reversi::TReversiCore::kMaxRecord && board_->GameRecord[recorded] != 0) ++recorded;
  if (board_->Thinking() || movesPlayed < 0 || movesPlayed > recorded) return false;
  const bool back = movesPlayed < board_->MovesPlayed;
  while (board_->MovesPlayed > movesPlayed) board_->TakeBack();
  while (board_->MovesPlayed < movesPlayed) board_->MoveForward();
  emit Moved(back);
  PositionChanged();
  return true;
}

QString TMoveList::Text() const {
  QStringList lines;
  for (const TMoveRow& row : rows_) lines << row.Text;
  return lines.join(u'\n');
}

void TMoveList::Fill() {
  if (!list_) return;
  std::vector<int> moves;
  for (int i = 0; i < reversi::TReversiCore::kMaxRecord && board_->GameRecord[i] != 0; ++i)
    moves.push_back(board_->GameRecord[i]);
  rows_ = MoveRows(board_->StartPosition(), moves);
  filling_ = true;
  list_->clear();
  int current = -1;
  const QBrush toCome = list_->palette().brush(QPalette::Disabled, QPalette::Text);
  for (size_t i = 0; i < rows_.size(); ++i) {
    auto* item = new QListWidgetItem(rows_[i].Text, list_);
    if (rows_[i].MovesPlayed > board_->MovesPlayed) item->setForeground(toCome);
    if (!rows_[i].Pass && rows_[i].MovesPlayed == board_->MovesPlayed) current = static_cast<int>(i);
  }
  list_->setCurrentRow(current);
  if (current >= 0) list_->scrollToItem(list_->item(current));
  filling_ = false;
}

void TMoveList::RowPicked(int row) {
  if (filling_ || row < 0 || row >= static_cast<int>(rows_.size())) return;
  if (!GoTo(rows_[row].MovesPlayed)) Fill();  // refused: the list shows the board again
}

bool TMoveList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Home || key == Qt::Key_End) {
      if (!GoTo(key == Qt::Key_Home ? 0 : (rows_.empty() ? 0 : rows_.back().MovesPlayed))) Fill();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}
