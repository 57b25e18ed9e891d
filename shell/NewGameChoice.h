// File > New Game as Black, New Game as White, New Two-Player Game: the
// person's colour for New. Against the computer the person plays the side
// the computer leaves to move, so playing White means the computer opens
// the game; two players is the Edit menu's Two Player switch, set through
// its own item. New (the menu item and the toolbar) repeats the choice. The
// colour is kept in its own section [New_Game], written only once it
// changed; unset, New is the plain new game with Black to move. With White
// kept, the computer also opens the game the window first shows.
#pragma once

#include <QObject>
#include <QString>
#include <string>
#include <vector>

#include "IniText.h"

class QAction;
class QMenu;
class QWidget;
class TReversi;

class TNewGameChoice : public QObject {
  Q_OBJECT

 public:
  enum TChoice { PlayBlack, PlayWhite, TwoPlayers };

  // parent: the main window.
  TNewGameChoice(TReversi* board, const std::string& settingsPath, QWidget* parent);

  // The three items after the item named after in file; twoPlayer is the
  // item that switches two-player mode.
  void AddItems(QMenu* file, const QString& after, QAction* twoPlayer);
  TChoice Choice() const;
  // Takes the choice and asks for a new game.
  void Choose(TChoice choice);
  // A new game is on the board: the computer opens when it has Black.
  void NewGameStarted();
  std::vector<TIniWrite> Writes() const;

 signals:
  void NewGameAsked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowChoice();

  TReversi* board_;
  QAction* twoPlayer_ = nullptr;
  std::vector<QAction*> items_;
  bool white_ = false;
  bool whiteAtStart_ = false;
};
