// Games from a set-up position: replays across passes from that start,
// ".RGM" refused for them, GGF and text files opened by their content, and
// the standard start behaving as if played move by move.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "Helpers.h"
#include "ReversiCore.h"

using namespace reversi;
using namespace testing_support;
namespace fs = std::filesystem;

namespace {

// A tournament game with White passing before h2 (move 56), started from
// its position after 20 moves.
constexpr const char* kPassGame =
    "f5f6e6f4e3c5g5g4g3d6e7f3e2d7c4d3f7c6c8f2b5b6c7d1a6b4a3h3b3a5c3a4d2e1c2h6g6e8f8g8h5h4c1h7d8b8b7b1b2a1a2a8a7"
    "g7h8h2g2h1g1f1";

TGame SetUpPassGame() {
  const TReadResult whole = ReadMoveList(kPassGame);
  TGame prefix{TPosition::Standard(), {whole.Game.Moves.begin(), whole.Game.Moves.begin() + 20}};
  TGame game;
  FinalPosition(prefix, game.Start);
  game.Moves.assign(whole.Game.Moves.begin() + 20, whole.Game.Moves.end());
  return game;
}

// The engine's position against the notation's replay of the first n moves.
void ExpectAt(const TReversiCore& e, const TGame& game, size_t n) {
  TPosition expected;
  ASSERT_TRUE(FinalPosition(TGame{game.Start, {game.Moves.begin(), game.Moves.begin() + n}}, expected));
  for (int k = 0; k < 64; ++k) ASSERT_EQ(e.Cell(SquareOf(k / 8, k % 8)), expected.Squares[k]) << "after " << n;
  if (!IsOver(expected)) {
    ASSERT_EQ(e.SideToMove, expected.Side) << "after " << n;
  }
  ASSERT_EQ(e.CheckConsistency(), "");
}

std::string TempFile(const std::string& name, const std::string& text = "") {
  const std::string path = (fs::temp_directory_path() / ("vz-setup-" + std::to_string(::getpid()) + name)).string();
  if (!text.empty()) std::ofstream(path, std::ios::binary) << text;
  return path;
}

}  // namespace

TEST(SetUp, TakeBackAndMoveForwardReplayFromTheStartAcrossPasses) {
  const TGame game = SetUpPassGame();
  TReversiCore e;
  ASSERT_TRUE(e.SetGame(game));
  EXPECT_TRUE(e.IsSetUp());
  EXPECT_EQ(e.CurrentGame(), game);
  for (size_t n = game.Moves.size(); n > 0; --n) {
    ExpectAt(e, game, n);
    e.TakeBack();
  }
  ExpectAt(e, game, 0);
  EXPECT_FALSE(e.CanTakeBack());
  while (e.CanMoveForward()) e.MoveForward();
  ExpectAt(e, game, game.Moves.size());

  // A start where the side to move must pass gives the move to the other.
  TReadResult stuck = ReadBoard("O**----- " + std::string(56, '-') + " X");
  ASSERT_TRUE(e.SetGame(stuck.Game));
  EXPECT_EQ(e.SideToMove, kWhite);
  e.OnEndGame = [](TReversiCore*) {};
  e.PlayMove(SquareOf(0, 3));
  EXPECT_EQ(e.MovesPlayed, 1);
}

TEST(SetUp, RgmRefusedForSetUpGamesGgfAndTextOpenedByContent) {
  const TGame game = SetUpPassGame();
  TReversiCore e;
  ASSERT_TRUE(e.SetGame(game));
  const std::string rgm = TempFile("a.rgm"), ggf = TempFile("a.ggf");
  const TFileResult refused = e.SaveGame(rgm);
  EXPECT_FALSE(refused);
  EXPECT_NE(refused.Reason.find("GGF"), std::string::npos);
  EXPECT_FALSE(fs::exists(rgm));

  ASSERT_TRUE(e.SaveGgf(ggf, {}));
  TReversiCore other;
  ASSERT_TRUE(other.OpenGame(ggf));
  EXPECT_EQ(other.CurrentGame(), game);
  EXPECT_EQ(other.Cells, e.Cells);

  // A move list, a board string and a ".RGM" file, each by what it holds.
  const std::pair<std::string, TGame> texts[] = {
      {"1. f5 d6 2. c3", ReadMoveList("f5d6c3").Game},
      {WriteBoard(game.Start) + "\n", TGame{game.Start, {}}},
      {"3 51 58 30 2", ReadMoveList("f5d6").Game},
  };
  for (const auto& [text, expected] : texts) {
    const std::string file = TempFile("b.txt", text);
    ASSERT_TRUE(other.OpenGame(file)) << text;
    EXPECT_EQ(other.CurrentGame(), expected) << text;
    fs::remove(file);
  }
  EXPECT_FALSE(other.IsSetUp());
  ASSERT_TRUE(other.SaveGame(rgm));

  // A refused file keeps the game, with its start.
  const std::string bad = TempFile("c.ggf", "(;GM[Othello]BO[8 " + WriteBoard(game.Start) + "]B[a1];)");
  const TFileResult r = e.OpenGame(bad);
  EXPECT_FALSE(r);
  EXPECT_EQ(r.Reason.rfind("move 1, \"B[a1]\"", 0), 0u) << r.Reason;
  EXPECT_EQ(e.CurrentGame(), game);
  const std::string binary = TempFile("d.rgm", "3 5\x01\xfa 60");
  EXPECT_EQ(e.OpenGame(binary).Reason, "\"5??\" is not a whole number");
  e.NewGame();
  EXPECT_FALSE(e.IsSetUp());
  EXPECT_TRUE(e.SaveGame(rgm));
  for (const std::string& f : {rgm, ggf, bad, binary}) fs::remove(f);
}

TEST(SetUp, TheStandardStartSearchesAsIfPlayedMoveByMove) {
  const TReadResult opening = ReadMoveList("f5d6c3d3c4f4f6f3e6e7");
  TReversiCore played, set;
  for (TReversiCore* e : {&played, &set}) {
    e->SetMode(TwoPlayer);
    e->SetLevel(Ply5);
  }
  Replay(played, opening.Game.Moves);
  ASSERT_TRUE(set.SetGame(opening.Game));
  EXPECT_FALSE(set.IsSetUp());
  std::string movePlayed, moveSet;
  played.OnEndSearch = [&](TReversiCore*, const std::string& m) { movePlayed = m; };
  set.OnEndSearch = [&](TReversiCore*, const std::string& m) { moveSet = m; };
  played.SetThinking(true);
  set.SetThinking(true);
  EXPECT_EQ(set.Nodes(), played.Nodes());
  EXPECT_EQ(moveSet, movePlayed);
}
