#include "SolveCommand.h"

#include <chrono>
#include <condition_variable>
#include <iostream>
#include <mutex>
#include <thread>

#include "EngineAdapter.h"

namespace reversi::tools {

namespace {

using Clock = std::chrono::steady_clock;

// A solve that takes longer than this says how far it has got, and again
// after each further period, so that a user can tell it from a hang.
constexpr std::chrono::seconds kQuietFor{3};
constexpr std::chrono::seconds kReportEvery{5};

// Prints the solver's node count to standard error now and then until it is
// destroyed.
class TProgress {
 public:
  explicit TProgress(const analysis::TSolver& solver) : watcher_([this, &solver] { Watch(solver); }) {}
  ~TProgress() {
    {
      std::lock_guard lock(mutex_);
      done_ = true;
    }
    wake_.notify_one();
    watcher_.join();
  }
  TProgress(const TProgress&) = delete;
  TProgress& operator=(const TProgress&) = delete;

 private:
  void Watch(const analysis::TSolver& solver) {
    const Clock::time_point start = Clock::now();
    Clock::time_point next = start + kQuietFor;
    std::unique_lock lock(mutex_);
    while (!wake_.wait_until(lock, next, [this] { return done_; })) {
      const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - start).count();
      std::cerr << "vezari-analyze: solving, " << seconds << " s, " << solver.NodesSoFar() << " nodes" << std::endl;
      next += kReportEvery;
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  bool done_ = false;
  std::thread watcher_;  // last: started once the rest is ready
};

}  // namespace

void PrintSolve(const analysis::TBitPosition& position, bool wld, std::optional<int> seconds, int threads,
                std::ostream& out) {
  analysis::TSolver solver;
  solver.SetThreads(threads);
  if (seconds) solver.SetDeadline(Clock::now() + std::chrono::seconds(*seconds));
  analysis::TSolveResult r;
  {
    TProgress progress(solver);
    r = solver.Solve(position, wld ? analysis::TSolveMode::WinLossDraw : analysis::TSolveMode::Exact);
  }
  if (r.Complete) {
    out << "{\"score\":" << r.Score << ",\"best\":\"" << analysis::MoveName(r.Best) << "\",\"nodes\":" << r.Nodes
        << "}\n";
    return;
  }
  out << "{\"lower\":" << r.Lower << ",\"upper\":" << r.Upper << ",\"best\":\"" << analysis::MoveName(r.Best)
      << "\",\"nodes\":" << r.Nodes << ",\"complete\":false}\n";
}

}  // namespace reversi::tools
