// The yardstick for the solver's speed: a straightforward exact solver on
// the same 64-bit boards, with fail-soft alpha-beta and fastest-first
// ordering, and no hash table, parity, stability or special last-move code.
#pragma once

#include <cstdint>

#include "SolverBits.h"

namespace reversi::analysis {

class TYardstickSolver {
 public:
  // The final margin for the side to move, empties to the winner.
  int Solve(TBits player, TBits opponent);
  int64_t Nodes() const { return nodes_; }

 private:
  int Search(TBits player, TBits opponent, int alpha, int beta, bool passed);
  int64_t nodes_ = 0;
};

}  // namespace reversi::analysis
