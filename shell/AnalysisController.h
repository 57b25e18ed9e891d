// The window's analysis: Hint and Analyse Game in the Edit menu, Move Values
// in the View menu, the Perfect Endgame option and the analyst as the
// computer player beside the level, and the review window. The work itself is in Hint.cpp, GameReview.cpp and
// PerfectEndgame.cpp; all of it runs on the one analysis thread this
// controller owns (AnalysisThread.h), each part through a runner of its own
// (AnalysisWorker.h), and what is shown is dropped as soon as the position
// it was made for is gone. More analysis joins the same thread: a runner
// with its own priority.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AnalysisWorker.h"
#include "EngineOpponent.h"
#include "EngineSettings.h"
#include "GameReview.h"
#include "IniText.h"
#include "PerfectEndgame.h"
#include "StrongLevel.h"
#include "ThreadCount.h"

class QAction;
class QDialog;
class QActionGroup;
class QMenu;
class QWidget;
class THintControl;
class TMatchWindow;
class TReversi;

class TAnalysisController : public QObject {
  Q_OBJECT

 public:
  // Reads the Perfect Endgame option from the settings file at settingsPath;
  // its dialogs open over window.
  TAnalysisController(TReversi* board, const std::string& settingsPath, QWidget* window);
  ~TAnalysisController() override;

  // Hint and Analyse Game at the end of edit, Perfect Endgame before
  // beforeInEdit; Move Values before beforeInView.
  void AddItems(QMenu* edit, QAction* beforeInEdit, QMenu* view, QAction* beforeInView);
  // A menu opens: the items that need an idle board.
  void UpdateItems();
  // The position changed: what the analysis showed goes. A new game (New,
  // Open) or a Take Back also stops the review of the game.
  void PositionChanged(bool gameChanged = false);
  // Stops all work.
  void Stop();
  void Hint();
  // The Perfect Endgame option's keys for the settings file, when this run
  // changed it.
  std::vector<TIniWrite> Writes() const;

  // Asks for the empties the computer solves; replaceable, so tests need no
  // modal dialog. Returns the number, or 0 when the user cancels.
  std::function<int(int current)> ChooseEmpties;
  // Likewise for the analyst player's seconds per move and book margin.
  std::function<int(int current)> ChooseSeconds;
  std::function<double(double current)> ChooseBookMargin;
  // And for the analysis's threads: the number, or 0 when the user cancels.
  std::function<int(int current)> ChooseThreads;
  // The threads the analysis runs on (Edit > Analysis Threads).
  const TThreadCount& AnalysisThreads() const { return threads_; }
  void SetAnalysisThreads(int threads);
  // The computer player: the game's own levels (-1) or the analyst at a
  // strength (0 strong .. TStrongLevel::kStrengths - 1).
  void SetAnalystPlayer(int strength);
  const TStrongLevel& AnalystPlayer() const { return strong_; }
  // The same for the Level dialog to edit in place.
  TStrongLevel& AnalystLevel() { return strong_; }
  void AnalyseGameClick();
  // Opens the match window (or brings it forward).
  void MatchClick();
  // Opens Edit > Engines... (or brings it forward).
  void EnginesClick();
  const TEngineSettings& Engines() const { return engines_; }
  // The registered engine that plays the computer's moves, by name; empty
  // (or an unknown name) for the game's own players.
  void SetEngineOpponent(const std::string& name);
  const std::string& EngineOpponent() const { return opponent_.Chosen(); }
  // The chosen engine's move for the side to move, in the status line.
  void EngineHint();
  void PerfectEndgameClick();
  TGameReview* Review() const { return review_; }

 signals:
  // A text for the status line; Announced also tells assistive tools.
  void Status(const QString& text);
  void Announced(const QString& text);
  // The review put another position of the game on the board.
  void PositionShown();
  // The computer plays the move an exact solve proved best (Perfect Endgame).
  void Solved(const TPositionValue& value);
  // The analyst player's progress while it chooses the computer's move:
  // each depth completed, then the move a weaker strength chose.
  void AnalystThinking(const TPositionValue& value);

 private:
  void PerfectEmptiesClick();
  void AddPlayerItems(QMenu* edit, QAction* before);
  void ShowThinking(const TPositionValue& value);
  // Puts the position after `moves` moves of the reviewed game on the board,
  // as Take Back and Move Forward do; false when the game has no such
  // position or has changed since.
  bool ShowRecordPosition(int moves);

  TReversi* board_;
  QWidget* window_;
  std::shared_ptr<TAnalysisThread> thread_;
  THintControl* hints_ = nullptr;
  QPointer<TGameReview> review_;
  QPointer<TMatchWindow> match_;
  QPointer<QDialog> enginesDialog_;
  TEngineSettings engines_;
  TEngineSettings enginesAtStart_;
  TEngineOpponent opponent_;
  QMenu* opponentMenu_ = nullptr;
  bool hinting_ = false;
  TPerfectEndgame perfect_;
  TPerfectEndgame perfectAtStart_;
  TStrongLevel strong_;
  TStrongLevel strongAtStart_;
  TThreadCount threads_;
  TThreadCount threadsAtStart_;
  QList<QAction*> players_;  // the game's own levels, then the strengths
  QAction* AnalystSeconds1 = nullptr;
  QAction* AnalystBook1 = nullptr;
  QAction* Hint1 = nullptr;
  QAction* MoveValues1 = nullptr;
  QAction* AnalyseGame1 = nullptr;
  QAction* Match1 = nullptr;
  QAction* Engines1 = nullptr;
  QAction* AnalysisThreads1 = nullptr;
  QAction* PerfectEnabled1 = nullptr;
  QAction* PerfectEmpties1 = nullptr;
};
