#include "Words.h"

#include <charconv>
#include <cstdlib>

#include "Geometry.h"

namespace reversi::engines {

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::optional<int> ParseSquare(std::string_view text) {
  if (text.size() != 2) return std::nullopt;
  const char column = Lower(text.substr(0, 1))[0];
  const char row = text[1];
  if (column < 'a' || column > 'h' || row < '1' || row > '8') return std::nullopt;
  return SquareOf(row - '1', column - 'a');
}

std::optional<int> ParseColour(std::string_view text) {
  const std::string word = Lower(text);
  if (word == "b" || word == "black") return kBlack;
  if (word == "w" || word == "white") return kWhite;
  return std::nullopt;
}

std::optional<long long> ParseWhole(std::string_view text, long long low, long long high) {
  if (text.empty() || text.size() > 19) return std::nullopt;
  if (text[0] == '+') text.remove_prefix(1);
  long long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high) return std::nullopt;
  return value;
}

std::optional<double> ParseDecimal(std::string_view text) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  bool digit = false, point = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9')
      digit = true;
    else if (c == '.' && !point)
      point = true;
    else if (!((c == '-' || c == '+') && i == 0))
      return std::nullopt;
  }
  if (!digit) return std::nullopt;
  return std::strtod(std::string(text).c_str(), nullptr);
}

std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    size_t j = i;
    while (j < line.size() && line[j] != ' ' && line[j] != '\t') ++j;
    if (j > i) words.emplace_back(line.substr(i, j - i));
    i = j;
  }
  return words;
}

}  // namespace reversi::engines
