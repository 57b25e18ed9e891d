#include "Solver.h"

#include <algorithm>

#include "Search.h"
#include "SolverTuning.h"
#include "SplitPool.h"

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

TSolver::~TSolver() = default;

int64_t TSolver::NodesSoFar() const {
  return published_.load(std::memory_order_relaxed) + (pool_ ? pool_->NodesSoFar() : 0);
}

void TSolver::ClearHash() {
  hash_.Clear();
  shallow_.Clear();
  if (pool_) pool_->ClearHash();
}

void TSolver::SetThreads(int threads) {
  threads = std::clamp(threads, 1, kMaxThreads);
  if (threads == Threads()) return;
  pool_.reset();
  if (threads > 1) pool_ = std::make_unique<TSplitPool>(threads - 1);
}

int TSolver::Threads() const {
  return pool_ ? pool_->Helpers() + 1 : 1;
}

void TSolver::SetEmptiesToWinner(bool value) {
  if (value != emptiesToWinner_) ClearHash();  // the stored margins change meaning
  emptiesToWinner_ = value;
}

TSolveResult TSolver::Solve(const TBitPosition& position, TSolveMode mode) {
  static const TSolveEntry solvePosition = PickSearch();  // once, whichever thread comes first
  const TSearchSetup setup{&hash_, &shallow_, &published_, stop_, emptiesToWinner_, deadline_, pool_.get()};
  return solvePosition(setup, position, mode);
}

}  // namespace reversi::analysis
