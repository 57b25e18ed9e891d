#include "PlayBar.h"

#include <QTimer>

#include "ControlHints.h"
#include "widgets/ArrowButton.h"
#include "widgets/FlatButton.h"
#include "widgets/FormStyle.h"
#include "widgets/ScalableIcon.h"

TToolbar::TToolbar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Toolbar"));
  setFixedHeight(26);
  // The glyph buttons have no caption: a screen reader says their name.
  auto button = [this](const char* name, const QString& glyph, int x, const QString& hint, const QString& accessible,
                       void (TToolbar::*clicked)()) {
    auto* b = new TFlatButton(this);
    b->setObjectName(QLatin1String(name));
    b->setIcon(
        ScalableIcon(QStringLiteral(":/assets/%1.xpm").arg(glyph), QStringLiteral(":/assets/%1.svg").arg(glyph)));
    b->setGeometry(x, 2, 23, 22);
    b->setAccessibleName(accessible);
    SetHint(b, hint);
    connect(b, &QAbstractButton::clicked, this, clicked);
  };
  button("OpenButton", QStringLiteral("open"), 4, tr("|Open a game file"), tr("Open"), &TToolbar::OpenClicked);
  button("SaveButton", QStringLiteral("save"), 28, tr("|Save a game file"), tr("Save"), &TToolbar::SaveClicked);
  button("NewButton", QStringLiteral("new"), 52, tr("|New game"), tr("New"), &TToolbar::NewClicked);
}

TPlayBar::TPlayBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("BottomBar"));
  setFixedHeight(40);
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, &TPlayBar::Timer1Timer);
  auto arrow = [this](const char* name, TArrowButton::TDirection direction, int x, int y, const QString& hint,
                      const QString& accessible, void (TPlayBar::*clicked)()) {
    auto* b = new TArrowButton(direction, this);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(x, y, 45, 33);
    b->SetColors(Qt::blue, Qt::blue, Qt::red);
    b->setAccessibleName(accessible);
    SetHint(b, hint);
    connect(b, &QAbstractButton::clicked, this, clicked);
  };
  arrow("BackButton", TArrowButton::TDirection::Left, 64, 4, tr("|Take back a move"), tr("Take Back"),
        &TPlayBar::BackClicked);
  PlayButton = new TFlatButton(this);
  PlayButton->setObjectName(QStringLiteral("PlayButton"));
  PlayButton->setGeometry(112, 4, 97, 29);
  PlayButton->setFont(formstyle::FormFont(/*bold=*/true, /*pixels=*/19));
  SearchEnded();
  SetHint(PlayButton, tr("|Force the computer to play"));
  // The caption is a word of the program's own, and the thinking time while
  // the computer thinks: a screen reader says what the button does.
  PlayButton->setAccessibleName(tr("Move Now"));
  PlayButton->setAccessibleDescription(tr("Move now"));
  connect(PlayButton, &QAbstractButton::clicked, this, &TPlayBar::PlayClicked);
  arrow("ForwardButton", TArrowButton::TDirection::Right, 212, 3, tr("|Move forward one move"), tr("Move Forward"),
        &TPlayBar::ForwardClicked);
}

void TPlayBar::SearchBegan() {
  Timer1->start();
  Timer1Timer();
}

void TPlayBar::SearchEnded() {
  Timer1->stop();
  PlayButton->setText(QStringLiteral("orvane"));
  PlayButton->SetColor(formstyle::kRed);
  PlayButton->SetFontColor(Qt::white);
}

void TPlayBar::Timer1Timer() {
  PlayButton->setText(tr("Thinking"));
  if (PlayButton->Color() != QColor(Qt::black)) {
    PlayButton->SetColor(Qt::black);
    PlayButton->SetFontColor(Qt::white);
  } else {
    PlayButton->SetColor(Qt::white);
    PlayButton->SetFontColor(Qt::black);
  }
}
