// The midgame search's transposition table: for each position seen, bounds
// on its value found at some depth and selectivity, and the move that was
// best or refuted the window. Buckets of two entries; a position goes to the
// entry that holds it, else to the one from an older search or of less depth.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace reversi::analyst {

struct TTransEntry {
  uint64_t Player = 0;
  uint64_t Opponent = 0;
  int16_t Lower = 0;
  int16_t Upper = 0;
  int8_t Depth = -1;  // -1: empty
  uint8_t Selectivity = 0;
  int8_t Move = -1;
  uint8_t Date = 0;
};

class TTransTable {
 public:
  // 2^bits entries of 24 bytes.
  explicit TTransTable(int bits = 20);

  // The next stores belong to a new search: the old entries give way first.
  void NewSearch() { ++date_; }
  void Clear();

  // The entry of this position, or nullptr.
  const TTransEntry* Probe(uint64_t player, uint64_t opponent) const;

  // Records that the value searched at depth and selectivity lies in
  // [lower, upper], and the best move found (-1 for none). Bounds of equal
  // depth and selectivity narrow what is known; deeper or more exact ones
  // replace it.
  void Store(uint64_t player, uint64_t opponent, int depth, int selectivity, int lower, int upper, int move);

 private:
  size_t Index(uint64_t player, uint64_t opponent) const;

  std::vector<TTransEntry> entries_;
  int shift_;
  uint8_t date_ = 0;
};

}  // namespace reversi::analyst
