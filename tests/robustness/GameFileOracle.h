// What loading a ".RGM" text should do, worked out independently of the
// engine's reader: which texts it must accept, and the record an accepted
// one leaves. Shared by the self-play tool and the game-file fuzzer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ReferenceRules.h"

namespace vztest {

// The numbers of the text, or nullopt when a token is not a 32-bit integer
// (an optional sign, then decimal digits). Blanks, tabs and line breaks
// separate tokens; anything else belongs to one.
inline std::optional<std::vector<int64_t>> GameFileNumbers(std::string_view text) {
  std::vector<int64_t> numbers;
  size_t i = 0;
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  while (i < text.size()) {
    if (blank(text[i])) {
      ++i;
      continue;
    }
    size_t j = i;
    bool negative = false;
    if (text[j] == '+' || text[j] == '-') negative = text[j++] == '-';
    if (j == text.size() || blank(text[j])) return std::nullopt;
    int64_t value = 0;
    for (; j < text.size() && !blank(text[j]); ++j) {
      if (text[j] < '0' || text[j] > '9') return std::nullopt;
      value = value * 10 + (text[j] - '0');
      if (value > int64_t{1} << 31) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
    numbers.push_back(value);
    i = j;
  }
  return numbers;
}

struct TExpectedLoad {
  std::vector<int> Moves;  // the record after loading: exactly the moves on the board
  TRefBoard Position;
};

// nullopt when the text must be refused: a token that is not an integer, a
// move count outside 0..60, a current move outside 0..count, a move that is
// not legal in its turn (before or after the current one), a text that ends
// before the current move or goes on after it.
inline std::optional<TExpectedLoad> ExpectedLoad(std::string_view text) {
  if (text.size() > (1u << 20)) return std::nullopt;
  const auto numbers = GameFileNumbers(text);
  if (!numbers) return std::nullopt;
  size_t next = 0;
  auto take = [&]() -> int64_t { return next < numbers->size() ? (*numbers)[next++] : 0; };
  const int64_t n = take();
  if (n < 0 || n > 60) return std::nullopt;
  // An empty file, or one cut off before its current move, is damaged.
  if (numbers->size() != static_cast<size_t>(n) + 2) return std::nullopt;
  std::vector<int> moves;
  for (int64_t i = 0; i < n; ++i) moves.push_back(static_cast<int>(take()));
  const int64_t current = take();
  if (current < 0 || current > n || !Replay(moves)) return std::nullopt;
  moves.resize(static_cast<size_t>(current));
  auto position = Replay(moves);
  if (!position) return std::nullopt;
  return TExpectedLoad{std::move(moves), *position};
}

}  // namespace vztest
