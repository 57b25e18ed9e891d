// The eight symmetries of the board on 64-bit boards (bit 8 * row + column,
// A1 = bit 0), and the one form of a position that all eight share, so that
// a position is found in a book or a library however the game was turned.
#pragma once

#include <array>
#include <cstdint>

namespace reversi::openings {

using TBits = uint64_t;

// A position from the side to move's view.
struct TSidePosition {
  TBits Player = 0;
  TBits Opponent = 0;
  bool operator==(const TSidePosition&) const = default;
};

inline constexpr int kSymmetries = 8;

// Symmetry t: bit 4 transposes (a1-h8 diagonal), then bit 1 mirrors the
// columns, then bit 2 mirrors the rows.
TBits Transform(int t, TBits b);
int TransformSquare(int t, int square);
TSidePosition Transform(int t, const TSidePosition& p);
// The symmetry that undoes t.
int Inverse(int t);

// The least of the eight images of a position, the symmetry that makes it,
// and the symmetries that leave that image as it is (a bit per symmetry).
struct TCanonical {
  TSidePosition Position;
  int Symmetry = 0;
  unsigned Stabilizer = 1;
};
TCanonical Canonical(const TSidePosition& p);

// One name for moves that the position's own symmetries make the same move:
// the least of the square's images under `stabilizer`.
int CanonicalMove(unsigned stabilizer, int square);

// A 64-bit key of a canonical position.
uint64_t KeyOf(const TSidePosition& canonical);

}  // namespace reversi::openings
