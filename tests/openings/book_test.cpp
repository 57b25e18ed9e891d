// The opening book: built from games, written, read back under symmetry,
// and refused when damaged.
#include "Book.h"

#include <gtest/gtest.h>

#include <fstream>

#include "BalancedStart.h"
#include "Replay.h"

using namespace reversi;
using namespace reversi::openings;

namespace {

std::vector<TCollectedGame> Games() {
  std::ifstream in(VZ_TEST_DATA "/games-sample.txt");
  std::string text, line;
  for (int i = 0; i < 300 && std::getline(in, line); ++i) text += line + "\n";
  return ReadMoveLines(text).Games;
}

TSidePosition After(const std::string& moves) {
  const TReadResult read = ReadMoveList(moves);
  TSidePosition p;
  WalkGame(read.Game.Start, BitMoves(read.Game), [&](const TPly& ply) { p = ply.Position; });
  return p;
}

// Leaves valued by disc count, so that values are known and differ.
double Discs(const TSidePosition& p) {
  return __builtin_popcountll(p.Player) - __builtin_popcountll(p.Opponent);
}

}  // namespace

TEST(Book, BuiltBookReadsBackWithMinimaxValues) {
  const std::string bytes = TBook::Write(BuildBook(Games(), {8, 4, 2}, Discs));
  std::string error;
  const auto book = TBook::Read(bytes, error);
  ASSERT_TRUE(book) << error;
  const std::vector<TBookMove> start = book->Find(After(""));
  ASSERT_EQ(start.size(), 1u);  // the four first moves are one
  const std::vector<TBookMove> a = book->Find(After("f5d6"));
  const std::vector<TBookMove> b = book->Find(After("d3c5"));
  ASSERT_FALSE(a.empty());
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].Value, b[i].Value);
    EXPECT_EQ(a[i].Games, b[i].Games);
    if (i) {
      EXPECT_GE(a[i - 1].Value, a[i].Value);
    }
  }
  // The start's value is the best reply's value, seen from the other side.
  EXPECT_DOUBLE_EQ(start[0].Value, -book->Find(After("f5"))[0].Value);
}

TEST(Book, DamagedFilesAreRefusedWithAReason) {
  const std::string good = TBook::Write(BuildBook(Games(), {6, 4, 2}, Discs));
  std::string error;
  std::string bad = good;
  bad[bad.size() / 2] ^= 1;
  EXPECT_FALSE(TBook::Read(bad, error));
  EXPECT_NE(error.find("checksum"), std::string::npos);
  EXPECT_FALSE(TBook::Read(good.substr(0, good.size() - 9), error));
  EXPECT_NE(error.find("size"), std::string::npos);
  bad = good;
  bad[8] = 9;
  EXPECT_FALSE(TBook::Read(bad, error));
  EXPECT_NE(error.find("version 9"), std::string::npos);
  EXPECT_FALSE(TBook::Read("", error));
  EXPECT_FALSE(TBook::Load("/nonexistent/book.bin", error));
}

TEST(BalancedStart, SameSeedSameStartWithinTheLimit) {
  int judged = 0;
  auto judge = [&](const TSidePosition& p) {
    ++judged;
    return Discs(p) / 2.0;
  };
  const auto a = FindBalancedStart(11, judge, 1.0);
  const auto b = FindBalancedStart(11, judge, 1.0);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->Moves, b->Moves);
  EXPECT_GE(a->Moves.size(), 8u);
  EXPECT_LE(a->Moves.size(), 12u);
  EXPECT_LE(std::abs(a->Value), 1.0);
  EXPECT_TRUE(WalkGame(TPosition::Standard(), a->Moves, [](const TPly&) {}));
  EXPECT_NE(FindBalancedStart(12, judge, 1.0)->Moves, a->Moves);
  EXPECT_FALSE(FindBalancedStart(
      11, [](const TSidePosition&) { return 9.0; }, 2.0, 20));
}
