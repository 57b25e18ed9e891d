#include "VersionInfo.h"

#include <elf.h>

#include <QFile>
#include <bit>
#include <charconv>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

namespace vz {

namespace {

// Real version data is a few hundred bytes; anything much larger is not ours
// and is refused before a buffer is allocated for it.
constexpr quint64 kMaxDataSize = 64 * 1024;
constexpr quint64 kMaxNameTableSize = 1024 * 1024;

struct TSpan {
  quint64 Offset = 0;
  quint64 Size = 0;
};

bool ReadAt(QFile& file, quint64 offset, void* out, quint64 size) {
  if (offset > static_cast<quint64>(file.size()) || size > static_cast<quint64>(file.size()) - offset) {
    return false;
  }
  return file.seek(static_cast<qint64>(offset)) &&
         file.read(static_cast<char*>(out), static_cast<qint64>(size)) == static_cast<qint64>(size);
}

// The version section of an ELF file of the given class. Every offset and
// count comes from the file and is checked against its size before use.
template <class Ehdr, class Shdr>
std::optional<TSpan> FindSection(QFile& file) {
  Ehdr header;
  if (!ReadAt(file, 0, &header, sizeof header)) return std::nullopt;
  // A count of 0 with a non-zero table offset is ELF's escape for more than
  // 65279 sections; no executable of ours comes near that, so it is refused.
  if (header.e_shoff == 0 || header.e_shnum == 0 || header.e_shentsize != sizeof(Shdr) ||
      header.e_shstrndx >= header.e_shnum) {
    return std::nullopt;
  }
  std::vector<Shdr> sections(header.e_shnum);
  if (!ReadAt(file, header.e_shoff, sections.data(), sections.size() * sizeof(Shdr))) return std::nullopt;

  const Shdr& nameSection = sections[header.e_shstrndx];
  if (nameSection.sh_type == SHT_NOBITS || nameSection.sh_size == 0 || nameSection.sh_size > kMaxNameTableSize) {
    return std::nullopt;
  }
  std::vector<char> names(nameSection.sh_size);
  if (!ReadAt(file, nameSection.sh_offset, names.data(), names.size())) return std::nullopt;
  names.back() = '\0';  // every name read below then ends inside the table

  for (const Shdr& section : sections) {
    if (section.sh_name >= names.size() || std::strcmp(names.data() + section.sh_name, kVersionSection) != 0) {
      continue;
    }
    if (section.sh_type == SHT_NOBITS) return std::nullopt;
    return TSpan{section.sh_offset, section.sh_size};
  }
  return std::nullopt;
}

std::optional<TSpan> FindVersionData(QFile& file) {
  unsigned char ident[EI_NIDENT];
  if (!ReadAt(file, 0, ident, sizeof ident) || std::memcmp(ident, ELFMAG, SELFMAG) != 0) return std::nullopt;
  constexpr unsigned char kNativeOrder = std::endian::native == std::endian::little ? ELFDATA2LSB : ELFDATA2MSB;
  if (ident[EI_DATA] != kNativeOrder) return std::nullopt;
  std::optional<TSpan> span;
  if (ident[EI_CLASS] == ELFCLASS64) {
    span = FindSection<Elf64_Ehdr, Elf64_Shdr>(file);
  } else if (ident[EI_CLASS] == ELFCLASS32) {
    span = FindSection<Elf32_Ehdr, Elf32_Shdr>(file);
  }
  if (!span || span->Size == 0 || span->Size > kMaxDataSize) return std::nullopt;
  const auto fileSize = static_cast<quint64>(file.size());
  if (span->Offset > fileSize || span->Size > fileSize - span->Offset) return std::nullopt;
  return span;
}

// Hexadecimal numbers separated by blanks, each stored as one T in the
// machine's own byte order, as the program reading the value expects it.
template <class T>
bool AppendNumbers(std::string_view text, QByteArray& out) {
  size_t at = 0;
  bool any = false;
  while (at < text.size()) {
    if (text[at] == ' ') {
      ++at;
      continue;
    }
    const char* first = text.data() + at;
    const char* last = text.data() + text.size();
    if (last - first > 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X')) first += 2;
    T number{};
    const auto [end, error] = std::from_chars(first, last, number, 16);
    if (error != std::errc() || (end != last && *end != ' ')) return false;
    out.append(reinterpret_cast<const char*>(&number), sizeof number);
    at = static_cast<size_t>(end - text.data());
    any = true;
  }
  return any;
}

// One line "<kind><path>=<value>"; decodes the value when out is given.
bool ParseLine(std::string_view line, std::string_view& path, TVersionValue* out) {
  if (line.size() < 3 || line[1] != '\\') return false;
  const char kind = line[0];
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  path = line.substr(1, equals - 1);
  const std::string_view text = line.substr(equals + 1);
  TVersionValue value;
  switch (kind) {
    case 'S':
      value.Data = QByteArray(text.data(), static_cast<qsizetype>(text.size()));
      value.Data.append('\0');
      value.Length = static_cast<uint32_t>(value.Data.size());
      break;
    case 'W':
      if (!AppendNumbers<uint16_t>(text, value.Data)) return false;
      value.Length = static_cast<uint32_t>(value.Data.size());
      break;
    case 'D':
      if (!AppendNumbers<uint32_t>(text, value.Data)) return false;
      value.Length = static_cast<uint32_t>(value.Data.size());
      break;
    default:
      return false;
  }
  if (out) *out = std::move(value);
  return true;
}

// Calls visit(line) for each value line of a block whose header has been
// checked; stops early when visit returns true. False on a malformed block.
template <class Visit>
bool ForEachLine(const QByteArray& block, Visit visit) {
  const std::string_view all(block.constData(), static_cast<size_t>(block.size()));
  const size_t end = all.find('\0');
  if (end == std::string_view::npos || !all.starts_with(kVersionHeader)) return false;
  std::string_view rest = all.substr(std::strlen(kVersionHeader), end - std::strlen(kVersionHeader));
  while (!rest.empty()) {
    const size_t newline = rest.find('\n');
    const std::string_view line = rest.substr(0, newline);
    rest = newline == std::string_view::npos ? std::string_view() : rest.substr(newline + 1);
    if (line.empty()) continue;
    if (visit(line)) break;
  }
  return true;
}

bool SamePath(std::string_view a, const QString& b) {
  return QString::compare(QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size())), b, Qt::CaseInsensitive) == 0;
}

}  // namespace

uint32_t GetFileVersionInfoSize(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return 0;
  const std::optional<TSpan> span = FindVersionData(file);
  return span ? static_cast<uint32_t>(span->Size) : 0;
}

bool GetFileVersionInfo(const QString& fileName, uint32_t size, QByteArray& block) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const std::optional<TSpan> span = FindVersionData(file);
  if (!span || span->Size != size) return false;
  QByteArray data(static_cast<qsizetype>(size), '\0');
  if (!ReadAt(file, span->Offset, data.data(), size)) return false;

  bool wellFormed = true;
  const bool framed = ForEachLine(data, [&](std::string_view line) {
    std::string_view path;
    wellFormed = ParseLine(line, path, nullptr);
    if (path == "\\" && wellFormed) {
      TVersionValue fixed;
      ParseLine(line, path, &fixed);
      wellFormed = fixed.Length == sizeof(TFixedFileInfo);
    }
    return !wellFormed;
  });
  if (!framed || !wellFormed) return false;
  block = std::move(data);
  return true;
}

bool VerQueryValue(const QByteArray& block, const QString& subBlock, TVersionValue& value) {
  bool found = false;
  ForEachLine(block, [&](std::string_view line) {
    std::string_view path;
    if (ParseLine(line, path, nullptr) && SamePath(path, subBlock)) {
      found = ParseLine(line, path, &value);
    }
    return found;
  });
  return found;
}

}  // namespace vz
