#include "LibraryPanel.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "Geometry.h"
#include "NumberFormat.h"

using namespace reversi::openings;

namespace {

QTableWidget* Table(const QStringList& headers, QWidget* parent) {
  auto* table = new QTableWidget(0, headers.size(), parent);
  table->setHorizontalHeaderLabels(headers);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

QTableWidgetItem* Item(const QString& text) {
  return new QTableWidgetItem(text);
}

QString Result(const TCollectedGame& game) {
  if (game.BlackScore < 0) return QStringLiteral("?");
  return QStringLiteral("%1 : %2").arg(game.BlackScore).arg(64 - game.BlackScore);
}

}  // namespace

TLibraryPanel::TLibraryPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("LibraryPanel"));
  auto* column = new QVBoxLayout(this);
  summary_ = new QLabel(this);
  summary_->setWordWrap(true);
  moves_ = Table({tr("Move"), tr("Games"), tr("Mean margin")}, this);
  moves_->setAccessibleName(tr("Moves played next"));
  games_ = Table({tr("Game"), tr("Black"), tr("White"), tr("Tournament"), tr("Year"), tr("Score")}, this);
  games_->setAccessibleName(tr("Games that reached the position"));
  setMinimumWidth(320);
  column->addWidget(summary_);
  column->addWidget(moves_, 1);
  column->addWidget(games_, 2);
  connect(games_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
    if (QTableWidgetItem* item = games_->item(row, 0)) emit GameChosen(item->data(Qt::UserRole).toInt());
  });
  ShowMessage(tr("No library is open (File > Open Library...)."));
}

void TLibraryPanel::ShowMessage(const QString& text) {
  summary_->setText(text);
  moves_->setRowCount(0);
  games_->setRowCount(0);
}

void TLibraryPanel::Show(const TLookup& found, const TCollection& collection) {
  summary_->setText(found.Games ? tr("%n game(s) of the library reached this position.", "", found.Games)
                                : tr("No game of the library reached this position."));
  moves_->setRowCount(static_cast<int>(found.Moves.size()));
  for (int row = 0; row < moves_->rowCount(); ++row) {
    const TMoveStat& m = found.Moves[row];
    moves_->setItem(row, 0, Item(QString::fromStdString(reversi::SquareName(reversi::kCellOfBit[m.Square]))));
    moves_->setItem(row, 1, Item(QString::number(m.Games)));
    moves_->setItem(row, 2, Item(FormatFixed2(m.Margin, QLocale())));
  }
  const int rows = std::min<int>(kMaxGameRows, static_cast<int>(found.GameIds.size()));
  games_->setRowCount(rows);
  for (int row = 0; row < rows; ++row) {
    const uint32_t id = found.GameIds[row];
    const TCollectedGame& g = collection.Games[id];
    auto* number = Item(QString::number(id + 1));
    number->setData(Qt::UserRole, static_cast<int>(id));
    games_->setItem(row, 0, number);
    games_->setItem(row, 1, Item(QString::fromStdString(g.Black)));
    games_->setItem(row, 2, Item(QString::fromStdString(g.White)));
    games_->setItem(row, 3, Item(QString::fromStdString(g.Event)));
    games_->setItem(row, 4, Item(g.Year ? QString::number(g.Year) : QString()));
    games_->setItem(row, 5, Item(Result(g)));
  }
}
