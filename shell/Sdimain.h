// TMain: the program's one main window. It hosts the board-and-engine
// component Reversi1, gives the user the menus, the toolbar and the bottom
// bar of play buttons (TMainMenus, TPlayBar, TStatusLine), and wires the
// parts that do the work: the side panel (TSidePanel) mirrors what the
// engine reports, the game files (TGameFiles) open, save, paste and set up
// games, the analysis (TAnalysisController) gives hints, values and reviews. It keeps no game state of its own: the
// game and the level live in the engine, the display flags in the board;
// only four switches (Statistics, Show Best Line, Sound, Two Player) live in
// its check marks.
//
// The engine's search runs on this thread and lets the event loop run while
// it thinks, so every handler here may run nested inside a search. The
// engine's Thinking flag is the guard: it refuses game changes while it is
// set, and the window only starts or stops a search by writing it.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <string>

#include "Levelunt.h"
#include "WindowMemory.h"

class QDialog;
class TAnalysisController;
class TAnimateFlips;
class TBoardCoordinates;
class TBoardStyle;
class TClockController;
class TDropShadow;
class TGameFiles;
class TGamesPlayed;
class TMoveList;
class TNewGameChoice;
class TUndoMyMove;
class TOpeningsController;
class TMainMenus;
class TPlayBar;
class TReversi;
class TSidePanel;
class TStatusLine;
class TToolbar;
class TWaveSound;

class TMain : public QMainWindow {
  Q_OBJECT

 public:
  // Reads its settings from SettingsPath() (Settings.h).
  explicit TMain(QWidget* parent = nullptr);
  // Reads and later writes the settings at settingsPath instead.
  explicit TMain(std::string settingsPath, QWidget* parent = nullptr);
  ~TMain() override;

  // The dialogs live apart from the window (the start-up code makes them);
  // until they are set, About and Level do nothing.
  void SetAboutBox(QDialog* box) { aboutBox_ = box; }
  // Also hands the dialog the window's part in its OK: the level text and
  // the "Game" box.
  void SetLevelDialog(TLevelFrm* dialog);
  TLevelFrm* LevelDialog() const { return levelDialog_; }
  // Before the window is first shown: where it was when it last closed, if
  // that is on one of the screens now; otherwise maximised, as on a first
  // start.
  void RestorePlacement() { memory_.RestorePlacement(*this); }

  TReversi* Board() const { return Reversi1; }
  TSidePanel& Panel() const { return *panel_; }
  TGameFiles& Files() const { return *files_; }
  TAnalysisController& Analysis() const { return *analysis_; }
  TOpeningsController& Openings() const { return *openings_; }
  TMoveList& MoveList() const { return *moveList_; }
  TUndoMyMove& UndoMyMove() const { return *undo_; }
  TGamesPlayed& GamesPlayed() const { return *games_; }
  TNewGameChoice& NewGameChoice() const { return *choice_; }
  TClockController& Clock() const { return *clock_; }

  // Sizes the board to the window.
  void FormResize();
  // A character key, seen before the focused control: Space starts or stops
  // the computer, H asks for a hint.
  void FormKeyPress(QChar key);
  // Space, Move Now and the big button: the computer plays the side to
  // move, or plays its best move so far while it thinks. Not once the game
  // is lost on time.
  void PlayOrStop();
  // True between the engine's OnBeginSearch and OnEndSearch.
  bool Searching() const { return searchDepth_ > 0; }
  // True once the close has gone through and the settings were written
  // (or the user chose to close without them).
  bool Closed() const { return closed_; }
  // Asked when the settings cannot be written at the close, with a text
  // that names the file and the reason: true closes all the same. A
  // question box unless replaced (tests do).
  std::function<bool(const QString& text)> ConfirmCloseWithoutSettings;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void Wire();
  void BindEngine();
  void AddOpenings();
  void AddPlayerItems();
  void FitShadow();
  void KeepBoardReadable();
  // Another position is on the board: a game changed (New, Open, Take Back)
  // also stops the review of the game.
  void PositionMoved(bool gameChanged);
  // Another game on the board (New, Open, Paste, an opening).
  void GameReplaced();

  void Reversi1Move(const std::string& move);
  void Reversi1BeginSearch();
  void Reversi1EndSearch();
  // A side without a move passes (the computer's or, in a two-player game,
  // either side's); the engine's pass box follows when the person passes.
  void Reversi1Pass();

  TReversi* Reversi1 = nullptr;
  TSidePanel* panel_ = nullptr;
  TGameFiles* files_ = nullptr;
  TAnalysisController* analysis_ = nullptr;
  TOpeningsController* openings_ = nullptr;
  TMoveList* moveList_ = nullptr;
  TUndoMyMove* undo_ = nullptr;
  TGamesPlayed* games_ = nullptr;
  TNewGameChoice* choice_ = nullptr;
  TClockController* clock_ = nullptr;
  TMainMenus* menus_ = nullptr;
  TToolbar* toolbar_ = nullptr;
  TPlayBar* playBar_ = nullptr;
  TStatusLine* status_ = nullptr;
  TDropShadow* Shadow = nullptr;
  TBoardCoordinates* Coordinates = nullptr;
  TBoardStyle* boardStyle_ = nullptr;
  TAnimateFlips* animateFlips_ = nullptr;
  TWaveSound* Click = nullptr;

  TWindowMemory memory_;
  QPointer<QDialog> aboutBox_;
  QPointer<TLevelFrm> levelDialog_;
  int searchDepth_ = 0;        // nested searches running (a pass can nest one)
  bool closePending_ = false;  // a close waits for the search to return
  bool closed_ = false;
};
