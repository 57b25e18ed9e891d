#include "DropShadow.h"

#include <QPainter>
#include <algorithm>

void DrawDropShadow(QPainter& painter, const QRect& rect, int layers, int alpha, bool rounded) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, rounded);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, alpha));
  for (int i = 0; i < layers; ++i) {
    const QRect layer = rect.adjusted(i, i, -i, -i);
    if (layer.isEmpty()) break;
    if (rounded) {
      painter.drawRoundedRect(QRectF(layer), layers - i, layers - i);
    } else {
      painter.fillRect(layer, painter.brush());
    }
  }
  painter.restore();
}

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
  const int steps = std::min(softness_, std::min(width(), height()) / 2);
  DrawDropShadow(p, rect(), steps + 1, 150 / (steps + 1), /*rounded=*/true);
}
