#include "WindowPlacement.h"

#include <algorithm>

#include "IniStore.h"

namespace {

const std::string kWindow = "Window";
constexpr int32_t kMaxSide = 65536;
constexpr int32_t kMaxCorner = 1000000;

bool Within(int32_t value, int32_t low, int32_t high) {
  return value >= low && value <= high;
}

// The length of [a, a + la) within [b, b + lb); sums in 64 bits, since the
// screen's figures come from outside as well.
int64_t Overlap(int64_t a, int64_t la, int64_t b, int64_t lb) {
  return std::max<int64_t>(0, std::min(a + la, b + lb) - std::max(a, b));
}

}  // namespace

std::optional<TWindowPlacement> LoadWindowPlacement(const std::string& path) {
  const TIniSnapshot ini = TIniStore(path).Snapshot();
  // A key that is missing or not an integer reads as this, which no check
  // below lets through.
  constexpr int32_t kAbsent = INT32_MIN;
  TWindowPlacement p;
  p.Left = ini.ReadInteger(kWindow, "Left", kAbsent);
  p.Top = ini.ReadInteger(kWindow, "Top", kAbsent);
  p.Width = ini.ReadInteger(kWindow, "Width", kAbsent);
  p.Height = ini.ReadInteger(kWindow, "Height", kAbsent);
  const int32_t maximized = ini.ReadInteger(kWindow, "Maximized", kAbsent);
  if (!Within(p.Left, -kMaxCorner, kMaxCorner) || !Within(p.Top, -kMaxCorner, kMaxCorner) ||
      !Within(p.Width, 1, kMaxSide) || !Within(p.Height, 1, kMaxSide) || maximized == kAbsent)
    return std::nullopt;
  p.Maximized = maximized != 0;
  return p;
}

std::vector<TIniWrite> WindowPlacementWrites(const TWindowPlacement& placement) {
  return {{kWindow, "Left", std::to_string(placement.Left)},
          {kWindow, "Top", std::to_string(placement.Top)},
          {kWindow, "Width", std::to_string(placement.Width)},
          {kWindow, "Height", std::to_string(placement.Height)},
          {kWindow, "Maximized", placement.Maximized ? "1" : "0"}};
}

bool ShowsOn(const TWindowPlacement& placement, const TScreenArea& screen) {
  const int64_t across = Overlap(placement.Left, placement.Width, screen.Left, screen.Width);
  const int64_t down = Overlap(placement.Top, placement.Height, screen.Top, screen.Height);
  return across >= std::min<int64_t>(64, placement.Width) && down >= std::min<int64_t>(32, placement.Height) &&
         across > 0 && down > 0;
}
