// View > Move List: the game's moves beside the board, in a dock that is off
// until asked for. Each move has its number and square; a side that had no
// move shows a pass. The move that made the position on the board is
// highlighted, the moves still to come (after Take Back) are greyed; picking
// a row goes there through the record, as Take Back and Move Forward do, and
// Home and End go to the start and the end. Copy Moves puts the numbered
// list on the clipboard, in a form Paste Game reads back.
#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "Notation.h"

class QAction;
class QDockWidget;
class QListWidget;
class QMainWindow;
class QMenu;
class TReversi;

// One row of the list: a move, or the pass that followed it.
struct TMoveRow {
  QString Text;
  int MovesPlayed = 0;  // the record's position the row stands for
  bool Pass = false;
};

// The rows of a game played from start; the moves stop at the first that
// does not replay.
std::vector<TMoveRow> MoveRows(const reversi::TPosition& start, const std::vector<int>& moves);

class TMoveList : public QObject {
  Q_OBJECT

 public:
  TMoveList(TReversi* board, QMainWindow* window);

  // View > Move List at the end of view.
  void AddItems(QMenu* view);
  // Another position is on the board, or the computer began or ended.
  void PositionChanged();
  // Takes back or replays until `movesPlayed` moves of the record are on
  // the board; false, with nothing changed, while the computer thinks or
  // when the record holds fewer moves.
  bool GoTo(int movesPlayed);
  // The rows' text, one row a line.
  QString Text() const;

  QDockWidget* Dock() const { return dock_; }
  QListWidget* List() const { return list_; }

 signals:
  // The record was walked; gameChanged when moves were taken back.
  void Moved(bool gameChanged);

 private:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void Fill();
  void RowPicked(int row);

  TReversi* board_;
  QMainWindow* window_;
  QAction* MoveList1 = nullptr;
  QDockWidget* dock_ = nullptr;
  QListWidget* list_ = nullptr;
  std::vector<TMoveRow> rows_;
  bool filling_ = false;
};
