#include "HashTable.h"

#include <algorithm>

namespace reversi::analysis {

THashTable::THashTable(int bits) : entries_(size_t{2} << bits), shift_(64 - bits) {}

void THashTable::Clear() { std::fill(entries_.begin(), entries_.end(), THashEntry{}); }

void THashTable::Store(TBits player, TBits opponent, int empties, int lower, int upper, int best) {
  THashEntry* bucket = &entries_[Index(player, opponent)];
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
  *slot = THashEntry{player, opponent, static_cast<int8_t>(lower), static_cast<int8_t>(upper),
                     static_cast<int8_t>(best), static_cast<uint8_t>(empties), date_};
}

}  // namespace reversi::analysis
