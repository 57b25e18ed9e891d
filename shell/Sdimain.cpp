#include "Sdimain.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "BestLine.h"
#include "BoardCoordinates.h"
#include "DesignValues.h"
#include "FileReasons.h"
#include "GameClipboard.h"
#include "Levelunt.h"
#include "NumberFormat.h"
#include "Settings.h"
#include "widgets/ArrowButton.h"
#include "widgets/DropShadow.h"
#include "widgets/FlatButton.h"
#include "widgets/FormStyle.h"
#include "widgets/ScalableIcon.h"
#include "widgets/Shape.h"
#include "widgets/WaveSound.h"

// The assets live in this static library; naming the resource's initialiser
// keeps the linker from dropping it.
static void InitShellAssets() {
  Q_INIT_RESOURCE(assets);
}

using reversi::TReversiCore;

namespace {

using namespace formstyle;

// The values the window shows, in blue.
const QColor kValueBlue = kBlue;

void SetTextColor(QWidget* w, const QColor& colour) {
  QPalette pal = w->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    pal.setColor(group, QPalette::WindowText, colour);
    pal.setColor(group, QPalette::Text, colour);
  }
  w->setPalette(pal);
}

// A label that sizes itself to its text, as the form's labels do.
QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, const QColor& colour = Qt::black,
                  bool bold = false) {
  auto* label = new QLabel(text, parent);
  label->setFont(FormFont(bold));
  SetTextColor(label, colour);
  label->move(x, y);
  label->adjustSize();
  return label;
}

// A label of a fixed width whose text is placed by `align`.
QLabel* MakeFixedLabel(QWidget* parent, int x, int y, int width, Qt::Alignment align, const QColor& colour) {
  auto* label = new QLabel(parent);
  label->setFont(FormFont());
  SetTextColor(label, colour);
  label->setAlignment(align | Qt::AlignTop);
  label->setGeometry(x, y, width, QFontMetrics(label->font()).height());
  return label;
}

void SetCaption(QLabel* label, const QString& text) {
  label->setText(text);
  label->adjustSize();
}

// Splits a hint into its pop-up part (before the first "|") and its status
// part and gives each to the widget.
void SetHint(QWidget* w, const QString& hint) {
  const qsizetype bar = hint.indexOf(u'|');
  w->setToolTip(bar < 0 ? hint : hint.left(bar));
  w->setStatusTip(LongHint(hint));
}

}  // namespace

QString LongHint(const QString& hint) {
  const qsizetype bar = hint.indexOf(u'|');
  return bar < 0 ? hint : hint.mid(bar + 1);
}

// ---------------------------------------------------------------------------
// Creation

TMain::TMain(QWidget* parent) : TMain(SettingsPath(), parent) {}

TMain::TMain(std::string settingsPath, QWidget* parent) : QMainWindow(parent), settingsPath_(std::move(settingsPath)) {
  InitShellAssets();
  setWindowTitle(QStringLiteral("Vezari Zaduder"));
  setWindowIcon(ScalableIcon(QStringLiteral(":/assets/icon.xpm"), QStringLiteral(":/assets/icon.svg"),
                             {16, 22, 24, 48, 64, 128, 256}));
  setFont(FormFont());
  CreateMenus();
  CreateControls();
  SetDesignValues();
  BindEngine();

  ChooseOpenFile = [this] {
    return QFileDialog::getOpenFileName(this, QString(), QString(),
                                        tr("Game Files (*.RGM);;GGF Games (*.ggf);;Text (*.txt);;All Files (*)"));
  };
  // The dialog asks itself before the name picked in it replaces a file.
  ChooseSaveFile = [this] {
    const QString ggf = tr("GGF Games (*.ggf)");
    QString filter;
    const QString name = QFileDialog::getSaveFileName(this, QString(), QString(),
                                                      tr("Reversi Game Files (*.RGM)") + ";;" + ggf, &filter);
    SaveAsGgf = filter == ggf;
    return name;
  };
  ConfirmOverwrite = [this](const QString& name) {
    return QMessageBox::question(
               this, windowTitle(),
               tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(name).fileName())) ==
           QMessageBox::Yes;
  };
  ReportFileFailure = [this](const QString& text) { QMessageBox::warning(this, windowTitle(), text); };

  resize(640, 480);
  if (QScreen* s = screen()) CentreIn(this, s->availableGeometry());
  // Key preview: the window sees every key before the focused control.
  qApp->installEventFilter(this);
  setAcceptDrops(true);
  FormCreate();
  CreateAnalysis();
}

TMain::~TMain() {
  qApp->removeEventFilter(this);
  SetLevelDialog(nullptr);
  StopAnalysis();
  Reversi1->ChooseMove = nullptr;
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

void TMain::CreateMenus() {
  auto item = [this](QMenu* menu, const QString& caption, const QString& hint, void (TMain::*handler)(),
                     bool checkable = false, const QKeySequence& shortcut = {}) {
    QAction* a = menu->addAction(caption);
    a->setStatusTip(LongHint(hint));
    a->setCheckable(checkable);
    if (!shortcut.isEmpty()) a->setShortcut(shortcut);
    connect(a, &QAction::triggered, this, handler);
    return a;
  };
  QMenuBar* bar = menuBar();

  File1 = bar->addMenu(tr("&File"));
  New1 = item(File1, tr("&New"), tr("New game"), &TMain::New1Click);
  OpenItem = item(File1, tr("&Open..."), tr("Open a file"), &TMain::OpenItemClick);
  SaveItem = item(File1, tr("&Save..."), tr("Save current file"), &TMain::SaveItemClick);
  File1->addSeparator();
  ExitItem =
      item(File1, tr("E&xit"), tr("Exit application"), &TMain::ExitItemClick, false, QKeySequence(Qt::ALT | Qt::Key_X));

  Edit1 = bar->addMenu(tr("&Edit"));
  Level1 = item(Edit1, tr("Level..."), tr("Set level of play"), &TMain::Level1Click, false,
                QKeySequence(Qt::CTRL | Qt::Key_L));
  StrictTime1 = item(Edit1, tr("Strict Time Limit"), tr("Never think longer than the time per move"),
                     &TMain::StrictTime1Click, true);
  TwoPlayer1 = item(Edit1, tr("Two Player"), tr("Two player mode"), &TMain::TwoPlayer1Click, true);
  Edit1->addSeparator();
  TakeBack1 =
      item(Edit1, tr("Take Back"), tr("Take back a move"), &TMain::TakeBack1Click, false, QKeySequence(Qt::Key_Delete));
  MoveForward1 = item(Edit1, tr("Move Forward"), tr("Move forward one move"), &TMain::MoveForward1Click, false,
                      QKeySequence(Qt::Key_Insert));
  Edit1->addSeparator();
  Move1 = item(Edit1, tr("Move Now"), tr("Force the computer to play"), &TMain::Move1Click);
  CreateEditGameItems();
  connect(Edit1, &QMenu::aboutToShow, this, &TMain::Edit1Click);

  View1 = bar->addMenu(tr("&View"));
  Thinking1 = item(View1, tr("Show Thinking"), tr("Display the candidate move"), &TMain::Thinking1Click, true);
  LegalMoves1 = item(View1, tr("Show Legal Moves"), tr("Display all legal moves"), &TMain::LegalMoves1Click, true);
  ShowFlipableSquares1 = item(View1, tr("Show Flipable Discs"), tr("Diplay the disc that would be flipped"),
                              &TMain::ShowFlipableSquares1Click, true);
  Statistics1 = item(View1, tr("Statistics"), tr("Display the game statistics"), &TMain::Statistics1Click, true);
  BestLine1 = item(View1, tr("Show Best Line"), tr("Display the best line of play"), &TMain::BestLine1Click, true);
  Coordinates1 = item(View1, tr("Coordinates"), tr("Show the letters and digits of the squares around the board"),
                      &TMain::Coordinates1Click, true);
  View1->addSeparator();
  Sound1 = item(View1, tr("Sound"), tr("Make a sound after each move"), &TMain::Sound1Click, true);
  Selective1 = item(View1, tr("Selective"), tr("Selective search"), &TMain::Selective1Click, true);
  Selective1->setChecked(true);
  connect(View1, &QMenu::aboutToShow, this, &TMain::View1Click);

  Help1 = bar->addMenu(tr("&Help"));
  About1 = item(Help1, tr("&About..."), tr("Display about box"), &TMain::About1Click);
}

void TMain::CreateControls() {
  auto* client = new QWidget(this);
  setCentralWidget(client);
  auto* column = new QVBoxLayout(client);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  Bevel1 = new QFrame(client);
  Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  Bevel1->setFixedHeight(2);
  column->addWidget(Bevel1);

  Toolbar = new QWidget(client);
  Toolbar->setFixedHeight(26);
  auto toolButton = [this](const QString& glyph, int x, const QString& hint, void (TMain::*handler)()) {
    auto* b = new TFlatButton(Toolbar);
    b->setIcon(
        ScalableIcon(QStringLiteral(":/assets/%1.xpm").arg(glyph), QStringLiteral(":/assets/%1.svg").arg(glyph)));
    b->setGeometry(x, 2, 23, 22);
    SetHint(b, hint);
    connect(b, &QAbstractButton::clicked, this, handler);
    return b;
  };
  OpenButton = toolButton(QStringLiteral("open"), 4, tr("|Open a game file"), &TMain::OpenItemClick);
  SaveButton = toolButton(QStringLiteral("save"), 28, tr("|Save a game file"), &TMain::SaveItemClick);
  NewButton = toolButton(QStringLiteral("new"), 52, tr("|New game"), &TMain::New1Click);
  column->addWidget(Toolbar);

  auto* middle = new QWidget(client);
  auto* row = new QHBoxLayout(middle);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addStretch(1);
  SidePanel = new QWidget(middle);
  SidePanel->setFixedWidth(288);
  auto* panel = new QVBoxLayout(SidePanel);
  panel->setContentsMargins(0, 0, 0, 0);
  panel->setSpacing(0);
  GroupBox1 = new QGroupBox(tr("Game"), SidePanel);
  GroupBox1->setFixedHeight(97);
  GroupBox2 = new QGroupBox(tr("Statistics"), SidePanel);
  GroupBox2->setFixedHeight(84);
  GroupBox3 = new QGroupBox(tr("Best Line"), SidePanel);
  for (QGroupBox* box : {GroupBox1, GroupBox2, GroupBox3}) box->setFont(FormFont(true));
  panel->addWidget(GroupBox1);
  panel->addWidget(GroupBox2);
  panel->addWidget(GroupBox3, 1);
  panel->addSpacing(10);
  row->addWidget(SidePanel);
  column->addWidget(middle, 1);

  CreateGameBox();
  CreateStatisticsBox();

  auto* listBox = new QVBoxLayout(GroupBox3);
  listBox->setContentsMargins(7, 5, 6, 6);
  ListBox1 = MakeBestLineList(GroupBox3);
  ListBox1->setAccessibleName(tr("Best Line"));
  listBox->addWidget(ListBox1);

  BottomBar = new QWidget(client);
  BottomBar->setFixedHeight(40);
  BackButton = new TArrowButton(TArrowButton::TDirection::Left, BottomBar);
  BackButton->setGeometry(64, 4, 45, 33);
  BackButton->SetColors(Qt::blue, Qt::blue, Qt::red);
  SetHint(BackButton, tr("|Take back a move"));
  connect(BackButton, &QAbstractButton::clicked, this, &TMain::TakeBack1Click);
  PlayButton = new TFlatButton(BottomBar);
  PlayButton->setGeometry(112, 4, 97, 29);
  PlayButton->setText(QStringLiteral("orvane"));
  PlayButton->setFont(FormFont(/*bold=*/true, /*pixels=*/19));
  PlayButton->SetColor(kRed);
  PlayButton->SetFontColor(Qt::white);
  SetHint(PlayButton, tr("|Force the computer to play"));
  connect(PlayButton, &QAbstractButton::clicked, this, &TMain::Move1Click);
  ForwardButton = new TArrowButton(TArrowButton::TDirection::Right, BottomBar);
  ForwardButton->setGeometry(212, 3, 45, 33);
  ForwardButton->SetColors(Qt::blue, Qt::blue, Qt::red);
  SetHint(ForwardButton, tr("|Move forward one move"));
  connect(ForwardButton, &QAbstractButton::clicked, this, &TMain::MoveForward1Click);
  column->addWidget(BottomBar);

  auto* status = new QStatusBar(this);
  status->setSizeGripEnabled(false);
  status->setFixedHeight(19);
  StatusLine = new QLabel(status);
  StatusLine->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  StatusLine->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  StatusLine->setFont(StatusFont());
  SetTextColor(StatusLine, Qt::black);
  status->addWidget(StatusLine, 1);
  setStatusBar(status);

  // Created last, so they lie above the bars; the shadow under the board.
  Shadow = new TDropShadow(client);
  Shadow->setGeometry(16, 44, 320, 320);
  Coordinates = new TBoardCoordinates(client);
  Coordinates->hide();
  Reversi1 = new TReversi(client);
  Reversi1->setGeometry(4, 32, 320, 320);
  Reversi1->setAccessibleName(tr("Board"));
  // The board takes the keys (arrows, Enter, square names); the window still
  // sees each one first.
  Reversi1->setFocusPolicy(Qt::StrongFocus);
  Reversi1->setFocus();

  Timer1 = new QTimer(this);
  Timer1->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, &TMain::Timer1Timer);

  Click = new TWaveSound(QUrl(QStringLiteral("qrc:/assets/click.wav")), this);
}

void TMain::CreateGameBox() {
  QWidget* box = GroupBox1;
  WhiteDisc = new TShape(box);
  WhiteDisc->setGeometry(117, 15, 21, 17);
  WhiteDisc->SetBrushColor(Qt::white);
  BlackDisc = new TShape(box);
  BlackDisc->setGeometry(193, 15, 21, 17);
  BlackDisc->SetBrushColor(Qt::black);

  MakeLabel(box, tr("Disks"), 12, 40);
  Label4 = MakeFixedLabel(box, 105, 40, 45, Qt::AlignHCenter, kValueBlue);
  Label5 = MakeFixedLabel(box, 181, 40, 45, Qt::AlignHCenter, kValueBlue);
  Label4->setAccessibleDescription(tr("White discs"));
  Label5->setAccessibleDescription(tr("Black discs"));

  ToMoveCaption = MakeLabel(box, tr("To Move"), 12, 58);
  const QPixmap marker = ScalableIcon(QStringLiteral(":/assets/tomove.xpm"), QStringLiteral(":/assets/tomove.svg"))
                             .pixmap(QSize(16, 16), devicePixelRatioF());
  WhiteMarker = new QLabel(box);
  WhiteMarker->setPixmap(marker);
  WhiteMarker->setGeometry(120, 56, 16, 16);
  WhiteMarker->setAccessibleName(tr("White to move"));
  BlackMarker = new QLabel(box);
  BlackMarker->setPixmap(marker);
  BlackMarker->setGeometry(196, 56, 16, 16);
  BlackMarker->setAccessibleName(tr("Black to move"));
  // In the place of the markers once the game is over.
  ResultLabel = MakeFixedLabel(box, 109, 58, 174, Qt::AlignLeft, kValueBlue);
  ResultLabel->setAccessibleDescription(tr("Result"));
  ResultLabel->hide();

  Label6Caption = MakeLabel(box, tr("Level"), 12, 76);
  Label6 = MakeFixedLabel(box, 109, 76, 174, Qt::AlignLeft, kValueBlue);
  Label6->setAccessibleDescription(tr("Level"));
}

void TMain::CreateStatisticsBox() {
  QWidget* box = GroupBox2;
  MakeLabel(box, tr("Candidate Move"), 12, 24);
  Label11 = MakeLabel(box, QStringLiteral("-"), 109, 24, kValueBlue);
  MakeLabel(box, tr("Evaluation"), 176, 24);
  Label13 = MakeLabel(box, QStringLiteral("-"), 237, 24, kValueBlue);
  MakeLabel(box, tr("Considering"), 12, 44);
  Label12 = MakeLabel(box, QStringLiteral("-"), 109, 44, kValueBlue);
  MakeLabel(box, tr("Depth"), 176, 44);
  Label14 = MakeLabel(box, QStringLiteral("-"), 237, 44, kValueBlue);
  Label15 = MakeLabel(box, QStringLiteral(":"), 252, 43, Qt::black, true);
  Label16 = MakeLabel(box, QStringLiteral("-"), 260, 44, kValueBlue);
  MakeLabel(box, tr("Nodes"), 12, 64);
  Label18 = MakeLabel(box, QStringLiteral("-"), 109, 64, kValueBlue);
  // What a screen reader says with each value: its caption.
  Label11->setAccessibleDescription(tr("Candidate Move"));
  Label13->setAccessibleDescription(tr("Evaluation"));
  Label12->setAccessibleDescription(tr("Considering"));
  Label14->setAccessibleDescription(tr("Depth"));
  Label16->setAccessibleDescription(tr("Root move, then deepest depth"));
  Label18->setAccessibleDescription(tr("Nodes"));
}

// The board's properties as the form sets them, before the settings are read.
void TMain::SetDesignValues() {
  TReversi& r = *Reversi1;
  r.SetColor(reversi::clGreen);
  r.SetGamma(reversi::design::kGamma);
  r.SetLevel(reversi::design::kLevel);
  r.SetMoveTime(reversi::design::kMoveTime);
  r.SetToMove(reversi::Black);
  r.SetMode(reversi::Normal);
  r.SetShowJustPlayed(true);
  r.SetJustPlayedColour(reversi::clYellow);
  r.SetShowLegal(true);
  r.SetShowLegalColor(reversi::clRed);
  r.SetShowThinking(true);
  r.SetShowFlips(true);
  r.SetSelective(reversi::design::kSelective);
  r.SetSelectiveDepth(reversi::design::kSelectiveDepth);
}

void TMain::BindEngine() {
  TReversi& r = *Reversi1;
  r.OnMove = [this](TReversiCore*, const std::string& move) { Reversi1Move(move); };
  r.OnBeginSearch = [this](TReversiCore*) { Reversi1BeginSearch(); };
  r.OnPlyChange = [this](TReversiCore*, int ply) { Reversi1PlyChange(ply); };
  r.OnConsiderNew = [this](TReversiCore*, const std::string& move, int index, int total) {
    Reversi1ConsiderNew(move, index, total);
  };
  r.OnBestChange = [this](TReversiCore*, const std::string& move, double score, bool isFinal) {
    Reversi1BestChange(move, score, isFinal);
  };
  r.OnEndSearch = [this](TReversiCore*, const std::string& move) { Reversi1EndSearch(move); };
  r.OnEndGame = [this](TReversiCore*) { Reversi1EndGame(); };
  r.OnComputerPass = [this](TReversiCore*) { Reversi1Pass(); };
  r.OnPassRequest = [this](TReversiCore*) {
    Reversi1Pass();
    // The box the engine shows when nobody handles the request.
    Reversi1->Hooks().ShowPassBox();
  };
}

void TMain::FormCreate() {
  // 1. Hints reach the window as status-tip events (see event()), so
  //    ShowHint needs no installing.
  // 2. The settings.
  TShellSwitches switches;
  switches.ShowThinking = Reversi1->ShowThinking();
  switches.ShowFlips = Reversi1->ShowFlips();
  switches.ShowLegal = Reversi1->ShowLegal();
  LoadSettings(settingsPath_, *Reversi1, switches);
  Reversi1->SetShowThinking(switches.ShowThinking);
  Reversi1->SetShowFlips(switches.ShowFlips);
  Reversi1->SetShowLegal(switches.ShowLegal);
  Statistics1->setChecked(switches.Statistics);
  Sound1->setChecked(switches.Sound);
  BestLine1->setChecked(switches.BestLine);
  TwoPlayer1->setChecked(switches.TwoPlayer);
  // 3. The marks that mirror the engine, whatever step 2 did.
  Thinking1->setChecked(Reversi1->ShowThinking());
  ShowFlipableSquares1->setChecked(Reversi1->ShowFlips());
  LegalMoves1->setChecked(Reversi1->ShowLegal());
  Selective1->setChecked(Reversi1->Selective());
  StrictTime1->setChecked(Reversi1->StrictTime());
  coordinatesAtStart_ = LoadCoordinates(settingsPath_);
  Coordinates1->setChecked(coordinatesAtStart_);
  Coordinates->setVisible(coordinatesAtStart_);
  // 4.
  FormResize();
  ShowGame();
  ResetStats();
  settingsAtStart_ = SettingsBaseline(*Reversi1, Switches());
}

TShellSwitches TMain::Switches() const {
  TShellSwitches switches;
  switches.Statistics = Statistics1->isChecked();
  switches.Sound = Sound1->isChecked();
  switches.BestLine = BestLine1->isChecked();
  switches.TwoPlayer = TwoPlayer1->isChecked();
  switches.ShowThinking = Reversi1->ShowThinking();
  switches.ShowFlips = Reversi1->ShowFlips();
  switches.ShowLegal = Reversi1->ShowLegal();
  return switches;
}

// ---------------------------------------------------------------------------
// Display

void TMain::FormResize() {
  if (!Reversi1) return;
  // The outer size includes frame, caption and menu bar; the margins 72 and
  // 32 absorb them and the gaps around the board.
  const QRect outer = frameGeometry();
  const int h = outer.height() - BottomBar->height() - Toolbar->height() - statusBar()->height() - 72;
  const int w = outer.width() - SidePanel->width() - 32;
  // The coordinates take a strip above and left of the board.
  const int margin = Coordinates1->isChecked() ? TBoardCoordinates::kStrip : 0;
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

// The position on the board, also while the computer searches from it.
void TMain::ShowGame() {
  const TReversi& r = *Reversi1;
  const int black = r.ShownDiscs(reversi::kBlack), white = r.ShownDiscs(reversi::kWhite);
  Label5->setText(QString::number(black));
  Label4->setText(QString::number(white));
  const bool over = GameOver();
  const bool blackToMove = r.ShownSideToMove() == reversi::kBlack;
  BlackMarker->setVisible(!over && blackToMove);
  WhiteMarker->setVisible(!over && !blackToMove);
  ResultLabel->setText(over ? ResultText(black, white) : QString());
  ResultLabel->setVisible(over);
  SetCaption(ToMoveCaption, over ? tr("Result") : tr("To Move"));
  const int level = static_cast<int>(r.Level());
  if (level == reversi::TimeLevel) {
    Label6->setText(SecondsPerMoveText(r.MoveTime()));
  } else if (level == reversi::Infinite) {
    Label6->setText(tr("Infinite thinking time"));
  } else {
    Label6->setText(tr("%n ply search", nullptr, level));
  }
}

void TMain::ResetStats() {
  for (QLabel* label : {Label11, Label12, Label13, Label14, Label16, Label18}) SetCaption(label, QStringLiteral("-"));
  ListBox1->clear();
}

bool TMain::GameOver() const {
  return Reversi1->ShownGameOver();
}

QString TMain::ResultText(int black, int white) {
  if (black > white) return tr("Black wins %1 : %2").arg(black).arg(white);
  if (white > black) return tr("White wins %1 : %2").arg(white).arg(black);
  return tr("Draw %1 : %2").arg(black).arg(white);
}

void TMain::ShowHint(const QString& hint) {
  StatusLine->setText(hint);
  StatusLine->setAccessibleName(hint);
}

// Screen readers follow the status line's accessible name; `shown` also puts
// the text on the line itself.
void TMain::Announce(const QString& text, bool shown) {
  if (shown) StatusLine->setText(text);
  StatusLine->setAccessibleName(text);
  QAccessibleEvent event(StatusLine, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

void TMain::FormKeyPress(QChar key) {
  if (key == u' ') Reversi1->SetThinking(!Reversi1->Thinking());
  // H asks for a hint and still reaches the board, which reads it as the
  // first letter of a typed square name.
  if (key.toLower() == u'h') HintClick();
}

void TMain::ListBox1DrawItem(QPainter* painter, int index, const QRect& rect, QStyle::State state) {
  DrawBestLineItem(ListBox1, painter, index, rect, state);
}

// ---------------------------------------------------------------------------
// Engine handlers

void TMain::Reversi1Move(const std::string& move) {
  AnalysisPositionChanged();
  if (Statistics1->isChecked()) SetCaption(Label18, QString::number(Reversi1->Nodes()));
  ShowGame();
  // The side to move has been handed on: the mover is the other one.
  const bool blackMoved = Reversi1->SideToMove != reversi::kBlack;
  Announce((blackMoved ? tr("Black plays %1") : tr("White plays %1")).arg(QString::fromStdString(move)), false);
}

// The side to move is back with the player who moved last, the other one
// passes: the board's legal-move marks were drawn for the passing side.
void TMain::Reversi1Pass() {
  const bool blackPasses = Reversi1->SideToMove != reversi::kBlack;
  Announce(blackPasses ? tr("Black has no legal move and passes") : tr("White has no legal move and passes"));
  ShowGame();
  Reversi1->repaint();
}

void TMain::Reversi1BeginSearch() {
  AnalysisPositionChanged();
  ++searchDepth_;
  ListBox1->clear();
  Timer1->start();
  Timer1Timer();
}

void TMain::Reversi1PlyChange(int ply) {
  if (!Statistics1->isChecked()) return;
  SetCaption(Label14, QString::number(ply));
  SetCaption(Label18, QString::number(Reversi1->Nodes()));
}

void TMain::Reversi1ConsiderNew(const std::string& move, int index, int) {
  if (!Statistics1->isChecked()) return;
  SetCaption(Label16, QString::number(index));
  SetCaption(Label12, QString::fromStdString(move));
}

void TMain::Reversi1BestChange(const std::string& move, double score, bool) {
  const QLocale locale;
  if (Statistics1->isChecked()) {
    SetCaption(Label11, QString::fromStdString(move));
    SetCaption(Label13, FormatGeneral(score, locale));
    SetCaption(Label18, QString::number(Reversi1->Nodes()));
  }
  if (BestLine1->isChecked()) {
    ListBox1->insertItem(0, QString::number(Reversi1->Ply()) + u'|' + FormatFixed2(score, locale) + u'|' +
                                QString::fromStdString(Reversi1->MainLine()));
  }
}

void TMain::Reversi1EndSearch(const std::string&) {
  searchDepth_ = std::max(0, searchDepth_ - 1);
  AnalysisPositionChanged();
  Timer1->stop();
  PlayButton->setText(QStringLiteral("orvane"));
  PlayButton->SetColor(kRed);
  PlayButton->SetFontColor(Qt::white);
  SetCaption(Label16, QString::number(Reversi1->Deepest()));
  if (Sound1->isChecked()) Click->Play();
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

// Supplying this handler keeps the final position on the board: the engine
// shows no message and starts no new game by itself. The result is in the
// Game box (ShowGame) and on the status line.
void TMain::Reversi1EndGame() {
  ShowGame();
  Announce(ResultText(Reversi1->BlackDiscs(), Reversi1->WhiteDiscs()));
}

void TMain::Timer1Timer() {
  PlayButton->setText(tr("Thinking"));
  if (PlayButton->Color() != QColor(Qt::black)) {
    PlayButton->SetColor(Qt::black);
    PlayButton->SetFontColor(Qt::white);
  } else {
    PlayButton->SetColor(Qt::white);
    PlayButton->SetFontColor(Qt::black);
  }
}

// ---------------------------------------------------------------------------
// Menu and button handlers

void TMain::New1Click() {
  Reversi1->NewGame();
  AnalysisPositionChanged(true);
  ShowGame();
  ResetStats();
}

void TMain::ShowFileFailure(const QString& text) {
  if (ReportFileFailure) ReportFileFailure(text);
}

// Open and Save are refused while the computer thinks before any dialog
// shows: a dialog would stop the search under it only to refuse the file.
bool TMain::RefusedWhileThinking(const QString& text) {
  if (!Reversi1->Thinking()) return false;
  ShowFileFailure(text);
  return true;
}

void TMain::OpenItemClick() {
  if (RefusedWhileThinking(tr("The game could not be opened: the computer is thinking.\nThe current game is kept.")))
    return;
  const QString name = ChooseOpenFile ? ChooseOpenFile() : QString();
  if (name.isEmpty()) return;
  OpenGameFile(name);
}

void TMain::OpenGameFile(const QString& name) {
  const reversi::TFileResult result = Reversi1->OpenGame(QFile::encodeName(name).toStdString());
  if (!result) {
    ShowFileFailure(tr("The game \"%1\" could not be opened: %2.\nThe current game is kept.")
                        .arg(QDir::toNativeSeparators(name), TranslatedReason(result.Reason)));
    return;
  }
  AnalysisPositionChanged(true);
  ShowGame();
  ResetStats();
}

QString WithGameExtension(const QString& name, const QString& extension) {
  // The file's own name only: a "." in a folder's name does not count.
  const qsizetype slash = std::max(name.lastIndexOf(u'/'), name.lastIndexOf(QDir::separator()));
  return name.indexOf(u'.', slash + 1) >= 0 ? name : name + extension;
}

void TMain::SaveItemClick() {
  if (RefusedWhileThinking(tr("The game could not be saved: the computer is thinking."))) return;
  SaveAsGgf = false;
  const QString chosen = ChooseSaveFile ? ChooseSaveFile() : QString();
  if (chosen.isEmpty()) return;
  const QString name = WithGameExtension(chosen, SaveAsGgf ? QStringLiteral(".ggf") : QStringLiteral(".RGM"));
  // The dialog asked about the name picked in it, not about the one the
  // extension makes.
  if (name != chosen && QFileInfo::exists(name) && !(ConfirmOverwrite && ConfirmOverwrite(name))) return;
  const std::string file = QFile::encodeName(name).toStdString();
  const reversi::TFileResult result = name.endsWith(QStringLiteral(".ggf"), Qt::CaseInsensitive)
                                          ? Reversi1->SaveGgf(file, shell::GgfHeaderNow())
                                          : Reversi1->SaveGame(file);
  if (!result) {
    ShowFileFailure(tr("The game could not be saved to \"%1\": %2.")
                        .arg(QDir::toNativeSeparators(name), TranslatedReason(result.Reason)));
  }
}

void TMain::ExitItemClick() {
  close();
}

void TMain::Edit1Click() {
  const bool idle = !Reversi1->Thinking();
  TakeBack1->setEnabled(Reversi1->CanTakeBack() && idle);
  MoveForward1->setEnabled(Reversi1->CanMoveForward() && idle);
  Level1->setEnabled(idle);
  TwoPlayer1->setEnabled(idle);
  Move1->setEnabled(true);
  UpdateAnalysisItems();
  for (QAction* a : {Paste1, SetUp1}) a->setEnabled(idle);
  KeepHintsOfEnabledItems(Edit1);
}

void TMain::SetLevelDialog(TLevelFrm* dialog) {
  if (levelDialog_) {
    levelDialog_->OnLevelText = nullptr;
    levelDialog_->OnShowGame = nullptr;
  }
  levelDialog_ = dialog;
  if (!dialog) return;
  dialog->OnLevelText = [this](const QString& text) { Label6->setText(text); };
  dialog->OnShowGame = [this] { ShowGame(); };
}

void TMain::Level1Click() {
  if (levelDialog_) levelDialog_->Execute(*Reversi1);
}

void TMain::StrictTime1Click() {
  Reversi1->SetStrictTime(StrictTime1->isChecked());
}

void TMain::TwoPlayer1Click() {
  if (TwoPlayer1->isChecked()) {
    Reversi1->SetMode(reversi::TwoPlayer);
    ResetStats();
  } else {
    Reversi1->SetMode(reversi::Normal);
  }
}

void TMain::TakeBack1Click() {
  Reversi1->TakeBack();
  AnalysisPositionChanged(true);
  ResetStats();
  ShowGame();
}

void TMain::MoveForward1Click() {
  Reversi1->MoveForward();
  AnalysisPositionChanged();
  ResetStats();
  ShowGame();
}

void TMain::Move1Click() {
  Reversi1->SetThinking(!Reversi1->Thinking());
}

void TMain::View1Click() {
  const bool idle = !Reversi1->Thinking();
  for (QAction* a : {Thinking1, LegalMoves1, Statistics1, BestLine1}) a->setEnabled(idle);
  for (QAction* a : {ShowFlipableSquares1, Sound1, Selective1}) a->setEnabled(true);
  UpdateAnalysisItems();
  KeepHintsOfEnabledItems(View1);
}

// A disabled item shows no hint on the status line: its status tip is kept
// aside while it is disabled.
void TMain::KeepHintsOfEnabledItems(QMenu* menu) {
  static const char* const kHint = "vzHint";
  for (QAction* a : menu->actions()) {
    if (!a->property(kHint).isValid()) a->setProperty(kHint, a->statusTip());
    a->setStatusTip(a->isEnabled() ? a->property(kHint).toString() : QString());
  }
}

void TMain::Coordinates1Click() {
  Coordinates->setVisible(Coordinates1->isChecked());
  FormResize();
}

// The mark was inverted by the action, whether or not the engine takes the
// change (it ignores it while thinking).
void TMain::Thinking1Click() {
  Reversi1->SetShowThinking(!Reversi1->ShowThinking());
}

void TMain::LegalMoves1Click() {
  Reversi1->SetShowLegal(!Reversi1->ShowLegal());
  LegalMoves1->setChecked(Reversi1->ShowLegal());
}

void TMain::ShowFlipableSquares1Click() {
  Reversi1->SetShowFlips(!Reversi1->ShowFlips());
  ShowFlipableSquares1->setChecked(Reversi1->ShowFlips());
}

void TMain::Selective1Click() {
  Reversi1->SetSelective(!Reversi1->Selective());
}

void TMain::Statistics1Click() {
  if (!Statistics1->isChecked()) ResetStats();
}

void TMain::BestLine1Click() {
  if (!BestLine1->isChecked()) ListBox1->clear();
}

void TMain::Sound1Click() {}

void TMain::About1Click() {
  if (aboutBox_) aboutBox_->exec();
}

// ---------------------------------------------------------------------------
// Events

bool TMain::event(QEvent* e) {
  if (e->type() == QEvent::StatusTip) {
    ShowHint(static_cast<QStatusTipEvent*>(e)->tip());
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
      if (auto* w = qobject_cast<QWidget*>(watched); w && w->window() == this) Edit1Click();
      break;
    case QEvent::Resize:
    case QEvent::Move:
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
  if (!closed_) FormClose();
  StopAnalysis();
  e->accept();
}

void TMain::FormClose() {
  closed_ = true;
  // Only what this run changed, so that another copy's changes stay, and all
  // of it in one write; a failed write leaves the file as it was, and the
  // program closes all the same.
  std::vector<TIniWrite> more = PerfectEndgame.Writes(perfectAtStart_);
  if (Coordinates1->isChecked() != coordinatesAtStart_) more.push_back(CoordinatesWrite(Coordinates1->isChecked()));
  const std::vector<TIniWrite> placement = PlacementWrites();
  more.insert(more.end(), placement.begin(), placement.end());
  SaveSettings(settingsPath_, *Reversi1, Switches(), &settingsAtStart_, more);
}
