// The search behind TSolver: the series of null-window searches that
// converges on the exact score, the hashed alpha-beta and the last empties.
//
// It is built twice (analysis/CMakeLists.txt): `base` for any processor and,
// on x86-64, `wide` for processors with AVX2, BMI2 and POPCNT, where a disc
// count is one instruction instead of a dozen. Each build lives in its own
// namespace; TSolver picks one on first use.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

#include "Solver.h"
#include "SolverTuning.h"
#include "SplitPool.h"

namespace reversi::analysis {

// What a solve lends its search: the table, where to publish the node count,
// the stop flag, the deadline and how an early end is scored.
struct TSearchSetup {
  THashTable* Hash = nullptr;     // positions with kShallowTableMax empties or more
  THashTable* Shallow = nullptr;  // the others, in a table small enough to stay in the cache
  std::atomic<int64_t>* Published = nullptr;
  const std::atomic<bool>* Stop = nullptr;
  bool EmptiesToWinner = true;
  std::chrono::steady_clock::time_point Deadline = std::chrono::steady_clock::time_point::max();
  TSplitPool* Pool = nullptr;  // the helper threads, when the solve has any
};

using TSolveEntry = TSolveResult (*)(const TSearchSetup&, const TBitPosition&, TSolveMode);

// The two builds' entries (analysis/CMakeLists.txt names each build's).
TSolveResult SolveOnAnyProcessor(const TSearchSetup& setup, const TBitPosition& position, TSolveMode mode);
TSolveResult SolveWithAvx2(const TSearchSetup& setup, const TBitPosition& position, TSolveMode mode);

inline namespace VZ_SOLVER_ISA {

// A guess at the final margin of the position for the side to move, from a
// look `depth` plies ahead (Estimate.cpp); no more than a starting point.
int EstimateScore(TBits player, TBits opponent, int depth);

// A helper's work at a split point (SplitPool.h), in this build.
int64_t HelpAtSplit(const TSearchSetup& setup, TSplitPoint& point, int64_t nodes);

class TSearch {
 public:
  explicit TSearch(const TSearchSetup& setup, int64_t nodes = 0)
      : setup_(setup), hash_(*setup.Hash), shallow_(*setup.Shallow), nodes_(nodes) {}

  // The exact score (or only its sign, with bound 1) of a position where the
  // side to move has a move.
  TSolveResult Converge(TBits player, TBits opponent, int lower, int upper);
  int Final(TBits player, TBits opponent) const;
  int64_t Nodes() const { return nodes_; }
  // The bounds Converge has proven so far, and a move that reaches the lower
  // one (-1 before any).
  int ProvenLower() const { return provenLower_; }
  int ProvenUpper() const { return provenUpper_; }
  int ProvenBest() const { return provenBest_; }
  // Takes moves from the split point until it has none left or is cut,
  // then leaves it; the work of a helper, or of an owner waiting for its own.
  void HelpAt(TSplitPoint& point);

 private:
  TSolveResult SolveMoves(TBits player, TBits opponent, int alpha, int beta);
  // With `hunter`, a move of the side to move that takes every disc of the
  // other by force; without, a move of the side to move, which loses every
  // disc by force; kNoWipeOut when none is found within the budget
  // (SolverTuning.h, WipeOut.cpp).
  static constexpr int kNoWipeOut = -1;
  int ForcedWipeOut(TBits player, TBits opponent, bool hunter);
  int Search(TBits player, TBits opponent, int alpha, int beta, int empties);
  // Searches the moves in list order with the window (max(alpha, best),
  // beta), raising best and bestMove, until one reaches beta.
  // After the first move (`eldestDone`: already searched) the others may
  // be shared out with the helpers.
  void SearchList(TBits player, TBits opponent, const TMove* list, int count, int alpha, int beta, int empties,
                  int& best, int& bestMove, bool eldestDone);
  void Split(TBits player, TBits opponent, const TMove* list, int count, int alpha, int beta, int empties, int& best,
             int& bestMove);
  void WorkAt(TSplitPoint& point);
  // Waits until every helper has left the split point, helping below it
  // meanwhile unless `giveUp`.
  void Leave(TSplitPoint& point, bool giveUp);
  // Throws when a split point this search works under was cut.
  void CheckSplits() const;
  int SearchShallow(TBits player, TBits opponent, int alpha, int beta, int empties);
  int Solve4(TBits player, TBits opponent, int alpha, int beta, TBits empty);
  int Solve3(TBits player, TBits opponent, int alpha, int beta, int a, int b, int c);
  int Solve2(TBits player, TBits opponent, int alpha, int beta, int a, int b);
  int Solve1(TBits player, int square);
  // A stored bound that decides the node sets value and returns true; the
  // stored best move, if any, goes to bestMove either way.
  bool Probe(TBits player, TBits opponent, int empties, int alpha, int beta, int& value, int& bestMove) const;
  THashTable& Table(int empties) const { return empties < kShallowTableMax ? shallow_ : hash_; }
  void Record(TBits player, TBits opponent, int empties, int alpha, int beta, int best, int bestMove);
  void CheckStop();

  // The opponent keeps its stable discs whatever happens, which caps the
  // margin at `top`; true when that cap is at or below alpha. Computed only
  // when the opponent has few enough discs for the cap to matter, and alpha
  // is high enough for it to matter often (SolverTuning.h).
  static bool StabilityCut(TBits player, TBits opponent, int alpha, int& top) {
    if (alpha < 64 - 2 * Count(opponent) || alpha < StabilityFloor(64 - Count(player | opponent))) return false;
    top = 64 - 2 * Count(StableDiscs(opponent, player));
    return top <= alpha;
  }

  const TSearchSetup& setup_;
  THashTable& hash_;
  THashTable& shallow_;
  int64_t nodes_ = 0;
  int provenLower_ = -64, provenUpper_ = 64, provenBest_ = -1;
  int untilClock_ = kClockEvery;         // stop checks left before the next look at the clock
  const TSplitPoint* splits_ = nullptr;  // the innermost split point this search works under
};

}  // namespace VZ_SOLVER_ISA
}  // namespace reversi::analysis
