// A slow, plain 8x8 Othello board kept only to check the engine against: a
// square array, every rule spelled out, nothing shared with the engine but
// the cell numbering of game files.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "Board.h"

namespace vztest {

class TRefBoard {
 public:
  TRefBoard();  // the start position, Black to move

  // Discs colour would turn by playing (row, col); 0 when the move is illegal.
  int FlipsOf(int colour, int row, int col) const;
  bool Legal(int colour, int row, int col) const { return FlipsOf(colour, row, col) > 0; }
  bool HasMove(int colour) const;
  bool Over() const { return !HasMove(1) && !HasMove(-1); }
  int Count(int colour) const;
  int Empties() const { return 64 - Count(1) - Count(-1); }
  int At(int row, int col) const { return squares_[row][col]; }

  // Places colour's disc and turns what it takes. The move must be legal.
  void Play(int colour, int row, int col);
  // Plays a move for the side to move and hands the turn on: to the
  // opponent when it can move, else back to the mover (the opponent passes).
  // False, with nothing changed, when the move is not legal.
  bool PlayInTurn(int row, int col);

  // Side to move; when the game is over it is whoever would have moved.
  int ToMove() const { return toMove_; }

 private:
  std::array<std::array<int, 8>, 8> squares_{};
  int toMove_ = 1;
};

// Cell numbers of game files: A1 = 10, H1 = 17, A2 = 19, H8 = 80.
constexpr int CellOf(int row, int col) {
  return 10 + 9 * row + col;
}
bool RowColOf(int cell, int& row, int& col);

// Replays cell numbers from the start, passes implied; nullopt at the first
// move that is not a playing square or not legal in its turn (why says which).
std::optional<TRefBoard> Replay(const std::vector<int>& cells, std::string* why = nullptr);

// "" when the engine's 64 squares agree with the reference board, and its
// side to move too unless the game is over (then nobody is to move and the
// engine's field keeps whichever colour its path left there); else what differs.
std::string Compare(const TRefBoard& ref, const reversi::TBoard& board);

// Standard notation run together, "f5d6c3": the cell numbers, or nullopt.
std::optional<std::vector<int>> ParseSquares(const std::string& text);

}  // namespace vztest
