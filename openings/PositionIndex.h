// Every position of a collection's games, found again under the board's
// symmetries: how many games reached a position, which moves were played
// from it and how those games ended for the side to move.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "GameCollection.h"
#include "Position.h"

namespace reversi::openings {

struct TMoveStat {
  int Square = 0;  // in the asked position's own orientation
  int Games = 0;
  double Margin = 0.0;  // mean final disc margin for the side to move
};

struct TLookup {
  int Games = 0;                  // games that reached the position
  std::vector<TMoveStat> Moves;   // most played first
  std::vector<uint32_t> GameIds;  // indexes into the collection, in order
};

class TPositionIndex {
 public:
  explicit TPositionIndex(const std::vector<TCollectedGame>& games);

  TLookup Find(const TSidePosition& position) const;
  size_t Size() const { return entries_.size(); }

  // The index as bytes for a cache file, marked with `stamp` (what the
  // collection file was when it was read: its name, size and time); Read
  // gives it back only for the same stamp and intact bytes, else nullptr.
  std::string Write(const std::string& stamp) const;
  static std::unique_ptr<TPositionIndex> Read(std::string_view bytes, const std::string& stamp);

 private:
  TPositionIndex() = default;
  // 16 bytes a position of a game, sorted by key.
  struct TEntry {
    uint64_t Key;
    uint32_t Game;
    uint8_t Move;   // canonical orientation; kNone at a game's end
    int8_t Margin;  // for the side to move
    bool operator<(const TEntry& o) const { return Key < o.Key || (Key == o.Key && Game < o.Game); }
  };
  static constexpr uint8_t kNone = 64;
  std::vector<TEntry> entries_;
};

}  // namespace reversi::openings
