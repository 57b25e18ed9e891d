// The box that tells the person to pass while the computer moves again: the
// engine's words and buttons, under the window's own title like every other
// box of the window. Cancel does what OK does: a pass cannot be refused.
#pragma once

class QWidget;

void ShowPassBox(QWidget* window);
