// A quick guess at the final margin, from which the series of null-window
// searches starts: each question far from the true score is wasted work, and
// without a guess a solve that ends at -14 asks seven of them first.
#include <algorithm>

#include "LookAhead.h"
#include "Search.h"
#include "SolverTuning.h"

namespace reversi::analysis {
inline namespace VZ_SOLVER_ISA {

namespace {

// The squares diagonally inside each corner, with their corner.
constexpr int kXSquares[4][2] = {{9, 0}, {14, 7}, {49, 56}, {54, 63}};

// The judgement, in tenths of a disc of final margin, for the side to move.
int Judge(TBits player, TBits opponent) {
  const TEstimateWeights& w = kEstimateWeights;
  const TBits mine = LegalMoves(player, opponent), theirs = LegalMoves(opponent, player);
  const int empties = 64 - Count(player | opponent);
  if (!mine && !theirs) return 10 * (Count(player) - Count(opponent));
  int xSquares = 0;
  for (const auto& [x, corner] : kXSquares)
    if (!((player | opponent) & Bit(corner))) xSquares += ((player >> x) & 1) - ((opponent >> x) & 1);
  return w.Mobility * (Count(mine) - Count(theirs)) +
         w.CornerMobility * (Count(mine & kCorners) - Count(theirs & kCorners)) +
         w.Corner * (Count(player & kCorners) - Count(opponent & kCorners)) +
         w.Disc * (Count(player) - Count(opponent)) + w.XSquare * xSquares +
         w.Stable * (Count(StableDiscs(player, opponent)) - Count(StableDiscs(opponent, player))) +
         w.Parity * ((empties & 1) ? 1 : -1) + w.Mover;
}

}  // namespace

int EstimateScore(TBits player, TBits opponent, int depth) {
  const int tenths = LookAhead<Judge, TPasses::Played>(player, opponent, depth, -100000, 100000);
  return std::clamp((tenths >= 0 ? tenths + 5 : tenths - 5) / 10, -64, 64);
}

}  // namespace VZ_SOLVER_ISA
}  // namespace reversi::analysis
