#include "HowToPlay.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const QString kObjectName = QStringLiteral("HowToPlay");

QString Row(const QString& key, const QString& what) {
  return QStringLiteral("<tr><td style=\"padding-right:12px\"><b>%1</b></td><td>%2</td></tr>")
      .arg(key.toHtmlEscaped(), what.toHtmlEscaped());
}

QString Heading(const QString& text) {
  return QStringLiteral("<h3>%1</h3>").arg(text.toHtmlEscaped());
}

QString Paragraph(const QString& text) {
  return QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped());
}

}  // namespace

QString THowToPlay::PageText(const QString& hintKey) {
  QString html = Heading(tr("The rules"));
  html += Paragraph(
      tr("Black moves first. A move puts a disc on an empty square so that it encloses one or more lines of the "
         "opponent's discs, across, down or diagonally, with another disc of the mover's at the far end; every "
         "disc enclosed turns over. A side with no such move passes. When neither side can move the game is over, "
         "and whoever has more discs wins."));
  html += Paragraph(
      tr("You play the colour chosen in the File menu, New Game as Black or New Game as White, and the computer "
         "answers each move; when you play White, the computer opens the game. Press Space to have the computer "
         "play the side to move instead; Edit > Two Player lets two people share the board."));
  html += Heading(tr("The keys"));
  html += QStringLiteral("<table>");
  html += Row(tr("Click"), tr("play a legal square"));
  html += Row(tr("A letter and a digit"), tr("play the square of that name, such as d3"));
  html += Row(tr("Arrow keys, Enter"), tr("move the cursor on the board, play the square under it"));
  html += Row(tr("Space"), tr("the computer moves now, or plays the side to move"));
  html += Row(hintKey, tr("a hint: the best move is marked on the board"));
  html += Row(tr("Delete, Insert"), tr("take back a move, play it again"));
  html += Row(tr("Ctrl+L"), tr("the level: time per move, a fixed depth, or no limit"));
  html += Row(tr("Ctrl+C, Ctrl+V"), tr("copy the game as a move list, paste a game or a board"));
  html += QStringLiteral("</table>");
  html += Heading(tr("The panels"));
  html += QStringLiteral("<table>");
  html += Row(tr("Game"), tr("the discs of each side and who is to move"));
  html += Row(tr("Statistics"),
              tr("the computer's thinking: the move it considers, its best move and evaluation (in discs, for the "
                 "side it plays; positive is good for it), the depth and the positions searched"));
  html += Row(tr("Best Line"), tr("the moves it expects next, one line for each depth"));
  html += QStringLiteral("</table>");
  html += Paragraph(tr("The manual page (man vezari-zaduder) says more."));
  return html;
}

THowToPlay::THowToPlay(const QString& hintKey, QWidget* parent) : QDialog(parent) {
  setObjectName(kObjectName);
  setWindowTitle(tr("How to Play"));
  auto* column = new QVBoxLayout(this);
  Page = new QTextBrowser(this);
  Page->setAccessibleName(tr("How to Play"));
  Page->setHtml(PageText(hintKey));
  column->addWidget(Page);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  column->addWidget(buttons);
  resize(520, 560);
}

void ShowHowToPlay(QWidget* parent, const QString& hintKey) {
  auto* page = parent->findChild<THowToPlay*>(kObjectName, Qt::FindDirectChildrenOnly);
  if (!page) page = new THowToPlay(hintKey, parent);
  page->show();
  page->raise();
  page->activateWindow();
}
