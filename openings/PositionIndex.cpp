#include "PositionIndex.h"

#include <algorithm>
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
