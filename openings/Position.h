// A position from the side to move's view, and its one form under the
// board's symmetries, by which the book and the library keep positions.
#pragma once

#include <cstdint>

#include "Symmetry.h"

namespace reversi::openings {

using TBits = uint64_t;

struct TSidePosition {
  TBits Player = 0;
  TBits Opponent = 0;
  bool operator==(const TSidePosition&) const = default;
};

// The least image of a position, the symmetry that makes it, and the
// symmetries that leave that image as it is.
struct TFolded {
  TSidePosition Position;
  int Symmetry = 0;
  unsigned Stabilizer = 1;
};

inline TFolded Fold(const TSidePosition& p) {
  const bits::TCanonical c = bits::Canonical(p.Player, p.Opponent);
  return {{c.Player, c.Opponent}, c.Symmetry, bits::Stabilizer(c.Player, c.Opponent)};
}

// A square of the position as it is in its folded form, one name for the
// moves its symmetries make the same.
inline int FoldedMove(const TFolded& f, int square) {
  return bits::CanonicalMove(f.Stabilizer, bits::TransformSquare(square, f.Symmetry));
}

// A square of the folded form back in the position's own orientation.
inline int Unfolded(const TFolded& f, int square) {
  return bits::UntransformSquare(square, f.Symmetry);
}

// A 64-bit key of a folded position: splitmix64's finaliser over both
// boards, so that positions one disc apart land far apart.
inline uint64_t KeyOf(const TSidePosition& folded) {
  auto mix = [](uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  };
  return mix(folded.Player + 0x9E3779B97F4A7C15ull) ^ mix(folded.Opponent ^ 0xD1B54A32D192ED03ull) * 3;
}

}  // namespace reversi::openings
