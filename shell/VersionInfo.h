// The version data that the build links into the program's executable, read
// back from the executable file: the three lookups a Windows program makes
// with GetFileVersionInfoSize, GetFileVersionInfo and VerQueryValue.
//
// The build puts the data in an ELF section of its own, ".vz_version", as a
// short text block (see VersionData.cpp.in): a header line, then one line per
// value, "<kind><path>=<value>", where the kind is S (a string), W (16-bit
// words in hexadecimal) or D (32-bit words in hexadecimal), and a NUL at the
// end. Lookups decode a value into the binary form a Windows program gets.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace vz {

// The fixed part ("\"), laid out as Windows' VS_FIXEDFILEINFO.
struct TFixedFileInfo {
  uint32_t Signature;  // 0xFEEF04BD
  uint32_t StrucVersion;
  uint32_t FileVersionMS;
  uint32_t FileVersionLS;
  uint32_t ProductVersionMS;
  uint32_t ProductVersionLS;
  uint32_t FileFlagsMask;
  uint32_t FileFlags;
  uint32_t FileOS;
  uint32_t FileType;
  uint32_t FileSubtype;
  uint32_t FileDateMS;
  uint32_t FileDateLS;
};
static_assert(sizeof(TFixedFileInfo) == 52);

inline constexpr uint32_t kFixedFileInfoSignature = 0xFEEF04BD;
inline constexpr char kVersionSection[] = ".vz_version";
inline constexpr char kVersionHeader[] = "VZVERSIONINFO 1\n";

// One value found by VerQueryValue.
struct TVersionValue {
  QByteArray Data;      // the value's bytes; a string ends with its NUL
  uint32_t Length = 0;  // a string: its characters including the NUL; otherwise bytes
};

// Size of the version data in the file; 0 when the file cannot be read, is
// not an executable of this machine's kind, or holds no version data.
uint32_t GetFileVersionInfoSize(const QString& fileName);

// Reads the version data of the file into block (the size asked for first
// by GetFileVersionInfoSize). Fails when the data is not there any more, has
// another size, or is not well formed.
bool GetFileVersionInfo(const QString& fileName, uint32_t size, QByteArray& block);

// Looks a value up by path: "\" (the fixed part), "\VarFileInfo\Translation"
// (pairs of 16-bit language and code page), or "\StringFileInfo\" + eight
// hexadecimal digits of language and code page + "\" + key. Paths compare
// without regard to case, as on Windows. False when there is no such value.
bool VerQueryValue(const QByteArray& block, const QString& subBlock, TVersionValue& value);

}  // namespace vz
