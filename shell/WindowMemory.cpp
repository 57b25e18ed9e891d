// The main window's place between runs: put back where it was when it last
// closed, or, on a first start or when that place is on no screen now, at
// its design placement (640 x 480, centred) and maximised.
#include <QGuiApplication>
#include <QScreen>

#include "Sdimain.h"
#include "WindowPlacement.h"

void TMain::RestorePlacement() {
  const std::optional<TWindowPlacement> stored = LoadWindowPlacement(settingsPath_);
  bool onScreen = false;
  if (stored) {
    for (const QScreen* s : QGuiApplication::screens()) {
      const QRect area = s->availableGeometry();
      onScreen = onScreen || ShowsOn(*stored, {area.x(), area.y(), area.width(), area.height()});
    }
  }
  if (!onScreen) {
    setWindowState(windowState() | Qt::WindowMaximized);
    return;
  }
  setGeometry(stored->Left, stored->Top, stored->Width, stored->Height);
  if (stored->Maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

std::vector<TIniWrite> TMain::PlacementWrites() const {
  // A window never shown has no place of its own to remember.
  if (!isVisible()) return {};
  const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
  return WindowPlacementWrites({normal.x(), normal.y(), normal.width(), normal.height(), isMaximized()});
}
