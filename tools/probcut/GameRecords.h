// Real games from the shared game files (`MOVES BLACK WHITE` a line, square
// names run together, passes not written) replayed into the positions before
// each move, for fitting and measuring the analyst.
#pragma once

#include <fstream>
#include <string>
#include <vector>

#include "Bitboard.h"
#include "Solver.h"

namespace reversi::probcut {

// The positions of one game before each move, the side to move first.
using TGamePositions = std::vector<analysis::TBitPosition>;

// Games [first, last) of the file, counted from 0 among its lines; games
// that break the rules end where they break.
inline std::vector<TGamePositions> ReadGames(const std::string& path, size_t first, size_t last) {
  std::ifstream in(path);
  std::vector<TGamePositions> games;
  std::string line;
  for (size_t n = 0; n < last && std::getline(in, line); ++n) {
    if (n < first) continue;
    const std::string moves = line.substr(0, line.find(' '));
    analysis::TBitPosition pos{0x0000000810000000ull, 0x0000001008000000ull};
    TGamePositions game;
    for (size_t i = 0; i + 1 < moves.size(); i += 2) {
      const int col = moves[i] - 'a', row = moves[i + 1] - '1';
      if (col < 0 || col > 7 || row < 0 || row > 7) break;
      if (!analysis::LegalMoves(pos.Player, pos.Opponent)) pos = {pos.Opponent, pos.Player};
      const int sq = 8 * row + col;
      const uint64_t flips = analysis::Flips(sq, pos.Player, pos.Opponent);
      if (!flips) break;
      game.push_back(pos);
      pos = {pos.Opponent & ~flips, pos.Player | flips | analysis::Bit(sq)};
    }
    games.push_back(std::move(game));
  }
  return games;
}

// The number of lines of a file.
inline size_t CountLines(const std::string& path) {
  std::ifstream in(path);
  size_t n = 0;
  for (std::string line; std::getline(in, line);) ++n;
  return n;
}

inline int Empties(const analysis::TBitPosition& p) {
  return 64 - analysis::Count(p.Player | p.Opponent);
}

}  // namespace reversi::probcut
