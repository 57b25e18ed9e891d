// The version data linked into this test program, read back from its file,
// and TVersionLabel over it, over files without it and over damaged copies.
#include <elf.h>

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

#include "VersionInfo.h"
#include "verslab.h"

namespace {

QString OwnFile() {
  return QCoreApplication::applicationFilePath();
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// A copy of this program with every occurrence of from replaced by to (of
// the same length, so nothing else in the file moves).
QString PatchedCopy(const QTemporaryDir& dir, const QByteArray& from, const QByteArray& to) {
  Q_ASSERT(from.size() == to.size());
  QByteArray bytes = ReadAll(OwnFile());
  for (qsizetype at = bytes.indexOf(from); at >= 0; at = bytes.indexOf(from, at + 1)) {
    std::memcpy(bytes.data() + at, to.constData(), static_cast<size_t>(to.size()));
  }
  const QString path = dir.filePath(QString::fromLatin1(to.left(8).toHex()));
  return WriteAll(path, bytes) ? path : QString();
}

QByteArray Block(const char* lines) {
  return QByteArray("VZVERSIONINFO 1\n") + lines + '\0';
}

}  // namespace

class TVersionTest : public QObject {
  Q_OBJECT

 private slots:
  void ownFileHoldsTheData();
  void filesWithoutData();
  void damagedElfNeverCrashes();
  void labelTexts_data();
  void labelTexts();
  void labelOverDamagedData_data();
  void labelOverDamagedData();
  void langCharsetResolvesOnceAndAgainAfterReset();
  void setterRules();
  void flagsText_data();
  void flagsText();
};

void TVersionTest::ownFileHoldsTheData() {
  const uint32_t size = vz::GetFileVersionInfoSize(OwnFile());
  QVERIFY(size > 0);
  QByteArray block;
  QVERIFY(vz::GetFileVersionInfo(OwnFile(), size, block));
  QVERIFY(!vz::GetFileVersionInfo(OwnFile(), size + 1, block));

  vz::TVersionValue value;
  QVERIFY(vz::VerQueryValue(block, QStringLiteral("\\"), value));
  QCOMPARE(value.Length, uint32_t{sizeof(vz::TFixedFileInfo)});
  vz::TFixedFileInfo fixed;
  std::memcpy(&fixed, value.Data.constData(), sizeof fixed);
  QCOMPARE(fixed.Signature, vz::kFixedFileInfoSignature);
  QCOMPARE(fixed.FileVersionMS, 0x00010000u);
  QCOMPARE(fixed.FileVersionLS, 0x00000010u);
  QCOMPARE(fixed.ProductVersionMS, 0x00010000u);
  QCOMPARE(fixed.ProductVersionLS, 0x00000010u);
  QCOMPARE(fixed.FileFlagsMask, 0x3Fu);
  QCOMPARE(fixed.FileFlags, 0u);

  QVERIFY(vz::VerQueryValue(block, QStringLiteral("\\VarFileInfo\\Translation"), value));
  QCOMPARE(value.Length, 4u);
  uint16_t words[2];
  std::memcpy(words, value.Data.constData(), sizeof words);
  QCOMPARE(words[0], uint16_t{0x0809});
  QCOMPARE(words[1], uint16_t{0x04E4});

  // Paths compare without regard to case, as on Windows.
  QVERIFY(vz::VerQueryValue(block, QStringLiteral("\\stringfileinfo\\080904e4\\fileversion"), value));
  QCOMPARE(QByteArray(value.Data.constData()), QByteArray("1.0.0.16"));
  QCOMPARE(value.Length, 9u);
  QVERIFY(vz::VerQueryValue(block, QStringLiteral("\\StringFileInfo\\080904E4\\LegalCopyright"), value));
  QVERIFY(QByteArray(value.Data.constData()).contains("Vezari Zaduder"));
  QVERIFY(vz::VerQueryValue(block, QStringLiteral("\\StringFileInfo\\080904E4\\LegalTrademarks"), value));
  QCOMPARE(value.Length, 1u);
  QVERIFY(!vz::VerQueryValue(block, QStringLiteral("\\StringFileInfo\\040904B0\\FileVersion"), value));
  QVERIFY(!vz::VerQueryValue(block, QStringLiteral("\\StringFileInfo\\080904E4\\NoSuchKey"), value));
}

void TVersionTest::filesWithoutData() {
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  const QString text = dir.filePath(QStringLiteral("text.txt"));
  QVERIFY(WriteAll(text, "VZVERSIONINFO 1\nS\\StringFileInfo\\080904E4\\FileVersion=9\n"));
  const QString truncated = dir.filePath(QStringLiteral("truncated"));
  QVERIFY(WriteAll(truncated, ReadAll(OwnFile()).left(4096)));

  QCOMPARE(vz::GetFileVersionInfoSize(QStringLiteral(VZ_PLAIN_EXE)), 0u);
  QCOMPARE(vz::GetFileVersionInfoSize(text), 0u);
  QCOMPARE(vz::GetFileVersionInfoSize(truncated), 0u);
  QCOMPARE(vz::GetFileVersionInfoSize(dir.filePath(QStringLiteral("missing"))), 0u);
  QCOMPARE(vz::GetFileVersionInfoSize(dir.path()), 0u);
  QByteArray block;
  QVERIFY(!vz::GetFileVersionInfo(QStringLiteral(VZ_PLAIN_EXE), 0, block));
}

// Random damage to the file header and the section table gives "no data" or
// a failed read, never a crash or a read out of range (an ASan build of this
// test catches one).
void TVersionTest::damagedElfNeverCrashes() {
  QTemporaryDir dir;
  const QByteArray original = ReadAll(OwnFile());
  QVERIFY(original.size() > qsizetype{sizeof(Elf64_Ehdr)});
  Elf64_Ehdr header;
  std::memcpy(&header, original.constData(), sizeof header);
  const qsizetype table = static_cast<qsizetype>(header.e_shoff);
  const int tableSize = header.e_shnum * header.e_shentsize;
  QVERIFY(table > 0 && table + tableSize <= original.size());

  QRandomGenerator random(20261207);
  const QString path = dir.filePath(QStringLiteral("damaged"));
  int found = 0;
  for (int round = 0; round < 200; ++round) {
    QByteArray bytes = original;
    for (int i = 0; i < 3; ++i) {
      const qsizetype at = i == 0 ? random.bounded(int{sizeof header}) : table + random.bounded(tableSize);
      bytes[at] = static_cast<char>(random.bounded(256));
    }
    QVERIFY(WriteAll(path, bytes));
    const uint32_t size = vz::GetFileVersionInfoSize(path);
    QByteArray block;
    if (size > 0 && vz::GetFileVersionInfo(path, size, block)) {
      vz::TVersionValue value;
      if (vz::VerQueryValue(block, QStringLiteral("\\StringFileInfo\\080904E4\\FileVersion"), value)) ++found;
    }
  }
  // Most damage misses what the reader looks at.
  QVERIFY(found > 0);
}

void TVersionTest::labelTexts_data() {
  QTest::addColumn<int>("kind");
  QTest::addColumn<bool>("showPrefix");
  QTest::addColumn<QString>("key");
  QTest::addColumn<QString>("langCharset");
  QTest::addColumn<QString>("file");
  QTest::addColumn<QString>("expected");

  const QString own;
  const QString none;
  QTest::newRow("file version") << int(vrFileVersion) << true << none << none << own << "File Version: 1.0.0.16";
  QTest::newRow("bare value") << int(vrFileVersion) << false << none << none << own << "1.0.0.16";
  QTest::newRow("product version") << int(vrProductVersion) << true << none << none << own
                                   << "Product Version: 1.0.0.0";
  QTest::newRow("flags") << int(vrFlags) << true << none << none << own << "Flags: ";
  QTest::newRow("empty company") << int(vrCompanyName) << true << none << none << own
                                 << "Company Name: < No Version Info >";
  QTest::newRow("key chosen freely becomes the prefix")
      << int(vrFileVersion) << true << "ProductVersion" << none << own << "ProductVersion 1.0.0.0";
  QTest::newRow("key that does not exist") << int(vrFileVersion) << true << "PrivateBuild" << none << own
                                           << "PrivateBuild < Error retrieving version info >";
  QTest::newRow("string table that does not exist")
      << int(vrFileVersion) << true << none << "040904B0" << own << "File Version: < Error retrieving version info >";
  QTest::newRow("table named directly") << int(vrFileVersion) << true << none << "080904E4" << own
                                        << "File Version: 1.0.0.16";
  QTest::newRow("file without data") << int(vrFileVersion) << true << none << none << VZ_PLAIN_EXE
                                     << "File Version: < No Data Available >";
  QTest::newRow("file without data, bare")
      << int(vrFlags) << false << none << none << VZ_PLAIN_EXE << "< No Data Available >";
}

void TVersionTest::labelTexts() {
  QFETCH(int, kind);
  QFETCH(bool, showPrefix);
  QFETCH(QString, key);
  QFETCH(QString, langCharset);
  QFETCH(QString, file);
  QFETCH(QString, expected);

  TVersionLabel label;
  label.SetVersionFile(file);
  label.SetVersionResource(static_cast<TVersionResources>(kind));
  label.SetShowInfoPrefix(showPrefix);
  if (!key.isEmpty()) label.SetVersionResourceKey(key);
  if (!langCharset.isEmpty()) label.SetLangCharset(langCharset);
  QCOMPARE(label.text(), expected);
  QCOMPARE(label.VersionText(), expected);
}

void TVersionTest::labelOverDamagedData_data() {
  QTest::addColumn<QByteArray>("from");
  QTest::addColumn<QByteArray>("to");
  QTest::addColumn<int>("kind");
  QTest::addColumn<QString>("expected");
  QTest::newRow("unreadable data") << QByteArray("VZVERSIONINFO 1\n") << QByteArray("VZVERSIONINFO 9\n")
                                   << int(vrFileVersion) << "File Version: < Error retrieving version info >";
  QTest::newRow("no translation table") << QByteArray("W\\VarFileInfo\\Translation=")
                                        << QByteArray("W\\VarFileInfo\\Translatiom=") << int(vrFileVersion)
                                        << "File Version: < Error retrieving translation info >";
  QTest::newRow("no fixed part") << QByteArray("D\\=0xFEEF04BD") << QByteArray("D\\X=0xFEEF04B") << int(vrFlags)
                                 << "Flags: < Error retrieving version info >";
  QTest::newRow("flags set") << QByteArray(" 0x3F 0x0 0x0 0x1") << QByteArray(" 0x3F 0x9 0x0 0x1") << int(vrFlags)
                             << "Flags: Debug Build, Private Build";
}

void TVersionTest::labelOverDamagedData() {
  QFETCH(QByteArray, from);
  QFETCH(QByteArray, to);
  QFETCH(int, kind);
  QFETCH(QString, expected);
  QTemporaryDir dir;
  const QString copy = PatchedCopy(dir, from, to);
  QVERIFY(!copy.isEmpty());
  TVersionLabel label;
  label.SetVersionResource(static_cast<TVersionResources>(kind));
  label.SetVersionFile(copy);
  label.SetLangCharset(QStringLiteral("-1"));  // the constructor resolved it from this program's own file
  QCOMPARE(label.text(), expected);
}

void TVersionTest::langCharsetResolvesOnceAndAgainAfterReset() {
  TVersionLabel label;
  QCOMPARE(label.text(), QStringLiteral("File Version: 1.0.0.16"));
  QCOMPARE(label.LangCharset(), QStringLiteral("080904E4"));

  // The resolved code stays until "-1" is set again; over a file without a
  // translation table it then fails where the resolved code would not.
  QTemporaryDir dir;
  const QString copy =
      PatchedCopy(dir, QByteArray("W\\VarFileInfo\\Translation="), QByteArray("W\\VarFileInfo\\Translatiom="));
  label.SetVersionFile(copy);
  QCOMPARE(label.text(), QStringLiteral("File Version: 1.0.0.16"));
  label.SetLangCharset(QStringLiteral("-1"));
  QCOMPARE(label.text(), QStringLiteral("File Version: < Error retrieving translation info >"));
  QCOMPARE(label.LangCharset(), QStringLiteral("-1"));
}

void TVersionTest::setterRules() {
  TVersionLabel label;
  QCOMPARE(label.VersionResource(), vrFileVersion);
  QCOMPARE(label.VersionResourceKey(), QStringLiteral("FileVersion"));
  QCOMPARE(label.InfoPrefix(), QStringLiteral("File Version:"));
  QVERIFY(label.ShowInfoPrefix());
  QVERIFY(label.AutoSize());
  QVERIFY(!label.wordWrap());

  // A chosen prefix survives until the key changes again.
  label.SetInfoPrefix(QStringLiteral("Build"));
  QCOMPARE(label.text(), QStringLiteral("Build 1.0.0.16"));
  label.SetVersionResourceKey(QStringLiteral("FileVersion"));  // unchanged key: prefix kept
  QCOMPARE(label.InfoPrefix(), QStringLiteral("Build"));
  label.SetVersionResource(vrLegalCopyright);
  QCOMPARE(label.InfoPrefix(), QStringLiteral("Legal Copyright:"));
  QVERIFY(label.text().startsWith(QStringLiteral("Legal Copyright: Copyright (C) ")));

  label.SetDesigning(true);
  QCOMPARE(label.text(), QStringLiteral("Legal Copyright: < No design info >"));
}

void TVersionTest::flagsText_data() {
  QTest::addColumn<QByteArray>("block");
  QTest::addColumn<QString>("expected");
  QTest::newRow("none") << Block("D\\=0xFEEF04BD 0 0 0 0 0 0x3F 0x0 0 0 0 0 0\n") << QString();
  QTest::newRow("debug, pre-release") << Block("D\\=0xFEEF04BD 0 0 0 0 0 0x3F 0x3 0 0 0 0 0\n")
                                      << "Debug Build, Pre-Release Build";
  QTest::newRow("all, unmasked")
      << Block("D\\=0xFEEF04BD 0 0 0 0 0 0x0 0xFF 0 0 0 0 0\n")
      << "Debug Build, Pre-Release Build, Patched Build, Private Build, InfoInferred, Special Build";
  QTest::newRow("special only") << Block("D\\=0xFEEF04BD 0 0 0 0 0 0x3F 0x20 0 0 0 0 0\n") << "Special Build";
  QTest::newRow("short fixed part") << Block("D\\=0xFEEF04BD 0x1\n") << QString();
  QTest::newRow("missing") << Block("S\\StringFileInfo\\080904E4\\FileVersion=1\n")
                           << "< Error retrieving version info >";
}

void TVersionTest::flagsText() {
  QFETCH(QByteArray, block);
  QFETCH(QString, expected);
  TVersionLabel label;
  QCOMPARE(label.FlagsText(block), expected);
}

QTEST_MAIN(TVersionTest)
#include "version_test.moc"
