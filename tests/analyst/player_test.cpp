// The analyst as a player of matches.
#include <gtest/gtest.h>

#include <set>

#include "AnalystPlayer.h"
#include "Notation.h"
#include "PlayerChoice.h"

namespace {

using namespace reversi;

TEST(AnalystPlayer, PlaysLegalMovesToTheEnd) {
  std::string error;
  auto player = engines::MakeSearchingPlayer("analyst", error);
  ASSERT_TRUE(player) << error;
  TGame game;
  ASSERT_TRUE(player->NewGame(game, error)) << error;
  for (int ply = 0; ply < 70; ++ply) {
    TPosition position;
    ASSERT_TRUE(FinalPosition(player->Game(), position));
    if (IsOver(position)) break;
    const engines::TMoveReply reply = player->Generate({.Depth = 3});
    ASSERT_TRUE(reply.Ok()) << reply.Error;
    EXPECT_LE(std::abs(reply.Move.Score), 64.0);
  }
  TPosition end;
  ASSERT_TRUE(FinalPosition(player->Game(), end));
  EXPECT_TRUE(IsOver(end));
  // Every move valued, best first.
  const auto values = player->Think(TGame{}, {.Depth = 4}, 4);
  ASSERT_EQ(values.size(), 4u);
  EXPECT_EQ(values[0].Score, values[3].Score);
}

// The weaker strengths play moves within their budget of the best, and
// more than one of them; the strongest always the best.
TEST(AnalystPlayer, WeakerStrengthsChooseWithinTheirBudget) {
  std::string error;
  const TReadResult read = ReadMoveList("f5d6c3d3c4f4f6f3e6e7");
  ASSERT_TRUE(read) << read.Reason;
  const TGame& game = read.Game;
  auto strong = engines::MakeSearchingPlayer("analyst", error);
  ASSERT_TRUE(strong) << error;
  const auto values = strong->Think(game, {.Depth = 4}, 64);
  ASSERT_GT(values.size(), 3u);
  for (const char* choice : {"analyst:strong", "analyst:club", "analyst:beginner"}) {
    auto player = engines::MakePlayer(choice, error);
    ASSERT_TRUE(player) << error;
    const double budget = engines::StrengthBudget(*engines::StrengthOf(std::string(choice).substr(8)));
    std::set<int> chosen;
    for (int i = 0; i < 12; ++i) {
      ASSERT_TRUE(player->NewGame(game, error)) << error;
      const engines::TMoveReply reply = player->Generate({.Depth = 4});
      ASSERT_TRUE(reply.Ok()) << reply.Error;
      EXPECT_GE(reply.Move.Score, values.front().Score - budget) << choice;
      chosen.insert(reply.Move.Square);
    }
    if (budget == 0)
      EXPECT_EQ(chosen, std::set<int>{values.front().Square});
    else
      EXPECT_GT(chosen.size(), 1u) << choice;
  }
  EXPECT_FALSE(engines::MakePlayer("analyst:grandmaster", error));
  EXPECT_NE(error.find("strong, good, club or beginner"), std::string::npos);
  EXPECT_EQ(engines::MakePlayer("analyst:1", error)->Name(), "Vezari Zaduder analyst (good)");
}

}  // namespace
