// Board bookkeeping and move rules, checked against hand-worked positions
// and against the slow reference walk on random games.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "MoveGen.h"
#include "Reference.h"
#include "ReversiCore.h"

using namespace reversi;

namespace {

std::vector<int> ListOf(const TBoard& b, int colour) {
  std::vector<int> squares;
  for (const TSqr* n = b.ListHead(colour); n; n = n->Next) squares.push_back(n->Square);
  return squares;
}

// Empties the board so that a test can lay out its own position.
void Clear(TBoard& b) {
  for (int sq = 10; sq <= 80; ++sq)
    if (IsPlayingSquare(sq) && b.Cell(sq) != 0) b.RemoveDisc(sq);
}

}  // namespace

TEST(Board, InitialPosition) {
  TBoard b;
  EXPECT_EQ(ListOf(b, kBlack), (std::vector<int>{41, 49}));  // E4, D5
  EXPECT_EQ(ListOf(b, kWhite), (std::vector<int>{50, 40}));  // E5, D4
  EXPECT_EQ(b.SideToMove, kBlack);
  EXPECT_EQ(b.QuadrantEmpties, (std::array<int32_t, 5>{0, 15, 15, 15, 15}));
  EXPECT_EQ(b.RimEmpties, (std::array<int32_t, 5>{0, 8, 6, 6, 8}));
  std::vector<int> black, white;
  for (int sq = 0; sq < kCells; ++sq) {
    if (b.IsLegalFor(kBlack, sq)) black.push_back(sq);
    if (b.IsLegalFor(kWhite, sq)) white.push_back(sq);
  }
  EXPECT_EQ(black, (std::vector<int>{31, 39, 51, 59}));  // D3 C4 F5 E6
  EXPECT_EQ(white, (std::vector<int>{32, 42, 48, 58}));  // E3 F4 C5 D6
  EXPECT_EQ(b.FlipPotential(kBlack), 4);
  EXPECT_EQ(b.FlipPotential(kWhite), 4);
  EXPECT_EQ(b.CheckConsistency(), "");
}

TEST(Board, SquareNames) {
  EXPECT_EQ(SquareName(10), "A1");
  EXPECT_EQ(SquareName(17), "H1");
  EXPECT_EQ(SquareName(19), "A2");
  EXPECT_EQ(SquareName(80), "H8");
  EXPECT_EQ(SquareName(0), "  ");
  EXPECT_EQ(SquareName(18), "  ");
  EXPECT_EQ(SquareName(81), "  ");
  EXPECT_EQ(SquareName(82), "");
  EXPECT_EQ(SquareName(90), "");
  EXPECT_EQ(SquareName(91), "--");
}

TEST(Board, MoveClosingSeveralLinesFlipsFarToNear) {
  TBoard b;
  Clear(b);
  // White runs A2-A3 (towards black A4) and B1-C1 (towards black D1), both
  // closed by a black move on A1.
  b.PlaceDisc(kBlack, SquareOf(3, 0));  // A4
  b.PlaceDisc(kBlack, SquareOf(0, 3));  // D1
  b.PlaceDisc(kWhite, SquareOf(1, 0));  // A2
  b.PlaceDisc(kWhite, SquareOf(2, 0));  // A3
  b.PlaceDisc(kWhite, SquareOf(0, 1));  // B1
  b.PlaceDisc(kWhite, SquareOf(0, 2));  // C1
  ASSERT_TRUE(b.IsLegalFor(kBlack, 10));
  EXPECT_EQ(reference::Flips(b, kBlack, 10).size(), 4u);
  b.ApplyMove(kBlack, 10);
  EXPECT_EQ(b.Discs(kBlack), 7);
  EXPECT_EQ(b.Discs(kWhite), 0);
  // Directions +1 (B1, C1) then +9 (A2, A3), each run flipped far to near:
  // C1, B1, A3, A2; the last flipped stands at the head.
  EXPECT_EQ(ListOf(b, kBlack), (std::vector<int>{19, 28, 11, 12, 10, 13, 37}));
  EXPECT_EQ(b.FlipPotential(kWhite), 0);
  EXPECT_EQ(b.CheckConsistency(), "");
}

TEST(Board, EdgesAndIllegalSquares) {
  TBoard b;
  EXPECT_FALSE(b.IsLegal(40));  // occupied
  EXPECT_FALSE(b.IsLegal(0));   // border
  EXPECT_FALSE(b.IsLegal(18));
  EXPECT_FALSE(b.IsLegal(-5));
  EXPECT_FALSE(b.IsLegal(1000));
  std::array<uint8_t, kCells> marks{};
  marks[40] = 1;
  EXPECT_FALSE(b.MarkFlips(10, marks));
  EXPECT_TRUE(std::all_of(marks.begin(), marks.end(), [](uint8_t f) { return f == 0; }));
  EXPECT_TRUE(b.MarkFlips(31, marks));  // D3 flips D4 only
  for (int sq = 0; sq < kCells; ++sq) EXPECT_EQ(marks[sq], sq == 40 ? 1 : 0) << sq;
}

TEST(Board, WipeOutEndsTheGame) {
  TBoard b;
  Clear(b);
  b.PlaceDisc(kBlack, 40);
  EXPECT_EQ(b.FlipPotential(kBlack), 0);
  EXPECT_EQ(b.FlipPotential(kWhite), 0);
}

TEST(Board, DoubleFlipRestoresCountsButNotListOrder) {
  TBoard b;
  b.FlipDisc(49);  // D5 turns white
  b.FlipDisc(49);  // and back
  EXPECT_EQ(b.Cell(49), kBlack);
  EXPECT_EQ(b.Discs(kBlack), 2);
  EXPECT_EQ(ListOf(b, kBlack), (std::vector<int>{49, 41}));
  EXPECT_EQ(b.CheckConsistency(), "");
}

TEST(Board, FullBoardCounters) {
  TBoard b;
  for (int sq = 10; sq <= 80; ++sq)
    if (IsPlayingSquare(sq) && b.Cell(sq) == 0) b.PlaceDisc(sq % 2 ? kBlack : kWhite, sq);
  EXPECT_EQ(b.Discs(kBlack) + b.Discs(kWhite), 64);
  for (int q = 1; q <= 4; ++q) EXPECT_EQ(b.QuadrantEmpties[q], 0);
  for (int r = 1; r <= 4; ++r) EXPECT_EQ(b.RimEmpties[r], 0);
  EXPECT_EQ(b.FlipPotential(kBlack), 0);
  EXPECT_EQ(b.FlipPotential(kWhite), 0);
  EXPECT_EQ(b.CheckConsistency(), "");
}

// Every move of many random games: legality, flips and the pass rule agree
// with the slow walk, and the bookkeeping with the cells.
TEST(Board, RandomGamesAgreeWithSlowWalk) {
  std::mt19937 rng(12345);
  for (int game = 0; game < 300; ++game) {
    TBoard b;
    for (;;) {
      const int s = b.SideToMove;
      const auto moves = reference::LegalMoves(b, s);
      for (int sq = 0; sq < kCells; ++sq) {
        const bool legal = std::find(moves.begin(), moves.end(), sq) != moves.end();
        ASSERT_EQ(b.IsLegalFor(s, sq), legal) << "square " << sq;
        if (legal) {
          std::array<uint8_t, kCells> marks{};
          ASSERT_TRUE(b.MarkFlips(sq, marks));
          auto flips = reference::Flips(b, s, sq);
          for (int f : flips) ASSERT_EQ(marks[f], 1);
          ASSERT_EQ(static_cast<size_t>(std::count(marks.begin(), marks.end(), 1)), flips.size());
        }
      }
      ASSERT_EQ(b.FlipPotential(s) > 0, !moves.empty());
      if (moves.empty()) break;
      const int sq = moves[rng() % moves.size()];
      const auto flips = reference::Flips(b, s, sq);
      b.ApplyMove(s, sq);
      for (int f : flips) ASSERT_EQ(b.Cell(f), s);
      ASSERT_EQ(b.CheckConsistency(), "");
      if (b.FlipPotential(-s) > 0) b.SideToMove = -s;
    }
  }
}

TEST(Perft, MatchesPublishedCounts) {
  TReversiCore e;
  const int64_t expected[] = {1, 4, 12, 56, 244, 1396, 8200, 55092, 390216, 3005288};
  for (int d = 0; d <= 9; ++d) EXPECT_EQ(e.Search().Perft(d), expected[d]) << "depth " << d;
  EXPECT_EQ(e.CheckConsistency(), "");
}

TEST(Board, NotingAMadeAndUnmadeMoveLeavesWhatMakingAndUnmakingLeaves) {
  std::mt19937 rng(11);
  for (int game = 0; game < 100; ++game) {
    TBoard made, noted, batch;
    std::mt19937 same = rng;
    std::mt19937 again = rng;
    reference::RandomGame(made, rng, 4 + game % 50);
    reference::RandomGame(noted, same, 4 + game % 50);
    reference::RandomGame(batch, again, 4 + game % 50);
    const int s = game % 2 ? kBlack : kWhite;
    const auto legal = reference::LegalMoves(made, s);
    if (legal.empty()) continue;
    // Near the clock's end too, where the times are renumbered.
    if (game % 3 == 0) {
      for (TBoard* b : {&made, &noted, &batch}) b->AdvanceClock(TBoard::kLastTick + 1 - 4 - game % 5 - 3 * (game % 4));
    }
    std::vector<int32_t> squares;
    std::vector<uint64_t> turned;
    for (int q : legal) {
      const int b = kBitIndex[q];
      const uint64_t flips = movegen::FlipMask(made.BitsOf(s), made.BitsOf(-s), b);
      made.PlaceDisc(s, q);
      made.FlipDiscs(flips, movegen::kTurnOrder[b]);
      made.RemoveDisc(q);
      made.FlipDiscs(flips, movegen::kTurnOrder[b]);
      noted.NoteMadeAndUnmade(q, flips, movegen::kTurnOrder[b]);
      ASSERT_EQ(noted.HeadTimes(), made.HeadTimes()) << "game " << game;
      squares.push_back(q);
      turned.push_back(flips);
    }
    batch.NoteMovesMadeAndUnmade(squares.data(), turned.data(), static_cast<int>(squares.size()), movegen::kTurnOrder);
    ASSERT_EQ(batch.HeadTimes(), made.HeadTimes()) << "game " << game;
    EXPECT_EQ(ListOf(noted, kBlack), ListOf(made, kBlack));
    EXPECT_EQ(ListOf(noted, kWhite), ListOf(made, kWhite));
    EXPECT_EQ(noted.Cells, made.Cells);
    EXPECT_EQ(noted.CheckConsistency(), "");
  }
}
