#include "EngineAdapter.h"

namespace reversi::analysis {

TBitPosition FromBoard(const TBoard& board) {
  const int side = board.SideToMove;
  return TBitPosition{board.BitsOf(side), board.BitsOf(-side)};
}

int CellOf(int square) {
  return SquareOf(square / 8, square % 8);
}

std::string MoveName(int square) {
  if (square == kPassMove) return "PASS";
  if (square < 0 || square > 63) return "NONE";
  return SquareName(CellOf(square));
}

}  // namespace reversi::analysis
