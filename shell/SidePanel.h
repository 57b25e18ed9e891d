// The main window's side panel: the "Game" box (discs, side to move or the
// result, level), the "Statistics" box (the search's progress) and the
// "Best Line" list. It mirrors what the board shows and what the engine
// reports while it searches; it keeps no game state of its own.
#pragma once

#include <QStyle>
#include <QWidget>
#include <string>

class QGroupBox;
class QLabel;
class QListWidget;
class QPainter;
class TReversi;
class TShape;

class TSidePanel : public QWidget {
  Q_OBJECT

 public:
  TSidePanel(const TReversi* board, QWidget* parent);

  // "Black wins 37 : 27", "White wins 33 : 31", "Draw 32 : 32".
  static QString ResultText(int black, int white);

  // The "Game" box from the position on the board, also while the computer
  // searches from it.
  void ShowGame();
  // "-" in the statistics and an empty best line.
  void ResetStats();
  void SetLevelText(const QString& text);
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

  // Draws best-line entry index into rect of painter, as the list does.
  void ListBox1DrawItem(QPainter* painter, int index, const QRect& rect, QStyle::State state);

 private:
  void CreateGameBox(QGroupBox* box);
  void CreateStatisticsBox(QGroupBox* box);
  void ShowNodes();

  const TReversi* board_;
  bool statistics_ = false;
  bool bestLine_ = false;
  QListWidget* ListBox1 = nullptr;
  QLabel* WhiteMarker = nullptr;
  QLabel* BlackMarker = nullptr;
  QLabel* ToMoveCaption = nullptr;
  QLabel* ResultLabel = nullptr;  // the result, once the game is over
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
