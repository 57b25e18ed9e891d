// How many threads the window's analysis uses (Edit > Analysis Threads):
// the hint, the move values, the review, the perfect endgame and the
// analyst player. All of this computer's processors by default; the game's
// own levels always think on one. Kept in the settings file's section
// "Analysis" as "Threads" (0 for all processors), written only once
// changed; a value that is not a number reads as all, one out of range is
// brought to the nearest of 1 and kMaxThreads.
#pragma once

#include <string>
#include <vector>

#include "IniText.h"

struct TThreadCount {
  static constexpr int kMaxThreads = 64;

  int Chosen = 0;  // 0: every processor

  void Load(const std::string& path);
  std::vector<TIniWrite> Writes(const TThreadCount& atStart) const;

  // The threads to use: Chosen, or the processors when it is 0.
  int Threads() const;
  // Takes what the user asked for, 1 to kMaxThreads; the processor count
  // itself is kept as "all", so that the setting follows the computer.
  void Choose(int threads);
  static int Processors();
};
