// The game clock run by hand: time charged to the side that ran, the flag
// when a side's time is gone, and the computer's time for a move.
#include <gtest/gtest.h>

#include "GameClock.h"
#include "Geometry.h"

using namespace reversi;

namespace {

struct ClockByHand {
  int64_t now = 1000;
  TGameClock clock{[this] { return now; }};
};

}  // namespace

TEST(GameClock, ChargesOnlyTheRunningSideAndNothingWhileStopped) {
  ClockByHand h;
  h.clock.Reset(60'000);
  h.now += 5'000;  // nothing runs yet
  h.clock.Run(kBlack);
  h.now += 7'000;
  h.clock.Run(kWhite);
  h.now += 2'000;
  EXPECT_EQ(h.clock.RemainingMs(kBlack), 53'000);
  EXPECT_EQ(h.clock.RemainingMs(kWhite), 58'000);
  h.clock.Run(0);  // a dialog is open
  h.now += 30'000;
  h.clock.Run(kWhite);
  EXPECT_EQ(h.clock.RemainingMs(kWhite), 58'000);
  EXPECT_EQ(h.clock.Flag(), 0);
}

TEST(GameClock, FlagFallsForTheSideWhoseTimeRanOutAndStopsTheClocks) {
  ClockByHand h;
  h.clock.Reset(60'000);
  h.clock.Run(kWhite);
  h.now += 59'999;
  EXPECT_EQ(h.clock.Flag(), 0);
  h.now += 5'000;
  EXPECT_EQ(h.clock.RemainingMs(kWhite), 0);
  EXPECT_EQ(h.clock.Flag(), kWhite);
  EXPECT_EQ(h.clock.Running(), 0);
  // A fallen flag stays, and the other side's clock does not start.
  h.clock.Run(kBlack);
  h.now += 10'000;
  EXPECT_EQ(h.clock.Flag(), kWhite);
  EXPECT_EQ(h.clock.RemainingMs(kBlack), 60'000);
  // A position taken back to gives the times back and lifts the flag.
  h.clock.SetRemainingMs(40'000, 1'000);
  EXPECT_EQ(h.clock.Flag(), 0);
  h.clock.Reset(0);  // no clock: no flag however long a side thinks
  h.clock.Run(kBlack);
  h.now += 1'000'000;
  EXPECT_EQ(h.clock.Flag(), 0);
}

TEST(GameClock, TheMoveBudgetSpreadsTheTimeLeftOverTheMovesToCome) {
  ClockByHand h;
  h.clock.Reset(300'000);
  // 60 empties at the start: 30 moves of the side's and the reserve.
  const int64_t opening = h.clock.MoveBudgetMs(kBlack, 60);
  EXPECT_EQ(opening, 300'000 / (30 + TGameClock::kReserveMoves));
  // With less time the move gets less; near the end each move gets more of it.
  h.clock.SetRemainingMs(30'000, 300'000);
  EXPECT_LT(h.clock.MoveBudgetMs(kBlack, 60), opening / 5);
  EXPECT_GT(h.clock.MoveBudgetMs(kBlack, 4), h.clock.MoveBudgetMs(kBlack, 40));
  // Never all of it, even on the last empty square: something stays in hand.
  EXPECT_LT(h.clock.MoveBudgetMs(kBlack, 1), 30'000 / 2);
  // What the running side has spent counts.
  h.clock.Run(kWhite);
  h.now += 100'000;
  EXPECT_EQ(h.clock.MoveBudgetMs(kWhite, 60), 200'000 / (30 + TGameClock::kReserveMoves));
}
