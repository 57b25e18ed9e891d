// The named openings ("Tiger", "Rose", "Buffalo", ...), found under the
// board's symmetries, so that a game that began with d3 or c4 is named as
// the same line written from f5.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "Notation.h"

namespace reversi::openings {

class TOpeningNames {
 public:
  // Lines of "moves name" ("f5d6c3d3c4 Tiger"); '#' starts a comment line.
  // A line that is not a legal game from the start is skipped and counted.
  static TOpeningNames Parse(std::string_view text);
  // The table compiled into the program (data/openings.txt).
  static const TOpeningNames& Builtin();

  // The name of the longest named line the game has played to its end, as
  // long as the game is still on some named line; "" otherwise.
  std::string NameOf(const std::vector<int>& squares, const TPosition& start = TPosition::Standard()) const;

  size_t Size() const { return names_.size(); }
  // Each named line: its name and its moves as written ("f5d6c3d3c4").
  struct TLine {
    std::string Name;
    std::string Moves;
  };
  const std::vector<TLine>& Lines() const { return lines_; }
  size_t Skipped() const { return skipped_; }

 private:
  std::vector<std::string> names_;
  std::vector<TLine> lines_;
  std::unordered_map<uint64_t, size_t> ends_;  // a line's last position -> its name
  std::unordered_set<uint64_t> along_;         // every position on some line
  size_t skipped_ = 0;
};

}  // namespace reversi::openings
