// The opening book's reader: a file it accepts answers look-ups; one it
// refuses says why.
#include <cstddef>
#include <cstdint>

#include "Book.h"
#include "FuzzCheck.h"

using namespace reversi::openings;
using vzfuzz::Broken;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
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
