// The learned evaluation judged on held-out games: its error per stage
// against the games' results and exact ends, against exact values at 24 to
// 26 empties (or those of a list: player and opponent in hex, exact value, a
// line each), and its values in the opening.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "Games.h"

namespace reversi::learn {

inline constexpr std::size_t kHeldOut = 500;  // the last games of games-sample.txt

int Measure(const std::string& weights, const std::vector<TGame>& held, const std::string& work, int exactEmpties,
            int exactCount, const std::string& exactList, int threads);

}  // namespace reversi::learn
