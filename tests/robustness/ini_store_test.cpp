// Faults the settings fuzzer found in the settings store, kept as tests, and
// the store's agreement with SimpleIni.
#include <gtest/gtest.h>

#include "EngineState.h"
#include "IniStore.h"

using namespace vztest;

// A lone carriage return (an old Mac line end) inside a comment: SimpleIni
// ends the line there and reads "Sound=0" as a key of [Level]. The store's
// keeping of closing comments must see the same lines; if it took the whole
// line for a comment it would append a copy after the saved text, under the
// section written last, and Sound would read as off although the user never
// set it.
TEST(IniStoreFaults, WriteLeavesOtherSettingsAloneAfterALoneCarriageReturn) {
  TTempDir dir;
  const std::string path = dir.File("Reversi.ini");
  ASSERT_TRUE(WriteText(path, "[Level]\nGamma=5\n;old note\rSound=0\n"));
  TIniStore store(path);
  ASSERT_FALSE(store.ReadString("Preferences", "Sound"));
  const auto levelSound = store.ReadString("Level", "Sound");
  ASSERT_TRUE(store.WriteBool("Preferences", "ShowFlips", true));
  EXPECT_FALSE(store.ReadString("Preferences", "Sound")) << ReadText(path).value_or("");
  EXPECT_TRUE(store.ReadBool("Preferences", "Sound", true));
  EXPECT_EQ(store.ReadString("Level", "Sound"), levelSound);
  EXPECT_EQ(store.ReadInteger("Level", "Gamma", 0), 5);
}

// The one line splitter must end lines where SimpleIni does, whatever mix of
// line ends a file has: every key line it finds reads back as written.
TEST(IniStoreFaults, TheLineSplitterAgreesWithSimpleIni) {
  TTempDir dir;
  const std::string path = dir.File("Reversi.ini");
  const char* ends[] = {"\n", "\r", "\r\n", "\n\r", "\r\r\n"};
  for (int round = 0; round < 20; ++round) {
    std::string text = "[S]";
    for (int k = 0; k < 8; ++k) text += std::string(ends[(round + k * k) % 5]) + "k" + std::to_string(k) + "=v";
    ASSERT_TRUE(WriteText(path, text));
    const TIniSnapshot ini = TIniStore(path).Snapshot();
    int keys = 0;
    for (const TIniLine& line : SplitIniLines(text)) {
      if (line.Text.empty() || line.Text[0] != 'k') continue;
      EXPECT_EQ(ini.ReadString("S", std::string(line.Text.substr(0, line.Text.find('=')))), "v") << round;
      ++keys;
    }
    EXPECT_EQ(keys, 8) << round;
  }
}

// A load reads the file once: what it answers is the file as it was then.
TEST(IniStoreFaults, ASnapshotIsTheFileAtOneMoment) {
  TTempDir dir;
  const std::string path = dir.File("Reversi.ini");
  ASSERT_TRUE(WriteText(path, "[Level]\nGamma=5\n"));
  TIniStore store(path);
  const TIniSnapshot before = store.Snapshot();
  ASSERT_TRUE(store.WriteInteger("Level", "Gamma", 7));
  EXPECT_EQ(before.ReadInteger("Level", "Gamma", 0), 5);
  EXPECT_EQ(store.Snapshot().ReadInteger("Level", "Gamma", 0), 7);
  EXPECT_EQ(TIniStore(dir.File("missing.ini")).Snapshot().ReadInteger("Level", "Gamma", 40), 40);
}
