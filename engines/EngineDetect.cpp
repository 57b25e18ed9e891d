#include "EngineDetect.h"

#include <chrono>
#include <memory>

#include "Process.h"

namespace reversi::engines {

const char* ProtocolWord(TProtocol protocol) {
  return protocol == TProtocol::Gtp ? "gtp" : "nboard";
}

std::string EngineSpec(TProtocol protocol, const std::string& command) {
  return std::string(ProtocolWord(protocol)) + ":" + command;
}

namespace {

using TClock = std::chrono::steady_clock;

// The next line that is not blank, or false when the time is up or the
// engine has gone (GTP separates its answers with blank lines).
bool NextLine(TProcess& process, std::string& line, TClock::time_point until) {
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - TClock::now()).count();
    if (left <= 0) return false;
    if (process.ReadLine(line, static_cast<int>(left)) != TProcess::TRead::Line) return false;
    if (line.find_first_not_of(" \t\r") != std::string::npos) return true;
  }
}

std::string AfterPrefix(const std::string& line, size_t prefix) {
  const size_t start = line.find_first_not_of(' ', prefix);
  std::string text = start == std::string::npos ? std::string() : line.substr(start);
  while (!text.empty() && (text.back() == '\r' || text.back() == ' ')) text.pop_back();
  return text;
}

// GTP answers a known command with "= ..." (an id may come between).
bool TryGtp(TProcess& process, int timeoutMs, std::string& name) {
  if (!process.WriteLine("protocol_version") || !process.WriteLine("name")) return false;
  const auto until = TClock::now() + std::chrono::milliseconds(timeoutMs);
  std::string line;
  if (!NextLine(process, line, until) || line.empty() || line[0] != '=') return false;
  if (NextLine(process, line, until) && !line.empty() && line[0] == '=') name = AfterPrefix(line, 1);
  return true;
}

// An NBoard engine may name itself ("set myname X") before its pong.
bool TryNboard(TProcess& process, int timeoutMs, std::string& name) {
  if (!process.WriteLine("nboard 2") || !process.WriteLine("ping 1")) return false;
  const auto until = TClock::now() + std::chrono::milliseconds(timeoutMs);
  std::string line;
  while (NextLine(process, line, until)) {
    if (line.rfind("set myname ", 0) == 0) name = AfterPrefix(line, 11);
    if (line.rfind("pong 1", 0) == 0) return true;
  }
  return false;
}

}  // namespace

TDetection DetectEngine(const std::string& command, int timeoutMs) {
  TDetection found;
  const auto argv = SplitCommand(command);
  if (argv.empty()) {
    found.Error = "no command was given";
    return found;
  }
  const TProtocol order[] = {TProtocol::Gtp, TProtocol::Nboard};
  std::string exitText;
  for (const TProtocol protocol : order) {
    std::unique_ptr<TProcess> process = TProcess::Start(argv, found.Error);
    if (!process) return found;
    const bool ok = protocol == TProtocol::Gtp ? TryGtp(*process, timeoutMs, found.Name)
                                               : TryNboard(*process, timeoutMs, found.Name);
    if (!ok && !process->Running()) exitText = process->ExitText();
    process->Close();
    if (ok) {
      found.Ok = true;
      found.Protocol = protocol;
      found.Error.clear();
      return found;
    }
  }
  found.Error = "it answered neither GTP nor NBoard's protocol";
  if (!exitText.empty()) found.Error += " (it " + exitText + ")";
  return found;
}

}  // namespace reversi::engines
