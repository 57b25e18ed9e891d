// Small readers of protocol words: squares, colours, numbers. Each takes
// any text and answers nullopt for anything it does not know.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace reversi::engines {

// "d3", "D3": the engine's cell number.
std::optional<int> ParseSquare(std::string_view text);
// "b", "black", "w", "white", any case: kBlack or kWhite.
std::optional<int> ParseColour(std::string_view text);
// A whole number within [low, high].
std::optional<long long> ParseWhole(std::string_view text, long long low, long long high);
// A decimal number (no exponent, at most 20 characters).
std::optional<double> ParseDecimal(std::string_view text);
// The words of a line, split on blanks and tabs.
std::vector<std::string> Words(std::string_view line);
std::string Lower(std::string_view text);

}  // namespace reversi::engines
