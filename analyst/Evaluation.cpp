#include "Evaluation.h"

#include <algorithm>

#include "Bitboard.h"

namespace reversi::analyst {

struct TEvaluation::TTables {};

TEvaluation::TEvaluation() = default;
TEvaluation::~TEvaluation() = default;

std::unique_ptr<TEvaluation> TEvaluation::StandIn() {
  return std::unique_ptr<TEvaluation>(new TEvaluation());
}

std::unique_ptr<TEvaluation> TEvaluation::Load(const std::string& path, std::string& error) {
  error = path + ": the learned weights cannot be read yet";
  return nullptr;
}

std::unique_ptr<TEvaluation> TEvaluation::LoadDefault(std::string& error) {
  // Until learned weights are shipped, the stand-in.
  error.clear();
  return StandIn();
}

namespace {

// Corners count for several discs, mobility for a little: crude, but it
// keeps the search's values in discs and within the board.
int StandInValue(TBits player, TBits opponent) {
  using namespace reversi::bits;
  const int discs = Count(player) - Count(opponent);
  const int corners = Count(player & kCorners) - Count(opponent & kCorners);
  const int empties = 64 - Count(player | opponent);
  const int mobility = Count(LegalMoves(player, opponent)) - Count(LegalMoves(opponent, player));
  const int value = (empties > 20 ? discs / 4 : discs) * kScale + corners * 6 * kScale + mobility * kScale;
  return std::clamp(value, -kMaxValue, kMaxValue);
}

}  // namespace

int TEvaluation::Evaluate(TBits player, TBits opponent) const {
  return StandInValue(player, opponent);
}

}  // namespace reversi::analyst
