// The upper part of the search: the root, the series of null-window searches
// that converges on the exact score, and the hashed alpha-beta search with
// fastest-first ordering. The last empties are in LastEmpties.cpp.
#include "Search.h"

#include <algorithm>
#include <mutex>
#include <thread>

#include "LookAhead.h"
#include "SolverTuning.h"

namespace reversi::analysis {
inline namespace VZ_SOLVER_ISA {

namespace {

// Thrown through the search when the stop flag is seen or the deadline passes.
struct TCancelled {};
// Thrown through a search under a split point that was cut: its other moves
// are no longer needed.
struct TAbandoned {
  const TSplitPoint* At;
};

// The squares next to any of the discs.
TBits Neighbours(TBits b) {
  const TBits h = ((b << 1) & kNotFileA) | ((b >> 1) & kNotFileH);
  const TBits row = b | h;
  return h | (row << 8) | (row >> 8);
}

// The corners held and the edge squares next to a held corner, of `discs`:
// a cheap count of discs that are, or soon become, stable.
int CornerHold(TBits discs) {
  const TBits corners = discs & kCorners;
  const TBits beside = ((corners & 0x0100000000000001ull) << 1) | ((corners & 0x8000000000000080ull) >> 1) |
                       (corners << 8) | (corners >> 8);
  return Count(corners | (beside & discs));
}

// A rough judgement of a position for the side to move, for ordering only:
// its replies against the opponent's, corners counting double, and corners held.
int Judge(TBits player, TBits opponent) {
  const TBits mine = LegalMoves(player, opponent), theirs = LegalMoves(opponent, player);
  const TBits empty = ~(player | opponent);
  return 16 * (Count(mine) + Count(mine & kCorners) - Count(theirs) - Count(theirs & kCorners)) +
         32 * (Count(player & kCorners) - Count(opponent & kCorners)) +
         8 * (CornerHold(player) - CornerHold(opponent)) +
         4 * (Count(Neighbours(opponent) & empty) - Count(Neighbours(player) & empty));
}

// Fastest first: the move that leaves the opponent the fewest replies, a
// corner reply counting double, so the opponent soon runs out of good ones;
// then the discs it makes safe at the corners and a move in a region with an
// odd number of empties; far from the end, a shallow look ahead instead. The move the hash table
// remembers goes before all.
int ListMoves(const THashTable& childTable, TBits player, TBits opponent, TBits moves, int hashMove, TMove* list,
              int empties) {
  const TBits odd = empties < kLookAheadMin ? OddRegions(~(player | opponent)) : 0;
  int count = 0;
  for (; moves; moves &= moves - 1) {
    const int sq = FirstSquare(moves);
    const TBits flips = Flips(sq, player, opponent);
    if (empties > kHashMin) childTable.Prefetch(opponent ^ flips, player | flips | Bit(sq));
    int key = -1000000;
    if (sq != hashMove) {
      const TBits next = player | flips | Bit(sq);
      if (empties >= kLookAheadMin) {
        key = LookAhead<Judge, TPasses::Judged>(opponent ^ flips, next,
                                                empties >= kLookAheadMin + 6   ? 3
                                                : empties >= kLookAheadMin + 3 ? 2
                                                                               : 1,
                                                -100000, 100000);
      } else {
        const TBits replies = LegalMoves(opponent ^ flips, next);
        key = 16 * (Count(replies) + Count(replies & kCorners)) + Count(Neighbours(next) & ~(next | opponent)) -
              8 * CornerHold(next) - ((odd & Bit(sq)) ? 4 : 0);
      }
    }
    TMove m{flips, sq, key};
    int i = count++;
    for (; i > 0 && list[i - 1].Key > key; --i) list[i] = list[i - 1];
    list[i] = m;
  }
  return count;
}

}  // namespace

void TSearch::CheckStop() {
  setup_.Published->store(nodes_, std::memory_order_relaxed);
  if (splits_) CheckSplits();
  bool stop = setup_.Stop && setup_.Stop->load(std::memory_order_relaxed);
  // The clock costs far more than a node near the leaves: read it seldom.
  if (--untilClock_ <= 0) {
    untilClock_ = kClockEvery;
    stop |= setup_.Deadline != std::chrono::steady_clock::time_point::max() &&
            std::chrono::steady_clock::now() >= setup_.Deadline;
  }
  if (setup_.Pool) {
    if (stop) setup_.Pool->Cancelled.store(true);
    stop |= setup_.Pool->Cancelled.load(std::memory_order_relaxed);
  }
  if (stop) throw TCancelled{};
}

void TSearch::CheckSplits() const {
  for (const TSplitPoint* p = splits_; p; p = p->Parent)
    if (p->Cut.load(std::memory_order_relaxed)) throw TAbandoned{p};
}

// The exact score by a series of null-window questions ("is the score at
// least t?"), each far cheaper than one search with the whole window: the
// next question starts from the last answer, which, fail-soft, is often the
// score itself, and the hash table carries what each learnt to the next.
TSolveResult TSearch::Converge(TBits player, TBits opponent, int lower, int upper) {
  int bestMove = -1, guess = 0;
  // Large exact solves start a little below a guess: a question under the
  // true score needs one good move at each node of the proof, one above it
  // every move, so the climb is cheaper than the descent.
  const int empties = 64 - Count(player | opponent);
  provenLower_ = lower, provenUpper_ = upper;
  if (upper - lower > 2 && empties >= kEstimateMin) {
    guess = EstimateScore(player, opponent, EstimateDepth(empties));
    // A wipe-out is the most there is when the empties go to the winner.
    if (setup_.EmptiesToWinner && std::abs(guess) >= kWipeOutGuess) {
      const int move = ForcedWipeOut(player, opponent, guess > 0);
      if (move != kNoWipeOut) {
        provenLower_ = provenUpper_ = guess > 0 ? 64 : -64;
        provenBest_ = move;
        return TSolveResult{provenLower_, move, nodes_, true};
      }
    }
    guess -= kEstimateBelow;
  }
  while (lower < upper) {
    const int test = std::clamp(guess, lower + 1, upper);
    const TSolveResult r = SolveMoves(player, opponent, test - 1, test);
    if (r.Score >= test) {
      lower = r.Score;
      bestMove = r.Best;
      guess = r.Score + 1;
    } else {
      upper = r.Score;
      guess = r.Score;
    }
    // Kept for a solve that ends early (fail-soft answers may pass the range).
    provenLower_ = std::max(provenLower_, std::min(lower, provenUpper_));
    provenUpper_ = std::min(provenUpper_, std::max(upper, provenLower_));
    provenBest_ = bestMove;
  }
  // With no answer above the floor every move reaches the floor.
  if (bestMove < 0) bestMove = FirstSquare(LegalMoves(player, opponent));
  return TSolveResult{lower, bestMove, nodes_, true};
}

// The root: the moves in order until one reaches beta.
TSolveResult TSearch::SolveMoves(TBits player, TBits opponent, int alpha, int beta) {
  ++nodes_;
  const int empties = 64 - Count(player | opponent);
  THashEntry entry;
  const bool found = Table(empties).Find(player, opponent, entry);
  TMove list[kMaxMoves];
  const int count = ListMoves(Table(empties - 1), player, opponent, LegalMoves(player, opponent),
                              found ? entry.Best : -1, list, empties);
  int best = -65, bestMove = list[0].Square;
  SearchList(player, opponent, list, count, alpha, beta, empties, best, bestMove, false);
  Record(player, opponent, empties, alpha, beta, best, bestMove);
  return TSolveResult{best, bestMove, nodes_, true};
}

bool TSearch::Probe(TBits player, TBits opponent, int empties, int alpha, int beta, int& value, int& bestMove) const {
  THashEntry entry;
  if (!Table(empties).Find(player, opponent, entry)) return false;
  bestMove = entry.Best;
  if (entry.Lower >= beta || entry.Lower == entry.Upper) {
    value = entry.Lower;
    return true;
  }
  if (entry.Upper <= alpha) {
    value = entry.Upper;
    return true;
  }
  return false;
}

void TSearch::Record(TBits player, TBits opponent, int empties, int alpha, int beta, int best, int bestMove) {
  Table(empties).Store(player, opponent, empties, best > alpha ? best : -64, best < beta ? best : 64, bestMove);
}

// Fail-soft alpha-beta with the hash table, enhanced transposition cut-offs
// (a child already known to be bad enough for the opponent ends the node
// before any search), and the stability bound.
int TSearch::Search(TBits player, TBits opponent, int alpha, int beta, int empties) {
  if (empties < kHashMin) return SearchShallow(player, opponent, alpha, beta, empties);
  ++nodes_;
  CheckStop();
  const TBits moves = LegalMoves(player, opponent);
  if (!moves) {
    if (!LegalMoves(opponent, player)) return Final(player, opponent);
    return -Search(opponent, player, -beta, -alpha, empties);
  }
  if (int top; StabilityCut(player, opponent, alpha, top)) return top;
  int value, hashMove = -1;
  if (Probe(player, opponent, empties, alpha, beta, value, hashMove)) return value;
  int best = -65, bestMove = -1, a = alpha;
  TBits rest = moves;
  // The remembered move often refutes at once: try it before ordering the others.
  if (hashMove >= 0 && (moves & Bit(hashMove))) {
    const TBits flips = Flips(hashMove, player, opponent);
    best = -Search(opponent ^ flips, player | flips | Bit(hashMove), -beta, -a, empties - 1);
    bestMove = hashMove;
    if (best >= beta) {
      Record(player, opponent, empties, alpha, beta, best, bestMove);
      return best;
    }
    a = std::max(a, best);
    rest ^= Bit(hashMove);
  }
  TMove list[kMaxMoves];
  const int count = ListMoves(Table(empties - 1), player, opponent, rest, -1, list, empties);
  if (empties >= kEtcMin) {
    for (int i = 0; i < count; ++i) {
      THashEntry child;
      if (Table(empties - 1).Find(opponent ^ list[i].Flips, player | list[i].Flips | Bit(list[i].Square), child) &&
          -child.Upper >= beta) {
        Record(player, opponent, empties, alpha, beta, -child.Upper, list[i].Square);
        return -child.Upper;
      }
    }
  }
  SearchList(player, opponent, list, count, a, beta, empties, best, bestMove, bestMove >= 0);
  Record(player, opponent, empties, alpha, beta, best, bestMove);
  return best;
}

void TSearch::SearchList(TBits player, TBits opponent, const TMove* list, int count, int alpha, int beta, int empties,
                         int& best, int& bestMove, bool eldestDone) {
  int a = std::max(alpha, best);
  for (int i = 0; i < count; ++i) {
    if ((i > 0 || eldestDone) && count - i >= 2 && empties >= kSplitMin && setup_.Pool && setup_.Pool->Idle()) {
      Split(player, opponent, list + i, count - i, a, beta, empties, best, bestMove);
      return;
    }
    const int v =
        -Search(opponent ^ list[i].Flips, player | list[i].Flips | Bit(list[i].Square), -beta, -a, empties - 1);
    if (v > best) {
      best = v;
      bestMove = list[i].Square;
      if (v >= beta) return;
      a = std::max(a, v);
    }
  }
}

// The rest of the list shared with the helpers. Its window stays: the
// searches are null-window ones, where any better move cuts.
void TSearch::Split(TBits player, TBits opponent, const TMove* list, int count, int alpha, int beta, int empties,
                    int& best, int& bestMove) {
  TSplitPoint point;
  point.Player = player, point.Opponent = opponent, point.Moves = list, point.Count = count;
  point.Alpha = alpha, point.Beta = beta, point.Empties = empties, point.Parent = splits_;
  point.Best = best, point.BestMove = bestMove;
  setup_.Pool->Open(point);
  splits_ = &point;
  try {
    WorkAt(point);
  } catch (const TAbandoned& a) {
    if (a.At != &point) {
      Leave(point, true);
      throw;
    }
  } catch (...) {
    Leave(point, true);
    throw;
  }
  Leave(point, false);
  // A helper that stopped for another reason than this cut left its move unsearched.
  if (setup_.Pool->Cancelled.load()) throw TCancelled{};
  if (splits_) CheckSplits();
  best = point.Best, bestMove = point.BestMove;
}

void TSearch::WorkAt(TSplitPoint& point) {
  for (;;) {
    int i;
    {
      std::lock_guard lock(point.Lock);
      if (point.Cut.load(std::memory_order_relaxed) || point.Next >= point.Count) return;
      i = point.Next++;
    }
    const TMove& m = point.Moves[i];
    const int v = -Search(point.Opponent ^ m.Flips, point.Player | m.Flips | Bit(m.Square), -point.Beta, -point.Alpha,
                          point.Empties - 1);
    std::lock_guard lock(point.Lock);
    if (v > point.Best) {
      point.Best = v, point.BestMove = m.Square;
      if (v >= point.Beta) point.Cut.store(true);
    }
  }
}

void TSearch::Leave(TSplitPoint& point, bool giveUp) {
  if (giveUp) point.Cut.store(true);
  setup_.Pool->Close(point);
  while (point.Workers.load() > 0) {
    TSplitPoint* below = giveUp ? nullptr : setup_.Pool->Join(&point);
    if (below)
      HelpAt(*below);
    else
      std::this_thread::yield();
  }
  splits_ = point.Parent;
}

void TSearch::HelpAt(TSplitPoint& point) {
  const TSplitPoint* saved = splits_;
  splits_ = &point;
  try {
    WorkAt(point);
  } catch (const TAbandoned&) {
  } catch (const TCancelled&) {
    setup_.Pool->Cancelled.store(true);
  }
  splits_ = saved;
  point.Workers.fetch_sub(1);
}

int64_t HelpAtSplit(const TSearchSetup& setup, TSplitPoint& point, int64_t nodes) {
  TSearch search(setup, nodes);
  search.HelpAt(point);
  return search.Nodes();
}

}  // namespace VZ_SOLVER_ISA

// This build's entry: passes and finished games at the root, then the search.
TSolveResult VZ_SOLVER_ENTRY(const TSearchSetup& setup, const TBitPosition& position, TSolveMode mode) {
  setup.Hash->NewSearch();
  setup.Shallow->NewSearch();
  // The helpers look for work from here to the end of the solve.
  struct TPoolGuard {
    TSplitPool* Pool;
    ~TPoolGuard() {
      if (Pool) Pool->End();
    }
  } guard{setup.Pool};
  if (setup.Pool) setup.Pool->Begin(setup, &HelpAtSplit);
  TSearch search(setup);
  const int bound = mode == TSolveMode::Exact ? 64 : 1;
  const TBits player = position.Player, opponent = position.Opponent & ~position.Player;
  TSolveResult result;
  const bool pass = !LegalMoves(player, opponent) && LegalMoves(opponent, player);
  try {
    if (LegalMoves(player, opponent)) {
      result = search.Converge(player, opponent, -bound, bound);
    } else if (pass) {
      result = search.Converge(opponent, player, -bound, bound);
      result.Score = -result.Score;
      result.Best = kPassMove;
    } else {
      result.Score = search.Final(player, opponent);
      result.Best = kNoMove;
    }
    result.Lower = result.Upper = result.Score;
  } catch (const TCancelled&) {
    result = TSolveResult{0,
                          pass                       ? kPassMove
                          : search.ProvenBest() >= 0 ? search.ProvenBest()
                                                     : kNoMove,
                          search.Nodes(), false};
    result.Lower = pass ? -search.ProvenUpper() : search.ProvenLower();
    result.Upper = pass ? -search.ProvenLower() : search.ProvenUpper();
  }
  if (mode == TSolveMode::WinLossDraw) {
    const auto sign = [](int v) { return (v > 0) - (v < 0); };
    result.Score = sign(result.Score), result.Lower = sign(result.Lower), result.Upper = sign(result.Upper);
  }
  result.Nodes = search.Nodes();
  setup.Published->store(result.Nodes, std::memory_order_relaxed);
  if (setup.Pool) {
    setup.Pool->End();
    result.Nodes += setup.Pool->Nodes();
  }
  return result;
}

}  // namespace reversi::analysis
