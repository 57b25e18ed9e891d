#include "Splash.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <chrono>

#include "Reversi.h"
#include "verslab.h"
#include "widgets/DropShadow.h"
#include "widgets/FormStyle.h"
#include "widgets/StartupWidgets.h"

namespace {

using namespace formstyle;

constexpr QSize kClientSize(356, 231);

// The panel that fills the splash, with its drawn items from back to front;
// the board and the status strip are child windows above all of them.
class TSplashPanel : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.window());
    // A raised one-pixel bevel: light top and left, dark bottom and right.
    painter.setPen(colours.color(QPalette::Light));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.drawLine(0, 0, 0, height() - 1);
    painter.setPen(colours.color(QPalette::Dark));
    painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);

    // Shadows of the two blue bars.
    painter.setPen(kGrey);
    painter.setBrush(kGrey);
    painter.drawRect(146, 52, 204 - 1, 5 - 1);
    painter.drawRect(145, 94, 204 - 1, 5 - 1);

    // The board stands 5 pixels off the panel.
    DrawDropShadow(painter, QRect(21, 21, 111, 111), /*layers=*/3, /*alpha=*/55, /*rounded=*/false);

    const QString title = QStringLiteral("Vezari Zaduder");
    constexpr int kTitleDepth = 3;
    const QRect titleBox(143, 55, 209, 41);
    painter.setFont(FitFontToWidth(ArialPixels(32, true), title, titleBox.width() - kTitleDepth));
    DrawShadowText(painter, titleBox.adjusted(0, 0, -kTitleDepth, -kTitleDepth), Qt::AlignLeft | Qt::AlignTop, title,
                   kRed, kGrey, kTitleDepth);

    painter.setFont(ArialPixels(16, true));
    painter.setPen(kNavy);
    painter.drawText(QRect(20, 164, 325, 48), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QCoreApplication::translate("TSplashForm", "The game that will send you flipping mad!!"));

    // The blue bars above and below the title, over its shadow.
    painter.setPen(Qt::black);
    painter.setBrush(kBlue);
    painter.drawRect(143, 92, 204 - 1, 5 - 1);
    painter.drawRect(143, 50, 204 - 1, 5 - 1);
  }
};

uint32_t SteadyTickCount() {
  using namespace std::chrono;
  return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace

TSplashForm::TSplashForm(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setAttribute(Qt::WA_QuitOnClose, false);
  setFixedSize(kClientSize);
  setFont(ArialPixels(11, false));

  TickCount = SteadyTickCount;
  ProcessMessages = [] { QCoreApplication::processEvents(); };

  Panel1 = new TSplashPanel(this);
  Panel1->setGeometry(rect());

  Reversi1 = new TReversi(Panel1);
  Reversi1->setGeometry(16, 16, 112, 112);
  Reversi1->SetColor(reversi::clGreen);
  Reversi1->SetShowJustPlayed(true);
  Reversi1->SetJustPlayedColour(reversi::clYellow);
  Reversi1->SetShowLegal(false);
  Reversi1->SetShowThinking(false);
  Reversi1->SetShowFlips(true);
  Reversi1->SetMode(reversi::Normal);
  Reversi1->SetLevel(reversi::TimeLevel);
  Reversi1->SetMoveTime(2);
  Reversi1->SetGamma(40);
  Reversi1->SetSelective(true);
  Reversi1->SetSelectiveDepth(8);

  // The strip lies inside the panel's bevel, along its bottom edge.
  Panel2 = new QWidget(Panel1);
  Panel2->setAutoFillBackground(true);
  Panel2->setGeometry(1, kClientSize.height() - 1 - 14, kClientSize.width() - 2, 14);
  auto* strip = new QHBoxLayout(Panel2);
  strip->setContentsMargins(0, 0, 0, 0);
  strip->addStretch(1);

  VersionLabel1 = new TVersionLabel(Panel2);
  VersionLabel1->setFont(ArialPixels(11, true));
  VersionLabel1->setFixedHeight(14);
  VersionLabel1->setMinimumWidth(169);
  VersionLabel1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  VersionLabel1->SetVersionResource(vrFileVersion);
  VersionLabel1->SetVersionResourceKey(QStringLiteral("FileVersion"));
  VersionLabel1->SetInfoPrefix(QCoreApplication::translate("TVersionLabel", "File Version:"));
  VersionLabel1->SetShowInfoPrefix(true);
  VersionLabel1->SetLangCharset(QStringLiteral("-1"));
  strip->addWidget(VersionLabel1);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) CentreIn(this, screen->geometry());
}

TSplashForm::~TSplashForm() = default;

void TSplashForm::ShowSplash() {
  startTick_ = TickCount();
  show();
  WaitUntilExposed();
  repaint();
}

// A window manager maps a new window on its own time, and a paint before that
// is lost; on Windows the show itself is synchronous. So the splash waits for
// its window to be mapped, taking no user input meanwhile and giving up after
// half a second; then its one paint reaches the screen and stays there while
// the rest of the program is created without any message being processed.
void TSplashForm::WaitUntilExposed() {
  QWindow* window = windowHandle();
  if (!window) return;
  QElapsedTimer waited;
  waited.start();
  while (!window->isExposed() && waited.elapsed() < 500) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers, 10);
  }
}

void TSplashForm::WaitForSplash() {
  while (Elapsed(startTick_, TickCount()) < kMinimumShowMs) {
    ProcessMessages();
  }
}
