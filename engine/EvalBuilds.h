// Every build of the evaluation that this processor runs (the baseline, and
// on x86-64 the ones for POPCNT and for AVX2), reached one by one so that the
// tests can hold them to one another; the game itself uses the fastest.
#pragma once

#include <cstdint>

namespace reversi::evaluation_builds {

// The builds that run here, numbered from 0 (the baseline) to Count() - 1.
int Count();
// The value of the position for own against opp, as TReversiCore::Evaluate.
int Static(int build, uint64_t own, uint64_t opp);
// scores[i] := minus the value of the child after own plays moves[i] (cell
// numbers, all legal), flips[i] := the discs that move turns.
void Children(int build, uint64_t own, uint64_t opp, const int32_t* moves, int n, int32_t* scores, uint64_t* flips);

}  // namespace reversi::evaluation_builds
