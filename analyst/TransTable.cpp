#include "TransTable.h"

#include <algorithm>

namespace reversi::analyst {

TTransTable::TTransTable(int bits) : entries_(size_t{1} << bits), shift_(64 - bits) {}

void TTransTable::Clear() {
  std::fill(entries_.begin(), entries_.end(), TTransEntry{});
  date_ = 0;
}

size_t TTransTable::Index(uint64_t player, uint64_t opponent) const {
  uint64_t h = player * 0x9E3779B97F4A7C15ull ^ (opponent + 0x632BE59BD9B4E019ull) * 0xC2B2AE3D27D4EB4Full;
  h ^= h >> 31;
  h *= 0xD6E8FEB86659FD93ull;
  return static_cast<size_t>(h >> shift_) & ~size_t{1};
}

const TTransEntry* TTransTable::Probe(uint64_t player, uint64_t opponent) const {
  const size_t i = Index(player, opponent);
  for (size_t k = i; k < i + 2; ++k) {
    const TTransEntry& e = entries_[k];
    if (e.Depth >= 0 && e.Player == player && e.Opponent == opponent) return &e;
  }
  return nullptr;
}

void TTransTable::Store(uint64_t player, uint64_t opponent, int depth, int selectivity, int lower, int upper,
                        int move) {
  const size_t i = Index(player, opponent);
  TTransEntry* slot = nullptr;
  for (size_t k = i; k < i + 2; ++k)
    if (entries_[k].Depth >= 0 && entries_[k].Player == player && entries_[k].Opponent == opponent) slot = &entries_[k];
  if (slot) {
    if (slot->Depth == depth && slot->Selectivity == selectivity) {
      const int low = std::max<int>(slot->Lower, lower), high = std::min<int>(slot->Upper, upper);
      // Bounds that contradict each other (the search is not exact) give way to the new ones.
      slot->Lower = static_cast<int16_t>(low <= high ? low : lower);
      slot->Upper = static_cast<int16_t>(low <= high ? high : upper);
      if (move >= 0) slot->Move = static_cast<int8_t>(move);
      slot->Date = date_;
      return;
    }
    if (slot->Depth > depth || (slot->Depth == depth && slot->Selectivity > selectivity)) {
      if (move >= 0 && slot->Move < 0) slot->Move = static_cast<int8_t>(move);
      slot->Date = date_;
      return;
    }
  } else {
    TTransEntry& a = entries_[i];
    TTransEntry& b = entries_[i + 1];
    // The entry to give up: an empty one, then one from an older search, then the shallower.
    auto worth = [this](const TTransEntry& e) { return e.Depth < 0 ? -1000 : (e.Date != date_ ? -500 : 0) + e.Depth; };
    slot = worth(a) <= worth(b) ? &a : &b;
  }
  *slot = {player,
           opponent,
           static_cast<int16_t>(lower),
           static_cast<int16_t>(upper),
           static_cast<int8_t>(depth),
           static_cast<uint8_t>(selectivity),
           static_cast<int8_t>(move),
           date_};
}

}  // namespace reversi::analyst
