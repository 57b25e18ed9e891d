// The tolerant move-list reader. A game it accepts must replay under the
// reference rules and read back the same from its own writing; any text the
// strict run-together parser accepts must read to the same moves here.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "MoveText.h"
#include "Notation.h"
#include "ReferenceRules.h"

using namespace reversi;
using vzfuzz::Broken;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const TReadResult read = ReadMoveList(text);
  std::string strictError;
  const auto strict = ParseMoveText(text, strictError);
  if (!read) {
    vzfuzz::CheckReason(read.Reason, text);
    if (strict) Broken("a game the strict parser reads was refused: " + read.Reason, text);
    return 0;
  }
  if (strict && *strict != read.Game.Moves) Broken("the strict parser reads other moves", text);
  if (read.Game.Start != TPosition::Standard()) Broken("the game does not start from the standard start", text);
  std::string why;
  if (!vztest::Replay(read.Game.Moves, &why)) Broken("the reference rules refuse the game: " + why, text);
  const std::string written = WriteMoveList(read.Game);
  const TReadResult again = ReadMoveList(written);
  if (!again || again.Game != read.Game) Broken("the game does not read back from \"" + written + "\"", text);
  return 0;
}
