#include "Bitboard.h"
#include "Builds.h"

namespace reversi::bits {

namespace {

// The build for the processor the program runs on, not the one it was built
// on.
const TBuild& Pick() {
#ifdef VZ_BITS_WIDE
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") && __builtin_cpu_supports("bmi2") &&
      __builtin_cpu_supports("popcnt"))
    return wide::kBuild;
#endif
  return base::kBuild;
}

const TBuild& Picked() {
  static const TBuild& build = Pick();  // once, whichever thread comes first
  return build;
}

}  // namespace

TBits LegalMoves(TBits player, TBits opponent) {
  return Picked().LegalMoves(player, opponent);
}

TBits Flips(int square, TBits player, TBits opponent) {
  return Picked().Flips(square, player, opponent);
}

TBits StableDiscs(TBits player, TBits opponent) {
  return Picked().StableDiscs(player, opponent);
}

}  // namespace reversi::bits
