#include "Settings.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <chrono>
#include <cstring>

#include "FileLock.h"
#include "IniStore.h"
#include "SafeFile.h"

namespace {

const std::string kPreferences = "Preferences";
const std::string kLevel = "Level";
const QString kFileName = QStringLiteral("Reversi.ini");
const QString kConfigFolder = QStringLiteral("vezari-zaduder");
const std::string kTimeLimit = "Time_Limit";
const std::string kStrict = "Strict";
// A write takes milliseconds, or seconds on a slow disk; a close waits this
// long for another copy that holds the lock (a dead copy's lock is free at
// once) and then gives up rather than write under it.
constexpr std::chrono::milliseconds kLockWait{15000};

}  // namespace

std::string SettingsPath() {
  return SettingsPathFor(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
}

std::string InstalledMarkerFor(const std::string& programDir) {
  const QString marker = QDir(QFile::decodeName(programDir.c_str())).filePath(QStringLiteral(VZ_ENTRY_FROM_BINDIR));
  return QFile::encodeName(QDir::cleanPath(marker)).toStdString();
}

std::string SettingsPathFor(const std::string& programDir) {
  const QString beside = QDir(QFile::decodeName(programDir.c_str())).filePath(kFileName);
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  // access() answers for this user: its groups, the folder's ACL and a
  // read-only mount all count.
  const bool portable = ::access(programDir.c_str(), W_OK) == 0 &&
                        !QFile::exists(QFile::decodeName(InstalledMarkerFor(programDir).c_str()));
  if (portable || config.isEmpty()) return QFile::encodeName(beside).toStdString();
  const QString folder = QDir(config).filePath(kConfigFolder);
  // A folder that cannot be made shows later as a failed write, as any
  // other unwritable settings file does.
  QDir().mkpath(folder);
  return QFile::encodeName(QDir(folder).filePath(kFileName)).toStdString();
}

void LoadSettings(const std::string& path, reversi::TReversiCore& engine, TShellSwitches& switches) noexcept {
  using namespace reversi;
  const TIniSnapshot ini = TIniStore(path).Snapshot();  // the file read and parsed once

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

namespace {

// The thirteen write steps with the values the run holds, in their order,
// and the strict time limit last. The order decides the order of the keys
// in a new file; Two_Player comes twice because the program always wrote it
// twice (the second changes nothing).
std::vector<TIniWrite> SettingsWrites(const reversi::TReversiCore& engine, const TShellSwitches& switches) {
  const auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
  const std::string twoPlayer = flag(engine.Mode() == reversi::TwoPlayer);
  return {
      {kPreferences, "Thinking", flag(switches.ShowThinking)},
      {kPreferences, "ShowFlips", flag(switches.ShowFlips)},
      {kPreferences, "Show_Legal_Moves", flag(switches.ShowLegal)},
      {kPreferences, "Statistics", flag(switches.Statistics)},
      {kPreferences, "Best_Line", flag(switches.BestLine)},
      {kLevel, "Move_Time", std::to_string(engine.MoveTime())},
      {kLevel, "Two_Player", twoPlayer},
      {kPreferences, "Sound", flag(switches.Sound)},
      {kPreferences, "Selective", flag(engine.Selective())},
      {kLevel, "Two_Player", twoPlayer},
      {kLevel, "Level", std::to_string(static_cast<int32_t>(engine.Level()))},
      {kLevel, "Gamma", std::to_string(engine.Gamma())},
      {kLevel, "Selective_Depth", std::to_string(engine.SelectiveDepth())},
      {kTimeLimit, kStrict, flag(engine.StrictTime())},
  };
}

}  // namespace

TSettingsBaseline SettingsBaseline(const reversi::TReversiCore& engine, const TShellSwitches& switches) {
  TSettingsBaseline baseline;
  for (const TIniWrite& w : SettingsWrites(engine, switches)) baseline.Values.push_back(w.Value);
  return baseline;
}

namespace {

// Why the lock could not be had, for the message at the close.
std::string LockFailure(const safefile::TFileLock& lock, const std::string& lockPath) {
  switch (lock.Status()) {
    case safefile::TLockStatus::NotRegular:
      return "\"" + lockPath + "\" is not a regular file";
    case safefile::TLockStatus::Busy:
      return "another copy of the program (process " + std::to_string(lock.Holder()) + ") is writing it";
    default:
      return std::string("the file cannot be created: ") + std::strerror(lock.Errno());
  }
}

}  // namespace

bool SaveSettings(const std::string& path, const reversi::TReversiCore& engine, const TShellSwitches& switches,
                  const TSettingsBaseline* startedWith, const std::vector<TIniWrite>& more, std::string* whyNot) {
  std::vector<TIniWrite> writes = SettingsWrites(engine, switches);
  const bool known = startedWith && startedWith->Values.size() == writes.size();
  const auto changed = [&](std::size_t i) { return !known || writes[i].Value != startedWith->Values[i]; };
  for (std::size_t i = 0; i < writes.size(); ++i) writes[i].OnlyIfMissing = !changed(i);
  // Another copy of the program may be writing at the same moment: under
  // the lock the file is read afresh, so its changes stay. Without the lock
  // nothing is written: an older text could land over a newer one.
  const std::string lockPath = safefile::WriteTarget(path) + ".lock";
  safefile::RemoveStaleLockChain(lockPath);
  const safefile::TFileLock lock(lockPath, kLockWait);
  if (!lock) {
    if (whyNot) *whyNot = LockFailure(lock, lockPath);
    return false;
  }
  safefile::RemoveLeftovers(path);
  TIniStore ini(path);
  // The strict time limit is written only once set, so that a file that
  // never had it keeps the keys it always had.
  if (!engine.StrictTime() && (known ? !changed(writes.size() - 1) : !ini.ReadString(kTimeLimit, kStrict)))
    writes.pop_back();
  writes.insert(writes.end(), more.begin(), more.end());
  return ini.Write(writes, whyNot);
}

bool LoadCoordinates(const std::string& path) {
  return TIniStore(path).ReadBool(kPreferences, "Coordinates", false);
}

TIniWrite CoordinatesWrite(bool shown) {
  return {kPreferences, "Coordinates", shown ? "1" : "0"};
}
