#include "ThreadCount.h"

#include <algorithm>
#include <thread>

#include "IniStore.h"

namespace {
const std::string kSection = "Analysis";
}  // namespace

void TThreadCount::Load(const std::string& path) {
  const int n = TIniStore(path).ReadInteger(kSection, "Threads", 0);
  Chosen = n == 0 ? 0 : std::clamp(n, 1, kMaxThreads);
}

std::vector<TIniWrite> TThreadCount::Writes(const TThreadCount& atStart) const {
  if (Chosen == atStart.Chosen) return {};
  return {{kSection, "Threads", std::to_string(Chosen)}};
}

int TThreadCount::Threads() const {
  return Chosen > 0 ? Chosen : Processors();
}

void TThreadCount::Choose(int threads) {
  threads = std::clamp(threads, 1, kMaxThreads);
  Chosen = threads == Processors() ? 0 : threads;
}

int TThreadCount::Processors() {
  return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxThreads);
}
