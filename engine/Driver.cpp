// The search driver: iterative deepening over the root moves with a narrow
// window above the best value, progress events, and the move played at the
// end through the ordinary turn flow.
#include <algorithm>
#include <array>

#include "EvalWeights.h"
#include "ReversiCore.h"

namespace reversi {

namespace {

constexpr int kInfinity = 2147483647;
constexpr int kRootWindow = 300;  // three discs above the best value
constexpr int kStableIterations = 5;

// How the last two completed iterations of a strict search went: the whole
// iteration and its first root move, in milliseconds, the later one second.
struct TIterationTimes {
  std::array<int64_t, 2> TotalMs{};
  std::array<int64_t, 2> FirstMoveMs{};
  int Count = 0;  // iterations completed, up to 2
  void Add(int64_t totalMs, int64_t firstMoveMs) {
    TotalMs = {TotalMs[1], totalMs};
    FirstMoveMs = {FirstMoveMs[1], firstMoveMs};
    Count = std::min(Count + 1, 2);
  }
};

// Two plies deeper costs a few times more; below a few milliseconds the
// clock's steps hide the growth, and then the usual growth is assumed.
constexpr double kDefaultGrowth = 4.0;
constexpr double kLeastGrowth = 1.5;
constexpr double kMostGrowth = 12.0;
constexpr int64_t kMeasurableMs = 4;

// A strict search plays the best move of the time it had. Each iteration
// goes two plies deeper and usually costs more than all before it together,
// so up to half the time another one always starts. Past that, one starts
// when its first root move (the previous best searched deeper, most of an
// iteration, which sets the value the others must beat) is expected to end
// before the limit: the last iteration's first move times the growth between
// the last two iterations. Where the guess is wrong the clock ends the
// iteration at the limit, as a stop request would.
bool StrictTimeAllowsAnother(const TIterationTimes& t, int64_t elapsedMs, int64_t limitMs) {
  if (elapsedMs * 2 <= limitMs) return true;
  double growth = kDefaultGrowth;
  if (t.Count >= 2 && t.TotalMs[0] >= kMeasurableMs) growth = static_cast<double>(t.TotalMs[1]) / t.TotalMs[0];
  growth = std::clamp(growth, kLeastGrowth, kMostGrowth);
  const double firstMove = std::max<double>(t.FirstMoveMs[1], 1.0) * growth;
  return static_cast<double>(elapsedMs) + firstMove <= static_cast<double>(limitMs);
}

}  // namespace

TScaled TReversiCore::ScaleScore(int value) {
  if (value >= weights::kWin) return {static_cast<double>(value - weights::kWin), true};
  if (value < -weights::kWin) return {static_cast<double>(value + weights::kWin), true};
  return {value * 0.01, false};
}

// The clock is compared by elapsed time, which wraps around correctly, so a
// tick counter crossing 2^31 or 2^32 neither ends a search at once nor lets
// it run for ever.
int64_t TReversiCore::ElapsedMs() const {
  return static_cast<uint32_t>(hooks_->TickCount() - startTick_);
}

bool TReversiCore::SearchDone(int depth) {
  if (search_.StopRequested()) return true;
  switch (level_) {
    case TimeLevel:
      return ElapsedMs() > int64_t{moveTime_} * 1000;
    case Infinite:
      return false;
    default:
      return depth >= static_cast<int>(level_);
  }
}

std::string TReversiCore::MainLine() const {
  std::string text;
  for (int k = 0; search_.MainLineMove(k) != 0; ++k) {
    if (k > 0) text += ' ';
    text += SquareName(search_.MainLineMove(k));
  }
  return text;
}

void TReversiCore::RunSearch(int colour) {
  int b = Evaluate(0, colour);
  int c = b + kRootWindow;
  TSearch& search = search_;
  const int n = search.GenerateRootMoves(colour);
  TIterationTimes times;
  for (;;) {
    const int ply = search.NextIteration();
    if (OnPlyChange) OnPlyChange(this, ply);
    const int64_t iterationStart = strictNow_ ? ElapsedMs() : 0;
    int64_t firstMoveMs = 0;
    for (int i = 0; !SearchDone(0) && i < n; ++i) {
      const int m = search.RootMove(i);
      if (OnConsiderNew) OnConsiderNew(this, SquareName(m), i + 1, n);
      search.MakeRootMove(i, colour);
      int d = search.SearchRootMove(i, colour, b, c);
      if (d >= c) {
        d = search.SearchRootMove(i, colour, b, kInfinity);
        if (d < b) d = search.SearchRootMove(i, colour, -kInfinity, kInfinity);
      }
      if (i == 0 && d <= b) d = search.SearchRootMove(i, colour, -kInfinity, kInfinity);
      search.UnmakeRootMove(i);
      if ((d > b || i == 0) && !search.StopRequested()) {
        b = d;
        c = d + kRootWindow;
        search.TakeAsBest(i);
        hooks_->SearchBestChanged();
        const TScaled scaled = ScaleScore(d);
        if (OnBestChange) OnBestChange(this, SquareName(m), scaled.Score, scaled.Final);
        hooks_->ProcessMessages();
      }
      if (i == 0 && strictNow_) firstMoveMs = ElapsedMs() - iterationStart;
    }
    const TScaled scaled = ScaleScore(b);
    if (scaled.Final && scaled.Score == lastScore_)
      ++stableCount_;
    else
      stableCount_ = 0;
    lastScore_ = scaled.Score;
    if (SearchDone(search.Ply()) || stableCount_ == kStableIterations) break;
    if (strictNow_) {
      const int64_t now = ElapsedMs();
      times.Add(now - iterationStart, firstMoveMs);
      if (!StrictTimeAllowsAnother(times, now, int64_t{moveTime_} * 1000)) break;
    }
  }
}

void TReversiCore::StartThinking() {
  if (thinking_) return;
  // With no legal move there is nothing to search or play.
  if (FlipPotential(SideToMove) == 0) return;
  if (OnBeginSearch) OnBeginSearch(this);
  thinking_ = true;
  lastScore_ = 0.0;
  stableCount_ = 0;
  search_.Begin();
  startTick_ = hooks_->TickCount();
  // A strict search that runs out of time inside a root move ends as a stop
  // request ends it: the root move's value is discarded and the best move so
  // far is played.
  strictNow_ = strictTime_ && level_ == TimeLevel;
  if (strictNow_) search_.SetDeadline(startTick_, int64_t{moveTime_} * 1000);
  const int s = SideToMove;

  hooks_->SearchWalkBegin();
  int m = ChooseMove ? ChooseMove(*this) : 0;
  if (m < 0 || m >= kCells || !IsLegal(m)) {
    RunSearch(s);
    m = search_.RootMove(0);
  }
  hooks_->SearchWalkEnd();

  PlayMove(m);
  thinking_ = false;
  hooks_->SearchFinished();
  if (OnEndSearch) OnEndSearch(this, SquareName(m));
}

}  // namespace reversi
