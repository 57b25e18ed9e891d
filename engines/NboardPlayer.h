// An external engine that speaks NBoard's protocol (version 2), run as a
// child process. It is given the whole game (set game) before each move it
// is asked for, so passes and take-backs need no bookkeeping; a ping waits
// for it to catch up. Budgets in time are given as a depth (NBoard's
// protocol has no time per move).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Player.h"
#include "Process.h"

namespace reversi::engines {

class TNboardPlayer : public TPlayer {
 public:
  explicit TNboardPlayer(std::vector<std::string> argv);
  ~TNboardPlayer() override;

  std::string Name() const override { return name_; }
  bool NewGame(const TGame& game, std::string& error) override;
  bool Play(int square, std::string& error) override;
  TMoveReply Generate(const TBudget& budget) override;

  void SetTimeouts(int commandMs, int moveMs) {
    commandMs_ = commandMs;
    moveMs_ = moveMs;
  }
  // The depth asked for when the budget is a time.
  static constexpr int kDepthForTime = 10;

 private:
  bool Start(std::string& error);
  // Sends a ping and reads to its pong, keeping the engine's name if it
  // says it on the way.
  bool Sync(std::string& error);
  void Fail();
  std::string Who() const;
  std::string GameText() const;

  std::vector<std::string> argv_;
  std::string name_;
  std::unique_ptr<TProcess> process_;
  TGame game_;
  int ping_ = 0;
  int commandMs_ = 10000;
  int moveMs_ = 60000;
};

}  // namespace reversi::engines
