// TMain: the program's one main window. It hosts the board-and-engine
// component Reversi1, gives the user the menus, the toolbar and the bottom
// bar of play buttons, and mirrors in its side panel what the engine reports
// while it plays and thinks. It keeps no game state of its own: the game,
// the level live in the engine and the display flags in the board; only four
// switches (Statistics, Show Best Line, Sound, Two Player) live in its check
// marks.
//
// The engine's search runs on this thread and lets the event loop run while
// it thinks, so every handler here may run nested inside a search. The
// engine's Thinking flag is the guard: it refuses game changes while it is
// set, and the window only starts or stops a search by writing it.
#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <QStyle>
#include <functional>
#include <string>

#include "Levelunt.h"
#include "PerfectEndgame.h"
#include "Reversi.h"
#include "Settings.h"

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPainter;
class QTimer;
class TArrowButton;
class TBoardCoordinates;
class TGameReview;
class THintControl;
class TDropShadow;
class TFlatButton;
class TShape;
class TWaveSound;

// The name a save writes to: the chosen one, with extension (".RGM" unless
// given) added when the file's own name (not the folder's) has no ".".
QString WithGameExtension(const QString& name, const QString& extension = QStringLiteral(".RGM"));

// The part of a hint shown in the status line: the text after the first
// "|", or the whole hint when it has none.
QString LongHint(const QString& hint);

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
  QDialog* AboutBox() const { return aboutBox_; }
  // Also hands the dialog the window's part in its OK: the level text and
  // the "Game" box.
  void SetLevelDialog(TLevelFrm* dialog);
  TLevelFrm* LevelDialog() const { return levelDialog_; }
  const std::string& SettingsFile() const { return settingsPath_; }

  // The file dialogs: each returns the chosen full path, or an empty string
  // when the user cancels. Replaceable, so tests need no modal dialog.
  std::function<QString()> ChooseOpenFile;
  std::function<QString()> ChooseSaveFile;
  // Set by the save dialog when its GGF filter was chosen: a name without an
  // extension then gets ".ggf".
  bool SaveAsGgf = false;
  // Tells the user that a game could not be saved or opened; by default a
  // warning box. Replaceable for the same reason.
  std::function<void(const QString& text)> ReportFileFailure;
  // Asks whether the game may replace the existing file at path; by default
  // a question box. Replaceable for the same reason.
  std::function<bool(const QString& path)> ConfirmOverwrite;

  // ---- Operations ----
  // Opens the game at path as File > Open does once its dialog has given a
  // name: the same checks, and a refused file (unreadable, not a game, or
  // the computer thinking) is reported and leaves the current game. Also
  // reached from the command line and from a file dropped on the window.
  void OpenGameFile(const QString& path);
  // Edit > Paste once the clipboard's text is read: refused while thinking,
  // a text that holds no game is reported and leaves the current game.
  void PasteGameText(const QString& text);
  // Starts a game from the position, as Edit > Set Up Position does on OK.
  bool SetUpPosition(reversi::TPosition position);
  // Before the window is first shown: where it was when it last closed, if
  // that is on one of the screens now; otherwise maximised, as on a first
  // start (WindowMemory.cpp).
  void RestorePlacement();
  void FormResize();
  void ShowGame();
  void ResetStats();
  void ShowHint(const QString& hint);
  // Says text to assistive tools through the status line; shown also
  // writes it there.
  void Announce(const QString& text, bool shown = true);
  // Neither side has a move in the position on the board.
  bool GameOver() const;
  // "Black wins 37 : 27", "White wins 33 : 31", "Draw 32 : 32".
  static QString ResultText(int black, int white);
  void FormKeyPress(QChar key);
  // Draws best-line entry `index` into `rect` of `painter`; used by the
  // list's delegate.
  void ListBox1DrawItem(QPainter* painter, int index, const QRect& rect, QStyle::State state);
  // True between the engine's OnBeginSearch and OnEndSearch.
  bool Searching() const { return searchDepth_ > 0; }
  // True once the close has gone through and the settings were written.
  bool Closed() const { return closed_; }

  // ---- Menu and button handlers ----
  // Reached through the actions and buttons. The check marks are inverted
  // by the actions themselves (they are checkable) before these run.
  void New1Click();
  void OpenItemClick();
  void SaveItemClick();
  void ExitItemClick();
  void Edit1Click();
  void Level1Click();
  void StrictTime1Click();
  void TwoPlayer1Click();
  void TakeBack1Click();
  void MoveForward1Click();
  void Move1Click();
  void CopyGame1Click();
  void CopyPosition1Click();
  void Paste1Click();
  void SetUp1Click();
  void View1Click();
  void Thinking1Click();
  void LegalMoves1Click();
  void ShowFlipableSquares1Click();
  void Selective1Click();
  void Statistics1Click();
  void BestLine1Click();
  void Sound1Click();
  void About1Click();
  void Coordinates1Click();
  void Timer1Timer();
  // The analysis items (AnalysisMenus.cpp).
  void HintClick();
  void MoveValuesClick();
  void AnalyseGameClick();
  void PerfectEndgameClick();
  void PerfectEmptiesClick();

  // ---- Engine handlers ----
  void Reversi1Move(const std::string& move);
  void Reversi1BeginSearch();
  void Reversi1PlyChange(int ply);
  void Reversi1ConsiderNew(const std::string& move, int index, int totalMoves);
  void Reversi1BestChange(const std::string& move, double score, bool isFinal);
  void Reversi1EndSearch(const std::string& move);
  void Reversi1EndGame();
  // A side without a move passes (the computer's or, in a two-player game,
  // either side's); the engine's pass box follows when the person passes.
  void Reversi1Pass();

  // ---- Controls, named as on the form ----
  QFrame* Bevel1 = nullptr;
  QWidget* Toolbar = nullptr;
  TFlatButton* OpenButton = nullptr;
  TFlatButton* SaveButton = nullptr;
  TFlatButton* NewButton = nullptr;
  QLabel* StatusLine = nullptr;
  QWidget* BottomBar = nullptr;
  TArrowButton* BackButton = nullptr;
  TFlatButton* PlayButton = nullptr;
  TArrowButton* ForwardButton = nullptr;
  QWidget* SidePanel = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  QGroupBox* GroupBox3 = nullptr;
  QListWidget* ListBox1 = nullptr;
  TShape* WhiteDisc = nullptr;
  TShape* BlackDisc = nullptr;
  QLabel* WhiteMarker = nullptr;
  QLabel* BlackMarker = nullptr;
  QLabel* ToMoveCaption = nullptr;
  QLabel* ResultLabel = nullptr;  // the result, once the game is over
  QLabel* Label6Caption = nullptr;
  QLabel* Label4 = nullptr;   // White's discs
  QLabel* Label5 = nullptr;   // Black's discs
  QLabel* Label6 = nullptr;   // level
  QLabel* Label11 = nullptr;  // candidate move
  QLabel* Label12 = nullptr;  // root move being considered
  QLabel* Label13 = nullptr;  // evaluation
  QLabel* Label14 = nullptr;  // iteration depth
  QLabel* Label15 = nullptr;  // the bold ":"
  QLabel* Label16 = nullptr;  // root-move number, then the deepest depth
  QLabel* Label18 = nullptr;  // nodes
  TDropShadow* Shadow = nullptr;
  TBoardCoordinates* Coordinates = nullptr;
  TReversi* Reversi1 = nullptr;
  QTimer* Timer1 = nullptr;
  TWaveSound* Click = nullptr;

  QMenu* File1 = nullptr;
  QAction* New1 = nullptr;
  QAction* OpenItem = nullptr;
  QAction* SaveItem = nullptr;
  QAction* ExitItem = nullptr;
  QMenu* Edit1 = nullptr;
  QAction* Level1 = nullptr;
  QAction* StrictTime1 = nullptr;
  QAction* TwoPlayer1 = nullptr;
  QAction* TakeBack1 = nullptr;
  QAction* MoveForward1 = nullptr;
  QAction* Move1 = nullptr;
  QAction* CopyGame1 = nullptr;
  QAction* CopyPosition1 = nullptr;
  QAction* Paste1 = nullptr;
  QAction* SetUp1 = nullptr;
  QMenu* View1 = nullptr;
  QAction* Thinking1 = nullptr;
  QAction* LegalMoves1 = nullptr;
  QAction* ShowFlipableSquares1 = nullptr;
  QAction* Statistics1 = nullptr;
  QAction* BestLine1 = nullptr;
  QAction* Coordinates1 = nullptr;
  QAction* Sound1 = nullptr;
  QAction* Selective1 = nullptr;
  QMenu* Help1 = nullptr;
  QAction* About1 = nullptr;

  // ---- Analysis ----
  QAction* Hint1 = nullptr;
  QAction* MoveValues1 = nullptr;
  QAction* AnalyseGame1 = nullptr;
  QMenu* PerfectEndgame1 = nullptr;
  QAction* PerfectEnabled1 = nullptr;
  QAction* PerfectEmpties1 = nullptr;
  THintControl* Hints = nullptr;
  QPointer<TGameReview> Review;
  TPerfectEndgame PerfectEndgame;
  // Asks for the empties the computer solves; replaceable, so tests need no
  // modal dialog. Returns the number, or 0 when the user cancels.
  std::function<int(int current)> ChooseEmpties;
  // Puts the position after `moves` moves of the game on the board, as Take
  // Back and Move Forward do; false when the game has no such position.
  bool ShowRecordPosition(int moves);

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // A single local file dropped on the window is opened (FileDrop.cpp).
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateMenus();
  void CreateEditGameItems();  // EditGame.cpp
  void CreateControls();
  void CreateGameBox();
  void CreateStatisticsBox();
  void SetDesignValues();
  void BindEngine();
  void FormCreate();
  void FormClose();
  // Keeps the shown window's place in the settings file, beside the settings.
  std::vector<TIniWrite> PlacementWrites() const;
  void FitShadow();
  void KeepHintsOfEnabledItems(QMenu* menu);
  void ShowFileFailure(const QString& text);
  void CreateAnalysis();
  void UpdateAnalysisItems();
  // The position changed: what the analysis showed goes. A new game (New,
  // Open) or a Take Back also stops the review of the game.
  void AnalysisPositionChanged(bool gameChanged = false);
  void StopAnalysis();
  // The four switches as the check marks hold them.
  TShellSwitches Switches() const;
  bool RefusedWhileThinking(const QString& text);

  std::string settingsPath_;
  TSettingsBaseline settingsAtStart_;
  TPerfectEndgame perfectAtStart_;
  bool coordinatesAtStart_ = false;
  QPointer<QDialog> aboutBox_;
  QPointer<TLevelFrm> levelDialog_;
  int searchDepth_ = 0;        // nested searches running (a pass can nest one)
  bool closePending_ = false;  // a close waits for the search to return
  bool closed_ = false;
};
