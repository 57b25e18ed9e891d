#include "SidePanel.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "AnalysisWorker.h"
#include "BestLine.h"
#include "Levelunt.h"
#include "Notation.h"
#include "NumberFormat.h"
#include "Reversi.h"
#include "StatusLine.h"
#include "widgets/FormStyle.h"
#include "widgets/ScalableIcon.h"
#include "widgets/Shape.h"

namespace {

using namespace formstyle;

// The values the panel shows, in blue.
const QColor kValueBlue = kBlue;

void SetTextColor(QWidget* w, const QColor& colour) {
  QPalette pal = w->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    pal.setColor(group, QPalette::WindowText, colour);
    pal.setColor(group, QPalette::Text, colour);
  }
  w->setPalette(pal);
}

// A label that sizes itself to its text, as the form's labels do; name, when
// given, is the one the form gives it.
QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, const QColor& colour = Qt::black,
                  bool bold = false, const char* name = nullptr) {
  auto* label = new QLabel(text, parent);
  label->setFont(FormFont(bold));
  SetTextColor(label, colour);
  label->move(x, y);
  label->adjustSize();
  if (name) label->setObjectName(QLatin1String(name));
  return label;
}

// The height of a line in the window's language: the font's, and more where
// the language's glyphs come from a font that stands taller (Japanese and
// Chinese in a Latin font).
int LineHeight(const QFont& font) {
  const QFontMetrics metrics(font);
  const auto tall = [&metrics](const QString& text) {
    return metrics.boundingRect(QRect(0, 0, 1 << 16, 1 << 16), Qt::AlignLeft, text).height();
  };
  return metrics.height() + std::max(0, tall(TSidePanel::tr("Level")) - tall(QStringLiteral("Hg")));
}

// A label of a fixed width whose text is placed by `align`.
QLabel* MakeFixedLabel(QWidget* parent, const char* name, int x, int y, int width, Qt::Alignment align) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->setFont(FormFont());
  SetTextColor(label, kValueBlue);
  label->setAlignment(align | Qt::AlignTop);
  label->setGeometry(x, y, width, LineHeight(label->font()));
  return label;
}

void SetCaption(QLabel* label, const QString& text) {
  label->setText(text);
  label->adjustSize();
}

// How many times in a row the side not to move has passed just now: its
// opponent's last moves each came back to the mover. 0 when the last move
// handed the turn on (or the game is over).
int PassesInARow(const TReversi& board) {
  reversi::TPosition position = board.StartPosition();
  int passes = 0;
  for (int i = 0; i < board.MovesPlayed && i < reversi::TReversiCore::kMaxRecord; ++i) {
    const int mover = position.Side;
    if (!reversi::PlayOn(position, board.GameRecord[i])) return 0;
    passes = position.Side == mover && !reversi::IsOver(position) ? passes + 1 : 0;
  }
  return passes;
}

QGroupBox* MakeBox(QWidget* parent, const QString& title, const char* name) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(QLatin1String(name));
  box->setFont(FormFont(true));
  return box;
}

}  // namespace

TSidePanel::TSidePanel(const TReversi* board, QWidget* parent) : QWidget(parent), board_(board) {
  setObjectName(QStringLiteral("SidePanel"));
  setFixedWidth(288);
  auto* panel = new QVBoxLayout(this);
  panel->setContentsMargins(0, 0, 0, 0);
  panel->setSpacing(0);
  QGroupBox* game = MakeBox(this, tr("Game"), "GroupBox1");
  game->setFixedHeight(97);
  QGroupBox* statistics = MakeBox(this, tr("Statistics"), "GroupBox2");
  statistics->setFixedHeight(84);
  QGroupBox* line = MakeBox(this, tr("Best Line"), "GroupBox3");
  panel->addWidget(game);
  panel->addWidget(statistics);
  panel->addWidget(line, 1);
  panel->addSpacing(10);
  CreateGameBox(game);
  CreateStatisticsBox(statistics);
  sayTimer_ = new QTimer(this);
  sayTimer_->setSingleShot(true);
  sayTimer_->setInterval(1000);
  connect(sayTimer_, &QTimer::timeout, this, &TSidePanel::SayFigures);

  auto* listBox = new QVBoxLayout(line);
  listBox->setContentsMargins(7, 5, 6, 6);
  ListBox1 = MakeBestLineList(line);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setAccessibleName(tr("Best Line"));
  listBox->addWidget(ListBox1);
}

void TSidePanel::CreateGameBox(QGroupBox* box) {
  auto disc = [box](const char* name, int x, const QColor& fill) {
    auto* shape = new TShape(box);
    shape->setObjectName(QLatin1String(name));
    shape->setGeometry(x, 15, 21, 17);
    shape->SetBrushColor(fill);
  };
  disc("WhiteDisc", 117, Qt::white);
  disc("BlackDisc", 193, Qt::black);

  MakeLabel(box, tr("Disks"), 12, 40);
  Label4 = MakeFixedLabel(box, "Label4", 105, 40, 45, Qt::AlignHCenter);
  Label5 = MakeFixedLabel(box, "Label5", 181, 40, 45, Qt::AlignHCenter);
  Label4->setAccessibleDescription(tr("White discs"));
  Label5->setAccessibleDescription(tr("Black discs"));

  ToMoveCaption = MakeLabel(box, tr("To Move"), 12, 58, Qt::black, false, "ToMoveCaption");
  const QPixmap marker = ScalableIcon(QStringLiteral(":/assets/tomove.xpm"), QStringLiteral(":/assets/tomove.svg"))
                             .pixmap(QSize(16, 16), devicePixelRatioF());
  auto markerAt = [box, &marker](const char* name, int x, const QString& accessible) {
    auto* label = new QLabel(box);
    label->setObjectName(QLatin1String(name));
    label->setPixmap(marker);
    label->setGeometry(x, 56, 16, 16);
    label->setAccessibleName(accessible);
    return label;
  };
  WhiteMarker = markerAt("WhiteMarker", 120, tr("White to move"));
  BlackMarker = markerAt("BlackMarker", 196, tr("Black to move"));
  // In the place of the markers once the game is over.
  ResultLabel = MakeFixedLabel(box, "ResultLabel", 109, 58, 174, Qt::AlignLeft);
  ResultLabel->setAccessibleName(tr("Result"));
  ResultLabel->setAccessibleDescription(tr("Result"));
  ResultLabel->hide();
  // Under the column of the side that passed, while the other moves again.
  PassLabel = MakeFixedLabel(box, "PassLabel", 89, 58, 76, Qt::AlignHCenter);
  MakeQuietLabel(PassLabel);
  PassLabel->hide();

  MakeLabel(box, tr("Level"), 12, 76, Qt::black, false, "Label6Caption");
  Label6 = MakeFixedLabel(box, "Label6", 109, 76, 174, Qt::AlignLeft);
  Label6->setAccessibleDescription(tr("Level"));
}

void TSidePanel::CreateStatisticsBox(QGroupBox* box) {
  // Each value with what a screen reader says with it: its caption.
  auto value = [box](const QString& caption, int x, int y, const char* name) {
    QLabel* label = MakeLabel(box, QStringLiteral("-"), x, y, kValueBlue, false, name);
    MakeQuietLabel(label);
    label->setAccessibleDescription(caption);
    return label;
  };
  MakeLabel(box, tr("Candidate Move"), 12, 24);
  Label11 = value(tr("Candidate Move"), 109, 24, "Label11");
  MakeLabel(box, tr("Evaluation"), 176, 24);
  Label13 = value(tr("Evaluation"), 237, 24, "Label13");
  MakeLabel(box, tr("Considering"), 12, 44);
  Label12 = value(tr("Considering"), 109, 44, "Label12");
  MakeLabel(box, tr("Depth"), 176, 44);
  Label14 = value(tr("Depth"), 237, 44, "Label14");
  MakeLabel(box, QStringLiteral(":"), 252, 43, Qt::black, true, "Label15");
  Label16 = value(tr("Root move, then deepest depth"), 260, 44, "Label16");
  MakeLabel(box, tr("Nodes"), 12, 64);
  Label18 = value(tr("Nodes"), 109, 64, "Label18");
}

QString TSidePanel::ResultText(int black, int white) {
  if (black > white) return tr("Black wins %1 : %2").arg(black).arg(white);
  if (white > black) return tr("White wins %1 : %2").arg(white).arg(black);
  return tr("Draw %1 : %2").arg(black).arg(white);
}

QString TSidePanel::PassText(int passer, int passes) {
  const bool white = passer == reversi::kWhite;
  if (passes > 1)
    return (white ? tr("White passes again (%1) — Black to move") : tr("Black passes again (%1) — White to move"))
        .arg(passes);
  return white ? tr("White passes — Black to move") : tr("Black passes — White to move");
}

void TSidePanel::ShowGame() {
  const TReversi& r = *board_;
  const int black = r.ShownDiscs(reversi::kBlack), white = r.ShownDiscs(reversi::kWhite);
  Label5->setText(QString::number(black));
  Label4->setText(QString::number(white));
  const QString outcome = OutcomeText ? OutcomeText() : QString();
  const bool over = r.ShownGameOver() || !outcome.isEmpty();
  const bool blackToMove = r.ShownSideToMove() == reversi::kBlack;
  BlackMarker->setVisible(!over && blackToMove);
  WhiteMarker->setVisible(!over && !blackToMove);
  ResultLabel->setText(!outcome.isEmpty() ? outcome : over ? ResultText(black, white) : QString());
  ResultLabel->setVisible(over);
  ShowPasses(over ? 0 : PassesInARow(r), blackToMove ? reversi::kWhite : reversi::kBlack);
  SetCaption(ToMoveCaption, over ? tr("Result") : tr("To Move"));
  const int level = static_cast<int>(r.Level());
  if (const QString player = PlayerText ? PlayerText() : QString(); !player.isEmpty()) {
    Label6->setText(player);
  } else if (level == reversi::TimeLevel) {
    Label6->setText(SecondsPerMoveText(r.MoveTime()));
  } else if (level == reversi::Infinite) {
    Label6->setText(tr("Infinite thinking time"));
  } else {
    Label6->setText(tr("%n ply search", nullptr, level));
  }
}

// Under the passer's column of the "To Move" row, beside the other side's
// marker: "passes", and how many times in a row from the second on.
void TSidePanel::ShowPasses(int passes, int passer) {
  PassLabel->setVisible(passes > 0);
  if (!passes) return;
  PassLabel->setText(passes > 1 ? tr("passes (%1)").arg(passes) : tr("passes"));
  PassLabel->setProperty("vzSpoken", PassText(passer, passes));
  const int centre = passer == reversi::kWhite ? 127 : 203;
  PassLabel->move(centre - PassLabel->width() / 2, PassLabel->y());
}

void TSidePanel::ResetStats() {
  for (QLabel* label : {Label11, Label12, Label13, Label14, Label16, Label18}) SetFigure(label, QStringLiteral("-"));
  SayFigures();
  searched_ = false;
  ListBox1->clear();
}

void TSidePanel::SetFigure(QLabel* label, const QString& text) {
  if (label->text() == text) return;
  SetCaption(label, text);
  if (!unsaid_.contains(label)) unsaid_.append(label);
  if (!sayTimer_->isActive()) sayTimer_->start();
}

void TSidePanel::SayFigures() {
  sayTimer_->stop();
  for (QLabel* label : std::exchange(unsaid_, {})) SayChanged(label);
}

void TSidePanel::SetLevelText(const QString& text) {
  Label6->setText(text);
}

void TSidePanel::SetStatistics(bool on) {
  statistics_ = on;
  if (!on) ResetStats();
}

void TSidePanel::SetBestLine(bool on) {
  bestLine_ = on;
  if (!on) ListBox1->clear();
}

void TSidePanel::ShowNodes() {
  SetFigure(Label18, searched_ ? QString::number(board_->Nodes()) : QStringLiteral("0"));
}

void TSidePanel::Moved() {
  if (statistics_) ShowNodes();
  ShowGame();
}

void TSidePanel::SearchBegan() {
  searched_ = true;
  solvedDepth_ = 0;
  ListBox1->clear();
}

void TSidePanel::PlyChanged(int ply) {
  // The search goes on where a solve or the analyst gave no move.
  solvedDepth_ = 0;
  if (!statistics_) return;
  SetFigure(Label14, QString::number(ply));
  ShowNodes();
}

void TSidePanel::ConsiderNew(const std::string& move, int index) {
  if (!statistics_) return;
  SetFigure(Label16, QString::number(index));
  SetFigure(Label12, QString::fromStdString(move));
}

void TSidePanel::BestChanged(const std::string& move, double score) {
  const QLocale locale;
  if (statistics_) {
    SetFigure(Label11, QString::fromStdString(move));
    SetFigure(Label13, FormatGeneral(score, locale));
    ShowNodes();
  }
  if (bestLine_)
    AddBestLineEntry(ListBox1, BestLineEntry(QString::number(board_->Ply()), score,
                                             QString::fromStdString(board_->MainLine()), locale));
}

void TSidePanel::AnalystThinking(const TPositionValue& value) {
  // The analyst's depth stands for the search's deepest once the move is
  // played; a book move has none.
  solvedDepth_ = value.Book ? -1 : value.Depth;
  const QLocale locale;
  if (statistics_) {
    const QString move = MoveNames({value.Line.empty() ? value.Cell : value.Line.front()});
    const QString depth = value.Book ? QStringLiteral("-") : QString::number(value.Depth);
    SetFigure(Label11, move);
    SetFigure(Label12, value.Book ? tr("book") : move);
    SetFigure(Label13, AnalystValueText(value, locale));
    SetFigure(Label14, depth);
    SetFigure(Label16, depth);
    ShowNodes();
  }
  if (bestLine_) AddBestLineEntry(ListBox1, AnalystEntry(value, locale));
}

void TSidePanel::SearchEnded() {
  SetFigure(Label16,
            solvedDepth_ < 0 ? QStringLiteral("-") : QString::number(solvedDepth_ ? solvedDepth_ : board_->Deepest()));
  SayFigures();
}

void TSidePanel::ShowSolved(const TPositionValue& value) {
  QStringList moves;
  for (int cell : value.Line)
    moves << (cell == reversi::kPassSquare ? tr("pass") : QString::fromStdString(reversi::SquareName(cell)));
  const QString move = QString::fromStdString(reversi::SquareName(value.Cell));
  solvedDepth_ = value.Depth;
  const QLocale locale;
  if (statistics_) {
    SetFigure(Label11, move);
    SetFigure(Label12, move);
    SetFigure(Label13, FormatGeneral(value.Discs, locale));
    SetFigure(Label14, QString::number(value.Depth));
    SetFigure(Label16, QString::number(value.Depth));
    SetFigure(Label18, QString::number(value.Nodes));
  }
  if (bestLine_)
    ListBox1->insertItem(0, QString::number(value.Depth) + u'|' + FormatFixed2(value.Discs, locale) + u'|' +
                                (moves.isEmpty() ? move : moves.join(u' ')));
}

void TSidePanel::ListBox1DrawItem(QPainter* painter, int index, const QRect& rect, QStyle::State state) {
  DrawBestLineItem(ListBox1, painter, index, rect, state);
}
