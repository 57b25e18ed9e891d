#include "EngineState.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vztest {

TTempDir::TTempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vezari-robust-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
  path_ = pattern;
}

TTempDir::~TTempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::optional<std::string> ReadText(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool WriteText(const std::string& fileName, const std::string& text) {
  std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out.flush());
}

TEngineState TEngineState::Of(const reversi::TReversiCore& e) {
  TEngineState s;
  s.Cells = e.Cells;
  s.SideToMove = e.SideToMove;
  for (int32_t m : e.GameRecord) {
    if (m == 0) break;
    s.GameRecord.push_back(m);
  }
  s.MovesPlayed = e.MovesPlayed;
  s.JustPlayedSquare = e.JustPlayedSquare;
  for (const reversi::TSqr* n = e.ListHead(reversi::kBlack); n && s.BlackList.size() <= 64; n = n->Next)
    s.BlackList.push_back(n->Square);
  for (const reversi::TSqr* n = e.ListHead(reversi::kWhite); n && s.WhiteList.size() <= 64; n = n->Next)
    s.WhiteList.push_back(n->Square);
  return s;
}

std::string Difference(const TEngineState& a, const TEngineState& b) {
  for (int i = 0; i < reversi::kCells; ++i)
    if (a.Cells[i] != b.Cells[i])
      return "cell " + std::to_string(i) + " was " + std::to_string(a.Cells[i]) + ", is " + std::to_string(b.Cells[i]);
  if (a.SideToMove != b.SideToMove) return "side to move changed";
  if (a.MovesPlayed != b.MovesPlayed)
    return "MovesPlayed was " + std::to_string(a.MovesPlayed) + ", is " + std::to_string(b.MovesPlayed);
  for (size_t i = 0; i < std::max(a.GameRecord.size(), b.GameRecord.size()); ++i)
    if (i >= a.GameRecord.size() || i >= b.GameRecord.size() || a.GameRecord[i] != b.GameRecord[i])
      return "record entry " + std::to_string(i) + " changed";
  if (a.JustPlayedSquare != b.JustPlayedSquare) return "JustPlayedSquare changed";
  if (a.BlackList != b.BlackList) return "Black's disc list changed order";
  if (a.WhiteList != b.WhiteList) return "White's disc list changed order";
  return {};
}

}  // namespace vztest
