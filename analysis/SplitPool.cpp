#include "SplitPool.h"

#include <algorithm>

#include "Search.h"
#include "SolverTuning.h"

namespace reversi::analysis {

TSplitPool::THelper::THelper() : Shallow(kShallowTableBits) {}

TSplitPool::TSplitPool(int helpers) {
  for (int i = 0; i < helpers; ++i) helpers_.push_back(std::make_unique<THelper>());
  for (int i = 0; i < helpers; ++i) threads_.emplace_back([this, i] { Run(i); });
}

TSplitPool::~TSplitPool() {
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
  }
  wake_.notify_all();
  for (std::thread& t : threads_) t.join();
}

void TSplitPool::Begin(const TSearchSetup& master, THelp help) {
  std::lock_guard lock(mutex_);
  master_ = std::make_unique<TSearchSetup>(master);
  help_ = help;
  Cancelled.store(false);
  for (auto& h : helpers_) {
    h->Shallow.NewSearch();
    h->Published.store(0, std::memory_order_relaxed);
    h->Nodes = 0;
  }
  active_.store(true);
  running_ = Helpers();
  ++generation_;
  wake_.notify_all();
}

void TSplitPool::End() {
  std::unique_lock lock(mutex_);
  active_.store(false);
  done_.wait(lock, [this] { return running_ == 0; });
}

void TSplitPool::Open(TSplitPoint& point) {
  std::lock_guard lock(mutex_);
  open_.push_back(&point);
  openCount_.store(static_cast<int>(open_.size()), std::memory_order_relaxed);
}

void TSplitPool::Close(TSplitPoint& point) {
  std::lock_guard lock(mutex_);
  open_.erase(std::find(open_.begin(), open_.end(), &point));
  openCount_.store(static_cast<int>(open_.size()), std::memory_order_relaxed);
}

TSplitPoint* TSplitPool::Join(const TSplitPoint* under) {
  if (openCount_.load(std::memory_order_relaxed) == 0) return nullptr;
  std::lock_guard lock(mutex_);
  // The split point nearest the root first: the most work for one join.
  for (TSplitPoint* point : open_) {
    if (point->Cut.load(std::memory_order_relaxed) || (under && !point->Under(under))) continue;
    std::lock_guard moves(point->Lock);
    if (point->Next >= point->Count) continue;
    point->Workers.fetch_add(1);
    return point;
  }
  return nullptr;
}

int64_t TSplitPool::NodesSoFar() const {
  int64_t sum = 0;
  for (const auto& h : helpers_) sum += h->Published.load(std::memory_order_relaxed);
  return sum;
}

int64_t TSplitPool::Nodes() const {
  int64_t sum = 0;
  for (const auto& h : helpers_) sum += h->Nodes;
  return sum;
}

void TSplitPool::ClearHash() {
  for (auto& h : helpers_) h->Shallow.Clear();
}

// A helper: asleep between solves; during one, it waits for a split point
// to join, giving its processor away while there is none.
void TSplitPool::Run(int index) {
  THelper& self = *helpers_[index];
  unsigned seen = 0;
  for (;;) {
    TSearchSetup setup;
    THelp help;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [&] { return quit_ || generation_ != seen; });
      if (quit_) return;
      seen = generation_;
      setup = *master_;
      help = help_;
    }
    setup.Shallow = &self.Shallow;
    setup.Published = &self.Published;
    idle_.fetch_add(1);
    while (active_.load(std::memory_order_relaxed)) {
      TSplitPoint* point = Join(nullptr);
      if (!point) {
        std::this_thread::yield();
        continue;
      }
      idle_.fetch_sub(1);
      self.Nodes = help(setup, *point, self.Nodes);
      self.Published.store(self.Nodes, std::memory_order_relaxed);
      idle_.fetch_add(1);
    }
    idle_.fetch_sub(1);
    std::lock_guard lock(mutex_);
    if (--running_ == 0) done_.notify_all();
  }
}

}  // namespace reversi::analysis
