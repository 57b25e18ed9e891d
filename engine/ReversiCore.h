// The game engine without a window: board and rules (TBoard), turn flow,
// game record and file, the computer player (its search is a TSearch of its
// own) and the speed benchmark.
// TReversi, the Qt widget, builds on it; tests, tools and benchmarks use it
// headless. Nothing here includes Qt.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "Board.h"
#include "Hooks.h"
#include "Notation.h"
#include "Search.h"

namespace reversi {

enum TLevel : int32_t {
  TimeLevel = 0,
  Ply1,
  Ply2,
  Ply3,
  Ply4,
  Ply5,
  Ply6,
  Ply7,
  Ply8,
  Ply9,
  Ply10,
  Ply11,
  Ply12,
  Infinite
};
enum TMode : int32_t { Normal = 0, TwoPlayer };
enum TToMove : int32_t { White = 0, Black };

class TReversiCore;
using TNotifyEvent = std::function<void(TReversiCore* Sender)>;
using TMoveEvent = std::function<void(TReversiCore* Sender, const std::string& Move)>;
using TPlyChange = std::function<void(TReversiCore* Sender, int Ply)>;
using TConsiderNew = std::function<void(TReversiCore* Sender, const std::string& Move, int Index, int TotalMoves)>;
using TNewBest = std::function<void(TReversiCore* Sender, const std::string& Move, double Score, bool Final)>;

// Outcome of saving or loading a game file; Reason says why it failed.
struct TFileResult {
  bool Ok = false;
  std::string Reason;
  explicit operator bool() const { return Ok; }
};

struct TScaled {
  double Score = 0.0;
  bool Final = false;
};

class TReversiCore : public TBoard {
 public:
  static constexpr int kMaxRecord = 64;

  TReversiCore();
  ~TReversiCore() override;

  // The platform services; the engine does not own them. Null restores the
  // headless ones, which do nothing but read the real clock.
  void SetHooks(THooks* hooks);
  THooks& Hooks() const { return *hooks_; }

  // ---- Published properties ----
  // The read-only ones (MainLine, WhiteDiscs, BlackDiscs, DevIdoz, Version)
  // take a write and ignore it, so stored forms that hold them load unchanged.
  int Deepest() const { return search_.Deepest(); }
  int Gamma() const { return search_.Gamma(); }
  void SetGamma(int value);  // kept only in -9999..9999
  TLevel Level() const { return level_; }
  void SetLevel(TLevel value) { level_ = value; }
  std::string MainLine() const;
  void SetMainLine(const std::string&) {}  // ignored, see above
  int MoveTime() const { return moveTime_; }
  void SetMoveTime(int value) { moveTime_ = value; }
  TToMove ToMove() const { return SideToMove == kWhite ? White : Black; }
  void SetToMove(TToMove value) { SideToMove = value == White ? kWhite : kBlack; }
  int64_t Nodes() const { return search_.Nodes(); }
  void SetNodes(int64_t value) { search_.SetNodes(value); }
  TMode Mode() const { return mode_; }
  void SetMode(TMode value) { mode_ = value; }
  int Ply() const { return search_.Ply(); }
  int WhiteDiscs() const { return DiscCount[0]; }
  void SetWhiteDiscs(int) {}  // ignored, see above
  int BlackDiscs() const { return DiscCount[1]; }
  void SetBlackDiscs(int) {}  // ignored, see above
  double DevIdoz();           // runs the one-second measurement
  void SetDevIdoz(double) {}  // ignored, see above
  bool Selective() const { return search_.Selective(); }
  void SetSelective(bool value) { search_.SetSelective(value); }
  int SelectiveDepth() const { return search_.SelectiveDepth(); }
  void SetSelectiveDepth(int value);  // kept only in 1..20
  bool Thinking() const { return thinking_; }
  void SetThinking(bool value);
  std::string Version() const { return version_; }
  void SetVersion(const std::string&) {}  // ignored, see above

  // Off by default: at TimeLevel the clock is then read only between root
  // moves, and the root move in progress always finishes, so a move can take
  // well over MoveTime. On, a TimeLevel search also stops inside a root move
  // once MoveTime has run out, as a stop request does, and starts no
  // iteration after half of MoveTime. Other levels are never affected.
  bool StrictTime() const { return strictTime_; }
  void SetStrictTime(bool value) { strictTime_ = value; }

  // ---- Events (skipped when empty) ----
  TMoveEvent OnMove;
  TNotifyEvent OnEndGame;
  TNotifyEvent OnPassRequest;
  TNotifyEvent OnComputerPass;
  TNotifyEvent OnNewGame;
  TNotifyEvent OnBeginSearch;
  TPlyChange OnPlyChange;
  TConsiderNew OnConsiderNew;
  TNewBest OnBestChange;
  TMoveEvent OnEndSearch;

  // Asked for the computer's move once its search has begun, before the
  // tree walk; a legal square it returns is played without searching, any
  // other answer leaves the move to the search. Unset, the search decides.
  std::function<int(TReversiCore& Sender)> ChooseMove;

  // ---- Turn flow ----
  void NewGame();
  void PlayMove(int square);
  void StartThinking();

  // ---- Game record and file ----
  bool CanTakeBack() const { return !thinking_ && MovesPlayed != 0; }
  bool CanMoveForward() const { return GameRecord[MovesPlayed] != 0; }
  void TakeBack();
  void MoveForward();
  TFileResult SaveGame(const std::string& fileName);
  TFileResult LoadGame(const std::string& fileName);
  // The numbers a game file holds for the current record.
  std::string RecordText() const;

  // The position the record starts from: the standard start unless a game
  // was set up from another. NewGame and ".RGM" files give the standard one;
  // a ".RGM" file cannot describe any other, so SaveGame refuses a set-up game.
  const TPosition& StartPosition() const { return start_; }
  bool IsSetUp() const { return start_ != TPosition::Standard(); }
  // The game on the board: its start and the moves played to this position.
  TGame CurrentGame() const;
  // Replaces the game by this one, all its moves played and none to come.
  // Raises no event and starts no search, as LoadGame. Refused while
  // thinking or when the moves do not replay; the current game is kept.
  TFileResult SetGame(const TGame& game);
  // A ".RGM" file, a GGF game, or text holding a move list or a board
  // string, told apart by what the file holds.
  TFileResult OpenGame(const std::string& fileName);
  // The game on the board as a GGF file.
  TFileResult SaveGgf(const std::string& fileName, const TGgfHeader& header);

  // The square of the last move played or replayed, 0 after a new game.
  int32_t JustPlayedSquare = 0;
  // The first move of the current best line.
  int BestSquare() const { return search_.MainLineMove(0); }

  // ---- The computer player ----
  static TScaled ScaleScore(int value);
  // Asks a running search to unwind at its next node and play its best move
  // so far; the request stands until the next search begins.
  void RequestStop() { search_.RequestStop(); }
  bool StopRequested() const { return search_.StopRequested(); }
  // Value of the position for colour, the side to move in it, in hundredths
  // of a disc. Leaves the board as it was. A descendant may replace it; the
  // search then values its positions with the replacement.
  virtual int Evaluate(int depth, int colour);
  TSearch& Search() { return search_; }

  // The benchmark's figure for a count of steps in one second.
  static double DevIdozFromCount(int64_t count);

  std::array<int32_t, kMaxRecord> GameRecord{};
  int32_t MovesPlayed = 0;

 private:
  void Repaint() { hooks_->Repaint(); }
  void ReplayOne(int square);
  bool SearchDone(int depth);
  void ResetToStart();
  TFileResult LoadRecordText(const std::string& text);
  void RunSearch(int colour);
  int64_t ElapsedMs() const;

  THooks* hooks_;
  TSearch search_{*this};
  TPosition start_ = TPosition::Standard();
  bool thinking_ = false;
  TLevel level_ = TimeLevel;
  int moveTime_ = 2;
  TMode mode_ = Normal;
  std::string version_ = "1.0a";

  uint32_t startTick_ = 0;
  bool strictTime_ = false;
  bool strictNow_ = false;  // the search under way keeps the time strictly
  double lastScore_ = 0.0;
  int stableCount_ = 0;
};

}  // namespace reversi
