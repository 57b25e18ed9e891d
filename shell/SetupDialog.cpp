#include "SetupDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

TSetupBoard::TSetupBoard(QWidget* parent) : QWidget(parent) {
  setMinimumSize(sizeHint());
  setCursor(Qt::PointingHandCursor);
}

int TSetupBoard::SquareAt(const QPoint& point) const {
  const int cell = Cell();
  const int column = point.x() / cell, row = point.y() / cell;
  if (point.x() < 0 || point.y() < 0 || column > 7 || row > 7) return -1;
  return 8 * row + column;
}

void TSetupBoard::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const int cell = Cell();
  p.fillRect(QRect(0, 0, 8 * cell, 8 * cell), QColor(0, 128, 0));
  p.setPen(Qt::black);
  for (int i = 0; i <= 8; ++i) {
    p.drawLine(i * cell, 0, i * cell, 8 * cell);
    p.drawLine(0, i * cell, 8 * cell, i * cell);
  }
  for (int square = 0; square < 64; ++square) {
    const int disc = Position.Squares[square];
    if (disc == 0) continue;
    p.setBrush(disc == reversi::kBlack ? Qt::black : Qt::white);
    const QRect r((square % 8) * cell, (square / 8) * cell, cell, cell);
    p.drawEllipse(r.adjusted(3, 3, -3, -3));
  }
}

// Empty, black, white in turn; the right button goes the other way.
void TSetupBoard::mousePressEvent(QMouseEvent* e) {
  const int square = SquareAt(e->position().toPoint());
  if (square < 0) return;
  static constexpr int8_t kCycle[3] = {0, reversi::kBlack, reversi::kWhite};
  const int8_t now = Position.Squares[square];
  const int at = now == 0 ? 0 : now == reversi::kBlack ? 1 : 2;
  const int step = e->button() == Qt::RightButton ? 2 : 1;
  Position.Squares[square] = kCycle[(at + step) % 3];
  update();
  if (OnChange) OnChange();
}

TSetupDialog::TSetupDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Set Up Position"));
  Board = new TSetupBoard(this);
  auto* empty = new QPushButton(tr("Empty Board"), this);
  auto* standard = new QPushButton(tr("Standard Start"), this);
  BlackToMove = new QRadioButton(tr("Black to move"), this);
  WhiteToMove = new QRadioButton(tr("White to move"), this);
  BlackToMove->setChecked(true);
  auto* howTo = new QLabel(tr("Click a square to put a black disc, a white disc or none on it in turn; "
                              "the right button goes the other way."),
                           this);
  howTo->setObjectName(QStringLiteral("HowToPlace"));
  howTo->setWordWrap(true);
  reason_ = new QLabel(this);
  reason_->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

  // A refusal speaks of the position it was given for.
  Board->OnChange = [this] { reason_->clear(); };
  connect(empty, &QPushButton::clicked, this, [this] {
    Board->Position.Squares.fill(0);
    Board->update();
    reason_->clear();
  });
  connect(standard, &QPushButton::clicked, this, [this] { SetPosition(reversi::TPosition::Standard()); });
  connect(buttons, &QDialogButtonBox::accepted, this, &TSetupDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &TSetupDialog::reject);

  auto* side = new QVBoxLayout;
  side->addWidget(empty);
  side->addWidget(standard);
  side->addSpacing(12);
  side->addWidget(BlackToMove);
  side->addWidget(WhiteToMove);
  side->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(Board, 1);
  top->addLayout(side);
  auto* all = new QVBoxLayout(this);
  all->addLayout(top);
  all->addWidget(howTo);
  all->addWidget(reason_);
  all->addWidget(buttons);
}

void TSetupDialog::SetPosition(const reversi::TPosition& position) {
  Board->Position = position;
  (position.Side == reversi::kWhite ? WhiteToMove : BlackToMove)->setChecked(true);
  reason_->clear();
  Board->update();
}

reversi::TPosition TSetupDialog::Position() const {
  reversi::TPosition position = Board->Position;
  position.Side = WhiteToMove->isChecked() ? reversi::kWhite : reversi::kBlack;
  return position;
}

QString TSetupDialog::Refusal() const {
  return reason_->text();
}

void TSetupDialog::accept() {
  const auto& squares = Board->Position.Squares;
  const bool black = std::count(squares.begin(), squares.end(), reversi::kBlack) > 0;
  const bool white = std::count(squares.begin(), squares.end(), reversi::kWhite) > 0;
  if (!black || !white) {
    reason_->setText(black ? tr("The position has no white disc; place at least one of each colour.")
                           : tr("The position has no black disc; place at least one of each colour."));
    return;
  }
  reason_->clear();
  QDialog::accept();
}
