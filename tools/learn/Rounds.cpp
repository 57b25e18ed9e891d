#include "Rounds.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "Bitboard.h"

namespace reversi::learn {

using analyst::TBits;
namespace bb = reversi::bits;

namespace {

// Negamax with alpha-beta in evaluation units.
int Search(const analyst::TEvaluation& eval, TBits p, TBits o, int depth, int alpha, int beta, bool passed = false) {
  if (depth == 0) return eval.Evaluate(p, o);
  TBits moves = bb::LegalMoves(p, o);
  if (!moves) {
    if (passed) return eval.Evaluate(p, o);  // the game is over: the evaluation counts it
    return -Search(eval, o, p, depth, -beta, -alpha, true);
  }
  int best = -analyst::kMaxValue - 1;
  for (; moves; moves &= moves - 1) {
    const int sq = bb::FirstSquare(moves);
    const TBits f = bb::Flips(sq, p, o);
    const int v = -Search(eval, o & ~f, p | f | bb::Bit(sq), depth - 1, -beta, -std::max(alpha, best));
    best = std::max(best, v);
    if (best >= beta) break;
  }
  return best;
}

}  // namespace

void Relabel(const std::vector<TGame>& games, std::vector<std::vector<float>>& labels, const analyst::TEvaluation& eval,
             int exactEmpties, int depth, double mix, int threads) {
  std::atomic<std::size_t> next{0};
  auto work = [&] {
    for (std::size_t g; (g = next++) < games.size();)
      for (std::size_t i = 0; i < games[g].Positions.size(); ++i) {
        const TPosition& pos = games[g].Positions[i];
        if (pos.Empties() <= exactEmpties) continue;
        const int v = Search(eval, pos.Player, pos.Opponent, depth, -analyst::kMaxValue - 1, analyst::kMaxValue + 1);
        labels[g][i] = float((1 - mix) * labels[g][i] + mix * double(v) / analyst::kScale);
      }
  };
  std::vector<std::thread> pool;
  for (int t = 0; t < threads; ++t) pool.emplace_back(work);
  for (auto& t : pool) t.join();
}

void RelabelBackedUp(const std::vector<TGame>& games, std::vector<std::vector<float>>& labels,
                     const std::vector<std::size_t>& exactCount, const analyst::TEvaluation& eval, int depth,
                     double lambda, int threads) {
  std::atomic<std::size_t> next{0};
  auto work = [&] {
    for (std::size_t g; (g = next++) < games.size();) {
      const std::vector<TPosition>& positions = games[g].Positions;
      const std::size_t solvedFrom = positions.size() - exactCount[g];
      // After the last position: the game's result from Black's side.
      float after = static_cast<float>(games[g].BlackMargin);
      bool afterBlack = true;
      for (std::size_t i = positions.size(); i-- > 0;) {
        const TPosition& pos = positions[i];
        const float following = pos.BlackToMove == afterBlack ? after : -after;
        if (i < solvedFrom) {
          const int v = Search(eval, pos.Player, pos.Opponent, depth, -analyst::kMaxValue - 1, analyst::kMaxValue + 1);
          labels[g][i] = float((1 - lambda) * double(v) / analyst::kScale + lambda * following);
        }
        after = labels[g][i];
        afterBlack = pos.BlackToMove;
      }
    }
  };
  std::vector<std::thread> pool;
  for (int t = 0; t < threads; ++t) pool.emplace_back(work);
  for (auto& t : pool) t.join();
}

}  // namespace reversi::learn
