// Faults the settings fuzzer found in the settings store, kept as tests.
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
