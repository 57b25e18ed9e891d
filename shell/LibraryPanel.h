// The game library beside the board: how many of its games reached the
// position on the board, the moves they played next with their counts and
// mean results, and the games themselves; a double-click on a game asks for
// it on the board.
#pragma once

#include <QWidget>

#include "GameCollection.h"
#include "PositionIndex.h"

class QLabel;
class QTableWidget;

class TLibraryPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TLibraryPanel(QWidget* parent = nullptr);

  // What the library holds for the position; games index `collection`.
  void Show(const reversi::openings::TLookup& found, const reversi::openings::TCollection& collection);
  // A text instead of a look-up: no library, or one being read.
  void ShowMessage(const QString& text);
  // Rows the games table lists at most.
  static constexpr int kMaxGameRows = 500;

 signals:
  void GameChosen(int gameIndex);

 private:
  QLabel* summary_;
  QTableWidget* moves_;
  QTableWidget* games_;
};
