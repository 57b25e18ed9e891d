#include "TickIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

// Drawn for screens of device pixel ratio 1 to 3.
QIcon TickIcon() {
  QIcon icon;
  for (int ratio : {1, 2, 3}) {
    QPixmap pixmap(16 * ratio, 16 * ratio);
    pixmap.setDevicePixelRatio(ratio);
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
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}
