// The settings file: integer reading rules, the INI store's keeping of other
// content, its failure modes, and the reading and writing of the settings.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include "FileLock.h"
#include "IniStore.h"
#include "ReversiCore.h"
#include "Settings.h"
#include "WindowPlacement.h"

namespace fs = std::filesystem;
using namespace reversi;
using namespace std::chrono_literals;

namespace {

class TempDir {
 public:
  TempDir() {
    std::string templ = (fs::temp_directory_path() / "vz-settings-XXXXXX").string();
    path_ = ::mkdtemp(templ.data());
  }
  ~TempDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
  }
  std::string File(const std::string& name = "Reversi.ini") const { return (path_ / name).string(); }
  const fs::path& Path() const { return path_; }
  // Names in the directory other than the settings file: leftovers of a write.
  int Leftovers() const {
    int n = 0;
    for (const auto& e : fs::directory_iterator(path_)) n += e.path().filename() != "Reversi.ini";
    return n;
  }

 private:
  fs::path path_;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void Put(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

// The engine and the board's switches as the main window's design leaves
// them before the settings are read.
void ApplyDesignValues(TReversiCore& engine, TShellSwitches& switches) {
  engine.SetGamma(1500);
  engine.SetSelectiveDepth(10);
  switches.ShowLegal = true;
  switches.ShowThinking = true;
}

const char* const kFreshFile =
    "[Preferences]\n"
    "Thinking=0\n"
    "ShowFlips=0\n"
    "Show_Legal_Moves=0\n"
    "Statistics=1\n"
    "Best_Line=1\n"
    "Sound=1\n"
    "Selective=1\n"
    "\n"
    "\n"
    "[Level]\n"
    "Move_Time=2\n"
    "Two_Player=0\n"
    "Level=0\n"
    "Gamma=40\n"
    "Selective_Depth=5\n";

}  // namespace

// ---- Integer reading rules ----

struct IntCase {
  const char* Text;
  std::optional<int32_t> Value;
};

// Shown in failures and test listings as the quoted text, not as bytes.
void PrintTo(const IntCase& c, std::ostream* os) {
  *os << '"';
  for (const char* t = c.Text; *t; ++t) *os << (*t == '\t' ? "\\t" : std::string(1, *t));
  *os << '"';
}

class ParseIniIntegerTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(ParseIniIntegerTest, ReadsTheIntegerOrNothing) {
  EXPECT_EQ(ParseIniInteger(GetParam().Text), GetParam().Value) << '"' << GetParam().Text << '"';
}

// The case's text spelled out for its test name, which may hold letters,
// digits and underscores only: "-$20" is "text_minus_dollar_20" (a name of
// digits alone would be taken for an index and replaced by the bytes).
std::string SpelledText(const testing::TestParamInfo<IntCase>& info) {
  static const std::map<char, const char*> kWords = {{'+', "plus"},  {'-', "minus"}, {'$', "dollar"},
                                                     {' ', "space"}, {'\t', "tab"},  {'.', "dot"}};
  std::string name;
  for (const char* c = info.param.Text; *c; ++c) {
    const bool word = !std::isalnum(static_cast<unsigned char>(*c));
    if (word && !name.empty() && name.back() != '_') name += '_';
    name += word ? std::string(kWords.count(*c) ? kWords.at(*c) : "other") : std::string(1, *c);
    if (word && c[1]) name += '_';
  }
  return "text_" + (name.empty() ? std::string("empty") : name);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ParseIniIntegerTest,
    ::testing::Values(IntCase{"0", 0}, IntCase{"42", 42}, IntCase{"+42", 42}, IntCase{"-42", -42}, IntCase{"-0", 0},
                      IntCase{"007", 7}, IntCase{"  12", 12}, IntCase{"\t12", 12},
                      // Hexadecimal, with "$" or a leading "0x" of a longer text.
                      IntCase{"$20", 32}, IntCase{"0x20", 32}, IntCase{"0X20", 32}, IntCase{"$fF", 255},
                      IntCase{"0x1", 1}, IntCase{"$7FFFFFFF", INT32_MAX},
                      // Not integers.
                      IntCase{"", std::nullopt}, IntCase{"   ", std::nullopt}, IntCase{"+", std::nullopt},
                      IntCase{"-", std::nullopt}, IntCase{"$", std::nullopt}, IntCase{"0x", std::nullopt},
                      IntCase{"yes", std::nullopt}, IntCase{"12 ", std::nullopt}, IntCase{"12a", std::nullopt},
                      IntCase{"1e3", std::nullopt}, IntCase{"1.5", std::nullopt}, IntCase{"- 1", std::nullopt},
                      IntCase{"+-1", std::nullopt}, IntCase{"$g", std::nullopt},
                      // A sign before "$", and "0x" that is not at the very start.
                      IntCase{"-$20", std::nullopt}, IntCase{"+$20", std::nullopt}, IntCase{"-0x20", std::nullopt},
                      IntCase{" 0x20", std::nullopt}, IntCase{"0x-1", std::nullopt}, IntCase{"00x20", std::nullopt},
                      // The 32-bit signed range, whatever the notation.
                      IntCase{"2147483647", INT32_MAX}, IntCase{"-2147483648", INT32_MIN},
                      IntCase{"2147483648", std::nullopt}, IntCase{"-2147483649", std::nullopt},
                      IntCase{"$80000000", std::nullopt}, IntCase{"99999999999999999999999999", std::nullopt},
                      IntCase{"$FFFFFFFFFFFFFFFFFFFF", std::nullopt}),
    SpelledText);

// ---- The store ----

TEST(IniStore, MissingFileSectionOrKeyGivesTheDefault) {
  TempDir dir;
  TIniStore ini(dir.File());
  EXPECT_EQ(ini.ReadInteger("Level", "Gamma", 40), 40);
  EXPECT_TRUE(ini.ReadBool("Preferences", "Sound", true));
  Put(dir.File(), "[Level]\nOther=1\n");
  EXPECT_EQ(ini.ReadInteger("Level", "Gamma", 40), 40);
  EXPECT_EQ(ini.ReadInteger("Preferences", "Other", -3), -3);
  EXPECT_EQ(dir.Leftovers(), 0);
}

TEST(IniStore, MatchesNamesRegardlessOfCaseAndTrimsValues) {
  TempDir dir;
  Put(dir.File(), "[level]\r\nGAMMA =   0x20  \r\nlevel\t=\t13\r\nEmpty=\r\n");
  TIniStore ini(dir.File());
  EXPECT_EQ(ini.ReadInteger("Level", "Gamma", 40), 32);
  EXPECT_EQ(ini.ReadInteger("LEVEL", "Level", 0), 13);
  EXPECT_EQ(ini.ReadInteger("Level", "Empty", 7), 7);
  EXPECT_EQ(ini.ReadString("Level", "gamma"), "0x20");
}

TEST(IniStore, WriteKeepsEverythingElseAndReplacesInPlace) {
  TempDir dir;
  Put(dir.File(),
      "; settings of the game\n"
      "\n"
      "; the display\n"
      "[preferences]\n"
      "; whether to show the search\n"
      "thinking=1\n"
      "Unknown=abc\n"
      "\n"
      "[Other]\n"
      "x=1\n"
      "\n"
      "; the end\n");
  TIniStore ini(dir.File());
  ASSERT_TRUE(ini.WriteBool("Preferences", "Thinking", false));
  ASSERT_TRUE(ini.WriteInteger("Level", "Gamma", -7));
  // Comments and blank lines stay where they were; a new section goes at
  // the end, after two blank lines as in a file made from nothing.
  const std::string expected =
      "; settings of the game\n"
      "\n"
      "; the display\n"
      "[preferences]\n"
      "; whether to show the search\n"
      "thinking=0\n"
      "Unknown=abc\n"
      "\n"
      "[Other]\n"
      "x=1\n"
      "\n"
      "; the end\n"
      "\n"
      "\n"
      "[Level]\n"
      "Gamma=-7\n";
  EXPECT_EQ(Slurp(dir.File()), expected);
  // Writing again changes the value only: the layout does not creep.
  ASSERT_TRUE(ini.WriteInteger("Level", "Gamma", -7));
  ASSERT_TRUE(ini.WriteBool("Preferences", "Thinking", false));
  EXPECT_EQ(Slurp(dir.File()), expected);
  EXPECT_EQ(dir.Leftovers(), 0);
}

TEST(IniStore, WriteKeepsPermissionsAndWritesThroughALink) {
  TempDir dir;
  const std::string real = dir.File("real.ini");
  Put(real, "[A]\nb=1\n");
  ::chmod(real.c_str(), 0640);
  fs::create_symlink(real, dir.File());
  ASSERT_TRUE(TIniStore(dir.File()).WriteInteger("A", "b", 2));
  EXPECT_TRUE(fs::is_symlink(dir.File()));
  EXPECT_EQ(Slurp(real), "[A]\nb=2\n");
  EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(dir.Leftovers(), 1);  // real.ini, and no temporary file
}

TEST(IniStore, UnusableFilesReadAsEmptyAndRefuseWrites) {
  TempDir dir;
  // A directory under the settings name.
  fs::create_directory(dir.File());
  TIniStore asDir(dir.File());
  EXPECT_EQ(asDir.ReadInteger("Level", "Gamma", 40), 40);
  EXPECT_FALSE(asDir.WriteInteger("Level", "Gamma", 1));
  EXPECT_TRUE(fs::is_directory(dir.File()));

  // A FIFO must neither hang the reader nor be replaced.
  const std::string fifo = dir.File("fifo.ini");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(TIniStore(fifo).ReadInteger("Level", "Gamma", 40), 40);
  EXPECT_FALSE(TIniStore(fifo).WriteInteger("Level", "Gamma", 1));
  EXPECT_TRUE(fs::is_fifo(fifo));

  // A file too large to be a settings file is left alone.
  const std::string huge = dir.File("huge.ini");
  {
    std::ofstream out(huge, std::ios::binary);
    out << "[Level]\nGamma=9\n";
    out << std::string(TIniStore::kMaxFileSize, ';');
  }
  const auto hugeSize = fs::file_size(huge);
  EXPECT_EQ(TIniStore(huge).ReadInteger("Level", "Gamma", 40), 40);
  EXPECT_FALSE(TIniStore(huge).WriteInteger("Level", "Gamma", 1));
  EXPECT_EQ(fs::file_size(huge), hugeSize);
}

// ---- Settings ----

TEST(Settings, WithoutAFileTheDefaultsApplyAndClosingWritesTheWholeFile) {
  TempDir dir;
  TReversiCore engine;
  TShellSwitches switches;
  ApplyDesignValues(engine, switches);
  switches.Statistics = switches.Sound = switches.BestLine = false;
  switches.TwoPlayer = true;
  LoadSettings(dir.File(), engine, switches);

  EXPECT_FALSE(switches.ShowThinking);
  EXPECT_FALSE(switches.ShowLegal);
  EXPECT_FALSE(switches.ShowFlips);
  EXPECT_TRUE(engine.Selective());
  EXPECT_TRUE(switches.Statistics);
  EXPECT_TRUE(switches.Sound);
  EXPECT_TRUE(switches.BestLine);
  EXPECT_FALSE(switches.TwoPlayer);
  EXPECT_EQ(engine.Mode(), Normal);
  EXPECT_EQ(engine.MoveTime(), 2);
  EXPECT_EQ(engine.Gamma(), 40);
  EXPECT_EQ(engine.SelectiveDepth(), 5);
  EXPECT_EQ(engine.Level(), TimeLevel);
  EXPECT_FALSE(fs::exists(dir.File())) << "reading must not create the file";

  ASSERT_TRUE(SaveSettings(dir.File(), engine, switches));
  EXPECT_EQ(Slurp(dir.File()), kFreshFile);
  EXPECT_EQ(dir.Leftovers(), 0);
}

struct ReadCase {
  const char* Section;
  const char* Key;
  const char* Stored;
  std::function<void(const TReversiCore&, const TShellSwitches&)> Check;
};

TEST(Settings, ReadingEdgeCases) {
  const std::vector<ReadCase> cases = {
      {"Level", "Level", "14", [](auto& e, auto&) { EXPECT_EQ(e.Level(), Ply3); }},
      {"Level", "Level", "-1", [](auto& e, auto&) { EXPECT_EQ(e.Level(), Ply3); }},
      {"Level", "Level", "13", [](auto& e, auto&) { EXPECT_EQ(e.Level(), Infinite); }},
      {"Level", "Level", "6", [](auto& e, auto&) { EXPECT_EQ(e.Level(), Ply6); }},
      {"Level", "Level", "six", [](auto& e, auto&) { EXPECT_EQ(e.Level(), TimeLevel); }},
      {"Level", "Selective_Depth", "0", [](auto& e, auto&) { EXPECT_EQ(e.SelectiveDepth(), 10); }},
      {"Level", "Selective_Depth", "20", [](auto& e, auto&) { EXPECT_EQ(e.SelectiveDepth(), 20); }},
      {"Level", "Gamma", "10000", [](auto& e, auto&) { EXPECT_EQ(e.Gamma(), 1500); }},
      {"Level", "Gamma", "-10000", [](auto& e, auto&) { EXPECT_EQ(e.Gamma(), 1500); }},
      {"Level", "Gamma", "-9999", [](auto& e, auto&) { EXPECT_EQ(e.Gamma(), -9999); }},
      {"Level", "Gamma", "0x20", [](auto& e, auto&) { EXPECT_EQ(e.Gamma(), 32); }},
      {"Level", "Gamma", "$20", [](auto& e, auto&) { EXPECT_EQ(e.Gamma(), 32); }},
      {"Level", "Gamma", "-$20", [](auto& e, auto&) { EXPECT_EQ(e.Gamma(), 40); }},
      {"Level", "Move_Time", "0", [](auto& e, auto&) { EXPECT_EQ(e.MoveTime(), 0); }},
      {"Level", "Move_Time", "-5", [](auto& e, auto&) { EXPECT_EQ(e.MoveTime(), -5); }},
      {"Level", "Two_Player", "1",
       [](auto& e, auto& s) {
         EXPECT_EQ(e.Mode(), TwoPlayer);
         EXPECT_TRUE(s.TwoPlayer);
       }},
      {"Preferences", "Sound", "yes", [](auto&, auto& s) { EXPECT_TRUE(s.Sound); }},
      {"Preferences", "Statistics", "2", [](auto&, auto& s) { EXPECT_TRUE(s.Statistics); }},
      {"Preferences", "Best_Line", "0", [](auto&, auto& s) { EXPECT_FALSE(s.BestLine); }},
      {"Preferences", "Thinking", "1", [](auto&, auto& s) { EXPECT_TRUE(s.ShowThinking); }},
      {"Preferences", "ShowFlips", "1", [](auto&, auto& s) { EXPECT_TRUE(s.ShowFlips); }},
      {"Preferences", "Show_Legal_Moves", "1", [](auto&, auto& s) { EXPECT_TRUE(s.ShowLegal); }},
      {"Preferences", "Selective", "0", [](auto& e, auto&) { EXPECT_FALSE(e.Selective()); }},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(std::string(c.Section) + "." + c.Key + "=" + c.Stored);
    TempDir dir;
    Put(dir.File(), std::string("[") + c.Section + "]\n" + c.Key + "=" + c.Stored + "\n");
    TReversiCore engine;
    TShellSwitches switches;
    ApplyDesignValues(engine, switches);
    engine.SetLevel(Ply3);  // shows whether a stored level was taken or ignored
    LoadSettings(dir.File(), engine, switches);
    c.Check(engine, switches);
  }
}

TEST(Settings, FailedWriteLeavesTheFileWhole) {
  TempDir dir;
  TReversiCore engine;
  EXPECT_FALSE(SaveSettings(dir.File("missing/Reversi.ini"), engine, TShellSwitches{}));

  // Let the file grow to hold three keys only: the write of all thirteen
  // steps fails at once, and the file stays as it was.
  const std::string threeKeys = "[Preferences]\nThinking=0\nShowFlips=1\nShow_Legal_Moves=0\n";
  Put(dir.File(), threeKeys);
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = threeKeys.size() + 2;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool saved = SaveSettings(dir.File(), engine, TShellSwitches{});
  ::setrlimit(RLIMIT_FSIZE, &old);
  ::signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(saved);
  EXPECT_EQ(Slurp(dir.File()), threeKeys);
  EXPECT_EQ(dir.Leftovers(), 0);
}

TEST(Settings, BesideAWritableProgramElseInTheUsersConfigurationFolder) {
  TempDir program, config;
  ::setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
  EXPECT_EQ(SettingsPathFor(program.Path().string()), program.File());

  // A folder this user cannot write. Root writes anywhere, so a folder that
  // is not there stands in for it; other users also try a read-only one.
  const std::string inConfig = (config.Path() / "vezari-zaduder" / "Reversi.ini").string();
  EXPECT_EQ(SettingsPathFor((program.Path() / "absent").string()), inConfig);
  if (::geteuid() != 0) {
    fs::permissions(program.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(SettingsPathFor(program.Path().string()), inConfig);
  }

  // The folder is made, so the settings survive a round trip there.
  TReversiCore engine;
  engine.SetLevel(Ply5);
  ASSERT_TRUE(SaveSettings(inConfig, engine, TShellSwitches{}));
  TReversiCore again;
  TShellSwitches switches;
  LoadSettings(inConfig, again, switches);
  EXPECT_EQ(again.Level(), Ply5);
  ::unsetenv("XDG_CONFIG_HOME");
}

// ---- Written back at exit ----

// A run as the main window makes it: read at start, changes, write at exit.
struct TRun {
  TReversiCore Engine;
  TShellSwitches Switches;
  TSettingsBaseline Start;
  explicit TRun(const std::string& path) {
    LoadSettings(path, Engine, Switches);
    Start = SettingsBaseline(Engine, Switches);
  }
  bool Close(const std::string& path) const { return SaveSettings(path, Engine, Switches, &Start); }
};

TEST(SettingsAtExit, AHandWrittenFileKeepsItsLayout) {
  TempDir dir;
  Put(dir.File(),
      "; my settings\r\n"
      "[Preferences]\r\n"
      "; the search display\r\n"
      "Thinking = 1\r\n"
      "ShowFlips=0\r\n"
      "Show_Legal_Moves=0\r\n"
      "Statistics=1\r\n"
      "Best_Line=1\r\n"
      "Sound=yes\r\n"
      "\r\n"
      "; mine, not the game's\r\n"
      "[Mine]\r\n"
      "colour=blue\r\n"
      "\r\n"
      "[Level]\r\n"
      "Move_Time=2\r\n"
      "Two_Player=0\r\n"
      "Level=0\r\n"
      "Gamma=40\r\n"
      "Selective_Depth=5\r\n");
  TRun run(dir.File());
  run.Engine.SetLevel(Ply4);
  ASSERT_TRUE(run.Close(dir.File()));
  // Only the changed key and the missing one are written; "yes" stays.
  EXPECT_EQ(Slurp(dir.File()),
            "; my settings\r\n"
            "[Preferences]\r\n"
            "; the search display\r\n"
            "Thinking = 1\r\n"
            "ShowFlips=0\r\n"
            "Show_Legal_Moves=0\r\n"
            "Statistics=1\r\n"
            "Best_Line=1\r\n"
            "Sound=yes\r\n"
            "Selective=1\r\n"
            "\r\n"
            "; mine, not the game's\r\n"
            "[Mine]\r\n"
            "colour=blue\r\n"
            "\r\n"
            "[Level]\r\n"
            "Move_Time=2\r\n"
            "Two_Player=0\r\n"
            "Level=4\r\n"
            "Gamma=40\r\n"
            "Selective_Depth=5\r\n");
  // A second start and exit without changes leaves the file as it is.
  const auto written = fs::last_write_time(dir.File());
  ASSERT_TRUE(TRun(dir.File()).Close(dir.File()));
  EXPECT_EQ(fs::last_write_time(dir.File()), written);
  EXPECT_EQ(dir.Leftovers(), 0);
}

TEST(SettingsAtExit, TwoCopiesKeepEachOthersChanges) {
  TempDir dir;
  TRun first(dir.File()), second(dir.File());
  first.Switches.Sound = false;
  second.Engine.SetLevel(Ply7);
  second.Switches.ShowLegal = true;
  ASSERT_TRUE(first.Close(dir.File()));
  ASSERT_TRUE(second.Close(dir.File()));
  TRun after(dir.File());
  EXPECT_FALSE(after.Switches.Sound);
  EXPECT_EQ(after.Engine.Level(), Ply7);
  EXPECT_TRUE(after.Switches.ShowLegal);
  // A file made from nothing this way is the usual one, key for key.
  TempDir fresh;
  ASSERT_TRUE(TRun(fresh.File()).Close(fresh.File()));
  EXPECT_EQ(Slurp(fresh.File()), kFreshFile);
}

TEST(SettingsAtExit, TemporaryFilesOfACrashedWriteGo) {
  TempDir dir;
  Put(dir.File(".Reversi.ini.tmp999999999-0"), "[Level]\nLevel=9\n");  // a process long gone
  ASSERT_TRUE(TRun(dir.File()).Close(dir.File()));
  EXPECT_EQ(dir.Leftovers(), 0);  // neither it nor the lock file stays
}

// Another copy holding the lock is waited for, however slow its write, and
// nothing is written under it; then the file is read afresh.
TEST(SettingsAtExit, NothingIsWrittenUnderAnotherCopysLock) {
  TempDir dir;
  TRun mine(dir.File());
  mine.Switches.Sound = false;
  bool writtenWhileHeld = true;
  std::thread other([&] {
    const safefile::TFileLock held(dir.File("Reversi.ini.lock"), 0ms);
    std::this_thread::sleep_for(3500ms);
    writtenWhileHeld = fs::exists(dir.File());
    Put(dir.File(), "[Level]\nLevel=7\n");
  });
  std::this_thread::sleep_for(100ms);
  std::string whyNot;
  EXPECT_TRUE(SaveSettings(dir.File(), mine.Engine, mine.Switches, &mine.Start, {}, &whyNot)) << whyNot;
  other.join();
  EXPECT_FALSE(writtenWhileHeld);
  TRun after(dir.File());
  EXPECT_FALSE(after.Switches.Sound);
  EXPECT_EQ(after.Engine.Level(), Ply7);
}

// A lock path that is not a regular file is refused at once (a pipe there
// would block the close for ever), and so are unwritable files, each with
// its reason; chains of lock files left by dead copies go.
TEST(SettingsAtExit, WhatCannotBeWrittenIsRefusedWithItsReason) {
  TempDir dir;
  TReversiCore engine;
  const auto refusal = [&](const std::string& path) {
    std::string whyNot;
    EXPECT_FALSE(SaveSettings(path, engine, TShellSwitches{}, nullptr, {}, &whyNot));
    return whyNot;
  };
  ASSERT_EQ(::mkfifo(dir.File("Reversi.ini.lock").c_str(), 0600), 0);
  EXPECT_NE(refusal(dir.File()).find("Reversi.ini.lock\" is not a regular file"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir.File()));
  fs::remove(dir.File("Reversi.ini.lock"));

  Put(dir.File(), "[Level]\nLevel=3\n");
  fs::permissions(dir.File(), fs::perms::owner_read);
  EXPECT_EQ(refusal(dir.File()), "the file is read-only");
  fs::permissions(dir.File(), fs::perms::owner_read | fs::perms::owner_write);
  Put(dir.File(), std::string("[Level]\nLevel=3\n\0", 17));
  EXPECT_EQ(refusal(dir.File()), "the file holds a NUL byte");

  for (std::string chain = dir.File("Reversi.ini.lock.rmlock"); chain.size() < dir.File().size() + 40;
       chain += ".rmlock")
    Put(chain, "999999999\nvezari-zaduder\nhost\n");  // a process long gone
  Put(dir.File(), "");
  ASSERT_TRUE(TRun(dir.File()).Close(dir.File()));
  EXPECT_EQ(dir.Leftovers(), 0);
}

TEST(Settings, AnInstalledCopyKeepsItsSettingsInTheUsersFolderEvenWhereItCouldWrite) {
  TempDir prefix, config;
  ::setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
  const fs::path bin = prefix.Path() / "bin";
  fs::create_directories(bin);
  EXPECT_EQ(SettingsPathFor(bin.string()), (bin / "Reversi.ini").string()) << "a portable copy";

  const fs::path entry = InstalledMarkerFor(bin.string());
  EXPECT_EQ(entry.extension(), ".desktop");
  EXPECT_NE(entry.parent_path(), bin) << "the entry lies in the prefix's data folder";
  fs::create_directories(entry.parent_path());
  Put(entry.string(), "[Desktop Entry]\n");
  EXPECT_EQ(SettingsPathFor(bin.string()), (config.Path() / "vezari-zaduder" / "Reversi.ini").string());
  ::unsetenv("XDG_CONFIG_HOME");
}

TEST(WindowPlacement, KeptInASectionOfItsOwnAfterTheSettings) {
  TempDir dir;
  TReversiCore engine;
  ASSERT_TRUE(SaveSettings(dir.File(), engine, TShellSwitches{}));
  const std::string settings = Slurp(dir.File());
  EXPECT_FALSE(LoadWindowPlacement(dir.File())) << "a file without the section";

  ASSERT_TRUE(
      SaveSettings(dir.File(), engine, TShellSwitches{}, nullptr, WindowPlacementWrites({-20, 30, 800, 600, true})));
  const std::string both = Slurp(dir.File());
  EXPECT_EQ(both.substr(0, settings.size()), settings) << "the settings' keys stay as they were";
  const auto back = LoadWindowPlacement(dir.File());
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Left, -20);
  EXPECT_EQ(back->Top, 30);
  EXPECT_EQ(back->Width, 800);
  EXPECT_EQ(back->Height, 600);
  EXPECT_TRUE(back->Maximized);

  // A key missing, unreadable or beyond any screen: no placement at all.
  for (const char* bad : {"Width=0", "Width=65537", "Width=wide", "Left=2000000", "Top=-$7FFFFFFF", "Maximized="}) {
    SCOPED_TRACE(bad);
    std::string text = both;
    const std::string key = std::string(bad).substr(0, std::string(bad).find('=') + 1);
    const size_t at = text.find("\n" + key);
    ASSERT_NE(at, std::string::npos);
    text.replace(at + 1, text.find('\n', at + 1) - at - 1, bad);
    Put(dir.File(), text);
    EXPECT_FALSE(LoadWindowPlacement(dir.File()));
  }
}

TEST(WindowPlacement, ShowsOnAScreenWhenEnoughOfItIsThere) {
  const TScreenArea screen{0, 0, 1600, 1200};
  EXPECT_TRUE(ShowsOn({100, 100, 640, 480, false}, screen));
  EXPECT_TRUE(ShowsOn({1536, 1168, 640, 480, false}, screen)) << "64 x 32 of it on the screen";
  EXPECT_FALSE(ShowsOn({1537, 100, 640, 480, false}, screen));
  EXPECT_FALSE(ShowsOn({100, 1169, 640, 480, false}, screen));
  EXPECT_FALSE(ShowsOn({-5000, 100, 640, 480, false}, screen)) << "on a screen that is gone";
  EXPECT_TRUE(ShowsOn({1580, 1190, 20, 10, false}, screen)) << "a small window wholly on it";
  EXPECT_TRUE(ShowsOn({1700, 100, 640, 480, false}, {1600, 0, 1024, 768})) << "on a second screen";
  EXPECT_FALSE(ShowsOn({INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, false}, {INT32_MIN, INT32_MIN, INT32_MAX, 1}));
}
