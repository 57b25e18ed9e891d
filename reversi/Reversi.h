// TReversi: the board on the screen and the whole game behind it. The game
// itself is TReversiCore (plain C++, no view); this Qt widget keeps what the
// board shows (colours, the Show flags, the hovered square and its flip
// preview), draws it, turns mouse clicks into moves and gives the engine its
// platform services (message loop, repaint, message boxes).
//
// Searches run synchronously on the GUI thread and let Qt's event loop run
// from inside the search, so any handler of the host may run in the middle of
// one. What a host must do:
//  - To stop the computer, write SetThinking(false): the search unwinds at
//    its next check and plays its best move so far. Nothing else acts while
//    Thinking() is true (NewGame, TakeBack, ... refuse). The board does this
//    itself when the program hides it, e.g. when its window is closed.
//  - Never destroy the board, or a window that holds it, with `delete` while
//    Busy() is true: the search is still on the stack below the caller. A
//    window's close handler should call SetThinking(false) and either ignore
//    the close and close again on Idle(), or rely on deleteLater: the board
//    holds back deferred deletion of itself and of its ancestors (for example
//    a window with Qt::WA_DeleteOnClose) until the search has unwound, then
//    re-posts it.
//  - Do not put the board in a layout that stretches it: the board keeps
//    itself square at 8 x odd + 24 pixels (48 at least) and reports that side
//    as its size hint.
#pragma once

#include <QImage>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "ReversiCore.h"

class QPainter;
class TFlipAnimation;
class TReversiHooks;

namespace reversi {

// Colours laid out 0x00BBGGRR.
using TColor = uint32_t;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clGray = 0x808080;

}  // namespace reversi

class TReversi : public QWidget, public reversi::TReversiCore {
  Q_OBJECT

 public:
  using TMouseEvent =
      std::function<void(TReversi* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)>;
  using TMouseMoveEvent = std::function<void(TReversi* Sender, Qt::KeyboardModifiers Shift, int X, int Y)>;

  explicit TReversi(QWidget* parent = nullptr);
  // Asks a running search to stop. Destroying the board while Busy() is a
  // fault of the host (see above); the destructor cannot repair it.
  ~TReversi() override;

  // The host's own mouse handlers; they run before the board's.
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;

  // ---- What the board shows; a setter that changes a value repaints ----
  reversi::TColor Color() const { return color_; }
  void SetColor(reversi::TColor value);
  // Another look for the board, in the same geometry: its own colours for the
  // board, the lines and outlines, and the discs. None (the default) draws
  // the board in Color() with black lines, as it always was.
  struct TLook {
    QColor Board, Lines, BlackDisc, WhiteDisc;
    bool operator==(const TLook&) const = default;
  };
  const std::optional<TLook>& Look() const { return look_; }
  void SetLook(const std::optional<TLook>& look);
  bool ShowJustPlayed() const { return showJustPlayed_; }
  void SetShowJustPlayed(bool value);
  reversi::TColor JustPlayedColour() const { return justPlayedColour_; }
  void SetJustPlayedColour(reversi::TColor value);
  bool ShowLegal() const { return showLegal_; }
  void SetShowLegal(bool value);
  reversi::TColor ShowLegalColor() const { return showLegalColor_; }
  void SetShowLegalColor(reversi::TColor value);
  bool ShowThinking() const { return showThinking_; }
  void SetShowThinking(bool value);  // ignored while thinking
  // Read at the next paint, the pointer's next move over the board at the
  // latest.
  bool ShowFlips() const { return showFlips_; }
  void SetShowFlips(bool value) { showFlips_ = value; }

  // Analysis drawn over the board, by cell: marked squares get a ring, and a
  // square with a text shows it small in its centre. Nothing is drawn while
  // both are empty, as they are until set.
  const QList<int>& Marks() const { return marks_; }
  void SetMarks(const QList<int>& cells);
  const QMap<int, QString>& SquareTexts() const { return squareTexts_; }
  void SetSquareTexts(const QMap<int, QString>& texts);

  // The square under the pointer at its last move, 0 off the board; and the
  // discs a move there would turn, marked 1. Both clear when a move is played.
  int32_t HoverSquare = 0;
  std::array<uint8_t, reversi::kCells> FlipPreview{};

  // Off by default. On, the discs a move turns turn over on the screen
  // (FlipAnimation.h) and the computer's next search begins once they have;
  // its clock starts then too. Off, the board is drawn as it always was.
  bool AnimateFlips() const { return animateFlips_; }
  void SetAnimateFlips(bool value);
  // Discs are turning on the screen.
  bool Animating() const;

  // Diameter of one disc, recomputed at every paint and resize; always odd
  // and at least 3.
  int DiscSize() const { return discSize_; }
  // Cell index under a point of the control, 0 when the point is on no square
  // (outside the 8 x 8 area, or a control less than 8 pixels high).
  int SquareAt(int x, int y) const;
  const QImage& BoardImage() const { return boardImage_; }

  // True while a search of this board is on the call stack: from the start
  // of its tree walk until its move is played (a nested search of the pass
  // case included), while a click is being played, and while DevIdoz runs.
  bool Busy() const { return busy_ > 0; }

  // The speed measurement pumps the event loop for a second; deletion is
  // held back meanwhile, as during a search.
  double DevIdoz();

  // Disc diameter for a requested width and height; the board's side is
  // 8 discs plus 24 pixels of lines and margins.
  static int DiscSizeFor(int width, int height);

  QSize sizeHint() const override;

  // ---- The position as the board shows it ----
  // During a search's walk through its tree the cells hold positions from
  // inside it; these read the copy taken when the walk began, so they always
  // describe the position on the screen.
  const int32_t* ShownCells() const { return Shown().Cells; }
  int ShownSideToMove() const { return Shown().SideToMove; }
  int ShownDiscs(int colour) const;
  bool ShownLegal(int square) const;
  // Neither side has a move; never while a search walks its tree.
  bool ShownGameOver() const;

  // ---- Keyboard ----
  // The square of the keyboard cursor: 0 until a key has moved it, so a
  // board played by mouse alone never shows it. Arrows move it, Enter plays
  // it, a typed square name ("d3") plays that square; refused while the
  // computer thinks, as clicks are. The host gives the board focus.
  int KeyCursor() const { return keyCursor_; }
  // Hides the cursor, as when the board was new: for a position that
  // replaces the game (New, Open, Paste), where the old square means nothing.
  void ResetKeyCursor();

 signals:
  // The keyboard cursor moved to a square (screen readers follow it).
  void KeyCursorMoved(int square);
  // A click or a typed name asked for a square that is no legal move now.
  void IllegalMove(int square);
  // The discs of a move have turned over (or stopped turning) on the screen.
  void FlipsTurned();
  // Emitted from the event loop once the board is no longer busy; deletions
  // held back meanwhile have been re-posted by then.
  void Idle();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  friend class TReversiHooks;

  // What the paint reads of the position: the live cells, or the copy taken
  // when the search started walking its tree.
  struct TShown {
    const int32_t* Cells;
    int SideToMove;
    int JustPlayed;
  };
  struct TSnapshot {
    std::array<int32_t, reversi::kCells> Cells{};
    int SideToMove = 0;
    int JustPlayed = 0;
  };

  void Settle();
  void RepaintBoard();
  // Logical pixels to device pixels at one ratio; every box edge is rounded
  // on its own, so neighbouring boxes still meet.
  struct TDevice {
    qreal Ratio = 1.0;
    int operator()(int logical) const { return static_cast<int>(std::lround(logical * Ratio)); }
  };

  void DrawBoard(const TShown& shown);
  void PaintBoard(const TShown& shown, const TDevice& px);
  void DrawOverlay(QPainter& p, const TShown& shown);
  const QImage& DiscStamp(bool white, const QColor& background, const TDevice& px);
  TShown Shown() const;
  void EnterSearch();
  void LeaveSearch();
  void HoldBackDelete(QObject* object);
  void ClearFlipPreview();
  // Assistive tools see the board as a table of 64 cells (ReversiAccessible.cpp).
  static void InstallAccessibility();
  void AnnounceKeyCursor();
  void MoveKeyCursor(int square);
  void PlayFromKeyboard(int square);
  void DrawKeyCursor(QPainter& p, int pitch) const;
  // The flip animation (ReversiAnimation.cpp): started by the repaint that
  // shows a move, waited for before a search walks its tree (returns the
  // milliseconds waited), drawn over the discs it turns.
  void StartFlipAnimation();
  int64_t WaitForFlipAnimation();
  void EndFlipAnimation();
  void DrawTurningDiscs(QPainter& p, const TShown& shown, const TDevice& px, const QColor& background);
  // Repaints when value differs from field, after storing it.
  template <class T>
  void Change(T& field, T value);

  bool showJustPlayed_ = true;
  reversi::TColor justPlayedColour_ = reversi::clYellow;
  bool showLegal_ = false;
  bool showThinking_ = false;
  reversi::TColor showLegalColor_ = reversi::clRed;
  bool showFlips_ = true;
  reversi::TColor color_ = reversi::clGreen;

  QList<int> marks_;
  QMap<int, QString> squareTexts_;

  int discSize_ = 0;
  QImage boardImage_;
  // A disc of each colour with its highlight, drawn once per disc size and
  // board colour and copied onto the board: painting is the larger part of
  // what a move costs the window.
  QImage discStamps_[2];
  std::optional<TLook> look_;
  bool animateFlips_ = false;
  std::unique_ptr<TFlipAnimation> animation_;
  // The cells as the last paint showed them while the animation is on: what
  // a move is told from.
  std::array<int32_t, reversi::kCells> lastCells_{};
  std::unique_ptr<TReversiHooks> platform_;
  std::unique_ptr<TSnapshot> snapshot_;
  int busy_ = 0;
  int keyCursor_ = 0;
  QChar typedColumn_;  // the letter of a square name being typed
  // Ancestors watched for deferred deletion while busy.
  QList<QPointer<QObject>> watched_;
  // Objects whose deferred deletion arrived while busy.
  QList<QPointer<QObject>> heldBack_;
};
