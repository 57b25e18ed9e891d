// GTP as GRhino and Quarry speak it for Reversi: "play black d3",
// "genmove white" answered "= C4", "pass" only where the rules make one.
// Every answer is "= ..." or "? reason" and an empty line, with the
// command's id when it had one; nothing stops the session but quit or the
// end of the input.
#pragma once

#include "Session.h"

namespace reversi::engines {

class TGtpSession : public TSession {
 public:
  TGtpSession(TSearchingPlayer& player, TSink sink);

  bool Interrupts(const std::vector<std::string>& words) const override;

 protected:
  void Command(const std::vector<std::string>& words, std::string_view line) override;
  void Refuse(const std::string& reason) override;

 private:
  void Answer(const std::string& text);
  void Fail(const std::string& reason);
  void Play(const std::vector<std::string>& args);
  void Genmove(const std::vector<std::string>& args);
  void TimeSettings(const std::vector<std::string>& args);
  void TimeLeft(const std::vector<std::string>& args);
  std::string Board() const;
  std::string FinalScore() const;
  TBudget Budget(const TPosition& position) const;

  TGame game_;
  std::string id_;
  // Time left for each side (index kBlack > 0), in ms, and the byo-yomi:
  // -1 until the controller says.
  int64_t mainMs_ = -1, byoMs_ = 0;
  int byoStones_ = 0;
  int64_t leftMs_[2] = {-1, -1};
  int leftStones_[2] = {0, 0};
};

}  // namespace reversi::engines
