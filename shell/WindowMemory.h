// What the main window keeps between runs: the settings (Settings.h) read
// when it is created and written when it closes, only what the run changed,
// so that another copy's changes stay; and its place on the screen, put back
// where it was when it last closed, or, on a first start or when that place
// is on no screen now, at its design placement (640 x 480, centred) and
// maximised.
#pragma once

#include <string>
#include <vector>

#include "Settings.h"

class QWidget;
class TMainMenus;
class TReversi;

class TWindowMemory {
 public:
  explicit TWindowMemory(std::string path) : path_(std::move(path)) {}
  const std::string& Path() const { return path_; }

  // The settings into the board and the menus' marks; returns whether the
  // coordinates are shown.
  bool Load(TReversi& board, TMainMenus& menus);
  // Before the window is first shown.
  void RestorePlacement(QWidget& window) const;
  // The settings at the close, more beside them, in one write; a failed write
  // leaves the file as it was and gives its reason (empty when written).
  std::string Save(const QWidget& window, const TReversi& board, const TMainMenus& menus,
                   std::vector<TIniWrite> more) const;

 private:
  std::string path_;
  TSettingsBaseline atStart_;
  bool coordinatesAtStart_ = false;
};
