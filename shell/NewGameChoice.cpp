#include "NewGameChoice.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QMenu>
#include <QTimer>

#include "IniStore.h"
#include "Reversi.h"

namespace {
const std::string kSection = "New_Game";
const std::string kKey = "Colour";
}  // namespace

TNewGameChoice::TNewGameChoice(TReversi* board, const std::string& settingsPath, QWidget* parent)
    : QObject(parent), board_(board) {
  // Anything but "white" (a damaged file, a newer program's word) is Black.
  white_ = TIniStore(settingsPath).ReadString(kSection, kKey) == std::optional<std::string>("white");
  whiteAtStart_ = white_;
  if (white_ && parent) parent->installEventFilter(this);
}

// The window's first show: the game it starts with is a new game too,
// unless a file given on the command line replaced it.
bool TNewGameChoice::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched == parent()) {
    watched->removeEventFilter(this);
    NewGameStarted();
  }
  return QObject::eventFilter(watched, event);
}

void TNewGameChoice::AddItems(QMenu* file, const QString& after, QAction* twoPlayer) {
  twoPlayer_ = twoPlayer;
  const QList<QAction*> existing = file->actions();
  QAction* before = nullptr;
  for (qsizetype i = 0; i + 1 < existing.size(); ++i)
    if (existing[i]->objectName() == after) before = existing[i + 1];
  auto* group = new QActionGroup(this);
  const struct {
    const char* name;
    QString caption, hint;
    TChoice choice;
  } items[] = {
      {"NewAsBlack1", tr("New Game as Blac&k"), tr("New game against the computer, you play Black"), PlayBlack},
      {"NewAsWhite1", tr("New Game as &White"), tr("New game against the computer, which opens with Black"), PlayWhite},
      {"NewTwoPlayer1", tr("New &Two-Player Game"), tr("New game for two players at this board"), TwoPlayers},
  };
  for (const auto& item : items) {
    auto* a = new QAction(item.caption, file);
    a->setObjectName(QLatin1String(item.name));
    a->setStatusTip(item.hint);
    a->setCheckable(true);
    group->addAction(a);
    file->insertAction(before, a);
    const TChoice choice = item.choice;
    connect(a, &QAction::triggered, this, [this, choice] { Choose(choice); });
    items_.push_back(a);
  }
  connect(file, &QMenu::aboutToShow, this, &TNewGameChoice::ShowChoice);
  ShowChoice();
}

TNewGameChoice::TChoice TNewGameChoice::Choice() const {
  if (board_->Mode() == reversi::TwoPlayer) return TwoPlayers;
  return white_ ? PlayWhite : PlayBlack;
}

// Two Player can be switched in the Edit menu too; the mark follows it, and
// no new game can begin while the computer thinks.
void TNewGameChoice::ShowChoice() {
  items_[Choice()]->setChecked(true);
  for (QAction* a : items_) a->setEnabled(!board_->Thinking());
}

void TNewGameChoice::Choose(TChoice choice) {
  if (board_->Thinking()) return;
  if (choice != TwoPlayers) white_ = choice == PlayWhite;
  // The switch's own item, so that its mark and what it does go together.
  if (twoPlayer_ && twoPlayer_->isChecked() != (choice == TwoPlayers)) twoPlayer_->trigger();
  ShowChoice();
  emit NewGameAsked();
}

void TNewGameChoice::NewGameStarted() {
  if (Choice() != PlayWhite) return;
  // From the event loop, so that the search does not run inside the click
  // or the menu that asked for the game; by then the game may have changed.
  QTimer::singleShot(0, this, [this] {
    if (Choice() == PlayWhite && board_->MovesPlayed == 0 && !board_->IsSetUp() && !board_->Thinking() &&
        board_->SideToMove == reversi::kBlack)
      board_->SetThinking(true);
  });
}

std::vector<TIniWrite> TNewGameChoice::Writes() const {
  if (white_ == whiteAtStart_) return {};
  return {{kSection, kKey, white_ ? "white" : "black"}};
}
