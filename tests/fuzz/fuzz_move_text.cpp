// The analysis tool's move-list parser. Whatever it is given it must answer
// with a game that the reference rules accept move for move, or with a
// readable error exactly when the reference rules refuse the text; a game it
// returns must read back the same from its own names in either case.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "Geometry.h"
#include "MoveText.h"
#include "ReferenceRules.h"

using vzfuzz::Broken;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::string error;
  const auto moves = reversi::ParseMoveText(text, error);

  std::optional<std::vector<int>> expected;
  if (text.empty() || text == "-") {
    expected = std::vector<int>{};
  } else if (auto cells = vztest::ParseSquares(text); cells && vztest::Replay(*cells)) {
    expected = cells;
  }

  if (!moves) {
    if (expected) Broken("a legal game was refused: " + error, text);
    if (error.empty()) Broken("refused without an error message", text);
    for (unsigned char c : error)
      if (c < 32 || c >= 127) Broken("the error message carries unprintable bytes: " + error, text);
    return 0;
  }
  if (!expected) Broken("a text that is not a legal game was accepted", text);
  if (*moves != *expected) Broken("the game read differs from the text", text);

  std::string lower, upper;
  for (int sq : *moves) {
    const std::string& name = reversi::SquareName(sq);
    upper += name;
    lower += static_cast<char>(name[0] | 0x20);
    lower += name[1];
  }
  for (const std::string& again : {lower, upper}) {
    std::string error2;
    const auto reread = reversi::ParseMoveText(again, error2);
    if (!reread || *reread != *moves) Broken("the game does not read back from \"" + again + "\"", text);
  }
  return 0;
}
