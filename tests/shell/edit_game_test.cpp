// The game through the clipboard and the set-up board: what each kind of
// pasted text makes of the game, what Copy puts on the clipboard, that a bad
// paste or one while thinking keeps the game, and the set-up dialog's OK.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "AnalysisWorker.h"
#include "Sdimain.h"
#include "SetupDialog.h"
#include "WindowParts.h"

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
    w.Files().ReportFileFailure = [&](const QString& text) { failures << text; };
    auto paste = [&](const QString& text) {
      QApplication::clipboard()->setText(text);
      Part<QAction>(w, "Paste1")->trigger();
    };

    paste(QStringLiteral("1. F5 d6\n2. c3"));
    QCOMPARE(w.Board()->CurrentGame().Moves.size(), size_t{3});
    QCOMPARE(Part<QLabel>(w, "Label5")->text(), QStringLiteral("5"));  // black discs after f5 d6 c3
    Part<QAction>(w, "CopyGame1")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("f5d6c3"));

    paste(kAfterF5);
    QVERIFY(w.Board()->IsSetUp());
    QVERIFY(w.Board()->CurrentGame().Moves.empty());
    QCOMPARE(w.Board()->ToMove(), reversi::White);
    Part<QAction>(w, "CopyPosition1")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), kAfterF5);
    w.Board()->PlayMove(reversi::F6);
    Part<QAction>(w, "CopyGame1")->trigger();  // a set-up game copies as GGF, which pastes back whole
    const QString ggf = QApplication::clipboard()->text();
    QVERIFY2(ggf.startsWith(QStringLiteral("(;GM[Othello]")) && ggf.contains(QStringLiteral("W[F6]")), qPrintable(ggf));
    const reversi::TGame copied = w.Board()->CurrentGame();
    paste(QStringLiteral("f5"));
    paste(ggf);
    QVERIFY(w.Board()->CurrentGame() == copied);

    paste(
        QStringLiteral("(;GM[Othello]PC[Club]PB[a]PW[b]TY[8]"
                       "BO[8 ---------------------------O*------*O--------------------------- *]"
                       "B[f5/1.5]W[d6]B[c3];)"));
    QVERIFY(!w.Board()->IsSetUp());
    Part<QAction>(w, "CopyGame1")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("f5d6c3"));
    Part<QAction>(w, "CopyPosition1")->trigger();
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("------------------X--------XX------OXX-----O-------------------- O"));
    QVERIFY(failures.isEmpty());
  }

  // A paste leaves nothing of the game before it in the panels; the best
  // line shows a line found again at the same depth once.
  void pasteClearsThePanelsOfTheGameBefore() {
    TMain w(Ini());
    for (const char* item : {"BestLine1", "Statistics1"})
      if (!Part<QAction>(w, item)->isChecked()) Part<QAction>(w, item)->trigger();
    w.Board()->OnEndGame(w.Board());
    const QString result = Part<QLabel>(w, "StatusLine")->text();
    QVERIFY(result.contains(QStringLiteral("2 : 2")));
    for (int i = 0; i < 3; ++i) w.Board()->OnBestChange(w.Board(), "D3", 1.5, true);
    QCOMPARE(Part<QListWidget>(w, "ListBox1")->count(), 1);
    w.Files().PasteGameText(QStringLiteral("f5d6"));
    QCOMPARE(Part<QLabel>(w, "StatusLine")->text(), QString());
    QCOMPARE(Part<QListWidget>(w, "ListBox1")->count(), 0);
    QCOMPARE(Part<QLabel>(w, "Label11")->text(), QStringLiteral("-"));
  }

  void badPasteKeepsTheGameAndSaysWhy() {
    TMain w(Ini());
    QStringList failures;
    w.Files().ReportFileFailure = [&](const QString& text) { failures << text; };
    w.Files().PasteGameText(QStringLiteral("f5d6"));
    const reversi::TGame before = w.Board()->CurrentGame();
    for (const char* bad : {"f5 h9", "f5 f5", "hello", ""}) w.Files().PasteGameText(QString::fromLatin1(bad));
    QCOMPARE(failures.size(), 4);
    QVERIFY2(failures[0].contains(QStringLiteral("h9")), qPrintable(failures[0]));
    QVERIFY(failures[0].contains(QStringLiteral("The current game is kept")));
    QVERIFY(w.Board()->CurrentGame() == before);

    // While the computer thinks a paste is not taken, and not reported.
    w.Board()->SetLevel(reversi::Infinite);
    bool pasteEnabled = true;
    QTimer::singleShot(150, &w, [&] {
      emit Part<QMenu>(w, "Edit1")->aboutToShow();
      pasteEnabled = Part<QAction>(w, "Paste1")->isEnabled() || Part<QAction>(w, "SetUp1")->isEnabled();
      w.Files().PasteGameText(QStringLiteral("c4"));
      w.Board()->SetThinking(false);
    });
    w.Board()->SetThinking(true);
    QVERIFY(!pasteEnabled);
    QCOMPARE(failures.size(), 4);
    QCOMPARE(w.Board()->CurrentGame().Moves.size(), size_t{3});  // f5 d6 and the computer's move
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
    QVERIFY(w.Files().SetUpPosition(dialog.Position()));
    QVERIFY(w.Board()->IsSetUp());
    QCOMPARE(w.Board()->ToMove(), reversi::White);
    QCOMPARE(Part<QLabel>(w, "Label4")->text(), QStringLiteral("1"));
    w.Board()->SetLevel(reversi::Ply3);
    w.Board()->SetThinking(true);  // the computer plays White from the set-up start
    QCOMPARE(w.Board()->CurrentGame().Moves.size(), size_t{1});
    QVERIFY(w.Board()->CurrentGame().Start == dialog.Position());
    // Analysis works on copies of the game: they start where it started.
    QVERIFY(ReplayRecord(TGameRecord::Of(*w.Board()))->CurrentGame() == w.Board()->CurrentGame());
  }

  // The open dialog's first filter lists every game file it reads.
  void openDialogStartsOnEveryGame() {
    const QString first = TGameFiles::OpenFilters().section(QStringLiteral(";;"), 0, 0);
    for (const char* pattern : {"*.rgm", "*.RGM", "*.ggf", "*.GGF", "*.txt", "*.TXT"})
      QVERIFY2(first.contains(QLatin1String(pattern)), pattern);
  }

  void setUpGameSavesAsGgfAndIsRefusedAsRgm() {
    TMain w(Ini());
    QStringList failures;
    w.Files().ReportFileFailure = [&](const QString& text) { failures << text; };
    w.Files().PasteGameText(kAfterF5);
    const reversi::TGame game = w.Board()->CurrentGame();
    const QString ggf = dir_.filePath(QStringLiteral("set up.GGF")), rgm = dir_.filePath(QStringLiteral("set up"));
    // The dialog starts on GGF; the second time the user picks ".RGM".
    bool startedOnGgf = true;
    for (const QString& name : {ggf, rgm}) {
      w.Files().ChooseSaveFile = [&] {
        startedOnGgf = startedOnGgf && w.Files().SaveAsGgf;
        w.Files().SaveAsGgf = name == ggf;
        return name;
      };
      w.Files().SaveItemClick();
    }
    QVERIFY(startedOnGgf);
    QCOMPARE(failures.size(), 1);
    QVERIFY2(failures[0].contains(QStringLiteral("set up.RGM")) && failures[0].contains(QStringLiteral("GGF")),
             qPrintable(failures[0]));
    QVERIFY(!QFile::exists(rgm + QStringLiteral(".RGM")));
    Part<QAction>(w, "New1")->trigger();
    w.Files().OpenGameFile(ggf);
    QVERIFY(w.Board()->CurrentGame() == game);
  }
};

QTEST_MAIN(EditGameTest)
#include "edit_game_test.moc"
