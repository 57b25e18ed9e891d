// The main window's side panel: the "Game" box (discs, side to move or the
// result, level), the "Statistics" box (the search's progress) and the
// "Best Line" list. It mirrors what the board shows and what the engine
// reports while it searches; it keeps no game state of its own.
#pragma once

#include <QList>
#include <QStyle>
#include <QWidget>
#include <functional>
#include <string>

class QGroupBox;
class QLabel;
class QListWidget;
class QPainter;
class QTimer;
class TReversi;
class TShape;
struct TPositionValue;

class TSidePanel : public QWidget {
  Q_OBJECT

 public:
  TSidePanel(const TReversi* board, QWidget* parent);

  // "Black wins 37 : 27", "White wins 33 : 31", "Draw 32 : 32".
  static QString ResultText(int black, int white);
  // "White passes — Black to move" for passer kWhite; passes > 1 says how
  // many in a row.
  static QString PassText(int passer, int passes);

  // The "Game" box from the position on the board, also while the computer
  // searches from it. When the last move came back to its side because the
  // other side could not move, the "To Move" row says so under the side that
  // passed, until the next move.
  void ShowGame();
  // "-" in the statistics and an empty best line.
  void ResetStats();
  void SetLevelText(const QString& text);
  // The Game box's level text when another player than the levels makes
  // the computer's moves; empty when the levels do.
  std::function<QString()> PlayerText;
  // A result the rules do not give (a flag fallen): while it gives a text
  // the game is shown as over with that result.
  std::function<QString()> OutcomeText;
  // The View menu's switches: clearing Statistics resets the statistics,
  // clearing Best Line empties the list.
  void SetStatistics(bool on);
  void SetBestLine(bool on);

  // The engine's reports.
  void Moved();
  void SearchBegan();
  void PlyChanged(int ply);
  void ConsiderNew(const std::string& move, int index);
  void BestChanged(const std::string& move, double score);
  void SearchEnded();
  // The computer plays a move an exact solve found instead of searching:
  // the figures and the best line are the solve's.
  void ShowSolved(const TPositionValue& value);
  // The analyst player's progress in place of the search's: its move,
  // value, depth and nodes, and its line on top of the best line.
  void AnalystThinking(const TPositionValue& value);

  // Draws best-line entry index into rect of painter, as the list does.
  void ListBox1DrawItem(QPainter* painter, int index, const QRect& rect, QStyle::State state);

 private:
  void CreateGameBox(QGroupBox* box);
  void CreateStatisticsBox(QGroupBox* box);
  void ShowNodes();
  void ShowPasses(int passes, int passer);
  // A thinking figure changes without telling assistive tools each time;
  // they hear of the change at most once a second and when the search ends.
  void SetFigure(QLabel* label, const QString& text);
  void SayFigures();

  const TReversi* board_;
  bool statistics_ = false;
  bool bestLine_ = false;
  // A search has run since the statistics were last reset: until then the
  // engine's node count is another position's.
  bool searched_ = false;
  // The empties of this move's solve or the analyst's depth, 0 when it
  // searched, -1 for a book move.
  int solvedDepth_ = 0;
  QList<QLabel*> unsaid_;
  QTimer* sayTimer_ = nullptr;
  QListWidget* ListBox1 = nullptr;
  QLabel* WhiteMarker = nullptr;
  QLabel* BlackMarker = nullptr;
  QLabel* ToMoveCaption = nullptr;
  QLabel* ResultLabel = nullptr;  // the result, once the game is over
  QLabel* PassLabel = nullptr;    // "passes", under the side that passed
  QLabel* Label4 = nullptr;       // White's discs
  QLabel* Label5 = nullptr;       // Black's discs
  QLabel* Label6 = nullptr;       // level
  QLabel* Label11 = nullptr;      // candidate move
  QLabel* Label12 = nullptr;      // root move being considered
  QLabel* Label13 = nullptr;      // evaluation
  QLabel* Label14 = nullptr;      // iteration depth
  QLabel* Label16 = nullptr;      // root-move number, then the deepest depth
  QLabel* Label18 = nullptr;      // nodes
};
