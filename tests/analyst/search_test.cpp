// The analyst's search against the exact solver near the end, under the
// board's symmetries, and when told to stop.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <random>
#include <thread>
#include <vector>

#include "Analyst.h"
#include "Bitboard.h"
#include "RandomGames.h"
#include "Solver.h"

namespace {

using namespace reversi;
using analyst::TAnalyst;
using namespace analyst::testing;
using analyst::TLimits;
using TClock = std::chrono::steady_clock;

TEST(AnalystSearch, FullDepthAgreesWithTheSolver) {
  std::mt19937 rng(21);
  TAnalyst analyst(Evaluation());
  analysis::TSolver solver;
  for (int k = 0; k < 24; ++k) {
    const auto pos = RandomPosition(rng, 6 + k % 7);
    const auto exact = solver.Solve(pos);
    const auto a = analyst.Analyse(pos, {.Depth = 60});
    EXPECT_EQ(a.Value, exact.Score) << k;
    EXPECT_FALSE(a.Exact) << "a depth-limited search never claims a proof";
    // The move reaches the score.
    const auto after = solver.Solve(Play(pos, a.Move));
    EXPECT_EQ(-after.Score, exact.Score) << k;
  }
}

TEST(AnalystSearch, EveryMoveValuedAtFullDepthAsTheSolverSays) {
  std::mt19937 rng(7);
  TAnalyst analyst(Evaluation());
  analysis::TSolver solver;
  for (int k = 0; k < 6; ++k) {
    const auto pos = RandomPosition(rng, 10);
    const auto values = analyst.AnalyseMoves(pos, {.Depth = 60});
    ASSERT_EQ(static_cast<int>(values.size()), analysis::Count(analysis::LegalMoves(pos.Player, pos.Opponent)));
    for (size_t i = 0; i < values.size(); ++i) {
      EXPECT_EQ(values[i].Value, -solver.Solve(Play(pos, values[i].Move)).Score) << k << " " << i;
      if (i > 0) {
        EXPECT_LE(values[i].Value, values[i - 1].Value);
      }
    }
  }
}

TEST(AnalystSearch, TimedAnalysisNearTheEndIsProved) {
  std::mt19937 rng(3);
  const auto pos = RandomPosition(rng, 14);
  TAnalyst analyst(Evaluation());
  const auto a = analyst.Analyse(pos, {.Seconds = 30});
  EXPECT_TRUE(a.Exact);
  EXPECT_EQ(a.Value, analysis::TSolver().Solve(pos).Score);
  EXPECT_EQ(a.Depth, 14);
}

TEST(AnalystSearch, TheFourFirstMovesAreWorthTheSame) {
  TAnalyst analyst(Evaluation());
  const auto values = analyst.AnalyseMoves(kStart, {.Depth = 9});
  ASSERT_EQ(values.size(), 4u);
  for (const auto& v : values) EXPECT_EQ(v.Value, values[0].Value);
  // Each opening move searched on its own, by its own analyst, from the
  // other side: the same value again.
  for (int square : {19, 26, 37, 44}) {
    TAnalyst fresh(Evaluation());
    EXPECT_EQ(fresh.Analyse(Play(kStart, square), {.Depth = 8}).Value, -values[0].Value) << square;
  }
}

TEST(AnalystSearch, ValuesStayOnTheBoard) {
  std::mt19937 rng(5);
  TAnalyst analyst(Evaluation());
  for (int empties : {50, 40, 30}) {
    const auto a = analyst.Analyse(RandomPosition(rng, empties), {.Depth = 5});
    EXPECT_LE(std::abs(a.Value), 64.0);
    EXPECT_EQ(a.Depth, 5);
    EXPECT_FALSE(a.Pv.empty());
  }
}

TEST(AnalystSearch, StopsOnRequestWithALegalMove) {
  std::mt19937 rng(11);
  const auto pos = RandomPosition(rng, 40);
  TAnalyst analyst(Evaluation());
  std::atomic<bool> stop{false};
  std::thread stopper([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    stop = true;
  });
  const auto start = TClock::now();
  const auto a = analyst.Analyse(pos, {}, &stop);  // no limit but the flag
  const double seconds = std::chrono::duration<double>(TClock::now() - start).count();
  stopper.join();
  EXPECT_TRUE(Legal(pos, a.Move));
  EXPECT_LT(seconds, 5.0) << "the search must read the flag as it goes";

  // Already stopped: still a legal move, from the evaluation alone.
  const auto b = analyst.Analyse(pos, {}, &stop);
  EXPECT_TRUE(Legal(pos, b.Move));
}

TEST(AnalystSearch, StopsAtTheDeadlineWithALegalMove) {
  std::mt19937 rng(12);
  TAnalyst analyst(Evaluation());
  for (int empties : {40, 19}) {  // the midgame search, then the solver within the time
    const auto pos = RandomPosition(rng, empties);
    const auto start = TClock::now();
    const auto a = analyst.Analyse(pos, {.Deadline = start + std::chrono::milliseconds(150)});
    const double seconds = std::chrono::duration<double>(TClock::now() - start).count();
    EXPECT_TRUE(Legal(pos, a.Move));
    EXPECT_LT(seconds, 5.0);
    // The same on the thread's processor time.
    const double used = analyst::ThreadSeconds();
    const auto b = analyst.Analyse(pos, {.Seconds = 0.15, .ProcessorTime = true});
    EXPECT_TRUE(Legal(pos, b.Move));
    EXPECT_LT(analyst::ThreadSeconds() - used, 5.0);
  }
}

TEST(AnalystSearch, PassAndGameOver) {
  // The first position of random games where the side to move must pass.
  std::mt19937 rng(9);
  analysis::TBitPosition pass{};
  for (bool found = false; !found;) {
    analysis::TBitPosition pos = kStart;
    for (;;) {
      uint64_t moves = analysis::LegalMoves(pos.Player, pos.Opponent);
      if (!moves) {
        found = analysis::LegalMoves(pos.Opponent, pos.Player) != 0;
        pass = pos;
        break;
      }
      std::vector<int> list;
      for (; moves; moves &= moves - 1) list.push_back(analysis::FirstSquare(moves));
      pos = Play(pos, list[rng() % list.size()]);
    }
  }
  TAnalyst analyst(Evaluation());
  const auto a = analyst.Analyse(pass, {.Depth = 4});
  EXPECT_EQ(a.Move, analysis::kPassMove);
  ASSERT_GE(a.Pv.size(), 2u);
  EXPECT_TRUE(Legal({pass.Opponent, pass.Player}, a.Pv[1]));
  EXPECT_TRUE(analyst.AnalyseMoves(pass, {.Depth = 4}).empty());

  const analysis::TBitPosition over{0xFFull, 0};
  const auto b = analyst.Analyse(over, {.Depth = 4});
  EXPECT_EQ(b.Move, analysis::kNoMove);
  EXPECT_EQ(b.Value, 64);
  EXPECT_TRUE(b.Exact);
  EXPECT_TRUE(analyst.AnalyseMoves(over, {.Depth = 4}).empty());
}

}  // namespace
