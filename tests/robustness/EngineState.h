// Helpers shared by the robustness checks: a scratch folder, whole-file
// reads, and a snapshot of everything a refused operation must leave alone.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ReversiCore.h"

namespace vztest {

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
class TTempDir {
 public:
  TTempDir();
  ~TTempDir();
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

std::optional<std::string> ReadText(const std::string& fileName);
bool WriteText(const std::string& fileName, const std::string& text);

// The game as a refused operation must leave it: cells, side to move, the
// record with its forward moves, the last-move mark and the order of both
// disc lists (the order steers the search, so a rebuilt position with the
// same discs is still a change).
struct TEngineState {
  std::array<int32_t, reversi::kCells> Cells{};
  int32_t SideToMove = 0;
  std::vector<int32_t> GameRecord;  // up to its first 0; what lies after it means nothing
  int32_t MovesPlayed = 0;
  int32_t JustPlayedSquare = 0;
  std::vector<int> BlackList, WhiteList;

  static TEngineState Of(const reversi::TReversiCore& e);
  bool operator==(const TEngineState&) const = default;
};

// "" when equal, else the first difference.
std::string Difference(const TEngineState& before, const TEngineState& after);

}  // namespace vztest
