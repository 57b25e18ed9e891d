// The settings fuzzer's corpus replayed in the plain test run: whatever the
// store writes into each of its files, SimpleIni must read back as the old
// content with exactly the writes applied. The store edits the text line by
// line, checks the edit against SimpleIni and falls back to a whole rewrite
// by SimpleIni; some of these files take that way.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <vector>

#include "EngineState.h"
#include "IniStore.h"

// The implementation as the store builds it (Debian keeps it behind a macro).
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

using namespace vztest;

namespace {

using TContent = std::map<std::pair<std::string, std::string>, std::vector<std::string>>;

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

bool OnOneLine(const std::string& name) {
  return name.find_first_of("\r\n") == std::string::npos;
}

// Every section and each key's values in file order, as the store reads
// them (a key written twice reads as its first). SimpleIni reads a "[" left
// open as a section name running on over the next lines, which no writer
// can give back as it was read; such names are left out.
TContent ContentOf(const std::string& text) {
  CSimpleIniA ini(/*a_bIsUtf8=*/false, /*a_bMultiKey=*/true, /*a_bMultiLine=*/false);
  EXPECT_GE(ini.LoadData(text), 0);
  TContent content;
  CSimpleIniA::TNamesDepend sections;
  ini.GetAllSections(sections);
  for (const auto& section : sections) {
    if (!OnOneLine(section.pItem)) continue;
    content[{Lower(section.pItem), ""}];
    CSimpleIniA::TNamesDepend keys;
    ini.GetAllKeys(section.pItem, keys);
    for (const auto& key : keys) {
      CSimpleIniA::TNamesDepend values;
      ini.GetAllValues(section.pItem, key.pItem, values);
      values.sort(CSimpleIniA::Entry::LoadOrder());
      for (const auto& value : values) content[{Lower(section.pItem), Lower(key.pItem)}].push_back(value.pItem);
    }
  }
  return content;
}

// The writes the closing window makes, and a few more: an existing section,
// a new one, keys only filled in when missing (the last one is not).
const std::vector<TIniWrite> kWrites = {{"Preferences", "Sound", "0"},
                                        {"Level", "Gamma", "1500"},
                                        {"Level", "Two_Player", "1", /*OnlyIfMissing=*/true},
                                        {"Window", "Left", "-40"},
                                        {"Perfect_Endgame", "Empties", "12"},
                                        {"Preferences", "Sound", "1", /*OnlyIfMissing=*/true}};

}  // namespace

TEST(IniCorpus, EveryWriteReadsBackThroughSimpleIni) {
  TTempDir dir;
  const std::string path = dir.File("Reversi.ini");
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(VZ_INI_CORPUS)) {
    const std::optional<std::string> text = ReadText(entry.path().string());
    ASSERT_TRUE(text);
    ASSERT_TRUE(WriteText(path, *text));
    ++files;
    TIniStore store(path);
    if (!store.Write(kWrites)) {
      EXPECT_EQ(ReadText(path), text) << entry.path();  // refused (a NUL byte): left as it was
      continue;
    }
    TContent want = ContentOf(*text);
    for (const TIniWrite& w : kWrites) {
      std::vector<std::string>& values = want[{Lower(w.Section), Lower(w.Key)}];
      want[{Lower(w.Section), ""}];
      if (values.empty())
        values.push_back(w.Value);
      else if (!w.OnlyIfMissing)
        values.front() = w.Value;
    }
    EXPECT_EQ(ContentOf(ReadText(path).value_or("")), want) << entry.path();
  }
  EXPECT_GE(files, 19);
}
