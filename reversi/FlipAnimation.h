// The discs a move turned, turning over on the screen (View > Animate
// Flips). Each disc narrows to its edge in its old colour and widens again
// in its new one, in kTurnMs; the ones farther from the new disc start
// kStepMs later per square, so the turn runs outward along its lines and
// the whole move takes at most kTurnMs + 5 * kStepMs (250 ms).
//
// The animation only says how far each disc has turned; the board draws
// the frames (ReversiPaint.cpp) from a timer of about 60 per second, and
// when it is over the board is drawn as it always is.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class TFlipAnimation : public QObject {
  Q_OBJECT

 public:
  static constexpr int kTurnMs = 200;
  static constexpr int kStepMs = 10;
  static constexpr int kFrameMs = 16;

  struct TDisc {
    int Cell = 0;
    int From = 0;  // the colour it had, kBlack or kWhite
    int To = 0;
    int DelayMs = 0;
  };

  // The discs a move turned, when after is before with one disc added at an
  // empty square and at least one disc of the other colour turned to the
  // mover's; nothing for any other change (a take back, a new game).
  static std::optional<std::vector<TDisc>> TurnedDiscs(const int32_t* before, const int32_t* after);

  // Starts at once; update asks for a frame, done is asked at each frame
  // whether to end early (a stop request, a hidden board).
  TFlipAnimation(std::vector<TDisc> discs, std::function<void()> update, std::function<bool()> done);

  const std::vector<TDisc>& Discs() const { return discs_; }
  bool Running() const { return timer_.isActive(); }
  // How far a disc has turned, 0 to 1.
  double Phase(const TDisc& disc) const;
  int TotalMs() const { return total_; }
  // Ends it at once (emits Finished once).
  void Finish();

 signals:
  void Finished();

 private:
  void Tick();

  std::vector<TDisc> discs_;
  std::function<void()> update_;
  std::function<bool()> done_;
  QTimer timer_;
  QElapsedTimer clock_;
  int total_ = 0;
  bool over_ = false;
};
