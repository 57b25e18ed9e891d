#include "Measure.h"

#include <atomic>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <thread>

#include "Bitboard.h"
#include "Evaluation.h"
#include "Labels.h"
#include "Patterns.h"
#include "Solver.h"

namespace reversi::learn {

using namespace reversi::analyst;

namespace {

double Discs(int value) {
  return double(value) / kScale;
}

struct TExactPosition {
  TBits Player, Opponent;
  int Value;
};

// Positions at 24, 25 and 26 empties in turn from the held-out games, solved
// once and kept in the work folder.
std::vector<TExactPosition> ExactMidgame(const std::vector<TGame>& held, int count, const std::string& path,
                                         int threads) {
  std::vector<TExactPosition> list;
  for (std::size_t g = 0; g < held.size() && int(list.size()) < count; ++g)
    for (const TPosition& pos : held[g].Positions)
      if (pos.Empties() == 24 + int(list.size() % 3)) {
        list.push_back({pos.Player, pos.Opponent, 999});
        break;
      }
  std::map<std::pair<TBits, TBits>, int> known;
  {
    std::ifstream in(path);
    unsigned long long p, o;
    int v;
    while (in >> std::hex >> p >> o >> std::dec >> v) known[{p, o}] = v;
  }
  std::atomic<std::size_t> next{0};
  auto work = [&] {
    analysis::TSolver solver(20);
    for (std::size_t i; (i = next++) < list.size();) {
      auto it = known.find({list[i].Player, list[i].Opponent});
      list[i].Value = it != known.end() ? it->second : solver.Solve({list[i].Player, list[i].Opponent}).Score;
    }
  };
  std::vector<std::thread> pool;
  for (int t = 0; t < threads; ++t) pool.emplace_back(work);
  for (auto& t : pool) t.join();
  std::ofstream out(path);
  for (const auto& e : list) out << std::hex << e.Player << ' ' << e.Opponent << ' ' << std::dec << e.Value << '\n';
  return list;
}

std::vector<TExactPosition> ReadExactList(const std::string& path) {
  std::vector<TExactPosition> list;
  std::ifstream in(path);
  unsigned long long p, o;
  int v;
  while (in >> std::hex >> p >> o >> std::dec >> v) list.push_back({p, o, v});
  return list;
}

void PerStage(const TEvaluation& eval, const TEvaluation& standIn, const std::vector<TGame>& held,
              const std::vector<std::vector<int8_t>>& endings) {
  struct TSum {
    double Result = 0, Label = 0, StandIn = 0;
    int N = 0;
  };
  std::vector<TSum> stage(kStages);
  TSum all;
  for (std::size_t g = 0; g < held.size(); ++g) {
    const std::vector<int> labels = GameLabels(held[g], endings[g]);
    for (std::size_t i = 0; i < held[g].Positions.size(); ++i) {
      const TPosition& pos = held[g].Positions[i];
      const double v = Discs(eval.Evaluate(pos.Player, pos.Opponent));
      const double result = pos.BlackToMove ? held[g].BlackMargin : -held[g].BlackMargin;
      for (TSum* s : {&stage[StageOfEmpties(pos.Empties())], &all}) {
        s->Result += std::fabs(v - result);
        s->Label += std::fabs(v - labels[i]);
        s->StandIn += std::fabs(Discs(standIn.Evaluate(pos.Player, pos.Opponent)) - labels[i]);
        ++s->N;
      }
    }
  }
  std::printf("stage empties  positions  |eval-result|  |eval-label|  |stand-in-label|\n");
  for (int s = 0; s < kStages; ++s) {
    const TSum& x = stage[s];
    if (x.N)
      std::printf("%5d %2d..%-3d %9d %14.2f %13.2f %17.2f\n", s, std::max(0, 56 - 5 * s), 60 - 5 * s, x.N,
                  x.Result / x.N, x.Label / x.N, x.StandIn / x.N);
  }
  std::printf("all           %9d %14.2f %13.2f %17.2f\n", all.N, all.Result / all.N, all.Label / all.N,
              all.StandIn / all.N);
}

void Opening(const TEvaluation& eval) {
  namespace bb = reversi::bits;
  const TBits black = 0x0000000810000000ull, white = 0x0000001008000000ull;
  std::printf("start position: %+.2f discs for Black; after each first move, for White:",
              Discs(eval.Evaluate(black, white)));
  for (TBits moves = bb::LegalMoves(black, white); moves; moves &= moves - 1) {
    const int sq = bb::FirstSquare(moves);
    const TBits f = bb::Flips(sq, black, white);
    std::printf(" %c%d %+.2f", 'a' + sq % 8, sq / 8 + 1, Discs(eval.Evaluate(white & ~f, black | f | bb::Bit(sq))));
  }
  std::printf("\n");
}

}  // namespace

int Measure(const std::string& weights, const std::vector<TGame>& held, const std::string& work, int exactEmpties,
            int exactCount, const std::string& exactList, int threads) {
  std::string error;
  const auto eval = TEvaluation::Load(weights, error);
  if (!eval) {
    std::fprintf(stderr, "vezari-learn: %s\n", error.c_str());
    return 1;
  }
  const auto standIn = TEvaluation::StandIn();
  const auto endings =
      SolveEndings(held, exactEmpties, work + "/held-endings-" + std::to_string(exactEmpties) + ".bin", threads);
  std::printf("held-out games: %zu (labels: game results, exact from %d empties)\n", held.size(), exactEmpties);
  PerStage(*eval, *standIn, held, endings);
  if (exactCount > 0 || !exactList.empty()) {
    const auto exact = exactList.empty() ? ExactMidgame(held, exactCount, work + "/held-exact-24-26.txt", threads)
                                         : ReadExactList(exactList);
    double e = 0, s = 0;
    for (const auto& x : exact) {
      e += std::fabs(Discs(eval->Evaluate(x.Player, x.Opponent)) - x.Value);
      s += std::fabs(Discs(standIn->Evaluate(x.Player, x.Opponent)) - x.Value);
    }
    std::printf("exact positions (%s), %zu positions: mean |eval - exact| %.2f discs (stand-in %.2f)\n",
                exactList.empty() ? "24-26 empties" : exactList.c_str(), exact.size(), e / exact.size(),
                s / exact.size());
  }
  Opening(*eval);
  return 0;
}

}  // namespace reversi::learn
