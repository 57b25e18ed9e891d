// Move generation on the 64-bit boards kept beside the cells.
//
// The search needs more than the set of legal moves: the order in which a
// walk of the mover's disc list, direction by direction, would discover them
// (it decides which of several equal moves is tried first), and the discs a
// move turns in the order they are turned (it decides the next disc-list
// order). Both are recovered here from bit boards: the boards say which disc
// starts a capture in which direction, so the walk only stops at those discs
// and looks up each capture's end instead of stepping along it; a move's
// flips are one mask, and their turning order a table by square.
//
// Everything works on bit indexes (8 * row + col, see kBitIndex) and plain
// data; squares handed back are cell numbers.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "Board.h"

namespace reversi::movegen {

// The fixed direction order of kDirections as bit-index steps. A step with a
// horizontal part changes the column, so its runs of discs lie in columns
// B..G only.
inline constexpr std::array<int, 8> kBitSteps = {+1, -1, +7, -7, +8, -8, +9, -9};
inline constexpr uint64_t kInnerColumns = 0x7E7E7E7E7E7E7E7EULL;

constexpr uint64_t Shifted(uint64_t b, int step) {
  return step > 0 ? b << step : b >> -step;
}

// The squares beyond bit index b in direction k, up to the edge (b excluded).
inline constexpr std::array<std::array<uint64_t, 64>, 8> kRays = [] {
  std::array<std::array<uint64_t, 64>, 8> rays{};
  for (int k = 0; k < 8; ++k) {
    const int d = kDirections[k];
    for (int b = 0; b < 64; ++b) {
      uint64_t ray = 0;
      for (int sq = kCellOfBit[b] + d; IsPlayingSquare(sq); sq += d) ray |= uint64_t{1} << kBitIndex[sq];
      rays[k][b] = ray;
    }
  }
  return rays;
}();

// The first square of mask met going from bit index b in direction k (mask
// must hold a square of that ray).
inline int FirstAlong(int k, uint64_t mask) {
  return kBitSteps[k] > 0 ? std::countr_zero(mask) : 63 - std::countl_zero(mask);
}

// own's legal moves: into out[0..n-1], n returned, and as a set into moves.
// The suggestion (a bit index, or -1 for none) comes first when it is one of
// them; the others follow in the order a walk of own's disc list from its
// head finds them, each disc looking in the fixed direction order. The list
// order is given by headTimes (see TBoard::HeadTimes). out needs room for 64.
// MovesInWalkOrder is the build for the processor the program runs on,
// picked once at start-up; the others are there for the tests.
using TMovesInWalkOrder = int (*)(const std::array<int32_t, 64>& headTimes, uint64_t own, uint64_t opp, int suggestion,
                                  int32_t* out, uint64_t& moves);
extern const TMovesInWalkOrder MovesInWalkOrder;
int MovesInWalkOrderPortable(const std::array<int32_t, 64>& headTimes, uint64_t own, uint64_t opp, int suggestion,
                             int32_t* out, uint64_t& moves);
#if defined(__x86_64__) && defined(__GNUC__)
// For processors with AVX2, BMI2 and POPCNT (which all have LZCNT too).
int MovesInWalkOrderWide(const std::array<int32_t, 64>& headTimes, uint64_t own, uint64_t opp, int suggestion,
                         int32_t* out, uint64_t& moves);
#endif

// For a move on bit index b, the place of each disc it can turn in turning
// order: directions in the fixed order, nearest disc first within one
// (direction * 8 + distance, so the values of one move's discs differ).
inline constexpr std::array<std::array<uint8_t, 64>, 64> kTurnOrder = [] {
  std::array<std::array<uint8_t, 64>, 64> order{};
  for (int b = 0; b < 64; ++b)
    for (int k = 0; k < 8; ++k) {
      int distance = 0;
      for (int sq = kCellOfBit[b] + kDirections[k]; IsPlayingSquare(sq); sq += kDirections[k])
        order[b][kBitIndex[sq]] = static_cast<uint8_t>(8 * k + ++distance);
    }
  return order;
}();

// The discs that own turns by playing bit index b (which must be empty); none
// for an illegal move. FlipMask is the build for the processor the program
// runs on, picked once at start-up; the others are there for the tests.
using TFlipMask = uint64_t (*)(uint64_t own, uint64_t opp, int b);
extern const TFlipMask FlipMask;
uint64_t FlipMaskPortable(uint64_t own, uint64_t opp, int b);
#if defined(__x86_64__) && defined(__GNUC__)
uint64_t FlipMaskWide(uint64_t own, uint64_t opp, int b);  // for processors with AVX2
#endif

}  // namespace reversi::movegen
