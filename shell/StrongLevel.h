// The analyst as the computer player, as the user chooses it (Level dialog,
// Edit > Computer Player): "Strong" plays the analyst's best move in a time
// per move, from the opening book where the position is in it; the weaker
// strengths choose at random among the moves that lose at most a budget of
// discs against the best (engines/AnalystPlayer.h), so they still play
// sensibly. The game's own levels stay the default: this is off until
// chosen. Kept in the settings file's section "Analyst_Player", written
// only once changed. How it plays is in StrongPlayer.h.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "IniText.h"

struct TStrongLevel {
  static constexpr int kStrengths = 4;  // strong, good, club, beginner
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
  bool operator==(const TStrongLevel&) const = default;

  // "Strong", "Good", "Club", "Beginner", in the user's language.
  static QString StrengthName(int strength);
  // What the strength plays: "its best move", "moves losing up to 2 discs".
  static QString StrengthNote(int strength);
  // The Game box's level text while the analyst plays:
  // "Analyst: Strong, 2 s a move".
  QString LevelText() const;
};
