// The GGF reader. A game it accepts must replay from its board, written
// again read back the same, and, from the standard start, replay under the
// reference rules too.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "Notation.h"
#include "ReferenceRules.h"

using namespace reversi;
using vzfuzz::Broken;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const TReadResult read = ReadGgf(text);
  if (!read) {
    vzfuzz::CheckReason(read.Reason, text);
    return 0;
  }
  TPosition end;
  if (!FinalPosition(read.Game, end)) Broken("an accepted game does not replay", text);
  std::string why;
  if (read.Game.Start == TPosition::Standard() && !vztest::Replay(read.Game.Moves, &why))
    Broken("the reference rules refuse the game: " + why, text);
  const std::string written = WriteGgf(read.Game, {"p]l\\ace", "", "", ""});
  const TReadResult again = ReadGgf(written);
  if (!again || again.Game != read.Game) Broken("the game does not read back from " + written, text);
  if ((written.find("RE[") != std::string::npos) != IsOver(end)) Broken("RE written for an unfinished game", text);
  return 0;
}
