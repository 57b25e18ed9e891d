// The learner's fit, end to end: weights fitted to labels that some known
// weights produce must give those labels back through the weights file and
// the evaluation the analyst plays with.
#include "Fit.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <fstream>
#include <random>

#include "Bitboard.h"
#include "Patterns.h"
#include "Weights.h"

namespace {

namespace an = reversi::analyst;
namespace bb = reversi::bits;
using an::TBits;

// Positions of random games whose mover has a move, between the given empties.
std::vector<reversi::learn::TSample> RandomSamples(int games, int minEmpties, int maxEmpties, unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<reversi::learn::TSample> out;
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
      const int empties = 64 - bb::Count(p | o);
      if (empties >= minEmpties && empties <= maxEmpties) out.push_back({p, o, 0, 1});
      std::vector<int> list;
      for (; moves; moves &= moves - 1) list.push_back(bb::FirstSquare(moves));
      const int sq = list[rng() % list.size()];
      const TBits f = bb::Flips(sq, p, o);
      p |= f | bb::Bit(sq);
      o &= ~f;
      std::swap(p, o);
    }
  }
  return out;
}

// Known weights, equal where a shape's symmetry says they must be, in whole
// 1/kScale steps so that the file can hold them exactly.
std::vector<float> KnownTable(unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> step(-96, 96);
  std::vector<float> t(an::kStageTableSize);
  for (float& v : t) v = float(step(rng)) / an::kScale;
  uint32_t start = 0;
  for (int k = 0; k < an::kPatternKinds; ++k) {
    const std::vector<uint32_t> canonical = an::CanonicalIndices(k);
    for (uint32_t i = 0; i < canonical.size(); ++i) t[start + i] = t[start + canonical[i]];
    start += canonical.size();
  }
  return t;
}

float Sum(const std::vector<float>& table, const reversi::learn::TSample& s) {
  uint32_t f[reversi::learn::kFeatures];
  reversi::learn::Features(s.Player, s.Opponent, f);
  double v = 0;
  for (uint32_t i : f) v += table[i];
  return float(v);
}

TEST(LearnFit, LabelsOfKnownWeightsComeBackThroughTheFileAndTheEvaluation) {
  const std::vector<float> known = KnownTable(5);
  std::vector<reversi::learn::TSample> samples = RandomSamples(1500, 20, 40, 8);
  ASSERT_GT(samples.size(), 20000u);
  for (auto& s : samples) s.Label = Sum(known, s);
  const std::vector<float> fitted = reversi::learn::FitStage(samples, 1e-4, 400, 2);

  an::TWeightTables tables(std::size_t{an::kStageTableSize} * an::kStages);
  for (std::size_t i = 0; i < tables.size(); ++i)
    tables[i] = int16_t(std::lround(fitted[i % an::kStageTableSize] * an::kScale));
  const std::string path = ::testing::TempDir() + "learn-fit-" + std::to_string(getpid()) + ".weights";
  std::ofstream(path, std::ios::binary) << an::SerializeWeights(tables);
  std::string error;
  const auto eval = an::TEvaluation::Load(path, error);
  unlink(path.c_str());
  ASSERT_TRUE(eval) << error;

  double miss = 0;
  for (const auto& s : samples) {
    const double value = double(eval->Evaluate(s.Player, s.Opponent)) / an::kScale;
    if (std::fabs(s.Label) < 60) miss += std::fabs(value - s.Label);
  }
  // The fit leaves a little residual, and each of ~50 terms is rounded to
  // 1/128: well under a tenth of a disc on average.
  EXPECT_LT(miss / samples.size(), 0.1);
}

}  // namespace
