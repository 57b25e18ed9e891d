// Positions for the analyst's tests: random games from the start, the
// board as the analyst and the solver see it.
#pragma once

#include <memory>
#include <random>
#include <vector>

#include "Analyst.h"
#include "Bitboard.h"

namespace reversi::analyst::testing {

inline constexpr analysis::TBitPosition kStart{0x0000000810000000ull, 0x0000001008000000ull};

inline analysis::TBitPosition Play(analysis::TBitPosition pos, int square) {
  const uint64_t flips = analysis::Flips(square, pos.Player, pos.Opponent);
  return {pos.Opponent & ~flips, pos.Player | flips | analysis::Bit(square)};
}

// A random game's position with `empties` empty squares and a legal move.
inline analysis::TBitPosition RandomPosition(std::mt19937& rng, int empties) {
  for (;;) {
    analysis::TBitPosition pos = kStart;
    for (int passes = 0; passes < 2 && 64 - analysis::Count(pos.Player | pos.Opponent) > empties;) {
      uint64_t moves = analysis::LegalMoves(pos.Player, pos.Opponent);
      if (!moves) {
        ++passes;
        pos = {pos.Opponent, pos.Player};
        continue;
      }
      passes = 0;
      std::vector<int> list;
      for (; moves; moves &= moves - 1) list.push_back(analysis::FirstSquare(moves));
      pos = Play(pos, list[rng() % list.size()]);
    }
    if (64 - analysis::Count(pos.Player | pos.Opponent) == empties && analysis::LegalMoves(pos.Player, pos.Opponent))
      return pos;
  }
}

inline std::shared_ptr<const TEvaluation> Evaluation() {
  static std::shared_ptr<const TEvaluation> e = TEvaluation::StandIn();
  return e;
}

inline bool Legal(const analysis::TBitPosition& pos, int square) {
  return square >= 0 && (analysis::LegalMoves(pos.Player, pos.Opponent) >> square & 1);
}

}  // namespace reversi::analyst::testing
