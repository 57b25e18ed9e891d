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
  uint64_t data[2];
  int slot = -1;
  for (int i = 0; i < 2; ++i) {
    data[i] = Load(bucket[i].Data);
    if ((Load(bucket[i].Key1) ^ data[i]) == player && (Load(bucket[i].Key2) ^ Rotate(data[i])) == opponent) slot = i;
  }
  if (slot >= 0) {
    const THashEntry e = Unpack(player, opponent, data[slot]);
    lower = std::max<int>(e.Lower, lower);
    upper = std::min<int>(e.Upper, upper);
    if (best < 0) best = e.Best;
    empties = e.Empties;
  } else {
    // Replace an entry of an earlier search first, else the cheaper one to redo.
    const auto worth = [this](uint64_t d) {
      return (static_cast<uint8_t>(d >> 32) == date_ ? 64 : 0) + static_cast<int>((d >> 24) & 0xFF);
    };
    slot = worth(data[0]) <= worth(data[1]) ? 0 : 1;
  }
  const uint64_t packed = Pack(lower, upper, best, empties, date_);
  Put(bucket[slot].Key1, player ^ packed);
  Put(bucket[slot].Key2, opponent ^ Rotate(packed));
  Put(bucket[slot].Data, packed);
}

}  // namespace reversi::analysis
