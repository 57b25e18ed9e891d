#include "ArrowButton.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

TArrowButton::TArrowButton(TDirection direction, QWidget* parent) : QAbstractButton(parent), direction_(direction) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_Hover);
  resize(sizeHint());
}

void TArrowButton::SetColors(const QColor& normal, const QColor& hover, const QColor& pressed) {
  normal_ = normal;
  hover_ = hover;
  pressed_ = pressed;
  update();
}

QColor TArrowButton::FaceColor() const {
  if (isDown()) return pressed_;
  if (underMouse()) return hover_;
  return normal_;
}

QPolygonF TArrowButton::Outline() const {
  // Drawn pointing right inside a 1-pixel margin (and 2 more at the bottom
  // right for the shadow), then mirrored for a left arrow: the head takes
  // the front 45%, the shaft a third of the height.
  const qreal w = width() - 3.0, h = height() - 3.0;
  const qreal head = w * 0.45, mid = h / 2.0, shaft = h / 6.0;
  QPolygonF right{{0.0, mid - shaft}, {w - head, mid - shaft}, {w - head, 0.0},   {w, mid},
                  {w - head, h},      {w - head, mid + shaft}, {0.0, mid + shaft}};
  QPolygonF out;
  for (const QPointF& pt : right) {
    const qreal x = direction_ == TDirection::Right ? pt.x() : w - pt.x();
    out << QPointF(x + 1.0, pt.y() + 1.0);
  }
  return out;
}

void TArrowButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QPolygonF arrow = Outline();
  if (!isDown()) {  // a shadow, which the pressed arrow sinks onto
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPolygon(arrow.translated(2.0, 2.0));
  }
  const QPolygonF face = isDown() ? arrow.translated(1.0, 1.0) : arrow;
  p.setPen(QPen(QColor(0, 0, 64), 1.0));
  p.setBrush(isEnabled() ? FaceColor() : QColor(128, 128, 128));
  p.drawPolygon(face);
}

bool TArrowButton::hitButton(const QPoint& pos) const {
  return Outline().containsPoint(pos, Qt::OddEvenFill);
}

bool TArrowButton::event(QEvent* e) {
  switch (e->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
      update();
      break;
    default:
      break;
  }
  return QAbstractButton::event(e);
}
