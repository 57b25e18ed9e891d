// External engines by their command line: which protocol they speak and
// what they call themselves, found by asking them. Used when an engine is
// registered, so that a wrong command or protocol shows at once rather
// than in the first game.
#pragma once

#include <string>

namespace reversi::engines {

enum class TProtocol { Gtp, Nboard };

// "gtp" or "nboard", as in a player's choice (PlayerChoice.h).
const char* ProtocolWord(TProtocol protocol);
// The choice MakePlayer takes for the command in the protocol.
std::string EngineSpec(TProtocol protocol, const std::string& command);

struct TDetection {
  bool Ok = false;
  TProtocol Protocol = TProtocol::Gtp;
  std::string Name;   // the engine's own name, when it gave one
  std::string Error;  // why nothing was found
};

// Starts the command and asks GTP's protocol_version and name; an engine
// that does not answer them is started again and asked NBoard's
// "nboard 2" and "ping". Each try waits at most timeoutMs; the engine is
// ended (and reaped) before this returns.
TDetection DetectEngine(const std::string& command, int timeoutMs = 5000);

}  // namespace reversi::engines
