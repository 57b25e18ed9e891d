#include "AnalystPlayer.h"

#include <algorithm>

#include "EngineAdapter.h"

namespace reversi::engines {

namespace {

// clang-format off
constexpr double kBudgets[kAnalystStrengths] = {0, 2, 4, 8};
constexpr const char* kWords[kAnalystStrengths] = {"strong", "good", "club", "beginner"};
// clang-format on

}  // namespace

double StrengthBudget(int strength) {
  return kBudgets[std::clamp(strength, 0, kAnalystStrengths - 1)];
}

const char* StrengthWord(int strength) {
  return kWords[std::clamp(strength, 0, kAnalystStrengths - 1)];
}

std::optional<int> StrengthOf(const std::string& word) {
  for (int k = 0; k < kAnalystStrengths; ++k)
    if (word == kWords[k] || word == std::to_string(k)) return k;
  return std::nullopt;
}

int ChooseWithin(const std::vector<analyst::TMoveValue>& values, double budget, std::mt19937& random) {
  if (values.empty()) return analysis::kNoMove;
  std::vector<int> near;
  for (const analyst::TMoveValue& v : values)
    if (v.Value >= values.front().Value - budget) near.push_back(v.Move);
  return near[std::uniform_int_distribution<size_t>(0, near.size() - 1)(random)];
}

std::unique_ptr<TAnalystPlayer> TAnalystPlayer::Make(std::string& error, int strength) {
  std::shared_ptr<const analyst::TEvaluation> evaluation = analyst::TEvaluation::LoadDefault(error);
  if (!evaluation) return nullptr;
  return std::unique_ptr<TAnalystPlayer>(new TAnalystPlayer(std::make_unique<analyst::TAnalyst>(evaluation),
                                                            std::clamp(strength, 0, kAnalystStrengths - 1)));
}

TAnalystPlayer::TAnalystPlayer(std::unique_ptr<analyst::TAnalyst> analyst, int strength)
    : analyst_(std::move(analyst)), strength_(strength) {}

TAnalystPlayer::~TAnalystPlayer() = default;

std::string TAnalystPlayer::Name() const {
  if (strength_ == 0) return "Vezari Zaduder analyst";
  return std::string("Vezari Zaduder analyst (") + StrengthWord(strength_) + ")";
}

namespace {

// The game's last position as the analyst takes it; false when it is over.
bool AnalystPosition(const TGame& game, analysis::TBitPosition& bits) {
  TPosition position;
  if (!FinalPosition(game, position) || IsOver(position)) return false;
  for (int i = 0; i < 64; ++i) {
    if (position.Squares[i] == position.Side) bits.Player |= uint64_t{1} << i;
    if (position.Squares[i] == -position.Side) bits.Opponent |= uint64_t{1} << i;
  }
  return true;
}

analyst::TLimits LimitsOf(const TBudget& budget) {
  analyst::TLimits limits;
  if (budget.Depth > 0)
    limits.Depth = budget.Depth;
  else
    limits.Seconds = std::max<int64_t>(budget.Millis, 1) / 1000.0;
  limits.ProcessorTime = budget.ProcessorTime;
  return limits;
}

TMoveValue ValueOf(const analyst::TMoveValue& m) {
  return {analysis::CellOf(m.Move), m.Value, true, m.Depth, m.Exact};
}

}  // namespace

std::vector<TMoveValue> TAnalystPlayer::Think(const TGame& game, const TBudget& budget, int count) {
  nodes_.store(0);
  analysis::TBitPosition bits;
  if (!AnalystPosition(game, bits) || count < 1) return {};
  std::vector<TMoveValue> values;
  if (count == 1) {
    const analyst::TAnalysis a = analyst_->Analyse(bits, LimitsOf(budget), &StopFlag());
    nodes_.store(a.Nodes);
    if (a.Move >= 0) values.push_back(ValueOf({a.Move, a.Value, a.Depth, a.Exact}));
    return values;
  }
  for (const analyst::TMoveValue& m : analyst_->AnalyseMoves(bits, LimitsOf(budget), &StopFlag())) {
    if (static_cast<int>(values.size()) == count) break;
    values.push_back(ValueOf(m));
  }
  return values;
}

TMoveReply TAnalystPlayer::Generate(const TBudget& budget) {
  if (strength_ == 0) return TSearchingPlayer::Generate(budget);
  nodes_.store(0);
  TMoveReply reply;
  analysis::TBitPosition bits;
  const std::vector<analyst::TMoveValue> values = AnalystPosition(Game(), bits)
                                                      ? analyst_->AnalyseMoves(bits, LimitsOf(budget), &StopFlag())
                                                      : std::vector<analyst::TMoveValue>{};
  if (values.empty()) {
    reply.Error = "no move: the game is over";
    return reply;
  }
  const int square = ChooseWithin(values, StrengthBudget(strength_), random_);
  for (const analyst::TMoveValue& m : values)
    if (m.Move == square) reply.Move = ValueOf(m);
  if (std::string error; !Play(reply.Move.Square, error)) reply.Error = Name() + " chose an " + error;
  return reply;
}

}  // namespace reversi::engines
