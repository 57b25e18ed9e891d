#include "MoveText.h"

#include <cctype>

#include "Board.h"

namespace reversi {

std::optional<std::vector<int>> ParseMoveText(const std::string& text, std::string& error) {
  std::vector<int> moves;
  if (text.empty() || text == "-") return moves;
  TBoard board;
  for (size_t i = 0; i < text.size(); i += 2) {
    const int number = static_cast<int>(i / 2) + 1;
    const std::string name = text.substr(i, 2);
    auto shown = [&] {
      std::string s;
      for (unsigned char c : name) s += std::isprint(c) ? static_cast<char>(c) : '?';
      return s;
    };
    if (name.size() < 2) {
      error = "move " + std::to_string(number) + " (\"" + shown() + "\") is incomplete";
      return std::nullopt;
    }
    const int col = std::tolower(static_cast<unsigned char>(name[0])) - 'a';
    const int row = name[1] - '1';
    if (col < 0 || col > 7 || row < 0 || row > 7) {
      error = "move " + std::to_string(number) + " (\"" + shown() + "\") is not a square";
      return std::nullopt;
    }
    const int square = SquareOf(row, col);
    const int s = board.SideToMove;
    if (!board.IsLegalFor(s, square)) {
      error = "move " + std::to_string(number) + " (" + SquareName(square) + ") is not legal";
      return std::nullopt;
    }
    board.ApplyMove(s, square);
    if (board.FlipPotential(-s) > 0) board.SideToMove = -s;
    moves.push_back(square);
  }
  return moves;
}

}  // namespace reversi
