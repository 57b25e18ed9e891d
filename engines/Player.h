// A player of games: anything that keeps a game and answers with a move,
// whether it searches in this process or runs as another program. The match
// runner, the protocol servers and (later) the window talk to players alone.
//
// Squares are the engine's cell numbers (Geometry.h). Passes are never
// played: a position always has the side with a legal move to move, or the
// game is over (Notation.h's PlayOn hands the move on by the rules).
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "Notation.h"

namespace reversi::engines {

// How long a move may take: a fixed depth when Depth > 0, else Millis of
// thinking. A player takes the one it understands; external engines set
// their own depth on their command line.
struct TBudget {
  int Depth = 0;
  int64_t Millis = 0;
  // Millis counts the thread's processor time rather than the wall clock,
  // for matches on a machine that other programs share; a player that
  // cannot count it takes the wall clock.
  bool ProcessorTime = false;
};

// A move with its value for the side to move, in discs; Depth is the search
// depth that gave it (Exact when solved to the end).
struct TMoveValue {
  int Square = 0;
  double Score = 0.0;
  bool HasScore = false;
  int Depth = 0;
  bool Exact = false;
};

// A player's answer: a move, or why there is none (Error set, Square 0).
struct TMoveReply {
  TMoveValue Move;
  std::string Error;
  bool Ok() const { return Error.empty(); }
};

class TPlayer {
 public:
  virtual ~TPlayer() = default;

  virtual std::string Name() const = 0;
  // Takes up this game (its start and moves) as the one to play on; false,
  // with the reason, when the player cannot.
  virtual bool NewGame(const TGame& game, std::string& error) = 0;
  // The opponent's move, already checked against the rules.
  virtual bool Play(int square, std::string& error) = 0;
  // Chooses a move for the side to move within the budget and plays it on
  // the player's own game. The caller checks the move against the rules.
  virtual TMoveReply Generate(const TBudget& budget) = 0;

  // Any thread: ends a Generate (or a search) under way soon, with its best
  // move so far. Stands until ClearStop, which the owner calls before it
  // asks for the next move.
  void Stop() {
    stop_.store(true);
    Stopped();
  }
  void ClearStop() { stop_.store(false); }
  bool StopWanted() const { return stop_.load(std::memory_order_relaxed); }
  const std::atomic<bool>& StopFlag() const { return stop_; }

 protected:
  // For players that must do something more than see the flag.
  virtual void Stopped() {}

 private:
  std::atomic<bool> stop_{false};
};

}  // namespace reversi::engines
