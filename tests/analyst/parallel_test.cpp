// The analyst on several threads: the helpers share its table, so a fault
// there shows as a wrong value near the end, a value off the board, or a
// search that does not stop.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
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
using TClock = std::chrono::steady_clock;

TEST(AnalystThreads, FullDepthValuesAreTheSolversOnEveryThreadCount) {
  std::mt19937 rng(27);
  analysis::TSolver solver;
  for (int threads : {2, 3}) {
    TAnalyst analyst(Evaluation());
    analyst.SetThreads(threads);
    EXPECT_EQ(analyst.Threads(), threads);
    for (int k = 0; k < 16; ++k) {
      const auto pos = RandomPosition(rng, 8 + k % 7);
      const int exact = solver.Solve(pos).Score;
      const auto a = analyst.Analyse(pos, {.Depth = 60});
      EXPECT_EQ(a.Value, exact) << threads << " " << k;
      EXPECT_EQ(-solver.Solve(Play(pos, a.Move)).Score, exact) << threads << " " << k;
    }
    const auto pos = RandomPosition(rng, 11);
    for (const auto& v : analyst.AnalyseMoves(pos, {.Depth = 60}))
      EXPECT_EQ(v.Value, -solver.Solve(Play(pos, v.Move)).Score) << threads;
  }
}

TEST(AnalystThreads, TimedAnalysisHandsTheSolverTheThreads) {
  std::mt19937 rng(4);
  const auto pos = RandomPosition(rng, 16);
  TAnalyst analyst(Evaluation());
  analyst.SetThreads(2);
  const auto a = analyst.Analyse(pos, {.Seconds = 30});
  EXPECT_TRUE(a.Exact);
  EXPECT_EQ(a.Value, analysis::TSolver().Solve(pos).Score);
}

TEST(AnalystThreads, MidgameValuesStayOnTheBoard) {
  std::mt19937 rng(8);
  TAnalyst analyst(Evaluation());
  analyst.SetThreads(2);
  for (int empties : {50, 40, 30, 22}) {
    const auto pos = RandomPosition(rng, empties);
    const auto a = analyst.Analyse(pos, {.Depth = 9});
    EXPECT_LE(std::abs(a.Value), 64.0);
    EXPECT_EQ(a.Depth, 9);
    EXPECT_TRUE(Legal(pos, a.Move));
    for (const auto& v : analyst.AnalyseMoves(pos, {.Seconds = 0.2})) EXPECT_LE(std::abs(v.Value), 64.0);
  }
}

TEST(AnalystThreads, StopsOnRequestWithHelpersRunning) {
  std::mt19937 rng(13);
  const auto pos = RandomPosition(rng, 40);
  TAnalyst analyst(Evaluation());
  analyst.SetThreads(3);
  for (int round = 0; round < 2; ++round) {  // and again, once the helpers have ended
    std::atomic<bool> stop{false};
    std::thread stopper([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(150));
      stop = true;
    });
    const auto start = TClock::now();
    const auto a = analyst.Analyse(pos, {}, &stop);  // no limit but the flag
    const double seconds = std::chrono::duration<double>(TClock::now() - start).count();
    stopper.join();
    EXPECT_TRUE(Legal(pos, a.Move));
    EXPECT_LT(seconds, 5.0) << "every thread must read the flag as it goes";
    EXPECT_GT(a.Depth, 0);
  }
}

}  // namespace
