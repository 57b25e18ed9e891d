// What the widget costs the search, and what the search leaves the window.
//
//  NodeRate     the same fixed-depth searches run in turn by a headless
//               engine (no-op hooks), by one whose message-loop hook only
//               counts its calls, and by a shown TReversi; interleaved so that
//               load on the machine hits all three alike. Reports each node
//               rate (per CPU second of this thread) and the ratios to the
//               headless one.
//  HookCall     one call of the message-loop hook: the no-op one, a counting
//               one and the widget's throttled pump.
//  Repaint      one synchronous repaint of a 320-pixel board.
//  WhileThinking  a 10 ms timer and a repaint request per tick during an
//               unlimited search stopped after 500 ms: ticks, paints, the
//               longest gap between ticks and how long the stop took.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <ctime>

#include "Reversi.h"

using namespace reversi;
using Clock = std::chrono::steady_clock;

namespace {

class TCountingHooks : public THooks {
 public:
  int64_t Calls = 0;
  void ProcessMessages() override { ++Calls; }
};

// A fixed middle-game position: from the start, the first legal square in
// index order for 14 plies.
void SetUp(TReversiCore& engine) {
  engine.SetMode(TwoPlayer);
  engine.NewGame();
  for (int ply = 0; ply < 14; ++ply)
    for (int sq = 10; sq <= 80; ++sq)
      if (engine.IsLegal(sq)) {
        engine.PlayMove(sq);
        break;
      }
  engine.SetLevel(Ply9);
}

// Everything a search does, event passes and paints included, runs on this
// thread and never waits, so its CPU time is the fair measure on a machine
// shared with other work; wall time is kept beside it.
double ThreadSeconds() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec + ts.tv_nsec * 1e-9;
}

// Shows the board and lets the event loop run until it is on screen, so that
// repaints really paint.
void ShowBoard(TReversi& board) {
  board.resize(320, 320);
  board.show();
  const auto until = Clock::now() + std::chrono::seconds(5);
  while (!(board.windowHandle() && board.windowHandle()->isExposed()) && Clock::now() < until)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

struct TRate {
  int64_t Nodes = 0;
  double Cpu = 0;
  double Wall = 0;
  double PerCpuSecond() const { return Cpu > 0 ? Nodes / Cpu : 0; }
  double PerWallSecond() const { return Wall > 0 ? Nodes / Wall : 0; }
};

void SearchOnce(TReversiCore& engine, TRate& rate) {
  SetUp(engine);
  const auto start = Clock::now();
  const double cpu = ThreadSeconds();
  engine.SetThinking(true);
  rate.Cpu += ThreadSeconds() - cpu;
  rate.Wall += std::chrono::duration<double>(Clock::now() - start).count();
  rate.Nodes += engine.Nodes();
}

void NodeRate(benchmark::State& state) {
  TReversiCore headless;
  TReversiCore counted;
  TCountingHooks counting;
  counted.SetHooks(&counting);
  TReversi board;
  ShowBoard(board);
  TRate h, c, w;
  for (auto _ : state) {
    SearchOnce(headless, h);
    SearchOnce(counted, c);
    SearchOnce(board, w);
  }
  state.counters["headless_nps"] = h.PerCpuSecond();
  state.counters["counting_nps"] = c.PerCpuSecond();
  state.counters["widget_nps"] = w.PerCpuSecond();
  state.counters["counting/headless"] = c.PerCpuSecond() / h.PerCpuSecond();
  state.counters["widget/headless"] = w.PerCpuSecond() / h.PerCpuSecond();
  state.counters["widget/headless_wall"] = w.PerWallSecond() / h.PerWallSecond();
  state.counters["nodes_per_search"] = static_cast<double>(h.Nodes) / state.iterations();
}
BENCHMARK(NodeRate)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void HookCall(benchmark::State& state) {
  THooks none;
  TCountingHooks counting;
  TReversi board;
  THooks* hooks[] = {&none, &counting, &board.Hooks()};
  THooks* hook = hooks[state.range(0)];
  benchmark::DoNotOptimize(hook);
  for (auto _ : state) hook->ProcessMessages();
  state.SetLabel(state.range(0) == 0 ? "no-op" : state.range(0) == 1 ? "counting" : "widget");
}
BENCHMARK(HookCall)->DenseRange(0, 2);

// A synchronous repaint of the whole board at the main window's size: what
// PlayMove adds at the end of every search, and ShowThinking at every new
// best root move.
void Repaint(benchmark::State& state) {
  TReversi board;
  board.SetShowLegal(true);
  ShowBoard(board);
  for (auto _ : state) board.repaint();
}
BENCHMARK(Repaint)->Unit(benchmark::kMicrosecond);

void WhileThinking(benchmark::State& state) {
  TReversi board;
  ShowBoard(board);
  double ticks = 0, paints = 0, stopMs = 0, worstGap = 0;
  for (auto _ : state) {
    SetUp(board);
    board.SetLevel(Infinite);
    int tickCount = 0, paintCount = 0;
    Clock::time_point last = Clock::now(), stopAt;
    double gap = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
      const auto now = Clock::now();
      gap = std::max(gap, std::chrono::duration<double, std::milli>(now - last).count());
      last = now;
      ++tickCount;
      board.update();
    });
    struct TPaints : QObject {
      int* Count;
      bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++*Count;
        return false;
      }
    } counter;
    counter.Count = &paintCount;
    board.installEventFilter(&counter);
    QTimer::singleShot(500, &board, [&] {
      stopAt = Clock::now();
      board.SetThinking(false);
    });
    timer.start(10);
    board.SetThinking(true);
    const auto end = Clock::now();
    timer.stop();
    board.removeEventFilter(&counter);
    ticks += tickCount;
    paints += paintCount;
    stopMs += std::chrono::duration<double, std::milli>(end - stopAt).count();
    worstGap = std::max(worstGap, gap);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["ticks_per_search"] = ticks / n;
  state.counters["paints_per_search"] = paints / n;
  state.counters["stop_ms"] = stopMs / n;
  state.counters["worst_tick_gap_ms"] = worstGap;
}
BENCHMARK(WhileThinking)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
