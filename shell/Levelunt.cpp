#include "Levelunt.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "StrongLevel.h"
#include "widgets/FormStyle.h"
#include "widgets/SpinField.h"
#include "widgets/TickIcon.h"

using namespace reversi;

namespace {
// The designed client area, and the analyst's panel to the right of it.
constexpr int kDesignedWidth = 303, kDesignedHeight = 230;
constexpr int kRightMargin = 6;  // right of the designed panel
constexpr int kAnalystPanelWidth = 234;
constexpr QRect kAnalystPanel{kDesignedWidth, 4, kAnalystPanelWidth, 169};
}  // namespace

QString SecondsPerMoveText(int seconds) {
  // Qt fills in %n only for counts of 0 and more; a negative time, which
  // only a hand-edited settings file gives, takes the plural's words.
  if (seconds >= 0) return QCoreApplication::translate("TLevelFrm", "%n seconds per move", nullptr, seconds);
  return QCoreApplication::translate("TLevelFrm", "%n seconds per move", nullptr, 2)
      .replace(u'2', QString::number(seconds));
}

TLevelFrm::TLevelFrm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
  setWindowTitle(tr("Level"));
  setFont(formstyle::ArialPixels(11));
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, Qt::black);
  pal.setColor(QPalette::Text, Qt::black);
  setPalette(pal);
  setFixedSize(kDesignedWidth, kDesignedHeight);

  Panel1 = new QFrame(this);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setLineWidth(1);
  Panel1->setGeometry(4, 4, 293, 169);

  RadioButton1 = new QRadioButton(tr("Time per move"), Panel1);
  RadioButton1->setGeometry(24, 20, 113, 17);
  RadioButton2 = new QRadioButton(tr("Fixed depth search"), Panel1);
  RadioButton2->setGeometry(24, 48, 113, 17);
  RadioButton3 = new QRadioButton(tr("Infinite time"), Panel1);
  RadioButton3->setGeometry(24, 76, 113, 17);
  // A caption longer than the design's room (in another language) widens
  // its button rather than being cut off.
  for (QRadioButton* b : {RadioButton1, RadioButton2, RadioButton3})
    b->resize(std::max(b->width(), b->sizeHint().width()), b->height());
  auto* group = new QButtonGroup(this);
  group->addButton(RadioButton1);
  group->addButton(RadioButton2);
  group->addButton(RadioButton3);
  RadioButton2->setChecked(true);
  connect(RadioButton1, &QRadioButton::clicked, this, &TLevelFrm::RadioButton1Click);
  connect(RadioButton2, &QRadioButton::clicked, this, &TLevelFrm::RadioButton2Click);
  connect(RadioButton3, &QRadioButton::clicked, this, &TLevelFrm::RadioButton3Click);

  SecondsEdit = new TSpinField(1, 32000, Panel1);
  SecondsEdit->setGeometry(176, 19, 82, 22);
  SecondsEdit->SetValue(1);
  DepthEdit = new TSpinField(1, 12, Panel1);
  DepthEdit->setGeometry(176, 45, 82, 22);
  DepthEdit->SetValue(1);

  Label1 = new QLabel(tr("Gamma Selectivity"), Panel1);
  Label1->move(28, 114);
  Label1->adjustSize();
  GammaEdit = new TSpinField(-10000, 10000, Panel1);
  GammaEdit->setGeometry(176, 110, 85, 22);
  GammaEdit->SetValue(0);

  Label2 = new QLabel(tr("Maximum Selective Depth"), Panel1);
  Label2->move(28, 138);
  Label2->adjustSize();
  SelDepthEdit = new TSpinField(1, 20, Panel1);
  SelDepthEdit->setGeometry(176, 134, 85, 22);
  SelDepthEdit->SetValue(1);

  BitBtn1 = new QPushButton(TickIcon(), tr("OK"), this);
  BitBtn1->setGeometry(107, 188, 89, 33);
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &TLevelFrm::BitBtn1Click);

  setTabOrder(RadioButton1, SecondsEdit);
  setTabOrder(SecondsEdit, DepthEdit);
  setTabOrder(DepthEdit, GammaEdit);
  setTabOrder(GammaEdit, SelDepthEdit);
  setTabOrder(SelDepthEdit, BitBtn1);

  CreateAnalystPanel();
  RadioButton2Click();
}

void TLevelFrm::CreateAnalystPanel() {
  Panel2 = new QFrame(this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel2->setLineWidth(1);
  Panel2->setGeometry(kAnalystPanel);
  Panel2->hide();

  AnalystCheck = new QCheckBox(tr("Analyst as opponent"), Panel2);
  AnalystCheck->setObjectName(QStringLiteral("AnalystCheck"));
  AnalystCheck->move(16, 19);
  AnalystCheck->resize(AnalystCheck->sizeHint());
  connect(AnalystCheck, &QCheckBox::clicked, this, &TLevelFrm::AnalystCheckClick);

  auto caption = [this](const QString& text, int y, QWidget* field) {
    auto* label = new QLabel(text, Panel2);
    label->move(20, y);
    label->adjustSize();
    label->setBuddy(field);
    field->setAccessibleName(text);
  };
  StrengthBox = new QComboBox(Panel2);
  StrengthBox->setObjectName(QStringLiteral("StrengthBox"));
  for (int k = 0; k < TStrongLevel::kStrengths; ++k) StrengthBox->addItem(TStrongLevel::StrengthName(k));
  StrengthBox->setGeometry(140, 45, 82, 22);
  caption(tr("Strength"), 49, StrengthBox);
  StrengthNote = new QLabel(Panel2);
  StrengthNote->setObjectName(QStringLiteral("StrengthNote"));
  StrengthNote->move(20, 72);
  connect(StrengthBox, &QComboBox::currentIndexChanged, this, [this](int k) {
    StrengthNote->setText(TStrongLevel::StrengthNote(k));
    StrengthNote->adjustSize();
  });

  AnalystSecondsEdit = new TSpinField(1, TStrongLevel::kMaxSeconds, Panel2);
  AnalystSecondsEdit->setObjectName(QStringLiteral("AnalystSecondsEdit"));
  AnalystSecondsEdit->setGeometry(140, 97, 82, 22);
  caption(tr("Seconds per move"), 101, AnalystSecondsEdit);

  BookMarginEdit = new QDoubleSpinBox(Panel2);
  BookMarginEdit->setObjectName(QStringLiteral("BookMarginEdit"));
  BookMarginEdit->setRange(0, TStrongLevel::kMaxBookMargin);
  BookMarginEdit->setDecimals(1);
  BookMarginEdit->setSingleStep(0.5);
  BookMarginEdit->setGeometry(140, 125, 82, 22);
  BookMarginEdit->setToolTip(tr("Book moves within this many discs of the book's best are played at random"));
  caption(tr("Book margin (discs)"), 129, BookMarginEdit);

  setTabOrder(BitBtn1, AnalystCheck);
  setTabOrder(AnalystCheck, StrengthBox);
  setTabOrder(StrengthBox, AnalystSecondsEdit);
  setTabOrder(AnalystSecondsEdit, BookMarginEdit);
  StrengthBox->setCurrentIndex(0);
  StrengthNote->setText(TStrongLevel::StrengthNote(0));
  StrengthNote->adjustSize();
  AnalystCheckClick();
}

void TLevelFrm::SetAnalystPlayer(TStrongLevel* level) {
  analyst_ = level;
  Panel2->setVisible(level != nullptr);
  setFixedSize(level ? kAnalystPanel.right() + 1 + kRightMargin : kDesignedWidth, kDesignedHeight);
}

void TLevelFrm::AnalystCheckClick() {
  const bool on = AnalystCheck->isChecked();
  for (QWidget* w : std::initializer_list<QWidget*>{StrengthBox, StrengthNote, AnalystSecondsEdit, BookMarginEdit})
    w->setEnabled(on);
}

// The analyst's choice into the level the window keeps.
void TLevelFrm::ApplyAnalyst() {
  TStrongLevel& level = *analyst_;
  level.Enabled = AnalystCheck->isChecked();
  level.Strength = std::clamp(StrengthBox->currentIndex(), 0, TStrongLevel::kStrengths - 1);
  const int seconds = AnalystSecondsEdit->Value();
  if (seconds >= 1 && seconds <= TStrongLevel::kMaxSeconds) level.Seconds = seconds;
  level.BookMargin = std::round(BookMarginEdit->value() * 10) / 10;
}

void TLevelFrm::Fill(TReversiCore& engine) {
  engine_ = &engine;
  GammaEdit->SetValue(engine.Gamma());
  SelDepthEdit->SetValue(engine.SelectiveDepth());
  SecondsEdit->SetValue(engine.MoveTime());

  const TLevel level = engine.Level();
  if (level >= Ply1 && level <= Ply12) DepthEdit->SetValue(static_cast<int>(level));

  if (analyst_) {
    AnalystCheck->setChecked(analyst_->Enabled);
    StrengthBox->setCurrentIndex(std::clamp(analyst_->Strength, 0, TStrongLevel::kStrengths - 1));
    AnalystSecondsEdit->SetValue(analyst_->Seconds);
    BookMarginEdit->setValue(analyst_->BookMargin);
    AnalystCheckClick();
  }

  if (level == TimeLevel) {
    RadioButton1->setChecked(true);
    RadioButton1Click();
  } else if (level == Infinite) {
    RadioButton3->setChecked(true);
    RadioButton3Click();
  } else {
    RadioButton2->setChecked(true);
    RadioButton2Click();
  }
}

void TLevelFrm::Execute(TReversiCore& engine) {
  Fill(engine);
  if (const QScreen* screen = formstyle::ScreenOf(this)) formstyle::CentreIn(this, screen->availableGeometry());
  exec();
}

void TLevelFrm::RadioButton1Click() {
  SecondsEdit->setEnabled(true);
  DepthEdit->setEnabled(false);
}

void TLevelFrm::RadioButton2Click() {
  DepthEdit->setEnabled(true);
  SecondsEdit->setEnabled(false);
}

void TLevelFrm::RadioButton3Click() {
  SecondsEdit->setEnabled(false);
  DepthEdit->setEnabled(false);
}

void TLevelFrm::BitBtn1Click() {
  if (engine_) {
    TReversiCore& engine = *engine_;
    // The setters drop what the engine cannot take: Gamma of +-10000, which
    // the field allows, leaves Gamma as it was.
    engine.SetGamma(GammaEdit->Value());
    engine.SetSelectiveDepth(SelDepthEdit->Value());
    if (RadioButton1->isChecked()) {
      const int seconds = SecondsEdit->Value();
      engine.SetLevel(TimeLevel);
      engine.SetMoveTime(seconds);
      if (OnLevelText) OnLevelText(SecondsPerMoveText(seconds));
    } else if (RadioButton2->isChecked()) {
      const int depth = DepthEdit->Value();
      if (depth >= 1 && depth <= 12) engine.SetLevel(static_cast<TLevel>(depth));
      if (OnShowGame) OnShowGame();
    } else if (RadioButton3->isChecked()) {
      engine.SetLevel(Infinite);
      if (OnShowGame) OnShowGame();
    }
  }
  if (analyst_) {
    const bool wasOn = analyst_->Enabled;
    ApplyAnalyst();
    // The Game box names the analyst while it plays.
    if ((wasOn || analyst_->Enabled) && OnShowGame) OnShowGame();
  }
  accept();
}
