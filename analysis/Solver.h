// The exact endgame solver: the final disc margin under perfect play from a
// position, a move that reaches it, and the nodes it took.
//
// A TSolver owns its hash table and its counters, so each thread that solves
// uses its own object. Another thread may stop a solve through the flag given
// to SetStopFlag and may read NodesSoFar while it runs.
#pragma once

#include <atomic>
#include <cstdint>

#include "Bitboard.h"
#include "HashTable.h"

namespace reversi::analysis {

// The side to move's discs and the other side's.
struct TBitPosition {
  TBits Player = 0;
  TBits Opponent = 0;
};

enum class TSolveMode { Exact, WinLossDraw };

inline constexpr int kPassMove = -1;  // the side to move must pass
inline constexpr int kNoMove = -2;    // the game is over

struct TSolveResult {
  // For the side to move: the final margin (Exact) or -1, 0, 1 (WinLossDraw).
  int Score = 0;
  // A square 0..63 that reaches Score, kPassMove or kNoMove.
  int Best = kNoMove;
  int64_t Nodes = 0;
  // False when the stop flag ended the solve; Score and Best mean nothing then.
  bool Complete = true;
};

class TSolver {
 public:
  // A hash table of 2^hashBits buckets of 64 bytes. The default (16 MB) suits
  // solves of up to about 24 empties: a larger table costs more in cache
  // misses than it saves in nodes.
  explicit TSolver(int hashBits = 18);

  TSolveResult Solve(const TBitPosition& position, TSolveMode mode = TSolveMode::Exact);

  // With true (the default) a game that ends with empty squares gives them
  // to the winner; with false they count for nobody, as the engine's
  // evaluation does.
  void SetEmptiesToWinner(bool value);
  void SetStopFlag(const std::atomic<bool>* stop) { stop_ = stop; }
  int64_t NodesSoFar() const { return published_.load(std::memory_order_relaxed); }
  // Forgets every position: the next solve starts from nothing.
  void ClearHash() { hash_.Clear(); }

 private:
  struct TCancelled {};

  TSolveResult Converge(TBits player, TBits opponent, int lower, int upper);
  TSolveResult SolveMoves(TBits player, TBits opponent, int alpha, int beta);
  int Search(TBits player, TBits opponent, int alpha, int beta, int empties);
  int SearchShallow(TBits player, TBits opponent, int alpha, int beta, int empties);
  int Solve4(TBits player, TBits opponent, int alpha, int beta, TBits empty);
  int Solve3(TBits player, TBits opponent, int alpha, int beta, int a, int b, int c);
  int Solve2(TBits player, TBits opponent, int alpha, int beta, int a, int b);
  int Solve1(TBits player, int square);
  int Final(TBits player, TBits opponent) const;
  // A stored bound that decides the node sets value and returns true; the
  // stored best move, if any, goes to bestMove either way.
  bool Probe(TBits player, TBits opponent, int alpha, int beta, int& value, int& bestMove) const;
  void Record(TBits player, TBits opponent, int empties, int alpha, int beta, int best, int bestMove);
  void CheckStop();

  // The opponent keeps its stable discs whatever happens, which caps the
  // margin at `top`; true when that cap is at or below alpha. Computed only
  // when the opponent has few enough discs for the cap to matter.
  static bool StabilityCut(TBits player, TBits opponent, int alpha, int& top) {
    if (alpha < 64 - 2 * Count(opponent)) return false;
    top = 64 - 2 * Count(StableDiscs(opponent, player));
    return top <= alpha;
  }

  THashTable hash_;
  int64_t nodes_ = 0;
  std::atomic<int64_t> published_{0};
  const std::atomic<bool>* stop_ = nullptr;
  bool emptiesToWinner_ = true;
};

}  // namespace reversi::analysis
