// vezari-fit-probcut: fits the analyst's multi-ProbCut on positions of real
// games and writes analyst/ProbCutTable.h.
//
//   vezari-fit-probcut GAMES [--per-stage N] [--depth D] [--weights FILE] [--out FILE]
//
// For N positions per stage of the game (empties / 4), picked by a fixed
// seed, it searches every depth from 0 to D (default 10) at full width, then
// fits for each stage and depth d the deep value as A * shallow + B (least
// squares, the shallow search of ProbCutShallowDepth(d) plies) and Sigma,
// the spread of what is left. Depths beyond D follow Sigma's trend in the
// depth. Refit after the evaluation changes.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "Evaluation.h"
#include "GameRecords.h"
#include "ProbCut.h"
#include "Search.h"
#include "Symmetry.h"

using namespace reversi;
using namespace reversi::analyst;

namespace {

struct TSample {
  int Stage;
  std::vector<int> Values;  // by depth
};

// Fits on few positions can come out with almost no spread; ProbCut would
// then cut nearly everything.
constexpr double kMinSigma = 1.0 * kScale;

struct TFit {
  double A = 1, B = 0, Sigma = 0;
  int Count = 0;
};

TFit FitLine(const std::vector<std::pair<double, double>>& xy) {
  TFit f;
  f.Count = static_cast<int>(xy.size());
  if (xy.size() < 8) return f;
  double sx = 0, sy = 0, sxx = 0, sxy = 0;
  for (auto [x, y] : xy) {
    sx += x;
    sy += y;
    sxx += x * x;
    sxy += x * y;
  }
  const double n = static_cast<double>(xy.size());
  const double var = sxx - sx * sx / n;
  f.A = var > 0 ? (sxy - sx * sy / n) / var : 1.0;
  f.A = std::clamp(f.A, 0.5, 1.5);  // a slope far from 1 is noise
  f.B = (sy - f.A * sx) / n;
  double ss = 0;
  for (auto [x, y] : xy) ss += (y - f.A * x - f.B) * (y - f.A * x - f.B);
  f.Sigma = std::max(kMinSigma, std::sqrt(ss / (n - 2)));
  return f;
}

int Usage() {
  std::cerr << "usage: vezari-fit-probcut GAMES [--per-stage N] [--depth D] [--weights FILE] [--out FILE]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string games = argv[1];
  int perStage = 40, maxDepth = 10;
  std::string weights, out;
  for (int i = 2; i < argc; ++i) {
    const std::string a = argv[i];
    if (i + 1 >= argc) return Usage();
    if (a == "--per-stage")
      perStage = std::atoi(argv[++i]);
    else if (a == "--depth")
      maxDepth = std::clamp(std::atoi(argv[++i]), kMinProbCutDepth, kMaxFitDepth);
    else if (a == "--weights")
      weights = argv[++i];
    else if (a == "--out")
      out = argv[++i];
    else
      return Usage();
  }
  std::string error;
  std::shared_ptr<const TEvaluation> evaluation =
      weights.empty() ? TEvaluation::LoadDefault(error) : TEvaluation::Load(weights, error);
  if (!evaluation) {
    std::cerr << "vezari-fit-probcut: " << error << "\n";
    return 1;
  }

  // 1. The positions: one per stage from each game, in a shuffled order of games.
  const auto all = probcut::ReadGames(games, 0, probcut::CountLines(games));
  std::vector<size_t> order(all.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::mt19937 rng(20261208);
  std::shuffle(order.begin(), order.end(), rng);
  // A position that many games share (the opening's) is taken once: the
  // fit needs the spread over different positions.
  std::vector<std::vector<analysis::TBitPosition>> byStage(kStages);
  std::set<std::pair<uint64_t, uint64_t>> taken;
  for (size_t g : order) {
    std::vector<std::vector<analysis::TBitPosition>> here(kStages);
    for (const auto& p : all[g])
      if (probcut::Empties(p) >= kMinProbCutDepth + 1) here[probcut::Empties(p) / kStageWidth].push_back(p);
    for (int s = 0; s < kStages; ++s) {
      if (here[s].empty() || static_cast<int>(byStage[s].size()) >= perStage) continue;
      const auto& p = here[s][rng() % here[s].size()];
      const bits::TCanonical c = bits::Canonical(p.Player, p.Opponent);
      if (taken.insert({c.Player, c.Opponent}).second) byStage[s].push_back(p);
    }
  }

  // 2. Their values at every depth, at full width.
  TTransTable table(20);
  TSearch search(*evaluation, table);
  search.SetSelective(false);
  std::vector<TSample> samples;
  for (int s = 0; s < kStages; ++s) {
    for (const auto& p : byStage[s]) {
      TSample sample{s, {evaluation->Evaluate(p.Player, p.Opponent)}};
      table.NewSearch();
      const int deepest = std::min(maxDepth, probcut::Empties(p) - 1);
      for (int d = 1; d <= deepest; ++d) {
        search.Reset();
        sample.Values.push_back(search.Value(p.Player, p.Opponent, d));
      }
      samples.push_back(sample);
    }
    std::cerr << "stage " << s << ": " << byStage[s].size() << " positions\n";
  }

  // 3. The fits, stage by stage; depths beyond the data follow Sigma's
  // trend, stages without data take their neighbour's.
  std::vector<std::vector<TFit>> fits(kStages, std::vector<TFit>(kMaxFitDepth + 1));
  for (int s = 0; s < kStages; ++s) {
    int fitted = 0;
    for (int d = kMinProbCutDepth; d <= maxDepth; ++d) {
      std::vector<std::pair<double, double>> xy;
      for (const auto& sample : samples)
        if (sample.Stage == s && static_cast<int>(sample.Values.size()) > d)
          xy.push_back({sample.Values[ProbCutShallowDepth(d)], sample.Values[d]});
      fits[s][d] = FitLine(xy);
      if (fits[s][d].Count >= 8) fitted = d;
    }
    if (fitted >= kMinProbCutDepth + 2) {
      const TFit& last = fits[s][fitted];
      const double perPly = std::max(0.0, (last.Sigma - fits[s][fitted - 2].Sigma) / 2);
      for (int d = fitted + 1; d <= kMaxFitDepth; ++d)
        fits[s][d] = {last.A, last.B, last.Sigma + perPly * (d - fitted), 0};
    }
  }
  for (int s = 1; s < kStages; ++s)
    for (int d = kMinProbCutDepth; d <= kMaxFitDepth; ++d)
      if (fits[s][d].Sigma == 0 && fits[s - 1][d].Sigma > 0) fits[s][d] = fits[s - 1][d];
  for (int s = kStages - 2; s >= 0; --s)
    for (int d = kMinProbCutDepth; d <= kMaxFitDepth; ++d)
      if (fits[s][d].Sigma == 0) fits[s][d] = fits[s + 1][d];

  std::string text = "// Written by vezari-fit-probcut (tools/probcut/fit_probcut.cpp) from " +
                     std::to_string(perStage) + " positions\n// of real games per stage, depths up to " +
                     std::to_string(maxDepth) +
                     ": A, B and Sigma per stage (empties / 4)\n// and depth of the node, in evaluation units.\n"
                     "// clang-format off\nconstexpr TProbCutFit kProbCutTable[kStages][kMaxFitDepth + 1] = {\n";
  char cell[64];
  for (int s = 0; s < kStages; ++s) {
    text += "    {";
    for (int d = 0; d <= kMaxFitDepth; ++d) {
      const TFit f = d < kMinProbCutDepth ? TFit{} : fits[s][d];
      std::snprintf(cell, sizeof cell, "%s{%.3f, %.1f, %.1f}", d ? ", " : "", f.A, f.B, f.Sigma);
      text += cell;
    }
    text += "},\n";
  }
  text += "};\n// clang-format on\n";
  if (out.empty()) {
    std::cout << text;
  } else {
    std::ofstream(out) << text;
  }
  for (int s = 0; s < kStages; ++s) {
    std::fprintf(stderr, "stage %2d sigma (discs) by depth:", s);
    for (int d = kMinProbCutDepth; d <= kMaxFitDepth; ++d) std::fprintf(stderr, " %.2f", fits[s][d].Sigma / kScale);
    std::fprintf(stderr, "\n");
  }
  return 0;
}
