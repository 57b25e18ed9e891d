// Where the solver changes method, by the number of empty squares. Measured
// with bench/solver_bench; below kHashMin the hash table costs more than it
// saves, and the ordering by the opponent's replies gives way to parity.
#pragma once

#include <cstdint>

namespace reversi::analysis {

inline constexpr int kMaxMoves = 64;      // one per empty square at most, whatever the position
inline constexpr int kHashMin = 6;        // hash table and fastest-first from here up
inline constexpr int kEtcMin = 10;        // enhanced transposition cut-offs from here up
inline constexpr int kLookAheadMin = 14;  // ordering by a shallow look ahead from here up
// With helper threads, a node with this many empties or more may share its
// moves out (SplitPool.h): below it a move is too little work to hand over.
inline constexpr int kSplitMin = 12;
inline constexpr int kMaxThreads = 64;
// Positions with fewer empties than kShallowTableMax go to a table of their
// own, 2^kShallowTableBits buckets (2 MB), which stays in the cache.
inline constexpr int kShallowTableMax = 10;
inline constexpr int kShallowTableBits = 15;
// Checks of the stop flag between two looks at the deadline's clock: about a
// millisecond of search, and too seldom for the clock to cost anything.
inline constexpr int kClockEvery = 4096;

// The lowest alpha at which the stability bound is tried: below it the bound
// cut fewer than one node in twenty-five (measured by empties on FFO #43), not
// worth finding the stable discs. With four empties it always pays.
constexpr int StabilityFloor(int empties) {
  return empties <= 4 ? -64 : empties <= 6 ? 0 : 2 * empties - 2;
}

// The first guess at the score of a large solve (Estimate.cpp): a judgement
// looked at EstimateDepth plies ahead, from kEstimateMin empties up; the
// first question is asked kEstimateBelow under it. Each ply costs about five
// times the one before and each empty about three times the solve, so the
// look ahead shrinks with the empties to stay a small part of the solve.
// The weights, in tenths of a disc of final margin, were fitted by least
// squares to the exact scores of 1500 positions with 14 to 22 empties from
// games-sample.txt, leaving out its first 200 games, which the benchmark uses.
inline constexpr int kEstimateMin = 16;
// From this guess up (or down), a large solve first looks for a forced
// wipe-out (WipeOut.cpp), giving it a part of what the solve may cost: FFO
// #59's, 15 plies deep from 34 empties, takes 21 million nodes.
inline constexpr int kWipeOutGuess = 48;
constexpr int64_t WipeOutBudget(int empties) {
  return empties >= 31 ? int64_t{32} << 20 : int64_t{1} << (empties - 6);
}
inline constexpr int kWipeOutTableBits = 20;  // its own table of positions: 24 MB
inline constexpr int kEstimateBelow = 4;
constexpr int EstimateDepth(int empties) {
  return empties - 15 < 8 ? empties - 15 : 8;
}
struct TEstimateWeights {
  int Mobility = 25;        // per move more than the opponent has
  int CornerMobility = 28;  // per corner move more, on top
  int Corner = 28;          // per corner held more
  int Disc = -5;            // per disc more: few discs now, more moves later
  int XSquare = -9;         // per disc more beside an empty corner
  int Stable = 15;          // per disc more that can never be turned
  int Parity = 16;          // the side to move with an odd number of empties plays last
  int Mover = -19;          // the side to move, whatever else
};
inline constexpr TEstimateWeights kEstimateWeights{};

}  // namespace reversi::analysis
