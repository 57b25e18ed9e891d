// Multi-ProbCut: a shallow search predicts a deep one. For a node of depth
// d the value of a search of ProbCutShallowDepth(d) plies, v, predicts the
// deep value as A*v + B with error Sigma (fitted by least squares on
// positions of real games, per stage of the game and depth; see
// tools/fit_probcut.cpp). When the prediction lies beyond the window by more
// than t sigmas the node is cut without the deep search.
#pragma once

namespace reversi::analyst {

// In evaluation units (1/kScale discs), as the search's values.
struct TProbCutFit {
  double A = 1.0;
  double B = 0.0;
  double Sigma = 0.0;
};

inline constexpr int kMinProbCutDepth = 3;
// Fitted depths; deeper nodes use the fit of this depth.
inline constexpr int kMaxFitDepth = 12;
// Stages of the game: empties / kStageWidth.
inline constexpr int kStageWidth = 4;
inline constexpr int kStages = 64 / kStageWidth;

// The depth of the shallow search that stands in for a search of `depth`:
// about half, of the same parity (the evaluation's bias alternates with the
// side to move).
inline int ProbCutShallowDepth(int depth) {
  const int d = 2 * (depth / 4) + (depth & 1);
  return d > 0 ? d : depth - 2;
}

// The fit for a node of `depth` (>= kMinProbCutDepth) with `empties` empty squares.
const TProbCutFit& ProbCutFit(int empties, int depth);

}  // namespace reversi::analyst
