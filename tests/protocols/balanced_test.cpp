// Balanced starts for matches: the same seed gives the same openings, each
// of 8 to 12 moves that replay from the standard start.
#include <gtest/gtest.h>

#include "BalancedOpenings.h"

using namespace reversi;
using namespace reversi::engines;

TEST(BalancedOpenings, TheSameSeedGivesTheSameStartsThatReplay) {
  const std::vector<TGame> a = BalancedOpenings(7, 3);
  ASSERT_EQ(a.size(), 3u);
  EXPECT_EQ(BalancedOpenings(7, 3), a);
  EXPECT_NE(BalancedOpenings(8, 1).front(), a.front());
  for (const TGame& g : a) {
    EXPECT_GE(g.Moves.size(), 8u);
    EXPECT_LE(g.Moves.size(), 12u);
    TPosition end;
    EXPECT_TRUE(FinalPosition(g, end)) << WriteMoveList(g);
  }
}
