// The tree search: moves made and unmade in place, move generation with
// ordering, the full-width alpha-beta and the selective search beyond its
// horizon. Every order here (flip order, sort steps, partition steps) decides
// which of several equal moves is tried first, so none is incidental.
#include "Search.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "MoveGen.h"
#include "RankSort.h"
#include "ReversiCore.h"

namespace reversi {

namespace {

constexpr uint64_t SquareBit(int square) {
  return uint64_t{1} << kBitIndex[square];
}

// The checks build (VZ_CHECKS) confirms the whole board after every make and
// unmake, and stops at the first disagreement with what it found.
inline void CheckBoard([[maybe_unused]] const TBoard& board) {
#ifdef VZ_CHECKS
  if (const std::string why = board.CheckConsistency(); !why.empty()) {
    std::fprintf(stderr, "board check failed after a make or unmake: %s\n", why.c_str());
    std::abort();
  }
#endif
}

}  // namespace

namespace {

// The function a call of game.Evaluate reaches. GCC reads it from the
// object's table of virtual functions (a documented extension); elsewhere it
// is not known, and the search always makes a move to value it.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpmf-conversions"
#pragma GCC diagnostic ignored "-Wpedantic"
int (*EvaluateEntry(TReversiCore& game))(TReversiCore*, int, int) {
  return reinterpret_cast<int (*)(TReversiCore*, int, int)>(game.*(&TReversiCore::Evaluate));
}
#pragma GCC diagnostic pop
#else
int (*EvaluateEntry(TReversiCore&))(TReversiCore*, int, int) {
  return nullptr;
}
#endif

}  // namespace

TSearch::TSearch(TReversiCore& game) : game_(game), board_(game), builtInEntry_(EvaluateEntry(game)) {}

bool TSearch::BuiltInEvaluation() {
  if (builtIn_ < 0) builtIn_ = builtInEntry_ != nullptr && EvaluateEntry(game_) == builtInEntry_;
  return builtIn_ != 0;
}

inline void TSearch::ProcessMessages() {
  game_.Hooks().ProcessMessages();
}

inline int TSearch::Evaluate(int depth, int colour) {
  return game_.Evaluate(depth, colour);
}

// Each flip moves a node to the head of the mover's list, nearest disc first
// within a direction, directions in their fixed order: the order FindMoves
// walks next. Unmake turns the same discs back in the same order.
void TSearch::MakeMove(int depth, int i, int colour) {
  TBoard& board = board_;
  const int q = MoveList[depth][i];
  const int b = kBitIndex[q];
  const uint64_t flips = movegen::FlipMask(board.BitsOf(colour), board.BitsOf(-colour), b);
  FlipList[depth] = flips;
  board.PlaceDisc(colour, q);
  board.FlipDiscs(flips, movegen::kTurnOrder[b]);
  CheckBoard(board);
}

void TSearch::UnmakeMove(int depth, int i) {
  TBoard& board = board_;
  const int q = MoveList[depth][i];
  board.RemoveDisc(q);
  board.FlipDiscs(FlipList[depth], movegen::kTurnOrder[kBitIndex[q]]);
  CheckBoard(board);
}

void TSearch::CheckChildValues([[maybe_unused]] int depth, [[maybe_unused]] int colour, [[maybe_unused]] int n) {
#ifdef VZ_CHECKS
  for (int i = 0; i < n; ++i) {
    MakeMove(depth, i, colour);
    const int made = -Evaluate(depth + 1, -colour);
    UnmakeMove(depth, i);
    if (made != MoveScore[depth][i] || FlipList[depth] != ChildFlips[i]) {
      std::fprintf(stderr, "a child valued without its move made: %d, made: %d\n", MoveScore[depth][i], made);
      std::abort();
    }
  }
#endif
}

void TSearch::SortByScore(int row, int lo, int hi) {
  auto& score = MoveScore[row];
  auto& move = MoveList[row];
  if (SortDistinct(&score[lo], &move[lo], hi - lo + 1)) return;
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

// k: how many of the row's moves are new.
void TSearch::PartitionNewMoves(int row, int lo, int hi, int k) {
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
  if (k >= 2) SortByScore(row, lo, lo + k - 1);
  if (hi - (lo + k) >= 1) SortByScore(row, lo + k, hi);
}

int TSearch::GenerateMoves(int depth, int colour, int previous, bool selective) {
  const int n = FindMoves(depth, colour, Refutation[colour + 1][previous]);
  NodeSafe = SafeMoves;  // the Evaluate calls below overwrite SafeMoves
  const bool suggestionFirst = SuggestionFirst;
  MoveCount[depth] = n;
  if (n == 0) return 0;

  int newCount = n;
  if (selective) {
    auto& isNew = NewMove[depth];
    if (n == 1 || depth < 2) {
      std::fill_n(isNew.begin(), n, uint8_t{1});
    } else {
      // The same colour's candidates two levels up, as a set of squares.
      const uint64_t before = MoveSet[depth - 2];
      for (int i = 0; i < n; ++i) isNew[i] = (before & SquareBit(MoveList[depth][i])) == 0;
      newCount = n - std::popcount(before & MoveSet[depth]);
    }
  }

  const int safe = NodeSafe;
  if (BuiltInEvaluation()) {
    ValueChildrenFromFlips(depth, colour, n);
    // What a make and unmake would have left: the turned discs back at the
    // head of their list, in turning order, and the clock moved on.
    board_.NoteMovesMadeAndUnmade(MoveList[depth].data(), ChildFlips.data(), n, movegen::kTurnOrder);
    CheckChildValues(depth, colour, n);
  } else {
    for (int i = 0; i < n; ++i) {
      MakeMove(depth, i, colour);
      MoveScore[depth][i] = -Evaluate(depth + 1, -colour);
      UnmakeMove(depth, i);
    }
  }
  NodeSafe = safe;

  if (selective)
    PartitionNewMoves(depth, 0, n - 1, newCount);
  else if (suggestionFirst)
    SortByScore(depth, 1, n - 1);
  else
    SortByScore(depth, 0, n - 1);
  return n;
}

// LineTable[depth] := first, followed by LineTable[depth+1] as it stands.
void TSearch::CopyLine(int depth, int first) {
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

int TSearch::AlphaBeta(int alpha, int beta, int depth, int colour, int previous, int staticValue) {
  CountNode();
  if (depth > ply_) {
    if (selective_) return SelectiveSearch(alpha, beta, depth, colour, previous, staticValue);
    LineTable[depth][0] = 0;
    return staticValue;
  }
  if (stopRequested_) {
    LineTable[depth][0] = 0;
    return staticValue;
  }
  // A node already at or above beta is searched one ply less.
  const int reduction = staticValue >= beta ? 1 : 0;
  ply_ -= reduction;
  int best = alpha;
  const int n = GenerateMoves(depth, colour, previous, false);
  if (n == 0) {
    int v;
    if (board_.FlipPotential(-colour) == 0) {
      LineTable[depth][0] = 0;
      v = staticValue;
    } else {
      ++ply_;
      v = -AlphaBeta(-beta, -alpha, depth + 1, -colour, previous, -staticValue);
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
    MakeMove(depth, j, colour);
    const int v = -AlphaBeta(-beta, -best, depth + 1, -colour, MoveList[depth][j], -MoveScore[depth][j]);
    UnmakeMove(depth, j);
    if (v >= beta) {
      Refutation[colour + 1][previous] = MoveList[depth][j];
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

int TSearch::SelectiveSearch(int alpha, int beta, int depth, int colour, int previous, int staticValue) {
  CountNode();
  if (stopRequested_ || staticValue - gamma_ >= beta || staticValue + gamma_ <= alpha ||
      depth > ply_ + selectiveDepth_) {
    LineTable[depth][0] = 0;
    deepest_ = std::max(deepest_, depth);
    return staticValue;
  }
  int best = alpha;
  const int n = GenerateMoves(depth, colour, previous, true);
  const int safe = NodeSafe;
  if (n == 0) {
    int v;
    if (board_.FlipPotential(-colour) == 0) {
      LineTable[depth][0] = 0;
      v = staticValue;
    } else {
      v = -SelectiveSearch(-beta, -alpha, depth + 1, -colour, previous, -staticValue);
      CopyLine(depth, kPassSquare);
    }
    deepest_ = std::max(deepest_, depth);
    return v;
  }
  if (n == 1) {
    // A forced move does not use up the allowance. The field is raised
    // directly: the setter's 1..20 range must not swallow the step.
    MakeMove(depth, 0, colour);
    ++selectiveDepth_;
    const int v = -SelectiveSearch(-beta, -alpha, depth + 1, -colour, MoveList[depth][0], -MoveScore[depth][0]);
    --selectiveDepth_;
    UnmakeMove(depth, 0);
    CopyLine(depth, MoveList[depth][0]);
    return v;
  }
  if (!NewMove[depth][0] && safe > 0) {
    // Quiet: no new move, and a safe one to fall back on.
    LineTable[depth][0] = 0;
    deepest_ = std::max(deepest_, depth);
    return staticValue;
  }

  int j = 0;
  auto searchMove = [&](int& bestSoFar) -> bool {
    MakeMove(depth, j, colour);
    const int v = -SelectiveSearch(-beta, -bestSoFar, depth + 1, -colour, MoveList[depth][j], -MoveScore[depth][j]);
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
  if (best > staticValue - gamma_ && safe != 0) return best;
  for (; j < n; ++j)
    if (searchMove(best)) return best;
  return best;
}

void TSearch::Begin() {
  stopRequested_ = false;
  clockNode_ = INT64_MAX;
  deepest_ = 0;
  ply_ = 1;
  nodes_ = 0;
  for (auto& row : Refutation) row.fill(0);
}

void TSearch::SetDeadline(uint32_t startTick, int64_t limitMs) {
  startTick_ = startTick;
  limitMs_ = limitMs;
  clockNode_ = nodes_ + kClockNodes;
}

// Elapsed time, as the driver compares it: right across the counter's wrap.
void TSearch::ReadClock() {
  clockNode_ += kClockNodes;
  if (static_cast<uint32_t>(game_.Hooks().TickCount() - startTick_) > limitMs_) stopRequested_ = true;
}

int TSearch::GenerateRootMoves(int colour) {
  return GenerateMoves(0, colour, 0, false);
}

int TSearch::SearchRootMove(int i, int colour, int low, int high) {
  return -AlphaBeta(-high, -low, 1, -colour, MoveList[0][i], -MoveScore[0][i]);
}

void TSearch::TakeAsBest(int i) {
  const int move = MoveList[0][i];
  CopyLine(0, move);
  if (i == 0) return;
  const int score = MoveScore[0][i];
  std::copy_backward(MoveList[0].begin(), MoveList[0].begin() + i, MoveList[0].begin() + i + 1);
  std::copy_backward(MoveScore[0].begin(), MoveScore[0].begin() + i, MoveScore[0].begin() + i + 1);
  MoveList[0][0] = move;
  MoveScore[0][0] = score;
}

// The scratch row below the deepest level leaves the search's rows alone.
TSearch::TMobility TSearch::Mobility(int colour) {
  TMobility m;
  m.Moves = FindMoves(kMaxDepth + 1, colour, 0);
  m.Safe = SafeMoves;
  return m;
}

}  // namespace reversi
