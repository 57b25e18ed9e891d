// A game clock: one allowance per side for the whole game, counting down
// while that side is to move. Time comes from a source given to it, so the
// clock can be run by hand in tests; the window decides which side's clock
// runs (none while a dialog is open or the game is over).
#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace reversi {

class TGameClock {
 public:
  // Milliseconds from any fixed moment; never goes back.
  using TNow = std::function<int64_t()>;
  // A steady clock when now is empty.
  explicit TGameClock(TNow now = {});

  // Both sides get allowanceMs (0: no clock), nothing runs, no flag.
  void Reset(int64_t allowanceMs);
  int64_t Allowance() const { return allowance_; }
  bool On() const { return allowance_ > 0; }

  // side (kBlack or kWhite) starts running; 0 stops both. The time since the
  // last change is charged to the side that ran until now, which may make
  // its flag fall.
  void Run(int side);
  int Running() const { return running_; }

  // What side has left as of now, never below 0.
  int64_t RemainingMs(int side) const;
  // Sets both sides' times (a position taken back to), the flag lifted when
  // both have time; nothing runs afterwards.
  void SetRemainingMs(int64_t black, int64_t white);
  // The side whose time ran out (kBlack or kWhite), 0 while both have time.
  // Once fallen the flag stays until Reset or SetRemainingMs; the clocks
  // stop with it.
  int Flag();

  // How long side may think for its next move: its time left spread over
  // the moves it still has to make (about half the empty squares) and a
  // few more in reserve, so that the last moves keep some time too.
  int64_t MoveBudgetMs(int side, int empties) const;
  static constexpr int kReserveMoves = 2;

 private:
  int64_t& Left(int side) { return left_[side > 0 ? 0 : 1]; }
  int64_t Left(int side) const { return left_[side > 0 ? 0 : 1]; }
  void Charge();

  TNow now_;
  int64_t allowance_ = 0;
  std::array<int64_t, 2> left_{};  // Black's, White's, as of since_
  int running_ = 0;
  int64_t since_ = 0;
  int flag_ = 0;
};

}  // namespace reversi
