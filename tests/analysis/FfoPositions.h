// The FFO endgame test positions (tests/data/ffo-40-59.txt), read for the
// solver's tests and its benchmark.
#pragma once

#include <string>
#include <vector>

#include "Solver.h"

namespace reversi::analysis {

struct TFfoPosition {
  int Number = 0;  // 40..59
  TBitPosition Position;
  std::vector<int> BestMoves;  // squares 0..63
  int Score = 0;
};

// Every position of the file; an empty list when it cannot be read.
std::vector<TFfoPosition> ReadFfoPositions(const std::string& fileName);

// "BOARD64 SIDE": 64 of X, O, - from A1 to H8 by rows, then X or O.
bool ParseBoardText(const std::string& board, const std::string& side, TBitPosition& out);

}  // namespace reversi::analysis
