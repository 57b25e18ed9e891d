// DevIdoz: how often a fresh engine can generate, evaluate and order the
// moves of one position in a second, scaled so that 23,700 gives 1.000.
#include <cmath>
#include <memory>

#include "ReversiCore.h"

namespace reversi {

double TReversiCore::DevIdozFromCount(int64_t count) {
  // nearbyint rounds halves to the even neighbour in the default mode.
  const double a = std::nearbyint(static_cast<double>(count) * (1.0 / 23.7));
  return a * 0.001;
}

// The step runs on a second engine, so this engine's game and search state
// are left alone; the message loop runs once per step as the timer would
// have it.
double TReversiCore::DevIdoz() {
  auto fresh = std::make_unique<TReversiCore>();
  const uint32_t start = hooks_->TickCount();
  // The clock is read every few steps, like a timer that fires within a few
  // microseconds of its second: reading it at every step would cost more
  // than the step's own bookkeeping and lower the figure.
  constexpr int kStepsPerClockRead = 16;
  int64_t count = 0;
  while (static_cast<uint32_t>(hooks_->TickCount() - start) < 1000) {
    for (int k = 0; k < kStepsPerClockRead; ++k) {
      ++count;
      fresh->Search().BenchmarkStep();
      hooks_->ProcessMessages();
    }
  }
  return DevIdozFromCount(count);
}

}  // namespace reversi
