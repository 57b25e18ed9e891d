#include "Symmetry.h"

namespace reversi::openings {
namespace {

TBits MirrorColumns(TBits b) {
  b = ((b >> 1) & 0x5555555555555555ull) | ((b & 0x5555555555555555ull) << 1);
  b = ((b >> 2) & 0x3333333333333333ull) | ((b & 0x3333333333333333ull) << 2);
  return ((b >> 4) & 0x0F0F0F0F0F0F0F0Full) | ((b & 0x0F0F0F0F0F0F0F0Full) << 4);
}

TBits MirrorRows(TBits b) {
  return __builtin_bswap64(b);
}

// Square (r, c) to (c, r), by three delta swaps.
TBits Transpose(TBits b) {
  TBits t = (b ^ (b >> 7)) & 0x00AA00AA00AA00AAull;
  b ^= t ^ (t << 7);
  t = (b ^ (b >> 14)) & 0x0000CCCC0000CCCCull;
  b ^= t ^ (t << 14);
  t = (b ^ (b >> 28)) & 0x00000000F0F0F0F0ull;
  return b ^ t ^ (t << 28);
}

std::array<int, kSymmetries> MakeInverses() {
  std::array<int, kSymmetries> inverse{};
  const TBits probe = 0x0000000000010207ull;  // no symmetry of its own
  for (int t = 0; t < kSymmetries; ++t)
    for (int u = 0; u < kSymmetries; ++u)
      if (Transform(u, Transform(t, probe)) == probe) inverse[t] = u;
  return inverse;
}

}  // namespace

TBits Transform(int t, TBits b) {
  if (t & 4) b = Transpose(b);
  if (t & 1) b = MirrorColumns(b);
  if (t & 2) b = MirrorRows(b);
  return b;
}

int TransformSquare(int t, int square) {
  return __builtin_ctzll(Transform(t, TBits{1} << square));
}

TSidePosition Transform(int t, const TSidePosition& p) {
  return {Transform(t, p.Player), Transform(t, p.Opponent)};
}

int Inverse(int t) {
  static const std::array<int, kSymmetries> inverse = MakeInverses();
  return inverse[t];
}

TCanonical Canonical(const TSidePosition& p) {
  TCanonical best{p, 0, 1};
  for (int t = 1; t < kSymmetries; ++t) {
    const TSidePosition image = Transform(t, p);
    const bool less = image.Player < best.Position.Player ||
                      (image.Player == best.Position.Player && image.Opponent < best.Position.Opponent);
    if (less) best = {image, t, 0};
  }
  best.Stabilizer = 0;
  for (int s = 0; s < kSymmetries; ++s)
    if (Transform(s, best.Position) == best.Position) best.Stabilizer |= 1u << s;
  return best;
}

int CanonicalMove(unsigned stabilizer, int square) {
  int least = square;
  for (int s = 1; s < kSymmetries; ++s)
    if (stabilizer & (1u << s)) {
      const int image = TransformSquare(s, square);
      if (image < least) least = image;
    }
  return least;
}

uint64_t KeyOf(const TSidePosition& canonical) {
  // splitmix64's finaliser over both boards: positions that differ in one
  // disc land far apart.
  auto mix = [](uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  };
  return mix(canonical.Player + 0x9E3779B97F4A7C15ull) ^ mix(canonical.Opponent ^ 0xD1B54A32D192ED03ull) * 3;
}

}  // namespace reversi::openings
