#include "OpeningsController.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QHelpEvent>
#include <QInputDialog>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QStandardPaths>
#include <QThread>
#include <QToolTip>
#include <algorithm>
#include <random>

#include "Analyst.h"
#include "BalancedStart.h"
#include "EngineAdapter.h"
#include "LibraryPanel.h"
#include "NumberFormat.h"
#include "OpeningNames.h"
#include "Replay.h"
#include "Reversi.h"
#include "SafeFile.h"

using namespace reversi;
using namespace reversi::openings;

struct TOpeningsController::TLibrary {
  QString Path;
  TCollection Games;
  std::unique_ptr<TPositionIndex> Index;
};

namespace {

QString Cell(int square) {
  return QString::fromStdString(SquareName(kCellOfBit[square]));
}

QString Discs(double value) {
  const QString text = FormatFixed2(value, QLocale());
  return value > 0 ? QStringLiteral("+") + text : text;
}

TSidePosition OnBoard(const TReversi& board) {
  const analysis::TBitPosition p = analysis::FromBoard(board);
  return {p.Player, p.Opponent};
}

std::vector<int> Squares(const TGame& game) {
  return BitMoves(game);
}

// Where the index of a collection is kept between runs: named after the
// file, marked with what the file was when it was read.
QString CachePath(const QString& path) {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
  return folder + QStringLiteral("/library-") + QString::fromLatin1(hash) + QStringLiteral(".index");
}

std::string Stamp(const QString& path) {
  const QFileInfo info(path);
  return QStringLiteral("%1 %2 %3 %4")
      .arg(info.absoluteFilePath())
      .arg(info.size())
      .arg(info.lastModified().toMSecsSinceEpoch())
      .arg(QStringLiteral(__DATE__ " " __TIME__))
      .toStdString();
}

}  // namespace

TOpeningsController::TOpeningsController(TReversi* board, QMainWindow* window)
    : QObject(window), board_(board), window_(window) {
  nextChooser_ = board_->ChooseMove;
  board_->ChooseMove = [this](TReversiCore& engine) {
    if (const int cell = PracticeMove()) return cell;
    return nextChooser_ ? nextChooser_(engine) : 0;
  };
  board_->installEventFilter(this);
  ChooseLibraryFile = [this] {
    return QFileDialog::getOpenFileName(window_, tr("Open Library"), QString(),
                                        tr("Game Collections (*.wtb *.WTB *.ggf *.GGF *.txt *.TXT);;All Files (*)"));
  };
  ChooseLine = [this](const QStringList& names) {
    bool ok = false;
    const QString name =
        QInputDialog::getItem(window_, tr("Practise Opening"), tr("The line to practise:"), names, 0, false, &ok);
    return ok ? name : QString();
  };
}

TOpeningsController::~TOpeningsController() {
  ++generation_;
  board_->ChooseMove = nextChooser_;
  board_->removeEventFilter(this);
}

void TOpeningsController::AddItems(QMenu* file, QAction* beforeInFile, QMenu* edit, QMenu* view) {
  NewBalanced1 = new QAction(tr("New &Balanced Game"), this);
  NewBalanced1->setObjectName(QStringLiteral("NewBalanced1"));
  NewBalanced1->setStatusTip(tr("New game from a random opening that the analyst judges even"));
  const QList<QAction*> fileItems = file->actions();
  const auto newItem = std::find_if(fileItems.begin(), fileItems.end(),
                                    [](QAction* a) { return a->objectName() == QLatin1String("New1"); });
  file->insertAction(newItem != fileItems.end() && newItem + 1 != fileItems.end() ? *(newItem + 1) : beforeInFile,
                     NewBalanced1);
  connect(NewBalanced1, &QAction::triggered, this, [this] { NewBalancedGame(); });

  OpenLibrary1 = new QAction(tr("Open &Library..."), this);
  OpenLibrary1->setObjectName(QStringLiteral("OpenLibrary1"));
  OpenLibrary1->setStatusTip(tr("Read a collection of games and look up the position on the board in it"));
  file->insertAction(beforeInFile, OpenLibrary1);
  connect(OpenLibrary1, &QAction::triggered, this, [this] {
    const QString path = ChooseLibraryFile();
    if (!path.isEmpty()) OpenLibrary(path);
  });

  PractiseOpening1 = new QAction(tr("Practise &Opening..."), this);
  PractiseOpening1->setObjectName(QStringLiteral("PractiseOpening1"));
  PractiseOpening1->setStatusTip(tr("Play a named opening against the computer, your moves checked against it"));
  edit->addAction(PractiseOpening1);
  connect(PractiseOpening1, &QAction::triggered, this, [this] {
    QStringList names;
    for (const TOpeningNames::TLine& line : TOpeningNames::Builtin().Lines())
      names << QString::fromStdString(line.Name);
    const QString name = ChooseLine(names);
    if (!name.isEmpty()) Practise(name);
  });

  BookMoves1 = new QAction(tr("&Book Moves"), this);
  BookMoves1->setObjectName(QStringLiteral("BookMoves1"));
  BookMoves1->setCheckable(true);
  BookMoves1->setStatusTip(tr("Mark the opening book's moves with their values in discs, and name the opening"));
  view->addAction(BookMoves1);
  connect(BookMoves1, &QAction::toggled, this, &TOpeningsController::SetBookMoves);
}

void TOpeningsController::SetBookMoves(bool on) {
  if (BookMoves1 && BookMoves1->isChecked() != on) BookMoves1->setChecked(on);
  if (!on) {
    bookMoves_.clear();
    board_->SetSquareTexts({});
    return;
  }
  std::string error;
  if (!TBook::Default(&error)) {
    emit Status(tr("The opening book cannot be used: %1").arg(QString::fromStdString(error)));
    return;
  }
  ShowBookMoves();
}

QString TOpeningsController::OpeningName() const {
  return QString::fromStdString(TOpeningNames::Builtin().NameOf(Squares(board_->CurrentGame())));
}

void TOpeningsController::PositionChanged() {
  CheckPractice();
  if (BookMoves1 && BookMoves1->isChecked()) ShowBookMoves();
  ShowLibrary();
}

void TOpeningsController::ShowBookMoves() {
  const TBook* book = TBook::Default();
  bookMoves_.clear();
  if (!book || board_->Thinking() || board_->IsSetUp()) {
    board_->SetSquareTexts({});
    return;
  }
  // The book names one move for the moves that the position's own
  // symmetries make the same (the four first moves): the board marks each.
  const TSidePosition here = OnBoard(*board_);
  const unsigned same = bits::Stabilizer(here.Player, here.Opponent);
  for (const TBookMove& m : book->Find(here))
    for (int s = 0; s < bits::kSymmetries; ++s) {
      TBookMove image = m;
      image.Square = bits::TransformSquare(m.Square, s);
      const bool known = std::any_of(bookMoves_.begin(), bookMoves_.end(),
                                     [&](const TBookMove& b) { return b.Square == image.Square; });
      if ((same & (1u << s)) && !known) bookMoves_.push_back(image);
    }
  QMap<int, QString> texts;
  for (const TBookMove& m : bookMoves_) texts[kCellOfBit[m.Square]] = Discs(m.Value);
  board_->SetSquareTexts(texts);
  const QString name = OpeningName();
  if (!name.isEmpty()) emit Status(tr("Opening: %1").arg(name));
}

bool TOpeningsController::eventFilter(QObject* watched, QEvent* event) {
  if (watched == board_ && event->type() == QEvent::ToolTip && !bookMoves_.empty()) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const int cell = board_->SquareAt(help->pos().x(), help->pos().y());
    for (const TBookMove& m : bookMoves_)
      if (cell && kCellOfBit[m.Square] == cell) {
        QToolTip::showText(help->globalPos(),
                           tr("%1: %2 discs, played in %n game(s)", "", m.Games).arg(Cell(m.Square), Discs(m.Value)));
        return true;
      }
    QToolTip::hideText();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

// ---- Practice ----

bool TOpeningsController::Practise(const QString& name) {
  for (const TOpeningNames::TLine& line : TOpeningNames::Builtin().Lines()) {
    if (QString::fromStdString(line.Name) != name) continue;
    if (board_->Thinking()) return false;
    board_->NewGame();
    practice_ = ReadMoveList(line.Moves).Game.Moves;
    practiceName_ = name;
    practiceChecked_ = 0;
    emit GameReplaced();
    emit Announced(tr("Practising the %1: %2").arg(name, QString::fromStdString(line.Moves)));
    // The computer opens when the line's first move is its own.
    return true;
  }
  return false;
}

// The line's next move while the game has followed it so far; 0 otherwise.
int TOpeningsController::PracticeMove() const {
  if (practice_.empty()) return 0;
  const TGame game = board_->CurrentGame();
  if (game.Moves.size() >= practice_.size()) return 0;
  for (size_t i = 0; i < game.Moves.size(); ++i)
    if (game.Moves[i] != practice_[i]) return 0;
  return practice_[game.Moves.size()];
}

void TOpeningsController::CheckPractice() {
  if (practice_.empty() || board_->Thinking()) return;
  const TGame game = board_->CurrentGame();
  if (game.Moves.size() <= practiceChecked_) {
    practiceChecked_ = game.Moves.size();  // taken back
    return;
  }
  for (size_t i = practiceChecked_; i < game.Moves.size(); ++i) {
    if (i >= practice_.size()) break;
    if (game.Moves[i] == practice_[i]) continue;
    // Off the line: what the book says of the move played and of the line's.
    const TGame before{game.Start, std::vector<int>(game.Moves.begin(), game.Moves.begin() + i)};
    TSidePosition position;
    WalkGame(before.Start, Squares(before), [&](const TPly& ply) { position = ply.Position; });
    const TBook* book = TBook::Default();
    const std::vector<TBookMove> moves = book ? book->Find(position) : std::vector<TBookMove>{};
    auto value = [&](int cell) -> const TBookMove* {
      for (const TBookMove& m : moves)
        if (kCellOfBit[m.Square] == cell) return &m;
      return nullptr;
    };
    const QString played = QString::fromStdString(SquareName(game.Moves[i]));
    const QString expected = QString::fromStdString(SquareName(practice_[i]));
    const TBookMove* p = value(game.Moves[i]);
    const TBookMove* e = value(practice_[i]);
    QString text = tr("%1 leaves the %2: the line plays %3.").arg(played, practiceName_, expected);
    if (p && e)
      text += QLatin1Char(' ') + tr("The book values %1 at %2 and %3 at %4 discs: %5 discs less.")
                                     .arg(expected, Discs(e->Value), played, Discs(p->Value),
                                          FormatFixed2(e->Value - p->Value, QLocale()));
    else if (e)
      text += QLatin1Char(' ') +
              tr("The book values %1 at %2 discs and does not know %3.").arg(expected, Discs(e->Value), played);
    practice_.clear();
    emit Announced(text);
    return;
  }
  practiceChecked_ = game.Moves.size();
  if (practiceChecked_ >= practice_.size()) {
    practice_.clear();
    emit Announced(tr("The %1 is played to its end.").arg(practiceName_));
  }
}

// ---- The library ----

void TOpeningsController::OpenLibrary(const QString& path) {
  const int generation = ++generation_;
  loading_ = true;
  if (!libraryDock_) {
    libraryDock_ = new QDockWidget(tr("Library"), window_);
    libraryDock_->setObjectName(QStringLiteral("LibraryDock"));
    libraryPanel_ = new TLibraryPanel(libraryDock_);
    libraryDock_->setWidget(libraryPanel_);
    window_->addDockWidget(Qt::RightDockWidgetArea, libraryDock_);
    connect(libraryPanel_, &TLibraryPanel::GameChosen, this, &TOpeningsController::OpenLibraryGame);
  }
  libraryDock_->show();
  libraryPanel_->ShowMessage(tr("Reading %1...").arg(QFileInfo(path).fileName()));
  auto library = std::make_shared<TLibrary>();
  library->Path = path;
  QPointer<TOpeningsController> self(this);
  QThread* reader = QThread::create([library, self, generation] {
    library->Games = ReadCollectionFile(library->Path.toStdString());
    const std::string stamp = Stamp(library->Path);
    const std::string cache = CachePath(library->Path).toStdString();
    if (const safefile::TReadResult bytes = safefile::ReadSmallFile(cache, size_t{1} << 30))
      library->Index = TPositionIndex::Read(bytes.Text, stamp);
    if (!library->Index && library->Games.Error.empty()) {
      library->Index = std::make_unique<TPositionIndex>(library->Games.Games);
      QDir().mkpath(QFileInfo(QString::fromStdString(cache)).path());
      safefile::ReplaceFile(cache, library->Index->Write(stamp));
    }
    QMetaObject::invokeMethod(qApp, [library, self, generation] {
      if (self) self->LibraryRead(library, generation);
    });
  });
  connect(reader, &QThread::finished, reader, &QObject::deleteLater);
  reader->start();
}

void TOpeningsController::LibraryRead(std::shared_ptr<TLibrary> library, int generation) {
  if (generation != generation_) return;
  loading_ = false;
  const QString file = QFileInfo(library->Path).fileName();
  if (!library->Games.Error.empty() || library->Games.Games.empty()) {
    const QString why =
        library->Games.Error.empty() ? tr("it holds no readable game") : QString::fromStdString(library->Games.Error);
    libraryPanel_->ShowMessage(tr("Cannot open the library %1: %2").arg(file, why));
    emit Announced(tr("Cannot open the library %1: %2").arg(file, why));
    library_.reset();
    emit LibraryLoaded();
    return;
  }
  library_ = std::move(library);
  QString text = tr("Library %1: %n game(s)", "", static_cast<int>(library_->Games.Games.size())).arg(file);
  if (!library_->Games.Problems.empty()) {
    const TCollectionProblem& first = library_->Games.Problems.front();
    text += QLatin1Char(' ') + tr("(%n record(s) refused; the first, record %1: %2)", "",
                                  static_cast<int>(library_->Games.Problems.size()))
                                   .arg(first.Record)
                                   .arg(QString::fromStdString(first.Reason));
  }
  emit Announced(text);
  ShowLibrary();
  emit LibraryLoaded();
}

void TOpeningsController::ShowLibrary() {
  if (!library_ || !libraryPanel_ || board_->Thinking()) return;
  if (board_->IsSetUp()) {
    libraryPanel_->ShowMessage(tr("The library holds games from the standard start only."));
    return;
  }
  libraryPanel_->Show(library_->Index->Find(OnBoard(*board_)), library_->Games);
}

// Puts the chosen game on the board, turned the way the board's position
// is, at the position looked up; Move Forward replays the rest.
void TOpeningsController::OpenLibraryGame(int gameIndex) {
  if (!library_ || gameIndex < 0 || static_cast<size_t>(gameIndex) >= library_->Games.Games.size()) return;
  if (board_->Thinking()) return;
  const TCollectedGame& chosen = library_->Games.Games[gameIndex];
  const TSidePosition here = OnBoard(*board_);
  const size_t ply = board_->CurrentGame().Moves.size();
  // The symmetry that takes the game's position at this ply to the board's,
  // when it keeps the start as it is.
  int turn = 0;
  size_t seen = 0;
  WalkGame(chosen.Start, chosen.Moves, [&](const TPly& at) {
    if (seen++ != ply) return;
    for (int s = 0; s < bits::kSymmetries; ++s) {
      const bool same = bits::Transform(at.Position.Player, s) == here.Player &&
                        bits::Transform(at.Position.Opponent, s) == here.Opponent;
      const TSidePosition start = SideView(TPosition::Standard());
      const bool keepsStart =
          bits::Transform(start.Player, s) == start.Player && bits::Transform(start.Opponent, s) == start.Opponent;
      if (same && keepsStart) {
        turn = s;
        break;
      }
    }
  });
  TGame game;
  for (int square : chosen.Moves) game.Moves.push_back(kCellOfBit[bits::TransformSquare(square, turn)]);
  if (!board_->SetGame(game)) return;
  for (size_t moves = game.Moves.size(); moves > ply && board_->CanTakeBack(); --moves) board_->TakeBack();
  emit GameReplaced();
  emit Announced(tr("%1 against %2 from the library")
                     .arg(QString::fromStdString(chosen.Black), QString::fromStdString(chosen.White)));
}

// ---- Balanced starts ----

void TOpeningsController::NewBalancedGame(uint64_t seed) {
  if (findingStart_ || board_->Thinking()) return;
  if (seed == 0) seed = std::random_device{}() | 1;
  findingStart_ = true;
  emit Status(tr("Looking for a balanced start..."));
  QPointer<TOpeningsController> self(this);
  QThread* finder = QThread::create([self, seed] {
    std::string error;
    std::shared_ptr<const analyst::TEvaluation> evaluation = analyst::TEvaluation::LoadDefault(error);
    if (!evaluation) evaluation = analyst::TEvaluation::StandIn();
    analyst::TAnalyst judge(evaluation);
    analyst::TLimits limits;
    limits.Depth = 8;
    const auto start = FindBalancedStart(seed, [&](const TSidePosition& p) {
      return judge.Analyse({p.Player, p.Opponent}, limits).Value;
    });
    QMetaObject::invokeMethod(qApp, [self, seed, start] {
      if (!self) return;
      self->findingStart_ = false;
      if (!start || self->board_->Thinking()) {
        emit self->Status(tr("No balanced start was found; try again."));
        return;
      }
      TGame game;
      for (int square : start->Moves) game.Moves.push_back(kCellOfBit[square]);
      if (!self->board_->SetGame(game)) return;
      emit self->GameReplaced();
      emit self->Announced(tr("Balanced start %1: %2 (%3 discs for the side to move)")
                               .arg(seed)
                               .arg(QString::fromStdString(WriteMoveList(game)), Discs(start->Value)));
    });
  });
  connect(finder, &QThread::finished, finder, &QObject::deleteLater);
  finder->start();
}
