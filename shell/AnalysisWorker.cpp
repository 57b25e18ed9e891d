#include "AnalysisWorker.h"

#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QMetaObject>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "EngineAdapter.h"

using namespace reversi;
using reversi::analysis::TSolver;

namespace {

// Stops the copy's search once the job is cancelled, and keeps what it
// found before it plays: the root move and its value.
class TWorkerHooks : public THooks {
 public:
  TWorkerHooks(TReversiCore& engine, const std::atomic<bool>& stop) : engine_(engine), stop_(stop) {}
  void ProcessMessages() override {
    if (stop_.load(std::memory_order_relaxed)) engine_.RequestStop();
  }
  void SearchWalkEnd() override {
    if (walked_) return;
    walked_ = true;
    cell_ = engine_.Search().RootMove(0);
    depth_ = engine_.Search().Ply();
  }
  bool walked_ = false;
  int cell_ = 0;
  int depth_ = 0;

 private:
  TReversiCore& engine_;
  const std::atomic<bool>& stop_;
};

int Empties(const TReversiCore& engine) {
  return 64 - engine.WhiteDiscs() - engine.BlackDiscs();
}

// The final margin for the side to move, empty squares to the winner.
double FinalMargin(const TReversiCore& engine) {
  const int own = engine.SideToMove == kBlack ? engine.BlackDiscs() : engine.WhiteDiscs();
  const int other = 64 - Empties(engine) - own;
  const int margin = own - other;
  return margin > 0 ? margin + Empties(engine) : margin < 0 ? margin - Empties(engine) : 0;
}

// A solve that gives up after seconds (if > 0) or when stop is set.
TPositionValue Solve(TReversiCore& engine, TSolver& solver, int seconds, const std::atomic<bool>& stop) {
  solver.SetStopFlag(&stop);
  solver.SetDeadline(seconds > 0 ? std::chrono::steady_clock::now() + std::chrono::seconds(seconds)
                                 : std::chrono::steady_clock::time_point::max());
  const analysis::TSolveResult r = solver.Solve(analysis::FromBoard(engine));
  solver.SetDeadline(std::chrono::steady_clock::time_point::max());
  TPositionValue value;
  if (!r.Complete) return value;
  value.Valid = value.Exact = true;
  value.Discs = r.Score;
  value.Cell = r.Best >= 0 ? analysis::CellOf(r.Best) : r.Best == analysis::kPassMove ? kPassSquare : 0;
  return value;
}

TPositionValue SearchValue(TReversiCore& engine, const TValueLimits& limits, const std::atomic<bool>& stop) {
  TWorkerHooks hooks(engine, stop);
  engine.SetHooks(&hooks);
  engine.SetMode(TwoPlayer);
  engine.SetLevel(limits.Level == Infinite ? TimeLevel : limits.Level);
  engine.SetMoveTime(limits.MoveTime);
  TPositionValue value;
  engine.OnBestChange = [&](TReversiCore*, const std::string&, double score, bool) {
    if (!hooks.walked_) value.Discs = score;
  };
  // The search that follows the opponent's pass is not wanted; one ply
  // ends it at once.
  engine.OnPassRequest = [](TReversiCore* e) { e->SetLevel(Ply1); };
  engine.StartThinking();
  engine.SetHooks(nullptr);
  value.Cell = hooks.cell_;
  value.Depth = hooks.depth_;
  value.Valid = hooks.walked_ && !stop.load();
  return value;
}

}  // namespace

TGameRecord TGameRecord::Of(const TReversiCore& engine) {
  TGameRecord record;
  record.Played = engine.MovesPlayed;
  record.Start = engine.StartPosition();
  for (int i = 0; i < record.Played; ++i) record.Moves[i] = engine.GameRecord[i];
  return record;
}

TGameRecord TGameRecord::Then(int square) const {
  TGameRecord next = *this;
  if (next.Played < TReversiCore::kMaxRecord) next.Moves[next.Played++] = square;
  return next;
}

std::unique_ptr<TReversiCore> ReplayRecord(const TGameRecord& record) {
  auto engine = std::make_unique<TReversiCore>();
  if (record.Start != TPosition::Standard()) {
    TGame game{record.Start, std::vector<int>(record.Moves.begin(), record.Moves.begin() + record.Played)};
    engine->SetGame(game);
    return engine;
  }
  for (int i = 0; i < record.Played; ++i) engine->GameRecord[i] = record.Moves[i];
  // Take Back's replay: every move from the start, passes by the rules.
  engine->MovesPlayed = record.Played + 1;
  if (record.Played + 1 < TReversiCore::kMaxRecord) engine->GameRecord[record.Played + 1] = 0;
  engine->TakeBack();
  return engine;
}

TPositionValue ValuePosition(TReversiCore& engine, TSolver& solver, const TValueLimits& limits,
                             const std::atomic<bool>& stop) {
  if (stop.load()) return {};
  const int side = engine.SideToMove;
  if (engine.FlipPotential(side) == 0) {
    TPositionValue value;
    if (engine.FlipPotential(-side) == 0) {
      value.Discs = FinalMargin(engine);
      value.Valid = value.Exact = true;
      return value;
    }
    engine.SideToMove = -side;
    value = ValuePosition(engine, solver, limits, stop);
    value.Discs = -value.Discs;
    value.Cell = kPassSquare;
    return value;
  }
  if (Empties(engine) <= limits.ExactEmpties) {
    TPositionValue value = Solve(engine, solver, limits.SolveSeconds, stop);
    if (value.Valid || stop.load()) return value;
  }
  return SearchValue(engine, limits, stop);
}

TPositionValue ValueMove(const TGameRecord& record, int square, TSolver& solver, const TValueLimits& limits,
                         const std::atomic<bool>& stop) {
  auto before = ReplayRecord(record);
  const int mover = before->SideToMove;
  auto after = ReplayRecord(record.Then(square));
  const bool moverAgain = after->SideToMove == mover;
  TPositionValue value = ValuePosition(*after, solver, limits, stop);
  if (!moverAgain) value.Discs = -value.Discs;
  value.Cell = square;
  return value;
}

int BoardCell(int square) {
  if (square >= 0) return analysis::CellOf(square);
  return square == analysis::kPassMove ? kPassSquare : 0;
}

analysis::TBitPosition BitPositionOf(const TGameRecord& record) {
  return analysis::FromBoard(*ReplayRecord(record));
}

TPositionValue AnalysePosition(const TGameRecord& record, analyst::TAnalyst& analyst, const analyst::TLimits& limits,
                               const std::atomic<bool>& stop) {
  if (stop.load()) return {};
  const analyst::TAnalysis a = analyst.Analyse(BitPositionOf(record), limits, &stop);
  TPositionValue value = FromAnalysis(a);
  value.Valid = a.Exact || a.Depth > 0;
  return value;
}

TPositionValue FromAnalysis(const analyst::TAnalysis& a) {
  TPositionValue value;
  value.Cell = BoardCell(a.Move);
  value.Discs = a.Value;
  value.Exact = a.Exact;
  value.Depth = a.Depth;
  value.Nodes = a.Nodes;
  for (int square : a.Pv) value.Line.push_back(BoardCell(square));
  return value;
}

std::string DiscsText(double discs, bool exact) {
  char text[32];
  if (exact)
    std::snprintf(text, sizeof text, "%+d", static_cast<int>(std::lround(discs)));
  else
    std::snprintf(text, sizeof text, "%+.2f", discs);
  return text;
}

// ---------------------------------------------------------------------------

void TAnalysisRunner::TJob::Post(std::function<void()> done) const {
  TAnalysisRunner* runner = runner_;
  const uint64_t generation = generation_;
  QMetaObject::invokeMethod(
      runner,
      [runner, generation, done = std::move(done)] {
        if (generation == runner->generation_) done();
      },
      Qt::QueuedConnection);
}

TAnalysisRunner::TAnalysisRunner(std::shared_ptr<TAnalysisThread> thread, int priority, QObject* parent)
    : QObject(parent),
      thread_(std::move(thread)),
      priority_(priority),
      stop_(std::make_shared<std::atomic<bool>>(false)) {}

TAnalysisRunner::~TAnalysisRunner() {
  Cancel();
  // Nothing may post to a runner that is gone.
  thread_->Cancel(this, true);
}

void TAnalysisRunner::Start(TWork work) {
  Cancel();
  Add(std::move(work));
}

void TAnalysisRunner::Add(TWork work) {
  ++pending_;
  TJob job;
  job.runner_ = this;
  job.generation_ = generation_;
  job.stop_ = stop_;
  job.thread_ = thread_.get();
  // Whatever way the job ends, the runner hears of it on its own thread.
  auto ended = [job](std::function<void(TAnalysisRunner&)> then) {
    job.Post([runner = job.runner_, then = std::move(then)] {
      --runner->pending_;
      if (then) then(*runner);
    });
  };
  TAnalysisThread::TJob queued;
  queued.Owner = this;
  queued.Priority = priority_;
  queued.Stop = stop_;
  queued.Run = [job, ended, work = std::move(work)](analysis::TSolver& solver) mutable {
    job.solver_ = &solver;
    work(job);
    ended({});
  };
  queued.Failed = [ended](const std::string& what) {
    ended([text = QString::fromStdString(what)](TAnalysisRunner& runner) {
      if (runner.OnFailure) runner.OnFailure(text);
    });
  };
  thread_->Queue(std::move(queued));
}

void TAnalysisRunner::Stop() {
  stop_->store(true);
}

void TAnalysisRunner::Cancel() {
  Stop();
  thread_->Cancel(this, false);
  ++generation_;
  pending_ = 0;
  stop_ = std::make_shared<std::atomic<bool>>(false);
}

void WaitForComputerMove(QEventLoop& wait, TAnalysisRunner& runner, reversi::TReversiCore& engine) {
  const QMetaObject::Connection watch = QObject::connect(
      QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &runner, [&engine, &runner] {
        if (engine.StopRequested()) runner.Stop();
      });
  wait.exec();
  QObject::disconnect(watch);
  runner.Cancel();
  runner.OnFailure = nullptr;
}
