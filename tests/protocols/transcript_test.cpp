// Transcripts: a session's lines in and the lines expected out, for each
// protocol (transcripts/*.txt). Lines starting "> " are sent, "< " are
// expected, in order; "depth N" and "protocol nboard|gtp" set the session
// up; '#' lines are comments. Times are written T, node counts N.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "GtpSession.h"
#include "LevelsPlayer.h"
#include "NboardSession.h"

using namespace reversi::engines;

namespace {

std::string Normalised(const std::string& line) {
  static const std::regex move(R"(^(=== [A-H][1-8]/[-+0-9.]+)/[0-9.]+$)");
  static const std::regex nodes(R"(^nodestats [0-9]+ [0-9.]+$)");
  if (std::regex_match(line, nodes)) return "nodestats N T";
  return std::regex_replace(line, move, "$1/T");
}

struct TTranscript {
  std::string Protocol = "nboard";
  int Depth = 4;
  std::vector<std::string> Expected;  // with the inputs, "> ..." lines
  std::vector<std::string> Inputs;
};

TTranscript Read(const std::filesystem::path& path) {
  TTranscript t;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("> ", 0) == 0) {
      t.Inputs.push_back(line.substr(2));
      t.Expected.push_back(line);
    } else if (line.rfind("<", 0) == 0) {
      t.Expected.push_back(line.size() > 2 ? line.substr(2) : "");
    } else if (line.rfind("protocol ", 0) == 0) {
      t.Protocol = line.substr(9);
    } else if (line.rfind("depth ", 0) == 0) {
      t.Depth = std::stoi(line.substr(6));
    }
  }
  return t;
}

std::vector<std::string> Play(const TTranscript& t) {
  std::vector<std::string> out;
  TLevelsPlayer player;
  player.SetExactFrom(10);
  auto sink = [&out](const std::string& line) { out.push_back(Normalised(line)); };
  std::unique_ptr<TSession> session;
  if (t.Protocol == "gtp")
    session = std::make_unique<TGtpSession>(player, sink);
  else
    session = std::make_unique<TNboardSession>(player, sink);
  session->SetDepth(t.Depth);
  for (const std::string& input : t.Inputs) {
    out.push_back("> " + input);
    session->Line(input);
  }
  return out;
}

class Transcript : public testing::TestWithParam<std::string> {};

TEST_P(Transcript, AnswersAsWritten) {
  const TTranscript t = Read(std::filesystem::path(VZ_TRANSCRIPTS) / GetParam());
  ASSERT_FALSE(t.Inputs.empty());
  const std::vector<std::string> actual = Play(t);
  std::string got;
  for (const std::string& line : actual) got += (line.rfind("> ", 0) == 0 ? "" : "< ") + line + "\n";
  std::string want;
  for (const std::string& line : t.Expected) want += (line.rfind("> ", 0) == 0 ? "" : "< ") + line + "\n";
  // VZ_TRANSCRIPT_OUT=folder writes what was answered there, for review.
  if (const char* folder = std::getenv("VZ_TRANSCRIPT_OUT"))
    std::ofstream(std::filesystem::path(folder) / GetParam()) << got;
  EXPECT_EQ(want, got);
}

std::vector<std::string> Files() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(VZ_TRANSCRIPTS))
    if (entry.path().extension() == ".txt") names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

INSTANTIATE_TEST_SUITE_P(Protocols, Transcript, testing::ValuesIn(Files()), [](const auto& param) {
  std::string name = param.param.substr(0, param.param.size() - 4);
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
});

}  // namespace
