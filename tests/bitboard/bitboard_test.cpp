// The bitboard library's builds against each other and against a plain walk
// along the eight directions, on random boards (not only reachable ones):
// the entries picked at run time must answer as the portable copies do.
#include "Bitboard.h"

#include <gtest/gtest.h>

#include <random>

#include "Builds.h"

using namespace reversi::bits;

namespace {

// The rules read straight off the board, one square and direction at a time.
TBits SlowFlips(int square, TBits player, TBits opponent) {
  TBits flips = 0;
  for (int dr = -1; dr <= 1; ++dr)
    for (int dc = -1; dc <= 1; ++dc) {
      if (!dr && !dc) continue;
      TBits run = 0;
      int r = square / 8 + dr, c = square % 8 + dc;
      for (; r >= 0 && r < 8 && c >= 0 && c < 8 && (opponent & Bit(8 * r + c)); r += dr, c += dc) run |= Bit(8 * r + c);
      if (r >= 0 && r < 8 && c >= 0 && c < 8 && (player & Bit(8 * r + c))) flips |= run;
    }
  return flips;
}

struct TBoardPair {
  TBits Player, Opponent;
};

// Boards from nearly empty to nearly full.
TBoardPair RandomBoard(std::mt19937_64& rng, int round) {
  TBits filled = ~TBits{0};
  for (int k = 0; k < 1 + round % 4; ++k) filled &= rng();
  const TBits player = filled & rng();
  return {player, filled & ~player};
}

bool HasWide() {
#ifdef VZ_BITS_WIDE_TESTED
  return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") && __builtin_cpu_supports("bmi2") &&
         __builtin_cpu_supports("popcnt");
#else
  return false;
#endif
}

TEST(Bitboard, EveryBuildAgreesWithTheRules) {
  std::mt19937_64 rng(29);
  std::vector<const TBuild*> builds{&base::kBuild};
  if (HasWide()) builds.push_back(&wide::kBuild);
  for (int round = 0; round < 3000; ++round) {
    const auto [p, o] = RandomBoard(rng, round);
    TBits moves = 0;
    for (TBits empty = ~(p | o); empty; empty &= empty - 1) {
      const int sq = FirstSquare(empty);
      const TBits flips = SlowFlips(sq, p, o);
      if (flips) moves |= Bit(sq);
      ASSERT_EQ(Flips(sq, p, o), flips) << round << " " << sq;
      for (const TBuild* build : builds) ASSERT_EQ(build->Flips(sq, p, o), flips) << round << " " << sq;
    }
    ASSERT_EQ(LegalMoves(p, o), moves) << round;
    for (const TBuild* build : builds) {
      ASSERT_EQ(build->LegalMoves(p, o), moves) << round;
      ASSERT_EQ(build->StableDiscs(p, o), base::kBuild.StableDiscs(p, o)) << round;
    }
    ASSERT_EQ(StableDiscs(p, o), base::kBuild.StableDiscs(p, o)) << round;
  }
}

// The discs that can never turn, read straight off the board: a disc stays
// while each of its four lines is full or, on one side, ends at the edge or
// at a disc that stays; grown until nothing changes.
TBits SlowStableDiscs(TBits player, TBits opponent) {
  const TBits empty = ~(player | opponent);
  const auto inside = [](int r, int c) { return r >= 0 && r < 8 && c >= 0 && c < 8; };
  const int directions[4][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};
  TBits stable = 0;
  for (bool grown = true; grown;) {
    grown = false;
    for (TBits rest = player & ~stable; rest; rest &= rest - 1) {
      const int sq = FirstSquare(rest);
      bool stays = true;
      for (const auto& [dr, dc] : directions) {
        bool full = true, anchored = false;
        for (int side : {-1, 1}) {
          int r = sq / 8 + side * dr, c = sq % 8 + side * dc;
          if (!inside(r, c) || (stable & Bit(8 * r + c))) anchored = true;
          for (; inside(r, c); r += side * dr, c += side * dc) full &= !(empty & Bit(8 * r + c));
        }
        stays &= full || anchored;
      }
      if (stays) stable |= Bit(sq), grown = true;
    }
  }
  return stable;
}

TEST(Bitboard, StableDiscsAsReadOffTheBoard) {
  std::mt19937_64 rng(29);
  for (int round = 0; round < 3000; ++round) {
    // Mostly full boards, where lines are full and discs stay.
    TBits empty = ~TBits{0};
    for (int k = 0; k < 1 + round % 5; ++k) empty &= rng();
    const TBits p = ~empty & rng(), o = ~empty & ~p;
    ASSERT_EQ(base::kBuild.StableDiscs(p, o), SlowStableDiscs(p, o)) << round;
  }
}

// On a full board every disc is stable; at the start none is; a lone corner
// is.
TEST(Bitboard, StableDiscsAtTheExtremes) {
  const TBits player = 0x00000000FFFFFFFFull;
  EXPECT_EQ(StableDiscs(player, ~player), player);
  EXPECT_EQ(StableDiscs(0x0000000810000000ull, 0x0000001008000000ull), 0u);
  EXPECT_EQ(StableDiscs(Bit(0), 0), Bit(0));
}

}  // namespace
