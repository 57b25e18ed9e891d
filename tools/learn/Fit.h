// Least-squares fit of one stage's weights: the sum of the position's
// pattern weights and single values against its label, with an L2 penalty
// that keeps rarely seen configurations near zero.
#pragma once

#include <vector>

#include "Evaluation.h"
#include "Patterns.h"

namespace reversi::learn {

struct TSample {
  analyst::TBits Player = 0;
  analyst::TBits Opponent = 0;
  float Label = 0;   // discs for the side to move
  float Weight = 1;  // the sample's share in the sum of squares
};

// The stage's full table (kStageTableSize values in discs), entries that a
// shape's symmetry maps onto each other equal. Preconditioned conjugate
// gradients on the normal equations.
std::vector<float> FitStage(const std::vector<TSample>& samples, double lambda, int iterations, int threads);

// The weights' own features of a position: one entry of the stage table per
// pattern copy and single value, as the evaluation adds them.
inline constexpr int kFeatures = analyst::kPatternCopies + analyst::kSingleValueCount;
void Features(analyst::TBits player, analyst::TBits opponent, uint32_t* out);

}  // namespace reversi::learn
