// The one thread the window's analysis runs on, and the one exact solver and
// the one analyst it owns (the analyst made with the first job that asks for
// it, its tables kept from one job to the next), each searching on the
// threads asked for (SetThreads; one by default). Jobs wait in a queue by priority (lower first, in order of arrival
// within one); each starts with the solver's tables cleared, its stop flag
// set and no deadline. A job is never cut short by another: a stop request
// or its own deadline ends it, and the search's stop checks keep that within
// a millisecond or so.
//
// Plain C++: the window's side (posting results back to its thread) is
// TAnalysisRunner's (AnalysisWorker.h).
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "Analyst.h"
#include "Solver.h"

class TAnalysisThread {
 public:
  struct TJob {
    const void* Owner = nullptr;  // whose job: what Cancel names
    int Priority = 0;
    std::shared_ptr<std::atomic<bool>> Stop;  // never null
    std::function<void(reversi::analysis::TSolver& solver)> Run;
    // Hears, on the analysis thread, what ended Run with an exception (for
    // instance a table that could not be allocated). The thread goes on with
    // the next job.
    std::function<void(const std::string& what)> Failed;
  };

  // The solver's large table has 2^hashBits buckets; it is allocated with
  // the first job.
  explicit TAnalysisThread(int hashBits = 18);
  // Stops the running job, drops the others and joins the thread.
  ~TAnalysisThread();
  TAnalysisThread(const TAnalysisThread&) = delete;
  TAnalysisThread& operator=(const TAnalysisThread&) = delete;

  void Queue(TJob job);
  // The thread's analyst, on the shipped weights; for the running job only.
  // Throws with the reason when the weights cannot be read.
  reversi::analyst::TAnalyst& Analyst();
  // Drops owner's waiting jobs and stops its running one; with wait, returns
  // only once that one has returned.
  void Cancel(const void* owner, bool wait);
  // The threads the solver and the analyst search on (1 to 64), from the
  // next job on; the job running keeps its own.
  void SetThreads(int threads);
  int Threads() const { return threads_.load(); }

 private:
  void Loop();
  void RunOne(TJob& job);

  const int hashBits_;
  std::atomic<int> threads_{1};
  std::unique_ptr<reversi::analysis::TSolver> solver_;   // the thread's own
  std::unique_ptr<reversi::analyst::TAnalyst> analyst_;  // the thread's own
  std::mutex mutex_;
  std::condition_variable wake_;      // a job queued, or the end
  std::condition_variable finished_;  // the running job returned
  std::deque<TJob> queue_;
  const void* runningOwner_ = nullptr;
  std::shared_ptr<std::atomic<bool>> runningStop_;
  bool quit_ = false;
  std::thread thread_;  // last: it starts once the rest is ready
};
