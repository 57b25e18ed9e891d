// The threads that help one analysis: each runs the same iterative
// deepening on the same root with a search of its own, the transposition
// table shared (TransTable.h, no lock), so that what one finds the others
// read instead of searching it again. Half of them keep one depth ahead of
// the analysis's own thread, so that its next depth finds much of its tree
// already in the table; a depth that a helper completes before the
// analysis's own thread does is taken as the result. No split points and
// no lock in the search: it scales with the table's bandwidth, and each
// thread's tree stays a whole, well-ordered search.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "Evaluation.h"
#include "Search.h"
#include "TransTable.h"

namespace reversi::analyst {

class THelpers {
 public:
  struct TRoot {
    uint64_t Player = 0, Opponent = 0;
    std::vector<TRootMove> Moves;  // the order to search them in
    int MaxDepth = 0;
    bool Every = false;
    bool SelectiveEnd = false;
    std::chrono::steady_clock::time_point Deadline = std::chrono::steady_clock::time_point::max();
  };

  THelpers(const TEvaluation& evaluation, TTransTable& table) : evaluation_(evaluation), table_(table) {}
  ~THelpers() { Stop(); }
  THelpers(const THelpers&) = delete;
  THelpers& operator=(const THelpers&) = delete;

  // How many helpers the next Start runs; not while they run.
  void SetCount(int helpers);
  int Count() const { return static_cast<int>(searches_.size()); }

  // The helpers begin searching root at depth `first` and beyond.
  void Start(const TRoot& root, int first);
  // The analysis's own thread begins `depth`.
  void Begins(int depth) { ownDepth_.store(depth, std::memory_order_relaxed); }
  // The analysis's own thread completed a depth: the order for the helpers'
  // next depths.
  void Completed(const std::vector<TRootMove>& moves);
  // A depth deeper than `depth` that a helper completed: its moves, best
  // first. False when none has.
  bool Deeper(int& depth, std::vector<TRootMove>& moves);
  // Stops the helpers and waits for them.
  void Stop();
  // Their nodes: those of the depths completed while they run, all after Stop.
  int64_t Nodes() const { return nodes_.load(std::memory_order_relaxed); }

 private:
  void Loop(int index, TRoot root, int first);

  const TEvaluation& evaluation_;
  TTransTable& table_;
  std::vector<std::unique_ptr<TSearch>> searches_;
  std::vector<std::thread> threads_;
  std::atomic<bool> stop_{false};
  std::atomic<int> ownDepth_{0};
  std::atomic<int64_t> nodes_{0};

  std::mutex mutex_;  // guards what follows
  std::vector<TRootMove> order_;
  int bestDepth_ = 0;
  std::vector<TRootMove> best_;
};

}  // namespace reversi::analyst
