// Positions one move off the real games, solved exactly. A search judges
// mostly positions that no game reached (its leaves follow every move, good
// or bad), so the learner also sees the other moves' positions where the
// solver is cheap.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Games.h"

namespace reversi::learn {

struct TChild {
  TBits Player = 0;  // the side to move
  TBits Opponent = 0;
  int8_t Score = 0;  // exact final margin for the side to move
};

// For each game in file order, the positions after every move not played
// from its first position with `empties + 1` empty squares, solved. Games
// are appended to `checkpoint` as they finish, so a stopped run resumes; at
// most `budget` more games are solved in this run. One list per game.
std::vector<std::vector<TChild>> SolveChildren(const std::vector<TGame>& games, int empties,
                                               const std::string& checkpoint, int threads, std::size_t budget);

}  // namespace reversi::learn
