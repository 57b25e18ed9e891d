// Labels for the learner: what each position of a game was worth. The
// positions near the end are solved exactly; the earlier ones take the exact
// value of the game's first solved position (the game as played up to there,
// then perfect play), from their own mover's side.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Games.h"

namespace reversi::learn {

// Per game, the exact margins of its positions with at most maxEmpties
// empties, in order. Finished games are appended to `checkpoint` as they
// come, so a stopped run picks up where it was.
std::vector<std::vector<int8_t>> SolveEndings(const std::vector<TGame>& games, int maxEmpties,
                                              const std::string& checkpoint, int threads);
// The same for the positions with minEmpties to maxEmpties empties, solving
// at most `budget` more games in this run: the games left unsolved have no
// values (an empty list) and keep the labels of the shorter solves.
std::vector<std::vector<int8_t>> SolveEndings(const std::vector<TGame>& games, int minEmpties, int maxEmpties,
                                              const std::string& checkpoint, int threads, std::size_t budget);

// Every position's label in discs for its side to move.
std::vector<int> GameLabels(const TGame& game, const std::vector<int8_t>& exact);

}  // namespace reversi::learn
