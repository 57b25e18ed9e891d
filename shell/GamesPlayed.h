// Help > Games Played...: the person's wins, draws and losses against each
// opponent of the computer (a level, an analyst's strength, an external
// engine by name) and the average margin, kept across runs in
// "Statistics.ini" beside the settings file (settings/GameStatistics.h).
//
// A game counts once, when it ends with a person playing one colour and the
// computer the other; games of two players, and games in which the computer
// played both sides, are not counted. Who played a move is known from how it
// was played (the computer's while it thinks); moves replayed from a file
// or by Move Forward keep what they were when first played in this run, or
// are not known. A game whose end is taken back and played again is the
// same game; New or another game on the board starts a new one.
//
// A game lost on time counts as its flag falls, for the side with time
// left: with the discs as they stand when they favour that side, else with
// the narrowest win on a full board, 33-31. The person may not have moved
// yet (the computer opened and the person's time ran out): the person then
// played the colour the computer did not.
#pragma once

#include <QDialog>
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "GameStatistics.h"
#include "ReversiCore.h"

class QLabel;
class QMenu;
class QTableWidget;
class TAnalysisController;
class TReversi;

class TGamesPlayed : public QObject {
  Q_OBJECT

 public:
  TGamesPlayed(TReversi* board, TAnalysisController* analysis, const std::string& settingsPath, QWidget* window);
  ~TGamesPlayed() override;

  // "Games Played..." in help, before its last item (About).
  void AddItem(QMenu* help);
  // The engine's events, as the window hears them.
  void Moved();
  void GameEnded();
  // loser's time ran out (kBlack or kWhite).
  void LostOnTime(int loser);
  // Another position is on the board (New, Open, Take Back, ...).
  void PositionMoved();

  // The opponent the computer is now, as the file names it.
  std::string Opponent() const;
  // An opponent's name for the user.
  static QString OpponentText(const std::string& opponent);

  const std::string& Path() const { return file_.Path(); }
  // Games of this run not yet in the file (it could not be written).
  std::size_t Pending() const { return pending_.size(); }
  // The dialog; non-modal, kept until the window goes.
  QDialog* Dialog();
  // Asked before a reset; a question box unless replaced (tests do).
  std::function<bool(const QString& question)> ConfirmReset;

 signals:
  void Status(const QString& text);

 private:
  // The person's colour in the game on the board, and the computer's: 0
  // when either is not known or both played one colour.
  std::pair<int, int> Sides() const;
  void Count(int person, int blackMargin, const std::string& opponent);
  void Flush();
  void Fill();
  void Reset();

  enum : int8_t { kUnknown = 0, kPerson = 1, kComputer = 2 };
  TReversi* board_;
  TAnalysisController* analysis_;
  QWidget* window_;
  stats::TStatisticsFile file_;
  std::vector<stats::TGameResult> pending_;
  // For each ply of the game on the board: its square and who played it.
  std::array<int, reversi::TReversiCore::kMaxRecord> squares_{};
  std::array<int8_t, reversi::TReversiCore::kMaxRecord> by_{};
  std::array<int8_t, reversi::TReversiCore::kMaxRecord> colour_{};
  std::string opponent_;  // the computer at its last move
  bool counted_ = false;
  QDialog* dialog_ = nullptr;
  QTableWidget* table_ = nullptr;
  QLabel* note_ = nullptr;
};
