// Background analysis for the window: the value of a position worked out on
// an engine of its own (a copy of the game made by replaying its record) and
// the exact solver, and the runner that keeps such work on the analysis
// thread (AnalysisThread.h).
//
// Nothing here touches the board the user plays on: a job copies what it
// needs on the window's thread and works on its copies only.
#pragma once

#include <QObject>
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "AnalysisThread.h"
#include "Analyst.h"
#include "ReversiCore.h"
#include "Solver.h"

// The moves that lead to a position: the first Played squares of Moves.
struct TGameRecord {
  std::array<int32_t, reversi::TReversiCore::kMaxRecord> Moves{};
  int Played = 0;
  // Where the moves start: a set-up game starts elsewhere.
  reversi::TPosition Start = reversi::TPosition::Standard();

  // The game on engine up to the move it shows.
  static TGameRecord Of(const reversi::TReversiCore& engine);
  bool operator==(const TGameRecord&) const = default;
  // The record with square played after its last move.
  TGameRecord Then(int square) const;
};

// A new engine holding the record's position, reached by replaying it.
std::unique_ptr<reversi::TReversiCore> ReplayRecord(const TGameRecord& record);

// What a value is worked out with.
struct TValueLimits {
  int ExactEmpties = 0;                   // solved exactly at or below this many empties
  int SolveSeconds = 0;                   // > 0: a solve gives up for the search at this deadline
  reversi::TLevel Level = reversi::Ply4;  // the search's otherwise
  int MoveTime = 2;                       // its seconds at the time level
};

struct TPositionValue {
  // The side to move's best move: a cell, reversi::kPassSquare when it must
  // pass, 0 when the game is over.
  int Cell = 0;
  double Discs = 0;  // for the side to move
  bool Exact = false;
  int Depth = 0;       // of the search, when not exact
  bool Valid = false;  // false when the work was stopped
  int64_t Nodes = 0;
  std::vector<int> Line;  // cells from Cell on, when known
  bool Book = false;      // a move of the opening book, valued by it
};

// The value of the engine's position for its side to move. The engine is
// used up: its search plays its move on it.
TPositionValue ValuePosition(reversi::TReversiCore& engine, reversi::analysis::TSolver& solver,
                             const TValueLimits& limits, const std::atomic<bool>& stop);

// The value of square for the side to move at record, for that side.
TPositionValue ValueMove(const TGameRecord& record, int square, reversi::analysis::TSolver& solver,
                         const TValueLimits& limits, const std::atomic<bool>& stop);

// The analyst's judgement of the record's position for its side to move
// (best move as a cell, reversi::kPassSquare or 0), within limits; a stop
// gives the best found so far, not valid when no depth was done.
TPositionValue AnalysePosition(const TGameRecord& record, reversi::analyst::TAnalyst& analyst,
                               const reversi::analyst::TLimits& limits, const std::atomic<bool>& stop);
// The analyst's result as the analysis shows it: its move and line as the
// board's cells. Valid is left to the caller.
TPositionValue FromAnalysis(const reversi::analyst::TAnalysis& a);
// The analyst's square (0..63, kPassMove, kNoMove) as the board's cell.
int BoardCell(int square);
// The record's position as the analyst reads it.
reversi::analysis::TBitPosition BitPositionOf(const TGameRecord& record);

// "+4", "-2.35": a value in discs as the analysis shows it.
std::string DiscsText(double discs, bool exact);

// The window's side of the analysis thread: a runner's jobs run there one
// after another (Add) and post what they find back to the window's thread.
// Start drops the runner's earlier jobs first; a cancelled job is asked to
// stop and whatever it still posts is dropped, so the window never sees a
// result of work it no longer wants. A job that fails with an exception is
// reported through OnFailure. The destructor cancels and waits for the
// running job to return.
class TAnalysisRunner : public QObject {
  Q_OBJECT

 public:
  class TJob {
   public:
    const std::atomic<bool>& Stop() const { return *stop_; }
    // The analysis thread's solver, its tables cleared for this job.
    reversi::analysis::TSolver& Solver() const { return *solver_; }
    // The analysis thread's analyst; throws when its weights cannot be read.
    reversi::analyst::TAnalyst& Analyst() const { return thread_->Analyst(); }
    // Runs done on the window's thread, unless the job is cancelled first.
    void Post(std::function<void()> done) const;

   private:
    friend class TAnalysisRunner;
    TAnalysisRunner* runner_ = nullptr;
    uint64_t generation_ = 0;
    std::shared_ptr<std::atomic<bool>> stop_;
    reversi::analysis::TSolver* solver_ = nullptr;
    TAnalysisThread* thread_ = nullptr;
  };
  using TWork = std::function<void(const TJob& job)>;

  // Jobs of a lower priority wait for those of a higher one (lower number).
  TAnalysisRunner(std::shared_ptr<TAnalysisThread> thread, int priority, QObject* parent = nullptr);
  ~TAnalysisRunner() override;

  void Start(TWork work);
  // Queues work after this runner's jobs, without dropping them.
  void Add(TWork work);
  // Asks the running job to stop; what it posts still arrives.
  void Stop();
  // Stop, and drops every job and what it posts.
  void Cancel();
  // True from Start or Add until every job returned, or Cancel.
  bool Running() const { return pending_ > 0; }

  // What ended a job with an exception, on the window's thread.
  std::function<void(const QString& what)> OnFailure;

 private:
  std::shared_ptr<TAnalysisThread> thread_;
  const int priority_;
  uint64_t generation_ = 0;
  std::shared_ptr<std::atomic<bool>> stop_;  // the generation's
  int pending_ = 0;
};

class QEventLoop;

// Runs `wait` while the runner's job works for the engine's computer move,
// and ends the job once the engine is asked to stop (Move Now, the close):
// a stop request comes with an event, and is looked at whenever the loop has
// handled what came and is about to sleep. The runner is idle afterwards.
void WaitForComputerMove(QEventLoop& wait, TAnalysisRunner& runner, reversi::TReversiCore& engine);
