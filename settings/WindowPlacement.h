// Where the main window was at the end of the last run, kept in a section of
// "Reversi.ini" of its own ("Window"), so the keys of the other sections and
// a file written without it stay as they are. Plain C++ over the INI store.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "IniText.h"

// The window's geometry when not maximised (its client area, frame
// excluded, in logical pixels) and whether it was maximised.
struct TWindowPlacement {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  bool Maximized = false;
};

// A screen's usable area, in the same coordinates.
struct TScreenArea {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
};

// The stored placement, or nothing when the section or one of its keys is
// missing or unreadable, or a value lies outside what any screen could show
// (a side of 1 to 65536 pixels, a corner within a million pixels of the
// origin). Never fails otherwise.
std::optional<TWindowPlacement> LoadWindowPlacement(const std::string& path);

// The section's five keys, for SaveSettings.
std::vector<TIniWrite> WindowPlacementWrites(const TWindowPlacement& placement);

// True when enough of the window lies on the screen for the user to see it
// and take hold of it: an overlap of at least 64 x 32 pixels, or of the whole
// window when it is smaller.
bool ShowsOn(const TWindowPlacement& placement, const TScreenArea& screen);
