#include "PlayerChoice.h"

#include "AnalystPlayer.h"
#include "GtpPlayer.h"
#include "LevelsPlayer.h"
#include "NboardPlayer.h"
#include "Words.h"

namespace reversi::engines {

const char* DefaultEngineName() {
  return "analyst";
}

std::unique_ptr<TSearchingPlayer> MakeSearchingPlayer(const std::string& name, std::string& error) {
  if (name == "levels") return std::make_unique<TLevelsPlayer>();
  if (name == "analyst") return TAnalystPlayer::Make(error);
  error = "unknown engine \"" + name + "\"";
  return nullptr;
}

std::unique_ptr<TPlayer> MakePlayer(const std::string& choice, std::string& error) {
  const size_t colon = choice.find(':');
  const std::string kind = choice.substr(0, colon);
  const std::string rest = colon == std::string::npos ? "" : choice.substr(colon + 1);
  if (kind == "gtp" || kind == "nboard") {
    auto argv = SplitCommand(rest);
    if (argv.empty()) {
      error = kind + ": needs the engine's command line";
      return nullptr;
    }
    if (kind == "nboard") return std::make_unique<TNboardPlayer>(std::move(argv));
    return std::make_unique<TGtpPlayer>(std::move(argv));
  }
  if (kind == "levels" && !rest.empty()) {
    const auto level = ParseWhole(rest, 1, 12);
    if (!level) {
      error = "levels:LEVEL takes a level from 1 to 12";
      return nullptr;
    }
    auto player = std::make_unique<TLevelsPlayer>();
    player->SetFixedDepth(static_cast<int>(*level));
    return player;
  }
  if (kind == "analyst" && !rest.empty()) {
    const auto strength = StrengthOf(rest);
    if (!strength) {
      error = "analyst:STRENGTH takes strong, good, club or beginner";
      return nullptr;
    }
    return TAnalystPlayer::Make(error, *strength);
  }
  if (!rest.empty()) {
    error = "unknown player \"" + choice + "\"";
    return nullptr;
  }
  return MakeSearchingPlayer(kind, error);
}

}  // namespace reversi::engines
