// A shallow negamax of a judgement, depth plies deep: the search orders its
// moves by one (Search.cpp), the first guess at a score starts from another
// (Estimate.cpp).
#pragma once

#include <algorithm>

#include "SolverBits.h"
#include "SolverTuning.h"

namespace reversi::analysis {
inline namespace VZ_SOLVER_ISA {

// What a side without a move does: the ordering judges the position as it
// stands, the guess lets the other side play on. (With passes played in the
// ordering too, FFO #40 takes 4% fewer nodes, but the node counts of other
// solves move as well.)
enum class TPasses { Judged, Played };

template <int (*Judge)(TBits, TBits), TPasses Passes>
int LookAhead(TBits player, TBits opponent, int depth, int alpha, int beta) {
  TBits moves = LegalMoves(player, opponent);
  if (depth == 0) return Judge(player, opponent);
  if (!moves) {
    if (Passes == TPasses::Judged || !LegalMoves(opponent, player)) return Judge(player, opponent);
    return -LookAhead<Judge, Passes>(opponent, player, depth - 1, -beta, -alpha);
  }
  int best = -100000;
  // Two plies or more from the judgements, the moves that leave the
  // opponent the fewest replies go first: the value is the same in any
  // order, but the cut-offs come far sooner.
  if (depth >= 2) {
    struct TChild {
      TBits Player, Opponent;
      int Key;
    } list[kMaxMoves];
    int count = 0;
    for (; moves; moves &= moves - 1) {
      const int sq = FirstSquare(moves);
      const TBits flips = Flips(sq, player, opponent);
      const TChild child{opponent ^ flips, player | flips | Bit(sq), 0};
      const TBits replies = LegalMoves(child.Player, child.Opponent);
      int i = count++;
      const int key = Count(replies) + Count(replies & kCorners);
      for (; i > 0 && list[i - 1].Key > key; --i) list[i] = list[i - 1];
      list[i] = child;
      list[i].Key = key;
    }
    for (int i = 0; i < count; ++i) {
      const int v =
          -LookAhead<Judge, Passes>(list[i].Player, list[i].Opponent, depth - 1, -beta, -std::max(alpha, best));
      if (v > best) {
        best = v;
        if (v >= beta) break;
      }
    }
    return best;
  }
  for (; moves; moves &= moves - 1) {
    const int sq = FirstSquare(moves);
    const TBits flips = Flips(sq, player, opponent);
    const int v =
        -LookAhead<Judge, Passes>(opponent ^ flips, player | flips | Bit(sq), depth - 1, -beta, -std::max(alpha, best));
    if (v > best) {
      best = v;
      if (v >= beta) break;
    }
  }
  return best;
}

}  // namespace VZ_SOLVER_ISA
}  // namespace reversi::analysis
