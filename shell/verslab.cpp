#include "verslab.h"

#include <QCoreApplication>
#include <array>
#include <cstring>

#include "VersionInfo.h"

namespace {

struct TKindText {
  const char* Key;
  const char* Prefix;
};

// Indexed by TVersionResources.
constexpr std::array<TKindText, 10> kKinds{{
    {"CompanyName", QT_TRANSLATE_NOOP("TVersionLabel", "Company Name:")},
    {"FileDescription", QT_TRANSLATE_NOOP("TVersionLabel", "File Description:")},
    {"FileVersion", QT_TRANSLATE_NOOP("TVersionLabel", "File Version:")},
    {"InternalName", QT_TRANSLATE_NOOP("TVersionLabel", "Internal Name:")},
    {"LegalCopyright", QT_TRANSLATE_NOOP("TVersionLabel", "Legal Copyright:")},
    {"OriginalFilename", QT_TRANSLATE_NOOP("TVersionLabel", "Original Filename:")},
    {"ProductName", QT_TRANSLATE_NOOP("TVersionLabel", "Product Name:")},
    {"ProductVersion", QT_TRANSLATE_NOOP("TVersionLabel", "Product Version:")},
    {"Comments", QT_TRANSLATE_NOOP("TVersionLabel", "Comments:")},
    {"Flags", QT_TRANSLATE_NOOP("TVersionLabel", "Flags:")},
}};

// Texts in English; Tr gives them in the user's language.
const char* const kNoDesignInfo = QT_TRANSLATE_NOOP("TVersionLabel", "< No design info >");
const char* const kNoData = QT_TRANSLATE_NOOP("TVersionLabel", "< No Data Available >");
const char* const kErrorVersion = QT_TRANSLATE_NOOP("TVersionLabel", "< Error retrieving version info >");
const char* const kErrorTranslation = QT_TRANSLATE_NOOP("TVersionLabel", "< Error retrieving translation info >");
const char* const kNoVersionInfo = QT_TRANSLATE_NOOP("TVersionLabel", "< No Version Info >");

QString Tr(const char* text) {
  return QCoreApplication::translate("TVersionLabel", text);
}

struct TFlagName {
  uint32_t Bit;
  const char* Text;
};

constexpr std::array<TFlagName, 6> kFlagNames{{
    {0x01, QT_TRANSLATE_NOOP("TVersionLabel", ", Debug Build")},
    {0x02, QT_TRANSLATE_NOOP("TVersionLabel", ", Pre-Release Build")},
    {0x04, QT_TRANSLATE_NOOP("TVersionLabel", ", Patched Build")},
    {0x08, QT_TRANSLATE_NOOP("TVersionLabel", ", Private Build")},
    {0x10, QT_TRANSLATE_NOOP("TVersionLabel", ", InfoInferred")},
    {0x20, QT_TRANSLATE_NOOP("TVersionLabel", ", Special Build")},
}};

}  // namespace

TVersionLabel::TVersionLabel(QWidget* parent) : QLabel(parent) {
  setWordWrap(false);
  SetAutoSize(true);
  SetShowInfoPrefix(true);
  SetLangCharset(QStringLiteral("-1"));
  SetVersionResource(vrFileVersion);
}

void TVersionLabel::SetVersionResource(TVersionResources value) {
  if (value >= kKinds.size()) return;
  versionResource_ = value;
  SetVersionResourceKey(QString::fromLatin1(kKinds[value].Key));
  SetInfoPrefix(Tr(kKinds[value].Prefix));
}

void TVersionLabel::SetInfoPrefix(const QString& value) {
  if (value == infoPrefix_) return;
  infoPrefix_ = value;
  UpdateCaption();
}

void TVersionLabel::SetShowInfoPrefix(bool value) {
  if (value == showInfoPrefix_) return;
  showInfoPrefix_ = value;
  UpdateCaption();
}

void TVersionLabel::SetVersionResourceKey(const QString& value) {
  if (value == versionResourceKey_) return;
  versionResourceKey_ = value;
  SetInfoPrefix(value);
}

void TVersionLabel::SetLangCharset(const QString& value) {
  if (value == langCharset_) return;
  langCharset_ = value;
  UpdateCaption();
}

void TVersionLabel::SetAutoSize(bool value) {
  autoSize_ = value;
  if (autoSize_) adjustSize();
}

void TVersionLabel::SetVersionFile(const QString& value) {
  if (value == versionFile_) return;
  versionFile_ = value;
  UpdateCaption();
}

void TVersionLabel::SetDesigning(bool value) {
  if (value == designing_) return;
  designing_ = value;
  UpdateCaption();
}

QString TVersionLabel::FileName() const {
  return versionFile_.isEmpty() ? QCoreApplication::applicationFilePath() : versionFile_;
}

void TVersionLabel::UpdateCaption() {
  setText(VersionText());
  if (autoSize_) adjustSize();
}

QString TVersionLabel::VersionText() {
  QString text;
  if (designing_) {
    text = Tr(kNoDesignInfo);
  } else if (const uint32_t size = vz::GetFileVersionInfoSize(FileName()); size == 0) {
    text = Tr(kNoData);
  } else {
    QByteArray versionData;
    if (!vz::GetFileVersionInfo(FileName(), size, versionData)) {
      text = Tr(kErrorVersion);
    } else {
      text = versionResource_ == vrFlags ? FlagsText(versionData) : StringValue(versionData);
    }
  }
  return showInfoPrefix_ ? infoPrefix_ + QLatin1Char(' ') + text : text;
}

QString TVersionLabel::FlagsText(const QByteArray& versionData) {
  vz::TVersionValue value;
  if (!vz::VerQueryValue(versionData, QStringLiteral("\\"), value)) return Tr(kErrorVersion);
  // A fixed part too short to hold the flags word is read as empty, like the
  // 0- or 1-byte answer, rather than read past its end.
  if (value.Length <= 1 || static_cast<size_t>(value.Data.size()) < sizeof(vz::TFixedFileInfo)) return QString();
  vz::TFixedFileInfo fixed;
  std::memcpy(&fixed, value.Data.constData(), sizeof fixed);
  QString text;
  for (const TFlagName& flag : kFlagNames) {
    if (fixed.FileFlags & flag.Bit) text += Tr(flag.Text);
  }
  if (text.startsWith(QLatin1Char(','))) text.remove(0, 2);
  return text;
}

QString TVersionLabel::StringValue(const QByteArray& versionData) {
  vz::TVersionValue value;
  if (langCharset_ == QLatin1String("-1")) {
    if (!vz::VerQueryValue(versionData, QStringLiteral("\\VarFileInfo\\Translation"), value) || value.Length < 4) {
      return Tr(kErrorTranslation);
    }
    uint16_t words[2];
    std::memcpy(words, value.Data.constData(), sizeof words);
    // Stored directly: the caption is being computed right now.
    langCharset_ =
        QStringLiteral("%1%2").arg(words[0], 4, 16, QLatin1Char('0')).arg(words[1], 4, 16, QLatin1Char('0')).toUpper();
  }
  const QString path = QStringLiteral("\\StringFileInfo\\") + langCharset_ + QLatin1Char('\\') + versionResourceKey_;
  if (!vz::VerQueryValue(versionData, path, value)) return Tr(kErrorVersion);
  if (value.Length <= 1) return Tr(kNoVersionInfo);
  return QString::fromUtf8(value.Data.constData());
}
