#include "GameFiles.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>
#include <algorithm>

#include "FileReasons.h"
#include "GameClipboard.h"
#include "Reversi.h"
#include "SetupDialog.h"

namespace {

// The one local file a drag carries, or an empty string: what the file
// holds is checked by the open itself, which reports a refusal as File >
// Open does.
QString DroppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  const QList<QUrl> urls = data->urls();
  if (urls.size() != 1 || !urls[0].isLocalFile()) return {};
  return urls[0].toLocalFile();
}

}  // namespace

QString WithGameExtension(const QString& name, const QString& extension) {
  // The file's own name only: a "." in a folder's name does not count.
  const qsizetype slash = std::max(name.lastIndexOf(u'/'), name.lastIndexOf(QDir::separator()));
  return name.indexOf(u'.', slash + 1) >= 0 ? name : name + extension;
}

// The first filter lists every game the program reads, in either case (the
// dialog matches names case by case here).
QString TGameFiles::OpenFilters() {
  return tr("All Games (*.rgm *.RGM *.ggf *.GGF *.txt *.TXT)") + QStringLiteral(";;") +
         tr("Game Files (*.RGM);;GGF Games (*.ggf);;Text (*.txt);;All Files (*)");
}

TGameFiles::TGameFiles(TReversi* board, QWidget* window) : QObject(window), board_(board), window_(window) {
  ChooseOpenFile = [this] { return QFileDialog::getOpenFileName(window_, QString(), QString(), OpenFilters()); };
  // The dialog asks itself before the name picked in it replaces a file. It
  // starts on GGF when the caller found the game needs it.
  ChooseSaveFile = [this] {
    const QString ggf = tr("GGF Games (*.ggf)");
    const QString rgm = tr("Reversi Game Files (*.RGM)");
    QString filter = SaveAsGgf ? ggf : rgm;
    const QString name = QFileDialog::getSaveFileName(window_, QString(), QString(), rgm + ";;" + ggf, &filter);
    SaveAsGgf = filter == ggf;
    return name;
  };
  ConfirmOverwrite = [this](const QString& name) {
    return QMessageBox::question(
               window_, window_->windowTitle(),
               tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(name).fileName())) ==
           QMessageBox::Yes;
  };
  ReportFileFailure = [this](const QString& text) { QMessageBox::warning(window_, window_->windowTitle(), text); };
  window->setAcceptDrops(true);
  window->installEventFilter(this);
}

void TGameFiles::AddFileItems(QMenu* file) {
  OpenItem = file->addAction(tr("&Open..."), this, &TGameFiles::OpenItemClick);
  OpenItem->setObjectName(QStringLiteral("OpenItem"));
  OpenItem->setStatusTip(tr("Open a file"));
  SaveItem = file->addAction(tr("&Save..."), this, &TGameFiles::SaveItemClick);
  SaveItem->setObjectName(QStringLiteral("SaveItem"));
  SaveItem->setStatusTip(tr("Save current file"));
}

void TGameFiles::AddEditItems(QMenu* edit) {
  auto item = [this, edit](const char* name, const QString& caption, const QString& tip, auto handler,
                           const QKeySequence& shortcut = {}) {
    QAction* a = edit->addAction(caption, this, handler);
    a->setObjectName(QLatin1String(name));
    a->setStatusTip(tip);
    if (!shortcut.isEmpty()) a->setShortcut(shortcut);
    return a;
  };
  edit->addSeparator();
  item(
      "CopyGame1", tr("Copy Game"), tr("Copy the moves of the game"),
      [this] { QApplication::clipboard()->setText(shell::GameText(*board_)); }, QKeySequence(Qt::CTRL | Qt::Key_C));
  item("CopyPosition1", tr("Copy Position"), tr("Copy the position on the board"),
       [this] { QApplication::clipboard()->setText(shell::GameBoard(*board_)); });
  Paste1 = item(
      "Paste1", tr("Paste"), tr("Take a move list, a board or a GGF game from the clipboard"),
      [this] { PasteGameText(QApplication::clipboard()->text()); }, QKeySequence(Qt::CTRL | Qt::Key_V));
  SetUp1 = item("SetUp1", tr("Set Up Position..."), tr("Start a game from a position of your own"),
                &TGameFiles::SetUp1Click);
}

void TGameFiles::UpdateEditItems(bool idle) {
  for (QAction* a : {Paste1, SetUp1}) a->setEnabled(idle);
}

void TGameFiles::ShowFileFailure(const QString& text) {
  if (ReportFileFailure) ReportFileFailure(text);
}

// Open and Save are refused while the computer thinks before any dialog
// shows: a dialog would stop the search under it only to refuse the file.
bool TGameFiles::RefusedWhileThinking(const QString& text) {
  if (!board_->Thinking()) return false;
  ShowFileFailure(text);
  return true;
}

void TGameFiles::OpenItemClick() {
  if (RefusedWhileThinking(tr("The game could not be opened: the computer is thinking.\nThe current game is kept.")))
    return;
  const QString name = ChooseOpenFile ? ChooseOpenFile() : QString();
  if (name.isEmpty()) return;
  OpenGameFile(name);
}

void TGameFiles::OpenGameFile(const QString& name) {
  const reversi::TFileResult result = board_->OpenGame(QFile::encodeName(name).toStdString());
  if (!result) {
    ShowFileFailure(tr("The game \"%1\" could not be opened: %2.\nThe current game is kept.")
                        .arg(QDir::toNativeSeparators(name), TranslatedReason(result.Reason)));
    return;
  }
  emit GameReplaced();
}

void TGameFiles::SaveItemClick() {
  if (RefusedWhileThinking(tr("The game could not be saved: the computer is thinking."))) return;
  // A set-up position has no ".RGM" form.
  SaveAsGgf = board_->IsSetUp();
  const QString chosen = ChooseSaveFile ? ChooseSaveFile() : QString();
  if (chosen.isEmpty()) return;
  const QString name = WithGameExtension(chosen, SaveAsGgf ? QStringLiteral(".ggf") : QStringLiteral(".RGM"));
  // The dialog asked about the name picked in it, not about the one the
  // extension makes.
  if (name != chosen && QFileInfo::exists(name) && !(ConfirmOverwrite && ConfirmOverwrite(name))) return;
  const std::string file = QFile::encodeName(name).toStdString();
  const reversi::TFileResult result = name.endsWith(QStringLiteral(".ggf"), Qt::CaseInsensitive)
                                          ? board_->SaveGgf(file, shell::GgfHeaderNow())
                                          : board_->SaveGame(file);
  if (!result) {
    ShowFileFailure(tr("The game could not be saved to \"%1\": %2.")
                        .arg(QDir::toNativeSeparators(name), TranslatedReason(result.Reason)));
  }
}

void TGameFiles::PasteGameText(const QString& text) {
  if (board_->Thinking()) return;
  const reversi::TFileResult result = shell::PasteGame(*board_, text);
  if (!result) {
    ShowFileFailure(tr("The clipboard holds no game that can be played: %1.\nThe current game is kept.")
                        .arg(TranslatedReason(result.Reason)));
    return;
  }
  emit GameReplaced();
}

void TGameFiles::SetUp1Click() {
  if (board_->Thinking()) return;
  TSetupDialog dialog(window_);
  reversi::TPosition now;
  if (!reversi::FinalPosition(board_->CurrentGame(), now)) now = reversi::TPosition::Standard();
  dialog.SetPosition(now);
  if (dialog.exec() == QDialog::Accepted) SetUpPosition(dialog.Position());
}

bool TGameFiles::SetUpPosition(reversi::TPosition position) {
  // A side with no move passes: the game starts with the other side to move.
  if (reversi::LegalMoves(position) == 0 && !reversi::IsOver(position)) position.Side = -position.Side;
  reversi::TGame game;
  game.Start = position;
  if (!board_->SetGame(game)) return false;
  emit GameReplaced();
  return true;
}

bool TGameFiles::eventFilter(QObject* watched, QEvent* e) {
  if (watched != window_) return false;
  if (e->type() == QEvent::DragEnter) {
    auto* drag = static_cast<QDragEnterEvent*>(e);
    if (!DroppedFile(drag->mimeData()).isEmpty()) drag->acceptProposedAction();
    return true;
  }
  if (e->type() == QEvent::Drop) {
    auto* drop = static_cast<QDropEvent*>(e);
    const QString file = DroppedFile(drop->mimeData());
    if (file.isEmpty()) return true;
    drop->acceptProposedAction();
    // Opened from the event loop, once the drop is over: a refusal's message
    // box must not hold the dragging program waiting for the drop's end.
    QMetaObject::invokeMethod(
        this, [this, file] { OpenGameFile(file); }, Qt::QueuedConnection);
    return true;
  }
  return false;
}
