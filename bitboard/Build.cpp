// This build's rules out of line (built once per kind of processor, see
// CMakeLists.txt): taking their addresses makes copies compiled for it.
#include "Bitboard.h"
#include "Builds.h"

namespace reversi::bits::VZ_ISA {

extern const TBuild kBuild{&LegalMoves, &Flips, &StableDiscs};

}  // namespace reversi::bits::VZ_ISA
