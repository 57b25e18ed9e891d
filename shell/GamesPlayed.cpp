#include "GamesPlayed.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

#include "AnalysisController.h"
#include "FileReasons.h"
#include "Levelunt.h"
#include "NumberFormat.h"
#include "Reversi.h"

namespace {

// The reasons the statistics file gives, as patterns for TranslatedReason.
[[maybe_unused]] constexpr const char* kReasons[] = {
    QT_TRANSLATE_NOOP("TFileReason", "line %1 is neither a section, a key nor a comment"),
    QT_TRANSLATE_NOOP("TFileReason", "%1 lacks %2"),
    QT_TRANSLATE_NOOP("TFileReason", "%1 holds twice %2"),
    QT_TRANSLATE_NOOP("TFileReason", "%1 holds the unknown key %2"),
    QT_TRANSLATE_NOOP("TFileReason", "its format %1 is not one this program knows"),
    QT_TRANSLATE_NOOP("TFileReason", "%1 has no readable name"),
    QT_TRANSLATE_NOOP("TFileReason", "%1 names an opponent again"),
    QT_TRANSLATE_NOOP("TFileReason", "it names more than %1 opponents"),
    QT_TRANSLATE_NOOP("TFileReason", "%1 in %2 is not a count of games"),
    QT_TRANSLATE_NOOP("TFileReason", "%1 in %2 is not the sum of its games' margins"),
    QT_TRANSLATE_NOOP("TFileReason", "it holds keys before its first section"),
    QT_TRANSLATE_NOOP("TFileReason", "it holds the unknown section %1"),
    QT_TRANSLATE_NOOP("TFileReason", "it lacks the section %1"),
    QT_TRANSLATE_NOOP("TFileReason", "it cannot be read as an INI file"),
    QT_TRANSLATE_NOOP("TFileReason", "there is not enough memory to read it"),
    QT_TRANSLATE_NOOP("TFileReason", "its lock cannot be created: %1"),
};

QString FileName(const std::string& path) {
  return QFile::decodeName(path.c_str());
}

}  // namespace

TGamesPlayed::TGamesPlayed(TReversi* board, TAnalysisController* analysis, const std::string& settingsPath,
                           QWidget* window)
    : QObject(window),
      board_(board),
      analysis_(analysis),
      window_(window),
      file_(stats::StatisticsPathBeside(settingsPath)) {
  ConfirmReset = [this](const QString& question) {
    return QMessageBox::question(dialog_ ? static_cast<QWidget*>(dialog_) : window_, tr("Games Played"), question) ==
           QMessageBox::Yes;
  };
}

// A last try for games the file refused: it may have been repaired meanwhile.
TGamesPlayed::~TGamesPlayed() {
  if (!pending_.empty()) file_.Add(pending_);
}

void TGamesPlayed::AddItem(QMenu* help) {
  auto* item = new QAction(tr("&Games Played..."), help);
  item->setObjectName(QStringLiteral("GamesPlayed1"));
  item->setStatusTip(tr("Your wins, draws and losses against each opponent"));
  const QList<QAction*> items = help->actions();
  help->insertAction(items.isEmpty() ? nullptr : items.back(), item);
  connect(item, &QAction::triggered, this, [this] {
    Dialog()->show();
    dialog_->raise();
    dialog_->activateWindow();
  });
}

std::string TGamesPlayed::Opponent() const {
  if (!analysis_->EngineOpponent().empty()) return "engine:" + analysis_->EngineOpponent();
  const TStrongLevel& analyst = analysis_->AnalystPlayer();
  if (analyst.Enabled) return "analyst:" + std::to_string(analyst.Strength);
  switch (board_->Level()) {
    case reversi::TimeLevel:
      return "level:time:" + std::to_string(board_->MoveTime());
    case reversi::Infinite:
      return "level:infinite";
    default:
      return "level:" + std::to_string(static_cast<int>(board_->Level()));
  }
}

QString TGamesPlayed::OpponentText(const std::string& opponent) {
  const QString text = QString::fromStdString(opponent);
  const auto after = [&text](const char* prefix) { return text.mid(static_cast<qsizetype>(std::strlen(prefix))); };
  // The levels in the Game box's words.
  if (text == QLatin1String("level:infinite"))
    return tr("Level: %1").arg(QCoreApplication::translate("TSidePanel", "Infinite thinking time"));
  if (text.startsWith(QLatin1String("level:time:")))
    return tr("Level: %1").arg(SecondsPerMoveText(after("level:time:").toInt()));
  if (text.startsWith(QLatin1String("level:")))
    return tr("Level: %1")
        .arg(QCoreApplication::translate("TSidePanel", "%n ply search", nullptr, std::max(0, after("level:").toInt())));
  if (text.startsWith(QLatin1String("analyst:"))) {
    const QString names[] = {tr("Analyst: Strong"), tr("Analyst: Good"), tr("Analyst: Club"), tr("Analyst: Beginner")};
    const int strength = after("analyst:").toInt();
    if (strength >= 0 && strength < 4) return names[strength];
  }
  if (text.startsWith(QLatin1String("engine:"))) return tr("Engine: %1").arg(after("engine:"));
  return text;
}

void TGamesPlayed::Moved() {
  const int ply = board_->MovesPlayed - 1;
  if (ply < 0 || ply >= reversi::TReversiCore::kMaxRecord) return;
  if (ply == 0) counted_ = false;
  squares_[ply] = board_->GameRecord[ply];
  // The turn has been handed on: the mover is the other side.
  colour_[ply] = static_cast<int8_t>(-board_->SideToMove);
  by_[ply] = board_->Thinking() ? kComputer : kPerson;
  if (board_->Thinking()) opponent_ = Opponent();
  for (int k = ply + 1; k < reversi::TReversiCore::kMaxRecord; ++k) by_[k] = kUnknown;
}

// A record that no longer follows the moves seen is another game.
void TGamesPlayed::PositionMoved() {
  bool same = board_->MovesPlayed > 0;
  for (int k = 0; same && k < board_->MovesPlayed; ++k)
    same = by_[k] == kUnknown || squares_[k] == board_->GameRecord[k];
  if (same) return;
  counted_ = false;
  by_.fill(kUnknown);
}

std::pair<int, int> TGamesPlayed::Sides() const {
  int person = 0, computer = 0;
  bool mixed = false;
  for (int k = 0; k < board_->MovesPlayed && k < reversi::TReversiCore::kMaxRecord; ++k) {
    if (by_[k] == kUnknown || squares_[k] != board_->GameRecord[k]) continue;
    int& side = by_[k] == kPerson ? person : computer;
    mixed = mixed || (side != 0 && side != colour_[k]);
    side = colour_[k];
  }
  if (mixed || person == computer) return {0, 0};
  return {person, computer};
}

void TGamesPlayed::GameEnded() {
  if (counted_ || board_->Mode() != reversi::Normal) return;
  const auto [person, computer] = Sides();
  if (person == 0 || computer == 0) return;
  Count(person, board_->BlackDiscs() - board_->WhiteDiscs(), opponent_);
}

void TGamesPlayed::LostOnTime(int loser) {
  if (counted_ || board_->Mode() != reversi::Normal) return;
  auto [person, computer] = Sides();
  if (computer == 0 && person == 0) return;
  if (person == 0) person = -computer;
  // The computer has not moved in this game: it is the opponent of now.
  const std::string opponent = computer == 0 ? Opponent() : opponent_;
  constexpr int kNarrowestWin = 33 - 31;
  const int winner = -loser;
  const int winnerMargin = std::max(kNarrowestWin, winner * (board_->BlackDiscs() - board_->WhiteDiscs()));
  Count(person, winner * winnerMargin, opponent);
}

void TGamesPlayed::Count(int person, int blackMargin, const std::string& opponent) {
  counted_ = true;
  pending_.push_back({opponent, person == reversi::kBlack ? blackMargin : -blackMargin});
  Flush();
}

void TGamesPlayed::Flush() {
  if (pending_.empty()) return;
  std::string whyNot;
  if (file_.Add(pending_, &whyNot)) {
    pending_.clear();
  } else {
    emit Status(tr("The game could not be counted in %1: %2.").arg(FileName(Path()), TranslatedReason(whyNot)));
  }
  if (dialog_) Fill();
}

QDialog* TGamesPlayed::Dialog() {
  if (dialog_) {
    Flush();
    Fill();
    return dialog_;
  }
  dialog_ = new QDialog(window_);
  dialog_->setObjectName(QStringLiteral("GamesPlayedDialog"));
  dialog_->setWindowTitle(tr("Games Played"));
  auto* column = new QVBoxLayout(dialog_);
  note_ = new QLabel(dialog_);
  note_->setObjectName(QStringLiteral("GamesPlayedNote"));
  note_->setWordWrap(true);
  column->addWidget(note_);
  table_ = new QTableWidget(0, 6, dialog_);
  table_->setObjectName(QStringLiteral("GamesPlayedTable"));
  table_->setHorizontalHeaderLabels(
      {tr("Opponent"), tr("Games"), tr("Won"), tr("Drawn"), tr("Lost"), tr("Average Margin")});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int c = 1; c < 6; ++c) table_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
  column->addWidget(table_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog_);
  QPushButton* reset = buttons->addButton(tr("&Reset..."), QDialogButtonBox::ResetRole);
  reset->setObjectName(QStringLiteral("GamesPlayedReset"));
  connect(reset, &QPushButton::clicked, this, &TGamesPlayed::Reset);
  connect(buttons, &QDialogButtonBox::rejected, dialog_, &QDialog::hide);
  column->addWidget(buttons);
  dialog_->resize(560, 300);
  Flush();
  Fill();
  return dialog_;
}

void TGamesPlayed::Fill() {
  const stats::TParsed read = file_.Load();
  table_->setRowCount(0);
  if (!read.Statistics) {
    note_->setText(tr("%1 cannot be read: %2. It is left as it is; games are not counted in it until it is "
                      "repaired or the statistics are reset.")
                       .arg(FileName(Path()), TranslatedReason(read.Reason)));
    return;
  }
  const QLocale locale;
  int row = 0;
  table_->setRowCount(static_cast<int>(read.Statistics->Tallies().size()));
  for (const auto& [name, t] : read.Statistics->Tallies()) {
    const QString cells[] = {OpponentText(name),
                             locale.toString(static_cast<qlonglong>(t.Games())),
                             locale.toString(static_cast<qlonglong>(t.Wins)),
                             locale.toString(static_cast<qlonglong>(t.Draws)),
                             locale.toString(static_cast<qlonglong>(t.Losses)),
                             FormatFixed2(t.AverageMargin(), locale)};
    for (int c = 0; c < 6; ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(row, c, item);
    }
    ++row;
  }
  QString note = read.Statistics->Tallies().empty() ? tr("No game against the computer has been counted yet.")
                                                    : tr("Your games against the computer, kept in %1; the "
                                                         "margin is your discs less the computer's.")
                                                          .arg(FileName(Path()));
  if (!pending_.empty())
    note += u' ' + tr("%n game(s) of this run could not be counted yet.", nullptr, static_cast<int>(pending_.size()));
  note_->setText(note);
}

void TGamesPlayed::Reset() {
  if (!ConfirmReset(tr("Forget all games counted so far? This cannot be undone."))) return;
  std::string whyNot;
  if (file_.Reset(&whyNot)) {
    pending_.clear();
  } else {
    note_->setText(tr("%1 could not be reset: %2.").arg(FileName(Path()), TranslatedReason(whyNot)));
    return;
  }
  Fill();
}
