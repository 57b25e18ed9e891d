#include <gtest/gtest.h>

#include "ReversiCore.h"

using namespace reversi;

TEST(Perft, MatchesPublishedCounts) {
  TReversiCore e;
  const int64_t expected[] = {1, 4, 12, 56, 244, 1396, 8200, 55092, 390216, 3005288};
  for (int d = 1; d <= 9; ++d) EXPECT_EQ(e.Perft(d), expected[d]) << "depth " << d;
  EXPECT_EQ(e.CheckConsistency(), "");
}

TEST(Evaluate, InitialPosition) {
  TReversiCore e;
  EXPECT_EQ(e.Evaluate(0, kBlack), 20);
  EXPECT_EQ(e.Evaluate(0, kWhite), 20);
}
