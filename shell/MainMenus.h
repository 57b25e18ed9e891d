// The main window's menu bar: File, Edit, View and Help. The items that only
// flip a display flag of the board or of the side panel act here; the items
// that change the game, and the dialogs the window owns, are handed to the
// window through signals; the game files and the analysis add their own
// items. The window's four switches (Statistics, Show Best Line, Sound, Two
// Player) live in the check marks.
#pragma once

#include <QObject>

#include "Settings.h"

class QAction;
class QMainWindow;
class QMenu;
class TAnalysisController;
class TGameFiles;
class TBoardPictures;
class TReversi;
class TSidePanel;

class TMainMenus : public QObject {
  Q_OBJECT

 public:
  TMainMenus(QMainWindow* window, TReversi* board, TSidePanel* panel, TGameFiles* files, TAnalysisController* analysis);

  // The switches as the settings give them; the marks that mirror the board
  // are set from the board.
  void SetSwitches(const TShellSwitches& switches, bool coordinates);
  // The four switches as the marks hold them, the board's flags beside them.
  TShellSwitches Switches() const;
  bool Sound() const;
  bool CoordinatesShown() const;
  // The Edit menu opens, or a shortcut is about to act on its state.
  void Edit1Click();

 signals:
  void New1Click();
  void TakeBack1Click();
  void MoveForward1Click();
  void Move1Click();
  void Level1Click();
  void HowToPlay1Click();
  void About1Click();
  void ExitItemClick();
  void Coordinates1Click(bool shown);

 private:
  void CreateEditMenu(QMenu* edit);
  void CreateViewMenu(QMenu* view);
  void View1Click();

  TReversi* board_;
  TSidePanel* panel_;
  TGameFiles* files_;
  TBoardPictures* pictures_ = nullptr;
  TAnalysisController* analysis_;
  QMenu* Edit1 = nullptr;
  QMenu* View1 = nullptr;
  QAction* Level1 = nullptr;
  QAction* StrictTime1 = nullptr;
  QAction* TwoPlayer1 = nullptr;
  QAction* TakeBack1 = nullptr;
  QAction* MoveForward1 = nullptr;
  QAction* Move1 = nullptr;
  QAction* Thinking1 = nullptr;
  QAction* LegalMoves1 = nullptr;
  QAction* ShowFlipableSquares1 = nullptr;
  QAction* Statistics1 = nullptr;
  QAction* BestLine1 = nullptr;
  QAction* Coordinates1 = nullptr;
  QAction* Sound1 = nullptr;
  QAction* Selective1 = nullptr;
};
