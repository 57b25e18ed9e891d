// Perfect endgame: once no more than a chosen number of squares are empty,
// the computer plays a move the analyst's exact solve proves best instead of the one
// its search would choose. Off by default; kept in the settings file's
// section "Perfect_Endgame", written only once the option has been changed.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AnalysisThread.h"
#include "AnalysisWorker.h"
#include "IniText.h"
#include "ReversiCore.h"

struct TPerfectEndgame {
  static constexpr int kDefaultEmpties = 16;
  static constexpr int kMinEmpties = 1;
  static constexpr int kMaxEmpties = 24;

  bool Enabled = false;
  int Empties = kDefaultEmpties;

  void Load(const std::string& path);
  // The section's keys when they differ from atStart (what Load read), for
  // SaveSettings; nothing otherwise, so that another copy's change stays.
  std::vector<TIniWrite> Writes(const TPerfectEndgame& atStart) const;
};

// Makes engine ask the solver for its move whenever options (which must
// outlive the engine's use of it) is enabled and the empties are few
// enough. The solve runs on the analysis thread, before any other work
// waiting there, while this thread's event loop runs and waits for it; a
// stop request (Move Now, closing) ends it, and the search then plays at
// once as it would have. solving, when set, hears the empties as a solve
// starts and 0 when it ends, so the window can say what it does; failed
// hears what made a solve fail, and the search plays then too; solved hears
// the move the solve proved best, with its exact value, nodes and line,
// just before it is played.
void InstallPerfectEndgame(reversi::TReversiCore& engine, const TPerfectEndgame& options,
                           const std::shared_ptr<TAnalysisThread>& thread,
                           std::function<void(int empties)> solving = {},
                           std::function<void(const QString& what)> failed = {},
                           std::function<void(const TPositionValue& value)> solved = {});
