#include "MainMenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>

#include "AnalysisController.h"
#include "BoardPictures.h"
#include "GameFiles.h"
#include "Reversi.h"
#include "SidePanel.h"

namespace {

// A menu item named as on the form, its hint on the status line.
template <class TContext, class THandler>
QAction* Item(QMenu* menu, const char* name, const QString& caption, const QString& hint, TContext* context,
              THandler handler, bool checkable = false, const QKeySequence& shortcut = {}) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(QLatin1String(name));
  a->setStatusTip(hint);
  a->setCheckable(checkable);
  if (!shortcut.isEmpty()) a->setShortcut(shortcut);
  QObject::connect(a, &QAction::triggered, context, handler);
  return a;
}

QMenu* Menu(QMenuBar* bar, const QString& title, const char* name) {
  QMenu* menu = bar->addMenu(title);
  menu->setObjectName(QLatin1String(name));
  return menu;
}

// A disabled item shows no hint on the status line: its status tip is kept
// aside while it is disabled.
void KeepHintsOfEnabledItems(QMenu* menu) {
  static const char* const kHint = "vzHint";
  for (QAction* a : menu->actions()) {
    if (!a->property(kHint).isValid()) a->setProperty(kHint, a->statusTip());
    a->setStatusTip(a->isEnabled() ? a->property(kHint).toString() : QString());
  }
}

}  // namespace

TMainMenus::TMainMenus(QMainWindow* window, TReversi* board, TSidePanel* panel, TGameFiles* files,
                       TAnalysisController* analysis)
    : QObject(window), board_(board), panel_(panel), files_(files), analysis_(analysis) {
  QMenuBar* bar = window->menuBar();
  QMenu* file = Menu(bar, tr("&File"), "File1");
  Item(file, "New1", tr("&New"), tr("New game"), this, &TMainMenus::New1Click);
  files_->AddFileItems(file);
  pictures_ = new TBoardPictures(window, board);
  Item(file, "ExportBoard1", tr("Export Board..."), tr("Save a picture of the board as PNG or SVG"), pictures_,
       &TBoardPictures::ExportBoard);
  file->addSeparator();
  Item(file, "ExitItem", tr("E&xit"), tr("Exit application"), this, &TMainMenus::ExitItemClick, false,
       QKeySequence(Qt::ALT | Qt::Key_X));
  CreateEditMenu(Menu(bar, tr("&Edit"), "Edit1"));
  CreateViewMenu(Menu(bar, tr("&View"), "View1"));
  analysis_->AddItems(Edit1, TwoPlayer1, View1, ShowFlipableSquares1);
  QMenu* help = Menu(bar, tr("&Help"), "Help1");
  Item(help, "HowToPlay1", tr("How to &Play"), tr("The rules, the keys and what the panels show"), this,
       &TMainMenus::HowToPlay1Click);
  Item(help, "About1", tr("&About..."), tr("Display about box"), this, &TMainMenus::About1Click);
}

void TMainMenus::CreateEditMenu(QMenu* edit) {
  Edit1 = edit;
  Level1 = Item(edit, "Level1", tr("Level..."), tr("Set level of play"), this, &TMainMenus::Level1Click, false,
                QKeySequence(Qt::CTRL | Qt::Key_L));
  StrictTime1 = Item(
      edit, "StrictTime1", tr("Strict Time Limit"), tr("Never think longer than the time per move"), this,
      [this] { board_->SetStrictTime(StrictTime1->isChecked()); }, true);
  TwoPlayer1 = Item(
      edit, "TwoPlayer1", tr("Two Player"), tr("Two player mode"), this,
      [this] {
        board_->SetMode(TwoPlayer1->isChecked() ? reversi::TwoPlayer : reversi::Normal);
        if (TwoPlayer1->isChecked()) panel_->ResetStats();
      },
      true);
  edit->addSeparator();
  TakeBack1 = Item(edit, "TakeBack1", tr("Take Back"), tr("Take back a move"), this, &TMainMenus::TakeBack1Click, false,
                   QKeySequence(Qt::Key_Delete));
  MoveForward1 = Item(edit, "MoveForward1", tr("Move Forward"), tr("Move forward one move"), this,
                      &TMainMenus::MoveForward1Click, false, QKeySequence(Qt::Key_Insert));
  edit->addSeparator();
  Move1 = Item(edit, "Move1", tr("Move Now"), tr("Force the computer to play"), this, &TMainMenus::Move1Click);
  files_->AddEditItems(edit);
  Item(edit, "CopyBoardImage1", tr("Copy Board as Image"), tr("Copy a picture of the board"), pictures_,
       &TBoardPictures::CopyBoardImage);
  connect(edit, &QMenu::aboutToShow, this, &TMainMenus::Edit1Click);
}

// The marks are inverted by the actions themselves (they are checkable)
// before the handlers run, whether or not the engine takes the change (it
// ignores some while thinking).
void TMainMenus::CreateViewMenu(QMenu* view) {
  View1 = view;
  TReversi* board = board_;
  Thinking1 = Item(
      view, "Thinking1", tr("Show Thinking"), tr("Display the candidate move"), this,
      [board] { board->SetShowThinking(!board->ShowThinking()); }, true);
  LegalMoves1 = Item(
      view, "LegalMoves1", tr("Show Legal Moves"), tr("Display all legal moves"), this,
      [this, board] {
        board->SetShowLegal(!board->ShowLegal());
        LegalMoves1->setChecked(board->ShowLegal());
      },
      true);
  ShowFlipableSquares1 = Item(
      view, "ShowFlipableSquares1", tr("Show Flipable Discs"), tr("Diplay the disc that would be flipped"), this,
      [this, board] {
        board->SetShowFlips(!board->ShowFlips());
        ShowFlipableSquares1->setChecked(board->ShowFlips());
      },
      true);
  Statistics1 = Item(
      view, "Statistics1", tr("Statistics"), tr("Display the game statistics"), this,
      [this] { panel_->SetStatistics(Statistics1->isChecked()); }, true);
  BestLine1 = Item(
      view, "BestLine1", tr("Show Best Line"), tr("Display the best line of play"), this,
      [this] { panel_->SetBestLine(BestLine1->isChecked()); }, true);
  Coordinates1 = Item(
      view, "Coordinates1", tr("Coordinates"), tr("Show the letters and digits of the squares around the board"), this,
      [this] { emit Coordinates1Click(Coordinates1->isChecked()); }, true);
  view->addSeparator();
  Sound1 = Item(
      view, "Sound1", tr("Sound"), tr("Make a sound after each move"), this, [] {}, true);
  Selective1 = Item(
      view, "Selective1", tr("Selective"), tr("Selective search"), this,
      [board] { board->SetSelective(!board->Selective()); }, true);
  Selective1->setChecked(true);
  connect(view, &QMenu::aboutToShow, this, &TMainMenus::View1Click);
}

void TMainMenus::SetSwitches(const TShellSwitches& switches, bool coordinates) {
  Statistics1->setChecked(switches.Statistics);
  Sound1->setChecked(switches.Sound);
  BestLine1->setChecked(switches.BestLine);
  TwoPlayer1->setChecked(switches.TwoPlayer);
  panel_->SetStatistics(switches.Statistics);
  panel_->SetBestLine(switches.BestLine);
  Thinking1->setChecked(board_->ShowThinking());
  ShowFlipableSquares1->setChecked(board_->ShowFlips());
  LegalMoves1->setChecked(board_->ShowLegal());
  Selective1->setChecked(board_->Selective());
  StrictTime1->setChecked(board_->StrictTime());
  Coordinates1->setChecked(coordinates);
}

TShellSwitches TMainMenus::Switches() const {
  TShellSwitches switches;
  switches.Statistics = Statistics1->isChecked();
  switches.Sound = Sound1->isChecked();
  switches.BestLine = BestLine1->isChecked();
  switches.TwoPlayer = TwoPlayer1->isChecked();
  switches.ShowThinking = board_->ShowThinking();
  switches.ShowFlips = board_->ShowFlips();
  switches.ShowLegal = board_->ShowLegal();
  return switches;
}

bool TMainMenus::Sound() const {
  return Sound1->isChecked();
}

bool TMainMenus::CoordinatesShown() const {
  return Coordinates1->isChecked();
}

void TMainMenus::Edit1Click() {
  const bool idle = !board_->Thinking();
  TakeBack1->setEnabled(board_->CanTakeBack() && idle);
  MoveForward1->setEnabled(board_->CanMoveForward() && idle);
  Level1->setEnabled(idle);
  TwoPlayer1->setEnabled(idle);
  Move1->setEnabled(true);
  analysis_->UpdateItems();
  files_->UpdateEditItems(idle);
  KeepHintsOfEnabledItems(Edit1);
}

void TMainMenus::View1Click() {
  const bool idle = !board_->Thinking();
  for (QAction* a : {Thinking1, LegalMoves1, Statistics1, BestLine1}) a->setEnabled(idle);
  for (QAction* a : {ShowFlipableSquares1, Sound1, Selective1}) a->setEnabled(true);
  analysis_->UpdateItems();
  KeepHintsOfEnabledItems(View1);
}
