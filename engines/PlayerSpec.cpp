#include "PlayerSpec.h"

#include "AnalystPlayer.h"
#include "GtpPlayer.h"
#include "NboardPlayer.h"
#include "SpecifiedPlayer.h"
#include "Words.h"

namespace reversi::engines {

const char* DefaultEngineName() {
  return "analyst";
}

std::unique_ptr<TSearchingPlayer> MakeSearchingPlayer(const std::string& name, std::string& error) {
  if (name == "specified") return std::make_unique<TSpecifiedPlayer>();
  if (name == "analyst") return TAnalystPlayer::Make(error);
  error = "unknown engine \"" + name + "\"";
  return nullptr;
}

std::unique_ptr<TPlayer> MakePlayer(const std::string& spec, std::string& error) {
  const size_t colon = spec.find(':');
  const std::string kind = spec.substr(0, colon);
  const std::string rest = colon == std::string::npos ? "" : spec.substr(colon + 1);
  if (kind == "gtp" || kind == "nboard") {
    auto argv = SplitCommand(rest);
    if (argv.empty()) {
      error = kind + ": needs the engine's command line";
      return nullptr;
    }
    if (kind == "nboard") return std::make_unique<TNboardPlayer>(std::move(argv));
    return std::make_unique<TGtpPlayer>(std::move(argv));
  }
  if (kind == "specified" && !rest.empty()) {
    const auto level = ParseWhole(rest, 1, 12);
    if (!level) {
      error = "specified:LEVEL takes a level from 1 to 12";
      return nullptr;
    }
    auto player = std::make_unique<TSpecifiedPlayer>();
    player->SetFixedDepth(static_cast<int>(*level));
    return player;
  }
  if (!rest.empty()) {
    error = "unknown player \"" + spec + "\"";
    return nullptr;
  }
  return MakeSearchingPlayer(kind, error);
}

}  // namespace reversi::engines
