#include "Sdimain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "AnalysisController.h"
#include "AnimateFlips.h"
#include "BoardCoordinates.h"
#include "BoardDesign.h"
#include "BoardStyle.h"
#include "ClockController.h"
#include "FileReasons.h"
#include "GameFiles.h"
#include "GamesPlayed.h"
#include "HowToPlay.h"
#include "Levelunt.h"
#include "MainMenus.h"
#include "MoveList.h"
#include "NewGameChoice.h"
#include "OpeningsController.h"
#include "PassBox.h"
#include "PlayBar.h"
#include "Reversi.h"
#include "SidePanel.h"
#include "StatusLine.h"
#include "UndoMyMove.h"
#include "WindowMemory.h"
#include "widgets/DropShadow.h"
#include "widgets/FormStyle.h"
#include "widgets/ScalableIcon.h"
#include "widgets/WaveSound.h"

// The assets live in this static library; naming the resource's initialiser
// keeps the linker from dropping it.
static void InitShellAssets() {
  Q_INIT_RESOURCE(assets);
}

using reversi::TReversiCore;
using namespace formstyle;

namespace {

template <class T>
T* Named(T* object, const char* name) {
  object->setObjectName(QLatin1String(name));
  return object;
}

// The key the Edit menu shows for Hint, for the How to Play page to name.
QString HintKey(const QObject* window) {
  const auto* hint = window->findChild<QAction*>(QStringLiteral("Hint1"));
  if (!hint) return QStringLiteral("H");
  if (!hint->shortcut().isEmpty()) return hint->shortcut().toString(QKeySequence::NativeText);
  const qsizetype tab = hint->text().indexOf(u'\t');
  return tab >= 0 ? hint->text().mid(tab + 1) : QStringLiteral("H");
}

}  // namespace

TMain::TMain(QWidget* parent) : TMain(SettingsPath(), parent) {}

TMain::TMain(std::string settingsPath, QWidget* parent) : QMainWindow(parent), memory_(std::move(settingsPath)) {
  InitShellAssets();
  setWindowTitle(QStringLiteral("Vezari Zaduder"));
  setWindowIcon(ScalableIcon(QStringLiteral(":/assets/icon.xpm"), QStringLiteral(":/assets/icon.svg"),
                             {16, 22, 24, 48, 64, 128, 256}));
  setFont(FormFont());
  ConfirmCloseWithoutSettings = [this](const QString& text) {
    return QMessageBox::question(this, windowTitle(), text) == QMessageBox::Yes;
  };
  // The parts need the board; it joins the window's controls last, above them.
  Reversi1 = Named(new TReversi, "Reversi1");
  files_ = new TGameFiles(Reversi1, this);
  analysis_ = new TAnalysisController(Reversi1, memory_.Path(), this);
  CreateControls();
  menus_ = new TMainMenus(this, Reversi1, panel_, files_, analysis_);
  AddOpenings();
  AddPlayerItems();
  games_ = new TGamesPlayed(Reversi1, analysis_, memory_.Path(), this);
  games_->AddItem(menuBar()->findChild<QMenu*>(QStringLiteral("Help1")));
  Wire();
  ApplyDesignValues(*Reversi1);
  BindEngine();

  resize(640, 480);
  if (QScreen* s = screen()) CentreIn(this, s->availableGeometry());
  // Key preview: the window sees every key before the focused control.
  qApp->installEventFilter(this);
  // FormCreate: hints reach the window as status-tip events (see event()),
  // so ShowHint needs no installing; then the settings.
  Coordinates->setVisible(memory_.Load(*Reversi1, *menus_));
  boardStyle_ = new TBoardStyle(this, Reversi1, findChild<QMenu*>(QStringLiteral("View1")), memory_.Path());
  animateFlips_ = new TAnimateFlips(this, Reversi1, findChild<QMenu*>(QStringLiteral("View1")), memory_.Path());
  KeepBoardReadable();
  FormResize();
  panel_->ShowGame();
  panel_->ResetStats();
  analysis_->UpdateItems();
}

TMain::~TMain() {
  qApp->removeEventFilter(this);
  SetLevelDialog(nullptr);
  // Stops the analysis and takes the move choosers off the board while the
  // board is still there, the last one installed first.
  delete moveList_;  // its dock reports being hidden as the window goes
  delete openings_;
  delete analysis_;
  // Nothing of the engine may call back into a window being taken apart.
  Reversi1->OnMove = nullptr;
  Reversi1->OnBeginSearch = nullptr;
  Reversi1->OnPlyChange = nullptr;
  Reversi1->OnConsiderNew = nullptr;
  Reversi1->OnBestChange = nullptr;
  Reversi1->OnEndSearch = nullptr;
  Reversi1->OnEndGame = nullptr;
  Reversi1->OnComputerPass = nullptr;
  Reversi1->OnPassRequest = nullptr;
}

void TMain::CreateControls() {
  auto* client = new QWidget(this);
  setCentralWidget(client);
  auto* column = new QVBoxLayout(client);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  auto* bevel = Named(new QFrame(client), "Bevel1");
  bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  bevel->setFixedHeight(2);
  column->addWidget(bevel);

  toolbar_ = new TToolbar(client);
  column->addWidget(toolbar_);

  auto* middle = new QWidget(client);
  auto* row = new QHBoxLayout(middle);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addStretch(1);
  panel_ = new TSidePanel(Reversi1, middle);
  row->addWidget(panel_);
  column->addWidget(middle, 1);

  playBar_ = new TPlayBar(client);
  column->addWidget(playBar_);
  auto* status = Named(new QStatusBar(this), "StatusBar");
  status->setSizeGripEnabled(false);
  status->setFixedHeight(19);
  status_ = new TStatusLine(status);
  status->addWidget(status_, 1);
  setStatusBar(status);

  // Last, so they lie above the bars; the shadow under the board.
  Shadow = Named(new TDropShadow(client), "Shadow");
  Shadow->setGeometry(16, 44, 320, 320);
  Coordinates = Named(new TBoardCoordinates(client), "Coordinates");
  Coordinates->hide();
  Reversi1->setParent(client);
  Reversi1->setGeometry(4, 32, 320, 320);
  Reversi1->setAccessibleName(tr("Board"));
  // The board takes the keys (arrows, Enter, square names); the window still
  // sees each one first.
  Reversi1->setFocusPolicy(Qt::StrongFocus);
  Reversi1->setFocus();

  Click = Named(new TWaveSound(QUrl(QStringLiteral("qrc:/assets/click.wav")), this), "Click");
}

// What the parts ask of each other and of the window.
void TMain::Wire() {
  connect(toolbar_, &TToolbar::OpenClicked, files_, &TGameFiles::OpenItemClick);
  connect(toolbar_, &TToolbar::SaveClicked, files_, &TGameFiles::SaveItemClick);
  auto newGame = [this] {
    Reversi1->NewGame();
    GameReplaced();
    choice_->NewGameStarted();
  };
  auto takeBack = [this] {
    Reversi1->TakeBack();
    PositionMoved(true);
  };
  auto moveForward = [this] {
    Reversi1->MoveForward();
    PositionMoved(false);
  };
  connect(toolbar_, &TToolbar::NewClicked, this, newGame);
  connect(menus_, &TMainMenus::New1Click, this, newGame);
  connect(choice_, &TNewGameChoice::NewGameAsked, this, newGame);
  connect(playBar_, &TPlayBar::BackClicked, this, takeBack);
  connect(menus_, &TMainMenus::TakeBack1Click, this, takeBack);
  connect(playBar_, &TPlayBar::ForwardClicked, this, moveForward);
  connect(menus_, &TMainMenus::MoveForward1Click, this, moveForward);
  connect(playBar_, &TPlayBar::PlayClicked, this, &TMain::PlayOrStop);
  connect(menus_, &TMainMenus::Move1Click, this, &TMain::PlayOrStop);
  connect(menus_, &TMainMenus::ExitItemClick, this, &QWidget::close);
  connect(menus_, &TMainMenus::Level1Click, this, [this] {
    if (levelDialog_) levelDialog_->Execute(*Reversi1);
  });
  connect(menus_, &TMainMenus::HowToPlay1Click, this, [this] { ShowHowToPlay(this, HintKey(this)); });
  connect(menus_, &TMainMenus::About1Click, this, [this] {
    if (aboutBox_) aboutBox_->exec();
  });
  connect(menus_, &TMainMenus::Coordinates1Click, this, [this](bool shown) {
    Coordinates->setVisible(shown);
    KeepBoardReadable();
    FormResize();
  });
  connect(files_, &TGameFiles::GameReplaced, this, &TMain::GameReplaced);
  // Said to screen readers only: the board itself stays quiet, as it always was.
  connect(Reversi1, &TReversi::IllegalMove, this, [this](int square) {
    status_->Announce(tr("%1 is not a legal move").arg(QString::fromStdString(reversi::SquareName(square))), false);
  });
  connect(analysis_, &TAnalysisController::Status, status_, &TStatusLine::ShowStatus);
  connect(games_, &TGamesPlayed::Status, status_, &TStatusLine::ShowHint);
  connect(clock_, &TClockController::TimeUp, games_, &TGamesPlayed::LostOnTime);
  connect(analysis_, &TAnalysisController::Announced, status_,
          [this](const QString& text) { status_->Announce(text); });
  connect(analysis_, &TAnalysisController::Solved, panel_, &TSidePanel::ShowSolved);
  connect(analysis_, &TAnalysisController::AnalystThinking, panel_, &TSidePanel::AnalystThinking);
  panel_->PlayerText = [this] {
    const TStrongLevel& analyst = analysis_->AnalystPlayer();
    return analyst.Enabled ? analyst.LevelText() : QString();
  };
  if (const auto* players = findChild<QMenu*>(QStringLiteral("ComputerPlayer1")))
    connect(players, &QMenu::triggered, panel_, &TSidePanel::ShowGame);
  connect(analysis_, &TAnalysisController::PositionShown, this, [this] {
    panel_->ResetStats();
    panel_->ShowGame();
  });
}

// The book, the named openings and the library, their items beside the
// window's own: Open Library above Exit.
void TMain::AddOpenings() {
  openings_ = new TOpeningsController(Reversi1, this);
  auto* file = menuBar()->findChild<QMenu*>(QStringLiteral("File1"));
  const QList<QAction*> fileItems = file->actions();
  openings_->AddItems(file, fileItems.size() >= 2 ? fileItems[fileItems.size() - 2] : nullptr,
                      menuBar()->findChild<QMenu*>(QStringLiteral("Edit1")),
                      menuBar()->findChild<QMenu*>(QStringLiteral("View1")));
  connect(openings_, &TOpeningsController::Status, status_, &TStatusLine::ShowStatus);
  connect(openings_, &TOpeningsController::Announced, status_,
          [this](const QString& text) { status_->Announce(text); });
  connect(openings_, &TOpeningsController::GameReplaced, this, &TMain::GameReplaced);
}

// The move list at the end of View, Undo and Redo My Move after Move Forward.
void TMain::AddPlayerItems() {
  moveList_ = new TMoveList(Reversi1, this);
  moveList_->AddItems(menuBar()->findChild<QMenu*>(QStringLiteral("View1")));
  connect(moveList_, &TMoveList::Moved, this, &TMain::PositionMoved);
  connect(moveList_->Dock(), &QDockWidget::visibilityChanged, this,
          [this] { QTimer::singleShot(0, this, &TMain::FormResize); });
  undo_ = new TUndoMyMove(Reversi1, this);
  undo_->AddItems(menuBar()->findChild<QMenu*>(QStringLiteral("Edit1")), QStringLiteral("MoveForward1"));
  connect(undo_, &TUndoMyMove::Walked, this, &TMain::PositionMoved);
  choice_ = new TNewGameChoice(Reversi1, memory_.Path(), this);
  choice_->AddItems(menuBar()->findChild<QMenu*>(QStringLiteral("File1")), QStringLiteral("New1"),
                    menuBar()->findChild<QAction*>(QStringLiteral("TwoPlayer1")));
  clock_ = new TClockController(Reversi1, panel_, memory_.Path(), this);
  clock_->AddItems(menuBar()->findChild<QMenu*>(QStringLiteral("Edit1")), QStringLiteral("TwoPlayer1"));
  connect(clock_, &TClockController::Announced, status_, [this](const QString& text) { status_->Announce(text); });
}

void TMain::BindEngine() {
  TReversi& r = *Reversi1;
  r.OnMove = [this](TReversiCore*, const std::string& move) { Reversi1Move(move); };
  r.OnBeginSearch = [this](TReversiCore*) { Reversi1BeginSearch(); };
  r.OnPlyChange = [this](TReversiCore*, int ply) { panel_->PlyChanged(ply); };
  r.OnConsiderNew = [this](TReversiCore*, const std::string& move, int index, int) {
    panel_->ConsiderNew(move, index);
  };
  r.OnBestChange = [this](TReversiCore*, const std::string& move, double score, bool) {
    panel_->BestChanged(move, score);
  };
  r.OnEndSearch = [this](TReversiCore*, const std::string&) { Reversi1EndSearch(); };
  // Supplying this handler keeps the final position on the board: the engine
  // shows no message and starts no new game by itself. The result is in the
  // Game box and on the status line.
  r.OnEndGame = [this](TReversiCore*) {
    panel_->ShowGame();
    status_->Announce(TSidePanel::ResultText(Reversi1->BlackDiscs(), Reversi1->WhiteDiscs()));
    games_->GameEnded();
  };
  r.OnComputerPass = [this](TReversiCore*) { Reversi1Pass(); };
  r.OnPassRequest = [this](TReversiCore*) {
    Reversi1Pass();
    ShowPassBox(this);
  };
}

void TMain::SetLevelDialog(TLevelFrm* dialog) {
  if (levelDialog_) {
    levelDialog_->OnLevelText = nullptr;
    levelDialog_->OnShowGame = nullptr;
  }
  levelDialog_ = dialog;
  if (!dialog) return;
  dialog->OnLevelText = [this](const QString& text) { panel_->SetLevelText(text); };
  dialog->OnShowGame = [this] { panel_->ShowGame(); };
  dialog->SetAnalystPlayer(&analysis_->AnalystLevel());
}

// The smallest board whose discs and coordinates stay readable: 24 pixels a
// square. The window is kept large enough for it beside the panel, in the
// same sums FormResize makes.
void TMain::KeepBoardReadable() {
  constexpr int kSmallestBoard = 8 * 24;
  const int margin = menus_->CoordinatesShown() ? TBoardCoordinates::kStrip : 0;
  setMinimumSize(panel_->width() + 32 + margin + kSmallestBoard,
                 playBar_->height() + toolbar_->height() + statusBar()->height() + 72 + margin + kSmallestBoard);
}

void TMain::FormResize() {
  if (!Reversi1) return;
  // The outer size includes frame, caption and menu bar; the margins 72 and
  // 32 absorb them and the gaps around the board.
  const QRect outer = frameGeometry();
  const int h = outer.height() - playBar_->height() - toolbar_->height() - statusBar()->height() - 72;
  // Docks beside the board (the move list, the library) narrow the client;
  // a dock counts from its show on, before the window has laid it out.
  int docks = 0;
  for (const QDockWidget* dock : findChildren<QDockWidget*>(Qt::FindDirectChildrenOnly))
    if (dock->isVisibleTo(this) && !dock->isFloating()) docks += dock->width();
  const int w = outer.width() - docks - panel_->width() - 32;
  // The coordinates take a strip above and left of the board.
  const int margin = menus_->CoordinatesShown() ? TBoardCoordinates::kStrip : 0;
  const int side = std::max(0, std::min(w, h) - margin);
  Reversi1->setGeometry(4 + margin, 32 + margin, side, side);
  FitShadow();
}

// The shadow follows the board, which settles its own size when it paints.
void TMain::FitShadow() {
  const QRect board = Reversi1->geometry();
  Shadow->setGeometry(board.x() + 12, board.y() + 12, board.width(), board.height());
  Coordinates->Fit(*Reversi1);
}

void TMain::FormKeyPress(QChar key) {
  if (key == u' ') PlayOrStop();
  if (key == u'?') analysis_->Hint();
}

void TMain::PlayOrStop() {
  if (Reversi1->Thinking())
    Reversi1->SetThinking(false);
  else if (!clock_->Flagged())
    Reversi1->SetThinking(true);
}

void TMain::Reversi1Move(const std::string& move) {
  clock_->Moved();  // first: the level the clock lent the computer is given back
  undo_->Moved();
  games_->Moved();
  analysis_->PositionChanged();
  openings_->PositionChanged();
  moveList_->PositionChanged();
  panel_->Moved();
  // The side to move has been handed on: the mover is the other one.
  const bool blackMoved = Reversi1->SideToMove != reversi::kBlack;
  status_->Announce((blackMoved ? tr("Black plays %1") : tr("White plays %1")).arg(QString::fromStdString(move)),
                    false);
}

// The side to move is back with the player who moved last, the other one
// passes: the board's legal-move marks were drawn for the passing side.
void TMain::Reversi1Pass() {
  const bool blackPasses = Reversi1->SideToMove != reversi::kBlack;
  status_->Announce(blackPasses ? tr("Black has no legal move and passes") : tr("White has no legal move and passes"));
  panel_->ShowGame();
  Reversi1->repaint();
}

void TMain::Reversi1BeginSearch() {
  analysis_->PositionChanged();
  ++searchDepth_;
  clock_->SearchBegan();
  panel_->SearchBegan();
  playBar_->SearchBegan();
}

void TMain::Reversi1EndSearch() {
  searchDepth_ = std::max(0, searchDepth_ - 1);
  clock_->SearchEnded();
  analysis_->PositionChanged();
  openings_->PositionChanged();
  moveList_->PositionChanged();
  playBar_->SearchEnded();
  panel_->SearchEnded();
  if (menus_->Sound()) Click->Play();
  if (closePending_ && searchDepth_ == 0) {
    // Closed while thinking: the close goes through once control is back in
    // the event loop, when nothing of the search is left on the stack.
    QTimer::singleShot(0, this, [this] {
      if (!closePending_) return;
      closePending_ = false;
      close();
    });
  }
}

void TMain::PositionMoved(bool gameChanged) {
  if (gameChanged) status_->ForgetAnnouncement();
  analysis_->PositionChanged(gameChanged);
  openings_->PositionChanged();
  moveList_->PositionChanged();
  games_->PositionMoved();
  clock_->PositionMoved();
  panel_->ShowGame();
  panel_->ResetStats();
}

void TMain::GameReplaced() {
  Reversi1->ResetKeyCursor();
  PositionMoved(true);
}

bool TMain::event(QEvent* e) {
  if (e->type() == QEvent::StatusTip) {
    status_->ShowHint(static_cast<QStatusTipEvent*>(e)->tip());
    return true;
  }
  return QMainWindow::event(e);
}

bool TMain::eventFilter(QObject* watched, QEvent* e) {
  switch (e->type()) {
    case QEvent::KeyPress:
      // Key preview: a key reaches the window's native window once, before
      // Qt hands it to the focused control. The key goes on at once; what it
      // asks for runs from the event loop right after, so a search started
      // by Space does not run inside the key's delivery (a focus change
      // during the search, as Alt makes, would have Qt deliver it again).
      if (windowHandle() && watched == static_cast<QObject*>(windowHandle())) {
        const QString text = static_cast<QKeyEvent*>(e)->text();
        if (text.size() == 1) {
          const QChar key = text.front();
          QTimer::singleShot(0, this, [this, key] { FormKeyPress(key); });
        }
      }
      break;
    case QEvent::ShortcutOverride:
      // A menu shortcut acts on the Edit menu's state of this moment, as if
      // the menu had been opened.
      if (auto* w = qobject_cast<QWidget*>(watched); w && w->window() == this) menus_->Edit1Click();
      break;
    case QEvent::Resize:
    case QEvent::Move:
      if (watched == centralWidget() && e->type() == QEvent::Resize) FormResize();
      if (watched == Reversi1) {
        FitShadow();
        // The board may settle its size again while handling this event, or
        // once it is shown, without another event reaching here.
        QMetaObject::invokeMethod(
            this, [this] { FitShadow(); }, Qt::QueuedConnection);
      }
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, e);
}

void TMain::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  FormResize();
}

void TMain::closeEvent(QCloseEvent* e) {
  // FormCloseQuery: ask a running search to stop. The close itself waits
  // until the search has played its move and returned, so the board is
  // never taken down under it.
  Reversi1->SetThinking(false);
  if (Searching() || Reversi1->Thinking()) {
    closePending_ = true;
    e->ignore();
    return;
  }
  if (!closed_) {
    std::vector<TIniWrite> more = analysis_->Writes();
    for (const TIniWrite& w : boardStyle_->Writes()) more.push_back(w);
    for (auto writes : {choice_->Writes(), clock_->Writes()}) more.insert(more.end(), writes.begin(), writes.end());
    for (const TIniWrite& w : animateFlips_->Writes()) more.push_back(w);
    const std::string whyNot = memory_.Save(*this, *Reversi1, *menus_, more);
    if (!whyNot.empty() &&
        !ConfirmCloseWithoutSettings(tr("The settings could not be saved to %1: %2.\n\nClose without saving them?")
                                         .arg(QFile::decodeName(memory_.Path().c_str()), TranslatedReason(whyNot)))) {
      e->ignore();
      return;
    }
    closed_ = true;
  }
  analysis_->Stop();
  e->accept();
}
