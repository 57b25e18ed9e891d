// Balanced starts: random openings of 8 to 12 moves that a judge (the
// analyst) values within a few discs of even, for varied games against the
// computer and for engine matches. The same seed gives the same start.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "Position.h"

namespace reversi::openings {

struct TBalancedStart {
  std::vector<int> Moves;  // squares 0..63 from the standard start
  double Value = 0.0;      // the judge's value for the side to move, in discs
};

// Tries random move sequences from `seed` until the judge values one within
// +-limit discs for its side to move; nothing after `tries` attempts.
std::optional<TBalancedStart> FindBalancedStart(uint64_t seed, const std::function<double(const TSidePosition&)>& judge,
                                                double limit = 2.0, int tries = 400);

}  // namespace reversi::openings
