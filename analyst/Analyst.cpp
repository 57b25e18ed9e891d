#include "Analyst.h"

#include <algorithm>
#include <cmath>

#include "Bitboard.h"
#include "Symmetry.h"

namespace reversi::analyst {

using bits::Canonical;
using bits::TCanonical;
using bits::UntransformSquare;

using bits::Count;
using bits::FirstSquare;
using bits::Flips;
using bits::LegalMoves;
using TClock = std::chrono::steady_clock;

namespace {

// Without a time limit, positions with at most this many empties are solved.
constexpr int kUnlimitedSolveEmpties = 30;
// The solver's time at 20 empties, and its growth with each empty square
// more, on a desktop processor of 2020 (tools' --solve on real games).
constexpr double kSolveSecondsAt20 = 0.15;
constexpr double kSolveGrowth = 2.7;
// A timed analysis spends this share of its time on the midgame search
// before it tries to solve exactly, so that a failed solve still leaves a
// good move.
constexpr double kShareBeforeSolve = 0.1;
// A timed search starts no further depth after this share of its time: the
// next one would most likely not finish.
constexpr double kShareForNextDepth = 0.35;

double SecondsSince(TClock::time_point start) {
  return std::chrono::duration<double>(TClock::now() - start).count();
}

// The most empties the solver is likely to finish in a share of `seconds`.
int SolvableEmpties(double seconds) {
  if (seconds <= 0) return kUnlimitedSolveEmpties;
  const double steps = std::log(0.6 * seconds / kSolveSecondsAt20) / std::log(kSolveGrowth);
  return std::min(kUnlimitedSolveEmpties, 20 + static_cast<int>(std::floor(steps)));
}

uint64_t Child(uint64_t player, uint64_t opponent, int square, uint64_t& mover) {
  const uint64_t flips = Flips(square, player, opponent);
  mover = player | flips | (uint64_t{1} << square);
  return opponent & ~flips;
}

double Discs(int value) {
  return std::clamp(value, -kMaxValue, kMaxValue) / static_cast<double>(kScale);
}

}  // namespace

// One analysis: the position in its canonical form and the root moves.
struct TAnalyst::TRun {
  uint64_t Player = 0, Opponent = 0;
  int Symmetry = 0;
  bool Every = false;
  const std::atomic<bool>* Stop = nullptr;
  int MaxDepth = 60;
  bool Solve = false;
  bool SelectiveEnd = false;  // ProbCut where the search reaches the end
  double Budget = 0;          // seconds, 0 for none
  TClock::time_point Start, Deadline;
  double ProcessorStart = 0;
  double ProcessorDeadline = kNever;  // on ThreadSeconds()'s clock
  std::vector<TRootMove> Moves;
  int Depth = 0;
  bool Exact = false;
  int64_t SolverNodes = 0;
  std::function<void()> Report;

  int Square(int square) const { return square < 0 ? square : UntransformSquare(square, Symmetry); }
  bool Stopped() const {
    return (Stop && Stop->load(std::memory_order_relaxed)) || TClock::now() >= Deadline ||
           (ProcessorDeadline != kNever && ThreadSeconds() >= ProcessorDeadline);
  }
  // Seconds used, on the clock the limit counts.
  double Elapsed() const {
    return ProcessorDeadline != kNever ? ThreadSeconds() - ProcessorStart : SecondsSince(Start);
  }
  // The wall-clock deadline for the solver, which reads the wall clock
  // alone: with a limit on processor time, the time left stretched by how
  // much slower the wall clock has run so far.
  TClock::time_point SolverDeadline() const {
    if (ProcessorDeadline == kNever) return Deadline;
    const double used = std::max(1e-3, ThreadSeconds() - ProcessorStart);
    const double stretch = std::max(1.0, SecondsSince(Start) / used);
    const double left = std::max(0.0, ProcessorDeadline - ThreadSeconds()) * stretch;
    return std::min(Deadline,
                    TClock::now() + std::chrono::duration_cast<TClock::duration>(std::chrono::duration<double>(left)));
  }
};

TAnalyst::TAnalyst(std::shared_ptr<const TEvaluation> evaluation)
    : evaluation_(std::move(evaluation)), search_(*evaluation_, table_), helpers_(*evaluation_, table_) {}

void TAnalyst::SetThreads(int threads) {
  threads = std::clamp(threads, 1, 64);
  helpers_.SetCount(threads - 1);
  solver_.SetThreads(threads);
}

int64_t TAnalyst::NodesSoFar(const TRun& run) const {
  return search_.Nodes() + helpers_.Nodes() + run.SolverNodes;
}

void TAnalyst::Clear() {
  table_.Clear();
  solver_.ClearHash();
}

namespace {

// Sets up a run from the caller's position and limits; false when the side
// to move has no legal move.
template <typename TRunT>
bool Prepare(TRunT& run, const TEvaluation& evaluation, const analysis::TBitPosition& position, const TLimits& limits,
             const std::atomic<bool>* stop) {
  run.Start = TClock::now();
  run.Stop = stop;
  run.Deadline = limits.Deadline;
  run.ProcessorStart = ThreadSeconds();
  if (limits.Seconds > 0 && limits.ProcessorTime) {
    run.ProcessorDeadline = run.ProcessorStart + limits.Seconds;
    run.Budget = limits.Seconds;
  } else if (limits.Seconds > 0) {
    run.Deadline = std::min(run.Deadline, run.Start + std::chrono::duration_cast<TClock::duration>(
                                                          std::chrono::duration<double>(limits.Seconds)));
  }
  if (run.Deadline != TClock::time_point::max() && run.Budget == 0)
    run.Budget = std::max(1e-3, std::chrono::duration<double>(run.Deadline - run.Start).count());
  const TCanonical c = Canonical(position.Player, position.Opponent);
  run.Player = c.Player;
  run.Opponent = c.Opponent;
  run.Symmetry = c.Symmetry;
  const int empties = 64 - Count(c.Player | c.Opponent);
  run.MaxDepth = std::min(limits.Depth > 0 ? limits.Depth : 60, empties);
  run.Solve = limits.Depth == 0 && empties <= SolvableEmpties(run.Budget);
  // Without a depth the iterations go on to the end of the game, and
  // selectively there: a timed search then finds the best move near the end
  // in a fraction of the solver's time.
  run.SelectiveEnd = limits.Depth == 0;

  uint64_t moves = LegalMoves(c.Player, c.Opponent);
  std::vector<TCanonical> children;
  for (; moves; moves &= moves - 1) {
    const int sq = FirstSquare(moves);
    uint64_t mover;
    const uint64_t them = Child(c.Player, c.Opponent, sq, mover);
    const TCanonical child = Canonical(them, mover);
    TRootMove m;
    m.Square = sq;
    m.Value = -evaluation.Evaluate(child.Player, child.Opponent);  // what a search stopped at once goes by
    for (size_t k = 0; k < children.size(); ++k)
      if (children[k].Player == child.Player && children[k].Opponent == child.Opponent) {
        m.Twin = run.Moves[k].Square;
        break;
      }
    children.push_back(child);
    run.Moves.push_back(m);
  }
  std::stable_sort(run.Moves.begin(), run.Moves.end(),
                   [](const TRootMove& a, const TRootMove& b) { return a.Value > b.Value; });
  return !run.Moves.empty();
}

}  // namespace

TAnalysis TAnalyst::Run(TRun& run) {
  search_.Reset();
  search_.SetStopFlag(run.Stop);
  search_.SetDeadline(run.Deadline);
  search_.SetProcessorDeadline(run.ProcessorDeadline);
  search_.SetSelectiveEnd(run.SelectiveEnd);
  table_.NewSearch();

  // 1. Iterative deepening of the midgame search, with the helpers when
  // there are any.
  if (helpers_.Count() > 0)
    helpers_.Start({run.Player, run.Opponent, run.Moves, run.MaxDepth, run.Every, run.SelectiveEnd, run.Deadline}, 1);
  for (int depth = 1; depth <= run.MaxDepth; ++depth) {
    const double elapsed = run.Elapsed();
    if (depth > 1 && run.Budget > 0 && elapsed > run.Budget * (run.Solve ? kShareBeforeSolve : kShareForNextDepth))
      break;
    if (depth > 1 && run.Budget == 0 && run.Solve && depth > 12) break;
    helpers_.Begins(depth);
    std::vector<TRootMove> trial = run.Moves;
    for (TRootMove& m : trial) m.Value = -kInfinity;
    if (!search_.SearchRoot(run.Player, run.Opponent, depth, trial, run.Every)) {
      // A move that proved better than the first before the stop is taken.
      if (!run.Every && run.Depth > 0 && trial[0].Value > -kInfinity) {
        const auto best = std::max_element(trial.begin(), trial.end(),
                                           [](const TRootMove& a, const TRootMove& b) { return a.Value < b.Value; });
        if (best != trial.begin() && best->Exact) {
          const auto old = std::find_if(run.Moves.begin(), run.Moves.end(),
                                        [&](const TRootMove& m) { return m.Square == best->Square; });
          std::rotate(run.Moves.begin(), old, old + 1);
          run.Moves[0].Value = best->Value;
        }
      }
      break;
    }
    run.Moves = trial;
    run.Depth = depth;
    if (helpers_.Count() > 0) {
      helpers_.Completed(run.Moves);
      if (helpers_.Deeper(run.Depth, run.Moves)) depth = run.Depth;
    }
    if (run.Report) run.Report();
  }
  if (helpers_.Count() > 0) {
    helpers_.Stop();
    // A depth a helper completed beyond the last of this thread's.
    if (helpers_.Deeper(run.Depth, run.Moves) && run.Report) run.Report();
  }

  // 2. The exact solve, when the time allows.
  if (run.Solve && !run.Stopped()) {
    solver_.SetStopFlag(run.Stop);
    solver_.SetDeadline(run.SolverDeadline());
    if (run.Every) {
      std::vector<TRootMove> solved = run.Moves;
      bool complete = true;
      for (TRootMove& m : solved) {
        if (m.Twin >= 0) continue;
        uint64_t mover;
        const uint64_t them = Child(run.Player, run.Opponent, m.Square, mover);
        const auto r = solver_.Solve({them, mover});
        run.SolverNodes += r.Nodes;
        if (!r.Complete) {
          complete = false;
          break;
        }
        m.Value = -r.Score * kScale;
        m.Exact = true;
      }
      if (complete) {
        for (TRootMove& m : solved)
          if (m.Twin >= 0)
            for (const TRootMove& t : solved)
              if (t.Square == m.Twin) m.Value = t.Value;
        std::stable_sort(solved.begin(), solved.end(),
                         [](const TRootMove& a, const TRootMove& b) { return a.Value > b.Value; });
        run.Moves = solved;
        run.Exact = true;
      }
    } else {
      const auto r = solver_.Solve({run.Player, run.Opponent});
      run.SolverNodes += r.Nodes;
      if (r.Complete) {
        const auto best =
            std::find_if(run.Moves.begin(), run.Moves.end(), [&](const TRootMove& m) { return m.Square == r.Best; });
        if (best != run.Moves.end()) std::rotate(run.Moves.begin(), best, best + 1);
        run.Moves[0].Value = r.Score * kScale;
        run.Exact = true;
      }
    }
    if (run.Exact) {
      run.Depth = 64 - Count(run.Player | run.Opponent);
      if (run.Report) run.Report();
    }
  }

  TAnalysis a;
  a.Move = run.Square(run.Moves[0].Square);
  a.Value = Discs(run.Moves[0].Value);
  a.Depth = run.Depth;
  a.Exact = run.Exact;
  a.Nodes = NodesSoFar(run);
  return a;
}

TAnalysis TAnalyst::Analyse(const analysis::TBitPosition& position, const TLimits& limits,
                            const std::atomic<bool>* stop, const TProgress& progress) {
  if (!LegalMoves(position.Player, position.Opponent)) {
    if (!LegalMoves(position.Opponent, position.Player)) {
      TAnalysis over;
      over.Value = Discs(FinalValue(position.Player, position.Opponent));
      over.Exact = true;
      return over;
    }
    // A pass: the opponent's analysis, seen from this side.
    const auto flip = [](TAnalysis a) {
      a.Value = -a.Value;
      a.Pv.insert(a.Pv.begin(), analysis::kPassMove);
      a.Move = analysis::kPassMove;
      return a;
    };
    TProgress relay;
    if (progress) relay = [&](const TAnalysis& a) { progress(flip(a)); };
    return flip(Analyse({position.Opponent, position.Player}, limits, stop, relay));
  }

  TRun run;
  Prepare(run, *evaluation_, position, limits, stop);
  const auto line = [&](TAnalysis& a) {
    const int sq = run.Moves[0].Square;
    uint64_t mover;
    const uint64_t them = Child(run.Player, run.Opponent, sq, mover);
    a.Pv = {a.Move};
    for (int m : search_.PrincipalLine(them, mover, std::max(0, run.Depth - 1))) a.Pv.push_back(run.Square(m));
  };
  if (progress) {
    run.Report = [&] {
      TAnalysis a;
      a.Move = run.Square(run.Moves[0].Square);
      a.Value = Discs(run.Moves[0].Value);
      a.Depth = run.Depth;
      a.Exact = run.Exact;
      a.Nodes = NodesSoFar(run);
      line(a);
      progress(a);
    };
  }
  TAnalysis a = Run(run);
  line(a);
  return a;
}

std::vector<TMoveValue> TAnalyst::AnalyseMoves(const analysis::TBitPosition& position, const TLimits& limits,
                                               const std::atomic<bool>* stop, const TMovesProgress& progress) {
  TRun run;
  run.Every = true;
  if (!Prepare(run, *evaluation_, position, limits, stop)) return {};
  const auto values = [&run] {
    std::vector<TMoveValue> out;
    for (const TRootMove& m : run.Moves) out.push_back({run.Square(m.Square), Discs(m.Value), run.Depth, run.Exact});
    return out;
  };
  if (progress) run.Report = [&] { progress(values()); };
  Run(run);
  return values();
}

}  // namespace reversi::analyst
