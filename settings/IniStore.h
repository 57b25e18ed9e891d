// The settings file: an INI text file read and written one value at a time.
//
// Every operation opens the file by its path, does its one read or write and
// lets go of it, so nothing is held open between the start of the program and
// its end. Section and key names match regardless of letter case. A write
// keeps the rest of the file (other sections, keys and comments), replaces an
// existing value where it stands and creates the file, the section or the key
// when missing.
//
// A write never leaves the file half-written and touches no other file: the
// file is replaced whole, keeping its permissions (SafeFile.h). It keeps the
// file's line ends, comments and blank lines (IniText.h).
// Reads never fail; a file that cannot be read (missing, not a regular file,
// unreadable, or larger than kMaxFileSize) reads as empty, and a write to it
// fails rather than replace what it could not read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "IniText.h"

// The integer a settings value holds, or nothing when the text is not one:
// "0x"/"0X" at the start of a text longer than two characters stands for "$";
// after leading blanks, either an optional sign and decimal digits or "$" and
// hexadecimal digits must make up the rest; the value must fit 32 signed bits.
std::optional<int32_t> ParseIniInteger(std::string_view text);

// The settings file as read at one moment: one read and one parse for many
// values. Each read answers as the store's own read would have at that
// moment, and never throws.
class TIniSnapshot {
 public:
  TIniSnapshot();  // an empty file
  ~TIniSnapshot();
  TIniSnapshot(TIniSnapshot&&) noexcept;
  TIniSnapshot& operator=(TIniSnapshot&&) noexcept;

  bool ReadBool(const std::string& section, const std::string& key, bool def) const;
  int32_t ReadInteger(const std::string& section, const std::string& key, int32_t def) const;
  std::optional<std::string> ReadString(const std::string& section, const std::string& key) const;

 private:
  friend class TIniStore;
  struct TParsed;
  std::unique_ptr<TParsed> parsed_;  // null when the file could not be read
};

class TIniStore {
 public:
  // No settings file is anywhere near this size; a bigger file is something
  // else that happens to carry the name.
  static constexpr std::size_t kMaxFileSize = std::size_t{4} << 20;

  explicit TIniStore(std::string path);

  const std::string& Path() const { return path_; }

  // The file read now, for many reads at once; empty when it cannot be read.
  TIniSnapshot Snapshot() const noexcept;

  // Reads give the default when the file, section or key is missing or the
  // value is not an integer (or memory runs out); a boolean is any non-zero
  // integer. They never throw.
  bool ReadBool(const std::string& section, const std::string& key, bool def) const;
  int32_t ReadInteger(const std::string& section, const std::string& key, int32_t def) const;

  // Booleans are stored as "1" and "0", integers in decimal. False when the
  // file could not be read or replaced; the file is then as it was.
  bool WriteBool(const std::string& section, const std::string& key, bool value);
  bool WriteInteger(const std::string& section, const std::string& key, int32_t value);

  // The raw value text with the blanks around it removed, if the key exists.
  std::optional<std::string> ReadString(const std::string& section, const std::string& key) const;
  bool WriteString(const std::string& section, const std::string& key, const std::string& value);

  // The writes in their order, as one replace of the file: a reader or a
  // crash sees all of them or none. The file's own layout is kept as
  // ApplyIniWrites (IniText.h) describes; a text it cannot edit for certain
  // is rewritten whole with the same content. A write that changes nothing
  // leaves the file untouched.
  // whyNot, when given, says why a write failed.
  bool Write(const std::vector<TIniWrite>& writes, std::string* whyNot = nullptr);

 private:
  std::string path_;
};
