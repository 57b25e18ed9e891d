// Shared pieces of the engine tests: recording hooks, an event log, and a
// finder of positions with a given property.
#pragma once

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "ReversiCore.h"

namespace testing_support {

using reversi::TReversiCore;

class RecordingHooks : public reversi::THooks {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowPassBox() override { ++passBoxes; }
  void Repaint() override { ++repaints; }
  std::vector<std::string> messages;
  int passBoxes = 0;
  int repaints = 0;
};

// Attaches a handler to every event; each appends a short line to the log.
// OnEndGame and OnPassRequest are left empty when withFallbacks is true, so
// that the built-in behaviour runs.
void LogEvents(TReversiCore& e, std::vector<std::string>& log, bool withFallbacks = false);

// Plays seeded random games in two-player mode and returns the moves of the
// first position (as a move list from the start) for which accept holds
// before the next move is chosen; empty optional if none was found.
std::vector<int> FindLine(const std::function<bool(TReversiCore&)>& accept, unsigned seed = 1, int games = 5000);

// Replays a move list in two-player mode on a fresh state of e.
void Replay(TReversiCore& e, const std::vector<int>& moves);

}  // namespace testing_support
