// Positions as two 64-bit boards: bit 8*row + col, A1 = bit 0, H1 = bit 7,
// A8 = bit 56. The rules on them: legal moves, flips, disc counts, the
// discs that can never be turned. Plain C++, below the engine and the
// analysis; nothing here knows a game or a search.
//
// Two ways in:
// - Code built once for any processor calls reversi::bits::LegalMoves,
//   Flips and StableDiscs: out of line, each the build for the processor
//   the program runs on (AVX2 where it has it), picked on first use.
// - Code that is itself built once per kind of processor, as the solver's
//   search is, calls this build's inline copies in bits::VZ_ISA directly.
//   Each build's copies live under their own namespace (`base`, `wide`),
//   so that the linker never hands one build's copy to the other: an
//   inline function compiled with AVX2 would otherwise be free to replace
//   the plain one everywhere. The build sets VZ_ISA; without it, it follows
//   the compiler's target.
#pragma once

#include <array>
#include <cstdint>

#ifndef VZ_ISA
#ifdef __AVX2__
#define VZ_ISA wide
#else
#define VZ_ISA base
#endif
#endif
#ifdef __AVX2__
#include "BitboardWide.h"
#endif

namespace reversi::bits {

using TBits = uint64_t;

namespace VZ_ISA {

inline constexpr TBits kNotFileA = 0xFEFEFEFEFEFEFEFEull;
inline constexpr TBits kNotFileH = 0x7F7F7F7F7F7F7F7Full;
inline constexpr TBits kInnerFiles = kNotFileA & kNotFileH;
inline constexpr TBits kCorners = 0x8100000000000081ull;
inline constexpr TBits kRim = 0xFF818181818181FFull;

// Builtins rather than <bit>'s templates: nothing here may be left out of
// line and shared between the two builds.
inline int Count(TBits b) {
  return __builtin_popcountll(b);
}
// The lowest square of a non-empty set.
inline int FirstSquare(TBits b) {
  return __builtin_ctzll(b);
}
inline constexpr TBits Bit(int square) {
  return TBits{1} << square;
}

// Shifts one step along a direction; a positive step moves towards H8.
// Callers mask the horizontal and diagonal wrap-around themselves.
template <int Step>
constexpr TBits Shift(TBits b) {
  if constexpr (Step > 0)
    return b << Step;
  else
    return b >> -Step;
}

// The squares beyond a run of `run` discs from `from`, one direction: the
// run is grown by doubling, so at most six discs are stepped over in four
// operations.
template <int Step>
inline TBits RunFrom(TBits from, TBits run) {
  TBits f = run & Shift<Step>(from);
  f |= run & Shift<Step>(f);
  const TBits pairs = run & Shift<Step>(run);
  f |= pairs & Shift<2 * Step>(f);
  f |= pairs & Shift<2 * Step>(f);
  return f;
}

template <int Step>
inline TBits MovesAlong(TBits player, TBits run) {
  return Shift<Step>(RunFrom<Step>(player, run));
}

// The empty squares where `player` turns at least one of `opponent`'s discs.
inline TBits LegalMoves(TBits player, TBits opponent) {
#ifdef __AVX2__
  return LegalMovesWide(player, opponent);
#endif
  const TBits inner = opponent & kInnerFiles;
  const TBits moves = MovesAlong<1>(player, inner) | MovesAlong<-1>(player, inner) | MovesAlong<8>(player, opponent) |
                      MovesAlong<-8>(player, opponent) | MovesAlong<9>(player, inner) | MovesAlong<-9>(player, inner) |
                      MovesAlong<7>(player, inner) | MovesAlong<-7>(player, inner);
  return moves & ~(player | opponent);
}

template <int Step>
inline TBits FlipsAlong(TBits move, TBits player, TBits run) {
  const TBits f = RunFrom<Step>(move, run);
  return (Shift<Step>(f) & player) ? f : 0;
}

// The discs that `player` turns by playing on the empty `square`; 0 when
// the move is not legal.
inline TBits Flips(int square, TBits player, TBits opponent) {
#ifdef __AVX2__
  return FlipsWide(square, player, opponent);
#endif
  const TBits m = Bit(square);
  const TBits inner = opponent & kInnerFiles;
  return FlipsAlong<1>(m, player, inner) | FlipsAlong<-1>(m, player, inner) | FlipsAlong<8>(m, player, opponent) |
         FlipsAlong<-8>(m, player, opponent) | FlipsAlong<9>(m, player, inner) | FlipsAlong<-9>(m, player, inner) |
         FlipsAlong<7>(m, player, inner) | FlipsAlong<-7>(m, player, inner);
}

// The squares next to each square.
constexpr std::array<TBits, 64> MakeNeighbours() {
  std::array<TBits, 64> n{};
  for (int sq = 0; sq < 64; ++sq)
    for (int dr = -1; dr <= 1; ++dr)
      for (int dc = -1; dc <= 1; ++dc) {
        const int r = sq / 8 + dr, c = sq % 8 + dc;
        if ((dr || dc) && r >= 0 && r < 8 && c >= 0 && c < 8) n[sq] |= Bit(8 * r + c);
      }
  return n;
}
inline constexpr std::array<TBits, 64> kNeighbours = MakeNeighbours();

// Flips, at once 0 when no disc of `opponent` touches the square.
inline TBits FlipsNear(int square, TBits player, TBits opponent) {
  return (kNeighbours[square] & opponent) ? Flips(square, player, opponent) : 0;
}

// The four 4x4 regions with an odd number of empty squares, as one mask.
inline TBits OddRegions(TBits empty) {
  constexpr TBits kRegions[4] = {0x000000000F0F0F0Full, 0x00000000F0F0F0F0ull, 0x0F0F0F0F00000000ull,
                                 0xF0F0F0F000000000ull};
  TBits odd = 0;
  for (TBits region : kRegions)
    if (Count(empty & region) & 1) odd |= region;
  return odd;
}

// Discs of `player` that no sequence of moves can turn: each of its four
// lines is either full or ends, on one side, at the board's edge or at
// another such disc. An under-estimate, grown to a fixed point.
TBits StableDiscs(TBits player, TBits opponent);

}  // namespace VZ_ISA

// ---- For code built once for any processor ----

// The empty squares where `player` turns at least one of `opponent`'s discs.
TBits LegalMoves(TBits player, TBits opponent);
// The discs that `player` turns by playing on the empty `square`; 0 when
// the move is not legal.
TBits Flips(int square, TBits player, TBits opponent);
// Discs of `player` that no sequence of moves can turn (an under-estimate).
TBits StableDiscs(TBits player, TBits opponent);

// Cheap enough inline whatever the processor.
using VZ_ISA::Bit;
using VZ_ISA::Count;
using VZ_ISA::FirstSquare;
using VZ_ISA::kCorners;
using VZ_ISA::kInnerFiles;
using VZ_ISA::kNotFileA;
using VZ_ISA::kNotFileH;
using VZ_ISA::kRim;
using VZ_ISA::OddRegions;

}  // namespace reversi::bits
