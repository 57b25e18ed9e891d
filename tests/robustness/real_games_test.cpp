// Every game of the tournament sample, replayed through the engine's own
// turn flow: each move must be legal when it comes, the engine's idea of the
// legal moves must match the reference rules square by square, the game must
// end exactly after its last move, and the final count must match the record.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "EngineState.h"
#include "ReferenceRules.h"
#include "ReversiCore.h"

using namespace reversi;
using namespace vztest;

namespace {

struct TRealGame {
  int Line = 0;
  std::vector<int> Moves;
  int Black = 0;
  std::string White;  // a number, or "?" when the game ended with empty squares
};

std::vector<TRealGame> LoadSample() {
  std::ifstream in(std::string(VZ_TEST_DATA) + "/games-sample.txt");
  std::vector<TRealGame> games;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    std::istringstream fields(line);
    std::string moves;
    TRealGame g;
    g.Line = number;
    fields >> moves >> g.Black >> g.White;
    auto cells = ParseSquares(moves);
    if (!fields || !cells) {
      ADD_FAILURE() << "games-sample.txt line " << number << " cannot be read: " << line;
      continue;
    }
    g.Moves = *cells;
    games.push_back(std::move(g));
  }
  return games;
}

class TCountingHooks : public THooks {
 public:
  int Messages = 0;
  void ShowMessage(const std::string&) override { ++Messages; }
  void ShowPassBox() override { ++Messages; }
};

// The record's score: on a full board each side's discs; with empty squares
// left the winner is given them (half each on a draw) and White is "?".
std::string CheckScore(const TRealGame& g, int black, int white) {
  const int empties = 64 - black - white;
  if (empties == 0) {
    if (g.Black != black || g.White != std::to_string(white))
      return "record gives " + std::to_string(g.Black) + "-" + g.White + ", the board " + std::to_string(black) + "-" +
             std::to_string(white);
    return {};
  }
  if (g.White != "?") return "record gives White a score although " + std::to_string(empties) + " squares are empty";
  const int expected = black > white ? black + empties : black < white ? black : black + empties / 2;
  if (g.Black != expected)
    return "record gives Black " + std::to_string(g.Black) + ", the board gives " + std::to_string(expected);
  return {};
}

// Replays one game; "" when every check holds, else the first that failed.
std::string ReplayGame(const TRealGame& g, TTempDir& dir) {
  TCountingHooks hooks;
  TReversiCore e;
  e.SetHooks(&hooks);
  e.SetMode(TwoPlayer);
  int endGames = 0, endAfter = -1, passes = 0;
  e.OnEndGame = [&](TReversiCore*) {
    ++endGames;
    endAfter = e.MovesPlayed;
  };
  e.OnComputerPass = [&](TReversiCore*) { ++passes; };

  TRefBoard ref;
  int refPasses = 0;
  std::vector<TEngineState> positions{TEngineState::Of(e)};
  for (size_t i = 0; i < g.Moves.size(); ++i) {
    const std::string at = "before move " + std::to_string(i + 1) + " (" + SquareName(g.Moves[i]) + "): ";
    if (endGames) return at + "the game already ended after move " + std::to_string(endAfter);
    for (int colour : {kBlack, kWhite})
      if ((e.FlipPotential(colour) > 0) != ref.HasMove(colour)) return at + "FlipPotential disagrees with the rules";
    for (int r = 0; r < 8; ++r)
      for (int c = 0; c < 8; ++c)
        if (e.IsLegal(CellOf(r, c)) != ref.Legal(ref.ToMove(), r, c))
          return at + "IsLegal(" + SquareName(CellOf(r, c)) + ") disagrees with the rules";
    if (!e.IsLegal(g.Moves[i])) return at + "the move is not legal";
    e.PlayMove(g.Moves[i]);
    const int mover = ref.ToMove();
    int row = 0, col = 0;
    RowColOf(g.Moves[i], row, col);
    ref.PlayInTurn(row, col);
    if (!ref.Over() && ref.ToMove() == mover) ++refPasses;
    if (std::string d = Compare(ref, e); !d.empty()) return at + d;
    if (std::string d = e.CheckConsistency(); !d.empty()) return at + d;
    if (e.MovesPlayed != static_cast<int>(i + 1)) return at + "MovesPlayed is " + std::to_string(e.MovesPlayed);
    positions.push_back(TEngineState::Of(e));
  }
  const int n = static_cast<int>(g.Moves.size());
  if (endGames != 1 || endAfter != n)
    return "the game should end once, after move " + std::to_string(n) + "; OnEndGame came " +
           std::to_string(endGames) + " times, after move " + std::to_string(endAfter);
  if (passes != refPasses)
    return "OnComputerPass came " + std::to_string(passes) + " times for " + std::to_string(refPasses) + " passes";
  if (hooks.Messages) return "a message box was shown although handlers are attached";
  if (std::string d = CheckScore(g, e.BlackDiscs(), e.WhiteDiscs()); !d.empty()) return d;

  // Copy Position of the finished game: the board string names the side the
  // engine holds to move and reads back as the same position.
  TPosition end;
  if (!FinalPosition(e.CurrentGame(), end)) return "the game does not replay in notation";
  if (end.Side != e.SideToMove) return "the board string names the other side to move: " + WriteBoard(end);
  // (A board without one colour, after a wipe-out, is no start to play from.)
  const bool bothColours = e.BlackDiscs() > 0 && e.WhiteDiscs() > 0;
  if (const TReadResult back = ReadGameText(WriteBoard(end)); bothColours && (!back || back.Game.Start != end))
    return "the board string reads back as another position: " + WriteBoard(end);

  // The finished game through the file and back, then the whole record
  // walked backwards and forwards: every position as it was played.
  const std::string file = dir.File("game.rgm");
  if (auto saved = e.SaveGame(file); !saved) return "saving failed: " + saved.Reason;
  TReversiCore loaded;
  if (auto read = loaded.LoadGame(file); !read) return "loading the saved game failed: " + read.Reason;
  if (loaded.Cells != e.Cells || loaded.MovesPlayed != n || loaded.RecordText() != e.RecordText())
    return "the saved game loads to a different game";
  for (int k = n - 1; k >= 0; --k) {
    loaded.TakeBack();
    if (loaded.Cells != positions[k].Cells)
      return "taking back to move " + std::to_string(k) + " gives another position";
    if (k > 0 && positions[k].SideToMove != loaded.SideToMove)
      return "taking back to move " + std::to_string(k) + " gives the wrong side to move";
  }
  for (int k = 1; k <= n; ++k) {
    loaded.MoveForward();
    if (loaded.Cells != positions[k].Cells)
      return "moving forward to move " + std::to_string(k) + " gives another position";
  }
  if (std::string d = loaded.CheckConsistency(); !d.empty()) return "after walking the record: " + d;
  return {};
}

TEST(RealGames, EveryTournamentGameReplaysAndScores) {
  const auto games = LoadSample();
  ASSERT_EQ(games.size(), 4456u);
  TTempDir dir;
  int failed = 0;
  for (const auto& g : games) {
    const std::string why = ReplayGame(g, dir);
    if (why.empty()) continue;
    if (++failed <= 10) ADD_FAILURE() << "game on line " << g.Line << ": " << why;
  }
  EXPECT_EQ(failed, 0) << "games that failed";
}

}  // namespace
