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
    if (c >= 32 && c < 127)
      shown += static_cast<char>(c);
    else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02x", c);
      shown += hex;
    }
  }
  std::fprintf(stderr, "PROPERTY BROKEN: %s\ninput (%zu bytes): \"%s\"\n", what.c_str(), input.size(), shown.c_str());
  std::abort();
}

// A refusal must say why, in printable text.
inline void CheckReason(const std::string& reason, const std::string& input) {
  if (reason.empty()) Broken("refused without a reason", input);
  for (unsigned char c : reason)
    if (c < 32 || c >= 127) Broken("the reason carries unprintable bytes: " + reason, input);
}

// Scratch files live in memory where the system offers it: the targets write
// one or two files per input.
std::string ScratchFolder();

}  // namespace vzfuzz
