#include "BalancedStart.h"

#include <cmath>
#include <random>

#include "Replay.h"

namespace reversi::openings {
namespace {

// A random game of `length` moves from the start; empty when it ends or
// needs a pass before that, so every start leaves both sides a move.
std::vector<int> RandomLine(std::mt19937_64& random, int length, TSidePosition& end) {
  TSidePosition p = SideView(TPosition::Standard());
  std::vector<int> moves;
  for (int i = 0; i < length; ++i) {
    TBits legal = Moves(p);
    if (!legal) return {};
    const int pick = static_cast<int>(random() % static_cast<uint64_t>(__builtin_popcountll(legal)));
    for (int k = 0; k < pick; ++k) legal &= legal - 1;
    const int square = __builtin_ctzll(legal);
    const TBits flips = FlipsOf(p, square);
    p = {p.Opponent & ~flips, p.Player | flips | (TBits{1} << square)};
    moves.push_back(square);
  }
  if (!Moves(p)) return {};
  end = p;
  return moves;
}

}  // namespace

std::optional<TBalancedStart> FindBalancedStart(uint64_t seed, const std::function<double(const TSidePosition&)>& judge,
                                                double limit, int tries) {
  std::mt19937_64 random(seed);
  for (int attempt = 0; attempt < tries; ++attempt) {
    const int length = 8 + static_cast<int>(random() % 5);
    TSidePosition end;
    std::vector<int> moves = RandomLine(random, length, end);
    if (moves.empty()) continue;
    const double value = judge(end);
    if (std::fabs(value) <= limit) return TBalancedStart{std::move(moves), value};
  }
  return std::nullopt;
}

}  // namespace reversi::openings
