// The bitboard rules as the solver uses them: the bitboard library's inline
// copies for the build of the search being compiled (see Search.h), under
// the solver's own names.
#pragma once

#include "Bitboard.h"

// The search's own inner namespace is the library's (base or wide).
#define VZ_SOLVER_ISA VZ_ISA

namespace reversi::analysis {

using bits::TBits;

inline namespace VZ_SOLVER_ISA {
using bits::VZ_ISA::Bit;
using bits::VZ_ISA::Count;
using bits::VZ_ISA::FirstSquare;
using bits::VZ_ISA::Flips;
using bits::VZ_ISA::FlipsNear;
using bits::VZ_ISA::kCorners;
using bits::VZ_ISA::kInnerFiles;
using bits::VZ_ISA::kNotFileA;
using bits::VZ_ISA::kNotFileH;
using bits::VZ_ISA::kRim;
using bits::VZ_ISA::LegalMoves;
using bits::VZ_ISA::OddRegions;
using bits::VZ_ISA::StableDiscs;
}  // namespace VZ_SOLVER_ISA

}  // namespace reversi::analysis
