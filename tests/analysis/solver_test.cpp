// The exact solver against slow, obviously correct references: a full
// minimax for the last empties, the engine's rules for moves and flips, and
// the engine's own full-depth search for positions with ten empties or fewer.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <random>

#include "EngineAdapter.h"
#include "FfoPositions.h"
#include "LastFlips.h"
#include "LookAhead.h"
#include "ReversiCore.h"
#include "Search.h"

using namespace reversi;
using namespace reversi::analysis;

namespace {

// Every line played out, empties to the winner or to nobody.
int Minimax(TBits player, TBits opponent, bool toWinner, bool passed = false) {
  const TBits moves = LegalMoves(player, opponent);
  if (!moves) {
    if (!passed) return -Minimax(opponent, player, toWinner, true);
    const int margin = Count(player) - Count(opponent), empties = 64 - Count(player | opponent);
    return !toWinner || margin == 0 ? margin : margin > 0 ? margin + empties : margin - empties;
  }
  int best = -65;
  for (int sq = 0; sq < 64; ++sq) {
    if (!(moves & Bit(sq))) continue;
    const TBits flips = Flips(sq, player, opponent);
    best = std::max(best, -Minimax(opponent ^ flips, player | flips | Bit(sq), toWinner));
  }
  return best;
}

// Random games on the engine's board, stopped at `empties` empty squares;
// the engine's rules check the solver's moves and flips at every move.
TBitPosition RandomPosition(std::mt19937& rng, int empties) {
  TBoard board;
  board.SetInitialPosition();
  while (64 - board.Discs(kBlack) - board.Discs(kWhite) > empties) {
    const TBitPosition p = FromBoard(board);
    std::vector<int> legal;
    for (int sq = 0; sq < 64; ++sq) {
      const bool engineLegal = board.IsLegal(CellOf(sq));
      EXPECT_EQ(engineLegal, (LegalMoves(p.Player, p.Opponent) & Bit(sq)) != 0) << sq;
      if (engineLegal) legal.push_back(sq);
    }
    if (legal.empty()) {
      if (board.FlipPotential(-board.SideToMove) == 0) break;
      board.SideToMove = -board.SideToMove;
      continue;
    }
    const int sq = legal[rng() % legal.size()];
    const TBits flips = Flips(sq, p.Player, p.Opponent);
    board.ApplyMove(board.SideToMove, CellOf(sq));
    board.SideToMove = -board.SideToMove;
    EXPECT_EQ(FromBoard(board).Opponent, p.Player | flips | Bit(sq));
  }
  return FromBoard(board);
}

// A judgement with few ties, so that a wrong order shows in the value.
int Lopsided(TBits player, TBits opponent) {
  return 7 * Count(LegalMoves(player, opponent)) - 5 * Count(LegalMoves(opponent, player)) +
         3 * Count(player & 0x8142241818244281ull) - Count(opponent);
}

// The look ahead without cut-offs, each side playing on after a pass when
// `played`.
int PlainLookAhead(TBits player, TBits opponent, int depth, bool played) {
  const TBits moves = LegalMoves(player, opponent);
  if (depth == 0) return Lopsided(player, opponent);
  if (!moves) {
    if (!played || !LegalMoves(opponent, player)) return Lopsided(player, opponent);
    return -PlainLookAhead(opponent, player, depth - 1, played);
  }
  int best = -100000;
  for (TBits rest = moves; rest; rest &= rest - 1) {
    const int sq = FirstSquare(rest);
    const TBits flips = Flips(sq, player, opponent);
    best = std::max(best, -PlainLookAhead(opponent ^ flips, player | flips | Bit(sq), depth - 1, played));
  }
  return best;
}

// The look ahead orders its moves for speed; its value must not depend on it.
TEST(Solver, LookAheadValueIsThePlainNegamax) {
  std::mt19937 rng(23);
  for (int round = 0; round < 60; ++round) {
    const TBitPosition p = RandomPosition(rng, 6 + round % 40);
    const TBits opponent = p.Opponent & ~p.Player;
    const int depth = 1 + round % 4;
    EXPECT_EQ((LookAhead<Lopsided, TPasses::Judged>(p.Player, opponent, depth, -100000, 100000)),
              PlainLookAhead(p.Player, opponent, depth, false))
        << round;
    EXPECT_EQ((LookAhead<Lopsided, TPasses::Played>(p.Player, opponent, depth, -100000, 100000)),
              PlainLookAhead(p.Player, opponent, depth, true))
        << round;
  }
}

TEST(Solver, LastEmptiesAgreeWithMinimaxAndWinLossDraw) {
  std::mt19937 rng(7);
  TSolver solver(12);
  for (int round = 0; round < 300; ++round) {
    const int empties = 1 + round % 8;
    const TBitPosition p = RandomPosition(rng, empties);
    for (bool toWinner : {true, false}) {
      solver.SetEmptiesToWinner(toWinner);
      const TSolveResult r = solver.Solve(p);
      ASSERT_EQ(r.Score, Minimax(p.Player, p.Opponent, toWinner)) << "round " << round;
      ASSERT_EQ(solver.Solve(p, TSolveMode::WinLossDraw).Score, (r.Score > 0) - (r.Score < 0));
      if (r.Best >= 0) {  // the best move reaches the score
        const TBits flips = Flips(r.Best, p.Player, p.Opponent);
        ASSERT_NE(flips, 0u);
        EXPECT_EQ(-Minimax(p.Opponent ^ flips, p.Player | flips | Bit(r.Best), toWinner), r.Score);
      }
    }
  }
}

// Discs called stable never change colour, whatever is played: random games
// from random positions to the end, both sides' stable discs watched. (The
// stability bound would cut wrongly on a disc that can turn.)
TEST(Solver, StableDiscsNeverTurn) {
  std::mt19937 rng(17);
  for (int round = 0; round < 300; ++round) {
    TBitPosition p = RandomPosition(rng, 4 + round % 20);
    const TBits stableMover = StableDiscs(p.Player, p.Opponent), stableOther = StableDiscs(p.Opponent, p.Player);
    bool moverToMove = true;
    for (int passes = 0; passes < 2;) {
      TBits moves = LegalMoves(p.Player, p.Opponent);
      if (!moves) {
        ++passes;
      } else {
        passes = 0;
        for (int skip = rng() % Count(moves); skip > 0; --skip) moves &= moves - 1;
        const int sq = FirstSquare(moves);
        const TBits flips = Flips(sq, p.Player, p.Opponent);
        p = {p.Player | flips | Bit(sq), p.Opponent ^ flips};
      }
      std::swap(p.Player, p.Opponent);
      moverToMove = !moverToMove;
      const TBits mover = moverToMove ? p.Player : p.Opponent, other = moverToMove ? p.Opponent : p.Player;
      ASSERT_EQ(mover & stableMover, stableMover) << round;
      ASSERT_EQ(other & stableOther, stableOther) << round;
    }
  }
}

// The table count of the last move's flips against the flips themselves,
// on boards with one empty square anywhere, for both sides.
TEST(Solver, LastFlipCountMatchesTheFlips) {
  std::mt19937_64 rng(13);
  for (int round = 0; round < 4000; ++round) {
    const int square = round % 64;
    const TBits mover = rng() & ~Bit(square), other = ~(mover | Bit(square));
    ASSERT_EQ(LastFlipCount(square, mover), Count(Flips(square, mover, other))) << round;
    ASSERT_EQ(LastFlipCount(square, other), Count(Flips(square, other, mover))) << round;
  }
}

TEST(Solver, PassesWipeOutsAndFinishedGames) {
  TSolver solver(10);
  TBitPosition p;
  // White cannot move; Black takes G1 and wipes White out, 3 to 0 with 61
  // empties to Black.
  ASSERT_TRUE(ParseBoardText("------OX" + std::string(56, '-'), "O", p));
  TSolveResult r = solver.Solve(p);
  EXPECT_EQ(MoveName(r.Best), "PASS");
  EXPECT_EQ(r.Score, -64);
  ASSERT_TRUE(ParseBoardText("------OX" + std::string(56, '-'), "X", p));
  r = solver.Solve(p);
  EXPECT_EQ(r.Score, 64);
  EXPECT_EQ(MoveName(r.Best), "F1");
  // Over with empties: 2 to 1, the empties counted or not.
  ASSERT_TRUE(ParseBoardText("XX-O" + std::string(60, '-'), "O", p));
  r = solver.Solve(p);
  EXPECT_EQ(MoveName(r.Best), "NONE");
  EXPECT_EQ(r.Score, -62);
  solver.SetEmptiesToWinner(false);
  EXPECT_EQ(solver.Solve(p).Score, -1);
  EXPECT_EQ(solver.Solve(p, TSolveMode::WinLossDraw).Score, -1);
  // A full board, 32 all.
  ASSERT_TRUE(ParseBoardText(std::string(32, 'X') + std::string(32, 'O'), "X", p));
  EXPECT_EQ(solver.Solve(p).Score, 0);
}

// A game drawn 32 to 32 on a full board: one empty before the end, whoever
// fills it, the solve is a draw.
TEST(Solver, DrawnGamesOneEmptyBeforeTheEnd) {
  std::ifstream in(VZ_TEST_DATA "/games-sample.txt");
  TSolver solver(10);
  int drawn = 0;
  for (std::string line; drawn < 5 && std::getline(in, line);) {
    if (line.size() < 6 || line.substr(line.size() - 6) != " 32 32" || line.find(' ') != 120) continue;
    TReversiCore engine;
    engine.SetMode(TwoPlayer);
    for (size_t i = 0; i + 2 < 120; i += 2) engine.PlayMove(SquareOf(line[i + 1] - '1', line[i] - 'a'));
    const TSolveResult r = solver.Solve(FromBoard(engine));
    EXPECT_EQ(r.Score, 0) << line;
    const std::string last{static_cast<char>(line[118] - 'a' + 'A'), line[119]};
    EXPECT_TRUE(MoveName(r.Best) == last || MoveName(r.Best) == "PASS") << line;
    ++drawn;
  }
  EXPECT_EQ(drawn, 5);
}

// Large solves start from a guess; wherever they start, the exact score has
// the sign the win-loss-draw solve (which starts from none) finds, and the
// best move reaches it.
TEST(Solver, SolvesFromAGuessAgreeWithWinLossDraw) {
  std::mt19937 rng(5);
  TSolver solver(16);
  for (int round = 0; round < 8; ++round) {
    const TBitPosition p = RandomPosition(rng, 16 + round % 2);
    if (!LegalMoves(p.Player, p.Opponent)) continue;
    const TSolveResult exact = solver.Solve(p);
    EXPECT_EQ(solver.Solve(p, TSolveMode::WinLossDraw).Score, (exact.Score > 0) - (exact.Score < 0)) << round;
    const TBits flips = Flips(exact.Best, p.Player, p.Opponent);
    ASSERT_NE(flips, 0u);
    const TBitPosition after{p.Opponent ^ flips, p.Player | flips | Bit(exact.Best)};
    EXPECT_EQ(-solver.Solve(after).Score, exact.Score) << round;
  }
}

// The first guess is worth having: on the whole it misses the exact score by
// less than half what guessing a draw misses (0.42 of it with the fitted
// weights; negating the mobility, disc or stability weight gives 0.6 to 1).
TEST(Solver, TheGuessMissesByLessThanHalfWhatADrawMisses) {
  std::mt19937 rng(19);
  TSolver solver(16);
  int guessMiss = 0, drawMiss = 0;
  for (int round = 0; round < 100; ++round) {
    const TBitPosition p = RandomPosition(rng, 14);
    if (!LegalMoves(p.Player, p.Opponent)) continue;
    const int exact = solver.Solve(p).Score, guess = EstimateScore(p.Player, p.Opponent, 2);
    ASSERT_LE(std::abs(guess), 64);
    guessMiss += std::abs(guess - exact);
    drawMiss += std::abs(exact);
  }
  EXPECT_LT(2 * guessMiss, drawMiss);
}

// A game that ends with equal discs is a draw, 0, however many squares stay
// empty, in either count of the empties and in win-loss-draw.
TEST(Solver, ADrawWithEmptySquaresIsZero) {
  TSolver solver(10);
  TBitPosition p;
  // Over at once: X on a1, O on h8. Or a draw three to three after X takes
  // c1, the only move of the game.
  for (const std::string& board : {"X" + std::string(62, '-') + "O", "XO-----O" + std::string(48, '-') + "O------O"})
    for (const bool emptiesToWinner : {true, false})
      for (const char* side : {"X", "O"}) {
        ASSERT_TRUE(ParseBoardText(board, side, p));
        solver.SetEmptiesToWinner(emptiesToWinner);
        EXPECT_EQ(solver.Solve(p).Score, 0) << board << side << emptiesToWinner;
        EXPECT_EQ(solver.Solve(p, TSolveMode::WinLossDraw).Score, 0) << board << side << emptiesToWinner;
      }
}

// Clearing forgets both tables: the same solve again walks the same tree as a
// new solver's, and after a change of scoring no old margin is used.
TEST(Solver, ClearingForgetsEverything) {
  std::mt19937 rng(23);
  const TBitPosition p = RandomPosition(rng, 14);
  TSolver fresh(14), used(14);
  const TSolveResult first = fresh.Solve(p);
  used.Solve(RandomPosition(rng, 14));
  used.Solve(p);
  used.ClearHash();
  EXPECT_EQ(used.Solve(p).Nodes, first.Nodes);
  used.SetEmptiesToWinner(false);
  TSolver nobody(14);
  nobody.SetEmptiesToWinner(false);
  EXPECT_EQ(used.Solve(p).Nodes, nobody.Solve(p).Nodes);
}

TEST(Solver, StopFlagEndsTheSolve) {
  std::atomic<bool> stop{true};
  TSolver solver(10);
  solver.SetStopFlag(&stop);
  std::mt19937 rng(3);
  const TSolveResult r = solver.Solve(RandomPosition(rng, 18));
  EXPECT_FALSE(r.Complete);
  stop = false;
  EXPECT_TRUE(solver.Solve(RandomPosition(rng, 12)).Complete);
}

TEST(Solver, DeadlineEndsTheSolve) {
  TSolver solver(10);
  std::mt19937 rng(5);
  solver.SetDeadline(std::chrono::steady_clock::now());
  const TSolveResult late = solver.Solve(RandomPosition(rng, 24));
  EXPECT_FALSE(late.Complete);
  EXPECT_GT(late.Nodes, 0);
  solver.SetDeadline(std::chrono::steady_clock::time_point::max());
  EXPECT_TRUE(solver.Solve(RandomPosition(rng, 12)).Complete);
  solver.SetDeadline(std::chrono::steady_clock::now() + std::chrono::hours(1));
  EXPECT_TRUE(solver.Solve(RandomPosition(rng, 14)).Complete);
}

// A solve cut short still says what it proved: bounds that hold the score,
// whenever the deadline falls.
TEST(Solver, ADeadlineLeavesBoundsAroundTheScore) {
  std::mt19937 rng(31);
  const TBitPosition p = RandomPosition(rng, 18);
  for (const TSolveMode mode : {TSolveMode::Exact, TSolveMode::WinLossDraw}) {
    const int exact = TSolver(16).Solve(p, mode).Score;
    for (const int ms : {0, 2, 8, 32, 64, 128, 256}) {
      TSolver solver(16);
      solver.SetDeadline(std::chrono::steady_clock::now() + std::chrono::milliseconds(ms));
      const TSolveResult r = solver.Solve(p, mode);
      EXPECT_LE(r.Lower, exact) << ms;
      EXPECT_GE(r.Upper, exact) << ms;
      if (r.Complete) {
        EXPECT_EQ(r.Lower, r.Upper);
      }
    }
  }
}

// With ten empties or fewer the engine's search at its deepest level sees
// every line to the end, so its value and its move are exact (empties to
// nobody, as its evaluation counts them).
TEST(Solver, AgreesWithTheEngineSearchAtTenEmpties) {
  std::ifstream in(VZ_TEST_DATA "/games-sample.txt");
  TSolver solver(16);
  solver.SetEmptiesToWinner(false);
  int checked = 0;
  for (std::string line; checked < 24 && std::getline(in, line);) {
    TReversiCore engine;
    engine.SetMode(TwoPlayer);
    engine.SetLevel(Ply12);
    engine.SetSelective(false);
    const int target = 6 + checked % 5;
    for (size_t i = 0; i + 1 < line.size() && line[i] != ' '; i += 2) {
      if (64 - engine.BlackDiscs() - engine.WhiteDiscs() == target) break;
      engine.PlayMove(SquareOf(line[i + 1] - '1', line[i] - 'a'));
    }
    if (64 - engine.BlackDiscs() - engine.WhiteDiscs() != target || !engine.FlipPotential(engine.SideToMove)) continue;
    const TSolveResult exact = solver.Solve(FromBoard(engine));
    double score = 0;
    bool final = false;
    engine.OnBestChange = [&](TReversiCore*, const std::string&, double s, bool f) { score = s, final = f; };
    engine.OnEndGame = [](TReversiCore*) {};
    engine.SetThinking(true);
    EXPECT_EQ(final ? static_cast<int>(score) : 0, exact.Score) << line;
    EXPECT_EQ(final, exact.Score != 0);
    // The engine's move is one of the best: after it, the other side's
    // exact value is minus the same.
    const TSolveResult after = solver.Solve(FromBoard(engine));
    const bool moverAgain = after.Best == kPassMove;
    EXPECT_EQ(moverAgain ? -after.Score : after.Score, -exact.Score) << line;
    ++checked;
  }
  EXPECT_EQ(checked, 24);
}

#ifdef VZ_SOLVER_WIDE
// The build for AVX2 processors has its own moves and flips: the same
// scores, moves and node counts as the plain build prove it walks the same
// tree.
TEST(Solver, BothBuildsOfTheSearchWalkTheSameTree) {
  if (!__builtin_cpu_supports("avx2") || !__builtin_cpu_supports("bmi") || !__builtin_cpu_supports("bmi2") ||
      !__builtin_cpu_supports("popcnt"))
    GTEST_SKIP() << "no AVX2 on this processor";
  std::mt19937 rng(11);
  THashTable plainHash(14), wideHash(14), plainShallow(12), wideShallow(12);
  std::atomic<int64_t> published{0};
  for (int round = 0; round < 40; ++round) {
    const TBitPosition p = RandomPosition(rng, 8 + round % 9);
    const bool toWinner = round % 3 != 0;
    const TSolveMode mode = round % 4 == 0 ? TSolveMode::WinLossDraw : TSolveMode::Exact;
    const TSolveResult plain = SolveOnAnyProcessor({&plainHash, &plainShallow, &published, nullptr, toWinner}, p, mode);
    const TSolveResult wide = SolveWithAvx2({&wideHash, &wideShallow, &published, nullptr, toWinner}, p, mode);
    EXPECT_EQ(plain.Score, wide.Score) << round;
    EXPECT_EQ(plain.Best, wide.Best) << round;
    EXPECT_EQ(plain.Nodes, wide.Nodes) << round;
  }
}
#endif

}  // namespace

// The one FFO position quick enough for every run as a win-loss-draw solve
// (all ten exactly are in analysis_ffo_tests, labelled slow).
TEST(Solver, FfoFortyIsAWin) {
  const auto all = ReadFfoPositions(VZ_TEST_DATA "/ffo-40-59.txt");
  ASSERT_EQ(all.size(), 20u);
  TSolver solver(16);
  const TSolveResult r = solver.Solve(all[0].Position, TSolveMode::WinLossDraw);
  EXPECT_EQ(r.Score, 1);
  // Its best move wins by 38; the move found wins too.
  const TBits flips = Flips(r.Best, all[0].Position.Player, all[0].Position.Opponent);
  ASSERT_NE(flips, 0u);
  EXPECT_EQ(solver
                .Solve({all[0].Position.Opponent ^ flips, all[0].Position.Player | flips | Bit(r.Best)},
                       TSolveMode::WinLossDraw)
                .Score,
            -1);
}
