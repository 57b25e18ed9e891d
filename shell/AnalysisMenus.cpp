// The main window's analysis items: Hint and Analyse Game in the Edit menu,
// Move Values in the View menu and the Perfect Endgame option beside the
// level. The work itself is in Hint.cpp, GameReview.cpp and
// PerfectEndgame.cpp.
#include <QInputDialog>
#include <QMenu>

#include "GameReview.h"
#include "Hint.h"
#include "Sdimain.h"

void TMain::CreateAnalysis() {
  Hints = new THintControl(Reversi1, this);
  Hints->OnStatus = [this](const QString& text) { ShowHint(text); };
  PerfectEndgame.Load(settingsPath_);
  perfectAtStart_ = PerfectEndgame;
  InstallPerfectEndgame(*Reversi1, PerfectEndgame, [this](int empties) {
    if (empties > 0)
      Announce(tr("Solving the endgame exactly (empty squares: %1)...").arg(empties), true);
    else
      ShowHint(QString());
  });
  ChooseEmpties = [this](int current) {
    bool ok = false;
    const int n = QInputDialog::getInt(this, tr("Perfect Endgame"), tr("Empty squares solved exactly:"), current,
                                       TPerfectEndgame::kMinEmpties, TPerfectEndgame::kMaxEmpties, 1, &ok);
    return ok ? n : 0;
  };

  auto item = [this](const QString& caption, const QString& tip, void (TMain::*handler)()) {
    auto* a = new QAction(caption, this);
    a->setStatusTip(tip);
    connect(a, &QAction::triggered, this, handler);
    return a;
  };
  // H is read by the window's key preview (FormKeyPress), not made a
  // shortcut: a shortcut would take the letter from the board's typed
  // square names.
  Hint1 = item(tr("Hint") + QStringLiteral("\tH"), tr("Show the best move"), &TMain::HintClick);
  AnalyseGame1 = item(tr("Analyse Game..."), tr("Review every move of the game"), &TMain::AnalyseGameClick);
  Edit1->addSeparator();
  Edit1->addAction(Hint1);
  Edit1->addAction(AnalyseGame1);

  PerfectEndgame1 = new QMenu(tr("Perfect Endgame"), this);
  PerfectEnabled1 = item(tr("Solve the Endgame"), tr("The computer plays perfectly in the last empties"),
                         &TMain::PerfectEndgameClick);
  PerfectEnabled1->setCheckable(true);
  PerfectEnabled1->setChecked(PerfectEndgame.Enabled);
  PerfectEmpties1 = item(QString(), tr("How many empty squares the computer solves"), &TMain::PerfectEmptiesClick);
  PerfectEndgame1->addAction(PerfectEnabled1);
  PerfectEndgame1->addAction(PerfectEmpties1);
  Edit1->insertMenu(TwoPlayer1, PerfectEndgame1);

  MoveValues1 = item(tr("Move Values"), tr("Show the value of every legal move"), &TMain::MoveValuesClick);
  MoveValues1->setCheckable(true);
  View1->insertAction(ShowFlipableSquares1, MoveValues1);
  UpdateAnalysisItems();
}

void TMain::UpdateAnalysisItems() {
  const bool idle = !Reversi1->Thinking();
  Hint1->setEnabled(idle);
  MoveValues1->setEnabled(idle);
  AnalyseGame1->setEnabled(idle && Reversi1->GameRecord[0] != 0);
  PerfectEmpties1->setText(tr("Empty Squares: %1...").arg(PerfectEndgame.Empties));
}

void TMain::AnalysisPositionChanged(bool gameChanged) {
  if (!Hints) return;
  Hints->PositionChanged();
  if (gameChanged && Review) Review->Cancel();
}

void TMain::StopAnalysis() {
  if (Hints) Hints->Cancel();
  if (Review) Review->Cancel();
}

void TMain::HintClick() {
  Hints->Hint();
}

void TMain::MoveValuesClick() {
  Hints->SetMoveValues(MoveValues1->isChecked());
}

void TMain::AnalyseGameClick() {
  if (Reversi1->Thinking()) return;
  if (Review) Review->close();
  TGameRecord whole;
  whole.Start = Reversi1->StartPosition();
  while (whole.Played < reversi::TReversiCore::kMaxRecord && Reversi1->GameRecord[whole.Played] != 0) {
    whole.Moves[whole.Played] = Reversi1->GameRecord[whole.Played];
    ++whole.Played;
  }
  if (whole.Played == 0) return;
  Review = new TGameReview(
      whole, [this](int moves) { ShowRecordPosition(moves); }, this);
  Review->setAttribute(Qt::WA_DeleteOnClose);
  Review->show();
}

bool TMain::ShowRecordPosition(int moves) {
  if (Reversi1->Thinking() || !Review) return false;
  const TGameRecord& record = Review->Record();
  for (int i = 0; i < record.Played; ++i) {
    if (Reversi1->GameRecord[i] != record.Moves[i] || record.Start != Reversi1->StartPosition()) {
      ShowHint(tr("The game has changed since it was analysed"));
      return false;
    }
  }
  if (moves < 0 || moves > record.Played) return false;
  while (Reversi1->MovesPlayed > moves) Reversi1->TakeBack();
  while (Reversi1->MovesPlayed < moves) Reversi1->MoveForward();
  AnalysisPositionChanged();
  ResetStats();
  ShowGame();
  return true;
}

void TMain::PerfectEndgameClick() {
  PerfectEndgame.Enabled = PerfectEnabled1->isChecked();
}

void TMain::PerfectEmptiesClick() {
  const int n = ChooseEmpties ? ChooseEmpties(PerfectEndgame.Empties) : 0;
  if (n >= TPerfectEndgame::kMinEmpties && n <= TPerfectEndgame::kMaxEmpties) PerfectEndgame.Empties = n;
  UpdateAnalysisItems();
}
