// A registered external engine (Edit > Engines...) as the computer player:
// asked for the computer's move through the board's move chooser, in its
// own process, from a thread of its own while this thread's event loop
// runs. Its move is checked by our rules: an illegal one is refused and
// reported, and the chooser after it plays instead; so does it when the
// engine is missing, crashes or hangs (the game goes on). Off (no engine
// chosen) until chosen, for this run only.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "EngineSettings.h"
#include "ReversiCore.h"

struct TEngineOpponentState;

class TEngineOpponent {
 public:
  TEngineOpponent();
  ~TEngineOpponent();

  // The engine that plays, by its registered name; empty for none. The
  // engine is started at its first move.
  void Choose(const TEngineEntry* entry);
  const std::string& Chosen() const;

  // Makes engine ask the chosen engine first and next otherwise. failed
  // hears why the engine's move was not played.
  void Install(reversi::TReversiCore& engine, std::function<int(reversi::TReversiCore&)> next,
               std::function<void(const QString& what)> failed);
  // The engine's move in this game, or 0 (failed told why).
  int Move(reversi::TReversiCore& engine, const std::function<void(const QString&)>& failed);

  // How long an engine may take for a move before it is given up.
  static constexpr int kMoveMs = 30000;

 private:
  std::shared_ptr<TEngineOpponentState> state_;
};
