// Games written as square names run together ("f5d6c3"), as the analysis
// tool takes them.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace reversi {

// The cell numbers of a game from the initial position. Names are
// case-insensitive; "-" or an empty text is the initial position; passes are
// never written, they follow from the rules. On a malformed name or an
// illegal move, returns nullopt and sets error to a message naming the move
// and its number.
std::optional<std::vector<int>> ParseMoveText(const std::string& text, std::string& error);

}  // namespace reversi
