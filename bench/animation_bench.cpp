// The flip animation's frames (View > Animate Flips), offscreen.
//
//  Frames/SIDE   one move with many flips played on a shown board of SIDE
//                pixels and its animation run to its end by the event loop,
//                again and again. Reports per move: the frames painted, the
//                longest and the mean time to paint one (TReversi's
//                paintEvent, the whole board drawn and copied) on the wall
//                clock, the longest in the thread's processor time, how many
//                took longer than 16.7 ms, and the longest gap between two
//                frames. At 60 Hz a frame has
//                16.7 ms; the timer asks for one every 16 ms.
//  Still/SIDE    the same board's repaint without the animation, interleaved
//                with the frames' runs by the harness, for the ratio.
//
//   QT_QPA_PLATFORM=offscreen build/dev/bench/animation_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <ctime>

#include "Reversi.h"

using namespace reversi;

namespace {

double ThreadMs() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec * 1e-6;
}

// Times its own paints: on the wall clock, and in this thread's processor
// time, which a machine busy with other work does not stretch.
class TTimedBoard : public TReversi {
 public:
  std::vector<double> PaintMs, PaintCpuMs;
  std::vector<qint64> PaintedAtNs;
  QElapsedTimer Clock;

 protected:
  void paintEvent(QPaintEvent* e) override {
    const qint64 start = Clock.nsecsElapsed();
    const double cpu = ThreadMs();
    TReversi::paintEvent(e);
    const qint64 end = Clock.nsecsElapsed();
    PaintCpuMs.push_back(ThreadMs() - cpu);
    PaintMs.push_back((end - start) / 1e6);
    PaintedAtNs.push_back(end);
  }
};

void ShowBoard(TReversi& board, int side) {
  board.resize(side, side);
  board.show();
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!(board.windowHandle() && board.windowHandle()->isExposed()) && std::chrono::steady_clock::now() < until)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// A middle-game position (from the start, the first legal square for 14
// plies) and the legal move that turns the most discs in it.
int SetUp(TReversi& board) {
  board.SetMode(TwoPlayer);
  board.NewGame();
  for (int ply = 0; ply < 14; ++ply)
    for (int sq = 10; sq <= 80; ++sq)
      if (board.IsLegal(sq)) {
        board.PlayMove(sq);
        break;
      }
  int best = 0, most = 0;
  for (int sq = 10; sq <= 80; ++sq) {
    std::array<uint8_t, kCells> marks{};
    if (!board.MarkFlips(sq, marks)) continue;
    const int n = static_cast<int>(std::count(marks.begin(), marks.end(), 1));
    if (n > most) most = n, best = sq;
  }
  return best;
}

void Frames(benchmark::State& state) {
  TTimedBoard board;
  ShowBoard(board, static_cast<int>(state.range(0)));
  const int move = SetUp(board);
  board.SetAnimateFlips(true);
  board.repaint();
  board.Clock.start();
  double longest = 0, longestCpu = 0, sum = 0, gap = 0;
  int64_t over = 0;
  int64_t frames = 0;
  for (auto _ : state) {
    board.PaintMs.clear();
    board.PaintCpuMs.clear();
    board.PaintedAtNs.clear();
    board.PlayMove(move);
    while (board.Animating()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    for (std::size_t i = 0; i < board.PaintMs.size(); ++i) {
      longest = std::max(longest, board.PaintMs[i]);
      longestCpu = std::max(longestCpu, board.PaintCpuMs[i]);
      over += board.PaintMs[i] > 1000.0 / 60 ? 1 : 0;
      sum += board.PaintMs[i];
      if (i > 0) gap = std::max(gap, (board.PaintedAtNs[i] - board.PaintedAtNs[i - 1]) / 1e6);
    }
    frames += static_cast<int64_t>(board.PaintMs.size());
    board.TakeBack();
  }
  state.counters["frames_per_move"] = static_cast<double>(frames) / state.iterations();
  state.counters["paint_max_ms"] = longest;
  state.counters["paint_cpu_max_ms"] = longestCpu;
  state.counters["paints_over_16.7ms"] = static_cast<double>(over);
  state.counters["paint_mean_ms"] = frames ? sum / frames : 0;
  state.counters["gap_max_ms"] = gap;
}
BENCHMARK(Frames)->Arg(320)->Arg(800)->Unit(benchmark::kMillisecond)->Iterations(40);

void Still(benchmark::State& state) {
  TReversi board;
  ShowBoard(board, static_cast<int>(state.range(0)));
  SetUp(board);
  for (auto _ : state) board.repaint();
}
BENCHMARK(Still)->Arg(320)->Arg(800)->Unit(benchmark::kMicrosecond);

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
