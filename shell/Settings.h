// The user's preferences and level of play, kept in "Reversi.ini" beside the
// executable (or in the user's configuration folder when that cannot be
// written). Read once while the main window is created, written once while
// it closes; in between they live in the engine and the main window.
#pragma once

#include <string>

#include "ReversiCore.h"

// The switches the main window keeps in its menu check marks: its own four,
// and the board's three display switches, which it applies to the board
// after reading and takes from it before writing.
struct TShellSwitches {
  bool Statistics = true;
  bool Sound = true;
  bool BestLine = true;
  bool TwoPlayer = false;
  bool ShowThinking = false;
  bool ShowFlips = true;
  bool ShowLegal = false;
};

// "Reversi.ini" for the running executable, in the local file-name encoding
// (see SettingsPathFor). Needs the application object.
std::string SettingsPath();

// Where a program in programDir keeps "Reversi.ini": beside it when this user
// may write that folder, so a copy run from a folder of its own carries its
// settings along; otherwise (installed for the whole system) in the user's
// configuration folder, $XDG_CONFIG_HOME/vezari-zaduder, which is made when
// missing. Both paths in the local file-name encoding.
std::string SettingsPathFor(const std::string& programDir);

// The twelve reads, in the file's reading order, then the strict time limit
// from its own section [Time_Limit] (Strict, off when missing); a read that
// is cut short by an exception leaves what it read stored. Values the
// engine's setters refuse (Gamma, SelectiveDepth) and a Level outside 0..13
// leave the engine's value as it was, so the caller sets its design values
// (DesignValues.h) first. Reading never fails and never throws; anything
// missing or unreadable gives its default.
void LoadSettings(const std::string& path, reversi::TReversiCore& engine, TShellSwitches& switches) noexcept;

// The thirteen writes, in their order, then the strict time limit if it is
// on or already in the file. Stops at the first write that fails and returns
// false; the keys written before it stay written.
bool SaveSettings(const std::string& path, const reversi::TReversiCore& engine, const TShellSwitches& switches);
