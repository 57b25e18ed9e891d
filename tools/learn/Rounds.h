// A round of relabelling: the labels of positions above the exact bound are
// noisy (the players' later mistakes move them), so each is mixed with a
// shallow search of the position with the weights learned so far.
#pragma once

#include <vector>

#include "Evaluation.h"
#include "Games.h"

namespace reversi::learn {

// labels[g][i] becomes (1 - mix) * labels[g][i] + mix * (depth-ply search of
// the position) for positions with more than exactEmpties empties.
void Relabel(const std::vector<TGame>& games, std::vector<std::vector<float>>& labels, const analyst::TEvaluation& eval,
             int exactEmpties, int depth, double mix, int threads);

}  // namespace reversi::learn
