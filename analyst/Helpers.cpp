#include "Helpers.h"

#include <algorithm>

namespace reversi::analyst {

void THelpers::SetCount(int helpers) {
  searches_.clear();
  for (int k = 0; k < helpers; ++k) searches_.push_back(std::make_unique<TSearch>(evaluation_, table_));
}

void THelpers::Start(const TRoot& root, int first) {
  Stop();
  stop_.store(false);
  nodes_.store(0);
  ownDepth_.store(first);
  order_ = root.Moves;
  bestDepth_ = 0;
  best_.clear();
  for (int k = 0; k < Count(); ++k) threads_.emplace_back([this, k, root, first] { Loop(k, root, first); });
}

void THelpers::Completed(const std::vector<TRootMove>& moves) {
  std::lock_guard lock(mutex_);
  order_ = moves;
}

bool THelpers::Deeper(int& depth, std::vector<TRootMove>& moves) {
  std::lock_guard lock(mutex_);
  if (bestDepth_ <= depth) return false;
  depth = bestDepth_;
  moves = best_;
  return true;
}

void THelpers::Stop() {
  stop_.store(true);
  for (std::thread& t : threads_) t.join();
  threads_.clear();
}

void THelpers::Loop(int index, TRoot root, int first) {
  TSearch& search = *searches_[index];
  search.Reset();
  search.SetStopFlag(&stop_);
  search.SetDeadline(root.Deadline);
  search.SetProcessorDeadline(kNever);
  search.SetSelectiveEnd(root.SelectiveEnd);
  // Every other helper one depth ahead of the analysis's own thread.
  const int ahead = index % 2 == 0 ? 1 : 0;
  int64_t counted = 0;
  for (int done = first - 1; !stop_.load(std::memory_order_relaxed);) {
    const int depth = std::min(root.MaxDepth, std::max(done + 1, ownDepth_.load(std::memory_order_relaxed) + ahead));
    if (depth <= done) break;
    std::vector<TRootMove> trial;
    {
      std::lock_guard lock(mutex_);
      trial = order_;
    }
    for (TRootMove& m : trial) m.Value = -kInfinity;
    const bool complete = search.SearchRoot(root.Player, root.Opponent, depth, trial, root.Every);
    nodes_.fetch_add(search.Nodes() - counted, std::memory_order_relaxed);
    counted = search.Nodes();
    if (!complete) break;
    done = depth;
    std::lock_guard lock(mutex_);
    if (depth > bestDepth_) {
      bestDepth_ = depth;
      best_ = trial;
    }
  }
}

}  // namespace reversi::analyst
