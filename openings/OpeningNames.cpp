#include "OpeningNames.h"

#include "Replay.h"

namespace reversi::openings {

extern const char* const kOpeningNamesText;

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

uint64_t KeyAt(const TPly& ply) {
  return KeyOf(Fold(ply.Position).Position);
}

}  // namespace

TOpeningNames TOpeningNames::Parse(std::string_view text) {
  TOpeningNames table;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.empty() || line.front() == '#') continue;
    const size_t gap = line.find_first_of(" \t");
    const TReadResult read = ReadMoveList(line.substr(0, gap));
    const std::string_view name = gap == std::string_view::npos ? std::string_view() : Trim(line.substr(gap));
    if (!read || name.empty()) {
      ++table.skipped_;
      continue;
    }
    std::vector<uint64_t> keys;
    WalkGame(read.Game.Start, BitMoves(read.Game), [&](const TPly& ply) { keys.push_back(KeyAt(ply)); });
    table.along_.insert(keys.begin(), keys.end());
    table.ends_[keys.back()] = table.names_.size();
    table.names_.emplace_back(name);
    table.lines_.push_back({std::string(name), std::string(line.substr(0, gap))});
  }
  return table;
}

const TOpeningNames& TOpeningNames::Builtin() {
  static const TOpeningNames table = Parse(kOpeningNamesText);
  return table;
}

std::string TOpeningNames::NameOf(const std::vector<int>& squares, const TPosition& start) const {
  std::string name;
  bool on = true;
  WalkGame(start, squares, [&](const TPly& ply) {
    if (!on) return;
    const uint64_t key = KeyAt(ply);
    if (!along_.count(key)) {
      on = false;
      return;
    }
    if (auto it = ends_.find(key); it != ends_.end()) name = names_[it->second];
  });
  return on ? name : std::string();
}

}  // namespace reversi::openings
