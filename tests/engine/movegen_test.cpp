// The bit-board move finder, flips, disc lists and sort against slow walks
// that follow the rules cell by cell and step by step, on random positions
// whose disc lists have been reordered by made and unmade moves.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "RankSort.h"
#include "Reference.h"
#include "ReversiCore.h"
#include "SearchProbe.h"

using namespace reversi;

namespace {

// Makes and unmakes a few random moves as a search does: the position comes
// back, the list order does not.
void Stir(TSearchProbe& e, std::mt19937& rng) {
  for (int k = 0; k < 3; ++k) {
    const int s = rng() % 2 ? kBlack : kWhite;
    const int n = e.FindMoves(10, s, 0);
    if (n == 0) continue;
    const int i = static_cast<int>(rng() % n);
    e.MakeMove(10, i, s);
    if (const int m = e.FindMoves(11, -s, 0); m > 0) {
      const int j = static_cast<int>(rng() % m);
      e.MakeMove(11, j, -s);
      e.UnmakeMove(11, j);
    }
    e.UnmakeMove(10, i);
  }
}

// Every build of the move finder that this processor runs.
std::vector<movegen::TMovesInWalkOrder> FinderBuilds() {
  std::vector<movegen::TMovesInWalkOrder> builds = {&movegen::MovesInWalkOrderPortable};
#if defined(__x86_64__) && defined(__GNUC__)
  if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi2") && __builtin_cpu_supports("popcnt"))
    builds.push_back(&movegen::MovesInWalkOrderWide);
#endif
  return builds;
}

}  // namespace

TEST(MoveGen, FindMovesAndFlipsFollowTheListWalk) {
  std::mt19937 rng(99);
  for (int round = 0; round < 300; ++round) {
    TReversiCore game;
    reference::RandomGame(game, rng, 1 + static_cast<int>(rng() % 60));
    // Now and then with the head times near their limit (a game's clock is
    // far below 1000 ticks).
    if (round % 20 == 0) game.AdvanceClock(TBoard::kLastTick - 1000);
    TSearchProbe e(game);
    Stir(e, rng);
    for (int colour : {kBlack, kWhite}) {
      std::vector<int> expected = reference::WalkMoves(game, colour);
      const int suggestion = rng() % 2 ? 0 : 10 + static_cast<int>(rng() % 71);  // legal, illegal or border
      const auto found = std::find(expected.begin(), expected.end(), suggestion);
      const bool first = suggestion > 0 && found != expected.end();
      if (first) {
        expected.erase(found);
        expected.insert(expected.begin(), suggestion);
      }
      const int n = e.FindMoves(0, colour, suggestion);
      ASSERT_EQ(e.Moves(0, n), expected);
      for (const auto build : FinderBuilds()) {
        std::array<int32_t, 64> out{};
        uint64_t set = 0;
        const int firstBit = IsPlayingSquare(suggestion) ? kBitIndex[suggestion] : -1;
        const int m = build(game.HeadTimes(), game.BitsOf(colour), game.BitsOf(-colour), firstBit, out.data(), set);
        ASSERT_EQ(std::vector<int>(out.begin(), out.begin() + m), expected);
      }
      EXPECT_EQ(e.SuggestionFirst(), first);
      int safe = 0;
      std::array<int, 5> quadrants{};
      for (int m : expected) {
        safe += kSafeSquare[m];
        quadrants[kQuadrant[m]] += 1;
      }
      EXPECT_EQ(e.SafeMoves(), safe);
      for (int q = 1; q <= 4; ++q) EXPECT_EQ(e.QuadrantMovesOf(colour, q), quadrants[q]);

      for (int i = 0; i < n; ++i) {
        const auto turned = reference::TurningOrder(game, colour, e.Move(0, i));
        uint64_t turnedMask = 0;
        for (int sq : turned) turnedMask |= uint64_t{1} << kBitIndex[sq];
        const uint64_t own = game.BitsOf(colour), opp = game.BitsOf(-colour);
        const int b = kBitIndex[e.Move(0, i)];
        ASSERT_EQ(movegen::FlipMaskPortable(own, opp, b), turnedMask);
#if defined(__x86_64__) && defined(__GNUC__)
        if (__builtin_cpu_supports("avx2")) {
          ASSERT_EQ(movegen::FlipMaskWide(own, opp, b), turnedMask);
        }
#endif
        e.MakeMove(0, i, colour);
        ASSERT_EQ(e.Flips(0, i), turned) << "move " << SquareName(e.Move(0, i));
        e.UnmakeMove(0, i);
        ASSERT_EQ(game.CheckConsistency(), "");
      }
    }
  }
}

// The lists as read against lists kept the plain way, through every primitive.
TEST(MoveGen, DiscListsFollowEveryPrimitive) {
  std::mt19937 rng(5);
  TBoard b;
  std::array<std::vector<int>, 2> lists = {{{50, 40}, {41, 49}}};  // white, black; head first
  auto list = [&](int colour) -> std::vector<int>& { return lists[colour > 0 ? 1 : 0]; };
  auto drop = [&](int colour, int sq) { list(colour).erase(std::find(list(colour).begin(), list(colour).end(), sq)); };
  auto toHead = [&](int colour, int sq) { list(colour).insert(list(colour).begin(), sq); };
  for (int step = 0; step < 5000; ++step) {
    if (step == 2500) b.AdvanceClock(TBoard::kLastTick + 1 - 40);  // the times are renumbered on the way
    const int sq = SquareOf(static_cast<int>(rng() % 8), static_cast<int>(rng() % 8));
    const int c = b.Cell(sq);
    if (c == 0) {
      const int colour = rng() % 2 ? kBlack : kWhite;
      b.PlaceDisc(colour, sq);
      toHead(colour, sq);
    } else if (rng() % 3 == 0) {
      b.RemoveDisc(sq);
      drop(c, sq);
    } else if (rng() % 2) {
      b.FlipDisc(sq);
      drop(c, sq);
      toHead(-c, sq);
    } else {
      std::vector<int32_t> several;
      for (int disc : list(c))
        if (disc == sq || rng() % 3 == 0) several.push_back(disc);
      std::shuffle(several.begin(), several.end(), rng);
      uint64_t discs = 0;
      std::array<uint8_t, 64> turnOrder{};
      for (size_t k = 0; k < several.size(); ++k) {
        drop(c, several[k]);
        toHead(-c, several[k]);
        discs |= uint64_t{1} << kBitIndex[several[k]];
        turnOrder[kBitIndex[several[k]]] = static_cast<uint8_t>(k);
      }
      b.FlipDiscs(discs, turnOrder);
    }
    if (step % 7 != 0) continue;
    for (int colour : {kBlack, kWhite}) {
      std::vector<int> walked;
      for (const TSqr* n = b.ListHead(colour); n; n = n->Next) walked.push_back(n->Square);
      ASSERT_EQ(walked, list(colour)) << "step " << step;
    }
    ASSERT_EQ(b.CheckConsistency(), "");
  }
}

// Rows without equal scores may be sorted any way; rows with ties must come
// out exactly as the step-by-step quicksort leaves them.
TEST(MoveGen, SortsGiveTheQuicksortOrder) {
  std::mt19937 rng(3);
  TReversiCore game;
  TSearchProbe e(game);
  for (int t = 0; t < 20000; ++t) {
    const int n = 1 + static_cast<int>(rng() % 24);
    const int spread = rng() % 2 ? 1000000 : 1 + static_cast<int>(rng() % 8);
    std::vector<int> score(n), move(n);
    for (int i = 0; i < n; ++i) {
      score[i] = static_cast<int>(rng() % spread) - spread / 2;
      move[i] = 10 + i;
    }
    auto s = score, m = move;
    const bool distinct = SortDistinctDescending(s.data(), m.data(), n);
    ASSERT_EQ(distinct, std::set<int>(score.begin(), score.end()).size() == score.size());
    if (!distinct) {
      ASSERT_TRUE(s == score && m == move);  // left alone
    }
#if defined(__x86_64__) && defined(__GNUC__)
    if (__builtin_cpu_supports("avx2")) {
      auto wideScore = score, wideMove = move;
      ASSERT_EQ(SortDistinctWide(wideScore.data(), wideMove.data(), n), distinct);
      ASSERT_TRUE(wideScore == s && wideMove == m);
    }
#endif

    e.SetRow(3, move, score);
    const int lo = static_cast<int>(rng() % n);
    e.SortByScore(3, lo, n - 1);
    reference::QuickSort(score, move, lo, n - 1);
    ASSERT_EQ(e.Moves(3, n), move);
    if (distinct && lo == 0) {
      ASSERT_TRUE(s == score && m == move);
    }
  }
}
