#include "LevelsPlayer.h"

#include <algorithm>
#include <chrono>

#include "DesignValues.h"
#include "EngineAdapter.h"
#include "ReversiCore.h"
#include "Solver.h"

namespace reversi::engines {

// The search calls ProcessMessages at every node: here it publishes the
// node count and asks the search to stop, on the search's own thread, when
// the owner wants it to or the time is up.
class TStopHooks : public THooks {
 public:
  TStopHooks(TReversiCore& core, const TPlayer& owner, std::atomic<int64_t>& nodes)
      : core_(core), owner_(owner), nodes_(nodes) {}

  void Arm(int64_t millis) {
    deadline_ = millis > 0 ? std::chrono::steady_clock::now() + std::chrono::milliseconds(millis)
                           : std::chrono::steady_clock::time_point::max();
    count_ = 0;
  }

  void ProcessMessages() override {
    if ((++count_ & 63) != 0) return;
    nodes_.store(base_ + core_.Nodes(), std::memory_order_relaxed);
    if (owner_.StopWanted() || ((count_ & 1023) == 0 && std::chrono::steady_clock::now() >= deadline_))
      core_.RequestStop();
  }

  // Several searches may make one Think; their nodes add up.
  void AddNodes(int64_t n) {
    base_ += n;
    nodes_.store(base_, std::memory_order_relaxed);
  }
  void ResetNodes() { base_ = 0; }

 private:
  TReversiCore& core_;
  const TPlayer& owner_;
  std::atomic<int64_t>& nodes_;
  std::chrono::steady_clock::time_point deadline_ = std::chrono::steady_clock::time_point::max();
  int64_t count_ = 0;
  int64_t base_ = 0;
};

TLevelsPlayer::TLevelsPlayer() : core_(std::make_unique<TReversiCore>()) {
  hooks_ = std::make_unique<TStopHooks>(*core_, *this, nodes_);
  core_->SetHooks(hooks_.get());
  core_->SetMode(TwoPlayer);
  core_->SetSelective(design::kSelective);
  core_->SetGamma(design::kGamma);
  core_->SetSelectiveDepth(design::kSelectiveDepth);
  core_->OnEndGame = [](TReversiCore*) {};
  core_->OnPassRequest = [](TReversiCore*) {};
}

TLevelsPlayer::~TLevelsPlayer() {
  core_->SetHooks(nullptr);
}

std::string TLevelsPlayer::Name() const {
  return fixedDepth_ > 0 ? "Vezari Zaduder level " + std::to_string(fixedDepth_) : "Vezari Zaduder";
}

std::vector<TMoveValue> TLevelsPlayer::Think(const TGame& game, const TBudget& given, int count) {
  const TBudget budget = fixedDepth_ > 0 ? TBudget{fixedDepth_, 0} : given;
  nodes_.store(0);
  hooks_->ResetNodes();
  TPosition position;
  if (!FinalPosition(game, position) || IsOver(position) || count < 1) return {};
  const int empties = static_cast<int>(std::count(position.Squares.begin(), position.Squares.end(), 0));
  if (empties <= exactFrom_) {
    std::vector<TMoveValue> solved = Solve(game, count);
    if (!solved.empty()) return solved;
  }
  if (count == 1) return {Search(game, budget)};
  return ValueEach(game, budget, count);
}

// One search of the game's last position; its move and value. The search
// plays its move through the turn flow, and again while the opponent must
// pass: those later moves are taken without a search.
TMoveValue TLevelsPlayer::Search(const TGame& game, const TBudget& budget) {
  TReversiCore& core = *core_;
  TMoveValue result;
  if (!core.SetGame(game)) return result;
  if (budget.Depth > 0) {
    core.SetLevel(static_cast<TLevel>(std::clamp(budget.Depth, 1, 12)));
    hooks_->Arm(0);
  } else {
    core.SetLevel(Infinite);
    hooks_->Arm(std::max<int64_t>(budget.Millis, 1));
  }
  bool moved = false;
  core.ChooseMove = [&moved](TReversiCore& sender) {
    if (!moved) return -1;
    for (int square = 0; square < kCells; ++square)
      if (IsPlayingSquare(square) && sender.IsLegal(square)) return square;
    return -1;
  };
  core.OnBestChange = [&result, &moved](TReversiCore*, const std::string&, double score, bool final) {
    if (moved) return;
    result.Score = score;
    result.HasScore = true;
    result.Exact = final;
  };
  core.OnMove = [&result, &moved, &core](TReversiCore*, const std::string&) {
    if (moved) return;
    moved = true;
    result.Square = core.JustPlayedSquare;
    result.Depth = core.Ply();
  };
  core.SetThinking(true);
  hooks_->AddNodes(core.Nodes());
  core.ChooseMove = nullptr;
  core.OnBestChange = nullptr;
  core.OnMove = nullptr;
  return result;
}

// The exact values, by the solver; empty when stopped.
std::vector<TMoveValue> TLevelsPlayer::Solve(const TGame& game, int count) {
  analysis::TSolver solver(16);
  std::vector<TMoveValue> values;
  auto solve = [&](const TPosition& position, bool& complete) {
    analysis::TBitPosition bits;
    for (int i = 0; i < 64; ++i) {
      if (position.Squares[i] == position.Side) bits.Player |= uint64_t{1} << i;
      if (position.Squares[i] == -position.Side) bits.Opponent |= uint64_t{1} << i;
    }
    solver.SetStopFlag(&StopFlag());
    const analysis::TSolveResult r = solver.Solve(bits);
    complete = r.Complete && !StopWanted();
    return r;
  };
  TPosition position;
  FinalPosition(game, position);
  if (count == 1) {
    bool complete = false;
    const analysis::TSolveResult r = solve(position, complete);
    if (!complete || r.Best < 0) return {};
    values.push_back({analysis::CellOf(r.Best), static_cast<double>(r.Score), true, 60, true});
    return values;
  }
  for (const TChild& child : Children(game)) {
    TMoveValue value{child.Square, 0.0, true, 60, true};
    if (IsOver(child.Position)) {
      value.Score = FinalMargin(child.Position, position.Side);
    } else {
      bool complete = false;
      const analysis::TSolveResult r = solve(child.Position, complete);
      if (!complete) return {};
      value.Score = child.SameSide ? r.Score : -r.Score;
    }
    values.push_back(value);
  }
  std::stable_sort(values.begin(), values.end(), [](auto& a, auto& b) { return a.Score > b.Score; });
  if (static_cast<int>(values.size()) > count) values.resize(count);
  return values;
}

// Each move valued by a search of the position after it, one ply shallower
// (or with an equal share of the time).
std::vector<TMoveValue> TLevelsPlayer::ValueEach(const TGame& game, const TBudget& budget, int count) {
  const std::vector<TChild> children = Children(game);
  TPosition position;
  FinalPosition(game, position);
  TBudget each = budget;
  if (budget.Depth > 0)
    each.Depth = std::max(1, budget.Depth - 1);
  else
    each.Millis = std::max<int64_t>(1, budget.Millis / static_cast<int64_t>(children.size()));
  std::vector<TMoveValue> values;
  for (const TChild& child : children) {
    TMoveValue value{child.Square, 0.0, true, budget.Depth, false};
    if (IsOver(child.Position)) {
      value.Score = FinalMargin(child.Position, position.Side);
      value.Exact = true;
    } else {
      const TMoveValue reply = Search(child.Game, each);
      value.Score = child.SameSide ? reply.Score : -reply.Score;
      value.Exact = reply.Exact;
      value.Depth = reply.Depth + 1;
    }
    values.push_back(value);
    if (StopWanted()) break;
  }
  std::stable_sort(values.begin(), values.end(), [](auto& a, auto& b) { return a.Score > b.Score; });
  if (static_cast<int>(values.size()) > count) values.resize(count);
  return values;
}

}  // namespace reversi::engines
