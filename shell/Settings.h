// The user's preferences and level of play, kept in "Reversi.ini" beside the
// executable (or in the user's configuration folder when that cannot be
// written). Read once while the main window is created, written once while
// it closes; in between they live in the engine and the main window.
#pragma once

#include <string>
#include <vector>

#include "IniText.h"
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
// may write that folder and the program is not an installed copy, so a copy
// run from a folder of its own carries its settings along; otherwise in the
// user's configuration folder, $XDG_CONFIG_HOME/vezari-zaduder, which is made
// when missing. An installed copy never writes beside itself, not even for a
// user (root) who could. Both paths in the local file-name encoding.
std::string SettingsPathFor(const std::string& programDir);

// The file that marks programDir as an installed copy's folder: the game's
// desktop entry in the data folder of the prefix whose bin folder programDir
// would be (programDir/../share/applications/<id>.desktop in the usual
// layout), so it holds for any prefix the game was installed under.
std::string InstalledMarkerFor(const std::string& programDir);

// The twelve values, from one read of the file, set in their reading order,
// then the strict time limit from its own section [Time_Limit] (Strict, off
// when missing); a read that is cut short by an exception leaves what it
// read stored. Values the
// engine's setters refuse (Gamma, SelectiveDepth) and a Level outside 0..13
// leave the engine's value as it was, so the caller sets its design values
// (DesignValues.h) first. Reading never fails and never throws; anything
// missing or unreadable gives its default.
void LoadSettings(const std::string& path, reversi::TReversiCore& engine, TShellSwitches& switches) noexcept;

// The settings as this run started with them (once read), to tell at the
// end which of them it changed.
struct TSettingsBaseline {
  std::vector<std::string> Values;
};
TSettingsBaseline SettingsBaseline(const reversi::TReversiCore& engine, const TShellSwitches& switches);

// The thirteen write steps, and the strict time limit when it is on or was
// switched off in this run (without startedWith: on, or already in the
// file), made as one replace of the file: a crash leaves
// it wholly old or wholly new. Under a lock beside the file (another copy of
// the program may close at the same moment), the file is read afresh and
// only the keys this run changed since startedWith are written, together
// with any key the file lacks; without startedWith every key is written.
// Temporary files of earlier writes cut short by a crash are removed. The
// writes of the program's other sections (more) follow in the same replace,
// under the same lock. False when the file could not be written (also when
// another copy held the lock for many seconds); it is then as it was, and
// whyNot says why.
bool SaveSettings(const std::string& path, const reversi::TReversiCore& engine, const TShellSwitches& switches,
                  const TSettingsBaseline* startedWith = nullptr, const std::vector<TIniWrite>& more = {},
                  std::string* whyNot = nullptr);

// Whether the board shows its coordinates (View > Coordinates): off unless
// the file says otherwise. The key sits with the preferences and is written
// only once the choice has been changed, so a file never written with it
// keeps the keys it had.
bool LoadCoordinates(const std::string& path);
TIniWrite CoordinatesWrite(bool shown);
