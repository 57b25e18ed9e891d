// vezari-learn: learns the analyst's evaluation from the shared game files
// and measures it on games it never saw. See tools/learn/README.md.
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "Children.h"
#include "Fit.h"
#include "Games.h"
#include "Labels.h"
#include "Measure.h"
#include "Patterns.h"
#include "Rounds.h"
#include "SafeFile.h"
#include "Weights.h"

namespace reversi::learn {

using namespace reversi::analyst;

namespace {

struct TOptions {
  std::string Data, Work = "learn-work", Out, Measure;
  int ExactEmpties = 14;
  double Lambda = 4;
  int Threads = 2;
  int Iterations = 200;
  int Exact24 = 60;
  int TryStage = -1;
  std::string ExactList;
  std::string RoundFrom;  // weights that relabel in a round
  int RoundDepth = 2;
  double RoundMix = 0.5;
  double RoundLambda = -1;           // backed-up labels with this lambda instead of the mix
  int Smooth = 5;                    // positions this many empties beyond a stage still count for it
  int ExtendEmpties = 0;             // solve the positions above ExactEmpties up to this many empties too
  long SolveBudget = -1;             // at most this many games' extensions solved in this run (-1: all)
  bool SolveOnly = false;            // only the solves
  std::vector<int> ChildrenEmpties;  // positions off the games, solved at these empties
  long ChildrenBudget = -1;
  double ChildrenWeight = 1;  // a position off the games counts this many times          // at most this many games'
                              // children solved in this run (-1: all)
  int Validate = 0;
  int ValidateChildren = 0;  // --try-stage: also judge on positions off the kept-out games at these empties  //
                             // --try-stage: judge on the last this many learning games instead of the held-out ones
};

const char* kUsage =
    "usage: vezari-learn --data DIR [--work DIR] --out FILE [--exact-empties N] [--lambda L]\n"
    "                    [--iterations N] [--threads N] [--smooth S]\n"
    "                    [--extend-empties N [--solve-budget GAMES]] [--children E,E.. [--children-budget GAMES] "
    "[--children-weight W]]\n"
    "                    [--round-from WEIGHTS [--round-depth D] [--round-lambda L | --round-mix M]]\n"
    "       vezari-learn --data DIR [--work DIR] --solve-only 1 --extend-empties N [--solve-budget GAMES]\n"
    "       vezari-learn --data DIR [--work DIR] --measure FILE [--exact-empties N]\n"
    "                    [--exact-24 N | --exact-list FILE]\n"
    "       vezari-learn --data DIR [--work DIR] --try-stage S [--lambda L] [--smooth S] [--validate GAMES "
    "[--validate-children E]]\n"
    "DIR holds games-train.txt and games-sample.txt; the last 500 games of games-sample.txt\n"
    "are never learned from and are the ones measured. The work folder keeps the labels and\n"
    "each stage's fit, so a stopped run resumes.\n";

bool ParseOptions(int argc, char** argv, TOptions& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (i + 1 >= argc) return false;
    const char* v = argv[++i];
    if (a == "--data")
      o.Data = v;
    else if (a == "--work")
      o.Work = v;
    else if (a == "--out")
      o.Out = v;
    else if (a == "--measure")
      o.Measure = v;
    else if (a == "--exact-empties")
      o.ExactEmpties = std::atoi(v);
    else if (a == "--lambda")
      o.Lambda = std::atof(v);
    else if (a == "--iterations")
      o.Iterations = std::atoi(v);
    else if (a == "--threads")
      o.Threads = std::max(1, std::atoi(v));
    else if (a == "--exact-24")
      o.Exact24 = std::atoi(v);
    else if (a == "--round-from")
      o.RoundFrom = v;
    else if (a == "--round-depth")
      o.RoundDepth = std::atoi(v);
    else if (a == "--round-lambda")
      o.RoundLambda = std::atof(v);
    else if (a == "--round-mix")
      o.RoundMix = std::atof(v);
    else if (a == "--exact-list")
      o.ExactList = v;
    else if (a == "--try-stage")
      o.TryStage = std::atoi(v);
    else if (a == "--extend-empties")
      o.ExtendEmpties = std::atoi(v);
    else if (a == "--solve-budget")
      o.SolveBudget = std::atol(v);
    else if (a == "--solve-only")
      o.SolveOnly = std::string(v) == "1";
    else if (a == "--children") {
      o.ChildrenEmpties.clear();
      for (const char* c = v; *c;) {
        char* end = nullptr;
        const long e = std::strtol(c, &end, 10);
        if (end == c || e < 1 || e > 24) return false;
        o.ChildrenEmpties.push_back(int(e));
        c = *end == ',' ? end + 1 : end;
        if (*end && *end != ',') return false;
      }
    } else if (a == "--children-budget")
      o.ChildrenBudget = std::atol(v);
    else if (a == "--children-weight")
      o.ChildrenWeight = std::max(0.0, std::atof(v));
    else if (a == "--validate-children")
      o.ValidateChildren = std::atoi(v);
    else if (a == "--validate")
      o.Validate = std::max(0, std::atoi(v));
    else if (a == "--smooth")
      o.Smooth = std::clamp(std::atoi(v), 0, 12);
    else
      return false;
  }
  return !o.Data.empty() && (o.Out.empty() != o.Measure.empty() || o.TryStage >= 0 || o.SolveOnly) &&
         o.ExactEmpties >= 0 && o.ExactEmpties <= 24 && o.ExtendEmpties <= 24;
}

// Learning games (games-train and all of games-sample but its last 500)
// and the held-out ones.
bool ReadAll(const TOptions& o, std::vector<TGame>& learn, std::vector<TGame>& held) {
  int rejected = 0, rejected2 = 0;
  learn = ReadGames(o.Data + "/games-train.txt", rejected);
  std::vector<TGame> sample = ReadGames(o.Data + "/games-sample.txt", rejected2);
  if (learn.empty() || sample.size() <= kHeldOut) {
    std::fprintf(stderr, "vezari-learn: cannot read the games in %s\n", o.Data.c_str());
    return false;
  }
  held.assign(sample.end() - kHeldOut, sample.end());
  learn.insert(learn.end(), sample.begin(), sample.end() - kHeldOut);
  std::fprintf(stderr, "%zu games to learn from, %zu held out, %d lines rejected\n", learn.size(), held.size(),
               rejected + rejected2);
  return true;
}

// The exact values of the learning games' last positions: those with at
// most ExactEmpties empties, and those up to ExtendEmpties where solved.
std::vector<std::vector<int8_t>> Endings(const TOptions& o, const std::vector<TGame>& games) {
  mkdir(o.Work.c_str(), 0755);
  auto exact =
      SolveEndings(games, o.ExactEmpties, o.Work + "/endings-" + std::to_string(o.ExactEmpties) + ".bin", o.Threads);
  if (o.ExtendEmpties <= o.ExactEmpties) return exact;
  const std::string path =
      o.Work + "/endings-" + std::to_string(o.ExactEmpties + 1) + "-" + std::to_string(o.ExtendEmpties) + ".bin";
  const auto more = SolveEndings(games, o.ExactEmpties + 1, o.ExtendEmpties, path, o.Threads,
                                 o.SolveBudget < 0 ? games.size() : std::size_t(o.SolveBudget));
  std::size_t extended = 0;
  for (std::size_t g = 0; g < games.size(); ++g)
    if (!more[g].empty()) {
      exact[g].insert(exact[g].begin(), more[g].begin(), more[g].end());
      ++extended;
    }
  std::fprintf(stderr, "%zu games labelled exactly from %d empties\n", extended, o.ExtendEmpties);
  return exact;
}

// The positions one move off the learning games, solved at each of the
// asked empties (as far as the budget went, in this run and before), of
// the first `first` games at most.
std::vector<TChild> Children(const TOptions& o, const std::vector<TGame>& games, std::size_t first = SIZE_MAX) {
  std::vector<TChild> all;
  for (int e : o.ChildrenEmpties) {
    const auto some = SolveChildren(games, e, o.Work + "/children-" + std::to_string(e) + ".bin", o.Threads,
                                    o.ChildrenBudget < 0 ? games.size() : std::size_t(o.ChildrenBudget));
    for (std::size_t g = 0; g < some.size() && g < first; ++g) all.insert(all.end(), some[g].begin(), some[g].end());
  }
  if (!o.ChildrenEmpties.empty()) std::fprintf(stderr, "%zu positions off the games, solved\n", all.size());
  return all;
}

std::vector<float> ReadStage(const std::string& path) {
  std::vector<float> t(kStageTableSize);
  std::ifstream in(path, std::ios::binary);
  if (!in.read(reinterpret_cast<char*>(t.data()), t.size() * sizeof(float)) || in.peek() != EOF) t.clear();
  return t;
}

bool WriteStage(const std::string& path, const std::vector<float>& t) {
  const std::string tmp = path + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary);
    if (!out.write(reinterpret_cast<const char*>(t.data()), t.size() * sizeof(float))) return false;
  }
  return std::rename(tmp.c_str(), path.c_str()) == 0;
}

// Positions whose empties lie near a stage count for it too, less the
// farther they are: the stages' weights change smoothly and every stage
// learns from several times its own positions.
double StageShare(int empties, int stage, int smooth) {
  int distance = smooth + 1;
  for (int d = -smooth; d <= smooth; ++d)
    if (empties + d >= 0 && empties + d <= 60 && StageOfEmpties(empties + d) == stage)
      distance = std::min(distance, std::abs(d));
  return distance > smooth ? 0.0 : 1.0 - double(distance) / (smooth + 1);
}

std::vector<TSample> StageSamples(const std::vector<TGame>& games, const std::vector<std::vector<float>>& labels,
                                  int stage, int smooth, const std::vector<TChild>& children = {},
                                  double childWeight = 1) {
  std::vector<TSample> samples;
  for (const TChild& c : children) {
    const double share = StageShare(64 - __builtin_popcountll(c.Player | c.Opponent), stage, smooth);
    if (share > 0) samples.push_back({c.Player, c.Opponent, float(c.Score), float(share * childWeight)});
  }
  for (std::size_t g = 0; g < games.size(); ++g)
    for (std::size_t i = 0; i < games[g].Positions.size(); ++i) {
      const TPosition& pos = games[g].Positions[i];
      const double share = StageShare(pos.Empties(), stage, smooth);
      if (share > 0) samples.push_back({pos.Player, pos.Opponent, labels[g][i], float(share)});
    }
  return samples;
}

// Every game's labels, relabelled in a round when asked; false when the
// round's weights cannot be read.
// A round's labels cost many searches: kept in the work folder, named by the
// round and the exact values they rest on, so fits with other penalties
// or smoothing reuse them.
std::string LabelsPath(const TOptions& o, const std::vector<std::vector<int8_t>>& exact) {
  std::size_t solved = 0;
  for (const auto& e : exact) solved += e.size();
  const std::string from = o.RoundFrom.substr(o.RoundFrom.rfind('/') + 1);
  char name[160];
  std::snprintf(name, sizeof name, "/labels-r%d-%s%g-%zu-", o.RoundDepth, o.RoundLambda >= 0 ? "b" : "m",
                o.RoundLambda >= 0 ? o.RoundLambda : o.RoundMix, solved);
  return o.Work + name + from + ".f32";
}

bool ReadLabels(const std::string& path, std::vector<std::vector<float>>& labels) {
  std::ifstream in(path, std::ios::binary);
  for (auto& l : labels)
    if (!in.read(reinterpret_cast<char*>(l.data()), l.size() * sizeof(float))) return false;
  return in.peek() == EOF;
}

void WriteLabels(const std::string& path, const std::vector<std::vector<float>>& labels) {
  const std::string tmp = path + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary);
    for (const auto& l : labels) out.write(reinterpret_cast<const char*>(l.data()), l.size() * sizeof(float));
    if (!out) return;
  }
  std::rename(tmp.c_str(), path.c_str());
}

bool MakeLabels(const TOptions& o, const std::vector<TGame>& games, const std::vector<std::vector<int8_t>>& exact,
                std::vector<std::vector<float>>& labels) {
  labels.clear();
  for (std::size_t g = 0; g < games.size(); ++g) {
    const std::vector<int> l = GameLabels(games[g], exact[g]);
    labels.emplace_back(l.begin(), l.end());
  }
  if (o.RoundFrom.empty()) return true;
  std::string error;
  const auto eval = TEvaluation::Load(o.RoundFrom, error);
  if (!eval) {
    std::fprintf(stderr, "vezari-learn: %s\n", error.c_str());
    return false;
  }
  const std::string cache = LabelsPath(o, exact);
  if (std::vector<std::vector<float>> kept = labels; ReadLabels(cache, kept)) {
    std::fprintf(stderr, "relabelled labels read from %s\n", cache.c_str());
    labels = std::move(kept);
    return true;
  }
  if (o.RoundLambda >= 0) {
    std::fprintf(stderr, "relabelling: %d-ply searches with %s, backed up with lambda %g\n", o.RoundDepth,
                 o.RoundFrom.c_str(), o.RoundLambda);
    std::vector<std::size_t> exactCount;
    for (const auto& e : exact) exactCount.push_back(e.size());
    RelabelBackedUp(games, labels, exactCount, *eval, o.RoundDepth, o.RoundLambda, o.Threads);
  } else {
    std::fprintf(stderr, "relabelling: %d-ply searches with %s, mixed %g\n", o.RoundDepth, o.RoundFrom.c_str(),
                 o.RoundMix);
    Relabel(games, labels, *eval, o.ExactEmpties, o.RoundDepth, o.RoundMix, o.Threads);
  }
  WriteLabels(cache, labels);
  return true;
}

std::string Tag(const TOptions& o, std::size_t solved, std::size_t children) {
  char tag[96];
  std::snprintf(tag, sizeof tag, "e%d-x%d-l%g-s%d", o.ExactEmpties, std::max(o.ExactEmpties, o.ExtendEmpties), o.Lambda,
                o.Smooth);
  std::string t = tag;
  // More solves since a stage was fitted make it stale.
  if (o.ExtendEmpties > o.ExactEmpties) t += "-n" + std::to_string(solved);
  if (!o.ChildrenEmpties.empty()) {
    t += "-c";
    for (int e : o.ChildrenEmpties) t += std::to_string(e) + ".";
    t += std::to_string(children);
    if (o.ChildrenWeight != 1) t += "w" + std::to_string(o.ChildrenWeight).substr(0, 4);
  }
  if (!o.RoundFrom.empty()) {
    if (o.RoundLambda >= 0)
      std::snprintf(tag, sizeof tag, "-r%d-b%g-", o.RoundDepth, o.RoundLambda);
    else
      std::snprintf(tag, sizeof tag, "-r%d-m%g-", o.RoundDepth, o.RoundMix);
    const std::string from = o.RoundFrom.substr(o.RoundFrom.rfind('/') + 1);
    t += tag + from;
  }
  return t;
}

double MeanError(const std::vector<TSample>& samples, const std::vector<float>& table) {
  double sum = 0, n = 0;
  uint32_t f[kFeatures];
  for (const TSample& s : samples) {
    if (s.Weight < 1) continue;
    Features(s.Player, s.Opponent, f);
    double v = 0;
    for (uint32_t i : f) v += table[i];
    sum += std::fabs(v - s.Label);
    ++n;
  }
  return sum / n;
}

// The table's mean error against exact values of the list's positions in
// the stage (player and opponent in hex, exact value, a line each).
void PrintExactError(const std::string& list, const std::vector<float>& table, int stage) {
  std::ifstream in(list);
  unsigned long long p, o;
  int exact;
  double sum = 0, bias = 0;
  int n = 0;
  uint32_t f[kFeatures];
  while (in >> std::hex >> p >> o >> std::dec >> exact) {
    if (StageOfEmpties(64 - __builtin_popcountll(p | o)) != stage) continue;
    Features(p, o, f);
    double v = 0;
    for (uint32_t i : f) v += table[i];
    sum += std::fabs(v - exact);
    bias += v - exact;
    ++n;
  }
  if (n)
    std::printf("  exact positions of the stage: %d, mean |eval - exact| %.2f (mean eval - exact %+.2f)\n", n, sum / n,
                bias / n);
}

// Fits one stage and reports its error on the learning games and the held-out
// ones, for choosing the penalty and the iterations; writes nothing.
int TryStage(const TOptions& o) {
  std::vector<TGame> games, held;
  if (!ReadAll(o, games, held)) return 2;
  const std::string e = std::to_string(o.ExactEmpties);
  const auto exact = Endings(o, games);
  const auto heldExact = SolveEndings(held, o.ExactEmpties, o.Work + "/held-endings-" + e + ".bin", o.Threads);
  std::vector<std::vector<float>> labels, heldLabels;
  if (!MakeLabels(o, games, exact, labels)) return 1;
  TOptions plain = o;
  plain.RoundFrom.clear();
  MakeLabels(plain, held, heldExact, heldLabels);
  std::vector<TChild> children = Children(o, games);
  if (o.Validate > 0 && std::size_t(o.Validate) < games.size()) {
    // Judged on learning games kept out of this fit, so that choosing the
    // options never looks at the held-out games.
    const std::size_t keep = games.size() - o.Validate;
    held.assign(games.begin() + keep, games.end());
    heldLabels.assign(labels.begin() + keep, labels.end());
    children = Children(o, games, keep);
    games.resize(keep);
    labels.resize(keep);
  }
  const std::vector<TSample> samples = StageSamples(games, labels, o.TryStage, o.Smooth, children, o.ChildrenWeight);
  const std::vector<float> table = FitStage(samples, o.Lambda, o.Iterations, o.Threads);
  std::printf("stage %d lambda %g smooth %d: learning %.2f, %s %.2f\n", o.TryStage, o.Lambda, o.Smooth,
              MeanError(samples, table), o.Validate > 0 ? "validation" : "held out",
              MeanError(StageSamples(held, heldLabels, o.TryStage, o.Smooth), table));
  if (!o.ExactList.empty()) PrintExactError(o.ExactList, table, o.TryStage);
  if (o.Validate > 0 && o.ValidateChildren > 0) {
    // The searches' leaves: positions off the kept-out games, solved.
    const auto off = SolveChildren(held, o.ValidateChildren,
                                   o.Work + "/validate-children-" + std::to_string(o.ValidateChildren) + ".bin",
                                   o.Threads, held.size());
    std::vector<TSample> offSamples;
    for (const auto& list : off)
      for (const TChild& c : list) offSamples.push_back({c.Player, c.Opponent, float(c.Score), 1});
    std::printf("  %zu positions off the kept-out games at %d empties: mean |eval - exact| %.2f\n", offSamples.size(),
                o.ValidateChildren, MeanError(offSamples, table));
  }
  return 0;
}

int Learn(const TOptions& o) {
  const auto start = std::chrono::steady_clock::now();
  std::vector<TGame> games, held;
  if (!ReadAll(o, games, held)) return 2;
  const auto exact = Endings(o, games);
  std::vector<std::vector<float>> labels;
  if (!MakeLabels(o, games, exact, labels)) return 1;
  const std::vector<TChild> children = Children(o, games);
  TWeightTables tables(std::size_t{kStageTableSize} * kStages);
  std::size_t solved = 0;
  for (const auto& e : exact) solved += e.size();
  const std::string tag = Tag(o, solved, children.size());
  for (int s = 0; s < kStages; ++s) {
    const std::string path = o.Work + "/stage-" + std::to_string(s) + "-" + tag + ".f32";
    std::vector<float> t = ReadStage(path);
    if (t.empty()) {
      const std::vector<TSample> samples = StageSamples(games, labels, s, o.Smooth, children, o.ChildrenWeight);
      std::fprintf(stderr, "stage %d: fitting %zu positions\n", s, samples.size());
      t = FitStage(samples, o.Lambda, o.Iterations, o.Threads);
      WriteStage(path, t);
    }
    for (uint32_t i = 0; i < kStageTableSize; ++i)
      tables[std::size_t{kStageTableSize} * s + i] =
          static_cast<int16_t>(std::clamp(std::lround(t[i] * kScale), -32767L, 32767L));
  }
  if (!safefile::ReplaceFile(o.Out, SerializeWeights(tables))) {
    std::fprintf(stderr, "vezari-learn: cannot write %s\n", o.Out.c_str());
    return 1;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::fprintf(stderr, "wrote %s in %.0f s\n", o.Out.c_str(), seconds);
  return 0;
}

}  // namespace

}  // namespace reversi::learn

int main(int argc, char** argv) {
  using namespace reversi::learn;
  TOptions o;
  if (!ParseOptions(argc, argv, o)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  if (o.SolveOnly) {
    std::vector<TGame> games, held;
    if (!ReadAll(o, games, held)) return 2;
    Endings(o, games);
    Children(o, games);
    return 0;
  }
  if (o.TryStage >= 0) return TryStage(o);
  if (!o.Measure.empty()) {
    std::vector<TGame> games, held;
    if (!ReadAll(o, games, held)) return 2;
    return Measure(o.Measure, held, o.Work, o.ExactEmpties, o.Exact24, o.ExactList, o.Threads);
  }
  return Learn(o);
}
