#include "HashTable.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <new>

namespace reversi::analysis {

namespace {
constexpr size_t kPage = size_t{2} << 20;
}

void THashTable::TFree::operator()(THashBucket* p) const {
  std::free(p);
}

// Probes land anywhere in the table: on large pages they miss the address
// cache far less often.
THashTable::THashTable(int bits) : count_(size_t{1} << bits), shift_(64 - bits) {
  const size_t bytes = std::max(kPage, count_ * sizeof(THashBucket));
  void* memory = std::aligned_alloc(kPage, (bytes + kPage - 1) / kPage * kPage);
  if (!memory) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
  madvise(memory, bytes, MADV_HUGEPAGE);
#endif
  buckets_.reset(static_cast<THashBucket*>(memory));
  Clear();
}

void THashTable::Clear() {
  std::fill(buckets_.get(), buckets_.get() + count_, THashBucket{});
}

void THashTable::Store(TBits player, TBits opponent, int empties, int lower, int upper, int best) {
  TStoredEntry* bucket = buckets_[Index(player, opponent)].Entry;
  THashEntry e[2];
  bool here[2];
  for (int i = 0; i < 2; ++i) {
    const uint64_t data = Load(bucket[i].Data);
    e[i] = Unpack(Load(bucket[i].Key1) ^ data, Load(bucket[i].Key2) ^ Rotate(data), data);
    here[i] = e[i].Player == player && e[i].Opponent == opponent;
  }
  int slot = here[0] ? 0 : here[1] ? 1 : -1;
  if (slot >= 0) {
    lower = std::max<int>(e[slot].Lower, lower);
    upper = std::min<int>(e[slot].Upper, upper);
    if (best < 0) best = e[slot].Best;
    empties = e[slot].Empties;
  } else {
    // Replace an entry of an earlier search first, else the cheaper one to redo.
    const auto worth = [this](const THashEntry& x) { return (x.Date == date_ ? 64 : 0) + x.Empties; };
    slot = worth(e[0]) <= worth(e[1]) ? 0 : 1;
  }
  const uint64_t data = Pack(lower, upper, best, empties, date_);
  Put(bucket[slot].Key1, player ^ data);
  Put(bucket[slot].Key2, opponent ^ Rotate(data));
  Put(bucket[slot].Data, data);
}

}  // namespace reversi::analysis
