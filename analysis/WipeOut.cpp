// Wipe-outs: whether one side can take every disc of the other within a
// number of plies, whatever the other plays. With the empties to the winner
// a wipe-out is worth 64, the most there is, so once it is proved nothing
// else needs searching; and its proof is short (the hunted side's lines end
// as soon as it has no disc), while the null-window searches of the full
// solve must follow every line where it keeps one disc to the end of the game.
#include <algorithm>
#include <vector>

#include "Search.h"
#include "SolverTuning.h"

namespace reversi::analysis {
inline namespace VZ_SOLVER_ISA {

namespace {

// What is known of a position for one role: no wipe-out within `Fails`
// plies, one within `Holds`.
struct TWipeEntry {
  TBits Player = 0, Opponent = 0;
  int8_t Fails = -1;
  int8_t Holds = 127;
  bool Hunter = false;
};

// `Check` is called every few thousand nodes; it throws to end the search.
template <typename Check>
class TWipeOut {
 public:
  TWipeOut(int64_t budget, Check check) : budget_(budget), check_(check), table_(size_t{1} << kWipeOutTableBits) {}

  // The side to move takes every disc of the other within `plies`: the move
  // that does it into `move` (when not null).
  bool Hunt(TBits player, TBits opponent, int plies, int* move) {
    if (++nodes_ > budget_ || plies <= 0) return false;
    if ((nodes_ & 4095) == 0) check_();
    TWipeEntry& known = Entry(player, opponent, true);
    if (!move && Matches(known, player, opponent, true)) {
      if (known.Fails >= plies) return false;
      if (known.Holds <= plies) return true;
    }
    const bool result = HuntMoves(player, opponent, plies, move);
    Remember(known, player, opponent, true, plies, result);
    return result;
  }

  bool HuntMoves(TBits player, TBits opponent, int plies, int* move) {
    const TBits moves = LegalMoves(player, opponent);
    if (!moves) return LegalMoves(opponent, player) && Trapped(opponent, player, plies);
    // A disc that can never turn can never be taken.
    if (plies > 1 && StableDiscs(opponent, player)) return false;
    TMove list[kMaxMoves];
    int count = 0;
    for (TBits rest = moves; rest; rest &= rest - 1) {
      const int sq = FirstSquare(rest);
      const TBits flips = Flips(sq, player, opponent);
      const TBits left = opponent ^ flips;
      // Fewest replies left to the hunted side first (a side that must pass
      // loses discs fastest), then fewest discs.
      const int key = Count(left) + 32 * Count(LegalMoves(left, player | flips | Bit(sq)));
      int i = count++;
      for (; i > 0 && list[i - 1].Key > key; --i) list[i] = list[i - 1];
      list[i] = TMove{flips, sq, key};
    }
    for (int i = 0; i < count; ++i) {
      const TMove& m = list[i];
      if (Trapped(opponent ^ m.Flips, player | m.Flips | Bit(m.Square), plies - 1)) {
        if (move) *move = m.Square;
        return true;
      }
    }
    return false;
  }

  // The side to move loses every disc within `plies`, whatever it plays.
  bool Trapped(TBits player, TBits opponent, int plies) {
    if (!player) return true;
    if (++nodes_ > budget_ || plies <= 0) return false;
    TWipeEntry& known = Entry(player, opponent, false);
    if (Matches(known, player, opponent, false)) {
      if (known.Fails >= plies) return false;
      if (known.Holds <= plies) return true;
    }
    const bool result = TrappedMoves(player, opponent, plies);
    Remember(known, player, opponent, false, plies, result);
    return result;
  }

  bool TrappedMoves(TBits player, TBits opponent, int plies) {
    const TBits moves = LegalMoves(player, opponent);
    if (!moves) return LegalMoves(opponent, player) && Hunt(opponent, player, plies, nullptr);
    // The likeliest escapes first, so that a line without a wipe-out is
    // refuted at once: a corner, which never turns, then the most discs.
    TMove list[kMaxMoves];
    int count = 0;
    for (TBits rest = moves; rest; rest &= rest - 1) {
      const int sq = FirstSquare(rest);
      const TBits flips = Flips(sq, player, opponent);
      const int key = ((Bit(sq) & kCorners) ? -100 : 0) - Count(flips);
      int i = count++;
      for (; i > 0 && list[i - 1].Key > key; --i) list[i] = list[i - 1];
      list[i] = TMove{flips, sq, key};
    }
    for (int i = 0; i < count; ++i) {
      const TMove& m = list[i];
      if (!Hunt(opponent ^ m.Flips, player | m.Flips | Bit(m.Square), plies - 1, nullptr)) return false;
    }
    return true;
  }

  int64_t Nodes() const { return nodes_; }

 private:
  TWipeEntry& Entry(TBits player, TBits opponent, bool hunter) {
    uint64_t h = (player + hunter) * 0x9E3779B97F4A7C15ull ^ opponent * 0xC2B2AE3D27D4EB4Full;
    return table_[(h ^ (h >> 29)) >> (64 - kWipeOutTableBits)];
  }
  static bool Matches(const TWipeEntry& e, TBits player, TBits opponent, bool hunter) {
    return e.Player == player && e.Opponent == opponent && e.Hunter == hunter;
  }
  // A search cut short by the budget proves nothing, but then nothing is
  // asked any more either.
  static void Remember(TWipeEntry& e, TBits player, TBits opponent, bool hunter, int plies, bool result) {
    if (!Matches(e, player, opponent, hunter)) e = TWipeEntry{player, opponent, -1, 127, hunter};
    if (result)
      e.Holds = static_cast<int8_t>(std::min<int>(e.Holds, plies));
    else
      e.Fails = static_cast<int8_t>(std::max<int>(e.Fails, plies));
  }

  int64_t nodes_ = 0;
  const int64_t budget_;
  Check check_;
  std::vector<TWipeEntry> table_;
};

}  // namespace

// Deeper and deeper, so that a near wipe-out costs little; the budget caps
// what a position without one wastes.
int TSearch::ForcedWipeOut(TBits player, TBits opponent, bool hunter) {
  const int empties = 64 - Count(player | opponent);
  const int64_t budget = WipeOutBudget(empties);
  TWipeOut w(budget, [this] { CheckStop(); });
  int move = -1;
  bool found = false;
  for (int plies = 1; plies <= empties && !found && w.Nodes() < budget; plies += 2) {
    found = hunter ? w.Hunt(player, opponent, plies, &move) : w.Trapped(player, opponent, plies + 1);
  }
  nodes_ += w.Nodes();
  if (!found) return kNoWipeOut;
  return hunter ? move : FirstSquare(LegalMoves(player, opponent));
}

}  // namespace VZ_SOLVER_ISA
}  // namespace reversi::analysis
