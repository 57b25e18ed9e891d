// vezari-analyze's opening book and game library look-ups.
#pragma once

namespace reversi::tools {

// True when the arguments ask for --book or --library; `status` is then the
// exit status after the answer was printed.
bool RunOpenings(int argc, char** argv, int& status);

}  // namespace reversi::tools
