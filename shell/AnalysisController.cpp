#include "AnalysisController.h"

#include <QAction>
#include <QActionGroup>
#include <QInputDialog>
#include <QMenu>
#include <cmath>

#include "EnginesDialog.h"
#include "GameReview.h"
#include "Geometry.h"
#include "Hint.h"
#include "MatchWindow.h"
#include "Reversi.h"
#include "StrongPlayer.h"

TAnalysisController::TAnalysisController(TReversi* board, const std::string& settingsPath, QWidget* window)
    : QObject(window), board_(board), window_(window), thread_(std::make_shared<TAnalysisThread>()) {
  hints_ = new THintControl(board_, thread_, this);
  hints_->OnStatus = [this](const QString& text) { emit Status(text); };
  perfect_.Load(settingsPath);
  perfectAtStart_ = perfect_;
  engines_.Load(settingsPath);
  enginesAtStart_ = engines_;
  InstallPerfectEndgame(
      *board_, perfect_, thread_,
      [this](int empties) {
        if (empties > 0)
          emit Announced(tr("Solving the endgame exactly (empty squares: %1)...").arg(empties));
        else
          emit Status(QString());
      },
      [this](const QString& what) { emit Announced(tr("The analysis failed: %1").arg(what)); },
      [this](const TPositionValue& value) {
        // The node count the window shows after the move is the solve's.
        board_->SetNodes(value.Nodes);
        emit Solved(value);
      });
  strong_.Load(settingsPath);
  strongAtStart_ = strong_;
  threads_.Load(settingsPath);
  threadsAtStart_ = threads_;
  thread_->SetThreads(threads_.Threads());
  // The analyst player asks the perfect endgame's chooser when it is off;
  // the openings' practice wraps both later.
  InstallStrongLevel(
      *board_, strong_, thread_, board_->ChooseMove, [this](const TPositionValue& value) { ShowThinking(value); },
      [this](const QString& what) { emit Announced(tr("The analysis failed: %1").arg(what)); });
  // A chosen external engine answers before the analyst and the classic
  // player, which play whenever it cannot.
  opponent_.Install(*board_, board_->ChooseMove, [this](const QString& what) {
    emit Announced(tr("%1; the computer plays on by itself.").arg(what));
  });
  ChooseSeconds = [this](int current) {
    bool ok = false;
    const int n = QInputDialog::getInt(window_, tr("Analyst Player"), tr("Seconds per move:"), current, 1,
                                       TStrongLevel::kMaxSeconds, 1, &ok);
    return ok ? n : 0;
  };
  ChooseBookMargin = [this](double current) {
    bool ok = false;
    const double n = QInputDialog::getDouble(
        window_, tr("Analyst Player"), tr("Play book moves within this many discs of the best (0: the best only):"),
        current, 0, TStrongLevel::kMaxBookMargin, 1, &ok);
    return ok ? n : -1.0;
  };
  ChooseThreads = [this](int current) {
    bool ok = false;
    const int n = QInputDialog::getInt(window_, tr("Analysis Threads"),
                                       tr("Threads for the hint, the move values, the review and the analyst player\n"
                                          "(this computer has %1 processors):")
                                           .arg(TThreadCount::Processors()),
                                       current, 1, TThreadCount::kMaxThreads, 1, &ok);
    return ok ? n : 0;
  };
  ChooseEmpties = [this](int current) {
    bool ok = false;
    const int n = QInputDialog::getInt(window_, tr("Perfect Endgame"), tr("Empty squares solved exactly:"), current,
                                       TPerfectEndgame::kMinEmpties, TPerfectEndgame::kMaxEmpties, 1, &ok);
    return ok ? n : 0;
  };
}

TAnalysisController::~TAnalysisController() {
  Stop();
  board_->ChooseMove = nullptr;
}

void TAnalysisController::AddItems(QMenu* edit, QAction* beforeInEdit, QMenu* view, QAction* beforeInView) {
  auto item = [this](const char* name, const QString& caption, const QString& tip,
                     void (TAnalysisController::*handler)()) {
    auto* a = new QAction(caption, this);
    a->setObjectName(QLatin1String(name));
    a->setStatusTip(tip);
    if (handler) connect(a, &QAction::triggered, this, handler);
    return a;
  };
  // No plain letter: the letters A to H belong to the board's typed square
  // names. "?" asks too, through the window's key preview.
  Hint1 = item("Hint1", tr("Hint"), tr("Show the best move"), &TAnalysisController::Hint);
  Hint1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  AnalyseGame1 = item("AnalyseGame1", tr("Analyse Game..."), tr("Review every move of the game"),
                      &TAnalysisController::AnalyseGameClick);
  edit->addSeparator();
  edit->addAction(Hint1);
  edit->addAction(AnalyseGame1);
  Match1 = item("Match1", tr("Match..."), tr("Play two engines against each other"), &TAnalysisController::MatchClick);
  edit->addAction(Match1);
  Engines1 = item("Engines1", tr("Engines..."), tr("Add and remove the external engines that can play"),
                  &TAnalysisController::EnginesClick);
  edit->addAction(Engines1);
  AnalysisThreads1 = item("AnalysisThreads1", QString(), tr("How many processors the analysis uses"), nullptr);
  connect(AnalysisThreads1, &QAction::triggered, this, [this] {
    if (const int n = ChooseThreads ? ChooseThreads(threads_.Threads()) : 0; n > 0) SetAnalysisThreads(n);
  });
  edit->addAction(AnalysisThreads1);
  opponentMenu_ = new QMenu(tr("Engine Opponent"), window_);
  opponentMenu_->setObjectName(QStringLiteral("EngineOpponent1"));
  edit->addMenu(opponentMenu_);
  // Rebuilt as it opens: the registered engines may have changed.
  connect(opponentMenu_, &QMenu::aboutToShow, this, [this] {
    opponentMenu_->clear();
    auto* group = new QActionGroup(opponentMenu_);
    auto add = [&](const QString& caption, const std::string& name) {
      QAction* a = opponentMenu_->addAction(caption);
      a->setCheckable(true);
      a->setChecked(name == opponent_.Chosen());
      a->setActionGroup(group);
      connect(a, &QAction::triggered, this, [this, name] { SetEngineOpponent(name); });
    };
    add(tr("None (the game's own player)"), std::string());
    for (const TEngineEntry& e : engines_.Engines) add(QString::fromStdString(e.Name), e.Name);
    opponentMenu_->addSeparator();
    QAction* hint = opponentMenu_->addAction(tr("Hint from the Engine"));
    hint->setObjectName(QStringLiteral("EngineHint1"));
    hint->setEnabled(!opponent_.Chosen().empty() && !board_->Thinking());
    connect(hint, &QAction::triggered, this, &TAnalysisController::EngineHint);
  });

  auto* perfect = new QMenu(tr("Perfect Endgame"), window_);
  perfect->setObjectName(QStringLiteral("PerfectEndgame1"));
  PerfectEnabled1 =
      item("PerfectEnabled1", tr("Solve the Endgame"), tr("The computer plays perfectly in the last empties"),
           &TAnalysisController::PerfectEndgameClick);
  PerfectEnabled1->setCheckable(true);
  PerfectEnabled1->setChecked(perfect_.Enabled);
  PerfectEmpties1 = item("PerfectEmpties1", QString(), tr("How many empty squares the computer solves"),
                         &TAnalysisController::PerfectEmptiesClick);
  perfect->addAction(PerfectEnabled1);
  perfect->addAction(PerfectEmpties1);
  edit->insertMenu(beforeInEdit, perfect);
  AddPlayerItems(edit, beforeInEdit);

  MoveValues1 = item("MoveValues1", tr("Move Values"), tr("Show the value of every legal move"), nullptr);
  MoveValues1->setCheckable(true);
  connect(MoveValues1, &QAction::triggered, this, [this] { hints_->SetMoveValues(MoveValues1->isChecked()); });
  view->insertAction(beforeInView, MoveValues1);
  UpdateItems();
}

void TAnalysisController::UpdateItems() {
  const bool idle = !board_->Thinking();
  Hint1->setEnabled(idle);
  MoveValues1->setEnabled(idle);
  AnalyseGame1->setEnabled(idle && board_->GameRecord[0] != 0);
  PerfectEmpties1->setText(tr("Empty Squares: %1...").arg(perfect_.Empties));
  AnalystSeconds1->setText(tr("Seconds per Move: %1...").arg(strong_.Seconds));
  AnalystBook1->setText(tr("Book Moves within %1 Discs...").arg(strong_.BookMargin));
  AnalysisThreads1->setText(tr("Analysis Threads: %1...").arg(threads_.Threads()));
  players_[strong_.Enabled ? strong_.Strength + 1 : 0]->setChecked(true);
}

void TAnalysisController::PositionChanged(bool gameChanged) {
  hints_->PositionChanged();
  if (gameChanged && review_) review_->Cancel();
}

void TAnalysisController::Stop() {
  hints_->Cancel();
  if (review_) review_->Cancel();
}

void TAnalysisController::Hint() {
  hints_->Hint();
}

std::vector<TIniWrite> TAnalysisController::Writes() const {
  std::vector<TIniWrite> writes = perfect_.Writes(perfectAtStart_);
  for (TIniWrite& w : strong_.Writes(strongAtStart_)) writes.push_back(std::move(w));
  for (TIniWrite& w : engines_.Writes(enginesAtStart_)) writes.push_back(std::move(w));
  for (TIniWrite& w : threads_.Writes(threadsAtStart_)) writes.push_back(std::move(w));
  return writes;
}

void TAnalysisController::SetAnalysisThreads(int threads) {
  threads_.Choose(threads);
  thread_->SetThreads(threads_.Threads());
  UpdateItems();
}

void TAnalysisController::AnalyseGameClick() {
  if (board_->Thinking()) return;
  if (review_) review_->close();
  TGameRecord whole;
  whole.Start = board_->StartPosition();
  while (whole.Played < reversi::TReversiCore::kMaxRecord && board_->GameRecord[whole.Played] != 0) {
    whole.Moves[whole.Played] = board_->GameRecord[whole.Played];
    ++whole.Played;
  }
  if (whole.Played == 0) return;
  review_ = new TGameReview(
      whole, [this](int moves) { ShowRecordPosition(moves); }, thread_, window_);
  review_->setAttribute(Qt::WA_DeleteOnClose);
  review_->ShowBeside(board_);
}

// The match runs players of its own on a thread of its own, apart from the
// board and the analysis thread; closing its window ends it.
void TAnalysisController::MatchClick() {
  if (!match_) {
    match_ = new TMatchWindow(window_);
    match_->setAttribute(Qt::WA_DeleteOnClose);
    match_->OfferEngines(engines_);
  }
  match_->show();
  match_->raise();
  match_->activateWindow();
}

void TAnalysisController::SetEngineOpponent(const std::string& name) {
  opponent_.Choose(engines_.Find(name));
}

// The engine is asked while the window goes on; a move made meanwhile
// makes its answer stale, and it is dropped.
void TAnalysisController::EngineHint() {
  if (opponent_.Chosen().empty() || board_->Thinking() || hinting_) return;
  hinting_ = true;
  const QString name = QString::fromStdString(opponent_.Chosen());
  emit Status(tr("Asking %1 for a hint...").arg(name));
  const reversi::TGame asked = board_->CurrentGame();
  QString why;
  const int cell = opponent_.Move(*board_, [&why](const QString& what) { why = what; });
  hinting_ = false;
  if (board_->CurrentGame() != asked) return;
  if (cell == 0) {
    emit Announced(why.isEmpty() ? tr("%1 has no hint here.").arg(name) : why);
    return;
  }
  emit Announced(tr("%1 suggests %2.").arg(name, QString::fromStdString(reversi::SquareName(cell)).trimmed()));
}

void TAnalysisController::EnginesClick() {
  if (!enginesDialog_) {
    auto* dialog = new TEnginesDialog(&engines_, window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &TEnginesDialog::Changed, this, [this] {
      if (match_) match_->OfferEngines(engines_);
      SetEngineOpponent(opponent_.Chosen());
    });
    enginesDialog_ = dialog;
  }
  enginesDialog_->show();
  enginesDialog_->raise();
  enginesDialog_->activateWindow();
}

bool TAnalysisController::ShowRecordPosition(int moves) {
  if (board_->Thinking() || !review_) return false;
  const TGameRecord& record = review_->Record();
  for (int i = 0; i < record.Played; ++i) {
    if (board_->GameRecord[i] != record.Moves[i] || record.Start != board_->StartPosition()) {
      emit Status(tr("The game has changed since it was analysed"));
      return false;
    }
  }
  if (moves < 0 || moves > record.Played) return false;
  while (board_->MovesPlayed > moves) board_->TakeBack();
  while (board_->MovesPlayed < moves) board_->MoveForward();
  PositionChanged();
  emit PositionShown();
  return true;
}

void TAnalysisController::PerfectEndgameClick() {
  perfect_.Enabled = PerfectEnabled1->isChecked();
}

void TAnalysisController::PerfectEmptiesClick() {
  const int n = ChooseEmpties ? ChooseEmpties(perfect_.Empties) : 0;
  if (n >= TPerfectEndgame::kMinEmpties && n <= TPerfectEndgame::kMaxEmpties) perfect_.Empties = n;
  UpdateItems();
}

void TAnalysisController::AddPlayerItems(QMenu* edit, QAction* before) {
  auto* menu = new QMenu(tr("Computer Player"), window_);
  menu->setObjectName(QStringLiteral("ComputerPlayer1"));
  auto* group = new QActionGroup(this);
  const QString names[] = {
      tr("The Levels (Level...)"), tr("Analyst: Strong"), tr("Analyst: Good (loses up to 2 discs a move)"),
      tr("Analyst: Club (loses up to 4 discs a move)"), tr("Analyst: Beginner (loses up to 8 discs a move)")};
  for (int k = 0; k <= TStrongLevel::kStrengths; ++k) {
    auto* a = new QAction(names[k], group);
    a->setObjectName(k == 0 ? QStringLiteral("LevelsPlayer1") : QStringLiteral("AnalystPlayer%1").arg(k - 1));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, k] { SetAnalystPlayer(k - 1); });
    menu->addAction(a);
    players_.append(a);
  }
  menu->addSeparator();
  AnalystSeconds1 = new QAction(this);
  AnalystSeconds1->setObjectName(QStringLiteral("AnalystSeconds1"));
  connect(AnalystSeconds1, &QAction::triggered, this, [this] {
    const int n = ChooseSeconds ? ChooseSeconds(strong_.Seconds) : 0;
    if (n >= 1 && n <= TStrongLevel::kMaxSeconds) strong_.Seconds = n;
    UpdateItems();
  });
  AnalystBook1 = new QAction(this);
  AnalystBook1->setObjectName(QStringLiteral("AnalystBook1"));
  connect(AnalystBook1, &QAction::triggered, this, [this] {
    const double n = ChooseBookMargin ? ChooseBookMargin(strong_.BookMargin) : -1;
    if (n >= 0 && n <= TStrongLevel::kMaxBookMargin) strong_.BookMargin = std::round(n * 10) / 10;
    UpdateItems();
  });
  menu->addAction(AnalystSeconds1);
  menu->addAction(AnalystBook1);
  edit->insertMenu(before, menu);
}

void TAnalysisController::SetAnalystPlayer(int strength) {
  strong_.Enabled = strength >= 0 && strength < TStrongLevel::kStrengths;
  if (strong_.Enabled) strong_.Strength = strength;
  UpdateItems();
}

// The analyst's thinking where the search's is shown: the side panel's
// depth, nodes and best move, and the line in the status line.
void TAnalysisController::ShowThinking(const TPositionValue& value) {
  if (!value.Valid) return;  // the move is chosen: its last line stays
  QStringList line;
  for (int cell : value.Line)
    line << (cell == reversi::kPassSquare ? tr("pass") : QString::fromStdString(reversi::SquareName(cell)));
  const QString move = line.isEmpty() ? QString() : line.front();
  // The side panel reads the nodes from the board, also once the move is
  // played; a weaker strength's choice does not count them.
  if (value.Nodes > 0 || value.Book) board_->SetNodes(value.Nodes);
  emit AnalystThinking(value);
  const QString depth = value.Book ? tr("book") : value.Exact ? tr("exact") : tr("%1 ply search").arg(value.Depth);
  emit Status(tr("Analyst: %1, %2 discs (%3), %4 nodes: %5")
                  .arg(move, QString::fromStdString(DiscsText(value.Discs, value.Exact)), depth)
                  .arg(value.Nodes)
                  .arg(line.join(u' ')));
}
