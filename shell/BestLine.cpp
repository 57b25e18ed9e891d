#include "BestLine.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStyledItemDelegate>
#include <cmath>

#include "AnalysisWorker.h"
#include "Geometry.h"
#include "NumberFormat.h"
#include "widgets/FormStyle.h"

namespace {

class TBestLineDelegate : public QStyledItemDelegate {
 public:
  explicit TBestLineDelegate(QListWidget* list) : QStyledItemDelegate(list), list_(list) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    DrawBestLineItem(list_, painter, index.row(), option.rect, option.state);
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return {option.rect.width(), 14};
  }

 private:
  const QListWidget* list_;
};

}  // namespace

QListWidget* MakeBestLineList(QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setFont(formstyle::FormFont());
  list->setUniformItemSizes(true);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setItemDelegate(new TBestLineDelegate(list));
  {
    QPalette pal = list->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      pal.setColor(group, QPalette::Base, Qt::white);
      pal.setColor(group, QPalette::Text, formstyle::kBlue);
    }
    list->setPalette(pal);
  }
  list->setEnabled(false);
  return list;
}

void DrawBestLineItem(const QListWidget* list, QPainter* painter, int index, const QRect& rect, QStyle::State state) {
  if (!painter || index < 0 || index >= list->count() || rect.isEmpty()) return;
  const QString entry = list->item(index)->text();
  const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
  // Composed off-screen and copied in one go, so adding entries during a
  // search does not flicker.
  QPixmap bitmap(rect.size() * dpr);
  bitmap.setDevicePixelRatio(dpr);
  bitmap.fill(list->palette().color(QPalette::Active, QPalette::Base));
  {
    QPainter p(&bitmap);
    p.setFont(list->font());
    p.setPen(index == 0 ? formstyle::kRed : list->palette().color(QPalette::Active, QPalette::Text));
    const QFontMetrics fm(list->font());
    const int w = fm.horizontalAdvance(QStringLiteral("888.88"));

    QString depth, score, line;
    const qsizetype first = entry.indexOf(u'|');
    const QString rest = first < 0 ? entry : entry.mid(first + 1);
    if (first >= 0) depth = entry.left(first);
    const qsizetype second = rest.indexOf(u'|');
    if (second < 0) {
      score = rest;
    } else {
      score = rest.left(second);
      line = rest.mid(second + 1);
    }
    // Measured in fractions of a pixel: glyphs sit at fractional positions,
    // and a rounded width would let the points stray by a pixel.
    // The scores were written with the user's decimal separator.
    const QString separator = QLocale().decimalPoint();
    const qsizetype dot = score.indexOf(separator);
    const qreal upToPoint =
        dot < 0 ? 0.0 : QFontMetricsF(list->font()).horizontalAdvance(score.left(dot + separator.size()));

    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    const qreal height = rect.height();
    p.drawText(QRectF(1, 1, rect.width(), height), flags, depth);
    p.drawText(QRectF(5 * w / 4 - upToPoint, 1, rect.width(), height), flags, score);
    p.drawText(QRectF(2 * w, 1, rect.width(), height), flags, line);
  }
  painter->drawPixmap(rect.topLeft(), bitmap);
  if (state & QStyle::State_Selected) {
    QStyleOptionFocusRect focus;
    focus.initFrom(list);
    focus.rect = rect;
    list->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, list);
  }
}

QString BestLineEntry(const QString& depth, double score, const QString& moves, const QLocale& locale) {
  return depth + u'|' + FormatFixed2(score, locale) + u'|' + moves;
}

void AddBestLineEntry(QListWidget* list, const QString& entry) {
  if (list->count() == 0 || list->item(0)->text() != entry) list->insertItem(0, entry);
}

QString MoveNames(const std::vector<int>& cells) {
  QStringList names;
  for (int cell : cells)
    names << (cell == reversi::kPassSquare ? QCoreApplication::translate("TSidePanel", "pass")
                                           : QString::fromStdString(reversi::SquareName(cell)));
  return names.join(u' ');
}

QString AnalystEntry(const TPositionValue& value, const QLocale& locale) {
  const QString depth = value.Book ? QCoreApplication::translate("TSidePanel", "book")
                                   : QString::number(value.Depth) + (value.Exact ? QStringLiteral("*") : QString());
  return BestLineEntry(depth, value.Discs, MoveNames(value.Line), locale);
}

QString AnalystValueText(const TPositionValue& value, const QLocale& locale) {
  if (!value.Exact) return (value.Discs > 0 ? QStringLiteral("+") : QString()) + FormatFixed2(value.Discs, locale);
  const long discs = std::lround(value.Discs);
  return QCoreApplication::translate("TSidePanel", "%1 exact")
      .arg((discs > 0 ? QStringLiteral("+") : QString()) + locale.toString(static_cast<qlonglong>(discs)));
}
