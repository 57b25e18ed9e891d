// The analyst's evaluation per call, over positions of random games (all
// stages), beside the crude stand-in and the square-by-square reading of
// the shapes. The shipped weights are loaded as the program loads them.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "Bitboard.h"
#include "Evaluation.h"
#include "Patterns.h"

namespace {

using reversi::analyst::TBits;
using reversi::analyst::TEvaluation;
namespace bb = reversi::bits;

std::vector<std::pair<TBits, TBits>> Positions() {
  std::mt19937 rng(5);
  std::vector<std::pair<TBits, TBits>> out;
  while (out.size() < 4096) {
    TBits p = 0x0000000810000000ull, o = 0x0000001008000000ull;
    for (int passes = 0; passes < 2;) {
      TBits moves = bb::LegalMoves(p, o);
      std::swap(p, o);
      if (!moves) {
        ++passes;
        continue;
      }
      passes = 0;
      for (int skip = rng() % bb::Count(moves); skip--;) moves &= moves - 1;
      const int sq = bb::FirstSquare(moves);
      const TBits f = bb::Flips(sq, o, p);
      o |= f | bb::Bit(sq);
      p &= ~f;
      out.emplace_back(p, o);
    }
  }
  return out;
}

void Run(benchmark::State& state, const TEvaluation& eval) {
  static const auto positions = Positions();
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& [p, o] = positions[i++ & 4095];
    benchmark::DoNotOptimize(eval.Evaluate(p, o));
  }
}

void BM_LearnedEvaluation(benchmark::State& state) {
  std::string error;
  static const auto eval = TEvaluation::LoadDefault(error);
  if (!eval) {
    state.SkipWithError(error.c_str());
    return;
  }
  Run(state, *eval);
}
BENCHMARK(BM_LearnedEvaluation);

void BM_StandInEvaluation(benchmark::State& state) {
  static const auto eval = TEvaluation::StandIn();
  Run(state, *eval);
}
BENCHMARK(BM_StandInEvaluation);

template <void (*Indices)(TBits, TBits, uint32_t*)>
void BM_PatternIndices(benchmark::State& state) {
  static const auto positions = Positions();
  uint32_t out[reversi::analyst::kPatternCopies];
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& [p, o] = positions[i++ & 4095];
    Indices(p, o, out);
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_PatternIndices<reversi::analyst::PatternIndices>)->Name("BM_PatternIndicesFast");
BENCHMARK(BM_PatternIndices<reversi::analyst::PatternIndicesPortable>)->Name("BM_PatternIndicesPortable");

}  // namespace

BENCHMARK_MAIN();
