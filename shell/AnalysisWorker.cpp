#include "AnalysisWorker.h"

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
  std::atomic<bool> giveUp{stop.load()};
  std::atomic<bool> done{false};
  std::thread watch([&] {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!done.load()) {
      if (stop.load() || (seconds > 0 && std::chrono::steady_clock::now() > end)) giveUp = true;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  });
  solver.SetStopFlag(&giveUp);
  const analysis::TSolveResult r = solver.Solve(analysis::FromBoard(engine));
  solver.SetStopFlag(nullptr);
  done = true;
  watch.join();
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

TAnalysisRunner::~TAnalysisRunner() {
  Cancel();
  Reap(true);
}

void TAnalysisRunner::Start(TWork work) {
  Cancel();
  Reap(false);
  TJob job;
  job.runner_ = this;
  job.generation_ = generation_;
  job.stop_ = std::make_shared<std::atomic<bool>>(false);
  auto done = std::make_shared<std::atomic<bool>>(false);
  std::thread thread([job, done, work = std::move(work)] {
    work(job);
    done->store(true);
  });
  threads_.push_back(TThread{std::move(thread), job.stop_, done});
}

void TAnalysisRunner::Cancel() {
  ++generation_;
  for (TThread& t : threads_) t.Stop->store(true);
}

bool TAnalysisRunner::Running() const {
  for (const TThread& t : threads_)
    if (!t.Stop->load() && !t.Done->load()) return true;
  return false;
}

void TAnalysisRunner::Reap(bool all) {
  for (auto it = threads_.begin(); it != threads_.end();) {
    if (all || it->Done->load()) {
      it->Thread.join();
      it = threads_.erase(it);
    } else {
      ++it;
    }
  }
}
