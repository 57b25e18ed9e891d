// Background analysis for the window: the value of a position worked out on
// an engine of its own (a copy of the game made by replaying its record) and
// the exact solver, and the runner that keeps such work on worker threads.
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
#include <thread>
#include <vector>

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
  int SolveSeconds = 0;                   // > 0: a longer solve gives up for the search
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
};

// The value of the engine's position for its side to move. The engine is
// used up: its search plays its move on it.
TPositionValue ValuePosition(reversi::TReversiCore& engine, reversi::analysis::TSolver& solver,
                             const TValueLimits& limits, const std::atomic<bool>& stop);

// The value of square for the side to move at record, for that side.
TPositionValue ValueMove(const TGameRecord& record, int square, reversi::analysis::TSolver& solver,
                         const TValueLimits& limits, const std::atomic<bool>& stop);

// "+4", "-2.35": a value in discs as the analysis shows it.
std::string DiscsText(double discs, bool exact);

// Runs one job at a time on a thread of its own. Starting a job cancels the
// one before; a cancelled job is asked to stop and whatever it still posts
// is dropped, so the window never sees a result of work it no longer wants.
// The destructor stops and waits for every job.
class TAnalysisRunner : public QObject {
  Q_OBJECT

 public:
  class TJob {
   public:
    const std::atomic<bool>& Stop() const { return *stop_; }
    // Runs done on the window's thread, unless the job is cancelled first.
    void Post(std::function<void()> done) const;

   private:
    friend class TAnalysisRunner;
    TAnalysisRunner* runner_ = nullptr;
    uint64_t generation_ = 0;
    std::shared_ptr<std::atomic<bool>> stop_;
  };
  using TWork = std::function<void(const TJob& job)>;

  explicit TAnalysisRunner(QObject* parent = nullptr) : QObject(parent) {}
  ~TAnalysisRunner() override;

  void Start(TWork work);
  void Cancel();
  // True from Start until the job returns or is cancelled.
  bool Running() const;

 private:
  struct TThread {
    std::thread Thread;
    std::shared_ptr<std::atomic<bool>> Stop;
    std::shared_ptr<std::atomic<bool>> Done;
  };
  void Reap(bool all);

  uint64_t generation_ = 0;
  std::vector<TThread> threads_;
};
