// The solver's transposition table: for a position (mover's and other's
// discs, so the empties and the side to move follow), bounds on its exact
// final margin and the move that last proved one. A position's margin does
// not depend on the window it was searched with, so bounds from different
// searches of the same position simply narrow each other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "SolverBits.h"

namespace reversi::analysis {

struct THashEntry {
  TBits Player = 0;
  TBits Opponent = 0;
  int8_t Lower = -64;
  int8_t Upper = 64;
  int8_t Best = -1;  // square, or -1 when none is known
  uint8_t Empties = 0;
  uint8_t Date = 0;  // the search that wrote it; older ones are replaced first
};

// Two entries to a cache line, so that a probe costs one memory access.
struct alignas(64) THashBucket {
  THashEntry Entry[2];
};

class THashTable {
 public:
  // 2^bits buckets of two entries, 64 bytes each.
  explicit THashTable(int bits);

  void Clear();
  // Starts a new search: entries of earlier searches stay valid but give way.
  void NewSearch() { ++date_; }

  // The inline members are built into both builds of the search (see
  // Search.h): always inlined, no build ever calls the other's copy.

  // The entry of the position, or null.
  [[gnu::always_inline]] const THashEntry* Find(TBits player, TBits opponent) const {
    const THashEntry* bucket = buckets_[Index(player, opponent)].Entry;
    if (bucket[0].Player == player && bucket[0].Opponent == opponent) return &bucket[0];
    if (bucket[1].Player == player && bucket[1].Opponent == opponent) return &bucket[1];
    return nullptr;
  }

  // Starts bringing the position's bucket into the cache for a Find soon.
  [[gnu::always_inline]] void Prefetch(TBits player, TBits opponent) const {
    __builtin_prefetch(&buckets_[Index(player, opponent)]);
  }

  // Records that the margin lies in [lower, upper] and that best proved it.
  void Store(TBits player, TBits opponent, int empties, int lower, int upper, int best);

 private:
  [[gnu::always_inline]] size_t Index(TBits player, TBits opponent) const {
    uint64_t h = player * 0x9E3779B97F4A7C15ull;
    const uint64_t o = opponent * 0xC2B2AE3D27D4EB4Full;
    h ^= (o << 31) | (o >> 33);
    h ^= h >> 29;
    return static_cast<size_t>((h * 0xBF58476D1CE4E5B9ull) >> shift_);
  }

  struct TFree {
    void operator()(THashBucket* p) const;
  };
  std::unique_ptr<THashBucket[], TFree> buckets_;
  size_t count_;
  int shift_;
  uint8_t date_ = 0;
};

}  // namespace reversi::analysis
