// The solver's transposition table: for a position (mover's and other's
// discs, so the empties and the side to move follow), bounds on its exact
// final margin and the move that last proved one. A position's margin does
// not depend on the window it was searched with, so bounds from different
// searches of the same position simply narrow each other.
//
// Several threads may probe and store at once without a lock: an entry is
// three words, each written and read whole, and the two key words are kept
// mixed with the data word, so an entry that one thread reads while another
// overwrites it no longer matches its key and reads as absent. Two stores to
// one entry at once may lose one of them, never mix them: every stored bound
// is true, so a lost one only costs a search again.
#pragma once

#include <atomic>
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

// An entry as stored: the key words carry the data word mixed in.
struct TStoredEntry {
  uint64_t Key1 = 0;  // Player ^ Data
  uint64_t Key2 = 0;  // Opponent ^ rotated Data
  uint64_t Data = 0;
};

// Two entries to a cache line, so that a probe costs one memory access.
struct alignas(64) THashBucket {
  TStoredEntry Entry[2];
};

class THashTable {
 public:
  // 2^bits buckets of two entries, 64 bytes each.
  explicit THashTable(int bits);

  // Neither while another thread uses the table.
  void Clear();
  // Starts a new search: entries of earlier searches stay valid but give way.
  void NewSearch() { ++date_; }

  // The inline members are built into both builds of the search (see
  // Search.h): always inlined, no build ever calls the other's copy.

  // The entry of the position into `out`; false when there is none.
  [[gnu::always_inline]] bool Find(TBits player, TBits opponent, THashEntry& out) const {
    const TStoredEntry* bucket = buckets_[Index(player, opponent)].Entry;
    for (int i = 0; i < 2; ++i) {
      const uint64_t data = Load(bucket[i].Data);
      if ((Load(bucket[i].Key1) ^ data) == player && (Load(bucket[i].Key2) ^ Rotate(data)) == opponent) {
        out = Unpack(player, opponent, data);
        return true;
      }
    }
    return false;
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
  // Relaxed: a plain load on the processors we build for, but one that
  // another thread's store cannot tear.
  [[gnu::always_inline]] static uint64_t Load(const uint64_t& word) {
    return std::atomic_ref<const uint64_t>(word).load(std::memory_order_relaxed);
  }
  [[gnu::always_inline]] static void Put(uint64_t& word, uint64_t value) {
    std::atomic_ref<uint64_t>(word).store(value, std::memory_order_relaxed);
  }
  [[gnu::always_inline]] static uint64_t Rotate(uint64_t data) { return (data << 23) | (data >> 41); }
  [[gnu::always_inline]] static uint64_t Pack(int lower, int upper, int best, int empties, int date) {
    return static_cast<uint64_t>(lower + 64) | static_cast<uint64_t>(upper + 64) << 8 |
           static_cast<uint64_t>(best + 1) << 16 | static_cast<uint64_t>(empties) << 24 |
           static_cast<uint64_t>(date) << 32;
  }
  [[gnu::always_inline]] static THashEntry Unpack(TBits player, TBits opponent, uint64_t data) {
    return THashEntry{player,
                      opponent,
                      static_cast<int8_t>(static_cast<int>(data & 0xFF) - 64),
                      static_cast<int8_t>(static_cast<int>((data >> 8) & 0xFF) - 64),
                      static_cast<int8_t>(static_cast<int>((data >> 16) & 0xFF) - 1),
                      static_cast<uint8_t>(data >> 24),
                      static_cast<uint8_t>(data >> 32)};
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
