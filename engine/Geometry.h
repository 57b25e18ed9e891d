// The board's geometry, said once: cell numbering, direction offsets and the
// per-cell tables that the rules, the search and the evaluation read.
//
// 91 cells, 9 to a row, with one shared border column (cell 18 lies right of
// H1 and left of A2). A step in any direction from a playing square stays in
// 0..90, and a walk always meets a border cell before it could leave the
// array, so walks need no bounds tests.
//
//        A   B   C   D   E   F   G   H
//     0   1   2   3   4   5   6   7   8      border
//  1  9  10  11  12  13  14  15  16  17
//  2 18  19  20  21  22  23  24  25  26
//  3 27  28  29  30  31  32  33  34  35
//  4 36  37  38  39  40  41  42  43  44
//  5 45  46  47  48  49  50  51  52  53
//  6 54  55  56  57  58  59  60  61  62
//  7 63  64  65  66  67  68  69  70  71
//  8 72  73  74  75  76  77  78  79  80
//    81  82  83  84  85  86  87  88  89  90  border
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace reversi {

inline constexpr int kCells = 91;
inline constexpr int kBorder = 2;
inline constexpr int kBlack = 1;
inline constexpr int kWhite = -1;
inline constexpr int kPassSquare = 91;  // stands for a pass in a line of play
// Length of a table with an entry for every cell index, the pass included.
inline constexpr int kCellTableSize = kPassSquare + 1;

// The square of row r (digit r+1) and column c (letter A+c).
// clang-format off
constexpr int SquareOf(int row, int col) { return 10 + 9 * row + col; }
constexpr int RowOf(int sq) { return (sq - 9) / 9; }
constexpr int ColOf(int sq) { return (sq - 1) % 9; }
// clang-format on
constexpr bool IsPlayingSquare(int sq) {
  return sq >= 10 && sq <= 80 && (sq % 9) != 0;
}

// The playing squares by name, row by row.
// clang-format off
enum : int {
  A1 = SquareOf(0, 0), B1, C1, D1, E1, F1, G1, H1,
  A2 = SquareOf(1, 0), B2, C2, D2, E2, F2, G2, H2,
  A3 = SquareOf(2, 0), B3, C3, D3, E3, F3, G3, H3,
  A4 = SquareOf(3, 0), B4, C4, D4, E4, F4, G4, H4,
  A5 = SquareOf(4, 0), B5, C5, D5, E5, F5, G5, H5,
  A6 = SquareOf(5, 0), B6, C6, D6, E6, F6, G6, H6,
  A7 = SquareOf(6, 0), B7, C7, D7, E7, F7, G7, H7,
  A8 = SquareOf(7, 0), B8, C8, D8, E8, F8, G8, H8,
};
// clang-format on
static_assert(A1 == 10 && H1 == 17 && A2 == 19 && H8 == 80);

// The fixed direction order. It decides the order of flips, hence the order
// of the disc lists, hence the order in which equal moves are searched.
inline constexpr std::array<int, 8> kDirections = {+1, -1, +8, -8, +9, -9, +10, -10};

// Quadrant of each cell: 1 = A1-D4, 2 = E1-H4, 3 = A5-D8, 4 = E5-H8, 0 border.
constexpr std::array<int, kCellTableSize> MakeQuadrants() {
  std::array<int, kCellTableSize> q{};
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 8; ++c) q[SquareOf(r, c)] = 1 + (c >= 4 ? 1 : 0) + (r >= 4 ? 2 : 0);
  return q;
}
inline constexpr std::array<int, kCellTableSize> kQuadrant = MakeQuadrants();

// Rim class of each cell: 1 = row 1 (corners included), 2 = column A without
// corners, 3 = column H without corners, 4 = row 8, 0 = not on a rim.
constexpr std::array<int, kCellTableSize> MakeRims() {
  std::array<int, kCellTableSize> rim{};
  for (int c = 0; c < 8; ++c) {
    rim[SquareOf(0, c)] = 1;
    rim[SquareOf(7, c)] = 4;
  }
  for (int r = 1; r < 7; ++r) {
    rim[SquareOf(r, 0)] = 2;
    rim[SquareOf(r, 7)] = 3;
  }
  return rim;
}
inline constexpr std::array<int, kCellTableSize> kRimClass = MakeRims();

// 1 on every playing square but the twelve X- and C-squares.
constexpr std::array<int, kCellTableSize> MakeSafe() {
  std::array<int, kCellTableSize> s{};
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 8; ++c) s[SquareOf(r, c)] = 1;
  for (int sq : {B1, G1, A2, B2, G2, H2, A7, B7, G7, H7, B8, G8}) s[sq] = 0;
  return s;
}
inline constexpr std::array<int, kCellTableSize> kSafeSquare = MakeSafe();

// Names of all kCellTableSize indexes: "A1".."H8" on playing squares, two blanks on the
// border cells 0..9 and the shared column, "" on 82..90, "--" on 91 (no move,
// or a pass).
const std::string& SquareName(int index);

// The bit of a playing square in the 64-bit boards kept beside the cells:
// bit 8*row + col.
constexpr std::array<int, kCellTableSize> MakeBitIndex() {
  std::array<int, kCellTableSize> b{};
  for (auto& v : b) v = -1;
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 8; ++c) b[SquareOf(r, c)] = 8 * r + c;
  return b;
}
inline constexpr std::array<int, kCellTableSize> kBitIndex = MakeBitIndex();

// The cell of each bit index.
inline constexpr std::array<int32_t, 64> kCellOfBit = [] {
  std::array<int32_t, 64> cells{};
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 8; ++c) cells[8 * r + c] = SquareOf(r, c);
  return cells;
}();

}  // namespace reversi
