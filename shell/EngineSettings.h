// The external engines the user registered (Edit > Engines...): a name, the
// protocol and the command line of each. Kept in the settings file's
// section "Engines", written only once the list has been changed.
#pragma once

#include <string>
#include <vector>

#include "EngineDetect.h"
#include "IniText.h"

struct TEngineEntry {
  std::string Name;
  reversi::engines::TProtocol Protocol = reversi::engines::TProtocol::Gtp;
  std::string Command;

  // What MakePlayer takes (PlayerChoice.h).
  std::string Choice() const { return reversi::engines::EngineSpec(Protocol, Command); }
  bool operator==(const TEngineEntry&) const = default;
};

struct TEngineSettings {
  static constexpr int kMaxEngines = 64;
  std::vector<TEngineEntry> Engines;

  // Entries without a name or a command, or with an unknown protocol, are
  // passed over.
  void Load(const std::string& path);
  // The section's keys when the list differs from atStart (what Load read);
  // the keys of entries removed since are emptied.
  std::vector<TIniWrite> Writes(const TEngineSettings& atStart) const;
  const TEngineEntry* Find(const std::string& name) const;
  // name, or name (2), (3)... when an engine has it already.
  std::string FreeName(const std::string& name) const;
};
