// Opening a game file by its content. The engine holds a known game from a
// set-up start when the input is opened. A refused file must leave that
// game and its start exactly as they were; an accepted one must be the game
// the notation reads from the text (or a ".RGM" game from the standard
// start), replayed by the engine to the position the notation gives, and
// saved in its own format it must open again to the same game.
#include <cstddef>
#include <cstdint>

#include "EngineState.h"
#include "FuzzCheck.h"
#include "ReversiCore.h"

using namespace reversi;
using namespace vztest;
using vzfuzz::Broken;

namespace {

// Twenty moves of a tournament game, then the known game's moves from there.
TGame KnownGame() {
  const TReadResult opening = ReadMoveList("f5f6e6f4e3c5g5g4g3d6e7f3e2d7c4d3f7c6c8f2");
  TGame game;
  FinalPosition(opening.Game, game.Start);
  game.Moves = ReadMoveList("b5b6c7d1a6b4a3h3", game.Start).Game.Moves;
  return game;
}

struct TFixture {
  TReversiCore Engine, Replica;
  TGame Known = KnownGame();
  std::string Input = vzfuzz::ScratchFolder() + "/input";
  std::string SavedGgf = vzfuzz::ScratchFolder() + "/saved.ggf";
  std::string SavedRgm = vzfuzz::ScratchFolder() + "/saved.rgm";
  TFixture() {
    if (Known.Moves.size() != 8 || !Engine.SetGame(Known)) Broken("the known game does not set up", "");
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TFixture f;
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (!WriteText(f.Input, text)) Broken("cannot write the scratch file", f.Input);
  TReversiCore& e = f.Engine;
  if (e.CurrentGame() != f.Known) e.SetGame(f.Known);
  const TEngineState before = TEngineState::Of(e);
  const TFileResult result = e.OpenGame(f.Input);
  // The file reader drops a byte-order mark before the text is read.
  const std::string content = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? text.substr(3) : text;
  const TReadResult notation = ReadGameText(content);
  // Text that starts with a number or a sign may be a ".RGM" file.
  const size_t first = content.find_first_not_of(" \t\r\n\f\v");
  const bool numbers =
      first == std::string::npos || std::string("+-0123456789").find(content[first]) != std::string::npos;

  if (!result) {
    vzfuzz::CheckReason(result.Reason, text);
    if (notation && !numbers) Broken("a game the notation reads was refused: " + result.Reason, text);
    if (std::string d = Difference(before, TEngineState::Of(e)); !d.empty())
      Broken("a refused file changed the game: " + d, text);
    if (e.CurrentGame() != f.Known) Broken("a refused file changed the start", text);
    return 0;
  }
  const TGame game = e.CurrentGame();
  if (notation && !numbers && notation.Game != game)
    Broken("the engine opened another game than the notation reads", text);
  TPosition end;
  if (!FinalPosition(game, end)) Broken("the opened game does not replay", text);
  if (std::string d = e.CheckConsistency(); !d.empty()) Broken("after opening: " + d, text);
  for (int k = 0; k < 64; ++k)
    if (e.Cell(SquareOf(k / 8, k % 8)) != end.Squares[k]) Broken("the engine's board differs from the game's", text);
  if (!IsOver(end) && e.SideToMove != end.Side) Broken("the side to move differs from the game's", text);

  const bool setUp = e.IsSetUp();
  const std::string& saved = setUp ? f.SavedGgf : f.SavedRgm;
  const TFileResult written = setUp ? e.SaveGgf(saved, {}) : e.SaveGame(saved);
  if (!written) Broken("saving the opened game failed: " + written.Reason, text);
  if (TFileResult again = f.Replica.OpenGame(saved); !again || f.Replica.CurrentGame() != game)
    Broken("the saved game does not open to the same game", text);
  return 0;
}
