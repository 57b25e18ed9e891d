// Editing an INI text line by line, so that writing a value back keeps the
// file as its owner wrote it: its line ends (CRLF stays CRLF), comments
// where they stand, blank lines as they are, other sections and keys
// untouched, and the spelling of the names already there.
//
// The lines are read the way the store's reader (SimpleIni) reads them: a
// line ends at "\r\n", "\n" or a lone "\r"; after leading blanks, ";" or "#"
// starts a comment, "[" a section header that must close with "]" on the
// same line, and any other line holding "=" after a non-empty name is a key;
// names match regardless of ASCII letter case, and a name or value loses the
// blanks around it. A key read twice counts where it first stands.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One line of an INI text and what ends it: "\r\n", "\n", a lone "\r", or
// nothing for a last line without an end.
struct TIniLine {
  std::string_view Text;
  std::string_view End;
};

// The text's lines as SimpleIni finds them; the editor and the store's
// check of what SimpleIni would drop both read the file through this one
// splitter, so they can never disagree on where a line ends.
std::vector<TIniLine> SplitIniLines(std::string_view text);

struct TIniWrite {
  std::string Section;
  std::string Key;
  std::string Value;
  // Leaves a key that is already there as it is (any value, even one that
  // does not read): the write only fills in a missing key.
  bool OnlyIfMissing = false;
};

// The text with the writes applied in their order. An existing key gets the
// new value in place of its old one and nothing else on its line changes; a
// missing key goes directly after the last key of the first block of its
// section (after the header when it has none); a missing section goes at the
// end, after two blank lines (topped up from those the text ends with, none
// in an empty text), as "[Section]" and its key. New lines end as the text's
// first line does ("\n" when it has none). Nothing when the text holds a line
// this editor cannot place for certain (a "[" without its "]"), or a write
// that a line cannot hold (an empty section or key name, a name with "=",
// "[", "]" or a line end, a value with a line end or blanks around it); the
// caller then has the store rewrite the whole file.
std::optional<std::string> ApplyIniWrites(std::string_view text, const std::vector<TIniWrite>& writes);
