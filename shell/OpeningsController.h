// The window's openings: View > Book Moves marks the opening book's moves
// on the board with their values (their game counts on hover) and names the
// opening on the status line; Edit > Practise Opening... has the computer
// follow a named line and checks the player's moves against it; File > Open
// Library... reads a collection of games and looks up every position on the
// board in it, in a panel beside the board.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Book.h"
#include "GameCollection.h"
#include "PositionIndex.h"

class QAction;
class QDockWidget;
class QMainWindow;
class QMenu;
class TLibraryPanel;
class TReversi;
namespace reversi {
class TReversiCore;
}

class TOpeningsController : public QObject {
  Q_OBJECT

 public:
  // Takes the computer's move chooser over, handing every move it does not
  // choose on to the one the board had.
  TOpeningsController(TReversi* board, QMainWindow* window);
  ~TOpeningsController() override;

  // New Balanced Game after New, Open Library before `beforeInFile`,
  // Practise Opening at the end of edit, Book Moves at the end of view.
  void AddItems(QMenu* file, QAction* beforeInFile, QMenu* edit, QMenu* view);
  // Another position is on the board, or the computer began or ended
  // thinking.
  void PositionChanged();

  void SetBookMoves(bool on);
  // The opening the game on the board follows, "" when none.
  QString OpeningName() const;

  // Reads a collection in the background; the look-up panel opens.
  void OpenLibrary(const QString& path);
  bool LibraryLoading() const { return loading_; }
  // A new game from a random balanced start found in the background by the
  // analyst; `seed` 0 picks one at random. The seed is announced, so a start
  // can be had again.
  void NewBalancedGame(uint64_t seed = 0);
  bool FindingStart() const { return findingStart_; }
  // Starts practice of the named line from a new game.
  bool Practise(const QString& name);
  bool Practising() const { return !practice_.empty(); }

  // Replaceable, so tests need no modal dialog: the library's file name
  // ("" to cancel), and the line to practise ("" to cancel).
  std::function<QString()> ChooseLibraryFile;
  std::function<QString(const QStringList& names)> ChooseLine;

 signals:
  void Status(const QString& text);
  void Announced(const QString& text);
  // A game of the library, or a new practice game, is on the board.
  void GameReplaced();
  void LibraryLoaded();

 private:
  struct TLibrary;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void ShowBookMoves();
  void ShowLibrary();
  void CheckPractice();
  int PracticeMove() const;
  void OpenLibraryGame(int gameIndex);
  void LibraryRead(std::shared_ptr<TLibrary> library, int generation);

  TReversi* board_;
  QMainWindow* window_;
  QAction* BookMoves1 = nullptr;
  QAction* OpenLibrary1 = nullptr;
  QAction* PractiseOpening1 = nullptr;
  QAction* NewBalanced1 = nullptr;
  bool findingStart_ = false;
  QDockWidget* libraryDock_ = nullptr;
  TLibraryPanel* libraryPanel_ = nullptr;
  std::shared_ptr<TLibrary> library_;
  int generation_ = 0;
  bool loading_ = false;
  std::vector<reversi::openings::TBookMove> bookMoves_;
  std::vector<int> practice_;  // the line's moves as cells; empty when not practising
  QString practiceName_;
  size_t practiceChecked_ = 0;  // moves of the game already checked against the line
  std::function<int(reversi::TReversiCore&)> nextChooser_;
};
