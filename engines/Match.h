// Matches between two players: games from given openings, each opening
// played twice with the colours swapped, every move checked by the engine
// core's rules. A move the rules refuse, or a player that fails (will not
// start, dies, hangs, answers nonsense), loses that game by forfeit.
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "Player.h"

namespace reversi::engines {

struct TMatchSettings {
  int Games = 2;
  TBudget Budget{3, 0};
  // Game k starts from opening k / 2; player A has Black in even games.
  std::vector<TGame> Openings;
  // Set (from any thread), ends the game under way after the move in
  // progress; the game comes back Cancelled.
  const std::atomic<bool>* Cancel = nullptr;
};

struct TGameResult {
  int Number = 0;  // from 1
  bool ABlack = true;
  TGame Game;
  // Player A's final disc margin, empty squares to the winner; a forfeit
  // counts as 64 against the player who forfeited.
  int MarginA = 0;
  int ForfeitBy = -1;  // -1 none, 0 player A, 1 player B
  std::string Forfeit;
  bool Cancelled = false;  // unfinished: counts for nobody
};

struct TTally {
  int Wins = 0, Draws = 0, Losses = 0, Forfeits = 0;
  double Margin = 0.0, MarginError = 0.0;  // mean and its 95% error
  double Score = 0.0, ScoreError = 0.0;    // percent and its 95% error
};

class TMatch {
 public:
  TMatch(TPlayer& a, TPlayer& b, TMatchSettings settings);

  // Plays game number k (from 0).
  TGameResult PlayGame(int k);
  // Plays them all, telling each result as it comes.
  std::vector<TGameResult> Run(const std::function<void(const TGameResult&)>& onGame = {});

 private:
  TGameResult Forfeit(TGameResult result, int who, const std::string& reason) const;

  TPlayer* players_[2];
  TMatchSettings settings_;
};

// Player A's tally over the games (player B's is its mirror).
TTally TallyOf(const std::vector<TGameResult>& games, int player);

// The results as a table of both players: wins, draws, losses, forfeits,
// mean disc margin and score, each with its 95% error.
std::string ResultsTable(const std::vector<TGameResult>& games, const std::string& nameA, const std::string& nameB);

// Openings, one move list a line ('#' starts a comment); the embedded list
// from real games when text is empty. Lines that do not replay are skipped.
std::vector<TGame> ReadOpenings(const std::string& text);
const std::string& StandardOpenings();

}  // namespace reversi::engines
