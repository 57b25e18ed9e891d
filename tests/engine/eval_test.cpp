// The evaluation and the move finder: hand-worked values, and the fast
// evaluation against the term-by-term reference on many random positions.
#include <gtest/gtest.h>

#include <random>

#include "EvalBuilds.h"
#include "MoveGen.h"
#include "Reference.h"
#include "ReversiCore.h"
#include "SearchProbe.h"

using namespace reversi;

namespace {

void Clear(TBoard& b) {
  for (int sq = 10; sq <= 80; ++sq)
    if (IsPlayingSquare(sq) && b.Cell(sq) != 0) b.RemoveDisc(sq);
}

}  // namespace

TEST(FindMoves, InitialPositionAndOrder) {
  TReversiCore e;
  // Black's list is E4, D5, walked in that order, each disc in the direction
  // order +1, -1, +8, -8, +9, -9, +10, -10: E4 finds C4 (-1) and E6 (+9),
  // D5 finds F5 (+1) and D3 (-9).
  TSearchProbe probe(e);
  ASSERT_EQ(probe.FindMoves(0, kBlack, 0), 4);
  EXPECT_EQ(probe.Moves(0, 4), (std::vector<int>{39, 59, 51, 31}));
  EXPECT_EQ(probe.SafeMoves(), 4);
  EXPECT_EQ(probe.QuadrantMovesOf(kBlack, 1), 2);
  EXPECT_EQ(probe.QuadrantMovesOf(kBlack, 4), 2);
  EXPECT_FALSE(probe.SuggestionFirst());
}

TEST(FindMoves, SuggestionStandsOnceInFront) {
  TReversiCore e;
  TSearchProbe probe(e);
  ASSERT_EQ(probe.FindMoves(0, kBlack, 59), 4);
  EXPECT_TRUE(probe.SuggestionFirst());
  EXPECT_EQ(probe.Moves(0, 4), (std::vector<int>{59, 39, 51, 31}));
  ASSERT_EQ(probe.FindMoves(0, kBlack, 10), 4);  // an illegal suggestion is dropped
  EXPECT_FALSE(probe.SuggestionFirst());
}

TEST(FindMoves, NoDuplicatesWhenSeveralDiscsReachASquare) {
  std::mt19937 rng(7);
  for (int game = 0; game < 200; ++game) {
    TReversiCore e;
    reference::RandomGame(e, rng, 10 + game % 40);
    for (int colour : {kBlack, kWhite}) {
      const int n = TSearchProbe(e).FindMoves(0, colour, 0);
      std::vector<int> found = TSearchProbe(e).Moves(0, n);
      std::sort(found.begin(), found.end());
      ASSERT_EQ(found, reference::LegalMoves(e, colour));
    }
  }
}

TEST(Evaluate, InitialPositionIsTwentyForBoth) {
  TReversiCore e;
  EXPECT_EQ(e.Evaluate(0, kBlack), 20);
  EXPECT_EQ(e.Evaluate(0, kWhite), 20);
  EXPECT_EQ(e.CheckConsistency(), "");
}

TEST(Evaluate, FinishedGames) {
  TReversiCore e;
  Clear(e);
  for (int k = 0; k < 40; ++k) e.PlaceDisc(kBlack, 10 + k + k / 8);
  for (int k = 40; k < 64; ++k) e.PlaceDisc(kWhite, 10 + k + k / 8);
  ASSERT_EQ(e.Discs(kBlack), 40);
  EXPECT_EQ(e.Evaluate(0, kBlack), 22016);
  EXPECT_EQ(e.Evaluate(0, kWhite), -22016);
  EXPECT_EQ(TReversiCore::ScaleScore(22016).Score, 16.0);
  EXPECT_TRUE(TReversiCore::ScaleScore(-22016).Final);

  Clear(e);
  e.PlaceDisc(kBlack, 10);
  e.PlaceDisc(kWhite, 80);  // no move for either: a draw on a nearly empty board
  EXPECT_EQ(e.Evaluate(0, kBlack), 0);
}

TEST(Evaluate, OneSideWithoutMovesIsNotFinished) {
  TReversiCore e;
  Clear(e);
  e.PlaceDisc(kBlack, 10);
  e.PlaceDisc(kWhite, 11);
  // Black can play C1; white has nothing. Not finished, so not 22000-ish.
  const int v = e.Evaluate(0, kBlack);
  EXPECT_LT(std::abs(v), 22000);
  EXPECT_EQ(v, reference::Evaluate(e, kBlack));
}

TEST(Evaluate, XAndCSquaresCountOnlyBesideEmptyCorners) {
  TReversiCore e;
  e.PlaceDisc(kBlack, 20);  // B2, an X-square, A1 empty
  e.PlaceDisc(kBlack, 11);  // B1, a C-square
  const int withCornerEmpty = e.Evaluate(0, kBlack);
  EXPECT_EQ(withCornerEmpty, reference::Evaluate(e, kBlack));
  e.PlaceDisc(kWhite, 10);  // A1 taken: B2 and B1 stop counting
  EXPECT_EQ(e.Evaluate(0, kBlack), reference::Evaluate(e, kBlack));
}

TEST(Evaluate, AgreesWithReferenceOnRandomPositions) {
  std::mt19937 rng(2024);
  int compared = 0;
  for (int game = 0; game < 400; ++game) {
    TReversiCore e;
    const int plies = 1 + static_cast<int>(rng() % 62);
    reference::RandomGame(e, rng, plies);
    for (int colour : {kBlack, kWhite}) {
      ASSERT_EQ(e.Evaluate(0, colour), reference::Evaluate(e, colour)) << "game " << game << " colour " << colour;
      ++compared;
    }
    ASSERT_EQ(e.CheckConsistency(), "");
  }
  EXPECT_EQ(compared, 800);
}

// The builds for other processors run here too (the baseline at least), and
// each must give the same values, of positions and of children valued from
// their moves' flips, as the one the game uses.
TEST(Evaluate, EveryBuildGivesTheSameValues) {
  std::mt19937 rng(77);
  const int builds = evaluation_builds::Count();
  ASSERT_GE(builds, 1);
  for (int game = 0; game < 300; ++game) {
    TReversiCore e;
    reference::RandomGame(e, rng, 1 + static_cast<int>(rng() % 60));
    for (int colour : {kBlack, kWhite}) {
      const uint64_t own = e.BitsOf(colour), opp = e.BitsOf(-colour);
      const std::vector<int> legal = reference::LegalMoves(e, colour);
      const int n = static_cast<int>(legal.size());
      for (int b = 0; b < builds; ++b) {
        ASSERT_EQ(evaluation_builds::Static(b, own, opp), e.Evaluate(0, colour)) << "build " << b << " game " << game;
        std::vector<int32_t> scores(n + 1), moves(legal.begin(), legal.end());
        std::vector<uint64_t> flips(n + 1);
        evaluation_builds::Children(b, own, opp, moves.data(), n, scores.data(), flips.data());
        for (int i = 0; i < n; ++i) {
          const int bit = kBitIndex[legal[i]];
          const uint64_t f = movegen::FlipMaskPortable(own, opp, bit);
          ASSERT_EQ(flips[i], f);
          const uint64_t mover = own | f | uint64_t{1} << bit;
          ASSERT_EQ(scores[i], -evaluation_builds::Static(0, opp & ~f, mover)) << "build " << b << " move " << legal[i];
        }
      }
    }
  }
}
