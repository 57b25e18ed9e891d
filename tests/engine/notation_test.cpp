// Move lists, board strings and GGF: round trips over real games, every
// tolerated paste form, refusals with their messages, and passes.
#include "Notation.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace reversi;

namespace {

int Sq(const char* name) {
  return SquareOf(name[1] - '1', name[0] - 'a');
}

TGame Moves(std::initializer_list<const char*> names, TPosition start = TPosition::Standard()) {
  TGame g{start, {}};
  for (const char* n : names) g.Moves.push_back(Sq(n));
  return g;
}

// Black to move with no legal move; White has one (a pass comes first):
// White a1, Black b1 and c1 on an otherwise empty board.
TPosition BlackMustPass() {
  TPosition p;
  p.Squares[kBitIndex[Sq("a1")]] = kWhite;
  p.Squares[kBitIndex[Sq("b1")]] = kBlack;
  p.Squares[kBitIndex[Sq("c1")]] = kBlack;
  p.Side = kBlack;
  return p;
}

}  // namespace

TEST(Notation, RealGamesRoundTripInEveryForm) {
  std::ifstream in(VZ_TEST_DATA "/games-sample.txt");
  std::string line;
  int games = 0;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string moves, black, white;
    fields >> moves >> black >> white;
    const TReadResult read = ReadMoveList(moves);
    ASSERT_TRUE(read) << moves << ": " << read.Reason;
    ASSERT_EQ(WriteMoveList(read.Game), moves);
    TPosition end;
    ASSERT_TRUE(FinalPosition(read.Game, end));
    ASSERT_TRUE(IsOver(end)) << moves;
    if (white != "?") {
      ASSERT_EQ(std::count(end.Squares.begin(), end.Squares.end(), kBlack), std::stoi(black));
    }
    const std::string ggf = WriteGgf(read.Game, {});
    const TReadResult back = ReadGgf(ggf);
    ASSERT_TRUE(back) << back.Reason << "\n" << ggf;
    ASSERT_EQ(back.Game, read.Game);
    ASSERT_NE(ggf.find("RE["), std::string::npos);
    ++games;
  }
  EXPECT_GT(games, 4000);
}

TEST(Notation, EveryPasteFormReadsTheSameGame) {
  const TGame expected = Moves({"f5", "d6", "c3", "d3"});
  for (const char* text : {"f5d6c3d3", "F5D6C3D3", "f5 d6 c3 d3", "f5, d6, c3, d3", "f5-d6-c3-d3", "f5\nd6\r\nc3\td3",
                           "1. F5 d6 2. C3 d3", "1.f5 2.d6 3.c3 4.d3", "1... f5 d6 c3 d3\n"}) {
    const TReadResult r = ReadMoveList(text);
    EXPECT_TRUE(r) << text << ": " << r.Reason;
    EXPECT_EQ(r.Game, expected) << text;
  }
  EXPECT_EQ(ReadGameText("  f5 d6 c3 d3").Game, expected);
  EXPECT_EQ(ReadGameText("").Game, TGame{});
  EXPECT_EQ(ReadGameText("\xef\xbb\xbfGame 1:\n(;GM[Othello]B[f5]W[d6]B[c3]W[d3];)").Game, expected);
}

TEST(Notation, RefusalsNameTheMoveAndTheProblem) {
  const std::pair<const char*, const char*> cases[] = {
      {"f5d6c3d3c4f4h9", "move 7, \"h9\": not a square"},
      {"f5 d6 z1", "move 3, \"z1\": not a square"},
      {"f5d", "move 2, \"d\": not a square"},
      {"1 f5 2 d6", "move 1, \"1\": not a square"},
      {"f5f5", "move 2, \"f5\": not a legal move for White"},
      {"f5 pass", "move 2, \"pass\": White has a legal move and cannot pass"},
      {"-- f5", "move 1, \"--\": Black has a legal move and cannot pass"},
      {"f5 d6 PA", "move 3, \"PA\": Black has a legal move and cannot pass"},
  };
  for (const auto& [text, reason] : cases) {
    const TReadResult r = ReadMoveList(text);
    EXPECT_FALSE(r) << text;
    EXPECT_EQ(r.Reason, reason) << text;
  }
}

TEST(Notation, PassesAreReadWhereForcedAndWrittenInGgf) {
  // Black cannot move at the start; White plays d1 and the game is over.
  const TPosition start = BlackMustPass();
  ASSERT_EQ(LegalMoves(start), 0u);
  const TGame game = Moves({"d1"}, start);
  for (const char* text : {"d1", "pass d1", "PA d1", "-- d1"}) {
    const TReadResult r = ReadMoveList(text, start);
    EXPECT_TRUE(r) << text << ": " << r.Reason;
    EXPECT_EQ(r.Game, game) << text;
  }
  // Only "--" is a pass; a longer run of dashes separates moves, and is no
  // pass where none is forced.
  EXPECT_EQ(ReadMoveList("f5---d6").Game, Moves({"f5", "d6"}));
  EXPECT_EQ(ReadMoveList("--- f5").Game, Moves({"f5"}));
  // GGF writes a pass PA (or PASS); "pas" is no square and no pass.
  EXPECT_EQ(ReadGgf("(;GM[Othello]BO[8 " + WriteBoard(start) + "]B[pas]W[d1];)").Reason,
            "move 1, \"B[pas]\": not a square");
  EXPECT_EQ(ReadGgf("(;GM[Othello]BO[8 " + WriteBoard(start) + "]B[PASS]W[d1];)").Game, game);
  const std::string ggf = WriteGgf(game, {"here", "2026.01.02_03:04:05.UTC", "Ann", "Bob"});
  EXPECT_EQ(ggf,
            "(;GM[Othello]PC[here]DT[2026.01.02_03:04:05.UTC]PB[Ann]PW[Bob]RE[-4.00]TY[8]BO[8 O**----- -------- "
            "-------- -------- -------- -------- -------- -------- *]B[PA]W[D1];)");
  EXPECT_EQ(ReadGgf(ggf).Game, game);
  // The pass may be left out; a move out of turn may not.
  EXPECT_EQ(ReadGgf("(;GM[Othello]BO[8 " + WriteBoard(start) + "]W[d1];)").Game, game);
  EXPECT_EQ(ReadGgf("(;B[f5]B[d6];)").Reason, "move 2, \"B[d6]\": it is White's turn");
}

TEST(Notation, BoardStringsRoundTripAndRefuseWithReasons) {
  TPosition end;
  ASSERT_TRUE(FinalPosition(Moves({"f5", "d6", "c3"}), end));
  const std::string text = WriteBoard(end);
  EXPECT_EQ(text,
            std::string(16, '-') + "--X-----" + "---XX---" + "---OXX--" + "---O----" + std::string(16, '-') + " O");
  EXPECT_EQ(ReadBoard(text).Game.Start, end);
  std::string rows;
  for (int r = 0; r < 8; ++r) rows += text.substr(8 * r, 8) + "\n";
  for (char& c : rows) c = c == 'X' ? '*' : c == '-' ? '.' : c;
  EXPECT_EQ(ReadGameText(rows + (end.Side == kBlack ? "B" : "W") + " ; from a book").Game.Start, end);

  const std::string empty(64, '-');
  EXPECT_EQ(ReadBoard(empty.substr(0, 60)).Reason, "the board has 60 squares, not 64, and no side to move");
  EXPECT_EQ(ReadBoard(empty).Reason, "the side to move (X or O) is missing after the 64 squares");
  EXPECT_EQ(ReadBoard("--?" + empty).Reason, "square c1: \"?\" is not X, O or -");
  EXPECT_EQ(ReadBoard(empty + " Z").Reason, "\"Z\" is not a side to move (X or O)");
  EXPECT_EQ(ReadBoard(empty + " X f5").Reason, "unexpected \"f5\" after the side to move");
  EXPECT_EQ(ReadBoard(empty.substr(1) + " X").Reason, "the board has 63 squares, not 64");
  EXPECT_EQ(ReadBoard("X" + empty.substr(1) + " O").Reason, "the board has no white disc");
  // A byte-order mark, as some editors write one, is passed over.
  EXPECT_EQ(ReadGameText("\xEF\xBB\xBF" + text).Game.Start, end);
  EXPECT_EQ(ReadGameText("\xEF\xBB\xBF"
                         "f5 d6 c3")
                .Game,
            Moves({"f5", "d6", "c3"}));
}

TEST(Notation, GgfReadsAnyOrderAndAnnotationsAndRefusesWithReasons) {
  const TGame opening = Moves({"f5", "d6", "c3"});
  EXPECT_EQ(ReadGgf("junk (;PB[a\\]b]B[F5/1.23/0.4]XY[(;]W[d6//2.1]TY[ 8 ]B[c3];)(;B[e6];)").Game.Moves, opening.Moves);
  const std::pair<std::string, std::string> cases[] = {
      {"f5d6", "no GGF game: \"(;\" is missing"},
      {"(;GM[Othello]B[f5]", "the game does not end with \";)\""},
      {"(;GM[Chess];)", "the game is Chess, not Othello"},
      {"(;TY[8r]B[f5];)", "TY[8r]: only TY[8], standard 8 x 8 Othello, is read"},
      {"(;BO[10 *];)", "BO: only 8 x 8 boards are read"},
      {"(;BO[6 ------ ------ ------ ------ ------ ------ *];)", "BO: only 8 x 8 boards are read"},
      {"(;BO[8 " + std::string(64, '-') + " *];)", "BO: the board has no black disc"},
      {"(;BO[8 " + std::string(63, '-') + "O *];)", "BO: the board has no black disc"},
      {"(;BO[8 X" + std::string(63, '-') + " *];)", "BO: the board has no white disc"},
      {"(;BO[8 ---];)", "BO: the board has 3 squares, not 64, and no side to move"},
      {"(;B[f5]W[h9];)", "move 2, \"W[h9]\": not a square"},
      {"(;B[f5]W[f5];)", "move 2, \"W[f5]\": not a legal move for White"},
      {"(;PB[x](;B[f5];);)", "unexpected \"(\" at character 8"},
      {"(;PB[x", "property PB is not closed with ]"},
      {"(;" + std::string(kMaxNotationBytes, ' ') + ";)", "the file is far too large to be a game"},
  };
  for (const auto& [text, reason] : cases) {
    const TReadResult r = ReadGgf(text);
    EXPECT_FALSE(r) << text.substr(0, 40);
    EXPECT_EQ(r.Reason, reason) << text.substr(0, 40);
  }
  // Names with the GGF delimiters survive a round trip unchanged in meaning.
  EXPECT_NE(WriteGgf(opening, {"a]b\\c", "", "", ""}).find("PC[a\\]b\\\\c]"), std::string::npos);
}
