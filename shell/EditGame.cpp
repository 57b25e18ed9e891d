// Edit menu: the game through the clipboard and a game set up from a
// position of the user's own. Like every other game change, none of these
// acts while the computer thinks.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>

#include "GameClipboard.h"
#include "Sdimain.h"
#include "SetupDialog.h"

void TMain::CreateEditGameItems() {
  auto item = [this](const QString& caption, void (TMain::*handler)(), const QKeySequence& shortcut = {}) {
    QAction* a = Edit1->addAction(caption);
    if (!shortcut.isEmpty()) a->setShortcut(shortcut);
    connect(a, &QAction::triggered, this, handler);
    return a;
  };
  Edit1->addSeparator();
  CopyGame1 = item(tr("Copy Game"), &TMain::CopyGame1Click, QKeySequence(Qt::CTRL | Qt::Key_C));
  CopyGame1->setStatusTip(tr("Copy the moves of the game"));
  CopyPosition1 = item(tr("Copy Position"), &TMain::CopyPosition1Click);
  CopyPosition1->setStatusTip(tr("Copy the position on the board"));
  Paste1 = item(tr("Paste"), &TMain::Paste1Click, QKeySequence(Qt::CTRL | Qt::Key_V));
  Paste1->setStatusTip(tr("Take a move list, a board or a GGF game from the clipboard"));
  SetUp1 = item(tr("Set Up Position..."), &TMain::SetUp1Click);
  SetUp1->setStatusTip(tr("Start a game from a position of your own"));
}

void TMain::CopyGame1Click() {
  QApplication::clipboard()->setText(shell::GameText(*Reversi1));
}

void TMain::CopyPosition1Click() {
  QApplication::clipboard()->setText(shell::GameBoard(*Reversi1));
}

void TMain::Paste1Click() {
  PasteGameText(QApplication::clipboard()->text());
}

void TMain::PasteGameText(const QString& text) {
  if (Reversi1->Thinking()) return;
  const reversi::TFileResult result = shell::PasteGame(*Reversi1, text);
  if (!result) {
    ShowFileFailure(tr("The clipboard holds no game that can be played: %1.\nThe current game is kept.")
                        .arg(QString::fromStdString(result.Reason)));
    return;
  }
  AnalysisPositionChanged(true);
  ShowGame();
  ResetStats();
}

void TMain::SetUp1Click() {
  if (Reversi1->Thinking()) return;
  TSetupDialog dialog(this);
  reversi::TPosition now;
  if (!reversi::FinalPosition(Reversi1->CurrentGame(), now)) now = reversi::TPosition::Standard();
  dialog.SetPosition(now);
  if (dialog.exec() == QDialog::Accepted) SetUpPosition(dialog.Position());
}

bool TMain::SetUpPosition(reversi::TPosition position) {
  // A side with no move passes: the game starts with the other side to move.
  if (reversi::LegalMoves(position) == 0 && !reversi::IsOver(position)) position.Side = -position.Side;
  reversi::TGame game;
  game.Start = position;
  if (!Reversi1->SetGame(game)) return false;
  AnalysisPositionChanged(true);
  ShowGame();
  ResetStats();
  return true;
}
