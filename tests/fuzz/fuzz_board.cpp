// The board-string reader. A board it accepts must write as 64 squares, a
// blank and the side, and read back to the same position.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "Notation.h"

using namespace reversi;
using vzfuzz::Broken;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const TReadResult read = ReadBoard(text);
  if (!read) {
    vzfuzz::CheckReason(read.Reason, text);
    return 0;
  }
  if (!read.Game.Moves.empty()) Broken("a board came with moves", text);
  const std::string written = WriteBoard(read.Game.Start);
  if (written.size() != 66 || written.find_first_not_of("XO-") != 64 || written.substr(64, 1) != " ")
    Broken("written as \"" + written + "\"", text);
  const TReadResult again = ReadGameText(written);
  if (!again || again.Game != read.Game) Broken("the board does not read back from \"" + written + "\"", text);
  return 0;
}
