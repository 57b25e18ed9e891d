// The out-of-line rules of each build of the library, for Picked.cpp to
// choose from. Only the library includes this.
#pragma once

#include <cstdint>

namespace reversi::bits {

struct TBuild {
  uint64_t (*LegalMoves)(uint64_t player, uint64_t opponent);
  uint64_t (*Flips)(int square, uint64_t player, uint64_t opponent);
  uint64_t (*StableDiscs)(uint64_t player, uint64_t opponent);
};

namespace base {
extern const TBuild kBuild;
}
namespace wide {
extern const TBuild kBuild;  // defined only where the wide build is made
}

}  // namespace reversi::bits
