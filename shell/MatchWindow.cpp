#include "MatchWindow.h"

#include <QComboBox>
#include <QDateTime>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <atomic>
#include <cmath>
#include <mutex>
#include <thread>

#include "BalancedOpenings.h"
#include "PlayerChoice.h"
#include "SafeFile.h"

using namespace reversi;
using namespace reversi::engines;

// What the match's thread shares with the window. The window may go while
// the thread runs: it clears Window under the lock, and the thread posts to
// the window only under the same lock.
struct TMatchRun {
  std::mutex Lock;
  TMatchWindow* Window = nullptr;
  std::atomic<bool> Cancel{false};
  std::unique_ptr<TPlayer> Players[2];

  void StopPlayers() {
    Cancel = true;
    for (auto& p : Players)
      if (p) p->Stop();
  }
};

namespace {

QString Describe(const TGameResult& g, const QString& a, const QString& b) {
  const QString& black = g.ABlack ? a : b;
  const QString& white = g.ABlack ? b : a;
  const int margin = g.ABlack ? g.MarginA : -g.MarginA;
  QString result;
  if (g.ForfeitBy >= 0)
    result = TMatchWindow::tr("forfeit by %1: %2").arg(g.ForfeitBy == 0 ? a : b, QString::fromStdString(g.Forfeit));
  else if (margin == 0)
    result = TMatchWindow::tr("draw");
  else
    result = (margin > 0 ? TMatchWindow::tr("Black wins by %1") : TMatchWindow::tr("White wins by %1"))
                 .arg(std::abs(margin));
  return TMatchWindow::tr("Game %1: %2 (Black) - %3 (White): %4").arg(g.Number).arg(black, white, result);
}

}  // namespace

TMatchWindow::TMatchWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("MatchWindow"));
  setWindowTitle(tr("Match"));
  auto player = [this](const char* name, const QString& current) {
    auto* box = new QComboBox(this);
    box->setObjectName(QLatin1String(name));
    box->setEditable(true);
    box->addItems({QStringLiteral("analyst"), QStringLiteral("levels:3"), QStringLiteral("levels:6"),
                   QStringLiteral("gtp:/usr/games/gtp-rhino -l 3")});
    box->setCurrentText(current);
    box->setToolTip(tr("analyst, levels:LEVEL (1 to 12), or gtp: and the command line of a GTP engine"));
    box->setMinimumContentsLength(28);
    return box;
  };
  Player1_ = player("Player1", QStringLiteral("analyst"));
  Player2_ = player("Player2", QStringLiteral("gtp:/usr/games/gtp-rhino -l 3"));
  Games_ = new QSpinBox(this);
  Games_->setObjectName(QStringLiteral("Games"));
  Games_->setRange(1, 1000);
  Games_->setValue(10);
  Budget_ = new QComboBox(this);
  Budget_->setObjectName(QStringLiteral("Budget"));
  Budget_->addItems({tr("Seconds per move"), tr("Depth per move")});
  Amount_ = new QDoubleSpinBox(this);
  Amount_->setObjectName(QStringLiteral("Amount"));
  Amount_->setRange(0.1, 60);
  Amount_->setValue(1);
  Openings_ = new QComboBox(this);
  Openings_->setObjectName(QStringLiteral("Openings"));
  Openings_->addItems({tr("Of real games"), tr("Balanced starts from seed")});
  Openings_->setToolTip(tr("Balanced starts: random openings of 8 to 12 moves the analyst judges within two discs"));
  Seed_ = new QSpinBox(this);
  Seed_->setObjectName(QStringLiteral("Seed"));
  Seed_->setRange(0, 1000000000);
  Seed_->setValue(1);
  Seed_->setEnabled(false);
  connect(Openings_, &QComboBox::currentIndexChanged, this, [this](int index) { Seed_->setEnabled(index == 1); });
  GgfFile_ = new QLineEdit(this);
  GgfFile_->setObjectName(QStringLiteral("GgfFile"));
  GgfFile_->setPlaceholderText(tr("a file to save every game in (GGF), or nothing"));

  auto* budget = new QHBoxLayout;
  budget->addWidget(Budget_);
  budget->addWidget(Amount_);
  auto* form = new QFormLayout;
  form->addRow(tr("First player:"), Player1_);
  form->addRow(tr("Second player:"), Player2_);
  form->addRow(tr("Games:"), Games_);
  form->addRow(tr("Each move:"), budget);
  auto* openings = new QHBoxLayout;
  openings->addWidget(Openings_);
  openings->addWidget(Seed_);
  form->addRow(tr("Openings:"), openings);
  form->addRow(tr("Save games:"), GgfFile_);

  Start_ = new QPushButton(tr("Start"), this);
  Start_->setObjectName(QStringLiteral("Start"));
  Stop_ = new QPushButton(tr("Stop"), this);
  Stop_->setObjectName(QStringLiteral("Stop"));
  Stop_->setEnabled(false);
  connect(Start_, &QPushButton::clicked, this, [this] { Start(); });
  connect(Stop_, &QPushButton::clicked, this, &TMatchWindow::Stop);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Start_);
  buttons->addWidget(Stop_);

  Table_ = new QTableWidget(2, 8, this);
  Table_->setObjectName(QStringLiteral("Table"));
  Table_->setHorizontalHeaderLabels({tr("Player"), tr("Games"), tr("Wins"), tr("Draws"), tr("Losses"), tr("Forfeits"),
                                     tr("Disc margin"), tr("Score")});
  Table_->verticalHeader()->hide();
  Table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  Table_->setToolTip(tr("Margin and score with the half-width of their 95% interval"));
  List_ = new QListWidget(this);
  List_->setObjectName(QStringLiteral("GameList"));
  Status_ = new QLabel(this);
  Status_->setObjectName(QStringLiteral("MatchStatus"));
  Status_->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
  layout->addWidget(Table_);
  layout->addWidget(List_, 1);
  layout->addWidget(Status_);
  resize(760, 520);
}

TMatchWindow::~TMatchWindow() {
  Stop();
}

void TMatchWindow::OfferEngines(const TEngineSettings& engines) {
  for (QComboBox* box : {Player1_, Player2_}) {
    const QString current = box->currentText();
    for (const TEngineEntry& e : engines_.Engines) box->removeItem(box->findText(QString::fromStdString(e.Name)));
    int at = 0;
    for (const TEngineEntry& e : engines.Engines) box->insertItem(at++, QString::fromStdString(e.Name));
    box->setCurrentText(current);
  }
  engines_ = engines;
}

QString TMatchWindow::SpecOf(const QString& text) const {
  const TEngineEntry* entry = engines_.Find(text.toStdString());
  return entry ? QString::fromStdString(entry->Choice()) : text;
}

bool TMatchWindow::Running() const {
  return run_ != nullptr;
}

bool TMatchWindow::Start() {
  if (run_) return false;
  auto run = std::make_shared<TMatchRun>();
  const QString specs[2] = {Player1_->currentText().trimmed(), Player2_->currentText().trimmed()};
  for (int p = 0; p < 2; ++p) {
    std::string error;
    run->Players[p] = MakePlayer(SpecOf(specs[p]).toStdString(), error);
    if (!run->Players[p]) {
      Status_->setText(tr("%1: %2").arg(specs[p], QString::fromStdString(error)));
      return false;
    }
  }
  names_[0] = specs[0];
  names_[1] = specs[1] == specs[0] ? specs[1] + tr(" (second)") : specs[1];
  TMatchSettings settings;
  settings.Games = Games_->value();
  settings.Openings = ReadOpenings("");
  if (Budget_->currentIndex() == 1)
    settings.Budget = {std::max(1, static_cast<int>(std::lround(Amount_->value()))), 0};
  else
    settings.Budget = {0, static_cast<int64_t>(std::llround(Amount_->value() * 1000))};

  results_.clear();
  ggf_.clear();
  List_->clear();
  ShowTable();
  Status_->setText(tr("Playing..."));
  Start_->setEnabled(false);
  Stop_->setEnabled(true);
  run->Window = this;
  run_ = run;
  // The thread owns the run with the window; whichever lets go last ends it.
  settings.Cancel = &run->Cancel;
  const int generation = ++generation_;
  const bool balanced = Openings_->currentIndex() == 1;
  const uint64_t seed = static_cast<uint64_t>(Seed_->value());
  std::thread([run, settings, generation, balanced, seed]() mutable {
    // The analyst looks for the starts here, not in the window's thread;
    // should none be found, the games start from real openings.
    if (balanced)
      if (std::vector<TGame> starts = BalancedOpenings(seed, (settings.Games + 1) / 2); !starts.empty())
        settings.Openings = std::move(starts);
    TMatch match(*run->Players[0], *run->Players[1], settings);
    for (int k = 0; k < settings.Games && !run->Cancel; ++k) {
      TGameResult result = match.PlayGame(k);
      std::lock_guard<std::mutex> guard(run->Lock);
      if (!run->Window || result.Cancelled) break;
      QMetaObject::invokeMethod(
          run->Window, [w = run->Window, generation, result] { w->Ended(generation, result); }, Qt::QueuedConnection);
    }
    std::lock_guard<std::mutex> guard(run->Lock);
    if (run->Window)
      QMetaObject::invokeMethod(
          run->Window, [w = run->Window, generation] { w->Finished(generation); }, Qt::QueuedConnection);
  }).detach();
  return true;
}

void TMatchWindow::Stop() {
  if (!run_) return;
  {
    std::lock_guard<std::mutex> guard(run_->Lock);
    run_->Window = nullptr;
  }
  run_->StopPlayers();
  run_.reset();
  Start_->setEnabled(true);
  Stop_->setEnabled(false);
  Status_->setText(tr("Stopped after %n game(s).", nullptr, static_cast<int>(results_.size())));
  emit MatchEnded();
}

void TMatchWindow::Ended(int generation, const TGameResult& result) {
  if (!run_ || generation != generation_) return;
  results_.push_back(result);
  List_->addItem(Describe(result, names_[0], names_[1]));
  List_->scrollToBottom();
  ShowTable();
  SaveGames();
  emit GameEnded(static_cast<int>(results_.size()));
}

void TMatchWindow::Finished(int generation) {
  if (!run_ || generation != generation_) return;
  run_.reset();
  Start_->setEnabled(true);
  Stop_->setEnabled(false);
  if (Status_->text() == tr("Playing...")) Status_->setText(tr("Match over."));
  emit MatchEnded();
}

void TMatchWindow::ShowTable() {
  for (int p = 0; p < 2; ++p) {
    const TTally t = TallyOf(results_, p);
    const QStringList cells = {names_[p],
                               QString::number(results_.size()),
                               QString::number(t.Wins),
                               QString::number(t.Draws),
                               QString::number(t.Losses),
                               QString::number(t.Forfeits),
                               tr("%1 ± %2").arg(t.Margin, 0, 'f', 1).arg(t.MarginError, 0, 'f', 1),
                               tr("%1% ± %2").arg(t.Score, 0, 'f', 1).arg(t.ScoreError, 0, 'f', 1)};
    for (int c = 0; c < cells.size(); ++c) Table_->setItem(p, c, new QTableWidgetItem(cells[c]));
  }
}

// Every game so far, one GGF game a line, replacing the file whole.
void TMatchWindow::SaveGames() {
  const QString path = GgfFile_->text().trimmed();
  if (path.isEmpty() || results_.empty()) return;
  const TGameResult& g = results_.back();
  TGgfHeader header;
  header.Place = "Vezari Zaduder match";
  header.Date = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy.MM.dd_HH:mm:ss.UTC")).toStdString();
  header.Black = (g.ABlack ? names_[0] : names_[1]).toStdString();
  header.White = (g.ABlack ? names_[1] : names_[0]).toStdString();
  ggf_ += QString::fromStdString(WriteGgf(g.Game, header)) + QLatin1Char('\n');
  if (!safefile::ReplaceFile(QFile::encodeName(path).toStdString(), ggf_.toStdString()))
    Status_->setText(tr("The games cannot be saved in %1.").arg(path));
}
