#include "Children.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <mutex>
#include <thread>

#include "Bitboard.h"
#include "Solver.h"

namespace reversi::learn {

namespace {

namespace bb = reversi::bits;

constexpr char kMagic[8] = {'V', 'Z', 'C', 'H', 'I', 'L', 'D', '1'};

struct THeader {
  char Magic[8];
  uint32_t Empties;
  uint32_t Games;
};

// A record: the game (4 bytes), the count (1), then per child its two
// boards (8 + 8) and its score (1).
constexpr std::size_t kChildBytes = 17;

long ReadCheckpoint(const std::string& path, const THeader& want, std::vector<std::vector<TChild>>& children,
                    std::vector<char>& done) {
  std::ifstream in(path, std::ios::binary);
  THeader h{};
  if (!in.read(reinterpret_cast<char*>(&h), sizeof h) || std::memcmp(&h, &want, sizeof h)) return 0;
  long good = sizeof h;
  for (;;) {
    uint32_t game = 0;
    uint8_t n = 0;
    if (!in.read(reinterpret_cast<char*>(&game), 4) || !in.read(reinterpret_cast<char*>(&n), 1) ||
        game >= children.size())
      break;
    std::vector<TChild> list(n);
    bool whole = true;
    for (TChild& c : list) {
      whole = whole && in.read(reinterpret_cast<char*>(&c.Player), 8) &&
              in.read(reinterpret_cast<char*>(&c.Opponent), 8) && in.read(reinterpret_cast<char*>(&c.Score), 1);
      whole = whole && !(c.Player & c.Opponent) && c.Score >= -64 && c.Score <= 64;
    }
    if (!whole) break;
    children[game] = std::move(list);
    done[game] = 1;
    good += 5 + kChildBytes * n;
  }
  return good;
}

// The positions after the moves not played from the game's first position
// with `empties + 1` empties, from their mover's side; finished games and
// forced passes are judged from the side that moves.
std::vector<TChild> ChildrenOf(const TGame& game, int empties, analysis::TSolver& solver) {
  std::vector<TChild> out;
  for (std::size_t i = 0; i + 1 < game.Positions.size(); ++i) {
    const TPosition& pos = game.Positions[i];
    if (pos.Empties() != empties + 1) continue;
    const TPosition& next = game.Positions[i + 1];
    for (TBits moves = bb::LegalMoves(pos.Player, pos.Opponent); moves; moves &= moves - 1) {
      const int sq = bb::FirstSquare(moves);
      const TBits flips = bb::Flips(sq, pos.Player, pos.Opponent);
      TBits player = pos.Opponent & ~flips, opponent = pos.Player | flips | bb::Bit(sq);
      if (!bb::LegalMoves(player, opponent)) std::swap(player, opponent);
      if (!bb::LegalMoves(player, opponent)) continue;  // over: its value is plain
      const bool played = (player == next.Player && opponent == next.Opponent);
      if (played) continue;  // the game's own position is labelled already
      out.push_back({player, opponent, static_cast<int8_t>(solver.Solve({player, opponent}).Score)});
    }
    break;
  }
  return out;
}

}  // namespace

std::vector<std::vector<TChild>> SolveChildren(const std::vector<TGame>& games, int empties,
                                               const std::string& checkpoint, int threads, std::size_t budget) {
  std::vector<std::vector<TChild>> children(games.size());
  std::vector<char> done(games.size(), 0);
  THeader header{};
  std::memcpy(header.Magic, kMagic, 8);
  header.Empties = empties;
  header.Games = games.size();
  const long good = ReadCheckpoint(checkpoint, header, children, done);
  std::FILE* out = nullptr;
  if (good > 0) {
    if (truncate(checkpoint.c_str(), good) == 0) out = std::fopen(checkpoint.c_str(), "ab");
  } else if ((out = std::fopen(checkpoint.c_str(), "wb"))) {
    std::fwrite(&header, sizeof header, 1, out);
  }
  std::size_t left = 0;
  for (char d : done) left += !d;
  std::fprintf(stderr, "positions off the games at %d empties: %zu games done, %zu more now\n", empties,
               games.size() - left, std::min(left, budget));
  std::atomic<std::size_t> next{0}, started{0};
  std::size_t finished = 0;
  std::mutex write;
  auto work = [&] {
    analysis::TSolver solver;
    for (std::size_t g; (g = next++) < games.size();) {
      if (done[g]) continue;
      if (started++ >= budget) break;
      std::vector<TChild> list = ChildrenOf(games[g], empties, solver);
      std::lock_guard lock(write);
      if (out) {
        const uint32_t id = g;
        const uint8_t n = list.size();
        std::fwrite(&id, 4, 1, out);
        std::fwrite(&n, 1, 1, out);
        for (const TChild& c : list) {
          std::fwrite(&c.Player, 8, 1, out);
          std::fwrite(&c.Opponent, 8, 1, out);
          std::fwrite(&c.Score, 1, 1, out);
        }
        if (++finished % 50 == 0) {
          std::fflush(out);
          std::fprintf(stderr, "  %zu of %zu\n", finished, std::min(left, budget));
        }
      }
      children[g] = std::move(list);
    }
  };
  std::vector<std::thread> pool;
  for (int t = 0; t < threads; ++t) pool.emplace_back(work);
  for (auto& t : pool) t.join();
  if (out) std::fclose(out);
  return children;
}

}  // namespace reversi::learn
