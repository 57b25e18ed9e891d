// Engine speed: the benchmark step (move generation with evaluation at one
// node), the evaluation on middle-game positions, and whole searches at fixed
// depth over the bench positions (nodes per second as a counter).
#include <benchmark/benchmark.h>

#include "BenchPositions.h"
#include "MoveText.h"
#include "Reference.h"
#include "ReversiCore.h"

using namespace reversi;

namespace {

std::vector<int> Moves(const std::string& text) {
  std::string error;
  return ParseMoveText(text, error).value_or(std::vector<int>{});
}

void Setup(TReversiCore& e, const std::string& text) {
  e.SetMode(TwoPlayer);
  e.OnEndGame = [](TReversiCore*) {};
  for (int sq : Moves(text)) e.PlayMove(sq);
}

// Counts its calls and nothing else: the cheapest hook that still does work.
class CountingHooks : public THooks {
 public:
  void ProcessMessages() override { ++calls; }
  int64_t calls = 0;
};

// The evaluation written term by term over cells and lists, as a descendant
// replacing the virtual Evaluate: the same search, the same node counts, for
// the speed ratio against the bit-board evaluation.
class TLiteralEngine : public TReversiCore {
 public:
  int Evaluate(int, int colour) override { return reference::Evaluate(*this, colour); }
};

void BM_DevIdozStep(benchmark::State& state) {
  TReversiCore e;
  for (auto _ : state) benchmark::DoNotOptimize(e.Search().BenchmarkStep());
  state.counters["steps/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DevIdozStep);

void BM_Evaluate(benchmark::State& state) {
  TReversiCore e;
  Setup(e, BenchPositions()[static_cast<size_t>(state.range(0))]);
  int colour = kBlack;
  for (auto _ : state) {
    benchmark::DoNotOptimize(e.Evaluate(1, colour));
    colour = -colour;
  }
}
BENCHMARK(BM_Evaluate)->Arg(3)->Arg(6)->Arg(9);

template <class Hooks, class Engine = TReversiCore>
void SearchAll(benchmark::State& state) {
  int64_t nodes = 0;
  for (auto _ : state) {
    for (const auto& position : BenchPositions()) {
      state.PauseTiming();
      Engine e;
      Hooks hooks;
      e.SetHooks(&hooks);
      Setup(e, position);
      e.SetLevel(static_cast<TLevel>(state.range(0)));
      e.SetGamma(1500);
      e.SetSelectiveDepth(10);
      state.ResumeTiming();
      e.SetThinking(true);
      nodes += e.Nodes();
    }
  }
  state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}

void BM_Search(benchmark::State& state) {
  SearchAll<THooks>(state);
}
void BM_SearchCountingHook(benchmark::State& state) {
  SearchAll<CountingHooks>(state);
}
void BM_SearchLiteralEvaluate(benchmark::State& state) {
  SearchAll<THooks, TLiteralEngine>(state);
}
BENCHMARK(BM_Search)->Arg(5)->Arg(7)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchLiteralEvaluate)->Arg(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchCountingHook)->Arg(7)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
