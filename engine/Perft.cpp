// Move-path counting from the current position, for checking the rules
// against published counts: a pass counts as one ply, a finished game is a
// leaf wherever it occurs.
#include "Board.h"
#include "Search.h"

namespace reversi {

int64_t TSearch::PerftFrom(int row, int depth, int colour) {
  if (depth == 0) return 1;
  const int n = FindMoves(row, colour, 0);
  if (n == 0) {
    if (board_.FlipPotential(-colour) == 0) return 1;
    return PerftFrom(row + 1, depth - 1, -colour);
  }
  if (depth == 1) return n;
  int64_t total = 0;
  for (int i = 0; i < n; ++i) {
    MakeMove(row, i, colour);
    total += PerftFrom(row + 1, depth - 1, -colour);
    UnmakeMove(row, i);
  }
  return total;
}

int64_t TSearch::Perft(int depth) {
  if (depth < 0 || depth > kMaxDepth - 1) return 0;
  return PerftFrom(0, depth, board_.SideToMove);
}

}  // namespace reversi
