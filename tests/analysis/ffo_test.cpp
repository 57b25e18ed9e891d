// The FFO endgame positions #40-#49 and #59: their published exact scores,
// and a best move among those published.
#include <gtest/gtest.h>

#include "FfoPositions.h"

using namespace reversi::analysis;

namespace {

class Ffo : public testing::TestWithParam<int> {};

TEST_P(Ffo, ScoreAndBestMove) {
  static const auto all = ReadFfoPositions(VZ_TEST_DATA "/ffo-40-59.txt");
  ASSERT_EQ(all.size(), 20u);
  const TFfoPosition& f = all[GetParam() - 40];
  TSolver solver(22);
  const TSolveResult r = solver.Solve(f.Position);
  EXPECT_EQ(r.Score, f.Score);
  EXPECT_NE(std::find(f.BestMoves.begin(), f.BestMoves.end(), r.Best), f.BestMoves.end()) << r.Best;
  EXPECT_EQ(solver.Solve(f.Position, TSolveMode::WinLossDraw).Score, (f.Score > 0) - (f.Score < 0));
}

std::string PositionName(const testing::TestParamInfo<int>& info) {
  return "FFO" + std::to_string(info.param);
}

// #45 and above take a minute or more each: the build labels them slow.
// #59, 34 empties, is a forced wipe-out found in a second or two.
INSTANTIATE_TEST_SUITE_P(Quick, Ffo, testing::Values(40, 41, 42, 43, 44, 59), PositionName);
INSTANTIATE_TEST_SUITE_P(Long, Ffo, testing::Range(45, 50), PositionName);

}  // namespace
