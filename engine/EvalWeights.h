// The evaluation's weights, in hundredths of a disc, all in one place.
#pragma once

#include <array>

namespace reversi::weights {

inline constexpr int kWin = 22000;  // a won finished game: kWin + margin

// clang-format off
inline constexpr int kOwnSafeMove = 109;
inline constexpr int kOppSafeMove = -62;
inline constexpr int kDisc = -17;         // more discs is worse in the middle game
inline constexpr int kCentre = 23;
inline constexpr int kInnerRing = -30;
inline constexpr int kOuterRing = -60;
inline constexpr int kXSquare = 1500;     // per X-square of the opponent, minus per own
inline constexpr int kCSquare = 250;      // per C-square of the opponent, minus per own
inline constexpr int kRimAnchor = 400;
inline constexpr int kOwnCorner = 50;     // times the empties on the corner's rims
inline constexpr int kOppCorner = -37;
inline constexpr int kOwnEmptyContact = -41;
inline constexpr int kOwnEnemyContact = -10;
inline constexpr int kOppEmptyContact = 25;
inline constexpr int kOppEnemyContact = 8;
// clang-format on

// Quadrant parity by the empties left in a quadrant (index 1..5; 0 and more
// than 5 count nothing): when the side has more moves in the quadrant than
// its opponent, and otherwise.
inline constexpr std::array<int, 6> kParityAhead = {0, +800, -600, +400, -200, +100};
inline constexpr std::array<int, 6> kParityBehind = {0, -500, +350, -200, +100, -70};

}  // namespace reversi::weights
