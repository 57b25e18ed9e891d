#include "FuzzCheck.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>

namespace vzfuzz {

std::string ScratchFolder() {
  static const std::string folder = [] {
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    std::string pattern = (base / "vezari-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) Broken("cannot make a scratch folder", pattern);
    // Removed when the fuzzer exits normally; a crash leaves it for a look.
    static std::string removeAtExit = pattern;
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(removeAtExit, ignored);
    });
    return pattern;
  }();
  return folder;
}

}  // namespace vzfuzz
