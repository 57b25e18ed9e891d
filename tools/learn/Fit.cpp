#include "Fit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <thread>

#include "Bitboard.h"
#include "Patterns.h"

namespace reversi::learn {

using namespace reversi::analyst;
namespace bb = reversi::bits;

void Features(TBits player, TBits opponent, uint32_t* out) {
  PatternIndices(player, opponent, out);
  SingleValueIndices(player, opponent, bb::LegalMoves(player, opponent), bb::LegalMoves(opponent, player),
                     out + kPatternCopies);
}

namespace {

// Each table entry's unknown: entries a shape's symmetry maps onto each
// other share one.
std::vector<uint32_t> MakeUnknowns(uint32_t& count) {
  std::vector<uint32_t> unknown(kStageTableSize);
  count = 0;
  uint32_t start = 0;
  for (int k = 0; k < kPatternKinds; ++k) {
    const std::vector<uint32_t> canonical = CanonicalIndices(k);
    for (uint32_t i = 0; i < canonical.size(); ++i)
      unknown[start + i] = canonical[i] == i ? count++ : unknown[start + canonical[i]];
    start += canonical.size();
  }
  for (uint32_t i = kPatternTableSize; i < kStageTableSize; ++i) unknown[i] = count++;
  return unknown;
}

struct TProblem {
  std::vector<uint32_t> Feature;  // kFeatures unknowns per sample
  std::vector<double> Weight;
  uint32_t Unknowns = 0;
  double Lambda = 0;
  int Threads = 1;

  std::size_t Samples() const { return Weight.size(); }

  // q = (A'WA + lambda) p
  void Apply(const std::vector<double>& p, std::vector<double>& q) const {
    std::vector<std::vector<double>> partial(Threads, std::vector<double>(Unknowns, 0.0));
    auto part = [&](int t) {
      std::vector<double>& acc = partial[t];
      for (std::size_t s = t; s < Samples(); s += Threads) {
        const uint32_t* f = &Feature[s * kFeatures];
        double sum = 0;
        for (int j = 0; j < kFeatures; ++j) sum += p[f[j]];
        sum *= Weight[s];
        for (int j = 0; j < kFeatures; ++j) acc[f[j]] += sum;
      }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < Threads; ++t) pool.emplace_back(part, t);
    part(0);
    for (auto& th : pool) th.join();
    for (uint32_t i = 0; i < Unknowns; ++i) {
      double v = Lambda * p[i];
      for (const auto& acc : partial) v += acc[i];
      q[i] = v;
    }
  }
};

double Dot(const std::vector<double>& a, const std::vector<double>& b) {
  double s = 0;
  for (std::size_t i = 0; i < a.size(); ++i) s += a[i] * b[i];
  return s;
}

}  // namespace

std::vector<float> FitStage(const std::vector<TSample>& samples, double lambda, int iterations, int threads) {
  static uint32_t unknowns = 0;
  static const std::vector<uint32_t> unknown = MakeUnknowns(unknowns);
  TProblem problem;
  problem.Unknowns = unknowns;
  problem.Lambda = lambda;
  problem.Threads = threads;
  problem.Feature.resize(samples.size() * kFeatures);
  problem.Weight.resize(samples.size());
  std::vector<double> r(unknowns, 0.0), diag(unknowns, lambda);
  for (std::size_t s = 0; s < samples.size(); ++s) {
    uint32_t* f = &problem.Feature[s * kFeatures];
    Features(samples[s].Player, samples[s].Opponent, f);
    problem.Weight[s] = samples[s].Weight;
    for (int j = 0; j < kFeatures; ++j) {
      f[j] = unknown[f[j]];
      r[f[j]] += samples[s].Weight * samples[s].Label;
      diag[f[j]] += samples[s].Weight;
    }
  }
  // Preconditioned conjugate gradients from zero.
  std::vector<double> x(unknowns, 0.0), z(unknowns), p(unknowns), q(unknowns);
  for (uint32_t i = 0; i < unknowns; ++i) z[i] = r[i] / diag[i];
  p = z;
  double rz = Dot(r, z);
  const double start = std::sqrt(Dot(r, r));
  int it = 0;
  for (; it < iterations && rz > 0; ++it) {
    problem.Apply(p, q);
    const double alpha = rz / Dot(p, q);
    for (uint32_t i = 0; i < unknowns; ++i) {
      x[i] += alpha * p[i];
      r[i] -= alpha * q[i];
      z[i] = r[i] / diag[i];
    }
    const double next = Dot(r, z);
    const double beta = next / rz;
    rz = next;
    for (uint32_t i = 0; i < unknowns; ++i) p[i] = z[i] + beta * p[i];
    if (std::sqrt(Dot(r, r)) < 1e-4 * start) break;
  }
  std::fprintf(stderr, "  %d iterations, residual %.2g of the start\n", it, std::sqrt(Dot(r, r)) / start);
  std::vector<float> table(kStageTableSize);
  for (uint32_t i = 0; i < kStageTableSize; ++i) table[i] = static_cast<float>(x[unknown[i]]);
  return table;
}

}  // namespace reversi::learn
