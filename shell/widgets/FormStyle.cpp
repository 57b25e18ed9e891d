#include "FormStyle.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace formstyle {

QFont ArialPixels(int pixels, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QFont FormFont(bool bold, int pixels) {
  QFont font = ArialPixels(pixels, bold);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QFont StatusFont() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}

void CentreIn(QWidget* window, const QRect& area) {
  window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

QScreen* ScreenOf(const QWidget* dialog) {
  return dialog->parentWidget() ? dialog->parentWidget()->screen() : QGuiApplication::primaryScreen();
}

}  // namespace formstyle
