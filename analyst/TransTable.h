// The midgame search's transposition table: for each position seen, bounds
// on its value found at some depth and selectivity, and the move that was
// best or refuted the window. Buckets of two entries; a position goes to the
// entry that holds it, else to the one from an older search or of less depth.
//
// The searches of several threads may share one table without a lock: an
// entry is three words, each read and written whole, and the two key words
// carry the data word mixed in, so an entry read while another thread
// overwrites it no longer matches its key and reads as absent. Two stores
// to one entry at once may lose one of them, never mix them.
#pragma once

#include <atomic>
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
  // Neither this nor Clear while another thread uses the table.
  void NewSearch() { ++date_; }
  void Clear();

  // The entry of this position into `out`; false when there is none.
  bool Probe(uint64_t player, uint64_t opponent, TTransEntry& out) const;

  // Records that the value searched at depth and selectivity lies in
  // [lower, upper], and the best move found (-1 for none). Bounds of equal
  // depth and selectivity narrow what is known; deeper or more exact ones
  // replace it.
  void Store(uint64_t player, uint64_t opponent, int depth, int selectivity, int lower, int upper, int move);

 private:
  // An entry as stored: the key words carry the data word mixed in; all
  // zero is an empty entry.
  struct TStored {
    uint64_t Key1 = 0;  // Player ^ Data
    uint64_t Key2 = 0;  // Opponent ^ rotated Data
    uint64_t Data = 0;
  };

  size_t Index(uint64_t player, uint64_t opponent) const;
  bool Read(const TStored& stored, TTransEntry& out) const;
  static void Write(TStored& stored, const TTransEntry& e);

  std::vector<TStored> entries_;
  int shift_;
  uint8_t date_ = 0;
};

}  // namespace reversi::analyst
