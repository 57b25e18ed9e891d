#include "ScalableIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

QPixmap Render(QSvgRenderer& renderer, int side, int ratio) {
  QPixmap pixmap(side * ratio, side * ratio);
  pixmap.fill(Qt::transparent);
  {
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p);
  }
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

}  // namespace

QIcon ScalableIcon(const QString& bitmap, const QString& drawing, const QList<int>& sides) {
  const QPixmap exact(bitmap);
  QSvgRenderer renderer(drawing);
  QIcon icon(exact);
  if (!renderer.isValid()) return icon;
  // QIcon picks the pixmap whose device size fits the request best, so the
  // bitmap keeps its own size at ratio 1 and the renderings take the rest.
  for (int ratio : {2, 3}) icon.addPixmap(Render(renderer, exact.width(), ratio));
  for (int side : sides) {
    if (side == exact.width()) continue;
    for (int ratio : {1, 2}) icon.addPixmap(Render(renderer, side, ratio));
  }
  return icon;
}
