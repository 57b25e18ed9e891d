#include "NotationScan.h"

namespace reversi::notation {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view WithoutMark(std::string_view text) {
  return text.substr(0, 3) == "\xEF\xBB\xBF" ? text.substr(3) : text;
}

bool StartsWithWord(std::string_view text, size_t i, std::string_view word) {
  if (text.size() - i < word.size()) return false;
  for (size_t k = 0; k < word.size(); ++k)
    if (Lower(text[i + k]) != word[k]) return false;
  return true;
}

std::optional<int> SquareOfName(std::string_view name) {
  if (name.size() != 2) return std::nullopt;
  const int col = Lower(name[0]) - 'a';
  const int row = name[1] - '1';
  if (col < 0 || col > 7 || row < 0 || row > 7) return std::nullopt;
  return SquareOf(row, col);
}

std::string LowerName(int square) {
  std::string name = SquareName(square);
  name[0] = Lower(name[0]);
  return name;
}

bool IsPassWord(std::string_view word) {
  return (word.size() == 2 || word.size() == 4) &&
         StartsWithWord(word, 0, std::string_view("pass").substr(0, word.size()));
}

std::string Shown(std::string_view text) {
  std::string s;
  for (unsigned char c : text.substr(0, 20)) s += c >= 32 && c < 127 ? static_cast<char>(c) : '?';
  if (text.size() > 20) s += "...";
  return s;
}

std::string MoveError(int number, std::string_view text, const std::string& what) {
  return "move " + std::to_string(number) + ", \"" + Shown(text) + "\": " + what;
}

TReadResult Refused(std::string reason) {
  return TReadResult{false, std::move(reason), {}};
}

}  // namespace reversi::notation
