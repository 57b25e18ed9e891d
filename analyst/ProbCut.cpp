#include "ProbCut.h"

#include <algorithm>

namespace reversi::analyst {
namespace {
#include "ProbCutTable.h"
}  // namespace

const TProbCutFit& ProbCutFit(int empties, int depth) {
  const int stage = std::clamp(empties / kStageWidth, 0, kStages - 1);
  return kProbCutTable[stage][std::clamp(depth, kMinProbCutDepth, kMaxFitDepth)];
}

}  // namespace reversi::analyst
