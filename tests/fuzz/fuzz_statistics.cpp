// The statistics file of games played. The input is the file as found: it
// must be read or refused with a printable reason, never both; what is read
// must be written back to a text that reads the same; counting a game into
// the file must give what was read plus that game, and when it is refused
// the file must be left byte for byte.
#include <cstddef>
#include <cstdint>
#include <string>

#include "EngineState.h"
#include "FuzzCheck.h"
#include "GameStatistics.h"

using vzfuzz::Broken;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = vzfuzz::ScratchFolder() + "/Statistics.ini";
  const std::string text(reinterpret_cast<const char*>(data), size);

  const stats::TParsed parsed = stats::ParseStatistics(text);
  if (!parsed.Statistics) vzfuzz::CheckReason(parsed.Reason, text);
  if (parsed.Statistics) {
    const stats::TParsed again = stats::ParseStatistics(stats::StatisticsText(*parsed.Statistics));
    if (!again.Statistics || !(*again.Statistics == *parsed.Statistics))
      Broken("statistics written out do not read back: " + again.Reason, text);
  }

  if (!vztest::WriteText(path, text)) Broken("cannot write the scratch file", path);
  const stats::TGameResult game{size ? "engine:" + text.substr(0, data[0] % 8) : "level:1",
                                size ? static_cast<int8_t>(data[size - 1]) % 70 : 0};
  std::string whyNot;
  stats::TStatisticsFile file(path);
  if (!file.Add({game}, &whyNot)) {
    if (parsed.Statistics) Broken("a game was not counted into a readable file: " + whyNot, text);
    if (vztest::ReadText(path) != text) Broken("a refused file was changed", text);
    return 0;
  }
  if (!parsed.Statistics) Broken("a game was counted into a refused file", text);
  stats::TGameStatistics want = *parsed.Statistics;
  want.Add(game);
  const stats::TParsed after = file.Load();
  if (!after.Statistics || !(*after.Statistics == want)) Broken("the file does not hold the game counted", text);
  return 0;
}
