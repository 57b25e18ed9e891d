#include "GameClock.h"

#include <algorithm>
#include <chrono>

namespace reversi {

namespace {
int64_t SteadyMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

TGameClock::TGameClock(TNow now) : now_(now ? std::move(now) : TNow(SteadyMs)) {}

void TGameClock::Reset(int64_t allowanceMs) {
  allowance_ = std::max<int64_t>(0, allowanceMs);
  SetRemainingMs(allowance_, allowance_);
}

void TGameClock::Charge() {
  const int64_t now = now_();
  if (running_ != 0) {
    int64_t& left = Left(running_);
    left = std::max<int64_t>(0, left - std::max<int64_t>(0, now - since_));
    if (left == 0 && On()) {
      flag_ = running_;
      running_ = 0;
    }
  }
  since_ = now;
}

void TGameClock::Run(int side) {
  Charge();
  if (flag_ == 0 && On()) running_ = side;
}

int64_t TGameClock::RemainingMs(int side) const {
  const int64_t left = Left(side);
  if (side != running_ || running_ == 0) return left;
  return std::max<int64_t>(0, left - std::max<int64_t>(0, now_() - since_));
}

void TGameClock::SetRemainingMs(int64_t black, int64_t white) {
  left_ = {std::max<int64_t>(0, black), std::max<int64_t>(0, white)};
  running_ = 0;
  flag_ = 0;
  since_ = now_();
}

int TGameClock::Flag() {
  Charge();
  return flag_;
}

int64_t TGameClock::MoveBudgetMs(int side, int empties) const {
  const int64_t movesLeft = (std::max(empties, 0) + 1) / 2 + kReserveMoves;
  return RemainingMs(side) / movesLeft;
}

}  // namespace reversi
