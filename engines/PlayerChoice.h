// Players named on a command line or in settings:
//   levels[:LEVEL]   the classic player (a fixed level 1..12 overrides
//                       the match's budget)
//   analyst[:STRENGTH]  the analyst: the learned evaluation's search (analyst/);
//                       weaker at good, club or beginner (AnalystPlayer.h)
//   gtp:COMMAND         an external GTP engine, COMMAND split on blanks
//                       (quotes keep blanks), run without a shell
//   nboard:COMMAND      an external engine that speaks NBoard's protocol
// The switch for the engine that vezari-engine itself serves is here too.
#pragma once

#include <memory>
#include <string>

#include "Player.h"
#include "SearchingPlayer.h"

namespace reversi::engines {

std::unique_ptr<TPlayer> MakePlayer(const std::string& choice, std::string& error);

// The players that search in this process, by name ("levels",
// "analyst"); null with the reason for an unknown or missing one.
std::unique_ptr<TSearchingPlayer> MakeSearchingPlayer(const std::string& name, std::string& error);
// What vezari-engine serves unless told otherwise: the analyst (the
// classic player when the analyst's weights cannot be loaded).
const char* DefaultEngineName();

}  // namespace reversi::engines
