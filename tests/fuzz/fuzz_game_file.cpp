// The ".RGM" reader. The engine holds a known game (with forward moves in its
// record) when the input is loaded. A refused file must leave that game
// exactly as it was; an accepted one must be the game an independent reading
// of the file gives, pass the consistency check, and save back to numbers
// that load again to the same position.
#include <cstddef>
#include <cstdint>

#include "EngineState.h"
#include "FuzzCheck.h"
#include "GameFileOracle.h"
#include "ReversiCore.h"

using namespace reversi;
using namespace vztest;
using vzfuzz::Broken;

namespace {

// The first 44 moves of the first tournament game in the test data.
constexpr int kKnownGame[] = {51, 60, 59, 42, 32, 48, 52, 43, 34, 58, 68, 33, 23, 67, 39, 31, 69, 57, 75, 24, 47, 56,
                              66, 13, 55, 38, 28, 35, 29, 46, 30, 37, 22, 14, 21, 62, 61, 77, 78, 79, 53, 44, 12, 71};

void SetUpKnownGame(TReversiCore& e) {
  e.NewGame();
  for (int sq : kKnownGame) e.PlayMove(sq);
  for (int i = 0; i < 5; ++i) e.TakeBack();
}

struct TFixture {
  TReversiCore Engine, Replica;
  TEngineState Known;
  std::string KnownText;
  std::string Input = vzfuzz::ScratchFolder() + "/input.rgm";
  std::string Saved = vzfuzz::ScratchFolder() + "/saved.rgm";
  TFixture() {
    Engine.SetMode(TwoPlayer);
    SetUpKnownGame(Engine);
    if (Engine.MovesPlayed != 39 || !Engine.CanMoveForward() || !Engine.CheckConsistency().empty())
      Broken("the known game does not replay", Engine.RecordText());
    Known = TEngineState::Of(Engine);
    KnownText = Engine.RecordText();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TFixture f;
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (!WriteText(f.Input, text)) Broken("cannot write the scratch file", f.Input);

  // A refused file leaves the known game in place (that is the property
  // checked), so the game is set up again only after an accepted one.
  TReversiCore& e = f.Engine;
  if (e.RecordText() != f.KnownText) SetUpKnownGame(e);
  const TEngineState before = TEngineState::Of(e);
  if (before != f.Known) Broken("the known game did not come back: " + Difference(f.Known, before), e.RecordText());
  // The reader drops a byte-order mark before it reads the numbers.
  const bool bom = text.compare(0, 3, "\xEF\xBB\xBF") == 0;
  const auto expected = ExpectedLoad(bom ? text.substr(3) : text);
  const TFileResult result = e.LoadGame(f.Input);

  if (!result) {
    if (expected) Broken("a file that holds a game was refused: " + result.Reason, text);
    if (result.Reason.empty()) Broken("a refused file gave no reason", text);
    if (std::string d = Difference(before, TEngineState::Of(e)); !d.empty())
      Broken("a refused file changed the game: " + d, text);
    return 0;
  }
  if (!expected) Broken("a file that cannot be replayed was accepted", text);

  const int n = static_cast<int>(expected->Moves.size());
  if (std::string d = e.CheckConsistency(); !d.empty()) Broken("after loading: " + d, text);
  if (std::string d = Compare(expected->Position, e); !d.empty()) Broken("loaded to another position: " + d, text);
  if (e.MovesPlayed != n) Broken("MovesPlayed is " + std::to_string(e.MovesPlayed), text);
  for (int i = 0; i < n; ++i)
    if (e.GameRecord[i] != expected->Moves[i]) Broken("record entry " + std::to_string(i) + " is wrong", text);
  if (e.GameRecord[n] != 0 || e.CanMoveForward()) Broken("moves after the current one were kept", text);
  if (e.JustPlayedSquare != (n ? expected->Moves[n - 1] : before.JustPlayedSquare))
    Broken("the last-move mark is not on the last move", text);

  if (TFileResult saved = e.SaveGame(f.Saved); !saved) Broken("saving the loaded game failed: " + saved.Reason, text);
  const auto savedText = ReadText(f.Saved);
  std::string numbers = std::to_string(n) + " ";
  for (int m : expected->Moves) numbers += std::to_string(m) + " ";
  numbers += std::to_string(n);
  if (!savedText || *savedText != numbers)
    Broken("saved back as \"" + savedText.value_or("?") + "\", not \"" + numbers + "\"", text);
  if (TFileResult again = f.Replica.LoadGame(f.Saved); !again)
    Broken("the saved game does not load: " + again.Reason, text);
  if (f.Replica.Cells != e.Cells || f.Replica.MovesPlayed != n || f.Replica.RecordText() != e.RecordText() ||
      (!expected->Position.Over() && f.Replica.SideToMove != e.SideToMove))
    Broken("the saved game loads to another position", text);
  return 0;
}
