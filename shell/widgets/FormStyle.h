// The look the windows share: their fonts, their named colours and where they
// open. The forms were laid out in Arial at pixel sizes, so every font here
// is Arial at a pixel size; what a window draws in a colour of its own names
// it here.
#pragma once

#include <QColor>
#include <QFont>

class QScreen;
class QWidget;

namespace formstyle {

inline const QColor kRed(255, 0, 0);
inline const QColor kBlue(0, 0, 255);  // values shown by the windows, the splash's bars, web addresses
inline const QColor kNavy(0, 0, 128);
inline const QColor kGrey(128, 128, 128);

// Arial at the given pixel size.
QFont ArialPixels(int pixels, bool bold = false);
// The main window's font: Arial (else any sans-serif face), 11 pixels unless said.
QFont FormFont(bool bold = false, int pixels = 11);
// The status line's font: "MS Sans Serif" (else any sans-serif face), 11 pixels.
QFont StatusFont();

// Moves window so that it stands in the middle of area (a screen's whole or
// available geometry).
void CentreIn(QWidget* window, const QRect& area);
// The screen a dialog opens on: its owner's, or the primary screen.
QScreen* ScreenOf(const QWidget* dialog);

}  // namespace formstyle
