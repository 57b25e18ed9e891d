// The last empties: no hash table and no move lists. With four or fewer
// empty squares the squares themselves are tried, each for a flip; above
// that the legal moves are tried in odd regions first (parity: in a region
// with an odd number of empties, the side that moves there first tends to
// move there last).
#include "LastFlips.h"
#include "Search.h"
#include "SolverTuning.h"

namespace reversi::analysis {
inline namespace VZ_SOLVER_ISA {

int TSearch::Final(TBits player, TBits opponent) const {
  const int mine = Count(player), theirs = Count(opponent);
  const int margin = mine - theirs, empties = 64 - mine - theirs;
  if (!setup_.EmptiesToWinner || margin == 0) return margin;
  return margin > 0 ? margin + empties : margin - empties;
}

// One empty square: the side to move plays it if it can, else the other
// side does, else the game ends with it empty. 63 discs on the board.
int TSearch::Solve1(TBits player, int square) {
  ++nodes_;
  const int mine = Count(player);
  if (const int turned = LastFlipCount(square, player)) return 2 * (mine + turned + 1) - 64;
  if (const int turned = LastFlipCount(square, ~(player | Bit(square)))) return 2 * (mine - turned) - 64;
  const int margin = 2 * mine - 63;
  if (!setup_.EmptiesToWinner) return margin;
  return margin > 0 ? margin + 1 : margin - 1;
}

int TSearch::Solve2(TBits player, TBits opponent, int alpha, int beta, int a, int b) {
  ++nodes_;
  int best = -65;
  if (const TBits flips = FlipsNear(a, player, opponent)) {
    best = -Solve1(opponent ^ flips, b);
    if (best >= beta) return best;
  }
  if (const TBits flips = FlipsNear(b, player, opponent)) {
    const int v = -Solve1(opponent ^ flips, a);
    return v > best ? v : best;
  }
  if (best > -65) return best;
  // The side to move passes; the other side chooses.
  int worst = 65;
  if (const TBits flips = FlipsNear(a, opponent, player)) {
    worst = Solve1(player ^ flips, b);
    if (worst <= alpha) return worst;
  }
  if (const TBits flips = FlipsNear(b, opponent, player)) {
    const int v = Solve1(player ^ flips, a);
    return v < worst ? v : worst;
  }
  return worst < 65 ? worst : Final(player, opponent);
}

int TSearch::Solve3(TBits player, TBits opponent, int alpha, int beta, int a, int b, int c) {
  ++nodes_;
  const int squares[3][3] = {{a, b, c}, {b, a, c}, {c, a, b}};
  int best = -65;
  for (const auto& s : squares) {
    if (const TBits flips = FlipsNear(s[0], player, opponent)) {
      const int v =
          -Solve2(opponent ^ flips, player | flips | Bit(s[0]), -beta, -(best > alpha ? best : alpha), s[1], s[2]);
      if (v > best) {
        best = v;
        if (v >= beta) return v;
      }
    }
  }
  if (best > -65) return best;
  if (!LegalMoves(opponent, player)) return Final(player, opponent);
  return -Solve3(opponent, player, -beta, -alpha, a, b, c);
}

int TSearch::Solve4(TBits player, TBits opponent, int alpha, int beta, TBits empty) {
  ++nodes_;
  if (int top; StabilityCut(player, opponent, alpha, top)) return top;
  // Squares alone in their region first.
  int order[4], n = 0;
  const TBits odd = OddRegions(empty);
  for (TBits group : {empty & odd, empty & ~odd})
    for (; group; group &= group - 1) order[n++] = FirstSquare(group);
  const int rest[4][3] = {{order[1], order[2], order[3]},
                          {order[0], order[2], order[3]},
                          {order[0], order[1], order[3]},
                          {order[0], order[1], order[2]}};
  int best = -65;
  for (int i = 0; i < 4; ++i) {
    if (const TBits flips = FlipsNear(order[i], player, opponent)) {
      const int v = -Solve3(opponent ^ flips, player | flips | Bit(order[i]), -beta, -(best > alpha ? best : alpha),
                            rest[i][0], rest[i][1], rest[i][2]);
      if (v > best) {
        best = v;
        if (v >= beta) return v;
      }
    }
  }
  if (best > -65) return best;
  if (!LegalMoves(opponent, player)) return Final(player, opponent);
  return -Solve4(opponent, player, -beta, -alpha, empty);
}

int TSearch::SearchShallow(TBits player, TBits opponent, int alpha, int beta, int empties) {
  const TBits empty = ~(player | opponent);
  switch (empties) {
    case 0:
      return Final(player, opponent);
    case 1:
      return Solve1(player, FirstSquare(empty));
    case 2: {
      const int a = FirstSquare(empty);
      return Solve2(player, opponent, alpha, beta, a, FirstSquare(empty & (empty - 1)));
    }
    case 3: {
      const int a = FirstSquare(empty);
      const TBits rest = empty & (empty - 1);
      return Solve3(player, opponent, alpha, beta, a, FirstSquare(rest), FirstSquare(rest & (rest - 1)));
    }
    case 4:
      return Solve4(player, opponent, alpha, beta, empty);
    default:
      break;
  }
  ++nodes_;
  // The bound holds whoever moves next, so it goes before the moves.
  if (int top; StabilityCut(player, opponent, alpha, top)) return top;
  const TBits moves = LegalMoves(player, opponent);
  if (!moves) {
    if (!LegalMoves(opponent, player)) return Final(player, opponent);
    return -SearchShallow(opponent, player, -beta, -alpha, empties);
  }
  const TBits odd = OddRegions(empty);
  int best = -65;
  // Corners first and the squares next to corners last, within each.
  constexpr TBits kNearCorners = 0x42C300000000C342ull;
  const TBits plain = ~(kCorners | kNearCorners);
  for (TBits group : {moves & odd & kCorners, moves & odd & plain, moves & odd & kNearCorners, moves & ~odd & kCorners,
                      moves & ~odd & plain, moves & ~odd & kNearCorners}) {
    for (; group; group &= group - 1) {
      const int sq = FirstSquare(group);
      const TBits flips = Flips(sq, player, opponent);
      const TBits next = player | flips | Bit(sq), other = opponent ^ flips;
      const int a = best > alpha ? best : alpha;
      const int v = empties == 5 ? -Solve4(other, next, -beta, -a, empty ^ Bit(sq))
                                 : -SearchShallow(other, next, -beta, -a, empties - 1);
      if (v > best) {
        best = v;
        if (v >= beta) return v;
      }
    }
  }
  return best;
}

}  // namespace VZ_SOLVER_ISA
}  // namespace reversi::analysis
