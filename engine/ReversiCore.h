// The game engine without a window: board and rules (TBoard), turn flow,
// game record and file, the computer player and the speed benchmark.
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
  // Deepest level a search can reach: every empty square a move, a pass
  // between any two of them, plus the evaluation's scratch row.
  static constexpr int kMaxDepth = 128;
  static constexpr int kRowSize = 64;
  static constexpr int kLineSize = kMaxDepth + 2;
  static constexpr int kMaxRecord = 64;

  TReversiCore();
  ~TReversiCore() override;

  // The platform services; the engine does not own them. Null restores the
  // headless ones, which do nothing but read the real clock.
  void SetHooks(THooks* hooks);
  THooks& Hooks() const { return *hooks_; }

  // ---- Published properties ----
  int Deepest() const { return deepest_; }
  int Gamma() const { return gamma_; }
  void SetGamma(int value);  // kept only in -9999..9999
  TLevel Level() const { return level_; }
  void SetLevel(TLevel value) { level_ = value; }
  std::string MainLine() const;
  void SetMainLine(const std::string&) {}
  int MoveTime() const { return moveTime_; }
  void SetMoveTime(int value) { moveTime_ = value; }
  TToMove ToMove() const { return SideToMove == kWhite ? White : Black; }
  void SetToMove(TToMove value) { SideToMove = value == White ? kWhite : kBlack; }
  int64_t Nodes() const { return nodes_; }
  void SetNodes(int64_t value) { nodes_ = value; }
  TMode Mode() const { return mode_; }
  void SetMode(TMode value) { mode_ = value; }
  int Ply() const { return ply_; }
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
  bool Selective() const { return selective_; }
  void SetSelective(bool value) { selective_ = value; }
  int SelectiveDepth() const { return selectiveDepth_; }
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
  int BestSquare() const { return LineTable[0][0]; }

  // ---- Search ----
  static TScaled ScaleScore(int value);
  bool SearchDone(int depth);
  void MakeMove(int depth, int i, int colour);
  void UnmakeMove(int depth, int i);
  int GenerateMoves(int depth, int colour, int previous, bool selective);
  void SortByScore(int row, int lo, int hi);
  void PartitionNewMoves(int row, int lo, int hi);
  int AlphaBeta(int alpha, int beta, int depth, int colour, int previous, int staticValue);
  int SelectiveSearch(int alpha, int beta, int depth, int colour, int previous, int staticValue);

  // ---- Evaluation ----
  // Lists colour's legal moves into MoveList[row]: the suggestion first when
  // legal, then in the order the disc list and the direction order find
  // them. Sets SafeMoves, QuadrantMoves[colour] and SuggestionFirst.
  int FindMoves(int row, int colour, int suggestion);
  // Value of the position for colour, the side to move in it, in hundredths
  // of a disc. May use MoveList[depth] as scratch; leaves the board as it was.
  virtual int Evaluate(int depth, int colour);
  int QuadrantMovesOf(int colour, int quadrant) const { return QuadrantMoves[colour > 0 ? 1 : 0][quadrant]; }

  // Leaves of the game tree depth plies deep (a pass is a ply, a finished
  // game a leaf). Leaves the position as it was, the disc-list order aside.
  int64_t Perft(int depth);

  // The benchmark's figure for a count of steps in one second.
  static double DevIdozFromCount(int64_t count);

  // ---- Search tables ----
  std::array<std::array<int32_t, kRowSize>, kMaxDepth + 2> MoveList{};
  std::array<std::array<int32_t, kRowSize>, kMaxDepth + 2> MoveScore{};
  std::array<std::array<uint8_t, kRowSize>, kMaxDepth + 2> NewMove{};
  std::array<int32_t, kMaxDepth + 2> MoveCount{};
  std::array<std::array<int32_t, kRowSize>, kMaxDepth + 2> FlipList{};
  std::array<std::array<int32_t, kLineSize>, kMaxDepth + 2> LineTable{};
  std::array<std::array<int32_t, kCells>, 3> Refutation{};  // [colour + 1][previous move]
  std::array<std::array<int32_t, 5>, 2> QuadrantMoves{};   // [0] white, [1] black; quadrants 1..4
  int32_t SafeMoves = 0;
  bool SuggestionFirst = false;
  int32_t NodeSafe = 0;  // safe count of the last GenerateMoves

  bool StopRequested = false;

  std::array<int32_t, kMaxRecord> GameRecord{};
  int32_t MovesPlayed = 0;

 private:
  void Repaint() { hooks_->Repaint(); }
  void ReplayOne(int square);
  int64_t PerftFrom(int row, int depth, int colour);
  void CopyLine(int depth, int first);
  void RunSearch(int colour);
  int SearchRootMove(int i, int colour, int low, int high);

  THooks* hooks_;
  bool thinking_ = false;
  int deepest_ = 0;
  int gamma_ = 40;
  TLevel level_ = TimeLevel;
  int moveTime_ = 2;
  int64_t nodes_ = 0;
  TMode mode_ = Normal;
  int ply_ = 0;
  bool showJustPlayed_ = true;
  TColor justPlayedColour_ = clYellow;
  bool showLegal_ = false;
  bool showThinking_ = false;
  TColor showLegalColor_ = clRed;
  bool showFlips_ = true;
  bool selective_ = true;
  int selectiveDepth_ = 5;
  std::string version_ = "1.0a";
  TColor color_ = clGreen;

  uint32_t startTick_ = 0;
  double lastScore_ = 0.0;
  int stableCount_ = 0;
};

}  // namespace reversi
