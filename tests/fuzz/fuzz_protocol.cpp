// Whole sessions of vezari-engine's protocols: the first byte picks NBoard
// or GTP, the rest is the input, cut into lines as the engine cuts them
// (here at 300 bytes, so that long lines come up). Whatever comes in, every
// answer is printable text, GTP answers one for every command, and the
// session never stops but at quit. The player is a quick stand-in: the
// protocols are under test here, not the search.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "GtpSession.h"
#include "LineSplitter.h"
#include "NboardSession.h"

using namespace reversi::engines;
using vzfuzz::Broken;

namespace {

// The legal moves in square order, valued by their number.
class TFirstMoves : public reversi::engines::TSearchingPlayer {
 public:
  std::string Name() const override { return "first moves"; }
  std::vector<TMoveValue> Think(const reversi::TGame& game, const TBudget& budget, int count) override {
    std::vector<TMoveValue> values;
    for (const TChild& child : Children(game)) {
      if (static_cast<int>(values.size()) == count) break;
      values.push_back({child.Square, static_cast<double>(values.size()), true, budget.Depth, false});
    }
    return values;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string input(reinterpret_cast<const char*>(data), size);
  const bool gtp = data[0] & 1;
  TFirstMoves player;

  int answers = 0;
  auto sink = [&](const std::string& line) {
    for (unsigned char c : line)
      if (c < 32 || c >= 127) Broken("an answer carries unprintable bytes: " + line, input);
    if (!line.empty() && (line[0] == '=' || line[0] == '?')) ++answers;
  };
  TGtpSession gtpSession(player, sink);
  TNboardSession nboardSession(player, sink);
  TSession& session = gtp ? static_cast<TSession&>(gtpSession) : nboardSession;

  // A GTP command is answered exactly once; a line that is only a comment,
  // or empty, not at all.
  auto line = [&](std::string_view text) {
    const std::vector<std::string> words = LineWords(text);
    const int before = answers;
    const bool goOn = session.Line(text);
    const int expected = words.empty() || words[0][0] == '#' ? 0 : 1;
    if (gtp && answers - before != expected)
      Broken("a GTP line got " + std::to_string(answers - before) + " answers", input);
    return goOn;
  };
  TLineSplitter splitter(300, line, [&] {
    session.LineTooLong();
    return !session.Ended();
  });
  splitter.Feed(std::string_view(input).substr(1));
  splitter.Finish();
  return 0;
}
