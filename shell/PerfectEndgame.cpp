#include "PerfectEndgame.h"

#include <atomic>
#include <chrono>
#include <future>

#include "EngineAdapter.h"
#include "IniStore.h"
#include "Solver.h"

using namespace reversi;

namespace {
const std::string kSection = "Perfect_Endgame";

int ChooseBySolver(TReversiCore& engine, const TPerfectEndgame& options, const std::function<void(int)>& solving) {
  if (!options.Enabled) return 0;
  const int empties = 64 - engine.WhiteDiscs() - engine.BlackDiscs();
  if (empties > options.Empties) return 0;
  if (solving) solving(empties);
  const analysis::TBitPosition position = analysis::FromBoard(engine);
  auto stop = std::make_shared<std::atomic<bool>>(false);
  auto result = std::async(std::launch::async, [position, stop] {
    analysis::TSolver solver;
    solver.SetStopFlag(stop.get());
    return solver.Solve(position);
  });
  while (result.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready) {
    engine.Hooks().ProcessMessages();
    if (engine.StopRequested()) stop->store(true);
  }
  const analysis::TSolveResult r = result.get();
  if (solving) solving(0);
  if (!r.Complete || r.Best < 0) return 0;
  return analysis::CellOf(r.Best);
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
                           std::function<void(int empties)> solving) {
  engine.ChooseMove = [&options, solving](TReversiCore& e) { return ChooseBySolver(e, options, solving); };
}
