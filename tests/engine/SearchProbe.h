// The tests' and benchmarks' door into a search: its private move finder,
// make and unmake, tables and inner search, reached through a game.
#pragma once

#include <vector>

#include "ReversiCore.h"

namespace reversi {

class TSearchProbe {
 public:
  explicit TSearchProbe(TReversiCore& game) : s_(game.Search()) {}

  int FindMoves(int row, int colour, int suggestion) { return s_.FindMoves(row, colour, suggestion); }
  void MakeMove(int depth, int i, int colour) { s_.MakeMove(depth, i, colour); }
  void UnmakeMove(int depth, int i) { s_.UnmakeMove(depth, i); }
  int AlphaBeta(int alpha, int beta, int depth, int colour, int previous, int staticValue) {
    return s_.AlphaBeta(alpha, beta, depth, colour, previous, staticValue);
  }

  int Move(int row, int i) const { return s_.MoveList[row][i]; }
  std::vector<int> Moves(int row, int n) const { return {s_.MoveList[row].begin(), s_.MoveList[row].begin() + n}; }
  int SafeMoves() const { return s_.SafeMoves; }
  bool SuggestionFirst() const { return s_.SuggestionFirst; }
  int QuadrantMovesOf(int colour, int quadrant) const { return s_.QuadrantMoves[colour > 0 ? 1 : 0][quadrant]; }
  int32_t& Line(int depth, int k) { return s_.LineTable[depth][k]; }
  const auto& Refutation() const { return s_.Refutation; }

 private:
  TSearch& s_;
};

}  // namespace reversi
