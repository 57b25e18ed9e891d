// The engine's position as the solver sees it, and the solver's squares as
// the engine names them. The only place where the two meet.
#pragma once

#include <string>

#include "Board.h"
#include "Solver.h"

namespace reversi::analysis {

// The side to move's discs and the other side's, from the engine's boards.
TBitPosition FromBoard(const TBoard& board);

// The engine's cell of a solver square (0..63).
int CellOf(int square);

// "A1".."H8" for a square, "PASS" for kPassMove, "NONE" for kNoMove.
std::string MoveName(int square);

}  // namespace reversi::analysis
