#include "PerfectEndgame.h"

#include <QEventLoop>
#include <optional>

#include "AnalysisWorker.h"
#include "EngineAdapter.h"
#include "IniStore.h"

using namespace reversi;

namespace {
const std::string kSection = "Perfect_Endgame";

// The computer's own solves go before everything else on the thread.
constexpr int kPerfectPriority = 0;

TPositionValue SolvedValue(const analyst::TAnalysis& a) {
  TPositionValue v;
  v.Cell = BoardCell(a.Move);
  v.Discs = a.Value;
  v.Exact = true;
  v.Depth = a.Depth;
  v.Nodes = a.Nodes;
  for (int square : a.Pv) v.Line.push_back(BoardCell(square));
  v.Valid = true;
  return v;
}

int ChooseBySolver(TReversiCore& engine, const TPerfectEndgame& options, TAnalysisRunner& runner,
                   const std::function<void(int)>& solving, const std::function<void(const QString&)>& failed,
                   const std::function<void(const TPositionValue&)>& solved) {
  if (!options.Enabled) return 0;
  const int empties = 64 - engine.WhiteDiscs() - engine.BlackDiscs();
  if (empties > options.Empties) return 0;
  if (solving) solving(empties);
  const analysis::TBitPosition position = analysis::FromBoard(engine);
  QEventLoop wait;
  std::optional<analyst::TAnalysis> result;
  runner.OnFailure = [&](const QString& what) {
    if (failed) failed(what);
    wait.quit();
  };
  runner.Start([position, &result, &wait](const TAnalysisRunner::TJob& job) {
    // Without limits the analyst solves what the option allows exactly,
    // after a short search that orders the moves.
    const analyst::TAnalysis r = job.Analyst().Analyse(position, {}, &job.Stop());
    job.Post([r, &result, &wait] {
      result = r;
      wait.quit();
    });
  });
  WaitForComputerMove(wait, runner, engine);
  if (solving) solving(0);
  if (!result || !result->Exact || result->Move < 0) return 0;
  if (solved) solved(SolvedValue(*result));
  return analysis::CellOf(result->Move);
}
}  // namespace

void TPerfectEndgame::Load(const std::string& path) {
  const TIniStore ini(path);
  Enabled = ini.ReadBool(kSection, "Enabled", false);
  const int empties = ini.ReadInteger(kSection, "Empties", kDefaultEmpties);
  Empties = empties >= kMinEmpties && empties <= kMaxEmpties ? empties : kDefaultEmpties;
}

std::vector<TIniWrite> TPerfectEndgame::Writes(const TPerfectEndgame& atStart) const {
  if (Enabled == atStart.Enabled && Empties == atStart.Empties) return {};
  return {{kSection, "Enabled", Enabled ? "1" : "0"}, {kSection, "Empties", std::to_string(Empties)}};
}

void InstallPerfectEndgame(TReversiCore& engine, const TPerfectEndgame& options,
                           const std::shared_ptr<TAnalysisThread>& thread, std::function<void(int empties)> solving,
                           std::function<void(const QString& what)> failed,
                           std::function<void(const TPositionValue& value)> solved) {
  auto runner = std::make_shared<TAnalysisRunner>(thread, kPerfectPriority);
  engine.ChooseMove = [&options, runner, solving, failed, solved](TReversiCore& e) {
    return ChooseBySolver(e, options, *runner, solving, failed, solved);
  };
}
