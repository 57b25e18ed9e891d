// vezari-engine: our engine for other programs. It speaks NBoard's
// protocol (version 2) by default and GTP with --gtp on its standard input
// and output, and plays matches between players with --match.
#include <iostream>
#include <string>
#include <vector>

#include "EngineMatch.h"

namespace {

const char* const kUsage =
    "usage: vezari-engine [--gtp]\n"
    "  (no option)      serve NBoard's protocol, version 2, on standard input and output\n"
    "  --gtp            serve GTP (the Reversi dialect of GRhino and Quarry) instead\n";

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << kUsage << kMatchUsage;
    return 0;
  }
  if (!args.empty() && args[0] == "--match") return RunMatchCommand({args.begin() + 1, args.end()});
  std::cerr << "vezari-engine: the protocols are not served yet\n" << kUsage << kMatchUsage;
  return 2;
}
