// The tree search: moves made and unmade in place, move generation with
// ordering, the full-width alpha-beta and the selective search beyond its
// horizon. Every order here (flip order, sort steps, partition steps) decides
// which of several equal moves is tried first, so none is incidental.
#include <algorithm>
#include <utility>

#include "ReversiCore.h"

namespace reversi {

namespace {
constexpr uint64_t SquareBit(int square) { return uint64_t{1} << kBitIndex[square]; }
}  // namespace

// Flips are recorded nearest first within a direction, directions in their
// fixed order, and made in that order: each flip moves a node to the head of
// the mover's list, which is the order FindMoves walks next.
void TReversiCore::MakeMove(int depth, int i, int s) {
  const int q = MoveList[depth][i];
  auto& flips = FlipList[depth];
  PlaceDisc(s, q);
  int k = 0;
  for (int d : kDirections) {
    int p = q + d;
    int len = 0;
    while (Cells[p] == -s && len < 6) {
      flips[k + len] = p;
      ++len;
      p += d;
    }
    if (len > 0 && Cells[p] == s) k += len;
  }
  for (int j = 0; j < k; ++j) FlipDisc(flips[j]);
  flips[k] = 0;
}

void TReversiCore::UnmakeMove(int depth, int i) {
  RemoveDisc(MoveList[depth][i]);
  for (const int32_t* f = FlipList[depth].data(); *f != 0; ++f) FlipDisc(*f);
}

void TReversiCore::SortByScore(int row, int lo, int hi) {
  auto& score = MoveScore[row];
  auto& move = MoveList[row];
  const int pivot = score[(lo + hi) / 2];
  int i = lo;
  int j = hi;
  if (hi > lo) {
    do {
      while (score[i] > pivot && i < hi) ++i;
      while (score[j] < pivot && j > lo) --j;
      if (i <= j) {
        std::swap(score[i], score[j]);
        std::swap(move[i], move[j]);
        ++i;
        --j;
      }
    } while (!(j <= i));
  }
  if (j > lo) SortByScore(row, lo, j);
  if (i < hi) SortByScore(row, i, hi);
}

void TReversiCore::PartitionNewMoves(int row, int lo, int hi) {
  auto& isNew = NewMove[row];
  int i = lo;
  int j = hi;
  if (hi > lo) {
    do {
      while (isNew[i] && i < hi) ++i;
      while (!isNew[j] && j > lo) --j;
      if (i <= j) {
        std::swap(isNew[i], isNew[j]);
        std::swap(MoveList[row][i], MoveList[row][j]);
        std::swap(MoveScore[row][i], MoveScore[row][j]);
        ++i;
        --j;
      }
    } while (!(j <= i));
  }
  int k = 0;
  for (int m = lo; m <= hi; ++m) k += isNew[m] ? 1 : 0;
  if (k >= 2) SortByScore(row, lo, lo + k - 1);
  if (hi - (lo + k) >= 1) SortByScore(row, lo + k, hi);
}

int TReversiCore::GenerateMoves(int depth, int s, int previous, bool selective) {
  const int n = FindMoves(depth, s, Refutation[s + 1][previous]);
  NodeSafe = SafeMoves;  // the Evaluate calls below overwrite SafeMoves
  const bool suggestionFirst = SuggestionFirst;
  MoveCount[depth] = n;
  if (n == 0) return 0;

  if (selective) {
    auto& isNew = NewMove[depth];
    if (n == 1 || depth < 2) {
      std::fill_n(isNew.begin(), n, uint8_t{1});
    } else {
      // The same colour's candidates two levels up, as a set of squares.
      uint64_t before = 0;
      for (int i = 0; i < MoveCount[depth - 2]; ++i) before |= SquareBit(MoveList[depth - 2][i]);
      for (int i = 0; i < n; ++i) isNew[i] = (before & SquareBit(MoveList[depth][i])) == 0;
    }
  }

  const int safe = NodeSafe;
  for (int i = 0; i < n; ++i) {
    MakeMove(depth, i, s);
    MoveScore[depth][i] = -Evaluate(depth + 1, -s);
    UnmakeMove(depth, i);
  }
  NodeSafe = safe;

  if (selective)
    PartitionNewMoves(depth, 0, n - 1);
  else if (suggestionFirst)
    SortByScore(depth, 1, n - 1);
  else
    SortByScore(depth, 0, n - 1);
  return n;
}

// LineTable[depth] := first, followed by LineTable[depth+1] as it stands.
void TReversiCore::CopyLine(int depth, int first) {
  auto& line = LineTable[depth];
  const auto& below = LineTable[depth + 1];
  line[0] = first;
  int k = 0;
  while (k + 1 < kLineSize - 1 && below[k] != 0) {
    line[k + 1] = below[k];
    ++k;
  }
  line[k + 1] = 0;
}

int TReversiCore::AlphaBeta(int alpha, int beta, int depth, int s, int p, int S) {
  hooks_->ProcessMessages();
  ++nodes_;
  if (depth > ply_) {
    if (selective_) return SelectiveSearch(alpha, beta, depth, s, p, S);
    LineTable[depth][0] = 0;
    return S;
  }
  if (StopRequested) {
    LineTable[depth][0] = 0;
    return S;
  }
  // A node already at or above beta is searched one ply less.
  const int reduction = S >= beta ? 1 : 0;
  ply_ -= reduction;
  int best = alpha;
  const int n = GenerateMoves(depth, s, p, false);
  if (n == 0) {
    int v;
    if (FlipPotential(-s) == 0) {
      LineTable[depth][0] = 0;
      v = S;
    } else {
      ++ply_;
      v = -AlphaBeta(-beta, -alpha, depth + 1, -s, p, -S);
      --ply_;
      CopyLine(depth, kPassSquare);
    }
    ply_ += reduction;
    return v;
  }
  // Few moves, or none off the X- and C-squares: look one ply further.
  const int extension = (NodeSafe <= 0 || n <= 2) ? 1 : 0;
  ply_ += extension;
  for (int j = 0; j < n; ++j) {
    MakeMove(depth, j, s);
    const int v = -AlphaBeta(-beta, -best, depth + 1, -s, MoveList[depth][j], -MoveScore[depth][j]);
    UnmakeMove(depth, j);
    if (v >= beta) {
      Refutation[s + 1][p] = MoveList[depth][j];
      ply_ += reduction - extension;
      return v;
    }
    if (v > best) {
      best = v;
      CopyLine(depth, MoveList[depth][j]);
    }
  }
  ply_ += reduction - extension;
  return best;
}

int TReversiCore::SelectiveSearch(int alpha, int beta, int depth, int s, int p, int S) {
  hooks_->ProcessMessages();
  ++nodes_;
  if (StopRequested || S - gamma_ >= beta || S + gamma_ <= alpha || depth > ply_ + selectiveDepth_) {
    LineTable[depth][0] = 0;
    deepest_ = std::max(deepest_, depth);
    return S;
  }
  int best = alpha;
  const int n = GenerateMoves(depth, s, p, true);
  const int safe = NodeSafe;
  if (n == 0) {
    int v;
    if (FlipPotential(-s) == 0) {
      LineTable[depth][0] = 0;
      v = S;
    } else {
      v = -SelectiveSearch(-beta, -alpha, depth + 1, -s, p, -S);
      CopyLine(depth, kPassSquare);
    }
    deepest_ = std::max(deepest_, depth);
    return v;
  }
  if (n == 1) {
    // A forced move does not use up the allowance. The field is raised
    // directly: the setter's 1..20 range must not swallow the step.
    MakeMove(depth, 0, s);
    ++selectiveDepth_;
    const int v = -SelectiveSearch(-beta, -alpha, depth + 1, -s, MoveList[depth][0], -MoveScore[depth][0]);
    --selectiveDepth_;
    UnmakeMove(depth, 0);
    CopyLine(depth, MoveList[depth][0]);
    return v;
  }
  if (!NewMove[depth][0] && safe > 0) {
    // Quiet: no new move, and a safe one to fall back on.
    LineTable[depth][0] = 0;
    deepest_ = std::max(deepest_, depth);
    return S;
  }

  int j = 0;
  auto searchMove = [&](int& bestSoFar) -> bool {
    MakeMove(depth, j, s);
    const int v = -SelectiveSearch(-beta, -bestSoFar, depth + 1, -s, MoveList[depth][j], -MoveScore[depth][j]);
    UnmakeMove(depth, j);
    if (v >= beta) {
      bestSoFar = v;
      return true;
    }
    if (v > bestSoFar) {
      bestSoFar = v;
      CopyLine(depth, MoveList[depth][j]);
    }
    return false;
  };
  for (; j < n && NewMove[depth][j]; ++j)
    if (searchMove(best)) return best;
  if (best > S - gamma_ && safe != 0) return best;
  for (; j < n; ++j)
    if (searchMove(best)) return best;
  return best;
}

}  // namespace reversi
