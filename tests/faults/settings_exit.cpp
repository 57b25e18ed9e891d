// The settings write a closing window makes, for the fault runs in
// fault_runs.sh (killed at random moments, run as two copies at once).
//   settings_exit FILE flip         one run that switches eight settings
//                                   between two sets of values
//   settings_exit FILE cycle        such runs for ever
//   settings_exit FILE sound|level  one run that turns Sound off or sets
//                                   the level to 7 plies, as a user would
#include <cstring>
#include <iostream>

#include "ReversiCore.h"
#include "Settings.h"

namespace {

// One run: read at start, the user's change, written at exit.
void Run(const char* path, void (*change)(reversi::TReversiCore&, TShellSwitches&)) {
  reversi::TReversiCore engine;
  TShellSwitches switches;
  LoadSettings(path, engine, switches);
  const TSettingsBaseline start = SettingsBaseline(engine, switches);
  change(engine, switches);
  SaveSettings(path, engine, switches, &start);
}

void Flip(reversi::TReversiCore& e, TShellSwitches& s) {
  const bool on = !s.Sound;
  s.Sound = s.Statistics = s.BestLine = s.ShowThinking = s.ShowFlips = on;
  e.SetSelective(on);
  e.SetMoveTime(on ? 2 : 9);
  e.SetLevel(on ? reversi::TimeLevel : reversi::Ply9);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: settings_exit FILE flip|cycle|sound|level\n";
    return 2;
  }
  if (!std::strcmp(argv[2], "cycle")) {
    for (;;) Run(argv[1], Flip);
  } else if (!std::strcmp(argv[2], "flip")) {
    Run(argv[1], Flip);
  } else if (!std::strcmp(argv[2], "sound")) {
    Run(argv[1], [](reversi::TReversiCore&, TShellSwitches& s) { s.Sound = false; });
  } else if (!std::strcmp(argv[2], "level")) {
    Run(argv[1], [](reversi::TReversiCore& e, TShellSwitches&) { e.SetLevel(reversi::Ply7); });
  } else {
    return 2;
  }
  return 0;
}
