#include "IniStore.h"

#include <climits>
#include <map>
#include <new>
#include <utility>
#include <vector>

#include "IniText.h"
#include "SafeFile.h"

// Debian ships SimpleIni's implementation behind SI_IMPLEMENTATION; the plain
// char store needs none of its Unicode converters.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

namespace {

constexpr int32_t kIntMin = INT32_MIN;
constexpr int64_t kIntMagnitudeLimit = int64_t{INT32_MAX} + 1;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

int DigitValue(char c, int base) {
  int d = -1;
  if (c >= '0' && c <= '9')
    d = c - '0';
  else if (c >= 'a' && c <= 'f')
    d = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    d = c - 'A' + 10;
  return d < base ? d : -1;
}

enum class TLineKind { Blank, Comment, Other };

TLineKind KindOf(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && (IsBlank(line[i]) || line[i] == '\r')) ++i;
  if (i == line.size()) return TLineKind::Blank;
  return (line[i] == ';' || line[i] == '#') ? TLineKind::Comment : TLineKind::Other;
}

// SimpleIni keeps a comment with the section or key that follows it, so the
// comments after the last entry of a file have nothing to hang on and would be
// dropped when the file is saved. This returns that closing block (or, for a
// file of comments only, what follows the leading file comment) so that it can
// be put back at the end.
std::string TrailingComments(std::string_view text) {
  if (text.substr(0, 3) == SI_UTF8_SIGNATURE) text.remove_prefix(3);
  // The closing comments must be found on the lines SimpleIni reads, or a
  // key behind a lone "\r" would be kept twice.
  std::vector<std::string_view> lines;
  for (const TIniLine& line : SplitIniLines(text)) lines.push_back(line.Text);
  std::size_t first = 0;
  std::size_t lastOther = lines.size();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (KindOf(lines[i]) == TLineKind::Other) lastOther = i;
  }
  if (lastOther != lines.size()) {
    first = lastOther + 1;
  } else if (!text.empty() && (text[0] == ';' || text[0] == '#')) {
    // SimpleIni's file comment: the lines from the very start that begin
    // with a comment character.
    while (first < lines.size() && !lines[first].empty() && (lines[first][0] == ';' || lines[first][0] == '#')) {
      ++first;
    }
  }
  std::size_t last = lines.size();
  while (first < last && KindOf(lines[first]) == TLineKind::Blank) ++first;
  while (last > first && KindOf(lines[last - 1]) == TLineKind::Blank) --last;
  std::string tail;
  for (std::size_t i = first; i < last; ++i) {
    tail.append(lines[i]);
    tail.push_back('\n');
  }
  return tail;
}

// Multi-key so that a key written twice in the file reads as its first
// occurrence; a write then leaves one entry where the first one stood.
class TIni : public CSimpleIniA {
 public:
  TIni() : CSimpleIniA(/*a_bIsUtf8=*/false, /*a_bMultiKey=*/true, /*a_bMultiLine=*/false) { SetSpaces(false); }
};

// The key's spelling as the file already has it, so that a write keeps it.
std::string ExistingKeySpelling(const CSimpleIniA& ini, const std::string& section, const std::string& key) {
  CSimpleIniA::TNamesDepend keys;
  ini.GetAllKeys(section.c_str(), keys);
  const SI_GenericNoCase<char> less;
  for (const CSimpleIniA::Entry& entry : keys) {
    if (!less(entry.pItem, key.c_str()) && !less(key.c_str(), entry.pItem)) return entry.pItem;
  }
  return key;
}

// Everything a reader can get out of a text: each section (also one without
// keys) and each key's values in file order, names in lower case.
using TContent = std::map<std::pair<std::string, std::string>, std::vector<std::string>>;

std::string LowerName(const char* name) {
  std::string s(name);
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

TContent ContentOf(const CSimpleIniA& ini) {
  TContent content;
  CSimpleIniA::TNamesDepend sections;
  ini.GetAllSections(sections);
  for (const CSimpleIniA::Entry& section : sections) {
    const std::string name = LowerName(section.pItem);
    content[{name, std::string()}];  // the section itself; no key has an empty name
    CSimpleIniA::TNamesDepend keys;
    ini.GetAllKeys(section.pItem, keys);
    for (const CSimpleIniA::Entry& key : keys) {
      CSimpleIniA::TNamesDepend values;
      ini.GetAllValues(section.pItem, key.pItem, values);
      values.sort(CSimpleIniA::Entry::LoadOrder());
      std::vector<std::string>& out = content[{name, LowerName(key.pItem)}];
      for (const CSimpleIniA::Entry& value : values) out.emplace_back(value.pItem);
    }
  }
  return content;
}

// What the writes should make of content.
void ApplyTo(TContent& content, const std::vector<TIniWrite>& writes) {
  for (const TIniWrite& w : writes) {
    const std::string section = LowerName(w.Section.c_str());
    std::vector<std::string>& values = content[{section, LowerName(w.Key.c_str())}];
    content[{section, std::string()}];
    if (values.empty())
      values.push_back(w.Value);
    else if (!w.OnlyIfMissing)
      values.front() = w.Value;
  }
}

// The whole file rewritten by SimpleIni: sound for any text it reads, but it
// spaces sections and comments its own way and ends lines with "\n".
std::optional<std::string> Rewritten(TIni& ini, std::string_view old, const std::vector<TIniWrite>& writes) {
  for (const TIniWrite& w : writes) {
    if (w.OnlyIfMissing && ini.GetValue(w.Section.c_str(), w.Key.c_str(), nullptr)) continue;
    const std::string spelling = ExistingKeySpelling(ini, w.Section, w.Key);
    if (ini.SetValue(w.Section.c_str(), spelling.c_str(), w.Value.c_str(), nullptr, /*a_bForceReplace=*/true) < 0)
      return std::nullopt;
  }
  std::string out;
  if (ini.Save(out, /*a_bAddSignature=*/true) < 0) return std::nullopt;
  const std::string tail = TrailingComments(old);
  if (!tail.empty()) {
    if (!out.empty()) out.push_back('\n');
    out += tail;
  }
  return out;
}

// The new text: edited line by line when the edit reads back exactly as the
// writes intend (everything else as before), else rewritten whole.
std::optional<std::string> UpdatedText(const std::string& old, const std::vector<TIniWrite>& writes) {
  TIni before;
  if (before.LoadData(old) < 0) return std::nullopt;
  if (const std::optional<std::string> edited = ApplyIniWrites(old, writes)) {
    TContent want = ContentOf(before);
    ApplyTo(want, writes);
    TIni after;
    if (after.LoadData(*edited) >= 0 && ContentOf(after) == want) return edited;
  }
  return Rewritten(before, old, writes);
}

}  // namespace

std::optional<int32_t> ParseIniInteger(std::string_view text) {
  std::string s(text);
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) s.replace(0, 2, "$");

  std::size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  int base = 10;
  bool negative = false;
  if (i < s.size() && s[i] == '$') {
    base = 16;
    ++i;
  } else if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  if (i == s.size()) return std::nullopt;

  int64_t magnitude = 0;
  for (; i < s.size(); ++i) {
    const int d = DigitValue(s[i], base);
    if (d < 0) return std::nullopt;
    magnitude = magnitude * base + d;
    if (magnitude > kIntMagnitudeLimit) return std::nullopt;
  }
  if (negative) {
    return magnitude == kIntMagnitudeLimit ? kIntMin : static_cast<int32_t>(-magnitude);
  }
  if (magnitude > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(magnitude);
}

TIniStore::TIniStore(std::string path) : path_(std::move(path)) {}

struct TIniSnapshot::TParsed {
  TIni Ini;
};

TIniSnapshot::TIniSnapshot() = default;
TIniSnapshot::~TIniSnapshot() = default;
TIniSnapshot::TIniSnapshot(TIniSnapshot&&) noexcept = default;
TIniSnapshot& TIniSnapshot::operator=(TIniSnapshot&&) noexcept = default;

std::optional<std::string> TIniSnapshot::ReadString(const std::string& section, const std::string& key) const {
  if (!parsed_) return std::nullopt;
  try {
    const char* value = parsed_->Ini.GetValue(section.c_str(), key.c_str(), nullptr);
    if (!value) return std::nullopt;
    return std::string(value);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

bool TIniSnapshot::ReadBool(const std::string& section, const std::string& key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

int32_t TIniSnapshot::ReadInteger(const std::string& section, const std::string& key, int32_t def) const {
  try {
    const std::optional<std::string> text = ReadString(section, key);
    if (!text) return def;
    return ParseIniInteger(*text).value_or(def);
  } catch (const std::bad_alloc&) {
    return def;
  }
}

TIniSnapshot TIniStore::Snapshot() const noexcept {
  TIniSnapshot snapshot;
  try {
    const safefile::TReadResult file = safefile::ReadSmallFile(path_, kMaxFileSize);
    if (!file) return snapshot;
    auto parsed = std::make_unique<TIniSnapshot::TParsed>();
    if (parsed->Ini.LoadData(file.Text) < 0) return snapshot;
    snapshot.parsed_ = std::move(parsed);
  } catch (const std::bad_alloc&) {
  }
  return snapshot;
}

std::optional<std::string> TIniStore::ReadString(const std::string& section, const std::string& key) const {
  return Snapshot().ReadString(section, key);
}

bool TIniStore::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  return Write({TIniWrite{section, key, value}});
}

bool TIniStore::Write(const std::vector<TIniWrite>& writes, std::string* whyNot) {
  const auto fail = [whyNot](std::string reason) {
    if (whyNot) *whyNot = std::move(reason);
    return false;
  };
  try {
    // A missing file is created; one that is there but cannot be read is
    // left alone rather than replaced by a file of these keys only.
    const safefile::TReadResult file = safefile::ReadSmallFile(safefile::WriteTarget(path_), kMaxFileSize);
    if (!file && file.Status != safefile::TReadStatus::Missing) return fail(safefile::Reason(file));
    // SimpleIni stops at a NUL byte; whatever follows one would be lost.
    if (file.Text.find('\0') != std::string::npos) return fail("the file holds a NUL byte");
    const std::optional<std::string> out = UpdatedText(file.Text, writes);
    if (!out) return fail("the settings cannot be put into the file's text");
    if (out->size() > kMaxFileSize) return fail("the file would be far too large");
    if (file && *out == file.Text) return true;
    const safefile::TReplaceResult replaced = safefile::ReplaceFile(path_, *out);
    return replaced ? true : fail(safefile::Reason(replaced));
  } catch (const std::bad_alloc&) {
    return fail("there is not enough memory");
  }
}

bool TIniStore::ReadBool(const std::string& section, const std::string& key, bool def) const {
  return Snapshot().ReadBool(section, key, def);
}

int32_t TIniStore::ReadInteger(const std::string& section, const std::string& key, int32_t def) const {
  return Snapshot().ReadInteger(section, key, def);
}

bool TIniStore::WriteBool(const std::string& section, const std::string& key, bool value) {
  return WriteString(section, key, value ? "1" : "0");
}

bool TIniStore::WriteInteger(const std::string& section, const std::string& key, int32_t value) {
  return WriteString(section, key, std::to_string(value));
}
