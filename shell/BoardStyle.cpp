#include "BoardStyle.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QPalette>
#include <QWidget>

#include "IniStore.h"
#include "Reversi.h"

namespace {

const std::string kSection = "Board_Style";
const std::string kKey = "Style";

TReversi::TLook Wood() {
  return {QColor(190, 140, 80), QColor(70, 40, 15), QColor(20, 20, 20), QColor(250, 245, 230)};
}
TReversi::TLook HighContrast() {
  return {QColor(0, 0, 160), QColor(255, 255, 0), QColor(0, 0, 0), QColor(255, 255, 255)};
}
TReversi::TLook Dark() {
  return {QColor(32, 64, 40), QColor(10, 10, 10), QColor(15, 15, 15), QColor(205, 205, 200)};
}

const char* const kStyles[] = {"green", "wood", "contrast", "dark", "desktop"};

}  // namespace

TBoardStyle::TBoardStyle(QWidget* window, TReversi* board, QMenu* view, const std::string& settingsPath)
    : QObject(window), window_(window), board_(board) {
  QMenu* menu = view->addMenu(tr("Board Style"));
  menu->setObjectName(QStringLiteral("BoardStyle1"));
  auto* group = new QActionGroup(this);
  const QString captions[] = {tr("Green"), tr("Wood"), tr("High Contrast"), tr("Dark"), tr("Follow the Desktop")};
  for (int i = 0; i < 5; ++i) {
    QAction* a = menu->addAction(captions[i]);
    a->setObjectName(QStringLiteral("BoardStyle_") + QLatin1String(kStyles[i]));
    a->setCheckable(true);
    group->addAction(a);
    const QString key = QLatin1String(kStyles[i]);
    connect(a, &QAction::triggered, this, [this, key] { SetStyle(key); });
    items_.push_back(a);
  }
  const auto kept = TIniStore(settingsPath).ReadString(kSection, kKey);
  if (kept) atStart_ = QString::fromStdString(*kept);
  SetStyle(atStart_);
  atStart_ = style_;
  window->installEventFilter(this);
}

bool TBoardStyle::IsDarkPalette(const QPalette& palette) {
  return palette.color(QPalette::Window).lightness() < 128;
}

void TBoardStyle::SetStyle(const QString& style) {
  // An unknown name (a newer program's, or a damaged file) is the default.
  int index = 0;
  for (int i = 0; i < 5; ++i)
    if (style == QLatin1String(kStyles[i])) index = i;
  style_ = QLatin1String(kStyles[index]);
  items_[index]->setChecked(true);
  Apply();
}

void TBoardStyle::Apply() {
  std::optional<TReversi::TLook> look;
  if (style_ == QLatin1String("wood")) look = Wood();
  if (style_ == QLatin1String("contrast")) look = HighContrast();
  if (style_ == QLatin1String("dark")) look = Dark();
  if (style_ == QLatin1String("desktop") && IsDarkPalette(QApplication::palette())) look = Dark();
  board_->SetLook(look);
}

bool TBoardStyle::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && event->type() == QEvent::ApplicationPaletteChange) Apply();
  return QObject::eventFilter(watched, event);
}

std::vector<TIniWrite> TBoardStyle::Writes() const {
  if (style_ == atStart_) return {};
  return {{kSection, kKey, style_.toStdString()}};
}
