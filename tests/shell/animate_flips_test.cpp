// View > Animate Flips: off and unwritten until chosen, then kept.
#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "IniStore.h"
#include "Reversi.h"
#include "Sdimain.h"

class AnimateFlipsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::string Path() const { return QFile::encodeName(dir_.filePath("Reversi.ini")).toStdString(); }

 private slots:
  void initTestCase() { qputenv("XDG_CACHE_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("cache")))); }

  void offUntilChosenThenKept() {
    {
      TMain w(Path());
      QVERIFY(!w.Board()->AnimateFlips());
      QVERIFY(!w.findChild<QAction*>(QStringLiteral("AnimateFlips1"))->isChecked());
      QVERIFY(w.close());
    }
    QVERIFY(!TIniStore(Path()).ReadString("Animation", "Flips"));
    {
      TMain w(Path());
      w.findChild<QAction*>(QStringLiteral("AnimateFlips1"))->trigger();
      QVERIFY(w.Board()->AnimateFlips());
      QVERIFY(w.close());
    }
    TMain again(Path());
    QVERIFY(again.Board()->AnimateFlips());
    QVERIFY(again.findChild<QAction*>(QStringLiteral("AnimateFlips1"))->isChecked());
  }
};

QTEST_MAIN(AnimateFlipsTest)
#include "animate_flips_test.moc"
