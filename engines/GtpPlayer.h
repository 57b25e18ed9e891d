// An external engine that speaks GTP, the Reversi dialect of GRhino and
// Quarry ("play black d3", "genmove white" answered "= C4" or "= pass"),
// run as a child process. It is started on the first game and again after
// it failed; a dead, hanging or babbling engine gives a clear error, never
// a wait without end.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Player.h"
#include "Process.h"

namespace reversi::engines {

class TGtpPlayer : public TPlayer {
 public:
  explicit TGtpPlayer(std::vector<std::string> argv);
  ~TGtpPlayer() override;

  // The engine's own name once started ("GRhino 0.16.1"), else the program.
  std::string Name() const override { return name_; }
  bool NewGame(const TGame& game, std::string& error) override;
  bool Play(int square, std::string& error) override;
  TMoveReply Generate(const TBudget& budget) override;

  // How long an answer may take: setting-up commands, and a move beyond
  // its budget (a move with a depth budget gets MoveMs alone).
  void SetTimeouts(int commandMs, int moveMs) {
    commandMs_ = commandMs;
    moveMs_ = moveMs;
  }
  // The child's process id, 0 when none runs (for tests).
  int Pid() const;

  // One GTP exchange: the answer's text after "= ", or false with the
  // error (the "? reason", or what became of the engine).
  bool Command(const std::string& command, std::string& answer, std::string& error, int timeoutMs);

 private:
  bool Start(std::string& error);
  void Fail();

  std::vector<std::string> argv_;
  std::string name_;
  std::unique_ptr<TProcess> process_;
  TGame game_;
  int commandMs_ = 10000;
  int moveMs_ = 60000;
  int64_t timeSet_ = -1;
};

}  // namespace reversi::engines
