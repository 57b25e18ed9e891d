// The game through the clipboard and the set-up board: what each kind of
// pasted text makes of the game, what Copy puts on the clipboard, that a bad
// paste or one while thinking keeps the game, and the set-up dialog's OK.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "AnalysisWorker.h"
#include "Sdimain.h"
#include "SetupDialog.h"

// The board after f5: d4 white; e4, d5, e5 and f5 black; White to move.
const QString kAfterF5 = QStringLiteral("---------------------------OX------XXX-------------------------- O");

class EditGameTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::string Ini() const { return QFile::encodeName(dir_.filePath(QStringLiteral("Reversi.ini"))).toStdString(); }

 private slots:
  void pasteOfEachKindSetsTheGameAndCopyGivesItBack() {
    TMain w(Ini());
    QStringList failures;
    w.ReportFileFailure = [&](const QString& text) { failures << text; };
    auto paste = [&](const QString& text) {
      QApplication::clipboard()->setText(text);
      w.Paste1->trigger();
    };

    paste(QStringLiteral("1. F5 d6\n2. c3"));
    QCOMPARE(w.Reversi1->CurrentGame().Moves.size(), size_t{3});
    QCOMPARE(w.Label5->text(), QStringLiteral("5"));  // black discs after f5 d6 c3
    w.CopyGame1->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("f5d6c3"));

    paste(kAfterF5);
    QVERIFY(w.Reversi1->IsSetUp());
    QVERIFY(w.Reversi1->CurrentGame().Moves.empty());
    QCOMPARE(w.Reversi1->ToMove(), reversi::White);
    w.CopyPosition1->trigger();
    QCOMPARE(QApplication::clipboard()->text(), kAfterF5);
    w.Reversi1->PlayMove(reversi::F6);
    w.CopyGame1->trigger();  // a set-up game copies as GGF, which pastes back whole
    const QString ggf = QApplication::clipboard()->text();
    QVERIFY2(ggf.startsWith(QStringLiteral("(;GM[Othello]")) && ggf.contains(QStringLiteral("W[F6]")), qPrintable(ggf));
    const reversi::TGame copied = w.Reversi1->CurrentGame();
    paste(QStringLiteral("f5"));
    paste(ggf);
    QVERIFY(w.Reversi1->CurrentGame() == copied);

    paste(
        QStringLiteral("(;GM[Othello]PC[Club]PB[a]PW[b]TY[8]"
                       "BO[8 ---------------------------O*------*O--------------------------- *]"
                       "B[f5/1.5]W[d6]B[c3];)"));
    QVERIFY(!w.Reversi1->IsSetUp());
    w.CopyGame1->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("f5d6c3"));
    w.CopyPosition1->trigger();
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("------------------X--------XX------OXX-----O-------------------- O"));
    QVERIFY(failures.isEmpty());
  }

  void badPasteKeepsTheGameAndSaysWhy() {
    TMain w(Ini());
    QStringList failures;
    w.ReportFileFailure = [&](const QString& text) { failures << text; };
    w.PasteGameText(QStringLiteral("f5d6"));
    const reversi::TGame before = w.Reversi1->CurrentGame();
    for (const char* bad : {"f5 h9", "f5 f5", "hello", ""}) w.PasteGameText(QString::fromLatin1(bad));
    QCOMPARE(failures.size(), 4);
    QVERIFY2(failures[0].contains(QStringLiteral("h9")), qPrintable(failures[0]));
    QVERIFY(failures[0].contains(QStringLiteral("The current game is kept")));
    QVERIFY(w.Reversi1->CurrentGame() == before);

    // While the computer thinks a paste is not taken, and not reported.
    w.Reversi1->SetLevel(reversi::Infinite);
    bool pasteEnabled = true;
    QTimer::singleShot(150, &w, [&] {
      w.Edit1Click();
      pasteEnabled = w.Paste1->isEnabled() || w.SetUp1->isEnabled();
      w.PasteGameText(QStringLiteral("c4"));
      w.Reversi1->SetThinking(false);
    });
    w.Reversi1->SetThinking(true);
    QVERIFY(!pasteEnabled);
    QCOMPARE(failures.size(), 4);
    QCOMPARE(w.Reversi1->CurrentGame().Moves.size(), size_t{3});  // f5 d6 and the computer's move
  }

  void setUpDialogRefusesAMissingColourAndStartsFromItsPosition() {
    TSetupDialog dialog;
    dialog.SetPosition(reversi::TPosition::Standard());
    auto click = [&](int square, Qt::MouseButton button = Qt::LeftButton) {
      const int cell = dialog.Board->width() / 8;
      QTest::mouseClick(dialog.Board, button, {},
                        QPoint((square % 8) * cell + cell / 2, (square / 8) * cell + cell / 2));
    };
    dialog.resize(400, 320);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (int square : {27, 36}) click(square, Qt::RightButton);  // the white discs back to black
    QCOMPARE(dialog.Board->Position.Squares[27], int8_t{reversi::kBlack});
    dialog.accept();
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.Refusal().contains(QStringLiteral("no white disc")));

    click(27);  // d4: white again
    QVERIFY(dialog.Refusal().isEmpty());
    dialog.WhiteToMove->setChecked(true);
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.Refusal().isEmpty());

    TMain w(Ini());
    QVERIFY(w.SetUpPosition(dialog.Position()));
    QVERIFY(w.Reversi1->IsSetUp());
    QCOMPARE(w.Reversi1->ToMove(), reversi::White);
    QCOMPARE(w.Label4->text(), QStringLiteral("1"));
    w.Reversi1->SetLevel(reversi::Ply3);
    w.Reversi1->SetThinking(true);  // the computer plays White from the set-up start
    QCOMPARE(w.Reversi1->CurrentGame().Moves.size(), size_t{1});
    QVERIFY(w.Reversi1->CurrentGame().Start == dialog.Position());
    // Analysis works on copies of the game: they start where it started.
    QVERIFY(ReplayRecord(TGameRecord::Of(*w.Reversi1))->CurrentGame() == w.Reversi1->CurrentGame());
  }

  void setUpGameSavesAsGgfAndIsRefusedAsRgm() {
    TMain w(Ini());
    QStringList failures;
    w.ReportFileFailure = [&](const QString& text) { failures << text; };
    w.PasteGameText(kAfterF5);
    const reversi::TGame game = w.Reversi1->CurrentGame();
    const QString ggf = dir_.filePath(QStringLiteral("set up.GGF")), rgm = dir_.filePath(QStringLiteral("set up"));
    for (const QString& name : {ggf, rgm}) {
      w.ChooseSaveFile = [&] { return name; };
      w.SaveItemClick();
    }
    QCOMPARE(failures.size(), 1);
    QVERIFY2(failures[0].contains(QStringLiteral("set up.RGM")) && failures[0].contains(QStringLiteral("GGF")),
             qPrintable(failures[0]));
    QVERIFY(!QFile::exists(rgm + QStringLiteral(".RGM")));
    w.New1Click();
    w.OpenGameFile(ggf);
    QVERIFY(w.Reversi1->CurrentGame() == game);
  }
};

QTEST_MAIN(EditGameTest)
#include "edit_game_test.moc"
