// The analyst judged where the truth is known, on held-out real games (the
// last 500 of the sample file, never learned from), and its speed. Slow: a
// run, not a test (the exact values are cached in WORKDIR).
//
//   analyst_measure GAMES WORKDIR [--only static|depth|start|time|speed|reach] [--count24 N]
//                   [--count26 M] [--seconds S] [--depth D] [--processor 1] [--cached 1] [--threads N]
//
// e.g. build/dev/bench/analyst_measure ../shared/data/games-sample.txt /tmp/work
//
// static: the evaluation alone at 24 and 26 empties, mean |value - exact|.
// depth: --analyse --depth D (6) at 24 and 26 empties, mean |value - exact|;
//        and the start position's value at depths 1 to 15.
// time:  --analyse --time S (1) at 24 empties, how often the move is optimal.
// speed: nodes per second and the depth reached in S seconds at 40, 30 and
//        20 empties.
// reach: the time to search D plies (--depth) at 40 and 30 empties, on the
//        analysing thread's processor clock and on the wall clock (not part
//        of a run without --only).
// With --cached 1, depth takes only the positions whose exact value is in
// WORKDIR/exact.txt already (lines "PLAYER OPPONENT SCORE", hexadecimal boards).
// With --processor 1 the seconds are the thread's processor time, not the
// wall clock: on a machine shared with other work the wall clock would
// give the analyst only a part of them. With --threads N (default 1) the
// analyst searches on N threads; the processor time is then its own
// thread's alone, the helpers running beside it (fair only while the
// machine has N processors free), and nodes/s counts every thread's nodes.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "Analyst.h"
#include "GameRecords.h"
#include "Solver.h"

using namespace reversi;
using analysis::TBitPosition;

namespace {

constexpr size_t kHeldOut = 500;

// Exact scores, kept in a file so that a second run solves nothing again.
class TExact {
 public:
  explicit TExact(std::string path) : path_(std::move(path)) {
    std::ifstream in(path_);
    unsigned long long p, o;
    int score;
    while (in >> std::hex >> p >> o >> std::dec >> score) known_[{p, o}] = score;
  }
  bool Known(const TBitPosition& pos) const { return known_.count({pos.Player, pos.Opponent}) > 0; }
  int Score(const TBitPosition& pos) {
    const auto it = known_.find({pos.Player, pos.Opponent});
    if (it != known_.end()) return it->second;
    const int score = solver_.Solve(pos).Score;
    known_[{pos.Player, pos.Opponent}] = score;
    std::ofstream(path_, std::ios::app) << std::hex << pos.Player << " " << pos.Opponent << std::dec << " " << score
                                        << "\n";
    return score;
  }

 private:
  std::string path_;
  std::map<std::pair<uint64_t, uint64_t>, int> known_;
  analysis::TSolver solver_;
};

// The held-out games' positions with `empties` empty squares, at most `count`.
std::vector<TBitPosition> PositionsAt(const std::vector<probcut::TGamePositions>& games, int empties, int count) {
  std::vector<TBitPosition> out;
  for (const auto& game : games)
    for (const auto& p : game)
      if (probcut::Empties(p) == empties && static_cast<int>(out.size()) < count) out.push_back(p);
  return out;
}

TBitPosition Play(const TBitPosition& pos, int square) {
  const uint64_t flips = analysis::Flips(square, pos.Player, pos.Opponent);
  return {pos.Opponent & ~flips, pos.Player | flips | analysis::Bit(square)};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: analyst_measure GAMES WORKDIR [--only static|depth|start|time|speed|reach] [--count24 N] "
                 "[--count26 M]"
                 " [--seconds S] [--depth D] [--processor 1] [--cached 1] [--threads N]\n"
                 "  (--only also takes reach: the time to --depth D at 40 and 30 empties)\n";
    return 2;
  }
  const std::string file = argv[1], work = argv[2];
  std::string only;
  int count24 = 100, count26 = 30, depth = 6;
  double seconds = 1.0;
  bool processor = false;
  bool cachedOnly = false;
  int threads = 1;
  for (int i = 3; i + 1 < argc; i += 2) {
    const std::string a = argv[i], v = argv[i + 1];
    if (a == "--only") only = v;
    if (a == "--count24") count24 = std::stoi(v);
    if (a == "--count26") count26 = std::stoi(v);
    if (a == "--seconds") seconds = std::stod(v);
    if (a == "--depth") depth = std::stoi(v);
    if (a == "--processor") processor = v == "1";
    if (a == "--cached") cachedOnly = v == "1";
    if (a == "--threads") threads = std::stoi(v);
  }
  const size_t lines = probcut::CountLines(file);
  const auto games = probcut::ReadGames(file, lines > kHeldOut ? lines - kHeldOut : 0, lines);
  if (games.empty()) {
    std::cerr << "analyst_measure: no games in " << file << "\n";
    return 1;
  }
  std::string error;
  std::shared_ptr<const analyst::TEvaluation> evaluation = analyst::TEvaluation::LoadDefault(error);
  if (!evaluation) {
    std::cerr << error << "\n";
    return 1;
  }
  analyst::TAnalyst analyst(evaluation);
  analyst.SetThreads(threads);
  TExact exact(work + "/exact.txt");

  if (only.empty() || only == "static") {
    for (auto [empties, count] : {std::pair{24, count24}, std::pair{26, count26}}) {
      double sum = 0, bias = 0;
      auto positions = PositionsAt(games, empties, cachedOnly ? 500 : count);
      if (cachedOnly) std::erase_if(positions, [&](const TBitPosition& p) { return !exact.Known(p); });
      for (const auto& p : positions) {
        const double v = double(evaluation->Evaluate(p.Player, p.Opponent)) / analyst::kScale;
        sum += std::abs(v - exact.Score(p));
        bias += v - exact.Score(p);
      }
      std::printf("static at %d empties, %zu positions: mean |value - exact| %.2f discs (mean value - exact %+.2f)\n",
                  empties, positions.size(), sum / positions.size(), bias / positions.size());
      std::fflush(stdout);
    }
  }
  if (only.empty() || only == "depth") {
    for (auto [empties, count] : {std::pair{24, count24}, std::pair{26, count26}}) {
      double sum = 0, bias = 0;
      auto positions = PositionsAt(games, empties, cachedOnly ? 500 : count);
      if (cachedOnly) std::erase_if(positions, [&](const TBitPosition& p) { return !exact.Known(p); });
      for (const auto& p : positions) {
        analyst.Clear();
        const double v = analyst.Analyse(p, {.Depth = depth}).Value;
        sum += std::abs(v - exact.Score(p));
        bias += v - exact.Score(p);
      }
      std::printf("depth %d at %d empties, %zu positions: mean |value - exact| %.2f discs (mean value - exact %+.2f)\n",
                  depth, empties, positions.size(), sum / positions.size(), bias / positions.size());
      std::fflush(stdout);
    }
  }
  if (only.empty() || only == "start") {
    // Odd and even depths should agree: a swing between them is the
    // evaluation's bias for the side to move.
    const TBitPosition start{0x0000000810000000ull, 0x0000001008000000ull};
    std::printf("start position by depth:");
    for (int d = 1; d <= 15; ++d) {
      analyst.Clear();
      std::printf(" %d:%+.2f", d, analyst.Analyse(start, {.Depth = d}).Value);
      std::fflush(stdout);
    }
    std::printf("\n");
  }
  if (only.empty() || only == "time") {
    const auto positions = PositionsAt(games, 24, count24);
    int optimal = 0;
    double loss = 0;
    for (const auto& p : positions) {
      analyst.Clear();
      const auto a = analyst.Analyse(p, {.Seconds = seconds, .ProcessorTime = processor});
      const int best = exact.Score(p), got = -exact.Score(Play(p, a.Move));
      optimal += got == best;
      loss += best - got;
      std::fprintf(stderr, "time: %d of %zu, depth %d, %s\n", optimal, &p - positions.data() + 1, a.Depth,
                   got == best ? "optimal" : ("loses " + std::to_string(best - got)).c_str());
    }
    std::printf("time %.2f s at 24 empties, %d thread(s): optimal move in %d of %zu positions (mean loss %.2f discs)\n",
                seconds, threads, optimal, positions.size(), loss / positions.size());
    std::fflush(stdout);
  }
  if (only.empty() || only == "speed") {
    for (int empties : {40, 30, 20}) {
      const auto positions = PositionsAt(games, empties, 10);
      double nodes = 0, time = 0, depthSum = 0;
      int exactCount = 0;
      for (const auto& p : positions) {
        analyst.Clear();
        const auto start = std::chrono::steady_clock::now();
        const double processorStart = analyst::ThreadSeconds();
        const auto a = analyst.Analyse(p, {.Seconds = seconds, .ProcessorTime = processor});
        time += processor ? analyst::ThreadSeconds() - processorStart
                          : std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        nodes += static_cast<double>(a.Nodes);
        depthSum += a.Depth;
        exactCount += a.Exact;
      }
      std::printf(
          "%d empties, %zu positions, %.2f s each, %d thread(s): %.0f nodes/s, mean depth %.1f, %d solved exactly\n",
          empties, positions.size(), seconds, threads, nodes / time, depthSum / positions.size(), exactCount);
      std::fflush(stdout);
    }
  }
  if (only == "reach") {
    for (int empties : {40, 30}) {
      const auto positions = PositionsAt(games, empties, 10);
      double processorTime = 0, wallTime = 0, nodes = 0;
      for (const auto& p : positions) {
        analyst.Clear();
        const auto start = std::chrono::steady_clock::now();
        const double processorStart = analyst::ThreadSeconds();
        nodes += static_cast<double>(analyst.Analyse(p, {.Depth = depth}).Nodes);
        processorTime += analyst::ThreadSeconds() - processorStart;
        wallTime += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      }
      std::printf("%d empties, %zu positions, depth %d, %d thread(s): %.3f s processor, %.3f s wall, %.0f nodes each\n",
                  empties, positions.size(), depth, threads, processorTime / positions.size(),
                  wallTime / positions.size(), nodes / positions.size());
      std::fflush(stdout);
    }
  }
  return 0;
}
