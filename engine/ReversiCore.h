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
#include "Search.h"

namespace reversi {

enum TLevel : int32_t {
  TimeLevel = 0, Ply1, Ply2, Ply3, Ply4, Ply5, Ply6, Ply7, Ply8, Ply9, Ply10, Ply11, Ply12, Infinite
};
enum TMode : int32_t { Normal = 0, TwoPlayer };
enum TToMove : int32_t { White = 0, Black };

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
  int Deepest() const { return search_.Deepest(); }
  int Gamma() const { return search_.Gamma(); }
  void SetGamma(int value);  // kept only in -9999..9999
  TLevel Level() const { return level_; }
  void SetLevel(TLevel value) { level_ = value; }
  std::string MainLine() const;
  void SetMainLine(const std::string&) {}
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
  void SetWhiteDiscs(int) {}
  int BlackDiscs() const { return DiscCount[1]; }
  void SetBlackDiscs(int) {}
  bool ShowJustPlayed() const { return showJustPlayed_; }
  void SetShowJustPlayed(bool value);
  TColor JustPlayedColour() const { return justPlayedColour_; }
  void SetJustPlayedColour(TColor value);
  double DevIdoz();  // runs the one-second measurement
  void SetDevIdoz(double) {}
  bool ShowLegal() const { return showLegal_; }
  void SetShowLegal(bool value);
  bool ShowThinking() const { return showThinking_; }
  void SetShowThinking(bool value);  // ignored while thinking
  TColor ShowLegalColor() const { return showLegalColor_; }
  void SetShowLegalColor(TColor value);
  bool ShowFlips() const { return showFlips_; }
  void SetShowFlips(bool value) { showFlips_ = value; }
  bool Selective() const { return search_.Selective(); }
  void SetSelective(bool value) { search_.SetSelective(value); }
  int SelectiveDepth() const { return search_.SelectiveDepth(); }
  void SetSelectiveDepth(int value);  // kept only in 1..20
  bool Thinking() const { return thinking_; }
  void SetThinking(bool value);
  std::string Version() const { return version_; }
  void SetVersion(const std::string&) {}
  TColor Color() const { return color_; }
  void SetColor(TColor value);

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

  // ---- View state shared with the board view ----
  int32_t JustPlayedSquare = 0;
  int32_t HoverSquare = 0;
  // The first move of the current best line, ringed while thinking.
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
  void RunSearch(int colour);

  THooks* hooks_;
  TSearch search_{*this};
  bool thinking_ = false;
  TLevel level_ = TimeLevel;
  int moveTime_ = 2;
  TMode mode_ = Normal;
  bool showJustPlayed_ = true;
  TColor justPlayedColour_ = clYellow;
  bool showLegal_ = false;
  bool showThinking_ = false;
  TColor showLegalColor_ = clRed;
  bool showFlips_ = true;
  std::string version_ = "1.0a";
  TColor color_ = clGreen;

  uint32_t startTick_ = 0;
  double lastScore_ = 0.0;
  int stableCount_ = 0;
};

}  // namespace reversi
