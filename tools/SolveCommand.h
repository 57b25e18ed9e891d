// --solve: the exact score of a position, within a time limit when one is
// given, with progress on standard error while a long solve runs.
#pragma once

#include <iosfwd>
#include <optional>

#include "Solver.h"

namespace reversi::tools {

// Solves the position and prints the result as one JSON line: the score, a
// best move and the nodes; when the time ran out first, the bounds proven
// so far and "complete":false instead of the score. With more than one
// thread the node count is the sum of all threads'.
void PrintSolve(const analysis::TBitPosition& position, bool wld, std::optional<int> seconds, int threads,
                std::ostream& out);

}  // namespace reversi::tools
