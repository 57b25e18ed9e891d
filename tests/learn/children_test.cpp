// Positions off the games: each a legal move away from the game, scored as
// the solver scores it, and the same after a stop anywhere in the file.
#include "Children.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "Bitboard.h"
#include "Solver.h"

namespace {

namespace bb = reversi::bits;
using reversi::learn::TBits;
using reversi::learn::TChild;
using reversi::learn::TGame;

std::vector<TGame> RandomGames(int count, unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<TGame> games(count);
  for (TGame& game : games) {
    reversi::learn::TPosition pos{0x0000000810000000ull, 0x0000001008000000ull, true};
    for (int passes = 0; passes < 2;) {
      TBits moves = bb::LegalMoves(pos.Player, pos.Opponent);
      if (!moves) {
        ++passes;
        pos = {pos.Opponent, pos.Player, !pos.BlackToMove};
        continue;
      }
      passes = 0;
      game.Positions.push_back(pos);
      std::vector<int> list;
      for (; moves; moves &= moves - 1) list.push_back(bb::FirstSquare(moves));
      const int sq = list[rng() % list.size()];
      const TBits f = bb::Flips(sq, pos.Player, pos.Opponent);
      pos = {pos.Opponent & ~f, pos.Player | f | bb::Bit(sq), !pos.BlackToMove};
    }
  }
  return games;
}

bool Same(const std::vector<std::vector<TChild>>& a, const std::vector<std::vector<TChild>>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t g = 0; g < a.size(); ++g) {
    if (a[g].size() != b[g].size()) return false;
    for (std::size_t i = 0; i < a[g].size(); ++i)
      if (a[g][i].Player != b[g][i].Player || a[g][i].Opponent != b[g][i].Opponent || a[g][i].Score != b[g][i].Score)
        return false;
  }
  return true;
}

TEST(LearnChildren, OneLegalMoveOffTheGameScoredExactlyAndResumedAfterAStop) {
  const std::vector<TGame> games = RandomGames(12, 4);
  const std::string path = ::testing::TempDir() + "children-" + std::to_string(getpid()) + ".bin";
  const auto first = reversi::learn::SolveChildren(games, 10, path, 2, games.size());
  reversi::analysis::TSolver solver;
  std::size_t count = 0;
  for (std::size_t g = 0; g < games.size(); ++g)
    for (const TChild& c : first[g]) {
      ++count;
      EXPECT_EQ(64 - bb::Count(c.Player | c.Opponent), 10);
      EXPECT_EQ(c.Score, solver.Solve({c.Player, c.Opponent}).Score);
      EXPECT_NE(bb::LegalMoves(c.Player, c.Opponent), 0u);
    }
  EXPECT_GT(count, 12u);

  EXPECT_TRUE(Same(reversi::learn::SolveChildren(games, 10, path, 1, 0), first)) << "read back";
  // A stop in the middle of a record: the sound part is kept, the rest solved.
  std::filesystem::resize_file(path, std::filesystem::file_size(path) - 20);
  EXPECT_TRUE(Same(reversi::learn::SolveChildren(games, 10, path, 1, games.size()), first)) << "resumed";
  // A checkpoint of other games starts over.
  const auto fewer = reversi::learn::SolveChildren({games.begin(), games.begin() + 3}, 10, path, 1, 3);
  EXPECT_TRUE(Same(fewer, {first.begin(), first.begin() + 3}));
  unlink(path.c_str());
}

}  // namespace
