// The solver with helper threads against the solver alone: the same scores
// and bounds, best moves that reach the score, stops and deadlines honoured,
// and one thread again counting the same nodes as before.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "Solver.h"

using namespace reversi::analysis;

namespace {

// Positions of the sample's games at `empties` empty squares, passes taken
// from the rules.
std::vector<TBitPosition> GamePositions(int count, int firstEmpties, int lastEmpties) {
  std::ifstream in(VZ_TEST_DATA "/games-sample.txt");
  std::vector<TBitPosition> out;
  std::string line;
  while (static_cast<int>(out.size()) < count && std::getline(in, line)) {
    const int empties = firstEmpties + static_cast<int>(out.size()) % (lastEmpties - firstEmpties + 1);
    TBits mover = Bit(28) | Bit(35), other = Bit(27) | Bit(36);
    const std::string moves = line.substr(0, line.find(' '));
    for (size_t i = 0; i + 1 < moves.size() && 64 - Count(mover | other) > empties; i += 2) {
      if (!LegalMoves(mover, other)) std::swap(mover, other);
      const int sq = (moves[i] - 'a') + 8 * (moves[i + 1] - '1');
      const TBits flips = Flips(sq, mover, other);
      if (!flips) break;
      mover |= flips | Bit(sq);
      other ^= flips;
      std::swap(mover, other);
    }
    if (64 - Count(mover | other) == empties) out.push_back({mover, other});
  }
  return out;
}

TBitPosition After(const TBitPosition& p, int square) {
  const TBits flips = Flips(square, p.Player, p.Opponent);
  return {p.Opponent ^ flips, p.Player | flips | Bit(square)};
}

// Four threads on however few cores, so that the helpers and the owner
// interleave at every split point.
TEST(ParallelSolver, SameScoresAsOneThreadAndBestMovesThatReachThem) {
  const std::vector<TBitPosition> positions = GamePositions(300, 13, 16);
  ASSERT_EQ(positions.size(), 300u);
  TSolver one(16), four(16);
  four.SetThreads(4);
  ASSERT_EQ(four.Threads(), 4);
  int64_t helped = 0;
  for (size_t i = 0; i < positions.size(); ++i) {
    const TBitPosition& p = positions[i];
    const TSolveMode mode = i % 4 == 3 ? TSolveMode::WinLossDraw : TSolveMode::Exact;
    const TSolveResult a = one.Solve(p, mode), b = four.Solve(p, mode);
    ASSERT_TRUE(b.Complete);
    EXPECT_EQ(b.Score, a.Score) << i;
    EXPECT_EQ(b.Lower, b.Score);
    EXPECT_EQ(b.Upper, b.Score);
    if (b.Best >= 0 && mode == TSolveMode::Exact) EXPECT_EQ(-one.Solve(After(p, b.Best)).Score, b.Score) << i;
    helped += b.Nodes != a.Nodes;
  }
  EXPECT_GT(helped, 0);  // the helpers did take part
}

TEST(ParallelSolver, StopsAndDeadlinesLeaveTrueBoundsAndTheSolverReusable) {
  const std::vector<TBitPosition> positions = GamePositions(2, 20, 21);
  TSolver solver(16);
  solver.SetThreads(3);
  std::atomic<bool> stop{true};
  solver.SetStopFlag(&stop);
  EXPECT_FALSE(solver.Solve(positions[0]).Complete);
  stop = false;
  const int exact = solver.Solve(positions[0]).Score;
  for (const int ms : {0, 1, 4, 16, 64}) {
    solver.ClearHash();
    solver.SetDeadline(std::chrono::steady_clock::now() + std::chrono::milliseconds(ms));
    const TSolveResult r = solver.Solve(positions[0]);
    EXPECT_LE(r.Lower, exact) << ms;
    EXPECT_GE(r.Upper, exact) << ms;
  }
  solver.SetDeadline(std::chrono::steady_clock::time_point::max());
  EXPECT_EQ(solver.Solve(positions[0]).Score, exact);
}

// Back to one thread, a solve walks the same tree as a solver that never had
// helpers: node counts stay reproducible.
TEST(ParallelSolver, OneThreadAgainCountsTheSameNodes) {
  const TBitPosition p = GamePositions(1, 18, 18)[0];
  TSolver plain(16), used(16);
  used.SetThreads(2);
  used.Solve(p);
  used.SetThreads(1);
  EXPECT_EQ(used.Threads(), 1);
  used.ClearHash();
  EXPECT_EQ(used.Solve(p).Nodes, plain.Solve(p).Nodes);
}

}  // namespace
