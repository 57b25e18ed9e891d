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

// Backed-up labels: walking each game back from its end, a position's label
// becomes (1 - lambda) * (depth-ply search of it) + lambda * (the next
// position's new label, from this mover's side). The players' later
// mistakes fade by lambda a move, and a position judged by the search sees
// its best move, not only the one played. The last `exactCount[g]`
// positions of game g keep their exact labels.
void RelabelBackedUp(const std::vector<TGame>& games, std::vector<std::vector<float>>& labels,
                     const std::vector<std::size_t>& exactCount, const analyst::TEvaluation& eval, int depth,
                     double lambda, int threads);

}  // namespace reversi::learn
