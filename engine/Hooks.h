// What the engine needs of the platform. The widget fills these in; headless
// (tests, tools, benchmarks) the defaults do nothing but read the clock.
#pragma once

#include <cstdint>
#include <string>

namespace reversi {

class THooks {
 public:
  virtual ~THooks() = default;
  // Lets the window's message loop run once. Called at every search node, so
  // an implementation must be cheap when it has nothing to do.
  virtual void ProcessMessages() {}
  // Invalidates the whole control and paints it before returning.
  virtual void Repaint() {}
  // The plain end-of-game message (text and an OK button).
  virtual void ShowMessage(const std::string&) {}
  // "You must pass", caption "Reversi", OK and Cancel; the answer is ignored.
  virtual void ShowPassBox() {}
  // Milliseconds from an arbitrary start; wraps around at 2^32.
  virtual uint32_t TickCount();
  // The search is about to walk its tree / has finished walking it and is
  // about to play its move. Between the two the cells hold positions from
  // inside the tree; a view may paint from a copy taken at the first call.
  virtual void SearchWalkBegin() {}
  virtual void SearchWalkEnd() {}
  // The search's move has been played (with any search nested in it for a
  // pass) and Thinking is false again. Follows every SearchWalkBegin once.
  virtual void SearchFinished() {}
  // The search has a new best move at the root; BestSquare and MainLine
  // give it. A view that shows the thinking repaints here.
  virtual void SearchBestChanged() {}
  // A move has been played on the board and the turn handed on, before the
  // repaint that shows it.
  virtual void MovePlayed() {}
};

}  // namespace reversi
