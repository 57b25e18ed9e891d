// View > Animate Flips on the board: a move's turned discs turn over before
// the computer's next search begins. Nothing here runs while it is off, and
// the board's drawing is then exactly as it always was.
#include <QEventLoop>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "FlipAnimation.h"
#include "Reversi.h"

using namespace reversi;

void TReversi::SetAnimateFlips(bool value) {
  animateFlips_ = value;
  if (value) std::copy_n(Shown().Cells, kCells, lastCells_.begin());
  if (!value) EndFlipAnimation();
}

bool TReversi::Animating() const {
  return animation_ && animation_->Running();
}

// Every repaint the game asks for follows a change of position; only the one
// that shows a move from the position last painted, on a board on the
// screen, turns discs. Any other change ends the turning at once.
void TReversi::StartFlipAnimation() {
  EndFlipAnimation();
  if (!animateFlips_ || !isVisible()) return;
  auto discs = TFlipAnimation::TurnedDiscs(lastCells_.data(), Cells.data());
  if (!discs) return;
  animation_ = std::make_unique<TFlipAnimation>(
      std::move(*discs), [this] { update(); }, [this] { return !isVisible() || (Thinking() && StopRequested()); });
  connect(animation_.get(), &TFlipAnimation::Finished, this, &TReversi::FlipsTurned);
}

// Finished is emitted before the animation goes, so a wait for it ends.
void TReversi::EndFlipAnimation() {
  if (!animation_) return;
  animation_->Finish();
  animation_.reset();
  update();
}

// Called as a search starts walking its tree: the discs the last move turned
// finish turning first, while the event loop runs. Thinking is set meanwhile,
// so nothing else can change the game; a stop request (Move Now, the close)
// or hiding the board ends the wait at the next frame.
int64_t TReversi::WaitForFlipAnimation() {
  if (!Animating()) return 0;
  QElapsedTimer waited;
  waited.start();
  QEventLoop loop;
  connect(animation_.get(), &TFlipAnimation::Finished, &loop, &QEventLoop::quit);
  loop.exec();
  return waited.elapsed();
}

// Over the discs the stamps drew: each turning disc on a cleared box,
// narrowed to |cos| of its turn, in its old colour for the first half and
// its new one for the second. A disc the position no longer shows in its
// new colour is left alone.
void TReversi::DrawTurningDiscs(QPainter& p, const TShown& shown, const TDevice& px, const QColor& background) {
  if (!animation_->Running()) return;
  const int d = discSize_;
  const int pitch = d + 3;
  const QColor black = look_ ? look_->BlackDisc : QColor(Qt::black);
  const QColor white = look_ ? look_->WhiteDisc : QColor(Qt::white);
  p.setPen(QPen(look_ ? look_->Lines : QColor(Qt::black), 0));
  for (const TFlipAnimation::TDisc& disc : animation_->Discs()) {
    if (shown.Cells[disc.Cell] != disc.To) continue;
    const double phase = animation_->Phase(disc);
    if (phase >= 1.0) continue;
    const int x1 = px(ColOf(disc.Cell) * pitch + 2), y1 = px(RowOf(disc.Cell) * pitch + 2);
    const int side = px(ColOf(disc.Cell) * pitch + 2 + d) - x1;
    p.fillRect(x1, y1, side, side, background);
    const int width = std::max(1, static_cast<int>(std::lround(side * std::abs(std::cos(std::numbers::pi * phase)))));
    const int left = x1 + (side - width) / 2;
    p.setBrush((phase < 0.5 ? disc.From : disc.To) == kWhite ? white : black);
    if (width <= 2)
      p.fillRect(left, y1, width, side, p.pen().color());
    else
      p.drawEllipse(QRect(left, y1, width - 1, side - 1));
  }
}
