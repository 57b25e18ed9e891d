// The analyst's static evaluation: an estimate of the final disc margin for
// the side to move, learned from real games (tools/learn/).
//
// An evaluation is immutable once loaded, so any number of threads may share
// one object and call Evaluate at once.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace reversi::analyst {

using TBits = uint64_t;             // bit 8*row+col, A1 = bit 0
inline constexpr int kScale = 128;  // evaluation units per disc
inline constexpr int kMaxValue = 64 * kScale;

class TEvaluation {
 public:
  // Reads a weights file; on failure returns nullptr and sets `error` to a
  // clear reason (missing, wrong size, wrong version or magic, damaged).
  static std::unique_ptr<TEvaluation> Load(const std::string& path, std::string& error);
  // The shipped weights: looked for beside the executable, in the installed
  // data folder and in the source tree's copy.
  static std::unique_ptr<TEvaluation> LoadDefault(std::string& error);
  // A crude judgement (discs and mobility) needing no file, for tests and
  // for building before the learned weights exist.
  static std::unique_ptr<TEvaluation> StandIn();

  // Estimated final disc margin for `player` (to move), in 1/kScale discs,
  // always within [-kMaxValue, kMaxValue].
  int Evaluate(TBits player, TBits opponent) const;

  ~TEvaluation();
  TEvaluation(const TEvaluation&) = delete;
  TEvaluation& operator=(const TEvaluation&) = delete;

 private:
  TEvaluation();
  struct TTables;
  std::unique_ptr<const TTables> tables_;  // null: the stand-in
};

}  // namespace reversi::analyst
