#include "Evaluation.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <vector>

#include "Bitboard.h"
#include "Patterns.h"
#include "Weights.h"

namespace {

using reversi::analyst::TBits;
using reversi::analyst::TEvaluation;
namespace bb = reversi::bits;

struct TPos {
  TBits Player, Opponent;
};

// Positions of random games, every ply, the side to move first.
std::vector<TPos> RandomPositions(int games, unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<TPos> out;
  for (int g = 0; g < games; ++g) {
    TBits p = 0x0000000810000000ull, o = 0x0000001008000000ull;
    for (int passes = 0; passes < 2;) {
      TBits moves = bb::LegalMoves(p, o);
      if (!moves) {
        ++passes;
        std::swap(p, o);
        continue;
      }
      passes = 0;
      out.push_back({p, o});
      std::vector<int> list;
      for (; moves; moves &= moves - 1) list.push_back(bb::FirstSquare(moves));
      const int sq = list[rng() % list.size()];
      const TBits f = bb::Flips(sq, p, o);
      p |= f | bb::Bit(sq);
      o &= ~f;
      std::swap(p, o);
    }
    out.push_back({p, o});
  }
  return out;
}

TBits MirrorRows(TBits b) {
  return __builtin_bswap64(b);
}
TBits MirrorColumns(TBits b) {
  b = ((b >> 1) & 0x5555555555555555ull) | ((b & 0x5555555555555555ull) << 1);
  b = ((b >> 2) & 0x3333333333333333ull) | ((b & 0x3333333333333333ull) << 2);
  return ((b >> 4) & 0x0F0F0F0F0F0F0F0Full) | ((b & 0x0F0F0F0F0F0F0F0Full) << 4);
}
// Square (r, c) to (c, r), done square by square: independent of the
// evaluation's own bit tricks.
TBits Transpose(TBits b) {
  TBits t = 0;
  for (int sq = 0; sq < 64; ++sq)
    if (b >> sq & 1) t |= TBits{1} << (8 * (sq % 8) + sq / 8);
  return t;
}
TBits Symmetry(TBits b, int s) {
  if (s & 1) b = MirrorRows(b);
  if (s & 2) b = MirrorColumns(b);
  if (s & 4) b = Transpose(b);
  return b;
}

void ExpectSymmetricAndBounded(const TEvaluation& eval) {
  for (const TPos& pos : RandomPositions(40, 7)) {
    const int value = eval.Evaluate(pos.Player, pos.Opponent);
    EXPECT_LE(std::abs(value), reversi::analyst::kMaxValue);
    for (int s = 1; s < 8; ++s)
      ASSERT_EQ(eval.Evaluate(Symmetry(pos.Player, s), Symmetry(pos.Opponent, s)), value)
          << "symmetry " << s << " of " << std::hex << pos.Player << " " << pos.Opponent;
  }
}

TEST(AnalystEvaluation, StandInIsTheSameUnderTheBoardsSymmetries) {
  ExpectSymmetricAndBounded(*TEvaluation::StandIn());
}

// Random tables, large enough that sums leave the board's range: any copy of
// a shape read in the wrong order, or a missing copy, shows.
std::string RandomWeightsFile() {
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> value(-3000, 3000);
  reversi::analyst::TWeightTables tables(std::size_t{reversi::analyst::kStageTableSize} * reversi::analyst::kStages);
  for (int16_t& v : tables) v = static_cast<int16_t>(value(rng));
  return reversi::analyst::SerializeWeights(tables);
}

class TWeightsFileTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& bytes) {
    std::ofstream(path_, std::ios::binary) << bytes;
    return path_;
  }
  void TearDown() override { unlink(path_.c_str()); }
  std::string path_ = ::testing::TempDir() + "analyst-" + std::to_string(getpid()) + ".weights";
};

TEST_F(TWeightsFileTest, LearnedEvaluationIsTheSameUnderTheBoardsSymmetriesAndWithinTheBoard) {
  std::string error;
  const auto eval = TEvaluation::Load(Write(RandomWeightsFile()), error);
  ASSERT_TRUE(eval) << error;
  ExpectSymmetricAndBounded(*eval);
}

// A side that must pass is judged from its opponent's turn: the weights know
// only positions whose mover had a move.
TEST_F(TWeightsFileTest, APositionWhoseMoverMustPassIsTheOpponentsToMove) {
  std::string error;
  const auto eval = TEvaluation::Load(Write(RandomWeightsFile()), error);
  ASSERT_TRUE(eval) << error;
  int passes = 0;
  for (const TPos& game : RandomPositions(200, 5))
    for (const TPos& pos : {game, TPos{game.Opponent, game.Player}}) {
      if (bb::LegalMoves(pos.Player, pos.Opponent) || !bb::LegalMoves(pos.Opponent, pos.Player)) continue;
      ++passes;
      EXPECT_EQ(eval->Evaluate(pos.Player, pos.Opponent), -eval->Evaluate(pos.Opponent, pos.Player));
    }
  EXPECT_GT(passes, 0);
}

TEST_F(TWeightsFileTest, DamagedFilesAreRefusedWithAReason) {
  const std::string good = RandomWeightsFile();
  std::string error;
  EXPECT_FALSE(TEvaluation::Load(path_ + ".none", error));
  EXPECT_NE(error.find("no such"), std::string::npos) << error;
  std::string flipped = good;
  flipped[good.size() / 2] ^= 1;
  std::string version = good;
  version[8] = 9;
  std::string magic = good;
  magic[0] = 'X';
  for (const auto& [bytes, reason] :
       std::vector<std::pair<std::string, std::string>>{{good.substr(0, good.size() - 1), "truncated"},
                                                        {good + "x", "extended"},
                                                        {"", "header"},
                                                        {flipped, "checksum"},
                                                        {version, "version"},
                                                        {magic, "header"}}) {
    EXPECT_FALSE(TEvaluation::Load(Write(bytes), error)) << reason;
    EXPECT_NE(error.find(reason), std::string::npos) << error;
  }
}

TEST(AnalystEvaluation, ShippedWeightsLoadAndCallTheStartNearlyEven) {
  std::string error;
  const auto eval = TEvaluation::LoadDefault(error);
  ASSERT_TRUE(eval) << error;
  EXPECT_LE(std::abs(eval->Evaluate(0x0000000810000000ull, 0x0000001008000000ull)), 3 * reversi::analyst::kScale);
}

TEST(AnalystPatterns, FastIndicesAgreeWithTheSquareBySquareReading) {
  uint32_t fast[reversi::analyst::kPatternCopies], slow[reversi::analyst::kPatternCopies];
  for (const TPos& pos : RandomPositions(20, 3)) {
    reversi::analyst::PatternIndices(pos.Player, pos.Opponent, fast);
    reversi::analyst::PatternIndicesPortable(pos.Player, pos.Opponent, slow);
    ASSERT_TRUE(std::equal(fast, fast + reversi::analyst::kPatternCopies, slow));
  }
}

// Each side's potential mobility, counted square by square: an empty square
// with one of the other side's discs among its eight neighbours.
TEST(AnalystPatterns, PotentialMobilityCountsTheEmptySquaresBesideTheOtherSide) {
  namespace an = reversi::analyst;
  auto count = [](TBits empty, TBits other) {
    uint32_t n = 0;
    for (int sq = 0; sq < 64; ++sq) {
      if (!(empty >> sq & 1)) continue;
      bool beside = false;
      for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc) {
          const int r = sq / 8 + dr, c = sq % 8 + dc;
          beside |= (dr || dc) && r >= 0 && r < 8 && c >= 0 && c < 8 && (other >> (8 * r + c) & 1);
        }
      n += beside;
    }
    return std::min<uint32_t>(n, an::kPotentialCap);
  };
  uint32_t index[an::kSingleValueCount];
  for (const TPos& pos : RandomPositions(10, 9)) {
    const TBits empty = ~(pos.Player | pos.Opponent);
    an::SingleValueIndices(pos.Player, pos.Opponent, 0, 0, index);
    EXPECT_EQ(index[3], an::kMoverPotential + count(empty, pos.Opponent));
    EXPECT_EQ(index[4], an::kOtherPotential + count(empty, pos.Player));
  }
}

}  // namespace
