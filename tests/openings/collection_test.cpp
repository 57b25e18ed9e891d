// The collection readers, the position look-up and the opening names, on a
// WTHOR file made here from the shared tournament games.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "GameCollection.h"
#include "OpeningNames.h"
#include "PositionIndex.h"
#include "Replay.h"

using namespace reversi;
using namespace reversi::openings;

namespace {

std::vector<TCollectedGame> SampleGames(size_t count) {
  std::ifstream in(VZ_TEST_DATA "/games-sample.txt");
  std::string text, line;
  while (count-- && std::getline(in, line)) text += line + "\n";
  TCollection c = ReadMoveLines(text);
  EXPECT_TRUE(c.Problems.empty());
  return c.Games;
}

// A WTHOR file: a 16-byte header, then 68 bytes a game.
std::string Wthor(const std::vector<TCollectedGame>& games) {
  std::string out(16, '\0');
  out[4] = static_cast<char>(games.size());
  out[5] = static_cast<char>(games.size() >> 8);
  out[10] = static_cast<char>(2019 & 0xFF);
  out[11] = static_cast<char>(2019 >> 8);
  out[12] = 8;
  for (const TCollectedGame& g : games) {
    std::string record(68, '\0');
    record[2] = 1;  // Black is player 1, White player 0
    record[6] = static_cast<char>(g.BlackScore);
    for (size_t i = 0; i < g.Moves.size(); ++i)
      record[8 + i] = static_cast<char>(10 * (g.Moves[i] / 8 + 1) + g.Moves[i] % 8 + 1);
    out += record;
  }
  return out;
}

TSidePosition After(const std::string& moves) {
  const TReadResult read = ReadMoveList(moves);
  TSidePosition p;
  WalkGame(read.Game.Start, BitMoves(read.Game), [&](const TPly& ply) { p = ply.Position; });
  return p;
}

}  // namespace

TEST(Symmetry, EveryImageHasOneCanonicalFormAndInversesUndo) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 200; ++i) {
    const uint64_t player = random() & random(), opponent = random() & random() & ~player;
    for (int s = 0; s < bits::kSymmetries; ++s) {
      EXPECT_EQ(bits::Transform(bits::Transform(player, s), bits::Inverse(s)), player);
      const bits::TCanonical a = bits::Canonical(bits::Transform(player, s), bits::Transform(opponent, s));
      const bits::TCanonical b = bits::Canonical(player, opponent);
      EXPECT_EQ(a.Player, b.Player);
      EXPECT_EQ(a.Opponent, b.Opponent);
    }
  }
  // The start position's four moves are one move.
  const TFolded start = Fold(After(""));
  for (int square : {19, 26, 44}) EXPECT_EQ(FoldedMove(start, square), FoldedMove(start, 37));
}

TEST(Collections, WthorRoundTripAndDamagedRecordsKeepTheRest) {
  const std::vector<TCollectedGame> games = SampleGames(30);
  std::string bytes = Wthor(games);
  const std::vector<std::string> players = {"White Player", "Black Player"};
  TCollection read = ReadWthor(bytes, players);
  ASSERT_EQ(read.Games.size(), games.size());
  EXPECT_TRUE(read.Problems.empty());
  for (size_t i = 0; i < games.size(); ++i) {
    EXPECT_EQ(read.Games[i].Moves, games[i].Moves);
    EXPECT_EQ(read.Games[i].BlackScore, games[i].BlackScore);
  }
  EXPECT_EQ(read.Games[0].Black, "Black Player");
  EXPECT_EQ(read.Games[0].Year, 2019);

  bytes[16 + 68 * 3 + 8 + 5] = 99;  // record 4: not a square
  bytes[16 + 68 * 6 + 8 + 0] = 11;  // record 7: a1 is not a legal first move
  bytes.resize(bytes.size() - 30);  // the last record cut short
  read = ReadWthor(bytes);
  EXPECT_EQ(read.Games.size(), games.size() - 3);
  ASSERT_EQ(read.Problems.size(), 3u);
  EXPECT_EQ(read.Problems[0].Record, 4u);
  EXPECT_EQ(read.Problems[1].Record, 7u);
  EXPECT_NE(read.Problems[2].Reason.find("ends after record 29 of 30"), std::string::npos);
  EXPECT_FALSE(ReadWthor("short").Error.empty());
}

TEST(Collections, TextAndGgfCollectionsNameTheBadRecord) {
  const TCollection lines = ReadMoveLines("f5d6c3 33 31\n\nf5z9 1 2\n# a note\nf5f6 64 ?\nf5d6 70\n");
  ASSERT_EQ(lines.Games.size(), 2u);
  EXPECT_EQ(lines.Games[1].BlackScore, 64);
  ASSERT_EQ(lines.Problems.size(), 2u);
  EXPECT_EQ(lines.Problems[0].Record, 3u);
  EXPECT_EQ(lines.Problems[1].Record, 6u);

  const std::string ggf =
      "(;GM[Othello]PC[Paris]PB[Ann]PW[Bob]RE[+10.000]BO[8 "
      "---------------------------O*------*O--------------------------- "
      "*]B[f5]W[d6];)\n(;GM[Othello]BO[8 garbage]B[f5];)\n"
      "(;GM[Othello]PB[Cy]PW[Di]RE[-4]BO[8 ---------------------------O*------*O--------------------------- *]B[f5];)";
  const TCollection many = ReadGgfGames(ggf);
  ASSERT_EQ(many.Games.size(), 2u);
  EXPECT_EQ(many.Games[0].Black, "Ann");
  EXPECT_EQ(many.Games[0].BlackScore, 37);
  EXPECT_EQ(many.Games[1].BlackScore, 30);
  ASSERT_EQ(many.Problems.size(), 1u);
  EXPECT_EQ(many.Problems[0].Record, 2u);
}

TEST(Library, LookUpFoldsSymmetriesAndCountsEveryGame) {
  const std::vector<TCollectedGame> games = SampleGames(400);
  const TPositionIndex index(games);
  const TLookup perpendicular = index.Find(After("f5d6"));
  EXPECT_GT(perpendicular.Games, 100);
  const TLookup turned = index.Find(After("d3c5"));  // the same position, turned
  EXPECT_EQ(turned.Games, perpendicular.Games);
  int moved = 0;
  for (const TMoveStat& m : turned.Moves) moved += m.Games;
  EXPECT_EQ(moved, turned.Games);
  EXPECT_EQ(turned.Moves[0].Games, perpendicular.Moves[0].Games);
  EXPECT_NE(turned.Moves[0].Square, perpendicular.Moves[0].Square);
  EXPECT_EQ(index.Find(After("")).Games, 400);
  EXPECT_EQ(index.Find(After("")).Moves.size(), 1u);
}

TEST(OpeningNames, NamedUnderSymmetryWhileOnALine) {
  const TOpeningNames& names = TOpeningNames::Builtin();
  EXPECT_EQ(names.Skipped(), 0u);
  auto name = [&](const std::string& moves) { return names.NameOf(BitMoves(ReadMoveList(moves).Game)); };
  EXPECT_EQ(name("f5d6c3d3c4"), "Tiger");
  EXPECT_EQ(name("f5d6c3d3c4f4"), "Tiger");
  EXPECT_EQ(name("e6f4c3c4d3"), "Tiger");  // turned about the a1-h8 diagonal
  EXPECT_EQ(name("f5d6c3d3c4f4f6"), "Stephenson");
  EXPECT_EQ(name("f5f6e6f4c3"), "Buffalo");
  EXPECT_EQ(name("f5d6c3d3c4f4c6"), "");  // left every named line
  EXPECT_EQ(name(""), "");
}

TEST(Library, CachedIndexComesBackOnlyForItsOwnStampAndIntact) {
  const TPositionIndex index(SampleGames(50));
  const std::string bytes = index.Write("games.wtb 3400 1700000000");
  const auto again = TPositionIndex::Read(bytes, "games.wtb 3400 1700000000");
  ASSERT_TRUE(again);
  EXPECT_EQ(again->Find(After("f5d6")).Games, index.Find(After("f5d6")).Games);
  EXPECT_FALSE(TPositionIndex::Read(bytes, "games.wtb 3400 1700000001"));
  std::string damaged = bytes;
  damaged[damaged.size() / 2] ^= 4;
  EXPECT_FALSE(TPositionIndex::Read(damaged, "games.wtb 3400 1700000000"));
  EXPECT_FALSE(TPositionIndex::Read(bytes.substr(0, bytes.size() - 1), "games.wtb 3400 1700000000"));
}
