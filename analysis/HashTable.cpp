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
  THashEntry* bucket = buckets_[Index(player, opponent)].Entry;
  THashEntry* slot = nullptr;
  for (int i = 0; i < 2; ++i)
    if (bucket[i].Player == player && bucket[i].Opponent == opponent) slot = &bucket[i];
  if (slot) {
    slot->Lower = static_cast<int8_t>(std::max<int>(slot->Lower, lower));
    slot->Upper = static_cast<int8_t>(std::min<int>(slot->Upper, upper));
    if (best >= 0) slot->Best = static_cast<int8_t>(best);
    slot->Date = date_;
    return;
  }
  // Replace an entry of an earlier search first, else the cheaper one to redo.
  const auto worth = [this](const THashEntry& e) { return (e.Date == date_ ? 64 : 0) + e.Empties; };
  slot = worth(bucket[0]) <= worth(bucket[1]) ? &bucket[0] : &bucket[1];
  *slot = THashEntry{player,
                     opponent,
                     static_cast<int8_t>(lower),
                     static_cast<int8_t>(upper),
                     static_cast<int8_t>(best),
                     static_cast<uint8_t>(empties),
                     date_};
}

}  // namespace reversi::analysis
