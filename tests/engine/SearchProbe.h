// The tests' and benchmarks' door into a search: its private move finder,
// make and unmake, tables and inner search, reached through a game.
#pragma once

#include <algorithm>
#include <vector>

#include "MoveGen.h"
#include "ReversiCore.h"

namespace reversi {

class TSearchProbe {
 public:
  explicit TSearchProbe(TReversiCore& game) : s_(game.Search()) {}

  int FindMoves(int row, int colour, int suggestion) { return s_.FindMoves(row, colour, suggestion); }
  void MakeMove(int depth, int i, int colour) { s_.MakeMove(depth, i, colour); }
  void UnmakeMove(int depth, int i) { s_.UnmakeMove(depth, i); }
  void SortByScore(int row, int lo, int hi) { s_.SortByScore(row, lo, hi); }
  int AlphaBeta(int alpha, int beta, int depth, int colour, int previous, int staticValue) {
    return s_.AlphaBeta(alpha, beta, depth, colour, previous, staticValue);
  }

  bool BuiltInEvaluation() { return s_.BuiltInEvaluation(); }
  int Move(int row, int i) const { return s_.MoveList[row][i]; }
  std::vector<int> Moves(int row, int n) const { return {s_.MoveList[row].begin(), s_.MoveList[row].begin() + n}; }
  // The discs turned by move i made at depth, in the order they were turned.
  std::vector<int> Flips(int depth, int i) const {
    const auto& order = movegen::kTurnOrder[kBitIndex[s_.MoveList[depth][i]]];
    std::vector<int> bits;
    for (int b = 0; b < 64; ++b)
      if (s_.FlipList[depth] >> b & 1) bits.push_back(b);
    std::sort(bits.begin(), bits.end(), [&](int x, int y) { return order[x] < order[y]; });
    std::vector<int> flips;
    for (int b : bits) flips.push_back(kCellOfBit[b]);
    return flips;
  }
  void SetRow(int row, const std::vector<int>& moves, const std::vector<int>& scores) {
    std::copy(moves.begin(), moves.end(), s_.MoveList[row].begin());
    std::copy(scores.begin(), scores.end(), s_.MoveScore[row].begin());
  }
  int SafeMoves() const { return s_.SafeMoves; }
  bool SuggestionFirst() const { return s_.SuggestionFirst; }
  int QuadrantMovesOf(int colour, int quadrant) const { return s_.QuadrantMoves[colour > 0 ? 1 : 0][quadrant]; }
  int32_t& Line(int depth, int k) { return s_.LineTable[depth][k]; }
  const auto& Refutation() const { return s_.Refutation; }

 private:
  TSearch& s_;
};

}  // namespace reversi
