// The computer player: score scaling, iterations and their events, stop
// requests, the clock, determinism, and the benchmark's figure.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "DesignValues.h"
#include "Helpers.h"
#include "Reference.h"
#include "ReversiCore.h"
#include "SearchProbe.h"

using namespace reversi;
using namespace testing_support;

namespace {

// A clock that moves on by a fixed step every time it is read.
class SteppingClock : public THooks {
 public:
  SteppingClock(uint32_t start, uint32_t step) : now_(start), step_(step) {}
  uint32_t TickCount() override { return now_ += step_; }

 private:
  uint32_t now_, step_;
};

// A clock that reads 0 until the search has passed jumpAt nodes (calls of the
// message loop), then `later`. With moveNow set, that node asks for a stop
// instead, as a person pressing Move Now would.
class NodeClock : public THooks {
 public:
  void ProcessMessages() override {
    if (++calls == jumpAt && moveNow) moveNow->SetThinking(false);
  }
  uint32_t TickCount() override { return calls >= jumpAt ? later : 0; }
  int64_t calls = 0;
  int64_t jumpAt = INT64_MAX;
  uint32_t later = 60000;
  TReversiCore* moveNow = nullptr;
};

struct Result {
  std::string move, mainLine;
  int64_t nodes;
  int deepest;
  bool operator==(const Result&) const = default;
};

Result Search(const std::vector<int>& line, TLevel level, bool selective = true) {
  TReversiCore e;
  Replay(e, line);
  e.SetLevel(level);
  e.SetSelective(selective);
  e.SetGamma(design::kGamma);
  e.SetSelectiveDepth(design::kSelectiveDepth);
  Result r;
  e.OnMove = [&](TReversiCore* s, const std::string& m) {
    if (r.move.empty()) {
      r.move = m;
      r.mainLine = s->MainLine();
      r.nodes = s->Nodes();
      r.deepest = s->Deepest();
    }
  };
  e.SetThinking(true);
  return r;
}

}  // namespace

TEST(Search, ScaleScore) {
  auto check = [](int v, double score, bool final) {
    const TScaled s = TReversiCore::ScaleScore(v);
    EXPECT_DOUBLE_EQ(s.Score, score) << v;
    EXPECT_EQ(s.Final, final) << v;
  };
  check(22006, 6.0, true);
  check(22000, 0.0, true);
  check(-22006, -6.0, true);
  check(-22000, -220.0, false);
  check(123, 1.23, false);
  check(0, 0.0, false);
  check(-57, -0.57, false);
}

TEST(Search, ShallowLevelsSearchOneIterationAtDepthThree) {
  for (TLevel level : {Ply1, Ply2, Ply3}) {
    TReversiCore e;
    std::vector<int> plies;
    int considered = 0, best = 0;
    e.OnPlyChange = [&](TReversiCore*, int ply) { plies.push_back(ply); };
    e.OnConsiderNew = [&](TReversiCore*, const std::string&, int index, int total) {
      EXPECT_EQ(index, ++considered);
      EXPECT_EQ(total, 4);
    };
    e.OnBestChange = [&](TReversiCore* s, const std::string& m, double, bool) {
      ++best;
      EXPECT_EQ(s->MainLine().substr(0, 2), m);
      EXPECT_EQ(s->Ply(), 3);
    };
    e.SetLevel(level);
    e.SetThinking(true);
    EXPECT_EQ(plies, std::vector<int>{3});
    EXPECT_EQ(considered, 4);
    EXPECT_GE(best, 1);
    EXPECT_EQ(e.MovesPlayed, 1);
  }
  TReversiCore e;
  std::vector<int> plies;
  e.OnPlyChange = [&](TReversiCore*, int ply) { plies.push_back(ply); };
  e.SetLevel(Ply6);
  e.SetThinking(true);
  EXPECT_EQ(plies, (std::vector<int>{3, 5, 7}));
}

TEST(Search, DeterministicAtFixedDepth) {
  const std::vector<int> line = {51, 58, 30};  // F5 D6 C3
  const Result a = Search(line, Ply4);
  const Result b = Search(line, Ply4);
  EXPECT_EQ(a, b);
  EXPECT_FALSE(a.move.empty());
  EXPECT_EQ(a.mainLine.substr(0, 2), a.move);
  EXPECT_GT(a.nodes, 0);
  EXPECT_GT(a.deepest, 5);  // the selective search went beyond the horizon
  const Result plain = Search(line, Ply4, false);
  EXPECT_EQ(plain.deepest, 0);  // without it nothing goes past the horizon
}

TEST(Search, HorizonWithoutSelectiveSearchReturnsTheStaticValue) {
  TReversiCore e;  // Ply is 0 before any search: level 1 is beyond it
  e.SetSelective(false);
  TSearchProbe probe(e);
  probe.Line(1, 0) = 31;
  EXPECT_EQ(probe.AlphaBeta(-100, 100, 1, kBlack, 0, 77), 77);
  EXPECT_EQ(probe.Line(1, 0), 0);
  EXPECT_EQ(e.Nodes(), 1);
}

TEST(Search, StopRequestPlaysTheBestMoveSoFar) {
  TReversiCore e;
  e.SetLevel(Infinite);
  std::string lastBest;
  int considered = 0;
  e.OnBestChange = [&](TReversiCore*, const std::string& m, double, bool) { lastBest = m; };
  e.OnConsiderNew = [&](TReversiCore* s, const std::string&, int, int) {
    if (++considered == 7) s->SetThinking(false);  // second iteration, third move
  };
  std::string played;
  e.OnEndSearch = [&](TReversiCore*, const std::string& m) { played = m; };
  Replay(e, {51, 58});
  e.SetThinking(true);
  EXPECT_EQ(played, lastBest);
  EXPECT_FALSE(e.Thinking());
  EXPECT_EQ(e.MovesPlayed, 3);

  // The request belongs to that search: the next one runs in full.
  e.OnConsiderNew = [&](TReversiCore*, const std::string&, int index, int total) { considered = index - total; };
  e.SetLevel(Ply1);
  e.SetThinking(true);
  EXPECT_EQ(considered, 0);
  EXPECT_EQ(e.MovesPlayed, 4);
}

TEST(Search, StopBeforeAnyMoveIsAcceptedPlaysTheFirstOfTheOrder) {
  TReversiCore e;
  e.SetLevel(Infinite);
  int bestChanges = 0;
  e.OnBestChange = [&](TReversiCore*, const std::string&, double, bool) { ++bestChanges; };
  e.OnConsiderNew = [&](TReversiCore* s, const std::string&, int, int) { s->SetThinking(false); };
  std::string first, played;
  e.OnPlyChange = [&](TReversiCore* s, int) { first = SquareName(TSearchProbe(*s).Move(0, 0)); };
  e.OnEndSearch = [&](TReversiCore*, const std::string& m) { played = m; };
  e.SetThinking(true);
  EXPECT_EQ(bestChanges, 0);
  EXPECT_EQ(played, first);
}

TEST(Search, TimeLimitSurvivesTheTickCounterWrapping) {
  // The counter crosses 2^31 and then 2^32 during the search; each read
  // moves it on by 300 ms, so a one-second limit allows a few root moves.
  for (uint32_t start : {0x7FFFFE00u, 0xFFFFFE00u}) {
    TReversiCore e;
    SteppingClock clock(start, 300);
    e.SetHooks(&clock);
    e.SetMoveTime(1);
    int considered = 0;
    e.OnConsiderNew = [&](TReversiCore*, const std::string&, int, int) { ++considered; };
    e.SetThinking(true);
    EXPECT_GE(considered, 2) << std::hex << start;
    EXPECT_LE(considered, 4) << std::hex << start;
    EXPECT_EQ(e.MovesPlayed, 1);
  }
}

TEST(Search, ProvenResultsStopAfterSixEqualIterations) {
  // Near the end of a game the result is exact; an infinite search must
  // still stop by itself.
  const auto line = FindLine([](TReversiCore& g) { return g.MovesPlayed == 52; }, 11);
  ASSERT_NE(line, std::vector<int>{-1});
  TReversiCore e;
  Replay(e, line);
  e.SetLevel(Infinite);
  std::vector<TScaled> results;  // each iteration's value as it ended
  e.OnPlyChange = [&](TReversiCore*, int) { results.emplace_back(); };
  e.OnBestChange = [&](TReversiCore*, const std::string&, double score, bool f) { results.back() = {score, f}; };
  e.SetThinking(true);
  EXPECT_EQ(e.MovesPlayed, 53);
  // It stops at the sixth equal proven result in a row, not later.
  ASSERT_GE(results.size(), 6u);
  const TScaled last = results.back();
  EXPECT_TRUE(last.Final);
  const size_t first = results.size() - 6;
  for (size_t k = first; k < results.size(); ++k) EXPECT_EQ(results[k].Score, last.Score) << k;
  if (first > 0) {
    EXPECT_FALSE(results[first - 1].Final && results[first - 1].Score == last.Score);
  }
}

TEST(Search, StrictTimeStopsInsideARootMoveAsMoveNowDoes) {
  const std::vector<int> line = {51, 58, 30, 31, 39, 50};  // F5 D6 C3 D3 C4 F4
  struct Run {
    std::vector<std::string> log;
    std::vector<std::pair<int64_t, int64_t>> roots;  // calls and nodes as each root move begins
    int64_t nodes = 0, callsAfterJump = 0;
  };
  enum Way { Unlimited, Strict, Plain, MoveNow };
  auto run = [&](Way way, int64_t jumpAt) {
    TReversiCore e;
    NodeClock clock;
    e.SetHooks(&clock);
    Replay(e, line);
    e.SetLevel(way == Strict || way == Plain ? TimeLevel : Infinite);
    e.SetMoveTime(1);
    e.SetStrictTime(way == Strict);
    clock.jumpAt = jumpAt;
    clock.moveNow = way == MoveNow ? &e : nullptr;
    Run r;
    LogEvents(e, r.log);
    e.OnConsiderNew = [&, log = e.OnConsiderNew](TReversiCore* s, const std::string& m, int i, int n) {
      log(s, m, i, n);
      r.roots.emplace_back(clock.calls, s->Nodes());
      if (s->Nodes() > 50000) s->SetThinking(false);  // enough for the unlimited run
    };
    e.SetThinking(true);
    r.nodes = e.Nodes();
    r.callsAfterJump = clock.calls - jumpAt;
    return r;
  };
  // The first root move that takes longer than a few clock readings, and a
  // moment well inside it.
  const Run unlimited = run(Unlimited, INT64_MAX);
  size_t k = 0;
  while (k + 1 < unlimited.roots.size() && unlimited.roots[k + 1].second - unlimited.roots[k].second < 12000) ++k;
  ASSERT_LT(k + 1, unlimited.roots.size());
  const int64_t jumpAt = unlimited.roots[k].first + 4000;

  // Strict: the events of a Move Now at that moment, within a few thousand
  // nodes of the clock running out.
  const Run strict = run(Strict, jumpAt), moveNow = run(MoveNow, jumpAt), plain = run(Plain, jumpAt);
  EXPECT_EQ(strict.log, moveNow.log);
  EXPECT_EQ(strict.roots.size(), k + 1);
  EXPECT_LT(strict.callsAfterJump, 4200);
  // Without the option the root move runs to its end.
  EXPECT_EQ(plain.roots.size(), k + 1);
  EXPECT_EQ(plain.nodes, unlimited.roots[k + 1].second);
}

// A clock that the search's own events move: each iteration starts at its
// given time, its first root move ends at another, the iteration at a third.
class ScriptedClock : public THooks {
 public:
  uint32_t TickCount() override { return now; }
  uint32_t now = 0;
};

TEST(Search, StrictTimeStartsAnIterationWhenItsFirstMoveIsExpectedToFit) {
  struct Iteration {
    uint32_t start, firstMoveDone, done;
  };
  struct Case {
    uint32_t fiveFirstMoveDone, fiveDone;
    bool seven;
  };
  // Depth 3 takes 40 ms, its first move 10. Up to half the two seconds depth
  // 7 always starts; past that its first move is expected to take depth 5's
  // times the growth from depth 3 to depth 5 (at most twelve times), and it
  // must fit.
  const std::vector<Case> cases = {
      {400, 900, true},    // before half the time
      {60, 1040, true},    // 20 ms x 12 from 1040 ms
      {100, 1010, true},   // 60 ms x 12 from 1010 ms
      {140, 1100, false},  // 100 ms x 12 from 1100 ms
      {130, 1040, false},  // 90 ms x 12 from 1040 ms
  };
  for (const Case& c : cases) {
    for (bool strict : {true, false}) {
      const std::vector<Iteration> script = {{0, 10, 40}, {40, c.fiveFirstMoveDone, c.fiveDone}, {c.fiveDone, 0, 0}};
      TReversiCore e;
      ScriptedClock clock;
      e.SetHooks(&clock);
      e.SetStrictTime(strict);
      std::vector<int> plies;
      e.OnPlyChange = [&](TReversiCore* s, int ply) {
        plies.push_back(ply);
        if (ply == 7) s->SetThinking(false);
        clock.now = script[plies.size() - 1].start;
      };
      e.OnConsiderNew = [&](TReversiCore*, const std::string&, int index, int total) {
        const Iteration& it = script[plies.size() - 1];
        if (plies.size() == 3) return;
        if (index == 1) clock.now = it.firstMoveDone;
        if (index == total) clock.now = it.done;
      };
      e.SetThinking(true);
      const bool seven = !strict || c.seven;
      EXPECT_EQ(plies, (seven ? std::vector<int>{3, 5, 7} : std::vector<int>{3, 5})) << c.fiveDone << " " << strict;
      EXPECT_EQ(e.MovesPlayed, 1);
    }
  }
}

TEST(Search, StrictTimeLeavesOtherLevelsAlone) {
  // Clock readings that jump a minute would end any search that made them.
  for (TLevel level : {Ply5, Infinite}) {
    std::vector<std::string> logs[2];
    int64_t nodes[2];
    for (bool strict : {false, true}) {
      TReversiCore e;
      SteppingClock clock(0, 60000);
      e.SetHooks(&clock);
      Replay(e, {51, 58, 30});
      e.SetLevel(level);
      e.SetStrictTime(strict);
      LogEvents(e, logs[strict]);
      if (level == Infinite)
        e.OnPlyChange = [](TReversiCore* s, int ply) {
          if (ply == 7) s->SetThinking(false);
        };
      e.SetThinking(true);
      nodes[strict] = e.Nodes();
    }
    EXPECT_EQ(logs[0], logs[1]);
    EXPECT_EQ(nodes[0], nodes[1]);
  }
}

TEST(Search, CutOffsAreRememberedAsRefutations) {
  TReversiCore e;
  Replay(e, {51, 58, 30});
  e.SetLevel(Ply3);
  e.SetThinking(true);
  int stored = 0;
  const auto& refutation = TSearchProbe(e).Refutation();
  for (const auto& row : refutation)
    for (int sq : row) stored += sq != 0;
  EXPECT_GT(stored, 0);
  for (const auto& row : refutation)
    for (int sq : row) EXPECT_TRUE(sq == 0 || IsPlayingSquare(sq));
}

TEST(Search, ThePositionIsRestoredAfterEverySearch) {
  TReversiCore e;
  Replay(e, {51, 58, 30, 31});
  e.SetLevel(Ply5);
  const auto cellsBefore = e.Cells;
  std::array<int32_t, kCells> atEnd{};
  e.OnPlyChange = [&](TReversiCore* s, int) { atEnd = s->Cells; };  // at the root between iterations
  e.SetThinking(true);
  EXPECT_EQ(atEnd, cellsBefore);
  EXPECT_EQ(e.CheckConsistency(), "");
}

TEST(DevIdoz, FigureFromCount) {
  EXPECT_DOUBLE_EQ(TReversiCore::DevIdozFromCount(23700), 1.0);
  EXPECT_DOUBLE_EQ(TReversiCore::DevIdozFromCount(47400), 2.0);
  EXPECT_DOUBLE_EQ(TReversiCore::DevIdozFromCount(11850), 0.5);
  EXPECT_DOUBLE_EQ(TReversiCore::DevIdozFromCount(0), 0.0);
  EXPECT_DOUBLE_EQ(TReversiCore::DevIdozFromCount(29246), 1.234);
}

TEST(DevIdoz, LeavesTheEnginesOwnStateAlone) {
  TReversiCore e;
  e.SetLevel(Ply1);
  e.PlayMove(51);
  const auto cells = e.Cells;
  const auto nodes = e.Nodes();
  const auto line = e.MainLine();
  const int ply = e.Ply();
  SteppingClock clock(0, 1);  // one millisecond a read: about 500 steps
  e.SetHooks(&clock);
  const double figure = e.DevIdoz();
  EXPECT_GT(figure, 0.0);
  EXPECT_EQ(e.Cells, cells);
  EXPECT_EQ(e.Nodes(), nodes);
  EXPECT_EQ(e.MainLine(), line);
  EXPECT_EQ(e.Ply(), ply);
}

// The disc list's order, which decides the order of equal moves.
std::vector<int> ListOf(const TBoard& b, int colour) {
  std::vector<int> squares;
  for (const TSqr* n = b.ListHead(colour); n; n = n->Next) squares.push_back(n->Square);
  return squares;
}

// Replaces the evaluation with itself: the search must make each move to
// value it, as for any replacement.
class TPassThroughEngine : public TReversiCore {
 public:
  int Evaluate(int depth, int colour) override { return TReversiCore::Evaluate(depth, colour); }
};

TEST(Search, ChildrenValuedWithoutTheirMovesSearchAsWhenMade) {
#ifdef VZ_CHECKS
  constexpr int kGames = 5;  // the checks build confirms every make: slower
#else
  constexpr int kGames = 12;
#endif
  std::mt19937 rng(5);
  for (int game = 0; game < kGames; ++game) {
    std::vector<int> line;
    {
      TBoard b;
      for (int sq : reference::RandomGame(b, rng, 8 + 4 * game)) line.push_back(sq);
    }
    TReversiCore fast;
    TPassThroughEngine made;
    Replay(fast, line);
    Replay(made, line);
    if (fast.FlipPotential(fast.SideToMove) == 0) continue;
    for (TReversiCore* e : {static_cast<TReversiCore*>(&fast), static_cast<TReversiCore*>(&made)}) {
      e->SetLevel(Ply5);
      e->SetGamma(design::kGamma);
      e->SetSelectiveDepth(design::kSelectiveDepth);
      e->SetThinking(true);
    }
    EXPECT_EQ(fast.Nodes(), made.Nodes()) << "game " << game;
    EXPECT_EQ(fast.MainLine(), made.MainLine()) << "game " << game;
    for (int colour : {kBlack, kWhite}) EXPECT_EQ(ListOf(fast, colour), ListOf(made, colour)) << "game " << game;
  }
#if defined(__GNUC__) && !defined(__clang__)
  TReversiCore plain;
  TPassThroughEngine replaced;
  EXPECT_TRUE(TSearchProbe(plain).BuiltInEvaluation());
  EXPECT_FALSE(TSearchProbe(replaced).BuiltInEvaluation());
#endif
}

#ifdef VZ_CHECKS
TEST(ChecksBuild, AMakeOnABrokenBoardStopsWithTheReason) {
  TReversiCore e;
  TSearchProbe probe(e);
  ASSERT_EQ(probe.FindMoves(0, kBlack, 0), 4);
  e.DiscCount[0] += 1;
  EXPECT_DEATH(probe.MakeMove(0, 0, kBlack), "disc counts disagree");
}
#endif
