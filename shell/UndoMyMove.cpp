#include "UndoMyMove.h"

#include <QAction>
#include <QMenu>

#include "Reversi.h"

std::vector<int> Movers(const reversi::TPosition& start, const std::vector<int>& moves) {
  std::vector<int> movers;
  reversi::TPosition position = start;
  for (int square : moves) {
    const int mover = position.Side;
    if (!reversi::PlayOn(position, square)) break;
    movers.push_back(mover);
  }
  return movers;
}

TUndoMyMove::TUndoMyMove(TReversi* board, QObject* parent) : QObject(parent), board_(board) {}

void TUndoMyMove::AddItems(QMenu* edit, const QString& after) {
  const QList<QAction*> items = edit->actions();
  QAction* before = nullptr;
  for (qsizetype i = 0; i + 1 < items.size(); ++i)
    if (items[i]->objectName() == after) before = items[i + 1];
  auto* undo = new QAction(tr("&Undo My Move"), edit);
  undo->setObjectName(QStringLiteral("UndoMyMove1"));
  undo->setStatusTip(tr("Take back your last move and the computer's answer"));
  undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  auto* redo = new QAction(tr("&Redo My Move"), edit);
  redo->setObjectName(QStringLiteral("RedoMyMove1"));
  redo->setStatusTip(tr("Play your move taken back and the computer's answer again"));
  redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
  edit->insertAction(before, undo);
  edit->insertAction(before, redo);
  connect(undo, &QAction::triggered, this, &TUndoMyMove::Undo);
  connect(redo, &QAction::triggered, this, &TUndoMyMove::Redo);
}

void TUndoMyMove::Moved() {
  if (board_->MovesPlayed <= 1) personColour_ = 0;  // a new game
  if (!board_->Thinking()) personColour_ = -board_->SideToMove;
}

std::vector<int> TUndoMyMove::RecordMovers() const {
  std::vector<int> moves;
  for (int i = 0; i < reversi::TReversiCore::kMaxRecord && board_->GameRecord[i] != 0; ++i)
    moves.push_back(board_->GameRecord[i]);
  return Movers(board_->StartPosition(), moves);
}

// The person is the side the computer leaves to move; after the game's end,
// the side that last moved with the computer idle.
int TUndoMyMove::Person() const {
  if (!board_->ShownGameOver() || personColour_ == 0) return board_->SideToMove;
  return personColour_;
}

bool TUndoMyMove::Undo() {
  if (board_->Thinking() || board_->MovesPlayed == 0) return false;
  int target = board_->MovesPlayed - 1;
  if (board_->Mode() == reversi::Normal) {
    const std::vector<int> movers = RecordMovers();
    const int person = Person();
    while (target >= 0 && (target >= static_cast<int>(movers.size()) || movers[target] != person)) --target;
    if (target < 0) return false;  // the person has not moved yet
  }
  while (board_->MovesPlayed > target) board_->TakeBack();
  emit Walked(true);
  return true;
}

bool TUndoMyMove::Redo() {
  if (board_->Thinking() || !board_->CanMoveForward()) return false;
  const int person = board_->SideToMove;
  const std::vector<int> movers = RecordMovers();
  int target = board_->MovesPlayed + 1;
  if (board_->Mode() == reversi::Normal) {
    // On past the computer's answers to the person's next turn.
    while (target < static_cast<int>(movers.size()) && movers[target] != person) ++target;
    target = std::min<int>(target, static_cast<int>(movers.size()));
  }
  while (board_->MovesPlayed < target && board_->CanMoveForward()) board_->MoveForward();
  emit Walked(false);
  return true;
}
