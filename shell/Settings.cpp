#include "Settings.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "IniStore.h"

namespace {

const std::string kPreferences = "Preferences";
const std::string kLevel = "Level";
const QString kFileName = QStringLiteral("Reversi.ini");
const QString kConfigFolder = QStringLiteral("vezari-zaduder");
const std::string kTimeLimit = "Time_Limit";
const std::string kStrict = "Strict";

}  // namespace

std::string SettingsPath() {
  return SettingsPathFor(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
}

std::string SettingsPathFor(const std::string& programDir) {
  const QString beside = QDir(QFile::decodeName(programDir.c_str())).filePath(kFileName);
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  // access() answers for this user: its groups, the folder's ACL and a
  // read-only mount all count.
  if (::access(programDir.c_str(), W_OK) == 0 || config.isEmpty()) return QFile::encodeName(beside).toStdString();
  const QString folder = QDir(config).filePath(kConfigFolder);
  // A folder that cannot be made shows later as a failed write, as any
  // other unwritable settings file does.
  QDir().mkpath(folder);
  return QFile::encodeName(QDir(folder).filePath(kFileName)).toStdString();
}

void LoadSettings(const std::string& path, reversi::TReversiCore& engine, TShellSwitches& switches) noexcept {
  using namespace reversi;
  const TIniStore ini(path);

  switches.ShowThinking = ini.ReadBool(kPreferences, "Thinking", false);
  switches.ShowFlips = ini.ReadBool(kPreferences, "ShowFlips", false);
  switches.ShowLegal = ini.ReadBool(kPreferences, "Show_Legal_Moves", false);
  engine.SetSelective(ini.ReadBool(kPreferences, "Selective", true));
  switches.Statistics = ini.ReadBool(kPreferences, "Statistics", true);
  switches.Sound = ini.ReadBool(kPreferences, "Sound", true);
  switches.BestLine = ini.ReadBool(kPreferences, "Best_Line", true);

  engine.SetMoveTime(ini.ReadInteger(kLevel, "Move_Time", 2));
  engine.SetGamma(ini.ReadInteger(kLevel, "Gamma", 40));
  engine.SetSelectiveDepth(ini.ReadInteger(kLevel, "Selective_Depth", 5));
  switches.TwoPlayer = ini.ReadBool(kLevel, "Two_Player", false);
  engine.SetMode(switches.TwoPlayer ? TwoPlayer : Normal);
  const int32_t level = ini.ReadInteger(kLevel, "Level", 0);
  if (level >= TimeLevel && level <= Infinite) engine.SetLevel(static_cast<TLevel>(level));

  engine.SetStrictTime(ini.ReadBool(kTimeLimit, kStrict, false));
}

bool SaveSettings(const std::string& path, const reversi::TReversiCore& engine, const TShellSwitches& switches) {
  TIniStore ini(path);
  const bool twoPlayer = engine.Mode() == reversi::TwoPlayer;
  // The order decides the order of the keys in a new file. Two_Player is
  // written twice because the program always made these thirteen writes, and
  // a failed write stops the rest, so their number and order are kept.
  return ini.WriteBool(kPreferences, "Thinking", switches.ShowThinking) &&
         ini.WriteBool(kPreferences, "ShowFlips", switches.ShowFlips) &&
         ini.WriteBool(kPreferences, "Show_Legal_Moves", switches.ShowLegal) &&
         ini.WriteBool(kPreferences, "Statistics", switches.Statistics) &&
         ini.WriteBool(kPreferences, "Best_Line", switches.BestLine) &&
         ini.WriteInteger(kLevel, "Move_Time", engine.MoveTime()) && ini.WriteBool(kLevel, "Two_Player", twoPlayer) &&
         ini.WriteBool(kPreferences, "Sound", switches.Sound) &&
         ini.WriteBool(kPreferences, "Selective", engine.Selective()) &&
         ini.WriteBool(kLevel, "Two_Player", twoPlayer) &&
         ini.WriteInteger(kLevel, "Level", static_cast<int32_t>(engine.Level())) &&
         ini.WriteInteger(kLevel, "Gamma", engine.Gamma()) &&
         ini.WriteInteger(kLevel, "Selective_Depth", engine.SelectiveDepth()) &&
         // Written once set, so a file that never had it keeps the keys it always had.
         ((!engine.StrictTime() && !ini.ReadString(kTimeLimit, kStrict)) ||
          ini.WriteBool(kTimeLimit, kStrict, engine.StrictTime()));
}
