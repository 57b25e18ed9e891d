#include "About.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVariantAnimation>
#include <algorithm>

#include "NumberFormat.h"
#include "Reversi.h"
#include "widgets/FormStyle.h"
#include "widgets/StartupWidgets.h"
#include "widgets/TickIcon.h"

#ifndef VZ_AUTHOR
#define VZ_AUTHOR "The Vezari Zaduder authors"
#endif
#ifndef VZ_COPYRIGHT_YEAR
#define VZ_COPYRIGHT_YEAR "2026"
#endif
#ifndef VZ_CONTACT
#define VZ_CONTACT "vezari-zaduder@example.org"
#endif
#ifndef VZ_WEB_ADDRESS
#define VZ_WEB_ADDRESS "www.example.org"
#endif

using namespace formstyle;

namespace {

constexpr QSize kClientSize(298, 228);
constexpr int kExplodeMs = 250;

// While the speed figure is measured the box is not yet on the screen, but
// the measurement lets the message loop run. A modal box's owner would take
// clicks and keys meanwhile (and could, for one, ask for the box again), so
// user input is held off for that second; painting goes on.
class TInputBlocker : public QObject {
 public:
  TInputBlocker() { qApp->installEventFilter(this); }
  ~TInputBlocker() override { qApp->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::Wheel:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
      case QEvent::Close:
        event->ignore();
        return true;
      default:
        return false;
    }
  }
};

QLabel* AddLabel(QWidget* parent, const QString& text, int x, int y, bool bold) {
  auto* label = new QLabel(text, parent);
  label->setFont(ArialPixels(11, bold));
  label->move(x, y);
  label->adjustSize();
  return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
  setWindowTitle(tr("About"));
  setFont(ArialPixels(11, true));
  setFixedSize(kClientSize);
  QPalette black = palette();
  black.setColor(QPalette::WindowText, Qt::black);
  setPalette(black);

  Panel1 = new QFrame(this);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setLineWidth(1);
  Panel1->setGeometry(8, 8, 281, 177);

  Reversi1 = new TReversi(Panel1);
  Reversi1->setGeometry(8, 8, 64, 64);
  Reversi1->SetColor(reversi::clGreen);
  Reversi1->SetShowJustPlayed(false);
  Reversi1->SetShowLegal(false);
  Reversi1->SetShowThinking(false);
  Reversi1->SetShowFlips(false);
  Reversi1->SetMode(reversi::Normal);
  Reversi1->SetLevel(reversi::TimeLevel);
  Reversi1->SetMoveTime(1);
  Reversi1->SetGamma(100);
  Reversi1->SetSelective(true);
  Reversi1->SetSelectiveDepth(5);
  Reversi1->setFocusPolicy(Qt::NoFocus);

  TitleLabel = new TShadowLabel(Panel1);
  TitleLabel->setGeometry(72, 8, 201, 65);
  const QString title = QStringLiteral("vezari Zaduder");
  TitleLabel->setFont(FitFontToWidth(ArialPixels(24, true), title, 201 - 2));
  TitleLabel->SetText(title);
  TitleLabel->SetColour(kRed);
  TitleLabel->SetShadowDepth(2);
  TitleLabel->SetTextFlags(Qt::AlignCenter);

  AddLabel(Panel1, tr("Version"), 8, 84, true);
  Label1 = AddLabel(Panel1, QString(), 76, 84, false);
  AddLabel(Panel1, QStringLiteral("DevIdoz"), 8, 101, true);
  Label4 = AddLabel(Panel1, QString(), 76, 101, false);
  AddLabel(Panel1, tr("Copyright"), 8, 119, true);
  CopyrightLabel = AddLabel(Panel1, QStringLiteral("\u00A9 " VZ_COPYRIGHT_YEAR " " VZ_AUTHOR), 76, 119, false);
  AddLabel(Panel1, tr("e-mail"), 8, 136, true);
  EmailLabel = AddLabel(Panel1, QStringLiteral(VZ_CONTACT), 76, 136, false);
  EmailLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  AddLabel(Panel1, tr("WWW"), 8, 154, true);

  WebLabel = new TUrlLabel(Panel1);
  QFont web = ArialPixels(11, false);
  web.setUnderline(true);
  WebLabel->setFont(web);
  WebLabel->setText(QStringLiteral(VZ_WEB_ADDRESS));
  WebLabel->setGeometry(76, 154, 147, 16);
  // Said in a box that does not hold up the about box.
  WebLabel->OnOpenFailed = [this](const QUrl& url) {
    auto* box =
        new QMessageBox(QMessageBox::Information, windowTitle(),
                        tr("The web page %1 could not be opened.").arg(url.toDisplayString()), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
  };

  OKButton = new QPushButton(TickIcon(), tr("OK"), this);
  OKButton->setGeometry(116, 190, 65, 33);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

  MeasureDevIdoz = [this] { return Reversi1->DevIdoz(); };

  FormCreate();
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::FormCreate() {
  Label1->setText(QString::fromStdString(Reversi1->Version()));
  Label1->adjustSize();
}

QString TAboutBox::PercentText(double devIdoz) {
  // As the window shows its figures: no trailing zeros and no thousands
  // separator, but the user's decimal separator.
  return FormatGeneral(devIdoz * 100.0, QLocale()) + QLatin1Char('%');
}

void TAboutBox::FormShow() {
  double figure = 0.0;
  {
    TInputBlocker blocker;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    figure = MeasureDevIdoz ? MeasureDevIdoz() : 0.0;
    QApplication::restoreOverrideCursor();
  }
  Label4->setText(PercentText(figure));
  Label4->adjustSize();
}

void TAboutBox::setVisible(bool visible) {
  if (visible && !isVisible() && !measuring_) {
    measuring_ = true;
    FormShow();
    measuring_ = false;
    // Centred on the screen (not over the owner), every time it opens.
    if (const QScreen* screen = ScreenOf(this)) CentreIn(this, screen->availableGeometry());
  }
  QDialog::setVisible(visible);
}

void TAboutBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  OKButton->setFocus(Qt::OtherFocusReason);
  if (Animate) {
    StartExplode();
  } else {
    SetReveal(1.0);
  }
}

// The box opens by growing out of its centre: a cover in the window's colour
// lies over the contents with a widening hole in the middle, outlined as it
// goes, and goes away when the hole has reached the edges. The contents
// underneath paint as usual; the cover only hides what is outside the hole.
class TAboutBox::TExplodeCover : public QWidget {
 public:
  explicit TExplodeCover(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

  void SetHole(const QRect& hole) {
    hole_ = hole;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setClipRegion(QRegion(rect()).subtracted(QRegion(hole_)));
    painter.fillRect(rect(), palette().window());
    painter.setClipping(false);
    painter.setPen(QColor(64, 64, 64));
    painter.drawRect(hole_.adjusted(-1, -1, 0, 0));
  }

 private:
  QRect hole_;
};

void TAboutBox::StartExplode() {
  if (!explode_) {
    cover_ = new TExplodeCover(this);
    cover_->setGeometry(rect());
    explode_ = new QVariantAnimation(this);
    explode_->setDuration(kExplodeMs);
    explode_->setStartValue(0.05);
    explode_->setEndValue(1.0);
    explode_->setEasingCurve(QEasingCurve::OutCubic);
    connect(explode_, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) { SetReveal(v.toDouble()); });
    connect(explode_, &QVariantAnimation::finished, this, [this] { SetReveal(1.0); });
  }
  explode_->stop();
  SetReveal(0.05);
  cover_->raise();
  cover_->show();
  explode_->start();
}

void TAboutBox::SetReveal(double fraction) {
  if (!cover_) return;
  if (fraction >= 1.0) {
    cover_->hide();
    return;
  }
  const int w = std::max(1, static_cast<int>(kClientSize.width() * fraction));
  const int h = std::max(1, static_cast<int>(kClientSize.height() * fraction));
  cover_->SetHole(QRect((kClientSize.width() - w) / 2, (kClientSize.height() - h) / 2, w, h));
}
