// The eight symmetries of the board on 64-bit boards (bit 8*row+col), and
// the canonical form of a position: the least of its eight images. Whatever
// is kept or searched by position (the analyst's table, the opening book,
// the game library) finds a position again however the game was turned.
#pragma once

#include <cstdint>

namespace reversi::bits {

inline constexpr int kSymmetries = 8;

// Top and bottom rows swapped.
inline uint64_t FlipVertical(uint64_t b) {
  return __builtin_bswap64(b);
}

// Columns A and H swapped.
inline uint64_t MirrorHorizontal(uint64_t b) {
  constexpr uint64_t k1 = 0x5555555555555555ull, k2 = 0x3333333333333333ull, k4 = 0x0F0F0F0F0F0F0F0Full;
  b = ((b >> 1) & k1) | ((b & k1) << 1);
  b = ((b >> 2) & k2) | ((b & k2) << 2);
  return ((b >> 4) & k4) | ((b & k4) << 4);
}

// Mirrored on the A1-H8 diagonal: square (row, col) goes to (col, row).
inline uint64_t FlipDiagonal(uint64_t b) {
  constexpr uint64_t k1 = 0x5500550055005500ull, k2 = 0x3333000033330000ull, k4 = 0x0F0F0F0F00000000ull;
  uint64_t t = k4 & (b ^ (b << 28));
  b ^= t ^ (t >> 28);
  t = k2 & (b ^ (b << 14));
  b ^= t ^ (t >> 14);
  t = k1 & (b ^ (b << 7));
  return b ^ t ^ (t >> 7);
}

// Symmetry s (0..7): bit 0 mirrors the columns, bit 1 flips the rows, bit 2
// then mirrors on the diagonal.
inline uint64_t Transform(uint64_t b, int s) {
  if (s & 1) b = MirrorHorizontal(b);
  if (s & 2) b = FlipVertical(b);
  if (s & 4) b = FlipDiagonal(b);
  return b;
}

// The square that `square` becomes under symmetry s.
inline int TransformSquare(int square, int s) {
  return __builtin_ctzll(Transform(uint64_t{1} << square, s));
}

// The symmetry that undoes s: the mirrors undo themselves, and a diagonal
// mirror after a row flip is undone by one after a column mirror.
inline int Inverse(int s) {
  return (s & 4) && (s & 3) != 3 && (s & 3) != 0 ? s ^ 3 : s;
}

// The square that becomes `square` under symmetry s.
inline int UntransformSquare(int square, int s) {
  return TransformSquare(square, Inverse(s));
}

struct TCanonical {
  uint64_t Player = 0;
  uint64_t Opponent = 0;
  int Symmetry = 0;  // the canonical form is the position under this symmetry
};

inline TCanonical Canonical(uint64_t player, uint64_t opponent) {
  TCanonical best{player, opponent, 0};
  for (int s = 1; s < kSymmetries; ++s) {
    const uint64_t p = Transform(player, s), o = Transform(opponent, s);
    if (p < best.Player || (p == best.Player && o < best.Opponent)) best = {p, o, s};
  }
  return best;
}

// The symmetries that leave a position as it is, a bit each (bit 0 always).
inline unsigned Stabilizer(uint64_t player, uint64_t opponent) {
  unsigned found = 1;
  for (int s = 1; s < kSymmetries; ++s)
    if (Transform(player, s) == player && Transform(opponent, s) == opponent) found |= 1u << s;
  return found;
}

// One name for moves that a position's own symmetries make the same move:
// the least of the square's images under the stabilizer.
inline int CanonicalMove(unsigned stabilizer, int square) {
  int least = square;
  for (int s = 1; s < kSymmetries; ++s)
    if (stabilizer & (1u << s)) {
      const int image = TransformSquare(square, s);
      if (image < least) least = image;
    }
  return least;
}

}  // namespace reversi::bits
