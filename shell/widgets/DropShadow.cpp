#include "DropShadow.h"

#include <QPainter>
#include <algorithm>

TDropShadow::TDropShadow(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void TDropShadow::SetSoftness(int pixels) {
  softness_ = std::max(0, pixels);
  update();
}

void TDropShadow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  // Nested rounded rectangles, each adding a little darkness, so the shadow
  // is darkest in its core and fades out over the last few pixels.
  const int steps = std::min(softness_, std::min(width(), height()) / 2);
  const int alpha = 150 / (steps + 1);
  p.setBrush(QColor(0, 0, 0, alpha));
  for (int i = 0; i <= steps; ++i) {
    const QRectF r = QRectF(rect()).adjusted(i, i, -i, -i);
    p.drawRoundedRect(r, steps - i + 1, steps - i + 1);
  }
}
