#include "TickIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

QIcon TickIcon() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QPen pen(QColor(0, 128, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter.setPen(pen);
  QPainterPath tick;
  tick.moveTo(2.5, 8.5);
  tick.lineTo(6.0, 12.5);
  tick.lineTo(13.5, 3.5);
  painter.drawPath(tick);
  return QIcon(pixmap);
}
