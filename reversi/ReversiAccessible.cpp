// The board for assistive tools: a table of 64 cells, row 1 at the top and
// column A at the left as on the screen, each named after its square and
// what it holds ("D3, empty, legal move", "E4, black"). Cells describe the
// position the board shows, also while the computer searches.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include "Reversi.h"

using namespace reversi;

namespace {

constexpr int kSide = 8;

QString CellName(const TReversi& board, int square) {
  const int cell = board.ShownCells()[square];
  const QString name = QString::fromStdString(SquareName(square));
  if (cell == kBlack) return TReversi::tr("%1, black").arg(name);
  if (cell == kWhite) return TReversi::tr("%1, white").arg(name);
  if (board.ShownLegal(square)) return TReversi::tr("%1, empty, legal move").arg(name);
  return TReversi::tr("%1, empty").arg(name);
}

class TCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  TCellAccessible(TReversi* board, int row, int col) : board_(board), row_(row), col_(col) {}

  bool isValid() const override { return !board_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(board_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  void setText(QAccessible::Text, const QString&) override {}

  QString text(QAccessible::Text t) const override {
    if (!board_ || t != QAccessible::Name) return {};
    return CellName(*board_, SquareOf(row_, col_));
  }

  QRect rect() const override {
    if (!board_) return {};
    const int pitch = board_->height() / kSide;
    return QRect(board_->mapToGlobal(QPoint(col_ * pitch, row_ * pitch)), QSize(pitch, pitch));
  }

  QAccessible::State state() const override {
    QAccessible::State s;
    s.focusable = true;
    s.focused = board_ && board_->hasFocus() && board_->KeyCursor() == SquareOf(row_, col_);
    return s;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }

  // Table cell
  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return col_; }
  int rowIndex() const override { return row_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  QPointer<TReversi> board_;
  int row_, col_;
};

class TBoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit TBoardAccessible(TReversi* board) : QAccessibleWidget(board, QAccessible::Table) {
    for (int i = 0; i < kSide * kSide; ++i) {
      auto* cell = new TCellAccessible(board, i / kSide, i % kSide);
      cells_[i] = QAccessible::registerAccessibleInterface(cell);
    }
  }
  ~TBoardAccessible() override {
    for (QAccessible::Id id : cells_) QAccessible::deleteAccessibleInterface(id);
  }

  TReversi* Board() const { return static_cast<TReversi*>(widget()); }

  QString text(QAccessible::Text t) const override {
    const QString own = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && own.isEmpty()) return TReversi::tr("Board");
    return own;
  }
  int childCount() const override { return kSide * kSide; }
  QAccessibleInterface* child(int index) const override {
    return index >= 0 && index < kSide * kSide ? QAccessible::accessibleInterface(cells_[index]) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < kSide * kSide; ++i)
      if (QAccessible::accessibleInterface(cells_[i]) == child) return i;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint at = Board()->mapFromGlobal(QPoint(x, y));
    const int square = Board()->SquareAt(at.x(), at.y());
    return square ? child(RowOf(square) * kSide + ColOf(square)) : nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    const int square = Board()->KeyCursor();
    return square && Board()->hasFocus() ? child(RowOf(square) * kSide + ColOf(square)) : nullptr;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // Table
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row < 0 || row >= kSide || column < 0 || column >= kSide) return nullptr;
    return child(row * kSide + column);
  }
  int columnCount() const override { return kSide; }
  int rowCount() const override { return kSide; }
  QString columnDescription(int column) const override { return QString(QChar(u'A' + column)); }
  QString rowDescription(int row) const override { return QString::number(row + 1); }
  int selectedCellCount() const override { return 0; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  std::array<QAccessible::Id, kSide * kSide> cells_{};
};

QAccessibleInterface* BoardFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("TReversi") && object && object->isWidgetType())
    return new TBoardAccessible(static_cast<TReversi*>(object));
  return nullptr;
}

}  // namespace

void TReversi::InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(BoardFactory);
    return true;
  }();
  (void)installed;
}

void TReversi::AnnounceKeyCursor() {
  if (!QAccessible::isActive() || keyCursor_ == 0) return;
  QAccessibleEvent event(this, QAccessible::Focus);
  event.setChild(RowOf(keyCursor_) * kSide + ColOf(keyCursor_));
  QAccessible::updateAccessibility(&event);
}
