#include "StrongLevel.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

#include "AnalystPlayer.h"
#include "IniStore.h"

namespace {
const std::string kSection = "Analyst_Player";
}  // namespace

void TStrongLevel::Load(const std::string& path) {
  const TIniStore ini(path);
  Enabled = ini.ReadBool(kSection, "Enabled", false);
  const int strength = ini.ReadInteger(kSection, "Strength", 0);
  Strength = strength >= 0 && strength < kStrengths ? strength : 0;
  const int seconds = ini.ReadInteger(kSection, "Seconds", 2);
  Seconds = seconds >= 1 && seconds <= kMaxSeconds ? seconds : 2;
  const int tenths = ini.ReadInteger(kSection, "BookMarginTenths", 10);
  BookMargin = tenths >= 0 && tenths <= kMaxBookMargin * 10 ? tenths / 10.0 : 1;
}

std::vector<TIniWrite> TStrongLevel::Writes(const TStrongLevel& atStart) const {
  if (*this == atStart) return {};
  return {{kSection, "Enabled", Enabled ? "1" : "0"},
          {kSection, "Strength", std::to_string(Strength)},
          {kSection, "Seconds", std::to_string(Seconds)},
          {kSection, "BookMarginTenths", std::to_string(static_cast<int>(BookMargin * 10 + 0.5))}};
}

QString TStrongLevel::StrengthName(int strength) {
  static const char* const names[kStrengths] = {
      QT_TRANSLATE_NOOP("TStrongLevel", "Strong"), QT_TRANSLATE_NOOP("TStrongLevel", "Good"),
      QT_TRANSLATE_NOOP("TStrongLevel", "Club"), QT_TRANSLATE_NOOP("TStrongLevel", "Beginner")};
  return QCoreApplication::translate("TStrongLevel", names[std::clamp(strength, 0, kStrengths - 1)]);
}

QString TStrongLevel::StrengthNote(int strength) {
  const double budget = reversi::engines::StrengthBudget(strength);
  if (budget <= 0) return QCoreApplication::translate("TStrongLevel", "Plays its best move.");
  return QCoreApplication::translate("TStrongLevel", "Loses up to %1 discs a move.").arg(QLocale().toString(budget));
}

QString TStrongLevel::LevelText() const {
  return QCoreApplication::translate("TStrongLevel", "Analyst: %1, %2 s a move")
      .arg(StrengthName(Strength))
      .arg(Seconds);
}
