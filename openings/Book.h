// The opening book: positions of real games, folded under the board's
// symmetries, each with the moves played from it, how often, and a value in
// discs for the side to move (the analyst's at the book's leaves, carried
// back to the root by minimax).
//
// The file is built by vezari-book (tools/book) and shipped with the program;
// it is read whole on first use and checked (magic, version, sizes and a
// checksum) before anything of it is believed.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "GameCollection.h"
#include "Position.h"

namespace reversi::openings {

struct TBookMove {
  int Square = 0;      // in the asked position's own orientation
  double Value = 0.0;  // discs, for the side to move, after this move
  int Games = 0;       // games of the collection that played it
};

class TBook {
 public:
  // Reads a book file; nullptr with the reason in `error` when it is missing
  // or damaged.
  static std::unique_ptr<TBook> Read(std::string_view bytes, std::string& error);
  static std::unique_ptr<TBook> Load(const std::string& path, std::string& error);
  // The shipped book, looked for beside the executable, in the installed
  // data folder and in the source tree; loaded on first call.
  static const TBook* Default(std::string* error = nullptr);

  // The book's moves in the position, best first; empty when it is not in
  // the book.
  std::vector<TBookMove> Find(const TSidePosition& position) const;
  size_t Positions() const { return positions_.size(); }

  // The file's bytes for a set of positions (the builder's output).
  struct TEntryMove {
    uint8_t Square;  // canonical orientation
    uint32_t Games;
    int16_t Value;  // sixteenths of a disc, for the side to move before the move
  };
  struct TEntry {
    uint64_t Key;
    std::vector<TEntryMove> Moves;
  };
  static std::string Write(std::vector<TEntry> entries);

 private:
  struct TPositionRecord {
    uint64_t Key;
    uint32_t FirstMove;
    uint32_t MoveCount;
  };
  std::vector<TPositionRecord> positions_;
  std::vector<TEntryMove> moves_;
};

// Builds a book from games: every position reached in the first `maxPlies`
// plies by at least `minGames` games, with the moves played from it by at
// least `minMoveGames` of them. `leafValue` values a position that is not in
// the book, in discs for its side to move.
struct TBookOptions {
  int MaxPlies = 20;
  int MinGames = 4;
  int MinMoveGames = 2;
};
std::vector<TBook::TEntry> BuildBook(const std::vector<TCollectedGame>& games, const TBookOptions& options,
                                     const std::function<double(const TSidePosition&)>& leafValue,
                                     const std::function<void(size_t done, size_t total)>& progress = {});

}  // namespace reversi::openings
