// How many discs a move on the last empty square turns, by table: with every
// other square filled, each line through the square is known from the
// mover's discs on it alone, read as one byte.
#pragma once

#include <array>
#include <cstdint>

#include "SolverBits.h"

namespace reversi::analysis {
inline namespace VZ_SOLVER_ISA {

// kLineFlips[p][line]: the discs turned along one line of eight by a move at
// position p, where bit i of `line` is set for the mover's disc at position
// i and clear for the other side's. Positions off a short diagonal read as
// the other side's discs, which no run can end on, so they turn nothing.
constexpr std::array<std::array<uint8_t, 256>, 8> MakeLineFlips() {
  std::array<std::array<uint8_t, 256>, 8> table{};
  for (int p = 0; p < 8; ++p)
    for (int line = 0; line < 256; ++line) {
      int turned = 0;
      for (int step : {-1, 1}) {
        int i = p + step, run = 0;
        while (i >= 0 && i < 8 && !((line >> i) & 1)) i += step, ++run;
        if (i >= 0 && i < 8) turned += run;
      }
      table[p][line] = static_cast<uint8_t>(turned);
    }
  return table;
}
inline constexpr std::array<std::array<uint8_t, 256>, 8> kLineFlips = MakeLineFlips();

// The two diagonals through each square.
struct TDiagonals {
  TBits Slant9, Slant7;  // A1-H8 and H1-A8 directions
};
constexpr std::array<TDiagonals, 64> MakeDiagonals() {
  std::array<TDiagonals, 64> d{};
  for (int sq = 0; sq < 64; ++sq)
    for (int other = 0; other < 64; ++other) {
      const int dr = other / 8 - sq / 8, dc = other % 8 - sq % 8;
      if (dr == dc) d[sq].Slant9 |= Bit(other);
      if (dr == -dc) d[sq].Slant7 |= Bit(other);
    }
  return d;
}
inline constexpr std::array<TDiagonals, 64> kDiagonals = MakeDiagonals();

// The discs `mover` turns by playing on `square`, the board's only empty
// square; its other squares not in `mover` are the other side's.
inline int LastFlipCount(int square, TBits mover) {
  constexpr TBits kFileA = 0x0101010101010101ull;
  const int row = square / 8, col = square % 8;
  // A column read downwards into one byte; a diagonal's squares lie in
  // different files, so adding its rows together packs it into one byte.
  const auto rowByte = static_cast<unsigned>((mover >> (8 * row)) & 0xFF);
  const auto colByte = static_cast<unsigned>((((mover >> col) & kFileA) * 0x0102040810204080ull) >> 56);
  const auto slant9 = static_cast<unsigned>(((mover & kDiagonals[square].Slant9) * kFileA) >> 56);
  const auto slant7 = static_cast<unsigned>(((mover & kDiagonals[square].Slant7) * kFileA) >> 56);
  return kLineFlips[col][rowByte] + kLineFlips[row][colByte] + kLineFlips[col][slant9] + kLineFlips[col][slant7];
}

}  // namespace VZ_SOLVER_ISA
}  // namespace reversi::analysis
