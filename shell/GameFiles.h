// The game in files and through the clipboard: File > Open and Save (and the
// toolbar's buttons), a game file dropped on the window, Edit > Copy Game,
// Copy Position, Paste and Set Up Position. Like every other game change,
// none of these acts while the computer thinks.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "ReversiCore.h"

class QAction;
class QMenu;
class QWidget;
class TReversi;

// The name a save writes to: the chosen one, with extension (".RGM" unless
// given) added when the file's own name (not the folder's) has no ".".
QString WithGameExtension(const QString& name, const QString& extension = QStringLiteral(".RGM"));

class TGameFiles : public QObject {
  Q_OBJECT

 public:
  // Files dropped on window are opened; the dialogs and messages open over it.
  TGameFiles(TReversi* board, QWidget* window);

  // Open and Save for the File menu, the clipboard and set-up items for the
  // Edit menu.
  void AddFileItems(QMenu* file);
  void AddEditItems(QMenu* edit);
  // The Edit menu opens: the items that change the game only when idle.
  void UpdateEditItems(bool idle);

  // The file dialogs: each returns the chosen full path, or an empty string
  // when the user cancels. Replaceable, so tests need no modal dialog.
  std::function<QString()> ChooseOpenFile;
  std::function<QString()> ChooseSaveFile;
  // The open dialog's filters, all the games read first.
  static QString OpenFilters();
  // Set before the save dialog when the game has no ".RGM" form, and by the
  // dialog when its GGF filter was chosen: a name without an extension then
  // gets ".ggf".
  bool SaveAsGgf = false;
  // Tells the user that a game could not be saved or opened; by default a
  // warning box. Replaceable for the same reason.
  std::function<void(const QString& text)> ReportFileFailure;
  // Asks whether the game may replace the existing file at path; by default
  // a question box. Replaceable for the same reason.
  std::function<bool(const QString& path)> ConfirmOverwrite;

  void OpenItemClick();
  void SaveItemClick();
  // Opens the game at path as File > Open does once its dialog has given a
  // name: the same checks, and a refused file (unreadable, not a game, or
  // the computer thinking) is reported and leaves the current game. Also
  // reached from the command line and from a file dropped on the window.
  void OpenGameFile(const QString& path);
  // Edit > Paste once the clipboard's text is read: refused while thinking,
  // a text that holds no game is reported and leaves the current game.
  void PasteGameText(const QString& text);
  // Starts a game from the position, as Edit > Set Up Position does on OK.
  bool SetUpPosition(reversi::TPosition position);

 signals:
  // Another game is on the board: opened, pasted or set up.
  void GameReplaced();

 protected:
  // A single local file dropped on the window is opened.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetUp1Click();
  void ShowFileFailure(const QString& text);
  bool RefusedWhileThinking(const QString& text);

  TReversi* board_;
  QWidget* window_;
  QAction* OpenItem = nullptr;
  QAction* SaveItem = nullptr;
  QAction* Paste1 = nullptr;
  QAction* SetUp1 = nullptr;
};
