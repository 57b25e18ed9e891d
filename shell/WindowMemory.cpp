#include "WindowMemory.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "MainMenus.h"
#include "Reversi.h"
#include "WindowPlacement.h"

bool TWindowMemory::Load(TReversi& board, TMainMenus& menus) {
  TShellSwitches switches;
  switches.ShowThinking = board.ShowThinking();
  switches.ShowFlips = board.ShowFlips();
  switches.ShowLegal = board.ShowLegal();
  LoadSettings(path_, board, switches);
  board.SetShowThinking(switches.ShowThinking);
  board.SetShowFlips(switches.ShowFlips);
  board.SetShowLegal(switches.ShowLegal);
  coordinatesAtStart_ = LoadCoordinates(path_);
  // The marks that mirror the engine follow it, whatever the settings did.
  menus.SetSwitches(switches, coordinatesAtStart_);
  atStart_ = SettingsBaseline(board, menus.Switches());
  return coordinatesAtStart_;
}

void TWindowMemory::RestorePlacement(QWidget& window) const {
  const std::optional<TWindowPlacement> stored = LoadWindowPlacement(path_);
  bool onScreen = false;
  if (stored) {
    for (const QScreen* s : QGuiApplication::screens()) {
      const QRect area = s->availableGeometry();
      onScreen = onScreen || ShowsOn(*stored, {area.x(), area.y(), area.width(), area.height()});
    }
  }
  if (!onScreen) {
    window.setWindowState(window.windowState() | Qt::WindowMaximized);
    return;
  }
  window.setGeometry(stored->Left, stored->Top, stored->Width, stored->Height);
  if (stored->Maximized) window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

std::string TWindowMemory::Save(const QWidget& window, const TReversi& board, const TMainMenus& menus,
                                std::vector<TIniWrite> more) const {
  if (menus.CoordinatesShown() != coordinatesAtStart_) more.push_back(CoordinatesWrite(menus.CoordinatesShown()));
  // A window never shown has no place of its own to remember.
  if (window.isVisible()) {
    const QRect normal = window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
    const std::vector<TIniWrite> place =
        WindowPlacementWrites({normal.x(), normal.y(), normal.width(), normal.height(), window.isMaximized()});
    more.insert(more.end(), place.begin(), place.end());
  }
  std::string whyNot;
  if (SaveSettings(path_, board, menus.Switches(), &atStart_, more, &whyNot)) return {};
  return whyNot.empty() ? std::string("the file cannot be written") : whyNot;
}
