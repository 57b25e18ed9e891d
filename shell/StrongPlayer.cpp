#include "StrongPlayer.h"

#include <QEventLoop>
#include <algorithm>
#include <optional>

#include "Book.h"
#include "EngineAdapter.h"

using namespace reversi;

namespace {

// The computer's own move goes before everything else on the thread.
constexpr int kPlayPriority = 0;

// A book move within margin discs of the book's best, with the book's
// value; nothing when the position is not in the book.
std::optional<TPositionValue> BookMove(const analysis::TBitPosition& position, double margin, std::mt19937& random) {
  const openings::TBook* book = openings::TBook::Default();
  if (!book) return std::nullopt;
  const std::vector<openings::TBookMove> moves = book->Find({position.Player, position.Opponent});
  if (moves.empty()) return std::nullopt;
  std::vector<const openings::TBookMove*> near;
  for (const openings::TBookMove& m : moves)
    if (m.Value >= moves.front().Value - margin) near.push_back(&m);
  const openings::TBookMove& chosen = *near[std::uniform_int_distribution<size_t>(0, near.size() - 1)(random)];
  TPositionValue v;
  v.Cell = analysis::CellOf(chosen.Square);
  v.Discs = chosen.Value;
  v.Line = {v.Cell};
  v.Book = true;
  v.Valid = true;
  return v;
}

TPositionValue ValueOf(const analyst::TAnalysis& a) {
  TPositionValue v = FromAnalysis(a);
  // A move valued among all the others comes without its line.
  if (v.Line.empty() && v.Cell > 0) v.Line.push_back(v.Cell);
  v.Valid = true;
  return v;
}

// The analyst's move at the strength, worked out on the analysis thread
// while this thread waits in an event loop.
int ChooseByAnalyst(TReversiCore& engine, const TStrongLevel& level, TAnalysisRunner& runner, std::mt19937& random,
                    const std::function<void(const TPositionValue&)>& thinking,
                    const std::function<void(const QString&)>& failed) {
  const analysis::TBitPosition position = analysis::FromBoard(engine);
  if (const auto book = BookMove(position, level.BookMargin, random)) {
    if (thinking) thinking(*book);
    return book->Cell;
  }
  const int strength = std::clamp(level.Strength, 0, TStrongLevel::kStrengths - 1);
  analyst::TLimits limits;
  limits.Seconds = level.Seconds;
  const uint32_t seed = random();
  QEventLoop wait;
  std::optional<TPositionValue> result;
  runner.OnFailure = [&](const QString& what) {
    if (failed) failed(what);
    wait.quit();
  };
  runner.Start([position, limits, strength, seed, &result, &wait, thinking](const TAnalysisRunner::TJob& job) {
    const auto tell = [&job, thinking](const TPositionValue& v) {
      if (thinking) job.Post([thinking, v] { thinking(v); });
    };
    TPositionValue chosen;
    if (strength == 0) {
      chosen = ValueOf(
          job.Analyst().Analyse(position, limits, &job.Stop(), [&](const analyst::TAnalysis& a) { tell(ValueOf(a)); }));
    } else {
      const auto values =
          job.Analyst().AnalyseMoves(position, limits, &job.Stop(), [&](const std::vector<analyst::TMoveValue>& v) {
            if (!v.empty()) tell(ValueOf({v.front().Move, v.front().Value, v.front().Depth, v.front().Exact}));
          });
      std::mt19937 random(seed);
      const int move = ChooseWithin(values, engines::StrengthBudget(strength), random);
      for (const analyst::TMoveValue& v : values)
        if (v.Move == move) chosen = ValueOf({v.Move, v.Value, v.Depth, v.Exact});
      // The move played, which need not be the best shown so far.
      if (chosen.Valid) tell(chosen);
    }
    job.Post([chosen, &result, &wait] {
      result = chosen;
      wait.quit();
    });
  });
  WaitForComputerMove(wait, runner, engine);
  if (!result || result->Cell <= 0 || result->Cell == kPassSquare) return 0;
  if (thinking) {
    TPositionValue done = *result;
    done.Valid = false;
    thinking(done);
  }
  return result->Cell;
}
}  // namespace

void InstallStrongLevel(TReversiCore& engine, const TStrongLevel& level, const std::shared_ptr<TAnalysisThread>& thread,
                        std::function<int(TReversiCore&)> next, std::function<void(const TPositionValue&)> thinking,
                        std::function<void(const QString&)> failed) {
  auto runner = std::make_shared<TAnalysisRunner>(thread, kPlayPriority);
  auto random = std::make_shared<std::mt19937>(std::random_device{}());
  engine.ChooseMove = [&level, runner, random, next, thinking, failed](TReversiCore& e) {
    if (level.Enabled)
      if (const int cell = ChooseByAnalyst(e, level, *runner, *random, thinking, failed)) return cell;
    return next ? next(e) : 0;
  };
}
