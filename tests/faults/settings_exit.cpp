// The settings write a closing window makes, for the fault runs in
// fault_runs.sh (killed at random moments, run as two copies at once).
//   settings_exit FILE flip         one run that switches eight settings
//                                   between two sets of values
//   settings_exit FILE cycle        such runs for ever
//   settings_exit FILE sound|level  one run that turns Sound off or sets
//                                   the level to 7 plies, as a user would
//   settings_exit FILE slow-sound   the same as sound, on a disk that takes
//                                   5 s to flush
// The status is 1 when the settings could not be written.
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <iostream>
#include <thread>

#include "ReversiCore.h"
#include "SafeFile.h"
#include "Settings.h"

namespace {

// One run: read at start, the user's change, written at exit.
bool Run(const char* path, void (*change)(reversi::TReversiCore&, TShellSwitches&)) {
  reversi::TReversiCore engine;
  TShellSwitches switches;
  LoadSettings(path, engine, switches);
  const TSettingsBaseline start = SettingsBaseline(engine, switches);
  change(engine, switches);
  std::string whyNot;
  if (SaveSettings(path, engine, switches, &start, {}, &whyNot)) return true;
  std::cerr << "settings_exit: the settings were not written: " << whyNot << "\n";
  return false;
}

void Sound(reversi::TReversiCore&, TShellSwitches& s) {
  s.Sound = false;
}

int SlowFsync(int fd) {
  std::this_thread::sleep_for(std::chrono::seconds(5));
  return ::fsync(fd);
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
  bool written = true;
  if (!std::strcmp(argv[2], "cycle")) {
    for (;;) Run(argv[1], Flip);
  } else if (!std::strcmp(argv[2], "flip")) {
    written = Run(argv[1], Flip);
  } else if (!std::strcmp(argv[2], "sound")) {
    written = Run(argv[1], Sound);
  } else if (!std::strcmp(argv[2], "slow-sound")) {
    safefile::SystemCalls().Fsync = &SlowFsync;
    written = Run(argv[1], Sound);
  } else if (!std::strcmp(argv[2], "level")) {
    written = Run(argv[1], [](reversi::TReversiCore& e, TShellSwitches&) { e.SetLevel(reversi::Ply7); });
  } else {
    return 2;
  }
  return written ? 0 : 1;
}
