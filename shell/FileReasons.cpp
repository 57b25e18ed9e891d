#include "FileReasons.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace {

constexpr const char* kContext = "TFileReason";

// The engine's reasons as patterns, for the translation tools to find; keep
// them in step with the engine's game-file code.
[[maybe_unused]] constexpr const char* kPatterns[] = {
    QT_TRANSLATE_NOOP("TFileReason", "no file name was given"),
    QT_TRANSLATE_NOOP("TFileReason", "the file does not exist"),
    QT_TRANSLATE_NOOP("TFileReason", "the file cannot be opened: %1"),
    QT_TRANSLATE_NOOP("TFileReason", "it is a folder, not a file"),
    QT_TRANSLATE_NOOP("TFileReason", "it is not an ordinary file"),
    QT_TRANSLATE_NOOP("TFileReason", "the file is far too large to be a game"),
    QT_TRANSLATE_NOOP("TFileReason", "the file cannot be read: %1"),
    QT_TRANSLATE_NOOP("TFileReason", "the computer is thinking"),
    QT_TRANSLATE_NOOP("TFileReason", "the file cannot be created: %1"),
    QT_TRANSLATE_NOOP("TFileReason", "the file cannot be replaced: %1"),
    QT_TRANSLATE_NOOP("TFileReason", "the file cannot be written (is the disk full?)"),
    QT_TRANSLATE_NOOP("TFileReason", "%1 is not a whole number"),
    QT_TRANSLATE_NOOP("TFileReason", "the move count %1 is not between %2 and %3"),
    QT_TRANSLATE_NOOP("TFileReason", "the current move %1 is not between %2 and %3"),
    QT_TRANSLATE_NOOP("TFileReason", "move %1 (%2) is not a legal move"),
    QT_TRANSLATE_NOOP("TFileReason", "move %1, %2 (%3) is not a legal move"),
    QT_TRANSLATE_NOOP("TFileReason", "numbers follow the current move"),
    QT_TRANSLATE_NOOP("TFileReason", "it is not a regular file"),
    QT_TRANSLATE_NOOP("TFileReason", "the file is read-only"),
    QT_TRANSLATE_NOOP("TFileReason", "the file cannot be written: %1"),
    QT_TRANSLATE_NOOP("TFileReason", "the file is far too large"),
    QT_TRANSLATE_NOOP("TFileReason", "the file holds a NUL byte"),
    QT_TRANSLATE_NOOP("TFileReason", "the file would be far too large"),
    QT_TRANSLATE_NOOP("TFileReason", "%1 is not a regular file"),
    QT_TRANSLATE_NOOP("TFileReason", "another copy of the program (process %1) is writing it"),
    // The notation readers' (pasted and opened games); a reason after ": "
    // is translated on its own.
    QT_TRANSLATE_NOOP("TFileReason", "move %1, %2: %3"),
    QT_TRANSLATE_NOOP("TFileReason", "not a square"),
    QT_TRANSLATE_NOOP("TFileReason", "it is Black's turn"),
    QT_TRANSLATE_NOOP("TFileReason", "it is White's turn"),
    QT_TRANSLATE_NOOP("TFileReason", "not a legal move for Black"),
    QT_TRANSLATE_NOOP("TFileReason", "not a legal move for White"),
    QT_TRANSLATE_NOOP("TFileReason", "Black has a legal move and cannot pass"),
    QT_TRANSLATE_NOOP("TFileReason", "White has a legal move and cannot pass"),
    QT_TRANSLATE_NOOP("TFileReason", "the game is over"),
    QT_TRANSLATE_NOOP("TFileReason", "the text is far too long to be a game"),
    QT_TRANSLATE_NOOP("TFileReason", "the text is far too long to be a board"),
    QT_TRANSLATE_NOOP("TFileReason", "the board has %1 squares, not %2, and no side to move"),
    QT_TRANSLATE_NOOP("TFileReason", "square %1: %2"),
    QT_TRANSLATE_NOOP("TFileReason", "%1 is not X, O or -"),
    QT_TRANSLATE_NOOP("TFileReason", "the side to move (X or O) is missing after the %1 squares"),
    QT_TRANSLATE_NOOP("TFileReason", "%1 is not a side to move (X or O)"),
    QT_TRANSLATE_NOOP("TFileReason", "unexpected %1 after the side to move"),
    QT_TRANSLATE_NOOP("TFileReason", "no GGF game: %1"),
    QT_TRANSLATE_NOOP("TFileReason", "%1 is missing"),
    QT_TRANSLATE_NOOP("TFileReason", "the game does not end with %1"),
    QT_TRANSLATE_NOOP("TFileReason", "the game is %1, not Othello"),
    QT_TRANSLATE_NOOP("TFileReason", "unexpected %1 at character %2"),
    QT_TRANSLATE_NOOP("TFileReason", "the clipboard holds no text"),
};

// Puts particulars[n - 1] in place of every %n, in one pass, so a particular
// that itself holds "%2" stays as it is.
QString Fill(const QString& pattern, const QStringList& particulars) {
  static const QRegularExpression marker(QStringLiteral("%(\\d+)"));
  QString out;
  qsizetype last = 0;
  for (auto it = marker.globalMatch(pattern); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    const qsizetype n = m.captured(1).toLongLong();
    out += pattern.mid(last, m.capturedStart() - last);
    out += n >= 1 && n <= particulars.size() ? particulars[n - 1] : m.captured();
    last = m.capturedEnd();
  }
  return out + pattern.mid(last);
}

}  // namespace

QString TranslatedReason(const std::string& reason) {
  QString text = QString::fromStdString(reason);
  QString tail;
  const qsizetype colon = text.indexOf(QStringLiteral(": "));
  if (colon >= 0) {
    tail = text.mid(colon + 2);
    text.truncate(colon + 2);
  }
  // Particulars: a quoted text, a square's name, a number, a lone "%".
  static const QRegularExpression particular(QStringLiteral("\"[^\"]*\"|\\b[a-h][1-8]\\b|\\d+|%"));
  QStringList particulars;
  QString pattern;
  qsizetype last = 0;
  for (auto it = particular.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    particulars << m.captured();
    pattern += text.mid(last, m.capturedStart() - last) + u'%' + QString::number(particulars.size());
    last = m.capturedEnd();
  }
  pattern += text.mid(last);
  if (colon >= 0) {
    particulars << TranslatedReason(tail.toStdString());
    pattern += u'%' + QString::number(particulars.size());
  }
  return Fill(QCoreApplication::translate(kContext, pattern.toUtf8().constData()), particulars);
}
