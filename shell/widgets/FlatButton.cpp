#include "FlatButton.h"

#include <QPainter>
#include <QStyleOptionToolButton>

TFlatButton::TFlatButton(QWidget* parent) : QToolButton(parent) {
  setAutoRaise(true);
  setFocusPolicy(Qt::NoFocus);
  setIconSize(QSize(16, 16));
  setToolButtonStyle(Qt::ToolButtonIconOnly);
}

void TFlatButton::SetColor(const QColor& color) {
  if (color_ == color) return;
  color_ = color;
  update();
}

void TFlatButton::SetFontColor(const QColor& color) {
  if (fontColor_ == color) return;
  fontColor_ = color;
  update();
}

void TFlatButton::paintEvent(QPaintEvent* event) {
  if (!color_.isValid()) {
    QToolButton::paintEvent(event);
    return;
  }
  // A coloured face: painted here, since styles draw tool buttons on the
  // palette's colours and a style sheet would drop the native frame.
  QPainter p(this);
  const QRect r = rect();
  p.fillRect(r, color_);
  const bool down = isDown() || isChecked();
  if (down || underMouse()) {
    const QColor light = down ? QColor(64, 64, 64) : QColor(255, 255, 255);
    const QColor dark = down ? QColor(255, 255, 255) : QColor(64, 64, 64);
    p.setPen(light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
  }
  QRect face = r;
  if (down) face.translate(1, 1);
  if (!icon().isNull() && text().isEmpty()) {
    const QPixmap glyph = icon().pixmap(iconSize(), isEnabled() ? QIcon::Normal : QIcon::Disabled);
    const QSize logical = glyph.deviceIndependentSize().toSize();
    p.drawPixmap(face.x() + (face.width() - logical.width()) / 2, face.y() + (face.height() - logical.height()) / 2,
                 glyph);
  } else {
    p.setFont(font());
    p.setPen(isEnabled() ? fontColor_ : QColor(128, 128, 128));
    p.drawText(face, Qt::AlignCenter, text());
  }
}
