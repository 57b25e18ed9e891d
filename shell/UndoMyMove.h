// Edit > Undo My Move (Ctrl+Z) and Redo My Move (Ctrl+Shift+Z): against the
// computer, back through the record to the position before the person's
// last move, taking the computer's answers (and any passes between) with
// it, so the computer's side is never left to move with the computer idle;
// Redo goes forward to the person's next turn. With two players each is one
// move, as Take Back and Move Forward.
#pragma once

#include <QObject>
#include <vector>

#include "Notation.h"

class QAction;
class QMenu;
class TReversi;

// The colour that played each of the moves from start; stops at the first
// move that does not replay.
std::vector<int> Movers(const reversi::TPosition& start, const std::vector<int>& moves);

class TUndoMyMove : public QObject {
  Q_OBJECT

 public:
  TUndoMyMove(TReversi* board, QObject* parent);

  // The two items after the item named `after` in edit.
  void AddItems(QMenu* edit, const QString& after);
  // A move was played: the person's when the computer was not thinking.
  void Moved();
  // Both refuse (false, nothing changed) while the computer thinks and when
  // there is no move of the person's to take back or to replay.
  bool Undo();
  bool Redo();

 signals:
  // The record was walked; gameChanged when moves were taken back.
  void Walked(bool gameChanged);

 private:
  int Person() const;
  std::vector<int> RecordMovers() const;

  TReversi* board_;
  int personColour_ = 0;  // 0 until the person has moved in this game
};
