// Analyse Game: every move of the game with the analyst's value of the best
// move, the value of the move played and the discs lost, and a graph of the value
// over the game. Worked out in the background, cancellable; a row or a
// point of the graph shows its position on the main board.
#pragma once

#include <QDialog>
#include <QVector>
#include <functional>
#include <memory>

#include "AnalysisWorker.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

// The value of the position before each move and after the last, for
// Black, drawn as a line over the moves.
class TEvalGraph : public QWidget {
  Q_OBJECT

 public:
  explicit TEvalGraph(QWidget* parent = nullptr);
  // values[k]: after k moves; NaN where not known yet.
  void SetValues(const QVector<double>& values);
  void SetCurrent(int index);
  // The position index nearest to x.
  int IndexAt(int x) const;

 signals:
  void Clicked(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QRectF Plot() const;
  QVector<double> values_;
  int current_ = -1;
};

// Where a window whose frame has the size `frame` goes so that it leaves the
// board (all rectangles on the desktop) in sight: right of the main window,
// else left of it, else right of the board, else left of it; when nothing
// fits, the far side of the screen from the board. Kept on the screen, as
// near the main window's top as it fits.
QPoint BesideBoard(const QSize& frame, const QRect& board, const QRect& window, const QRect& screen);
// The review's size there: no taller than the screen, and on a small screen
// (or at a large scale) narrowed to the room beside the board, down to two
// thirds of its width (its table scrolls). margins: the window's frame.
QSize SizeBeside(const QSize& review, const QSize& margins, const QRect& board, const QRect& screen);

class TGameReview : public QDialog {
  Q_OBJECT

 public:
  // The analyst's time for every position: near the end it solves the
  // position's moves exactly within it.
  static constexpr double kSeconds = 1.0;
  // Discs lost against the best move that make a mistake.
  static constexpr double kMistake = 4.0;

  // Analyses the game record; show(k) is asked to put the position after k
  // moves on the main board.
  // The work runs on thread.
  TGameReview(const TGameRecord& record, std::function<void(int moves)> show,
              const std::shared_ptr<TAnalysisThread>& thread, QWidget* parent = nullptr);

  // Shows the review beside board (BesideBoard).
  void ShowBeside(const QWidget* board);
  bool Running() const { return runner_.Running(); }
  bool Finished() const { return done_ == record_.Played + 1; }
  void Cancel();
  QTableWidget* Table() const { return table_; }
  TEvalGraph* Graph() const { return graph_; }
  const TGameRecord& Record() const { return record_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Start();
  void Take(int index, const TPositionValue& value, const TPositionValue& played, int mover);
  void FillRow(int move);
  void ShowPosition(int moves);

  TGameRecord record_;
  std::function<void(int)> show_;
  TAnalysisRunner runner_;
  QVector<TPositionValue> values_;  // before move k, for its side to move
  // Move k's value in the same analysis as values_[k]'s best move.
  QVector<TPositionValue> played_;
  QVector<int> movers_;  // that side (kBlack, kWhite)
  int done_ = 0;
  QTableWidget* table_ = nullptr;
  TEvalGraph* graph_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QLabel* state_ = nullptr;
};
