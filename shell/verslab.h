// TVersionLabel: a label that shows one entry of the program's own version
// data, optionally after a prefix ("File Version: 1.0.0.16" on the splash).
#pragma once

#include <QLabel>
#include <QString>
#include <cstdint>

enum TVersionResources : uint8_t {
  vrCompanyName,
  vrFileDescription,
  vrFileVersion,
  vrInternalName,
  vrLegalCopyright,
  vrOriginalFilename,
  vrProductName,
  vrProductVersion,
  vrComments,
  vrFlags,
};

class TVersionLabel : public QLabel {
  Q_OBJECT

 public:
  explicit TVersionLabel(QWidget* parent = nullptr);

  // The kind sets the key and the prefix that go with it.
  TVersionResources VersionResource() const { return versionResource_; }
  void SetVersionResource(TVersionResources value);
  QString InfoPrefix() const { return infoPrefix_; }
  void SetInfoPrefix(const QString& value);
  bool ShowInfoPrefix() const { return showInfoPrefix_; }
  void SetShowInfoPrefix(bool value);
  // A key chosen freely also becomes the prefix, until a prefix is set.
  QString VersionResourceKey() const { return versionResourceKey_; }
  void SetVersionResourceKey(const QString& value);
  // Eight hexadecimal digits naming the string table, or "-1" for the first
  // entry of the translation table; the first lookup replaces "-1" with the
  // code it found.
  QString LangCharset() const { return langCharset_; }
  void SetLangCharset(const QString& value);

  // The label grows and shrinks to its text when True.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);

  // The file the data is read from; empty (the default) means the program's
  // own executable. Tests point it at other files.
  QString VersionFile() const { return versionFile_; }
  void SetVersionFile(const QString& value);

  // A label shown in a form designer has no program file to read; no
  // designer hosts this one, but the text is kept for when one does.
  bool Designing() const { return designing_; }
  void SetDesigning(bool value);

  void UpdateCaption();
  QString VersionText();
  QString FlagsText(const QByteArray& versionData);
  QString StringValue(const QByteArray& versionData);

 private:
  QString FileName() const;

  TVersionResources versionResource_ = vrCompanyName;
  QString infoPrefix_;
  bool showInfoPrefix_ = false;
  QString versionResourceKey_;
  QString langCharset_;
  bool autoSize_ = false;
  QString versionFile_;
  bool designing_ = false;
};
