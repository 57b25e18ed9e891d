// The search driver: iterative deepening over the root moves with a narrow
// window above the best value, progress events, and the move played at the
// end through the ordinary turn flow.
#include <algorithm>

#include "ReversiCore.h"

namespace reversi {

namespace {
constexpr int kInfinity = 2147483647;
constexpr int kRootWindow = 300;  // three discs above the best value
constexpr int kStableIterations = 5;
}  // namespace

TScaled TReversiCore::ScaleScore(int v) {
  if (v >= 22000) return {static_cast<double>(v - 22000), true};
  if (v < -22000) return {static_cast<double>(v + 22000), true};
  return {v * 0.01, false};
}

// The clock is compared by elapsed time, which wraps around correctly, so a
// tick counter crossing 2^31 or 2^32 neither ends a search at once nor lets
// it run for ever.
bool TReversiCore::SearchDone(int depth) {
  if (StopRequested) return true;
  switch (level_) {
    case TimeLevel: {
      const int64_t elapsed = static_cast<uint32_t>(hooks_->TickCount() - startTick_);
      return elapsed > int64_t{moveTime_} * 1000;
    }
    case Infinite:
      return false;
    default:
      return depth >= static_cast<int>(level_);
  }
}

std::string TReversiCore::MainLine() const {
  std::string text;
  for (int k = 0; k < kLineSize && LineTable[0][k] != 0; ++k) {
    if (k > 0) text += ' ';
    text += SquareName(LineTable[0][k]);
  }
  return text;
}

int TReversiCore::SearchRootMove(int i, int s, int low, int high) {
  return -AlphaBeta(-high, -low, 1, -s, MoveList[0][i], -MoveScore[0][i]);
}

void TReversiCore::RunSearch(int s) {
  int b = Evaluate(0, s);
  int c = b + kRootWindow;
  const int n = GenerateMoves(0, s, 0, false);
  for (;;) {
    ply_ += 2;
    if (OnPlyChange) OnPlyChange(this, ply_);
    for (int i = 0; !SearchDone(0) && i < n; ++i) {
      const int m = MoveList[0][i];
      if (OnConsiderNew) OnConsiderNew(this, SquareName(m), i + 1, n);
      MakeMove(0, i, s);
      int d = SearchRootMove(i, s, b, c);
      if (d >= c) {
        d = SearchRootMove(i, s, b, kInfinity);
        if (d < b) d = SearchRootMove(i, s, -kInfinity, kInfinity);
      }
      if (i == 0 && d <= b) d = SearchRootMove(i, s, -kInfinity, kInfinity);
      UnmakeMove(0, i);
      if ((d > b || i == 0) && !StopRequested) {
        b = d;
        c = d + kRootWindow;
        CopyLine(0, m);
        if (showThinking_) Repaint();
        const TScaled scaled = ScaleScore(d);
        if (OnBestChange) OnBestChange(this, SquareName(m), scaled.Score, scaled.Final);
        if (i > 0) {
          const int score = MoveScore[0][i];
          std::copy_backward(MoveList[0].begin(), MoveList[0].begin() + i, MoveList[0].begin() + i + 1);
          std::copy_backward(MoveScore[0].begin(), MoveScore[0].begin() + i, MoveScore[0].begin() + i + 1);
          MoveList[0][0] = m;
          MoveScore[0][0] = score;
        }
        hooks_->ProcessMessages();
      }
    }
    const TScaled scaled = ScaleScore(b);
    if (scaled.Final && scaled.Score == lastScore_)
      ++stableCount_;
    else
      stableCount_ = 0;
    lastScore_ = scaled.Score;
    if (SearchDone(ply_) || stableCount_ == kStableIterations) break;
  }
}

void TReversiCore::StartThinking() {
  if (thinking_) return;
  // With no legal move there is nothing to search or play.
  if (FlipPotential(SideToMove) == 0) return;
  if (OnBeginSearch) OnBeginSearch(this);
  thinking_ = true;
  deepest_ = 0;
  lastScore_ = 0.0;
  stableCount_ = 0;
  StopRequested = false;
  startTick_ = hooks_->TickCount();
  const int s = SideToMove;
  ply_ = 1;
  nodes_ = 0;
  for (auto& row : Refutation) row.fill(0);

  hooks_->SearchWalkBegin();
  RunSearch(s);
  const int m = MoveList[0][0];
  hooks_->SearchWalkEnd();

  PlayMove(m);
  thinking_ = false;
  hooks_->SetCursor(TCursor::Default);
  if (OnEndSearch) OnEndSearch(this, SquareName(m));
}

}  // namespace reversi
