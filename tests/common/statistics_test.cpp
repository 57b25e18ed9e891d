// The statistics of games played: kept across a reload, reset, and a file
// that is not ours refused with its reason and left as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "GameStatistics.h"

using namespace stats;

namespace {

class StatisticsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("vz-stats-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    path_ = StatisticsPathBeside((folder_ / "Reversi.ini").string());
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  void Write(const std::string& text) const { std::ofstream(path_, std::ios::binary) << text; }
  std::string Read() const {
    std::ostringstream s;
    s << std::ifstream(path_, std::ios::binary).rdbuf();
    return s.str();
  }

  std::filesystem::path folder_;
  std::string path_;
};

TEST_F(StatisticsFile, GamesAreKeptAcrossAReloadAndResetEmptiesThem) {
  EXPECT_EQ(path_, (folder_ / "Statistics.ini").string());
  // Names the user gave an engine may hold anything a line can.
  const std::string odd = "engine: 100% <Edax>\tv4 \xC3\xA9\n;[x]=y ";
  ASSERT_TRUE(TStatisticsFile(path_).Add({{"level:3", 10}, {"level:3", -4}, {"level:3", 0}, {odd, 64}}));
  ASSERT_TRUE(TStatisticsFile(path_).Add({{"level:3", 2}}));

  const TParsed again = TStatisticsFile(path_).Load();
  ASSERT_TRUE(again.Statistics) << again.Reason;
  const auto& t = again.Statistics->Tallies();
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t.at("level:3"), (TTally{2, 1, 1, 8}));
  EXPECT_DOUBLE_EQ(t.at("level:3").AverageMargin(), 2.0);
  EXPECT_EQ(t.at(odd), (TTally{1, 0, 0, 64}));

  ASSERT_TRUE(TStatisticsFile(path_).Reset());
  const TParsed reset = TStatisticsFile(path_).Load();
  ASSERT_TRUE(reset.Statistics);
  EXPECT_TRUE(reset.Statistics->Tallies().empty());
}

TEST_F(StatisticsFile, AMissingFileIsEmptyAndAnEmptyNameIsNotCounted) {
  const TParsed none = TStatisticsFile(path_).Load();
  ASSERT_TRUE(none.Statistics);
  EXPECT_TRUE(none.Statistics->Tallies().empty());
  TGameStatistics s;
  EXPECT_FALSE(s.Add({"", 3}));
  EXPECT_FALSE(s.Add({std::string(kMaxNameBytes + 1, 'x'), 3}));
  EXPECT_TRUE(s.Tallies().empty());
}

struct TDamage {
  const char* Name;
  std::string Text;
  const char* Reason;  // a part of the reason given
};

// Shown by name in the test list rather than as the struct's raw bytes.
void PrintTo(const TDamage& damage, std::ostream* out) {
  *out << damage.Name;
}

class DamagedFile : public StatisticsFile, public ::testing::WithParamInterface<TDamage> {};

TEST_P(DamagedFile, IsRefusedWithItsReasonAndLeftAsItWas) {
  const TDamage& damage = GetParam();
  Write(damage.Text);
  const TParsed loaded = TStatisticsFile(path_).Load();
  EXPECT_FALSE(loaded.Statistics);
  EXPECT_NE(loaded.Reason.find(damage.Reason), std::string::npos) << loaded.Reason;

  std::string whyNot;
  EXPECT_FALSE(TStatisticsFile(path_).Add({{"level:1", 5}}, &whyNot));
  EXPECT_EQ(whyNot, loaded.Reason);
  EXPECT_EQ(Read(), damage.Text);
}

const std::string kGood = "[Statistics]\nFormat=1\n[Opponent1]\nName=level:1\nWins=1\nDraws=0\nLosses=0\nMargin=4\n";

INSTANTIATE_TEST_SUITE_P(
    Statistics, DamagedFile,
    ::testing::Values(TDamage{"Binary", std::string("\x89PNG\r\n\x1a\n\0\0", 10), "NUL byte"},
                      TDamage{"NotIni", "Hello\nworld\n", "line 1"},
                      TDamage{"NewerFormat", "[Statistics]\nFormat=2\n", "format \"2\""},
                      TDamage{"NoFormat", "[Opponent1]\nName=a\nWins=1\nDraws=0\nLosses=0\nMargin=1\n", "[Statistics]"},
                      TDamage{"UnknownSection", kGood + "[Other]\nx=1\n", "[Other]"},
                      TDamage{"UnknownKey", kGood + "Bonus=3\n", "Bonus"},
                      TDamage{"NegativeCount",
                              "[Statistics]\nFormat=1\n[Opponent1]\nName=a\nWins=-1\nDraws=0\n"
                              "Losses=0\nMargin=0\n",
                              "Wins"},
                      TDamage{"CountNoNumber",
                              "[Statistics]\nFormat=1\n[Opponent1]\nName=a\nWins=1x\nDraws=0\n"
                              "Losses=0\nMargin=0\n",
                              "Wins"},
                      TDamage{"MarginTooLarge",
                              "[Statistics]\nFormat=1\n[Opponent1]\nName=a\nWins=1\nDraws=0\n"
                              "Losses=0\nMargin=65\n",
                              "Margin"},
                      TDamage{"KeyTwice", kGood + "Wins=2\n", "twice"},
                      TDamage{"NameTwice", kGood + "[Opponent2]\nName=level:1\nWins=1\nDraws=0\nLosses=0\nMargin=4\n",
                              "again"},
                      TDamage{"BadEscape",
                              "[Statistics]\nFormat=1\n[Opponent1]\nName=a%4\nWins=1\nDraws=0\n"
                              "Losses=0\nMargin=0\n",
                              "name"}),
    [](const ::testing::TestParamInfo<TDamage>& row) { return std::string(row.param.Name); });

TEST_F(StatisticsFile, AFolderOrAPipeAtItsNameIsRefusedWithItsReason) {
  std::filesystem::create_directory(path_);
  const TParsed folder = TStatisticsFile(path_).Load();
  EXPECT_FALSE(folder.Statistics);
  EXPECT_FALSE(folder.Reason.empty());
  std::string whyNot;
  EXPECT_FALSE(TStatisticsFile(path_).Add({{"level:1", 1}}, &whyNot));
  EXPECT_FALSE(whyNot.empty());
  EXPECT_TRUE(std::filesystem::is_directory(path_));

  std::filesystem::remove(path_);
  ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
  EXPECT_FALSE(TStatisticsFile(path_).Load().Statistics);  // refused at once, never waited on
  EXPECT_FALSE(TStatisticsFile(path_).Add({{"level:1", 1}}));
  EXPECT_TRUE(std::filesystem::is_fifo(path_));
}

}  // namespace
