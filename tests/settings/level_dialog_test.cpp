// The level dialog and its spin fields, driven as a user would: typed keys,
// arrows, focus changes, Enter, Esc and the close box.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <climits>

#include "Levelunt.h"
#include "ReversiCore.h"
#include "StrongLevel.h"
#include "widgets/SpinField.h"

using namespace reversi;

namespace {

// Shows the dialog without a modal loop, filled from engine, with the
// keyboard focus in it.
void ShowFilled(TLevelFrm& dialog, TReversiCore& engine) {
  dialog.Fill(engine);
  dialog.show();
  dialog.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

void TypeInto(TSpinField* field, const QString& text) {
  field->setFocus(Qt::TabFocusReason);
  field->selectAll();
  if (text.isEmpty()) {
    QTest::keyClick(field, Qt::Key_Delete);
  } else {
    QTest::keyClicks(field, text);
  }
}

}  // namespace

class LevelDialogTest : public QObject {
  Q_OBJECT

 private slots:
  // ---- The spin field on its own ----

  void TypingAcceptsDigitsAndSignsOnly() {
    TSpinField field(1, 12);
    QSignalSpy refused(&field, &TSpinField::KeyRefused);
    field.clear();
    QTest::keyClicks(&field, "1a2 x.+-3");
    QCOMPARE(field.text(), QStringLiteral("12+-3"));
    QCOMPARE(refused.count(), 4);
    // Editing keys and chords still work.
    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::keyClick(&field, Qt::Key_Home);
    QTest::keyClick(&field, Qt::Key_Delete);
    QCOMPARE(field.text(), QStringLiteral("2+-"));
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(field.selectedText(), QStringLiteral("2+-"));
    QCOMPARE(refused.count(), 4);
    // Pasting goes through the same filter.
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    field.paste();
    QCOMPARE(field.text(), QStringLiteral("2+-"));
  }

  void ValueIsTheTypedIntegerOrTheMinimum_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("in range") << "7" << 7;
    QTest::newRow("above, not brought in") << "15" << 15;
    QTest::newRow("below, not brought in") << "0" << 0;
    QTest::newRow("negative") << "-4" << -4;
    QTest::newRow("plus sign") << "+5" << 5;
    QTest::newRow("empty") << "" << 1;
    QTest::newRow("sign only") << "-" << 1;
    QTest::newRow("two signs") << "+-3" << 1;
    QTest::newRow("sign inside") << "3-" << 1;
    QTest::newRow("beyond 32 bits") << "99999999999" << 1;
    QTest::newRow("int max") << "2147483647" << INT_MAX;
  }
  void ValueIsTheTypedIntegerOrTheMinimum() {
    QFETCH(QString, text);
    QFETCH(int, value);
    TSpinField field(1, 12);
    field.setText(text);
    QCOMPARE(field.Value(), value);
  }

  void SettingAndSteppingBringIntoRange() {
    TSpinField field(1, 12);
    field.SetValue(40);
    QCOMPARE(field.text(), QStringLiteral("12"));
    field.SetValue(-3);
    QCOMPARE(field.text(), QStringLiteral("1"));
    field.SetValue(5);
    QTest::keyClick(&field, Qt::Key_Up);
    QCOMPARE(field.text(), QStringLiteral("6"));
    QTest::keyClick(&field, Qt::Key_PageUp);
    QCOMPARE(field.text(), QStringLiteral("12"));
    QTest::keyClick(&field, Qt::Key_PageDown);
    QCOMPARE(field.text(), QStringLiteral("2"));
    QTest::keyClick(&field, Qt::Key_Down);
    QTest::keyClick(&field, Qt::Key_Down);
    QCOMPARE(field.text(), QStringLiteral("1"));
    // A step starts from the value read, so from the minimum when empty
    // and from the typed number when outside the range.
    field.clear();
    QTest::keyClick(&field, Qt::Key_Up);
    QCOMPARE(field.text(), QStringLiteral("2"));
    field.setText(QStringLiteral("15"));
    QTest::keyClick(&field, Qt::Key_Down);
    QCOMPARE(field.text(), QStringLiteral("12"));
    // The arrow buttons step by one.
    field.SetValue(3);
    field.UpButton()->click();
    QCOMPARE(field.Value(), 4);
    field.DownButton()->click();
    field.DownButton()->click();
    QCOMPARE(field.Value(), 2);
    // Steps near the ends of the int range do not overflow.
    TSpinField wide(INT_MIN, INT_MAX);
    wide.SetValue(INT_MAX);
    QTest::keyClick(&wide, Qt::Key_PageUp);
    QCOMPARE(wide.Value(), INT_MAX);
    wide.SetValue(INT_MIN);
    QTest::keyClick(&wide, Qt::Key_PageDown);
    QCOMPARE(wide.Value(), INT_MIN);
    TSpinField narrow(1, 12);
    narrow.setText(QStringLiteral("2147483647"));
    QTest::keyClick(&narrow, Qt::Key_Up);
    QCOMPARE(narrow.Value(), 12);
  }

  void LeavingTheFieldBringsItIntoRange() {
    TLevelFrm dialog;
    TReversiCore engine;
    engine.SetLevel(Ply3);
    ShowFilled(dialog, engine);
    TypeInto(dialog.DepthEdit, QStringLiteral("15"));
    QCOMPARE(dialog.DepthEdit->text(), QStringLiteral("15"));
    dialog.GammaEdit->setFocus(Qt::TabFocusReason);
    QCOMPARE(dialog.DepthEdit->text(), QStringLiteral("12"));
    // In range, the text stays as typed, even when empty.
    TypeInto(dialog.SelDepthEdit, QString());
    dialog.GammaEdit->setFocus(Qt::TabFocusReason);
    QCOMPARE(dialog.SelDepthEdit->text(), QString());
    // Pressing an arrow takes the focus, so the field left is brought in.
    TypeInto(dialog.GammaEdit, QStringLiteral("-20000"));
    QTest::mouseClick(dialog.DepthEdit->UpButton(), Qt::LeftButton);
    QCOMPARE(dialog.GammaEdit->text(), QStringLiteral("-10000"));
    QVERIFY(dialog.DepthEdit->hasFocus());
    QCOMPARE(dialog.DepthEdit->text(), QStringLiteral("12"));
  }

  // ---- The dialog ----

  void FillSelectsTheLevel() {
    TLevelFrm dialog;
    TReversiCore engine;
    engine.SetLevel(Ply6);
    engine.SetGamma(1500);
    engine.SetSelectiveDepth(10);
    dialog.Fill(engine);
    QVERIFY(dialog.RadioButton2->isChecked());
    QCOMPARE(dialog.DepthEdit->text(), QStringLiteral("6"));
    QVERIFY(!dialog.SecondsEdit->isEnabled());
    QVERIFY(dialog.DepthEdit->isEnabled());
    QCOMPARE(dialog.GammaEdit->Value(), 1500);
    QCOMPARE(dialog.SelDepthEdit->Value(), 10);

    // Not a depth level: the depth field keeps what it held.
    engine.SetLevel(Infinite);
    dialog.Fill(engine);
    QVERIFY(dialog.RadioButton3->isChecked());
    QCOMPARE(dialog.DepthEdit->text(), QStringLiteral("6"));
    QVERIFY(!dialog.SecondsEdit->isEnabled());
    QVERIFY(!dialog.DepthEdit->isEnabled());
    QVERIFY(dialog.GammaEdit->isEnabled());
    QVERIFY(dialog.SelDepthEdit->isEnabled());

    engine.SetLevel(TimeLevel);
    engine.SetMoveTime(40000);
    dialog.Fill(engine);
    QVERIFY(dialog.RadioButton1->isChecked());
    QVERIFY(dialog.SecondsEdit->isEnabled());
    QVERIFY(!dialog.DepthEdit->isEnabled());
    QCOMPARE(dialog.SecondsEdit->text(), QStringLiteral("32000"));
  }

  void TimeLevelWithZeroSecondsShowsOneAndOkTakesIt() {
    TLevelFrm dialog;
    TReversiCore engine;
    engine.SetMoveTime(0);
    QStringList texts;
    int showGames = 0;
    dialog.OnLevelText = [&](const QString& text) { texts << text; };
    dialog.OnShowGame = [&] { ++showGames; };
    dialog.Fill(engine);
    QCOMPARE(dialog.SecondsEdit->text(), QStringLiteral("1"));
    dialog.BitBtn1Click();
    QCOMPARE(engine.Level(), TimeLevel);
    QCOMPARE(engine.MoveTime(), 1);
    QCOMPARE(texts, QStringList{QStringLiteral("1 seconds per move")});
    QCOMPARE(showGames, 0);
  }

  void EnterTakesTheTextAsTyped_data() {
    QTest::addColumn<int>("radio");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("moveTime");
    QTest::newRow("depth 15 leaves the level") << 2 << "15" << int(Ply3) << 2;
    QTest::newRow("depth 0 leaves the level") << 2 << "0" << int(Ply3) << 2;
    QTest::newRow("depth 9") << 2 << "9" << int(Ply9) << 2;
    QTest::newRow("seconds 0") << 1 << "0" << int(TimeLevel) << 0;
    QTest::newRow("seconds -5") << 1 << "-5" << int(TimeLevel) << -5;
    QTest::newRow("seconds 99999") << 1 << "99999" << int(TimeLevel) << 99999;
    QTest::newRow("seconds empty") << 1 << "" << int(TimeLevel) << 1;
  }
  void EnterTakesTheTextAsTyped() {
    QFETCH(int, radio);
    QFETCH(QString, typed);
    QFETCH(int, level);
    QFETCH(int, moveTime);
    TLevelFrm dialog;
    TReversiCore engine;
    engine.SetLevel(Ply3);
    ShowFilled(dialog, engine);
    QRadioButton* button = radio == 1 ? dialog.RadioButton1 : dialog.RadioButton2;
    QTest::mouseClick(button, Qt::LeftButton);
    TSpinField* field = radio == 1 ? dialog.SecondsEdit : dialog.DepthEdit;
    TypeInto(field, typed);
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(int(engine.Level()), level);
    QCOMPARE(engine.MoveTime(), moveTime);
    QCOMPARE(field->text(), typed);
  }

  void GammaAndSelectiveDepthGoThroughTheEngineRanges() {
    TLevelFrm dialog;
    TReversiCore engine;
    engine.SetGamma(1500);
    engine.SetSelectiveDepth(10);
    ShowFilled(dialog, engine);
    for (const char* refused : {"10000", "-10000", ""}) {
      TypeInto(dialog.GammaEdit, QString::fromLatin1(refused));
      dialog.BitBtn1Click();
      QCOMPARE(engine.Gamma(), 1500);
    }
    TypeInto(dialog.GammaEdit, QStringLiteral("9999"));
    TypeInto(dialog.SelDepthEdit, QStringLiteral("20"));
    dialog.BitBtn1Click();
    QCOMPARE(engine.Gamma(), 9999);
    QCOMPARE(engine.SelectiveDepth(), 20);
    TypeInto(dialog.SelDepthEdit, QString());  // reads as 1, which the engine takes
    dialog.BitBtn1Click();
    QCOMPARE(engine.SelectiveDepth(), 1);
  }

  void InfiniteTimeAsksForShowGame() {
    TLevelFrm dialog;
    TReversiCore engine;
    int showGames = 0;
    int levelTexts = 0;
    dialog.OnShowGame = [&] { ++showGames; };
    dialog.OnLevelText = [&](const QString&) { ++levelTexts; };
    ShowFilled(dialog, engine);
    QTest::mouseClick(dialog.RadioButton3, Qt::LeftButton);
    QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
    QCOMPARE(engine.Level(), Infinite);
    QCOMPARE(engine.MoveTime(), 2);
    QCOMPARE(showGames, 1);
    QCOMPARE(levelTexts, 0);
    QVERIFY(!dialog.isVisible());
  }

  void CloseBoxAndEscApplyNothing() {
    TLevelFrm dialog;
    TReversiCore engine;
    engine.SetGamma(1500);
    ShowFilled(dialog, engine);
    QTest::mouseClick(dialog.RadioButton3, Qt::LeftButton);
    TypeInto(dialog.GammaEdit, QStringLiteral("77"));
    QCOMPARE(dialog.findChildren<QPushButton*>(), QList<QPushButton*>{dialog.BitBtn1});
    QVERIFY(dialog.BitBtn1->isDefault());
    dialog.close();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(engine.Level(), TimeLevel);
    QCOMPARE(engine.Gamma(), 1500);
    // Esc, typed in a field, closes it the same way.
    ShowFilled(dialog, engine);
    QTest::mouseClick(dialog.RadioButton3, Qt::LeftButton);
    TypeInto(dialog.GammaEdit, QStringLiteral("77"));
    QTest::keyClick(dialog.GammaEdit, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(engine.Level(), TimeLevel);
    QCOMPARE(engine.Gamma(), 1500);
    // The fields keep their contents for the next showing.
    QCOMPARE(dialog.GammaEdit->text(), QStringLiteral("77"));
  }

  // ---- The analyst's panel ----

  // Offered, it lies beside the designed area, which keeps its size, its
  // controls' places and every pixel.
  void TheAnalystPanelLeavesTheDesignedPartAlone() {
    TReversiCore engine;
    TLevelFrm plain;
    ShowFilled(plain, engine);
    QCOMPARE(plain.size(), QSize(303, 230));
    QVERIFY(!plain.Panel2->isVisible());
    TStrongLevel level;
    TLevelFrm offered;
    offered.SetAnalystPlayer(&level);
    ShowFilled(offered, engine);
    QVERIFY(offered.Panel2->isVisible());
    const QRect designed(0, 0, 303, 230);
    QVERIFY(!designed.intersects(offered.Panel2->geometry()));
    QCOMPARE(offered.height(), 230);
    QCOMPARE(offered.Panel1->geometry(), QRect(4, 4, 293, 169));
    QCOMPARE(offered.BitBtn1->geometry(), QRect(107, 188, 89, 33));
    QCOMPARE(offered.grab(designed).toImage(), plain.grab(designed).toImage());
    // Off until chosen: its fields wait for the check.
    QVERIFY(!offered.AnalystCheck->isChecked());
    QVERIFY(!offered.StrengthBox->isEnabled());
    QVERIFY(!offered.AnalystSecondsEdit->isEnabled());
  }

  void OkWritesTheAnalystsChoiceAndTheCloseBoxNothing() {
    TReversiCore engine;
    engine.SetLevel(Ply4);
    TStrongLevel level;
    level.Seconds = 7;
    level.BookMargin = 2.5;
    TLevelFrm dialog;
    int showGames = 0;
    dialog.OnShowGame = [&] { ++showGames; };
    dialog.SetAnalystPlayer(&level);
    ShowFilled(dialog, engine);
    QCOMPARE(dialog.AnalystSecondsEdit->Value(), 7);
    QCOMPARE(dialog.BookMarginEdit->value(), 2.5);
    QTest::mouseClick(dialog.AnalystCheck, Qt::LeftButton);
    QVERIFY(dialog.StrengthBox->isEnabled());
    dialog.StrengthBox->setCurrentIndex(2);
    QVERIFY(dialog.StrengthNote->text().contains(QStringLiteral("4 discs")));
    TypeInto(dialog.AnalystSecondsEdit, QStringLiteral("3"));
    // Closed: nothing taken.
    dialog.close();
    QVERIFY(!level.Enabled);
    QCOMPARE(level.Seconds, 7);
    // OK: all taken, the levels' own choice as before, the Game box told.
    ShowFilled(dialog, engine);
    QVERIFY(!dialog.AnalystCheck->isChecked());
    QTest::mouseClick(dialog.AnalystCheck, Qt::LeftButton);
    dialog.StrengthBox->setCurrentIndex(2);
    TypeInto(dialog.AnalystSecondsEdit, QStringLiteral("3"));
    QTest::keyClick(dialog.AnalystSecondsEdit, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QVERIFY(level.Enabled);
    QCOMPARE(level.Strength, 2);
    QCOMPARE(level.Seconds, 3);
    QCOMPARE(level.BookMargin, 2.5);
    QCOMPARE(engine.Level(), Ply4);
    QCOMPARE(showGames, 2);  // once for the depth level, once for the analyst
    // Seconds out of range leave the analyst's time as it was.
    ShowFilled(dialog, engine);
    QVERIFY(dialog.AnalystCheck->isChecked());
    TypeInto(dialog.AnalystSecondsEdit, QStringLiteral("0"));
    dialog.BitBtn1Click();
    QCOMPARE(level.Seconds, 3);
  }

  void ExecuteShowsModallyAndReturnsOnOk() {
    TLevelFrm dialog;
    TReversiCore engine;
    engine.SetLevel(Ply6);
    bool wasModal = false;
    QTimer::singleShot(0, &dialog, [&] {
      wasModal = dialog.isVisible() && dialog.isModal();
      TypeInto(dialog.DepthEdit, QStringLiteral("8"));
      QTest::keyClick(dialog.DepthEdit, Qt::Key_Enter, Qt::KeypadModifier);
    });
    dialog.Execute(engine);
    QVERIFY(wasModal);
    QCOMPARE(engine.Level(), Ply8);
  }
};

QTEST_MAIN(LevelDialogTest)
#include "level_dialog_test.moc"
