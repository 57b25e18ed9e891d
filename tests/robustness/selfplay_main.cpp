// vezari-selfplay: plays complete games between engines at random shallow
// levels and settings, with take-backs, forward moves, saves, loads and
// damaged files along the way, checking every step. Exits 1 on any failure.
//
//   vezari-selfplay [--games N] [--seed S] [--max-level L] [--quiet]
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>

#include "SelfPlay.h"

namespace {
int Usage() {
  std::cerr << "usage: vezari-selfplay [--games N] [--seed S] [--max-level 1..12] [--quiet]\n";
  return 2;
}

bool ReadNumber(const char* text, long long lo, long long hi, long long& value) {
  char* end = nullptr;
  errno = 0;
  value = std::strtoll(text, &end, 10);
  return errno == 0 && end != text && *end == 0 && value >= lo && value <= hi;
}
}  // namespace

int main(int argc, char** argv) {
  vztest::TSelfPlayOptions options;
  bool quiet = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    long long value = 0;
    if (arg == "--quiet") {
      quiet = true;
    } else if (i + 1 < argc && arg == "--games" && ReadNumber(argv[i + 1], 0, 100000000, value)) {
      options.Games = static_cast<int>(value);
      ++i;
    } else if (i + 1 < argc && arg == "--seed" && ReadNumber(argv[i + 1], 0, INT64_MAX, value)) {
      options.Seed = static_cast<uint64_t>(value);
      ++i;
    } else if (i + 1 < argc && arg == "--max-level" && ReadNumber(argv[i + 1], 1, 12, value)) {
      options.MaxLevel = static_cast<int>(value);
      ++i;
    } else {
      return Usage();
    }
  }
  const auto start = std::chrono::steady_clock::now();
  const auto stats = vztest::RunSelfPlay(options, quiet ? nullptr : &std::cout);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cout << vztest::Summary(stats, seconds) << "\n";
  for (size_t i = 0; i < stats.Failures.size() && i < 20; ++i) std::cout << "FAILED: " << stats.Failures[i] << "\n";
  return stats.Failures.empty() ? 0 : 1;
}
