// The analyst: the learned evaluation searched by the midgame search, and
// the exact solver where the empty squares allow within the time. One
// object per thread: it owns its tables (about 40 MB) and keeps them from one
// analysis to the next, so that analysing the following position is quick.
//
// Positions are the side to move's discs and the other side's; moves are
// squares 0..63 (A1 = 0, B1 = 1, ..., H8 = 63), analysis::kPassMove or
// analysis::kNoMove. Values are final disc margins for the side to move,
// empties to the winner, within +-64.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "Evaluation.h"
#include "Helpers.h"
#include "Search.h"
#include "Solver.h"
#include "TransTable.h"

namespace reversi::analyst {

struct TLimits {
  using TClock = std::chrono::steady_clock;
  // Plies of midgame search and nothing deeper, never an exact solve; 0 for no limit.
  int Depth = 0;
  // Seconds for the whole analysis; 0 for no limit.
  double Seconds = 0;
  // The analysis ends here at the latest.
  TClock::time_point Deadline = TClock::time_point::max();
  // Seconds counts the thread's processor time rather than the wall clock:
  // for measurements on a machine that other programs share.
  bool ProcessorTime = false;
};

struct TAnalysis {
  int Move = analysis::kNoMove;
  double Value = 0;    // discs, for the side to move
  int Depth = 0;       // of the last search completed; the empties when exact
  bool Exact = false;  // proved by the solver
  int64_t Nodes = 0;
  std::vector<int> Pv;  // from Move on; kPassMove for a pass
};

struct TMoveValue {
  int Move = analysis::kNoMove;
  double Value = 0;
  int Depth = 0;
  bool Exact = false;
};

class TAnalyst {
 public:
  // Called after each depth completed and after a solve.
  using TProgress = std::function<void(const TAnalysis&)>;
  using TMovesProgress = std::function<void(const std::vector<TMoveValue>&)>;

  explicit TAnalyst(std::shared_ptr<const TEvaluation> evaluation);

  // The best move and its value. Without any limit it runs until the stop
  // flag is set (or the game's end is reached). A stop or the deadline
  // returns the best found so far, a legal move when there is one.
  TAnalysis Analyse(const analysis::TBitPosition& position, const TLimits& limits,
                    const std::atomic<bool>* stop = nullptr, const TProgress& progress = {});

  // The value of every legal move, best first; empty when the side to move
  // must pass or the game is over.
  std::vector<TMoveValue> AnalyseMoves(const analysis::TBitPosition& position, const TLimits& limits,
                                       const std::atomic<bool>* stop = nullptr, const TMovesProgress& progress = {});

  // Forgets every position seen.
  void Clear();

  // The threads that analyse, the caller's included (1 to 64; the default
  // 1), for the midgame search and the exact solver alike; not while an
  // analysis runs. With more than one, the values are as good but the
  // nodes, and the move among equal ones, vary from run to run.
  void SetThreads(int threads);
  int Threads() const { return helpers_.Count() + 1; }

 private:
  struct TRun;

  TAnalysis Run(TRun& run);
  int64_t NodesSoFar(const TRun& run) const;

  std::shared_ptr<const TEvaluation> evaluation_;
  TTransTable table_;
  TSearch search_;
  analysis::TSolver solver_;
  THelpers helpers_;
};

}  // namespace reversi::analyst
