// Games of the shared game files (`MOVES BLACK WHITE` a line, passes not
// written) replayed into the positions the learner trains on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Evaluation.h"

namespace reversi::learn {

using analyst::TBits;

struct TPosition {
  TBits Player = 0;  // the side to move's discs
  TBits Opponent = 0;
  bool BlackToMove = true;
  int Empties() const { return 64 - __builtin_popcountll(Player | Opponent); }
};

struct TGame {
  std::vector<TPosition> Positions;  // before each move, passes left out
  int BlackMargin = 0;               // the record's final margin, empties to the winner
};

// Reads a game file; lines that do not replay under the rules are counted
// in `rejected` and left out.
std::vector<TGame> ReadGames(const std::string& path, int& rejected);

}  // namespace reversi::learn
