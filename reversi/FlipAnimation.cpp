#include "FlipAnimation.h"

#include <algorithm>
#include <cstdlib>

#include "Geometry.h"

using namespace reversi;

std::optional<std::vector<TFlipAnimation::TDisc>> TFlipAnimation::TurnedDiscs(const int32_t* before,
                                                                              const int32_t* after) {
  int placed = 0;
  std::vector<TDisc> turned;
  for (int i = 10; i <= 80; ++i) {
    if (before[i] == after[i]) continue;
    if (before[i] == 0 && (after[i] == kBlack || after[i] == kWhite) && placed == 0) {
      placed = i;
    } else if ((before[i] == kBlack || before[i] == kWhite) && after[i] == -before[i]) {
      turned.push_back({i, before[i], after[i], 0});
    } else {
      return std::nullopt;
    }
  }
  if (placed == 0 || turned.empty()) return std::nullopt;
  for (TDisc& d : turned) {
    if (d.To != after[placed]) return std::nullopt;
    const int distance = std::max(std::abs(RowOf(d.Cell) - RowOf(placed)), std::abs(ColOf(d.Cell) - ColOf(placed)));
    d.DelayMs = (distance - 1) * kStepMs;
  }
  return turned;
}

TFlipAnimation::TFlipAnimation(std::vector<TDisc> discs, std::function<void()> update, std::function<bool()> done)
    : discs_(std::move(discs)), update_(std::move(update)), done_(std::move(done)) {
  for (const TDisc& d : discs_) total_ = std::max(total_, d.DelayMs + kTurnMs);
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(kFrameMs);
  connect(&timer_, &QTimer::timeout, this, &TFlipAnimation::Tick);
  clock_.start();
  timer_.start();
}

double TFlipAnimation::Phase(const TDisc& disc) const {
  if (over_) return 1.0;
  const double t = static_cast<double>(clock_.elapsed() - disc.DelayMs) / kTurnMs;
  return std::clamp(t, 0.0, 1.0);
}

void TFlipAnimation::Tick() {
  if (clock_.elapsed() >= total_ || (done_ && done_())) {
    Finish();
    return;
  }
  if (update_) update_();
}

void TFlipAnimation::Finish() {
  if (over_) return;
  over_ = true;
  timer_.stop();
  if (update_) update_();
  emit Finished();
}
