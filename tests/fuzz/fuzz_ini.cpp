// The settings file reader and its integer parsing. The input is used twice:
// as a value text for ParseIniInteger, checked against an independent reading
// of the rule, and as a whole "Reversi.ini", read key by key and then written
// to. Reads must agree with the value texts they come from, names must match
// regardless of letter case, and a write must read back while every other
// setting reads as before (checked for plain text; when the write fails, the
// file must be left byte for byte). Then a batch of writes, as the window
// makes at exit, must read back the same way. A window placement read from it
// must lie within the range a screen could show.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "EngineState.h"
#include "FuzzCheck.h"
#include "IniStore.h"
#include "WindowPlacement.h"

using vzfuzz::Broken;

namespace {

// The rule as the settings file states it: "0x" at the start of a text longer
// than two characters stands for "$"; blanks at the start are skipped; then
// a sign and decimal digits, or "$" and hexadecimal digits, make up the whole
// rest; the value must lie in the 32-bit signed range.
std::optional<int32_t> ReferenceInteger(std::string_view text) {
  std::string s(text);
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) s = "$" + s.substr(2);
  size_t i = s.find_first_not_of(" \t");
  if (i == std::string::npos) return std::nullopt;
  const bool hex = s[i] == '$';
  bool negative = false;
  if (hex) {
    ++i;
  } else if (s[i] == '+' || s[i] == '-') {
    negative = s[i] == '-';
    ++i;
  }
  const std::string digits = s.substr(i);
  if (digits.empty()) return std::nullopt;
  const char* allowed = hex ? "0123456789abcdefABCDEF" : "0123456789";
  if (digits.find_first_not_of(allowed) != std::string::npos) return std::nullopt;
  // Drop leading zeros, then compare as numbers of at most 10 digits.
  const size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 0;
  const std::string significant = digits.substr(first);
  if (significant.size() > (hex ? 8u : 10u)) return std::nullopt;
  const long long magnitude = std::stoll(significant, nullptr, hex ? 16 : 10);
  const long long value = negative ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

struct TKey {
  const char* Section;
  const char* Key;
};
constexpr TKey kKeys[] = {
    {"Preferences", "Thinking"},  {"Preferences", "ShowFlips"},  {"Preferences", "Show_Legal_Moves"},
    {"Preferences", "Selective"}, {"Preferences", "Statistics"}, {"Preferences", "Sound"},
    {"Preferences", "Best_Line"}, {"Level", "Move_Time"},        {"Level", "Gamma"},
    {"Level", "Selective_Depth"}, {"Level", "Two_Player"},       {"Level", "Level"}};

std::string Swapcase(std::string s) {
  for (char& c : s)
    if ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') c ^= 0x20;
  return s;
}

// A text a person or the program would write: printable ASCII, tabs, line
// ends of any kind, a signature at the start.
bool PlainText(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  for (unsigned char c : text)
    if (c != '\t' && c != '\n' && c != '\r' && (c < 32 || c > 126)) return false;
  return true;
}

// Several writes made at once, as the closing window makes them: keys the
// run did not change are written only when missing. Each key must read as
// the writes in their order make it, and (for plain text) every other key as
// before.
void CheckBatch(TIniStore& store, const uint8_t* data, size_t size, const std::string& text) {
  std::optional<std::string> now[std::size(kKeys)];
  for (size_t k = 0; k < std::size(kKeys); ++k) now[k] = store.ReadString(kKeys[k].Section, kKeys[k].Key);
  const std::optional<std::string> old = vztest::ReadText(store.Path());
  std::vector<TIniWrite> batch;
  std::optional<std::string> want[std::size(kKeys)];
  std::copy(std::begin(now), std::end(now), std::begin(want));
  for (size_t b = 0; b < 3 && b < size; ++b) {
    const size_t k = data[size - 1 - b] % std::size(kKeys);
    const bool onlyIfMissing = data[size - 1 - b] & 0x80;
    const std::string value = std::to_string(static_cast<int>(data[b]) - 100);
    batch.push_back({kKeys[k].Section, kKeys[k].Key, value, onlyIfMissing});
    if (!(onlyIfMissing && want[k])) want[k] = value;
  }
  if (!store.Write(batch)) {
    if (vztest::ReadText(store.Path()) != old) Broken("a failed batch changed the file", text);
    return;
  }
  for (size_t k = 0; k < std::size(kKeys); ++k) {
    const bool written = want[k] != now[k];
    if ((written || PlainText(text)) && store.ReadString(kKeys[k].Section, kKeys[k].Key) != want[k])
      Broken(std::string("after a batch of writes ") + kKeys[k].Key + " reads wrong", text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = vzfuzz::ScratchFolder() + "/Reversi.ini";
  const std::string text(reinterpret_cast<const char*>(data), size);

  if (ParseIniInteger(text) != ReferenceInteger(text)) Broken("ParseIniInteger disagrees with the rule", text);

  if (!vztest::WriteText(path, text)) Broken("cannot write the scratch file", path);
  TIniStore store(path);
  std::optional<std::string> before[std::size(kKeys)];
  for (size_t k = 0; k < std::size(kKeys); ++k) {
    before[k] = store.ReadString(kKeys[k].Section, kKeys[k].Key);
    const int32_t want = before[k] ? ParseIniInteger(*before[k]).value_or(-7) : -7;
    if (store.ReadInteger(kKeys[k].Section, kKeys[k].Key, -7) != want)
      Broken(std::string("ReadInteger of ") + kKeys[k].Key + " does not follow its text", text);
  }
  // The rest for one key chosen by the input: each read opens and parses the
  // whole file again.
  const size_t j = size ? data[0] % std::size(kKeys) : 0;
  const auto [section, key] = kKeys[j];
  if (store.ReadString(Swapcase(section), Swapcase(key)) != before[j])
    Broken(std::string("names do not match regardless of case: ") + key, text);
  const std::optional<int32_t> stored = before[j] ? ParseIniInteger(*before[j]) : std::nullopt;
  if (store.ReadInteger(section, key, 40) != stored.value_or(40))
    Broken(std::string("ReadInteger of ") + key + " does not follow its text", text);
  if (store.ReadBool(section, key, true) != (stored.value_or(1) != 0) ||
      store.ReadBool(section, key, false) != (stored.value_or(0) != 0))
    Broken(std::string("ReadBool of ") + key + " does not follow its text", text);

  // The window's place: only values a screen could show come through, and
  // the test against a screen taken from the input stays in range.
  if (const auto placed = LoadWindowPlacement(path)) {
    if (placed->Width < 1 || placed->Height < 1 || placed->Width > 65536 || placed->Height > 65536 ||
        std::abs(int64_t{placed->Left}) > 1000000 || std::abs(int64_t{placed->Top}) > 1000000)
      Broken("a window placement outside the screens' range came through", text);
    const int32_t corner = before[j] ? ParseIniInteger(*before[j]).value_or(0) : 0;
    ShowsOn(*placed, {corner, -corner, INT32_MAX, corner});
  }

  // One write, of a key chosen by the input, as the main window's closing does.
  const size_t k = size ? data[size - 1] % std::size(kKeys) : 0;
  const int32_t value = size > 1 ? static_cast<int8_t>(data[0]) * 77 : 5;
  if (!store.WriteInteger(kKeys[k].Section, kKeys[k].Key, value)) {
    if (vztest::ReadText(path) != text) Broken("a failed write changed the file", text);
    return 0;
  }
  if (store.ReadInteger(kKeys[k].Section, kKeys[k].Key, value + 1) != value)
    Broken(std::string("a written ") + kKeys[k].Key + " does not read back", text);
  // Every other setting must read as before, for plain text. Other bytes can
  // move a key: a key of the unsectioned part whose name starts with a
  // mid-file signature is saved first in the file, and read back as the
  // signature and a section header.
  if (PlainText(text)) {
    for (size_t other = 0; other < std::size(kKeys); ++other)
      if (other != k && store.ReadString(kKeys[other].Section, kKeys[other].Key) != before[other])
        Broken(std::string("writing ") + kKeys[k].Key + " changed " + kKeys[other].Key, text);
  }
  CheckBatch(store, data, size, text);
  return 0;
}
