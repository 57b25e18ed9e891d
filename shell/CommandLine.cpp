#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstring>

#include "VersionInfo.h"

namespace {

const QString kProgram = QStringLiteral("vezari-zaduder");

// The options QGuiApplication, QApplication and the X11 platform take out of
// the arguments for themselves, by whether a value follows.
constexpr const char* kQtOptionsWithValue[] = {
    "platform",   "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry", "geometry", "qwindowtitle",
    "title",      "qwindowicon",        "icon",          "session", "display",         "name",     "style",
    "stylesheet",
};
constexpr const char* kQtSwitches[] = {"reverse", "widgetcount", "sync", "nograb", "dograb"};

void AddHidden(QCommandLineParser& parser, const char* name, bool withValue) {
  QCommandLineOption option(QString::fromLatin1(name));
  if (withValue) option.setValueName(QStringLiteral("value"));
  option.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(option);
}

void Print(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
}

// A string value of the version data, in the language its translation table
// names first.
QString VersionString(const QByteArray& block, const QString& key) {
  vz::TVersionValue translation;
  if (!vz::VerQueryValue(block, QStringLiteral("\\VarFileInfo\\Translation"), translation) ||
      translation.Data.size() < 4) {
    return {};
  }
  uint16_t pair[2];
  std::memcpy(pair, translation.Data.constData(), sizeof pair);
  const QString path = QStringLiteral("\\StringFileInfo\\%1%2\\%3")
                           .arg(pair[0], 4, 16, QLatin1Char('0'))
                           .arg(pair[1], 4, 16, QLatin1Char('0'))
                           .arg(key);
  vz::TVersionValue value;
  if (!vz::VerQueryValue(block, path, value)) return {};
  return QString::fromUtf8(value.Data.constData());  // the value ends with its NUL
}

}  // namespace

QStringList ArgumentsOf(int argc, const char* const* argv) {
  QStringList arguments;
  for (int i = 0; i < argc && argv[i]; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

TCommandLine ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  // Qt's options are single-dash words ("-platform"), never bundled letters.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")});
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
  parser.addOption(help);
  parser.addOption(version);
  for (const char* name : kQtOptionsWithValue) AddHidden(parser, name, true);
  for (const char* name : kQtSwitches) AddHidden(parser, name, false);

  // The parser takes the first argument for the program's name.
  if (!parser.parse(arguments.isEmpty() ? QStringList{kProgram} : arguments)) {
    return {TCommandLine::Mistake, {}, parser.errorText()};
  }
  if (parser.isSet(help)) return {TCommandLine::Help, {}, {}};
  if (parser.isSet(version)) return {TCommandLine::Version, {}, {}};
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1)
    return {
        TCommandLine::Mistake, {}, QCoreApplication::translate("TCommandLine", "Only one game file can be opened.")};
  if (files.size() == 1 && files[0].isEmpty()) {
    return {TCommandLine::Mistake, {}, QCoreApplication::translate("TCommandLine", "The game file's name is empty.")};
  }
  return {TCommandLine::Play, files.value(0), {}};
}

QString CommandLineUsage() {
  return QCoreApplication::translate("TCommandLine",
                                     "Usage: vezari-zaduder [OPTION]... [FILE]\n"
                                     "Play Reversi (Othello) against the computer or with a friend on one board.\n"
                                     "\n"
                                     "FILE, a saved game (.RGM, GGF or a move list such as \"f5 d6 c3\"), is\n"
                                     "opened once the window is up, as File > Open opens it; a file that cannot be\n"
                                     "opened leaves a new game and says why.\n"
                                     "\n"
                                     "Options:\n"
                                     "  -h, --help     show this help and exit\n"
                                     "  -v, --version  show the version and exit\n"
                                     "\n"
                                     "Qt's own options, such as -platform, -style and -qwindowgeometry, are\n"
                                     "accepted too. The settings are kept in Reversi.ini beside the program when\n"
                                     "it runs from a folder of its own that it may write, otherwise (installed)\n"
                                     "in $XDG_CONFIG_HOME/vezari-zaduder (~/.config/vezari-zaduder).\n"
                                     "\n"
                                     "man vezari-zaduder tells how to play: the keys, the levels, the files.\n");
}

QString VersionText(const QString& executable) {
  QByteArray block;
  const uint32_t size = vz::GetFileVersionInfoSize(executable);
  if (size == 0 || !vz::GetFileVersionInfo(executable, size, block)) return {};
  const QString fileVersion = VersionString(block, QStringLiteral("FileVersion"));
  if (fileVersion.isEmpty()) return {};
  QString text = kProgram + u' ' + fileVersion + u'\n';
  const QString copyright = VersionString(block, QStringLiteral("LegalCopyright"));
  if (!copyright.isEmpty()) text += copyright + u'\n';
  return text;
}

int AnswerCommandLine(const TCommandLine& line, const QString& executable) {
  switch (line.Action) {
    case TCommandLine::Help:
      Print(stdout, CommandLineUsage());
      return 0;
    case TCommandLine::Version: {
      const QString text = VersionText(executable);
      if (text.isEmpty()) {
        Print(
            stderr,
            kProgram + QStringLiteral(": ") +
                QCoreApplication::translate("TCommandLine", "the version data cannot be read from %1").arg(executable) +
                u'\n');
        return 1;
      }
      Print(stdout, text);
      return 0;
    }
    case TCommandLine::Mistake:
      Print(stderr, kProgram + QStringLiteral(": ") + line.Problem + u'\n' + CommandLineUsage());
      return 2;
    case TCommandLine::Play:
      break;
  }
  return 0;
}
