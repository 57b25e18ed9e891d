#include "StartupWidgets.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "FormStyle.h"

void DrawShadowText(QPainter& painter, const QRect& rect, int flags, const QString& text, const QColor& colour,
                    const QColor& shadow, int depth) {
  painter.save();
  painter.setPen(shadow);
  for (int d = depth; d >= 1; --d) painter.drawText(rect.translated(d, d), flags, text);
  painter.setPen(colour);
  painter.drawText(rect, flags, text);
  painter.restore();
}

QFont FitFontToWidth(QFont font, const QString& text, int width) {
  for (int pixels = font.pixelSize(); pixels > 6; --pixels) {
    font.setPixelSize(pixels);
    if (QFontMetrics(font).horizontalAdvance(text) <= width) break;
  }
  return font;
}

TShadowLabel::TShadowLabel(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TranslucentBackground);
}

void TShadowLabel::SetText(const QString& text) {
  text_ = text;
  update();
}

void TShadowLabel::SetColour(const QColor& colour) {
  colour_ = colour;
  update();
}

void TShadowLabel::SetShadowColour(const QColor& colour) {
  shadowColour_ = colour;
  update();
}

void TShadowLabel::SetShadowDepth(int depth) {
  shadowDepth_ = depth;
  update();
}

void TShadowLabel::SetTextFlags(int flags) {
  textFlags_ = flags;
  update();
}

void TShadowLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(font());
  // The shadow must stay inside the label, so the text keeps clear of the
  // right and bottom edges by the shadow's depth.
  const QRect textRect = rect().adjusted(0, 0, -shadowDepth_, -shadowDepth_);
  DrawShadowText(painter, textRect, textFlags_, text_, colour_, shadowColour_, shadowDepth_);
}

TUrlLabel::TUrlLabel(QWidget* parent) : QLabel(parent) {
  Open = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
  QPalette blue = palette();
  blue.setColor(QPalette::WindowText, formstyle::kBlue);
  setPalette(blue);
  setCursor(Qt::PointingHandCursor);
}

QUrl TUrlLabel::Address() const {
  return QUrl::fromUserInput(text());
}

void TUrlLabel::Click() {
  if (!isEnabled()) return;
  if (!Open || !Open(Address())) {
    setEnabled(false);
    unsetCursor();
    if (OnOpenFailed) OnOpenFailed(Address());
  }
}

void TUrlLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    Click();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}
