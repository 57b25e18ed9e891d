#include "Labels.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <mutex>
#include <thread>

#include "Solver.h"

namespace reversi::learn {

namespace {

constexpr char kMagic[8] = {'V', 'Z', 'L', 'A', 'B', 'E', 'L', 'S'};

struct THeader {
  char Magic[8];
  uint32_t Bounds;  // the most empties solved; the fewest times 65536 (0 in older files)
  uint32_t Games;
};

uint32_t Bounds(int minEmpties, int maxEmpties) {
  return uint32_t(maxEmpties) | uint32_t(minEmpties) << 16;
}

// Reads the records of a checkpoint made for the same games and bound;
// returns the length of its sound part (0 when it must start over).
long ReadCheckpoint(const std::string& path, uint32_t bounds, std::size_t games,
                    std::vector<std::vector<int8_t>>& exact, std::vector<char>& done) {
  std::ifstream in(path, std::ios::binary);
  THeader h{};
  if (!in.read(reinterpret_cast<char*>(&h), sizeof h) || std::memcmp(h.Magic, kMagic, 8) || h.Bounds != bounds ||
      h.Games != games)
    return 0;
  long good = sizeof h;
  for (;;) {
    uint32_t game = 0;
    uint8_t n = 0;
    if (!in.read(reinterpret_cast<char*>(&game), 4) || !in.read(reinterpret_cast<char*>(&n), 1) || game >= games) break;
    std::vector<int8_t> values(n);
    if (n && !in.read(reinterpret_cast<char*>(values.data()), n)) break;
    exact[game] = std::move(values);
    done[game] = 1;
    good += 5 + n;
  }
  return good;
}

std::vector<int8_t> SolveGame(const TGame& game, int minEmpties, int maxEmpties, analysis::TSolver& solver) {
  std::vector<int8_t> values;
  for (const TPosition& pos : game.Positions)
    if (pos.Empties() <= maxEmpties && pos.Empties() >= minEmpties)
      values.push_back(static_cast<int8_t>(solver.Solve({pos.Player, pos.Opponent}).Score));
  return values;
}

}  // namespace

std::vector<std::vector<int8_t>> SolveEndings(const std::vector<TGame>& games, int maxEmpties,
                                              const std::string& checkpoint, int threads) {
  return SolveEndings(games, 0, maxEmpties, checkpoint, threads, games.size());
}

std::vector<std::vector<int8_t>> SolveEndings(const std::vector<TGame>& games, int minEmpties, int maxEmpties,
                                              const std::string& checkpoint, int threads, std::size_t budget) {
  std::vector<std::vector<int8_t>> exact(games.size());
  std::vector<char> done(games.size(), 0);
  const uint32_t bounds = Bounds(minEmpties, maxEmpties);
  const long good = ReadCheckpoint(checkpoint, bounds, games.size(), exact, done);
  std::FILE* out = nullptr;
  if (good > 0) {
    if (truncate(checkpoint.c_str(), good) == 0) out = std::fopen(checkpoint.c_str(), "ab");
  } else if ((out = std::fopen(checkpoint.c_str(), "wb"))) {
    THeader h{};
    std::memcpy(h.Magic, kMagic, 8);
    h.Bounds = bounds;
    h.Games = games.size();
    std::fwrite(&h, sizeof h, 1, out);
  }
  std::size_t left = 0;
  for (char d : done) left += !d;
  std::fprintf(stderr, "solving the positions with %d to %d empties of %zu games, %zu already done, %zu more now\n",
               minEmpties, maxEmpties, games.size(), games.size() - left, std::min(left, budget));
  std::atomic<std::size_t> next{0}, finished{0}, started{0};
  std::mutex write;
  auto work = [&] {
    analysis::TSolver solver;
    for (std::size_t g; (g = next++) < games.size();) {
      if (done[g]) continue;
      if (started++ >= budget) break;
      std::vector<int8_t> values = SolveGame(games[g], minEmpties, maxEmpties, solver);
      std::lock_guard lock(write);
      if (out) {
        const uint32_t id = g;
        const uint8_t n = values.size();
        std::fwrite(&id, 4, 1, out);
        std::fwrite(&n, 1, 1, out);
        std::fwrite(values.data(), 1, n, out);
        if (++finished % 100 == 0) {
          std::fflush(out);
          std::fprintf(stderr, "  %zu of %zu\n", finished.load(), left);
        }
      }
      exact[g] = std::move(values);
    }
  };
  std::vector<std::thread> pool;
  for (int t = 0; t < threads; ++t) pool.emplace_back(work);
  for (auto& t : pool) t.join();
  if (out) std::fclose(out);
  return exact;
}

std::vector<int> GameLabels(const TGame& game, const std::vector<int8_t>& exact) {
  const std::size_t solvedFrom = game.Positions.size() - exact.size();
  int anchor = game.BlackMargin;  // Black's view
  if (!exact.empty()) anchor = game.Positions[solvedFrom].BlackToMove ? exact[0] : -exact[0];
  std::vector<int> labels;
  for (std::size_t i = 0; i < game.Positions.size(); ++i) {
    if (i >= solvedFrom)
      labels.push_back(exact[i - solvedFrom]);
    else
      labels.push_back(game.Positions[i].BlackToMove ? anchor : -anchor);
  }
  return labels;
}

}  // namespace reversi::learn
