// Where the solver changes method, by the number of empty squares. Measured
// with bench/solver_bench; below kHashMin the hash table costs more than it
// saves, and the ordering by the opponent's replies gives way to parity.
#pragma once

namespace reversi::analysis {

inline constexpr int kMaxMoves = 64;      // one per empty square at most, whatever the position
inline constexpr int kHashMin = 7;        // hash table and fastest-first from here up
inline constexpr int kEtcMin = 10;        // enhanced transposition cut-offs from here up
inline constexpr int kLookAheadMin = 14;  // ordering by a shallow look ahead from here up

}  // namespace reversi::analysis
