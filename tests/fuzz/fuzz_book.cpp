// The opening book's reader and the game library's cached index: a file
// either accepts answers look-ups; the book says why it refuses one.
#include <cstddef>
#include <cstdint>

#include "Book.h"
#include "FuzzCheck.h"
#include "PositionIndex.h"

using namespace reversi::openings;
using vzfuzz::Broken;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  if (const auto index = TPositionIndex::Read(input, "stamp"))
    for (const TMoveStat& m : index->Find({0x0000000810000000ull, 0x0000001008000000ull}).Moves)
      if (m.Square < 0 || m.Square > 63) Broken("an indexed move off the board", input);
  std::string error;
  const auto book = TBook::Read(input, error);
  if (!book) {
    if (error.empty()) Broken("a refused book without a reason", input);
    return 0;
  }
  for (const TBookMove& m : book->Find({0x0000000810000000ull, 0x0000001008000000ull}))
    if (m.Square < 0 || m.Square > 63) Broken("a book move off the board", input);
  return 0;
}
