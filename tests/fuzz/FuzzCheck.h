// What the fuzz targets share: a failed property stops the run loudly, so
// that libFuzzer keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace vzfuzz {

[[noreturn]] inline void Broken(const std::string& what, const std::string& input) {
  std::string shown;
  for (unsigned char c : input.substr(0, 400)) {
    if (c >= 32 && c < 127) shown += static_cast<char>(c);
    else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02x", c);
      shown += hex;
    }
  }
  std::fprintf(stderr, "PROPERTY BROKEN: %s\ninput (%zu bytes): \"%s\"\n", what.c_str(), input.size(), shown.c_str());
  std::abort();
}

// Scratch files live in memory where the system offers it: the targets write
// one or two files per input.
std::string ScratchFolder();

}  // namespace vzfuzz
