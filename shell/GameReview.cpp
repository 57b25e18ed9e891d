#include "GameReview.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

using namespace reversi;

namespace {

enum TColumn { ColMove, ColPlayer, ColPlayed, ColBest, ColBestValue, ColPlayedValue, ColLoss, ColDepth, ColCount };

QString Square(int cell) {
  if (cell == kPassSquare) return QObject::tr("pass");
  if (cell <= 0 || cell >= kCells) return QStringLiteral("-");
  return QString::fromStdString(SquareName(cell));
}

QString Discs(const TPositionValue& value, double discs) {
  return QString::fromStdString(DiscsText(discs, value.Exact)) + (value.Exact ? QStringLiteral("*") : QString());
}

}  // namespace

// ---------------------------------------------------------------------------
// The graph

TEvalGraph::TEvalGraph(QWidget* parent) : QWidget(parent) {
  setMinimumSize(360, 140);
  setToolTip(tr("Value of the position for Black; click to show it"));
}

void TEvalGraph::SetValues(const QVector<double>& values) {
  values_ = values;
  update();
}

void TEvalGraph::SetCurrent(int index) {
  current_ = index;
  update();
}

QRectF TEvalGraph::Plot() const {
  return QRectF(rect()).adjusted(30, 8, -8, -16);
}

int TEvalGraph::IndexAt(int x) const {
  if (values_.size() < 2) return 0;
  const QRectF plot = Plot();
  const double step = plot.width() / (values_.size() - 1);
  return std::clamp(static_cast<int>(std::lround((x - plot.left()) / step)), 0, static_cast<int>(values_.size() - 1));
}

void TEvalGraph::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.fillRect(rect(), palette().base());
  const QRectF plot = Plot();
  double top = 8;
  for (double v : values_)
    if (!std::isnan(v)) top = std::max(top, std::abs(v));
  const auto yOf = [&](double v) { return plot.center().y() - v / top * plot.height() / 2; };
  const double step = values_.size() > 1 ? plot.width() / (values_.size() - 1) : 0;
  p.setPen(palette().color(QPalette::Mid));
  p.drawRect(plot);
  p.drawLine(QPointF(plot.left(), yOf(0)), QPointF(plot.right(), yOf(0)));
  p.setPen(palette().color(QPalette::Text));
  p.drawText(QRectF(0, plot.top() - 6, 26, 12), Qt::AlignRight | Qt::AlignVCenter, QString::number(std::lround(top)));
  p.drawText(QRectF(0, plot.bottom() - 6, 26, 12), Qt::AlignRight | Qt::AlignVCenter,
             QString::number(-std::lround(top)));
  p.drawText(QRectF(plot.left(), plot.bottom() + 2, plot.width(), 14), Qt::AlignCenter,
             tr("Black ahead above the line"));
  QPainterPath line;
  bool open = false;
  for (int k = 0; k < values_.size(); ++k) {
    if (std::isnan(values_[k])) {
      open = false;
      continue;
    }
    const QPointF point(plot.left() + k * step, yOf(values_[k]));
    open ? line.lineTo(point) : line.moveTo(point);
    open = true;
  }
  p.setPen(QPen(QColor(0, 90, 200), 2));
  p.drawPath(line);
  if (current_ >= 0 && current_ < values_.size()) {
    p.setPen(QPen(QColor(200, 0, 0), 1, Qt::DashLine));
    const double x = plot.left() + current_ * step;
    p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
  }
}

void TEvalGraph::mousePressEvent(QMouseEvent* event) {
  if (values_.isEmpty()) return;
  emit Clicked(IndexAt(event->position().toPoint().x()));
}

// ---------------------------------------------------------------------------
// The window

namespace {
// The review gives way to the computer's own solves, the hints and the values.
constexpr int kReviewPriority = 3;
}  // namespace

TGameReview::TGameReview(const TGameRecord& record, std::function<void(int)> show,
                         const std::shared_ptr<TAnalysisThread>& thread, QWidget* parent)
    : QDialog(parent), record_(record), show_(std::move(show)), runner_(thread, kReviewPriority, this) {
  setWindowTitle(tr("Game Review"));
  auto* column = new QVBoxLayout(this);
  auto* threshold = new QLabel(tr("Values in discs by the analyst (%1 s per position). A move losing %2 discs or "
                                  "more against the best is a mistake, marked red.")
                                   .arg(kSeconds)
                                   .arg(kMistake),
                               this);
  threshold->setObjectName(QStringLiteral("ReviewThreshold"));
  threshold->setWordWrap(true);
  column->addWidget(threshold);
  table_ = new QTableWidget(record_.Played, ColCount, this);
  table_->setHorizontalHeaderLabels({tr("Move"), tr("Player"), tr("Played"), tr("Best"), tr("Best value"),
                                     tr("Played value"), tr("Loss"), tr("Depth")});
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  for (int k = 0; k < record_.Played; ++k) {
    table_->setItem(k, ColMove, new QTableWidgetItem(QString::number(k + 1)));
    table_->setItem(k, ColPlayed, new QTableWidgetItem(Square(record_.Moves[k])));
  }
  connect(table_, &QTableWidget::cellClicked, this, [this](int row, int) { ShowPosition(row); });
  column->addWidget(table_, 3);
  graph_ = new TEvalGraph(this);
  connect(graph_, &TEvalGraph::Clicked, this, [this](int index) { ShowPosition(index); });
  column->addWidget(graph_, 2);
  auto* row = new QHBoxLayout;
  state_ = new QLabel(tr("Analysing..."), this);
  progress_ = new QProgressBar(this);
  progress_->setRange(0, record_.Played + 1);
  cancel_ = new QPushButton(tr("Cancel"), this);
  connect(cancel_, &QPushButton::clicked, this, [this] {
    if (Running())
      Cancel();
    else
      close();
  });
  row->addWidget(state_);
  row->addWidget(progress_, 1);
  row->addWidget(cancel_);
  column->addLayout(row);
  resize(620, 560);
  values_.resize(record_.Played + 1);
  played_.resize(record_.Played + 1);
  movers_.resize(record_.Played + 1);
  graph_->SetValues(QVector<double>(record_.Played + 1, std::nan("")));
  Start();
}

void TGameReview::Start() {
  runner_.OnFailure = [this](const QString& what) {
    runner_.Cancel();
    state_->setText(tr("The analysis failed: %1").arg(what));
    cancel_->setText(tr("Close"));
  };
  analyst::TLimits limits;
  limits.Seconds = kSeconds;
  // A job per position, in order: other work waits for one position only.
  // Every legal move of a position is searched alike, so the best move's
  // value and the played move's compare, and moves that are the same by
  // symmetry get the same value.
  for (int k = 0; k <= record_.Played; ++k) {
    TGameRecord prefix = record_;
    prefix.Played = k;
    const int next = k < record_.Played ? record_.Moves[k] : 0;
    runner_.Add([this, k, prefix, next, limits](const TAnalysisRunner::TJob& job) {
      const int mover = ReplayRecord(prefix)->SideToMove;
      TPositionValue best, played;
      const auto moves = job.Analyst().AnalyseMoves(BitPositionOf(prefix), limits, &job.Stop());
      if (job.Stop()) return;
      if (moves.empty()) {
        best = AnalysePosition(prefix, job.Analyst(), limits, job.Stop());
        if (!best.Valid || job.Stop()) return;
      } else {
        const auto take = [](const analyst::TMoveValue& m) {
          TPositionValue v;
          v.Cell = BoardCell(m.Move);
          v.Discs = m.Value;
          v.Exact = m.Exact;
          v.Depth = m.Depth;
          v.Valid = true;
          return v;
        };
        best = take(moves.front());
        for (const analyst::TMoveValue& m : moves)
          if (BoardCell(m.Move) == next) played = take(m);
      }
      job.Post([this, k, best, played, mover] { Take(k, best, played, mover); });
    });
  }
}

void TGameReview::Take(int index, const TPositionValue& value, const TPositionValue& played, int mover) {
  values_[index] = value;
  played_[index] = played;
  movers_[index] = mover;
  done_ = index + 1;
  progress_->setValue(done_);
  QVector<double> graph(values_.size(), std::nan(""));
  for (int k = 0; k < done_; ++k) graph[k] = movers_[k] == kBlack ? values_[k].Discs : -values_[k].Discs;
  graph_->SetValues(graph);
  FillRow(index);
  if (Finished()) {
    state_->setText(tr("Done; * marks exact values"));
    cancel_->setText(tr("Close"));
  }
}

void TGameReview::FillRow(int move) {
  if (move >= record_.Played) return;
  const TPositionValue& best = values_[move];
  // The played move's value from the same analysis as the best move's; a
  // move the record has but the position does not allow (a damaged file)
  // loses nothing.
  const TPositionValue& played = played_[move].Valid ? played_[move] : best;
  const double loss = std::max(0.0, best.Discs - played.Discs);
  auto set = [&](int col, const QString& text) { table_->setItem(move, col, new QTableWidgetItem(text)); };
  set(ColMove, QString::number(move + 1));
  set(ColPlayed, Square(record_.Moves[move]));
  set(ColPlayer, movers_[move] == kBlack ? tr("Black") : tr("White"));
  set(ColBest, Square(best.Cell));
  set(ColBestValue, Discs(best, best.Discs));
  set(ColPlayedValue, Discs(played, played.Discs));
  set(ColLoss, QLocale().toString(loss, 'f', best.Exact && played.Exact ? 0 : 2));
  set(ColDepth, best.Exact ? tr("exact") : QString::number(best.Depth));
  if (loss >= kMistake) {
    for (int col = 0; col < ColCount; ++col) table_->item(move, col)->setBackground(QColor(255, 200, 200));
  }
}

void TGameReview::ShowPosition(int moves) {
  graph_->SetCurrent(moves);
  if (moves < table_->rowCount()) table_->selectRow(moves);
  if (show_) show_(moves);
}

void TGameReview::Cancel() {
  runner_.Cancel();
  if (!Finished()) {
    state_->setText(tr("Cancelled"));
    cancel_->setText(tr("Close"));
  }
}

void TGameReview::closeEvent(QCloseEvent* event) {
  Cancel();
  QDialog::closeEvent(event);
}

QPoint BesideBoard(const QSize& frame, const QRect& board, const QRect& window, const QRect& screen) {
  const int w = frame.width();
  int x;
  if (window.right() + w <= screen.right())
    x = window.right() + 1;
  else if (window.left() - w >= screen.left())
    x = window.left() - w;
  else if (board.right() + w <= screen.right())
    x = board.right() + 1;
  else if (board.left() - w >= screen.left())
    x = board.left() - w;
  else
    x = board.center().x() < screen.center().x() ? screen.right() + 1 - w : screen.left();
  const int y = std::max(screen.top(), std::min(window.top(), screen.bottom() + 1 - frame.height()));
  return {std::max(screen.left(), x), y};
}

QSize SizeBeside(const QSize& review, const QSize& margins, const QRect& board, const QRect& screen) {
  const int room = std::max(screen.right() - board.right(), board.left() - screen.left()) - margins.width();
  QSize wanted(review.width(), std::min(review.height(), screen.height() - margins.height()));
  if (wanted.width() > room && 3 * room >= 2 * wanted.width()) wanted.setWidth(room);
  return wanted;
}

void TGameReview::ShowBeside(const QWidget* board) {
  const QWidget* window = board->window();
  // The window manager frames the review as it framed the main window.
  const QSize margins = window->frameGeometry().size() - window->size();
  const QRect onDesktop(board->mapToGlobal(QPoint(0, 0)), board->size());
  if (const QScreen* screen = board->screen()) {
    const QRect area = screen->availableGeometry();
    const QSize wanted = SizeBeside(size(), margins, onDesktop, area);
    resize(wanted);
    move(BesideBoard(wanted + margins, onDesktop, window->frameGeometry(), area));
  }
  show();
}
