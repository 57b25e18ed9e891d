// The game collection readers (WTHOR, GGF files of many games, one game a
// line). Whatever they keep must replay under the rules, and every refusal
// must say why.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "GameCollection.h"
#include "PositionIndex.h"
#include "Replay.h"

using namespace reversi::openings;
using vzfuzz::Broken;

namespace {

void Check(const TCollection& c, const std::string& input) {
  for (const TCollectedGame& g : c.Games) {
    if (!WalkGame(g.Start, g.Moves, [](const TPly&) {})) Broken("a kept game does not replay", input);
    if (g.BlackScore > 64) Broken("a score over 64 was kept", input);
  }
  for (const TCollectionProblem& p : c.Problems)
    if (p.Reason.empty()) Broken("a problem without a reason", input);
  if (!c.Games.empty()) TPositionIndex(c.Games).Find(SideView(c.Games[0].Start));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  Check(ReadWthor(input, {"a"}, {"b"}), input);
  Check(ReadMoveLines(input), input);
  Check(ReadGgfGames(input), input);
  ReadWthorNames(input, 20);
  return 0;
}
