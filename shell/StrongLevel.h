// The analyst as the computer player: "Strong" plays the analyst's best move
// in a time per move, from the opening book where the position is in it; the
// weaker strengths choose at random among the moves that lose at most a
// budget of discs against the best, so they still play sensibly. The
// game's own levels stay the default: this is off until chosen. Kept in the
// settings file's section "Analyst_Player", written only once changed.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "AnalysisThread.h"
#include "AnalysisWorker.h"
#include "Analyst.h"
#include "IniText.h"
#include "ReversiCore.h"

struct TStrongLevel {
  // Discs a move may lose against the best, by strength; 0 is "Strong".
  static constexpr double kBudgets[] = {0, 2, 4, 8};
  static constexpr int kStrengths = 4;
  static constexpr int kMaxSeconds = 600;
  static constexpr double kMaxBookMargin = 8;

  bool Enabled = false;
  int Strength = 0;
  int Seconds = 2;
  // Book moves within this many discs of the book's best are played at
  // random, so that games differ; 0 plays the best only.
  double BookMargin = 1;

  void Load(const std::string& path);
  // The section's keys when they differ from atStart (what Load read).
  std::vector<TIniWrite> Writes(const TStrongLevel& atStart) const;
};

// A move among values (best first) losing at most budget discs against the
// best, chosen at random; kNoMove when values is empty.
int ChooseWithin(const std::vector<reversi::analyst::TMoveValue>& values, double budget, std::mt19937& random);

// Makes engine ask the analyst for its move whenever level (which must
// outlive the engine's use of it) is enabled, and next otherwise (or when
// the analyst has no answer). The analyst thinks on the analysis thread
// while this thread's event loop runs; a stop request (Move Now, closing)
// ends it with its best move so far. thinking hears each depth completed
// (Valid false when the move is chosen); failed hears what made it fail.
void InstallStrongLevel(reversi::TReversiCore& engine, const TStrongLevel& level,
                        const std::shared_ptr<TAnalysisThread>& thread, std::function<int(reversi::TReversiCore&)> next,
                        std::function<void(const TPositionValue& value)> thinking = {},
                        std::function<void(const QString& what)> failed = {});
