#include "GameClipboard.h"

#include <QDateTime>

namespace shell {

QString GameText(const reversi::TReversiCore& engine) {
  const reversi::TGame game = engine.CurrentGame();
  if (game.Start == reversi::TPosition::Standard()) return QString::fromStdString(reversi::WriteMoveList(game));
  return QString::fromStdString(reversi::WriteGgf(game, GgfHeaderNow()));
}

QString GameBoard(const reversi::TReversiCore& engine) {
  reversi::TPosition position;
  // The engine's own game always replays; the start is the fallback.
  if (!reversi::FinalPosition(engine.CurrentGame(), position)) position = engine.StartPosition();
  return QString::fromStdString(reversi::WriteBoard(position));
}

reversi::TFileResult PasteGame(reversi::TReversiCore& engine, const QString& text) {
  // An empty move list is a game, but an empty clipboard is not one to
  // replace the current game with.
  if (text.trimmed().isEmpty()) return reversi::TFileResult{false, "the clipboard holds no text"};
  const QByteArray bytes = text.toUtf8();
  const reversi::TReadResult read = reversi::ReadGameText(std::string_view(bytes.constData(), bytes.size()));
  if (!read) return reversi::TFileResult{false, read.Reason};
  return engine.SetGame(read.Game);
}

}  // namespace shell

namespace shell {

reversi::TGgfHeader GgfHeaderNow() {
  reversi::TGgfHeader header;
  header.Date = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy.MM.dd_HH:mm:ss.UTC")).toStdString();
  return header;
}

}  // namespace shell
