#include "Shape.h"

#include <QPainter>
#include <algorithm>

TShape::TShape(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TShape::SetBrushColor(const QColor& color) {
  brush_ = color;
  update();
}

void TShape::SetPenColor(const QColor& color) {
  pen_ = color;
  update();
}

void TShape::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const int d = std::min(width(), height());
  // The pen runs along the inside of the d x d box.
  const QRectF box((width() - d) / 2 + 0.5, (height() - d) / 2 + 0.5, d - 1.0, d - 1.0);
  p.setPen(QPen(pen_, 1.0));
  p.setBrush(brush_);
  p.drawEllipse(box);
}
