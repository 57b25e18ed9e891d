// NBoard's engine protocol, version 2: the GUI sets the game (GGF) and the
// depth, sends moves, and asks for a move (go), hints or an analysis of the
// game; ping waits for any search to stop. Errors are "status error: ..."
// lines, which NBoard shows; the session goes on.
#pragma once

#include <chrono>

#include "Session.h"

namespace reversi::engines {

class TNboardSession : public TSession {
 public:
  TNboardSession(TSearchingPlayer& player, TSink sink);

  bool Interrupts(const std::vector<std::string>& words) const override;

 protected:
  void Command(const std::vector<std::string>& words, std::string_view line) override;
  void Refuse(const std::string& reason) override;

 private:
  void Set(const std::vector<std::string>& words, std::string_view line);
  void Move(const std::string& text);
  void Go();
  void Hint(int count);
  void Analyze();
  TBudget Budget() const { return {depth_, 0}; }
  std::string Depth(const TMoveValue& value) const;

  TGame game_;
  bool passDue_ = false;  // the side to move in NBoard's eyes has no move
  int contempt_ = 0;      // read and kept; the players do not use it
  std::string name_;
};

}  // namespace reversi::engines
