// The turn flow: which events a move raises, in which order, through
// passes, the end of the game and the computer's replies.
#include <gtest/gtest.h>

#include <algorithm>

#include "Helpers.h"
#include "ReversiCore.h"
#include "SearchProbe.h"

using namespace reversi;
using namespace testing_support;

namespace {

// A legal move of the side to move after which the opponent must pass while
// the mover can still move; 0 if there is none.
int PassingMove(TReversiCore& e) {
  const int s = e.SideToMove;
  TSearchProbe probe(e);
  const int n = probe.FindMoves(0, s, 0);
  for (int i = 0; i < n; ++i) {
    probe.MakeMove(0, i, s);
    const bool passes = e.FlipPotential(-s) == 0 && e.FlipPotential(s) > 0;
    probe.UnmakeMove(0, i);
    if (passes) return probe.Move(0, i);
  }
  return 0;
}

// A legal move that ends the game (in a draw, if asked); 0 if there is none.
int FinalMove(TReversiCore& e, bool draw = false) {
  const int s = e.SideToMove;
  TSearchProbe probe(e);
  const int n = probe.FindMoves(0, s, 0);
  for (int i = 0; i < n; ++i) {
    probe.MakeMove(0, i, s);
    const bool over =
        e.FlipPotential(-s) == 0 && e.FlipPotential(s) == 0 && (!draw || e.Discs(kBlack) == e.Discs(kWhite));
    probe.UnmakeMove(0, i);
    if (over) return probe.Move(0, i);
  }
  return 0;
}

bool OnlyMovePasses(TReversiCore& e) {
  return TSearchProbe(e).FindMoves(1, e.SideToMove, 0) == 1 && PassingMove(e) != 0;
}

std::vector<std::string> Without(std::vector<std::string> log, const std::string& prefix) {
  log.erase(std::remove_if(log.begin(), log.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }),
            log.end());
  return log;
}

}  // namespace

TEST(TurnFlow, HumanMoveInNormalModeIsAnsweredBeforePlayMoveReturns) {
  TReversiCore e;
  std::vector<std::string> log;
  LogEvents(e, log);
  e.SetLevel(Ply1);
  e.PlayMove(31);  // D3
  ASSERT_GE(log.size(), 6u);
  EXPECT_EQ(log[0], "Move D3");
  EXPECT_EQ(log[1], "BeginSearch");  // raised before Thinking is set
  EXPECT_EQ(log[2], "Ply 3");
  EXPECT_EQ(log[3], "Consider C3 1/3");
  EXPECT_EQ(log[log.size() - 2].substr(0, 5), "Move ");
  EXPECT_EQ(log.back(), "EndSearch " + log[log.size() - 2].substr(5));
  EXPECT_FALSE(e.Thinking());
  EXPECT_EQ(e.SideToMove, kBlack);
  EXPECT_EQ(e.MovesPlayed, 2);
}

TEST(TurnFlow, TwoPlayerModeOnlyMoves) {
  TReversiCore e;
  std::vector<std::string> log;
  LogEvents(e, log);
  e.SetMode(TwoPlayer);
  e.PlayMove(31);
  EXPECT_EQ(log, (std::vector<std::string>{"Move D3"}));
  EXPECT_EQ(e.ToMove(), White);
  e.PlayMove(10);  // illegal: nothing at all
  e.PlayMove(0);
  e.PlayMove(31);  // occupied
  EXPECT_EQ(log.size(), 1u);
  EXPECT_EQ(e.MovesPlayed, 1);
}

TEST(TurnFlow, HumanMoveThatMakesTheComputerPass) {
  const auto line = FindLine([](TReversiCore& e) { return PassingMove(e) != 0; });
  ASSERT_NE(line, std::vector<int>{-1});
  TReversiCore e;
  Replay(e, line);
  const int s = e.SideToMove;
  const int m = PassingMove(e);
  std::vector<std::string> log;
  LogEvents(e, log);
  e.SetLevel(Ply1);  // Normal mode, yet no search may start
  e.PlayMove(m);
  EXPECT_EQ(log, (std::vector<std::string>{"Move " + SquareName(m), "ComputerPass"}));
  EXPECT_EQ(e.SideToMove, s);
  EXPECT_FALSE(e.Thinking());
}

TEST(TurnFlow, ComputerMoveThatMakesTheHumanPassStartsANestedSearch) {
  const auto line = FindLine(OnlyMovePasses);
  ASSERT_NE(line, std::vector<int>{-1});
  for (bool withHandler : {true, false}) {
    TReversiCore e;
    RecordingHooks hooks;
    e.SetHooks(&hooks);
    Replay(e, line);
    TSearchProbe probe(e);
    ASSERT_EQ(probe.FindMoves(1, e.SideToMove, 0), 1);
    const int forced = probe.Move(1, 0);
    std::vector<std::string> log;
    LogEvents(e, log, !withHandler);
    e.OnEndGame = [&log](TReversiCore*) { log.push_back("EndGame"); };
    e.SetLevel(Ply1);
    e.SetThinking(true);
    const auto moves = Without(Without(Without(log, "Consider"), "Best"), "Ply");
    ASSERT_GE(moves.size(), 4u);
    EXPECT_EQ(moves[0], "BeginSearch");
    EXPECT_EQ(moves[1], "Move " + SquareName(forced));
    if (withHandler) {
      EXPECT_EQ(moves[2], "PassRequest");
      EXPECT_EQ(hooks.passBoxes, 0);
    } else {
      EXPECT_EQ(hooks.passBoxes, 1);
    }
    // The nested search plays and ends first; then the outer one ends,
    // naming its own move.
    const auto& last = moves.back();
    EXPECT_EQ(last, "EndSearch " + SquareName(forced));
    const auto nested = std::find(moves.begin(), moves.end(), "BeginSearch");
    EXPECT_NE(std::find(nested + 1, moves.end(), "BeginSearch"), moves.end());
    EXPECT_FALSE(e.Thinking());
  }
}

TEST(TurnFlow, EndOfGameByHumanWithoutHandlerShowsResultAndStartsAgain) {
  for (bool draw : {false, true}) {
    SCOPED_TRACE(draw ? "draw" : "any result");
    const auto line = FindLine([draw](TReversiCore& e) { return FinalMove(e, draw) != 0; }, 3);
    ASSERT_NE(line, std::vector<int>{-1});
    TReversiCore e;
    RecordingHooks hooks;
    e.SetHooks(&hooks);
    Replay(e, line);
    const int m = FinalMove(e, draw);
    // The result as the board will show it after the final move.
    int black = 0, white = 0;
    {
      TReversiCore probe;
      Replay(probe, line);
      probe.SetMode(TwoPlayer);
      probe.OnEndGame = [&](TReversiCore* s) {
        black = s->Discs(kBlack);
        white = s->Discs(kWhite);
      };
      probe.PlayMove(m);
    }
    std::vector<std::string> log;
    LogEvents(e, log, true);
    e.PlayMove(m);
    ASSERT_EQ(hooks.messages.size(), 1u);
    const int d = white - black;
    const std::string expected = d > 0   ? "White wins by " + std::to_string(d) + " discs"
                                 : d < 0 ? "Black wins by " + std::to_string(-d) + " discs"
                                         : "It is a draw";
    EXPECT_EQ(hooks.messages[0], expected);
    EXPECT_EQ(log, (std::vector<std::string>{"Move " + SquareName(m), "NewGame"}));
    EXPECT_EQ(e.MovesPlayed, 0);
    EXPECT_EQ(e.Discs(kBlack), 2);
  }
}

TEST(TurnFlow, EndOfGameByComputerKeepsTheFinalPosition) {
  // A position whose only move ends the game, played by the computer.
  const auto line = FindLine(
      [](TReversiCore& e) { return TSearchProbe(e).FindMoves(1, e.SideToMove, 0) == 1 && FinalMove(e) != 0; }, 5);
  ASSERT_NE(line, std::vector<int>{-1});
  TReversiCore e;
  RecordingHooks hooks;
  e.SetHooks(&hooks);
  Replay(e, line);
  e.SetLevel(Ply1);
  e.SetThinking(true);
  EXPECT_EQ(hooks.messages.size(), 1u);
  EXPECT_EQ(e.MovesPlayed, static_cast<int>(line.size()) + 1);
  EXPECT_EQ(e.FlipPotential(kBlack) + e.FlipPotential(kWhite), 0);
  EXPECT_FALSE(e.Thinking());
}

TEST(TurnFlow, ThinkingWithoutALegalMoveDoesNothing) {
  const auto line = FindLine([](TReversiCore& e) { return e.FlipPotential(kBlack) + e.FlipPotential(kWhite) == 0; });
  ASSERT_NE(line, std::vector<int>{-1});
  TReversiCore e;
  Replay(e, line);
  std::vector<std::string> log;
  LogEvents(e, log);
  e.SetThinking(true);
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(e.Thinking());
}

TEST(Properties, DefaultsAndRanges) {
  TReversiCore e;
  EXPECT_EQ(e.Gamma(), 40);
  EXPECT_EQ(e.SelectiveDepth(), 5);
  EXPECT_EQ(e.MoveTime(), 2);
  EXPECT_EQ(e.Level(), TimeLevel);
  EXPECT_EQ(e.Mode(), Normal);
  EXPECT_FALSE(e.StrictTime());
  EXPECT_TRUE(e.Selective());
  EXPECT_EQ(e.Version(), "1.0a");
  EXPECT_EQ(e.WhiteDiscs(), 2);
  EXPECT_EQ(e.BlackDiscs(), 2);

  for (int bad : {10000, -10000, 123456}) e.SetGamma(bad);
  EXPECT_EQ(e.Gamma(), 40);
  e.SetGamma(9999);
  EXPECT_EQ(e.Gamma(), 9999);
  e.SetGamma(-9999);
  EXPECT_EQ(e.Gamma(), -9999);
  e.SetSelectiveDepth(0);
  e.SetSelectiveDepth(21);
  EXPECT_EQ(e.SelectiveDepth(), 5);
  e.SetSelectiveDepth(1);
  EXPECT_EQ(e.SelectiveDepth(), 1);
  e.SetSelectiveDepth(20);
  EXPECT_EQ(e.SelectiveDepth(), 20);

  e.SetVersion("2.0");
  e.SetWhiteDiscs(30);
  e.SetMainLine("A1");
  EXPECT_EQ(e.Version(), "1.0a");
  EXPECT_EQ(e.WhiteDiscs(), 2);
  EXPECT_EQ(e.MainLine(), "");
}

TEST(Properties, SetToMoveNeitherRepaintsNorSearches) {
  TReversiCore e;
  RecordingHooks hooks;
  e.SetHooks(&hooks);
  e.SetToMove(White);
  EXPECT_EQ(hooks.repaints, 0);
  EXPECT_EQ(e.MovesPlayed, 0);
  EXPECT_EQ(e.SideToMove, kWhite);
  EXPECT_TRUE(e.IsLegal(32));  // White's E3
}
