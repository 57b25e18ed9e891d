#include "PositionIndex.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "Replay.h"

namespace reversi::openings {

TPositionIndex::TPositionIndex(const std::vector<TCollectedGame>& games) {
  entries_.reserve(games.size() * 61);
  for (uint32_t id = 0; id < games.size(); ++id) {
    const int black = BlackMargin(games[id]);
    WalkGame(games[id].Start, games[id].Moves, [&](const TPly& ply) {
      const TFolded c = Fold(ply.Position);
      const uint8_t move = ply.Move < 0 ? kNone : static_cast<uint8_t>(FoldedMove(c, ply.Move));
      entries_.push_back({KeyOf(c.Position), id, move, static_cast<int8_t>(ply.BlackToMove ? black : -black)});
    });
  }
  std::sort(entries_.begin(), entries_.end());
}

TLookup TPositionIndex::Find(const TSidePosition& position) const {
  const TFolded c = Fold(position);
  const uint64_t key = KeyOf(c.Position);
  auto [first, last] = std::equal_range(entries_.begin(), entries_.end(), TEntry{key, 0, 0, 0},
                                        [](const TEntry& a, const TEntry& b) { return a.Key < b.Key; });
  TLookup found;
  std::map<int, TMoveStat> bySquare;
  for (auto e = first; e != last; ++e) {
    ++found.Games;
    found.GameIds.push_back(e->Game);
    if (e->Move == kNone) continue;
    TMoveStat& stat = bySquare[Unfolded(c, e->Move)];
    ++stat.Games;
    stat.Margin += e->Margin;
  }
  for (auto& [square, stat] : bySquare) {
    stat.Square = square;
    stat.Margin /= stat.Games;
    found.Moves.push_back(stat);
  }
  std::stable_sort(found.Moves.begin(), found.Moves.end(),
                   [](const TMoveStat& a, const TMoveStat& b) { return a.Games > b.Games; });
  return found;
}

}  // namespace reversi::openings

namespace reversi::openings {
namespace {

constexpr char kIndexMagic[8] = {'V', 'Z', 'I', 'N', 'D', 'E', 'X', '1'};

uint64_t Checksum(std::string_view bytes) {
  uint64_t h = 0xCBF29CE484222325ull;
  for (char c : bytes) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
  return h;
}

}  // namespace

// Entries are written as they lie in memory: the cache is read back only
// by the same build on the same machine (the stamp names the build).
std::string TPositionIndex::Write(const std::string& stamp) const {
  std::string out(kIndexMagic, sizeof kIndexMagic);
  const uint64_t sizes[2] = {stamp.size(), entries_.size()};
  out.append(reinterpret_cast<const char*>(sizes), sizeof sizes);
  out += stamp;
  out.append(reinterpret_cast<const char*>(entries_.data()), entries_.size() * sizeof(TEntry));
  const uint64_t sum = Checksum(out);
  out.append(reinterpret_cast<const char*>(&sum), sizeof sum);
  return out;
}

std::unique_ptr<TPositionIndex> TPositionIndex::Read(std::string_view bytes, const std::string& stamp) {
  constexpr size_t kHead = sizeof kIndexMagic + 2 * sizeof(uint64_t);
  if (bytes.size() < kHead + sizeof(uint64_t) || std::memcmp(bytes.data(), kIndexMagic, sizeof kIndexMagic) != 0)
    return nullptr;
  uint64_t sizes[2];
  std::memcpy(sizes, bytes.data() + sizeof kIndexMagic, sizeof sizes);
  if (sizes[0] != stamp.size() || sizes[1] > bytes.size() / sizeof(TEntry) ||
      bytes.size() != kHead + sizes[0] + sizes[1] * sizeof(TEntry) + sizeof(uint64_t))
    return nullptr;
  if (bytes.substr(kHead, sizes[0]) != stamp) return nullptr;
  uint64_t sum;
  std::memcpy(&sum, bytes.data() + bytes.size() - sizeof sum, sizeof sum);
  if (sum != Checksum(bytes.substr(0, bytes.size() - sizeof sum))) return nullptr;
  std::unique_ptr<TPositionIndex> index(new TPositionIndex);
  index->entries_.resize(sizes[1]);
  std::memcpy(index->entries_.data(), bytes.data() + kHead + sizes[0], sizes[1] * sizeof(TEntry));
  for (size_t i = 0; i < index->entries_.size(); ++i) {
    const TEntry& e = index->entries_[i];
    if (e.Move > kNone || (i && e < index->entries_[i - 1])) return nullptr;
  }
  return index;
}

}  // namespace reversi::openings
