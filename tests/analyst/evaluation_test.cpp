#include "Evaluation.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "Bitboard.h"

namespace {

using reversi::analyst::TBits;
using reversi::analyst::TEvaluation;
namespace bb = reversi::bits;

struct TPos {
  TBits Player, Opponent;
};

// Positions of random games, every ply, the side to move first.
std::vector<TPos> RandomPositions(int games, unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<TPos> out;
  for (int g = 0; g < games; ++g) {
    TBits p = 0x0000000810000000ull, o = 0x0000001008000000ull;
    for (int passes = 0; passes < 2;) {
      TBits moves = bb::LegalMoves(p, o);
      if (!moves) {
        ++passes;
        std::swap(p, o);
        continue;
      }
      passes = 0;
      out.push_back({p, o});
      std::vector<int> list;
      for (; moves; moves &= moves - 1) list.push_back(bb::FirstSquare(moves));
      const int sq = list[rng() % list.size()];
      const TBits f = bb::Flips(sq, p, o);
      p |= f | bb::Bit(sq);
      o &= ~f;
      std::swap(p, o);
    }
    out.push_back({p, o});
  }
  return out;
}

TBits MirrorRows(TBits b) {
  return __builtin_bswap64(b);
}
TBits MirrorColumns(TBits b) {
  b = ((b >> 1) & 0x5555555555555555ull) | ((b & 0x5555555555555555ull) << 1);
  b = ((b >> 2) & 0x3333333333333333ull) | ((b & 0x3333333333333333ull) << 2);
  return ((b >> 4) & 0x0F0F0F0F0F0F0F0Full) | ((b & 0x0F0F0F0F0F0F0F0Full) << 4);
}
// Square (r, c) to (c, r), done square by square: independent of the
// evaluation's own bit tricks.
TBits Transpose(TBits b) {
  TBits t = 0;
  for (int sq = 0; sq < 64; ++sq)
    if (b >> sq & 1) t |= TBits{1} << (8 * (sq % 8) + sq / 8);
  return t;
}
TBits Symmetry(TBits b, int s) {
  if (s & 1) b = MirrorRows(b);
  if (s & 2) b = MirrorColumns(b);
  if (s & 4) b = Transpose(b);
  return b;
}

void ExpectSymmetricAndBounded(const TEvaluation& eval) {
  for (const TPos& pos : RandomPositions(40, 7)) {
    const int value = eval.Evaluate(pos.Player, pos.Opponent);
    EXPECT_LE(std::abs(value), reversi::analyst::kMaxValue);
    for (int s = 1; s < 8; ++s)
      ASSERT_EQ(eval.Evaluate(Symmetry(pos.Player, s), Symmetry(pos.Opponent, s)), value)
          << "symmetry " << s << " of " << std::hex << pos.Player << " " << pos.Opponent;
  }
}

TEST(AnalystEvaluation, StandInIsTheSameUnderTheBoardsSymmetries) {
  ExpectSymmetricAndBounded(*TEvaluation::StandIn());
}

}  // namespace
