// Openings for matches that are neither of real games nor of a list: random
// starts of 8 to 12 moves that our analyst judges within two discs of even
// (openings/BalancedStart.h), the same for the same seed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Notation.h"

namespace reversi::engines {

// count starts from seed, seed + 1, ...; fewer (possibly none) when some
// seed gives none. The analyst without its weights judges with its
// stand-in evaluation.
std::vector<TGame> BalancedOpenings(uint64_t seed, int count);

}  // namespace reversi::engines
