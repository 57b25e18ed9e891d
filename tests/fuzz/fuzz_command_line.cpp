// The game's command line. The input is the argument list, arguments ended
// by NUL bytes as the system hands them over. Whatever it holds, the reading
// ends in one answer: a mistake always says what is wrong, a game file to
// open is one of the arguments as given, and help or the version come only
// when an option before "--" asks for them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "FuzzCheck.h"

using vzfuzz::Broken;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> pieces{"vezari-zaduder"};
  size_t from = 0;
  while (from < input.size()) {
    const size_t end = std::min(input.find('\0', from), input.size());
    pieces.push_back(input.substr(from, end - from));
    from = end + 1;
  }
  std::vector<const char*> argv;
  for (const std::string& p : pieces) argv.push_back(p.c_str());
  argv.push_back(nullptr);

  const QStringList args = ArgumentsOf(static_cast<int>(pieces.size()), argv.data());
  const TCommandLine line = ParseCommandLine(args);

  if ((line.Action == TCommandLine::Mistake) == line.Problem.isEmpty()) Broken("a mistake without a reason", input);
  if (line.Action == TCommandLine::Play && !line.GameFile.isEmpty() && !args.mid(1).contains(line.GameFile)) {
    Broken("the game file is not one of the arguments", input);
  }
  // Help and the version only when asked for, in any of the spellings.
  const qsizetype end = args.indexOf(QStringLiteral("--"));
  const QStringList options = args.mid(1, end < 0 ? -1 : end - 1);
  auto given = [&](const char* name) {
    const QString word = QString::fromLatin1(name);
    return options.contains(u'-' + word) || options.contains(QStringLiteral("--") + word);
  };
  if (line.Action == TCommandLine::Help && !given("h") && !given("help") && !given("?")) {
    Broken("help answered unasked", input);
  }
  if (line.Action == TCommandLine::Version && !given("v") && !given("version")) {
    Broken("the version answered unasked", input);
  }
  return 0;
}
