// Help > How to Play: a short page in the window on the rules, the keys and
// what the panels beside the board show. The manual page vezari-zaduder(6)
// says the same at more length.
#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

class THowToPlay : public QDialog {
  Q_OBJECT

 public:
  // hintKey: the key that asks for a hint, as the Edit menu shows it.
  explicit THowToPlay(const QString& hintKey, QWidget* parent = nullptr);

  // The page as rich text, in the user's language.
  static QString PageText(const QString& hintKey);

  QTextBrowser* Page = nullptr;
};

// Shows the page beside parent, made on first use and kept with it.
void ShowHowToPlay(QWidget* parent, const QString& hintKey);
