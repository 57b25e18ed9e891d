// The analyst as a player of matches.
#include <gtest/gtest.h>

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

}  // namespace
