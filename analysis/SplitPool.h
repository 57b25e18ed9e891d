// The solver's helper threads and the nodes they share out: young brothers
// wait. A node far enough from the end whose first move did not cut off
// offers its other moves as a split point; idle helpers join it and take
// moves from it one at a time, its owner takes them too, and once a move
// reaches beta the others are abandoned (their searches throw). The owner
// leaves only after every helper has; while it waits it helps at the split
// points opened below its own.
//
// The hash table is shared without locks (HashTable.h); the one mutex of
// the pool guards its list of open split points, taken only to open, close
// and join one, far from the leaves, and each split point has a mutex of
// its own for handing out its moves.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "HashTable.h"

namespace reversi::analysis {

struct TSearchSetup;

// A move in a node's list: its flips, and its place in the order.
struct TMove {
  TBits Flips;
  int Square;
  int Key;  // lower is tried first
};

struct TSplitPoint {
  TBits Player = 0, Opponent = 0;
  const TMove* Moves = nullptr;  // on the owner's stack
  int Count = 0;
  int Alpha = 0, Beta = 0, Empties = 0;
  const TSplitPoint* Parent = nullptr;  // the split point the owner works under, if any

  std::mutex Lock;
  int Next = 0;  // the next move to hand out
  int Best = -65, BestMove = -1;
  std::atomic<bool> Cut{false};  // a move reached beta, or the owner gave up: the others stop
  std::atomic<int> Workers{0};   // helpers inside

  // True when `ancestor` is this split point or one above it.
  bool Under(const TSplitPoint* ancestor) const {
    for (const TSplitPoint* p = this; p; p = p->Parent)
      if (p == ancestor) return true;
    return false;
  }
};

class TSplitPool {
 public:
  // Searches a split point's moves on a helper's behalf, counting nodes on
  // from `nodes`, and returns the count; it leaves the split point (Workers)
  // before returning.
  using THelp = int64_t (*)(const TSearchSetup& setup, TSplitPoint& point, int64_t nodes);

  // `helpers` threads besides the one that solves.
  explicit TSplitPool(int helpers);
  ~TSplitPool();
  TSplitPool(const TSplitPool&) = delete;
  TSplitPool& operator=(const TSplitPool&) = delete;

  int Helpers() const { return static_cast<int>(helpers_.size()); }

  // A solve begins: the helpers look for work with `master`'s tables and
  // limits (each its own table near the end) until End.
  void Begin(const TSearchSetup& master, THelp help);
  void End();

  // Whether a helper is waiting for work: worth opening a split point.
  bool Idle() const { return idle_.load(std::memory_order_relaxed) > 0; }
  void Open(TSplitPoint& point);
  // Nobody joins the split point after this.
  void Close(TSplitPoint& point);
  // An open split point with moves left, at or below `under` (anywhere when
  // null), joined (its Workers counted up); null when there is none.
  TSplitPoint* Join(const TSplitPoint* under);

  // Set when a thread saw the stop flag or the deadline: every thread stops.
  std::atomic<bool> Cancelled{false};

  int64_t NodesSoFar() const;
  int64_t Nodes() const;  // of the helpers in this solve, once it has ended
  void ClearHash();

 private:
  struct THelper {
    THashTable Shallow;
    std::atomic<int64_t> Published{0};
    int64_t Nodes = 0;
    THelper();
  };
  void Run(int index);

  std::vector<std::unique_ptr<THelper>> helpers_;
  std::vector<std::thread> threads_;

  std::mutex mutex_;  // the fields below, and the waits
  std::condition_variable wake_;
  std::condition_variable done_;
  std::vector<TSplitPoint*> open_;
  std::atomic<int> openCount_{0};
  std::atomic<bool> active_{false};
  std::atomic<int> idle_{0};
  unsigned generation_ = 0;
  int running_ = 0;
  bool quit_ = false;
  std::unique_ptr<TSearchSetup> master_;
  THelp help_ = nullptr;
};

}  // namespace reversi::analysis
