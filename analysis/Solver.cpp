#include "Solver.h"

#include "Search.h"

namespace reversi::analysis {

namespace {

// The build of the search for the processor the program runs on, not the one
// it was built on.
TSolveEntry PickSearch() {
#ifdef VZ_SOLVER_WIDE
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi2") && __builtin_cpu_supports("popcnt"))
    return &wide::SolvePosition;
#endif
  return &base::SolvePosition;
}

const TSolveEntry kSolvePosition = PickSearch();

}  // namespace

TSolver::TSolver(int hashBits) : hash_(hashBits) {}

void TSolver::SetEmptiesToWinner(bool value) {
  if (value != emptiesToWinner_) hash_.Clear();  // the stored margins change meaning
  emptiesToWinner_ = value;
}

TSolveResult TSolver::Solve(const TBitPosition& position, TSolveMode mode) {
  const TSearchSetup setup{&hash_, &published_, stop_, emptiesToWinner_};
  return kSolvePosition(setup, position, mode);
}

}  // namespace reversi::analysis
