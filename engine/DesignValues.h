// The search settings the game's main window is designed with: the board has
// them before "Reversi.ini" is read, and vezari-analyze searches with them
// unless told otherwise. A bare TReversiCore starts from its own (Gamma 40,
// SelectiveDepth 5), which is also what a key missing from the settings file
// gives.
#pragma once

#include "ReversiCore.h"

namespace reversi::design {

inline constexpr int kGamma = 1500;
inline constexpr int kSelectiveDepth = 10;
inline constexpr bool kSelective = true;
inline constexpr TLevel kLevel = TimeLevel;
inline constexpr int kMoveTime = 2;  // seconds

}  // namespace reversi::design
