// Bytes from a stream cut into lines: LF ends a line, a CR before it is
// dropped, and a line longer than the limit is reported once and skipped
// to its end rather than kept, however long it grows.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace reversi::engines {

class TLineSplitter {
 public:
  // line: a whole line; tooLong: one was skipped. Either may end the
  // stream by returning false.
  using TLine = std::function<bool(std::string_view line)>;
  using TTooLong = std::function<bool()>;

  TLineSplitter(size_t maxLine, TLine line, TTooLong tooLong)
      : max_(maxLine), line_(std::move(line)), tooLong_(std::move(tooLong)) {}

  // False once a handler asked to stop.
  bool Feed(std::string_view bytes);
  // The end of the stream: a last line without its LF counts.
  bool Finish();

 private:
  size_t max_;
  TLine line_;
  TTooLong tooLong_;
  std::string buffer_;
  bool skipping_ = false;
};

}  // namespace reversi::engines
