// Edit > Clock: a game clock per side (none, 1, 5, 10 or 15 minutes per
// game), shown in a row of the Game box that is there only while a clock
// is. The clock of the side to move runs from the game's first move on; it
// stops while a dialog is open and once the game is over. A side whose
// time runs out loses: the Game box's result and the status line say so
// and the board takes no more clicks. Taking moves back or walking forward through the
// record gives the clocks the times they had at that position; another
// game (New, Open, Paste) starts them full. While a move's discs turn on
// the screen (View > Animate Flips) neither clock runs: the animation is
// nobody's thinking time.
//
// The computer keeps to its clock: each of its searches gets the time left
// spread over the moves it still has to make (TGameClock::MoveBudgetMs). At
// the time level that budget caps the seconds per move, searched with the
// strict time limit; infinite thinking takes the budget as its time per
// move; a fixed depth is stopped, as Move Now stops it, when the budget is
// spent. The level is the user's again once the move is played.
//
// Kept in its own section [Clock], written only once the choice changed.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "GameClock.h"
#include "IniText.h"
#include "ReversiCore.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QTimer;
class TReversi;
class TSidePanel;

class TClockController : public QObject {
  Q_OBJECT

 public:
  // now: the clock's time source (a steady clock when empty; tests run it
  // by hand).
  TClockController(TReversi* board, TSidePanel* panel, const std::string& settingsPath, QObject* parent,
                   reversi::TGameClock::TNow now = {});
  ~TClockController() override;

  // Another time source (tests run the window's clock by hand); the clock
  // starts again full.
  void SetTimeSource(reversi::TGameClock::TNow now);
  // The Clock submenu after the item named after in edit.
  void AddItems(QMenu* edit, const QString& after);
  int Minutes() const { return minutes_; }
  void SetMinutes(int minutes);
  const reversi::TGameClock& Clock() const { return clock_; }
  // The last budget the computer was given, in milliseconds.
  int64_t LastBudgetMs() const { return lastBudgetMs_; }
  // A flag has fallen: the game is over, the computer makes no move.
  bool Flagged() const { return flag_ != 0; }
  // "White's time is up — Black wins"; empty while no flag has fallen.
  QString FlagText() const;
  // The same for the Game box's result: "Black wins on time".
  QString OutcomeText() const;
  std::vector<TIniWrite> Writes() const;

  // What the window tells it: a move was played, the computer begins or
  // ends a search, another position is on the board.
  void Moved();
  void SearchBegan();
  void SearchEnded();
  void PositionMoved();
  // Charges the running clock, lets a flag fall, shows the row; runs on a
  // timer while a clock is on.
  void Tick();

  static QString TimeText(int64_t ms);

 signals:
  void Announced(const QString& text);
  // side's time ran out (kBlack or kWhite); once a game, as it falls.
  void TimeUp(int side);

 private:
  int RunningSide() const;
  void Show();
  void Flagged(int side);
  void GiveBackLevel();
  void EnableBoard();
  void Remember();
  void FlipsTurned();
  void StartGuard();

  TReversi* board_;
  QPointer<TSidePanel> panel_;
  QPointer<QGroupBox> box_;
  int boxHeight_ = 0;
  QLabel* caption_ = nullptr;
  QLabel* white_ = nullptr;
  QLabel* black_ = nullptr;
  QTimer* ticker_ = nullptr;
  QTimer* guard_ = nullptr;
  std::vector<QAction*> items_;

  reversi::TGameClock clock_;
  int minutes_ = 0;
  int minutesAtStart_ = 0;
  int flag_ = 0;
  bool boardHadFocus_ = false;  // when its flag fell
  int64_t lastBudgetMs_ = 0;
  // The computer's budget, kept for the guard until the discs of the last
  // move have turned (0: none waiting).
  int64_t guardWaiting_ = 0;
  // The times after each move of the game (index: moves played), and the
  // moves they belong to.
  std::vector<std::pair<int64_t, int64_t>> times_;
  std::vector<int> moves_;
  // The level as the user set it, while a search of the computer's runs
  // with the clock's time.
  struct TLevelKept {
    reversi::TLevel Level;
    int MoveTime;
    bool Strict;
  };
  std::optional<TLevelKept> kept_;
};
