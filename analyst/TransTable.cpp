#include "TransTable.h"

#include <algorithm>

namespace reversi::analyst {

namespace {

// Relaxed: a plain load or store on the processors we build for, but one
// that another thread's store cannot tear.
uint64_t Load(const uint64_t& word) {
  return std::atomic_ref<const uint64_t>(word).load(std::memory_order_relaxed);
}
void Put(uint64_t& word, uint64_t value) {
  std::atomic_ref<uint64_t>(word).store(value, std::memory_order_relaxed);
}
uint64_t Rotate(uint64_t data) {
  return (data << 23) | (data >> 41);
}

// Depth and move are kept one up, so that the all-zero word is an empty entry.
uint64_t Pack(const TTransEntry& e) {
  return static_cast<uint64_t>(static_cast<uint16_t>(e.Lower)) |
         static_cast<uint64_t>(static_cast<uint16_t>(e.Upper)) << 16 |
         static_cast<uint64_t>(static_cast<uint8_t>(e.Depth + 1)) << 32 | static_cast<uint64_t>(e.Selectivity) << 40 |
         static_cast<uint64_t>(static_cast<uint8_t>(e.Move + 1)) << 48 | static_cast<uint64_t>(e.Date) << 56;
}

TTransEntry Unpack(uint64_t player, uint64_t opponent, uint64_t data) {
  TTransEntry e;
  e.Player = player;
  e.Opponent = opponent;
  e.Lower = static_cast<int16_t>(data & 0xFFFF);
  e.Upper = static_cast<int16_t>(data >> 16 & 0xFFFF);
  e.Depth = static_cast<int8_t>(static_cast<int>(data >> 32 & 0xFF) - 1);
  e.Selectivity = static_cast<uint8_t>(data >> 40);
  e.Move = static_cast<int8_t>(static_cast<int>(data >> 48 & 0xFF) - 1);
  e.Date = static_cast<uint8_t>(data >> 56);
  return e;
}

}  // namespace

TTransTable::TTransTable(int bits) : entries_(size_t{1} << bits), shift_(64 - bits) {}

void TTransTable::Clear() {
  std::fill(entries_.begin(), entries_.end(), TStored{});
  date_ = 0;
}

size_t TTransTable::Index(uint64_t player, uint64_t opponent) const {
  uint64_t h = player * 0x9E3779B97F4A7C15ull ^ (opponent + 0x632BE59BD9B4E019ull) * 0xC2B2AE3D27D4EB4Full;
  h ^= h >> 31;
  h *= 0xD6E8FEB86659FD93ull;
  return static_cast<size_t>(h >> shift_) & ~size_t{1};
}

bool TTransTable::Read(const TStored& stored, TTransEntry& out) const {
  const uint64_t data = Load(stored.Data);
  out = Unpack(Load(stored.Key1) ^ data, Load(stored.Key2) ^ Rotate(data), data);
  return out.Depth >= 0;
}

void TTransTable::Write(TStored& stored, const TTransEntry& e) {
  const uint64_t data = Pack(e);
  Put(stored.Key1, e.Player ^ data);
  Put(stored.Key2, e.Opponent ^ Rotate(data));
  Put(stored.Data, data);
}

bool TTransTable::Probe(uint64_t player, uint64_t opponent, TTransEntry& out) const {
  const size_t i = Index(player, opponent);
  for (size_t k = i; k < i + 2; ++k)
    if (Read(entries_[k], out) && out.Player == player && out.Opponent == opponent) return true;
  return false;
}

void TTransTable::Store(uint64_t player, uint64_t opponent, int depth, int selectivity, int lower, int upper,
                        int move) {
  const size_t i = Index(player, opponent);
  TTransEntry held[2];
  bool valid[2];
  for (int k = 0; k < 2; ++k) valid[k] = Read(entries_[i + k], held[k]);
  int at = -1;
  for (int k = 0; k < 2; ++k)
    if (valid[k] && held[k].Player == player && held[k].Opponent == opponent) at = k;
  if (at >= 0) {
    TTransEntry& slot = held[at];
    if (slot.Depth == depth && slot.Selectivity == selectivity) {
      const int low = std::max<int>(slot.Lower, lower), high = std::min<int>(slot.Upper, upper);
      // Bounds that contradict each other (the search is not exact) give way to the new ones.
      slot.Lower = static_cast<int16_t>(low <= high ? low : lower);
      slot.Upper = static_cast<int16_t>(low <= high ? high : upper);
      if (move >= 0) slot.Move = static_cast<int8_t>(move);
      slot.Date = date_;
      Write(entries_[i + at], slot);
      return;
    }
    if (slot.Depth > depth || (slot.Depth == depth && slot.Selectivity > selectivity)) {
      if (move >= 0 && slot.Move < 0) slot.Move = static_cast<int8_t>(move);
      slot.Date = date_;
      Write(entries_[i + at], slot);
      return;
    }
  } else {
    // The entry to give up: an empty one, then one from an older search, then the shallower.
    auto worth = [this](bool ok, const TTransEntry& e) { return !ok ? -1000 : (e.Date != date_ ? -500 : 0) + e.Depth; };
    at = worth(valid[0], held[0]) <= worth(valid[1], held[1]) ? 0 : 1;
  }
  Write(entries_[i + at],
        {player, opponent, static_cast<int16_t>(lower), static_cast<int16_t>(upper), static_cast<int8_t>(depth),
         static_cast<uint8_t>(selectivity), static_cast<int8_t>(move), date_});
}

}  // namespace reversi::analyst
