#include "Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "IniStore.h"

namespace {

const std::string kPreferences = "Preferences";
const std::string kLevel = "Level";

}  // namespace

std::string SettingsPath() {
  const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Reversi.ini"));
  return QFile::encodeName(path).toStdString();
}

void LoadSettings(const std::string& path, reversi::TReversiCore& engine, TShellSwitches& switches) {
  using namespace reversi;
  const TIniStore ini(path);

  engine.SetShowThinking(ini.ReadBool(kPreferences, "Thinking", false));
  engine.SetShowFlips(ini.ReadBool(kPreferences, "ShowFlips", false));
  engine.SetShowLegal(ini.ReadBool(kPreferences, "Show_Legal_Moves", false));
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
}

bool SaveSettings(const std::string& path, const reversi::TReversiCore& engine, const TShellSwitches& switches) {
  TIniStore ini(path);
  const bool twoPlayer = engine.Mode() == reversi::TwoPlayer;
  // The order decides the order of the keys in a new file.
  return ini.WriteBool(kPreferences, "Thinking", engine.ShowThinking()) &&
         ini.WriteBool(kPreferences, "ShowFlips", engine.ShowFlips()) &&
         ini.WriteBool(kPreferences, "Show_Legal_Moves", engine.ShowLegal()) &&
         ini.WriteBool(kPreferences, "Statistics", switches.Statistics) &&
         ini.WriteBool(kPreferences, "Best_Line", switches.BestLine) &&
         ini.WriteInteger(kLevel, "Move_Time", engine.MoveTime()) && ini.WriteBool(kLevel, "Two_Player", twoPlayer) &&
         ini.WriteBool(kPreferences, "Sound", switches.Sound) &&
         ini.WriteBool(kPreferences, "Selective", engine.Selective()) &&
         ini.WriteBool(kLevel, "Two_Player", twoPlayer) &&
         ini.WriteInteger(kLevel, "Level", static_cast<int32_t>(engine.Level())) &&
         ini.WriteInteger(kLevel, "Gamma", engine.Gamma()) &&
         ini.WriteInteger(kLevel, "Selective_Depth", engine.SelectiveDepth());
}
