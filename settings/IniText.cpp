#include "IniText.h"

#include <cstddef>

namespace {

constexpr std::string_view kSignature = "\xEF\xBB\xBF";

struct TLine {
  std::string Text;  // without its line end
  std::string End;   // "\r\n", "\n", "\r", or empty for an unended last line
};

enum class TKind { Blank, Comment, Section, Key, Other, Broken };

struct TParsed {
  TKind Kind = TKind::Other;
  std::string_view Name;       // of a section or key
  std::size_t ValueBegin = 0;  // of a key's value, blanks around it excluded
  std::size_t ValueEnd = 0;
};

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::vector<TLine> OwnedLines(std::string_view text) {
  std::vector<TLine> lines;
  for (const TIniLine& line : SplitIniLines(text)) lines.push_back({std::string(line.Text), std::string(line.End)});
  return lines;
}

TParsed Parse(std::string_view line) {
  TParsed p;
  std::size_t i = 0;
  while (i < line.size() && IsBlank(line[i])) ++i;
  if (i == line.size()) {
    p.Kind = TKind::Blank;
  } else if (line[i] == ';' || line[i] == '#') {
    p.Kind = TKind::Comment;
  } else if (line[i] == '[') {
    const std::size_t close = line.find(']', i);
    if (close == std::string_view::npos) {
      p.Kind = TKind::Broken;
    } else {
      p.Kind = TKind::Section;
      p.Name = Trimmed(line.substr(i + 1, close - i - 1));
    }
  } else if (const std::size_t eq = line.find('=', i); eq != std::string_view::npos && eq != i) {
    p.Kind = TKind::Key;
    p.Name = Trimmed(line.substr(i, eq - i));
    std::size_t b = eq + 1;
    while (b < line.size() && IsBlank(line[b])) ++b;
    std::size_t e = line.size();
    while (e > b && IsBlank(line[e - 1])) --e;
    p.ValueBegin = b;
    p.ValueEnd = e;
  }
  return p;
}

bool PlainName(std::string_view name) {
  return !name.empty() && Trimmed(name) == name && name.find_first_of("=[]\r\n") == std::string_view::npos &&
         name[0] != ';' && name[0] != '#';
}

bool Writable(const TIniWrite& w) {
  return PlainName(w.Section) && PlainName(w.Key) && Trimmed(w.Value) == w.Value &&
         w.Value.find_first_of("\r\n") == std::string::npos;
}

// Where a key stands, or where its section's first block ends.
struct TPlace {
  std::ptrdiff_t Key = -1;          // the line of the key, when there
  std::ptrdiff_t InsertAfter = -1;  // the last key of the section's first block, or its header
};

TPlace Find(const std::vector<TLine>& lines, std::string_view section, std::string_view key) {
  TPlace place;
  bool inSection = false;
  bool firstBlock = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const TParsed p = Parse(lines[i].Text);
    if (p.Kind == TKind::Section) {
      inSection = SameName(p.Name, section);
      firstBlock = inSection && place.InsertAfter < 0;
      if (firstBlock) place.InsertAfter = static_cast<std::ptrdiff_t>(i);
    } else if (p.Kind == TKind::Key && inSection) {
      if (SameName(p.Name, key)) {
        place.Key = static_cast<std::ptrdiff_t>(i);
        return place;
      }
      if (firstBlock) place.InsertAfter = static_cast<std::ptrdiff_t>(i);
    }
  }
  return place;
}

void Apply(std::vector<TLine>& lines, const TIniWrite& w, const std::string& newline) {
  const TPlace place = Find(lines, w.Section, w.Key);
  if (place.Key >= 0) {
    if (w.OnlyIfMissing) return;
    TLine& line = lines[static_cast<std::size_t>(place.Key)];
    const TParsed p = Parse(line.Text);
    line.Text.replace(p.ValueBegin, p.ValueEnd - p.ValueBegin, w.Value);
    return;
  }
  if (place.InsertAfter >= 0) {
    TLine& before = lines[static_cast<std::size_t>(place.InsertAfter)];
    if (before.End.empty()) before.End = newline;
    lines.insert(lines.begin() + place.InsertAfter + 1, TLine{w.Key + "=" + w.Value, newline});
    return;
  }
  if (!lines.empty()) {
    if (lines.back().End.empty()) lines.back().End = newline;
    int blanks = 0;
    for (auto it = lines.rbegin(); it != lines.rend() && blanks < 2 && Parse(it->Text).Kind == TKind::Blank; ++it)
      ++blanks;
    for (; blanks < 2; ++blanks) lines.push_back({{}, newline});
  }
  lines.push_back({"[" + w.Section + "]", newline});
  lines.push_back({w.Key + "=" + w.Value, newline});
}

}  // namespace

std::vector<TIniLine> SplitIniLines(std::string_view text) {
  std::vector<TIniLine> lines;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos) {
      lines.push_back({text, {}});
      break;
    }
    const std::size_t width = text.substr(end, 2) == "\r\n" ? 2 : 1;
    lines.push_back({text.substr(0, end), text.substr(end, width)});
    text.remove_prefix(end + width);
  }
  return lines;
}

std::optional<std::string> ApplyIniWrites(std::string_view text, const std::vector<TIniWrite>& writes) {
  for (const TIniWrite& w : writes)
    if (!Writable(w)) return std::nullopt;
  std::string out;
  if (text.substr(0, kSignature.size()) == kSignature) {
    out = kSignature;
    text.remove_prefix(kSignature.size());
  }
  std::vector<TLine> lines = OwnedLines(text);
  for (const TLine& line : lines)
    if (Parse(line.Text).Kind == TKind::Broken) return std::nullopt;
  const std::string newline = !lines.empty() && !lines.front().End.empty() ? lines.front().End : "\n";
  for (const TIniWrite& w : writes) Apply(lines, w, newline);
  for (const TLine& line : lines) {
    out += line.Text;
    out += line.End;
  }
  return out;
}
