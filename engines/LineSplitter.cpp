#include "LineSplitter.h"

namespace reversi::engines {

bool TLineSplitter::Feed(std::string_view bytes) {
  while (!bytes.empty()) {
    const size_t newline = bytes.find('\n');
    const std::string_view part = bytes.substr(0, newline);
    if (!skipping_) {
      if (buffer_.size() + part.size() > max_) {
        buffer_.clear();
        skipping_ = true;
        if (!tooLong_()) return false;
      } else {
        buffer_.append(part);
      }
    }
    if (newline == std::string_view::npos) return true;
    bytes.remove_prefix(newline + 1);
    if (skipping_) {
      skipping_ = false;
      continue;
    }
    std::string line;
    line.swap(buffer_);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line_(line)) return false;
  }
  return true;
}

bool TLineSplitter::Finish() {
  if (skipping_ || buffer_.empty()) return true;
  return Feed("\n");
}

}  // namespace reversi::engines
