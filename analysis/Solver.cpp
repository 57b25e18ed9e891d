#include "Solver.h"

#include "Search.h"
#include "SolverTuning.h"

namespace reversi::analysis {

namespace {

// The build of the search for the processor the program runs on, not the one
// it was built on.
TSolveEntry PickSearch() {
#ifdef VZ_SOLVER_WIDE
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") && __builtin_cpu_supports("bmi2") &&
      __builtin_cpu_supports("popcnt"))
    return &SolveWithAvx2;
#endif
  return &SolveOnAnyProcessor;
}

}  // namespace

TSolver::TSolver(int hashBits) : hash_(hashBits), shallow_(kShallowTableBits) {}

void TSolver::SetEmptiesToWinner(bool value) {
  if (value != emptiesToWinner_) ClearHash();  // the stored margins change meaning
  emptiesToWinner_ = value;
}

TSolveResult TSolver::Solve(const TBitPosition& position, TSolveMode mode) {
  static const TSolveEntry solvePosition = PickSearch();  // once, whichever thread comes first
  const TSearchSetup setup{&hash_, &shallow_, &published_, stop_, emptiesToWinner_, deadline_};
  return solvePosition(setup, position, mode);
}

}  // namespace reversi::analysis
