#include "YardstickSolver.h"

namespace reversi::analysis {

int TYardstickSolver::Solve(TBits player, TBits opponent) {
  nodes_ = 0;
  return Search(player, opponent, -64, 64, false);
}

int TYardstickSolver::Search(TBits player, TBits opponent, int alpha, int beta, bool passed) {
  ++nodes_;
  TBits moves = LegalMoves(player, opponent);
  if (!moves) {
    if (passed) {
      const int margin = Count(player) - Count(opponent), empties = 64 - Count(player | opponent);
      return margin > 0 ? margin + empties : margin < 0 ? margin - empties : 0;
    }
    return -Search(opponent, player, -beta, -alpha, true);
  }
  // Fastest first while there is something to order; the last few squares in
  // board order.
  int squares[64], keys[64], n = 0;
  const bool order = Count(~(player | opponent)) > 4;
  for (; moves; moves &= moves - 1) {
    const int sq = FirstSquare(moves);
    int key = 0;
    if (order) {
      const TBits flips = Flips(sq, player, opponent);
      key = Count(LegalMoves(opponent ^ flips, player | flips | Bit(sq)));
    }
    int i = n++;
    for (; i > 0 && keys[i - 1] > key; --i) {
      squares[i] = squares[i - 1];
      keys[i] = keys[i - 1];
    }
    squares[i] = sq;
    keys[i] = key;
  }
  int best = -65;
  for (int i = 0; i < n; ++i) {
    const TBits flips = Flips(squares[i], player, opponent);
    const int v =
        -Search(opponent ^ flips, player | flips | Bit(squares[i]), -beta, best > alpha ? -best : -alpha, false);
    if (v > best) {
      best = v;
      if (v >= beta) break;
    }
  }
  return best;
}

}  // namespace reversi::analysis
