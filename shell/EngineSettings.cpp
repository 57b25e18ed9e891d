#include "EngineSettings.h"

#include <algorithm>

#include "IniStore.h"

using reversi::engines::TProtocol;

namespace {
const char* const kSection = "Engines";

std::string Key(const char* what, size_t index) {
  return what + std::to_string(index + 1);
}
}  // namespace

void TEngineSettings::Load(const std::string& path) {
  Engines.clear();
  const TIniStore ini(path);
  const int count = std::clamp(ini.ReadInteger(kSection, "Count", 0), 0, kMaxEngines);
  for (int i = 0; i < count; ++i) {
    TEngineEntry entry;
    entry.Name = ini.ReadString(kSection, Key("Name", i)).value_or("");
    entry.Command = ini.ReadString(kSection, Key("Command", i)).value_or("");
    const std::string protocol = ini.ReadString(kSection, Key("Protocol", i)).value_or("");
    if (protocol == "gtp")
      entry.Protocol = TProtocol::Gtp;
    else if (protocol == "nboard")
      entry.Protocol = TProtocol::Nboard;
    else
      continue;
    if (entry.Name.empty() || entry.Command.empty() || Find(entry.Name)) continue;
    Engines.push_back(std::move(entry));
  }
}

std::vector<TIniWrite> TEngineSettings::Writes(const TEngineSettings& atStart) const {
  if (Engines == atStart.Engines) return {};
  std::vector<TIniWrite> writes{{kSection, "Count", std::to_string(Engines.size())}};
  for (size_t i = 0; i < std::max(Engines.size(), atStart.Engines.size()); ++i) {
    const bool kept = i < Engines.size();
    writes.push_back({kSection, Key("Name", i), kept ? Engines[i].Name : ""});
    writes.push_back({kSection, Key("Protocol", i), kept ? ProtocolWord(Engines[i].Protocol) : ""});
    writes.push_back({kSection, Key("Command", i), kept ? Engines[i].Command : ""});
  }
  return writes;
}

const TEngineEntry* TEngineSettings::Find(const std::string& name) const {
  for (const TEngineEntry& e : Engines)
    if (e.Name == name) return &e;
  return nullptr;
}

std::string TEngineSettings::FreeName(const std::string& name) const {
  std::string free = name;
  for (int n = 2; Find(free); ++n) free = name + " (" + std::to_string(n) + ")";
  return free;
}
