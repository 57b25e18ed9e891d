#include "Search.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "Bitboard.h"
#include "ProbCut.h"

namespace reversi::analyst {

using bits::Count;
using bits::FirstSquare;
using bits::Flips;
using bits::LegalMoves;

namespace {

// How many standard deviations a ProbCut prediction must clear the window by.
constexpr double kProbCutT = 1.5;
// Move ordering: a move the opponent can answer in one more way costs this
// much (evaluation units); a corner among the answers counts double.
constexpr int kMobilityWeight = kScale / 2;
constexpr uint64_t kCorners = 0x8100000000000081ull;
constexpr int kMaxMoves = 34;
// Positions with this many empties or fewer, searched to the end, are
// searched by LastEmpties.
constexpr int kLastEmpties = 6;

int FloorDiv(int a, int b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// The depth of the searches that sort the moves of a node of `depth`: none
// (mobility alone) near the leaves, then the evaluation, then one or two plies.
int SortDepth(int depth) {
  if (depth < 3) return -1;
  if (depth < 11) return 0;
  return depth < 16 ? 1 : 2;
}

}  // namespace

int FinalValue(uint64_t player, uint64_t opponent) {
  const int mine = Count(player), theirs = Count(opponent), empties = 64 - mine - theirs;
  int margin = mine - theirs;
  if (margin > 0) margin += empties;
  if (margin < 0) margin -= empties;
  return margin * kScale;
}

double ThreadSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

void TSearch::Reset() {
  aborted_ = false;
  nodes_ = 0;
}

bool TSearch::Stopped() {
  if (aborted_) return true;
  if ((nodes_ & 1023) == 0) {
    if (stop_ && stop_->load(std::memory_order_relaxed)) aborted_ = true;
    if ((nodes_ & 4095) == 0) {
      if (deadline_ != TClock::time_point::max() && TClock::now() >= deadline_) aborted_ = true;
      if (processorDeadline_ != kNever && ThreadSeconds() >= processorDeadline_) aborted_ = true;
    }
  }
  return aborted_;
}

int TSearch::Value(uint64_t player, uint64_t opponent, int depth, int alpha, int beta) {
  return Pvs(player, opponent, depth, alpha, beta, true);
}

// Scores the moves for the order in which they are tried, best first
// after sorting; the table's move before all.
int TSearch::ListMoves(uint64_t player, uint64_t opponent, uint64_t moves, int depth, int hashMove, TMove* list) {
  const int sortDepth = SortDepth(depth);
  int n = 0;
  for (; moves; moves &= moves - 1) {
    const int sq = FirstSquare(moves);
    const uint64_t flips = Flips(sq, player, opponent);
    const uint64_t me = player | flips | (uint64_t{1} << sq), them = opponent & ~flips;
    int score;
    if (sq == hashMove) {
      score = 1 << 28;
    } else {
      const uint64_t answers = LegalMoves(them, me);
      score = -kMobilityWeight * (Count(answers) + Count(answers & kCorners));
      if (sortDepth == 0)
        score -= evaluation_.Evaluate(them, me);
      else if (sortDepth > 0)
        score -= Pvs(them, me, sortDepth, -kInfinity, kInfinity, false);
    }
    list[n++] = {sq, flips, score};
  }
  return n;
}

// A node one ply above the leaves: the children's evaluations directly.
int TSearch::LastPly(uint64_t player, uint64_t opponent, uint64_t moves, int alpha, int beta) {
  int best = -kInfinity;
  for (; moves; moves &= moves - 1) {
    const int sq = FirstSquare(moves);
    const uint64_t flips = Flips(sq, player, opponent);
    ++nodes_;
    const uint64_t me = player | flips | (uint64_t{1} << sq), them = opponent & ~flips;
    const int v = ~(me | them) ? -evaluation_.Evaluate(them, me) : -FinalValue(them, me);
    if (v > best) {
      best = v;
      if (v >= beta) break;
    }
  }
  (void)alpha;
  return best;
}

bool TSearch::ProbCut(uint64_t player, uint64_t opponent, int depth, int alpha, int beta, int& value) {
  const int empties = 64 - Count(player | opponent);
  const TProbCutFit& fit = ProbCutFit(empties, depth);
  const int shallow = ProbCutShallowDepth(depth);
  const int now = evaluation_.Evaluate(player, opponent);
  if (beta < kMaxValue) {
    // The deep value is at least beta when the shallow one is at least this.
    const int bound = static_cast<int>(std::ceil((beta + kProbCutT * fit.Sigma - fit.B) / fit.A));
    if (bound <= kMaxValue && now >= bound && Pvs(player, opponent, shallow, bound - 1, bound, false) >= bound) {
      value = beta;
      return true;
    }
  }
  if (alpha > -kMaxValue) {
    const int bound = static_cast<int>(std::floor((alpha - kProbCutT * fit.Sigma - fit.B) / fit.A));
    if (bound >= -kMaxValue && now <= bound && Pvs(player, opponent, shallow, bound, bound + 1, false) <= bound) {
      value = alpha;
      return true;
    }
  }
  return false;
}

// The last empties exactly, in discs: plain alpha-beta, the moves in the
// regions with an odd number of empties first (the usual parity order).
int TSearch::LastEmpties(uint64_t player, uint64_t opponent, int alpha, int beta) {
  ++nodes_;
  const uint64_t empty = ~(player | opponent);
  if (!empty) return 2 * Count(player) - 64;
  const uint64_t moves = LegalMoves(player, opponent);
  if (!moves) {
    if (!LegalMoves(opponent, player)) return FinalValue(player, opponent) / kScale;
    return -LastEmpties(opponent, player, -beta, -alpha);
  }
  const uint64_t odd = bits::OddRegions(empty);
  int best = -kMaxValue / kScale - 1;
  for (uint64_t group : {moves & odd, moves & ~odd})
    for (; group; group &= group - 1) {
      const int sq = FirstSquare(group);
      const uint64_t flips = Flips(sq, player, opponent);
      const int v =
          -LastEmpties(opponent & ~flips, player | flips | (uint64_t{1} << sq), -beta, -std::max(alpha, best));
      if (v > best) {
        best = v;
        if (v >= beta) return best;
      }
    }
  return best;
}

int TSearch::Pvs(uint64_t player, uint64_t opponent, int depth, int alpha, int beta, bool pv) {
  ++nodes_;
  if (Stopped()) return 0;
  if (depth <= 0) return ~(player | opponent) ? evaluation_.Evaluate(player, opponent) : FinalValue(player, opponent);

  const uint64_t moves = LegalMoves(player, opponent);
  if (!moves) {
    if (!LegalMoves(opponent, player)) return FinalValue(player, opponent);
    return -Pvs(opponent, player, depth, -beta, -alpha, pv);
  }
  // A search beyond the end of the game is the same as one to its end.
  const int empties = 64 - Count(player | opponent);
  depth = std::min(depth, empties);
  if (depth == empties && empties <= kLastEmpties) {
    const int discs = LastEmpties(player, opponent, FloorDiv(alpha, kScale), -FloorDiv(-beta, kScale));
    return discs * kScale;
  }
  if (depth == 1) return LastPly(player, opponent, moves, alpha, beta);

  // 1. What the table knows.
  int hashMove = -1;
  if (TTransEntry e; table_.Probe(player, opponent, e)) {
    hashMove = e.Move;
    if (e.Depth >= depth && e.Selectivity >= selectivity_) {
      if (e.Lower >= beta) return e.Lower;
      if (e.Upper <= alpha) return e.Upper;
      if (e.Lower == e.Upper) return e.Lower;
    }
  }

  // 2. ProbCut, away from the principal line and, unless asked, where the
  // search does not reach the end of the game.
  if (!pv && selectivity_ == kSelective && depth >= kMinProbCutDepth && (depth < empties || selectiveEnd_)) {
    int value;
    if (ProbCut(player, opponent, depth, alpha, beta, value)) return value;
    if (aborted_) return 0;
  }

  // 3. The moves, best first, the first with the full window and the others
  // with a null window, searched again when they beat it.
  TMove list[kMaxMoves];
  const int n = ListMoves(player, opponent, moves, depth, hashMove, list);
  if (aborted_) return 0;
  const int alphaIn = alpha;
  int best = -kInfinity, bestMove = -1;
  for (int i = 0; i < n; ++i) {
    std::swap(list[i],
              *std::max_element(list + i, list + n, [](const TMove& a, const TMove& b) { return a.Score < b.Score; }));
    const TMove& m = list[i];
    const uint64_t me = player | m.Flips | (uint64_t{1} << m.Square), them = opponent & ~m.Flips;
    int v;
    if (i == 0) {
      v = -Pvs(them, me, depth - 1, -beta, -alpha, pv);
    } else {
      v = -Pvs(them, me, depth - 1, -alpha - 1, -alpha, false);
      if (pv && v > alpha && v < beta) v = -Pvs(them, me, depth - 1, -beta, -v, true);
    }
    if (aborted_) return 0;
    if (v > best) {
      best = v;
      bestMove = m.Square;
      if (v > alpha) alpha = v;
      if (v >= beta) break;
    }
  }

  const int lower = best > alphaIn ? best : -kInfinity;
  const int upper = best < beta ? best : kInfinity;
  table_.Store(player, opponent, depth, selectivity_, lower, upper, bestMove);
  return best;
}

bool TSearch::SearchRoot(uint64_t player, uint64_t opponent, int depth, std::vector<TRootMove>& moves, bool every) {
  int alpha = -kInfinity;
  for (size_t i = 0; i < moves.size(); ++i) {
    TRootMove& m = moves[i];
    if (m.Twin >= 0) continue;
    const uint64_t flips = Flips(m.Square, player, opponent);
    const uint64_t me = player | flips | (uint64_t{1} << m.Square), them = opponent & ~flips;
    int v;
    bool exact = true;
    if (every || i == 0) {
      v = -Pvs(them, me, depth - 1, -kInfinity, kInfinity, true);
    } else {
      v = -Pvs(them, me, depth - 1, -alpha - 1, -alpha, false);
      if (!aborted_ && v > alpha) v = -Pvs(them, me, depth - 1, -kInfinity, -alpha, true);
      exact = v > alpha;
    }
    if (aborted_) return false;
    m.Value = v;
    m.Exact = exact;
    alpha = std::max(alpha, v);
  }
  for (TRootMove& m : moves)
    if (m.Twin >= 0)
      for (const TRootMove& t : moves)
        if (t.Square == m.Twin) {
          m.Value = t.Value;
          m.Exact = t.Exact;
        }
  // Stable: a twin stays behind the move it copies.
  std::stable_sort(moves.begin(), moves.end(),
                   [](const TRootMove& a, const TRootMove& b) { return a.Value > b.Value; });
  return true;
}

std::vector<int> TSearch::PrincipalLine(uint64_t player, uint64_t opponent, int maxLength) const {
  std::vector<int> line;
  while (static_cast<int>(line.size()) < maxLength) {
    const uint64_t moves = LegalMoves(player, opponent);
    if (!moves) {
      if (!LegalMoves(opponent, player)) break;
      line.push_back(-1);
      std::swap(player, opponent);
      continue;
    }
    TTransEntry e;
    if (!table_.Probe(player, opponent, e) || e.Move < 0 || !(moves >> e.Move & 1)) break;
    const uint64_t flips = Flips(e.Move, player, opponent);
    line.push_back(e.Move);
    const uint64_t me = player | flips | (uint64_t{1} << e.Move);
    player = opponent & ~flips;
    opponent = me;
  }
  while (!line.empty() && line.back() == -1) line.pop_back();
  return line;
}

}  // namespace reversi::analyst
