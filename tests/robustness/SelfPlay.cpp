#include "SelfPlay.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <ostream>
#include <random>
#include <sstream>

#include "EngineState.h"
#include "GameFileOracle.h"
#include "ReferenceRules.h"
#include "ReversiCore.h"

namespace vztest {

using namespace reversi;

namespace {

struct TPlayer {
  TLevel Level = Ply1;
  int Gamma = 40;
  int SelectiveDepth = 5;
  bool Selective = true;
};

// The window's side of the engine, played by the harness: message boxes are
// counted (handlers are attached, so none should appear), and the message
// loop the search lets run is where the harness interrupts it.
class THarnessHooks : public THooks {
 public:
  std::function<void()> OnProcess;
  int Messages = 0;
  void ProcessMessages() override {
    if (OnProcess) OnProcess();
  }
  void ShowMessage(const std::string&) override { ++Messages; }
  void ShowPassBox() override { ++Messages; }
};

struct TSaved {
  std::string File;
  std::string Text;
  std::vector<int> Moves;  // the whole record, forward moves included
  int Current = 0;
  TEngineState State;
};

class TSelfPlayGame {
 public:
  TSelfPlayGame(uint64_t seed, int maxLevel, const TTempDir& dir, TSelfPlayStats& stats)
      : seed_(seed), maxLevel_(maxLevel), dir_(dir), stats_(stats), rng_(seed) {}

  void Play();

 private:
  // Chance p, 0..1.
  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
  int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  TPlayer RandomPlayer();
  void Apply(const TPlayer& p);
  void Fail(const std::string& why);
  bool Over() const { return e_.FlipPotential(kBlack) == 0 && e_.FlipPotential(kWhite) == 0; }

  void Attach();
  void Moved(const std::string& name);
  void CheckRecordModel(const std::string& where);
  void FullCheck(const std::string& where);
  void Interrupt();

  void ComputerMove();
  void HumanMove();
  void TakeBacks(int count);
  void Forwards(int count);
  void Save();
  void LoadSaved();
  void LoadBroken();
  void RefusedSave();
  std::string Damage(std::string text);

  const uint64_t seed_;
  const int maxLevel_;
  const TTempDir& dir_;
  TSelfPlayStats& stats_;
  std::mt19937_64 rng_;
  THarnessHooks hooks_;
  TReversiCore e_;
  TReversiCore replica_;
  TPlayer players_[2];  // [0] white, [1] black

  std::vector<int> model_;  // the record as it should be, forward moves included
  int current_ = 0;         // MovesPlayed as it should be
  bool lastMoveEnded_ = false;
  int64_t expectedEnds_ = 0, endEvents_ = 0;
  int64_t movesThisGame_ = 0;
  int rewinds_ = 6;  // take-backs and loads left, so that every game ends
  std::vector<TSaved> saved_;
  std::string guardFile_, guardText_;
  int64_t processCalls_ = 0, interruptAt_ = 0;
  bool interrupting_ = false;
  bool failed_ = false;
  std::string step_;
};

TPlayer TSelfPlayGame::RandomPlayer() {
  TPlayer p;
  p.Level = static_cast<TLevel>(Ply1 + Between(0, maxLevel_ - 1));
  const double r = std::uniform_real_distribution<double>(0, 1)(rng_);
  if (r < 0.6)
    p.Gamma = Between(0, 3000);
  else if (r < 0.8)
    p.Gamma = Between(-9999, 9999);
  else
    p.Gamma = std::array{-9999, -1, 0, 1, 40, 1500, 9999}[Between(0, 6)];
  p.SelectiveDepth = Between(1, 20);
  p.Selective = Chance(0.7);
  return p;
}

void TSelfPlayGame::Apply(const TPlayer& p) {
  e_.SetLevel(p.Level);
  e_.SetGamma(p.Gamma);
  e_.SetSelectiveDepth(p.SelectiveDepth);
  e_.SetSelective(p.Selective);
  if (e_.Gamma() != p.Gamma || e_.SelectiveDepth() != p.SelectiveDepth) Fail("a setting in range was not stored");
  // Out-of-range writes are ignored.
  if (Chance(0.1)) {
    e_.SetGamma(std::array{10000, -10000, 123456, INT32_MIN}[Between(0, 3)]);
    e_.SetSelectiveDepth(std::array{0, 21, -5, INT32_MAX}[Between(0, 3)]);
    if (e_.Gamma() != p.Gamma || e_.SelectiveDepth() != p.SelectiveDepth) Fail("an out-of-range setting was stored");
  }
}

void TSelfPlayGame::Fail(const std::string& why) {
  if (failed_) return;
  failed_ = true;
  std::ostringstream text;
  text << "seed " << seed_ << ", move " << e_.MovesPlayed << ", " << step_ << ": " << why << " [record "
       << e_.RecordText() << "; replay with vezari-selfplay --games 1 --seed " << seed_ << "]";
  stats_.Failures.push_back(text.str());
}

void TSelfPlayGame::Attach() {
  e_.SetHooks(&hooks_);
  hooks_.OnProcess = [this] {
    if (interruptAt_ && ++processCalls_ == interruptAt_) Interrupt();
  };
  e_.OnMove = [this](TReversiCore*, const std::string& name) { Moved(name); };
  e_.OnEndGame = [this](TReversiCore*) {
    ++endEvents_;
    if (!lastMoveEnded_) Fail("OnEndGame although a side can still move");
  };
  auto passCheck = [this](const char* event) {
    ++stats_.Passes;
    const int mover = e_.Cells[e_.JustPlayedSquare];
    if (e_.SideToMove != mover || e_.FlipPotential(mover) == 0 || e_.FlipPotential(-mover) != 0)
      Fail(std::string(event) + " although the pass rule does not apply");
  };
  e_.OnPassRequest = [passCheck](TReversiCore*) { passCheck("OnPassRequest"); };
  e_.OnComputerPass = [passCheck](TReversiCore*) { passCheck("OnComputerPass"); };
  e_.OnBeginSearch = [this](TReversiCore*) { ++stats_.Searches; };
  e_.OnNewGame = [this](TReversiCore*) {
    if (interrupting_) Fail("NewGame was not refused during a search");
    model_.clear();
    current_ = 0;
  };
}

// After every move, by either player, still inside PlayMove: the move must
// be legal under the reference rules and the board must agree with them.
void TSelfPlayGame::Moved(const std::string& name) {
  ++stats_.Moves;
  ++movesThisGame_;
  if (e_.Thinking()) {
    ++stats_.ComputerMoves;
    stats_.Nodes += e_.Nodes();
  }
  const auto cells = ParseSquares(name);
  if (!cells || cells->size() != 1 || (*cells)[0] != e_.JustPlayedSquare)
    return Fail("OnMove named \"" + name + "\" for square " + std::to_string(e_.JustPlayedSquare));
  model_.resize(current_);
  model_.push_back((*cells)[0]);
  ++current_;
  CheckRecordModel("after the move " + name);
  std::string why;
  const auto ref = Replay(std::vector<int>(model_.begin(), model_.begin() + current_), &why);
  if (!ref) return Fail("an illegal move was played: " + why);
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 8; ++c)
      if (e_.Cells[CellOf(r, c)] != ref->At(r, c))
        return Fail("after " + name + " square " + SquareName(CellOf(r, c)) + " is wrong");
  if (std::string d = e_.CheckConsistency(); !d.empty()) Fail("after " + name + ": " + d);
  lastMoveEnded_ = ref->Over();
  expectedEnds_ += lastMoveEnded_;
}

void TSelfPlayGame::CheckRecordModel(const std::string& where) {
  if (e_.MovesPlayed != current_)
    return Fail(where + ": MovesPlayed is " + std::to_string(e_.MovesPlayed) + ", should be " +
                std::to_string(current_));
  for (size_t i = 0; i < model_.size(); ++i)
    if (e_.GameRecord[i] != model_[i]) return Fail(where + ": record entry " + std::to_string(i) + " is wrong");
  if (e_.GameRecord[model_.size()] != 0) return Fail(where + ": the record does not end after its last move");
  if (e_.CanMoveForward() != (current_ < static_cast<int>(model_.size()))) Fail(where + ": CanMoveForward is wrong");
}

// Everything that must hold while the engine is idle.
void TSelfPlayGame::FullCheck(const std::string& where) {
  if (failed_) return;
  ++stats_.Checks;
  if (e_.Thinking()) return Fail(where + ": still thinking");
  if (hooks_.Messages) return Fail(where + ": a message box came although handlers are attached");
  if (endEvents_ != expectedEnds_)
    return Fail(where + ": " + std::to_string(expectedEnds_) + " moves ended the game but OnEndGame came " +
                std::to_string(endEvents_) + " times");
  CheckRecordModel(where);
  if (std::string d = e_.CheckConsistency(); !d.empty()) return Fail(where + ": " + d);
  std::string why;
  if (!Replay(model_, &why)) return Fail(where + ": the forward moves are not a legal game: " + why);
  const auto ref = Replay(std::vector<int>(model_.begin(), model_.begin() + current_), &why);
  if (!ref) return Fail(where + ": " + why);
  if (std::string d = Compare(*ref, e_); !d.empty()) return Fail(where + ": " + d);
  const bool over = Over();
  if (over != ref->Over()) return Fail(where + ": the engine and the rules disagree on the game being over");
  if (!over && e_.FlipPotential(e_.SideToMove) == 0) return Fail(where + ": the side to move has no move");
  if (e_.CanTakeBack() != (current_ > 0)) return Fail(where + ": CanTakeBack is wrong");

  // The record replays: saved, then loaded by a second engine (holding the
  // previous check's game), it gives the same position.
  const std::string file = dir_.File("check.rgm");
  if (auto r = e_.SaveGame(file); !r) return Fail(where + ": saving failed: " + r.Reason);
  const auto text = ReadText(file);
  if (!text || *text != e_.RecordText()) return Fail(where + ": the file does not hold the record's numbers");
  if (auto r = replica_.LoadGame(file); !r) return Fail(where + ": the saved game does not load: " + r.Reason);
  if (replica_.Cells != e_.Cells || replica_.MovesPlayed != e_.MovesPlayed ||
      (!over && replica_.SideToMove != e_.SideToMove))
    return Fail(where + ": the saved game loads to another position");
  for (int i = 0; i < current_; ++i)
    if (replica_.GameRecord[i] != e_.GameRecord[i]) return Fail(where + ": the saved game loads another record");
  if (std::string d = replica_.CheckConsistency(); !d.empty()) return Fail(where + ": loaded copy: " + d);
}

// What a window might do while the computer thinks: every operation that
// would change the game must be refused, and "Move Now" must end the search
// with a legal move.
void TSelfPlayGame::Interrupt() {
  ++stats_.Interruptions;
  if (!e_.Thinking()) return Fail("the message loop ran outside a search");
  if (e_.CanTakeBack()) Fail("CanTakeBack while thinking");
  interrupting_ = true;
  e_.NewGame();
  e_.TakeBack();
  e_.MoveForward();
  e_.SetThinking(true);
  interrupting_ = false;
  if (e_.SaveGame(guardFile_)) Fail("SaveGame while thinking reported success");
  if (e_.LoadGame(guardFile_)) Fail("LoadGame while thinking reported success");
  if (ReadText(guardFile_) != guardText_) Fail("SaveGame while thinking changed the file");
  CheckRecordModel("during a search");
  if (Chance(0.5)) {
    ++stats_.MoveNows;
    e_.SetThinking(false);
    if (!e_.Thinking() || !e_.StopRequested()) Fail("Move Now did not ask the search to stop");
  }
}

void TSelfPlayGame::ComputerMove() {
  step_ = "computer move";
  const int side = e_.SideToMove > 0 ? 1 : 0;
  if (Chance(0.05)) players_[side] = RandomPlayer();
  Apply(players_[side]);
  processCalls_ = 0;
  interruptAt_ = Chance(0.1) ? Between(1, 400) : 0;
  const int64_t before = stats_.Moves;
  e_.SetThinking(true);
  interruptAt_ = 0;
  if (stats_.Moves == before) Fail("the computer was to move but played nothing");
}

void TSelfPlayGame::HumanMove() {
  step_ = "human move";
  // A click on a square that is not legal changes nothing and raises nothing.
  const TEngineState before = TEngineState::Of(e_);
  const int64_t moves = stats_.Moves;
  int illegal = Between(0, 90);
  for (int tries = 0; tries < 100 && e_.IsLegal(illegal); ++tries) illegal = Between(0, 90);
  if (!e_.IsLegal(illegal)) {
    e_.PlayMove(illegal);
    if (std::string d = Difference(before, TEngineState::Of(e_)); !d.empty() || stats_.Moves != moves)
      return Fail("PlayMove(" + std::to_string(illegal) + ") on a square that is not legal changed the game: " + d);
  }
  std::vector<int> legal;
  for (int sq = 10; sq <= 80; ++sq)
    if (IsPlayingSquare(sq) && e_.IsLegal(sq)) legal.push_back(sq);
  if (legal.empty()) return Fail("the side to move has no legal square");
  // In Normal mode the computer answers at once with the other side's settings.
  Apply(players_[e_.SideToMove > 0 ? 0 : 1]);
  e_.PlayMove(legal[Between(0, static_cast<int>(legal.size()) - 1)]);
}

void TSelfPlayGame::TakeBacks(int count) {
  step_ = "take-back";
  for (int i = 0; i < count; ++i) {
    const bool can = e_.CanTakeBack();
    e_.TakeBack();
    if (can) {
      --current_;
      ++stats_.TakeBacks;
    }
    CheckRecordModel("after a take-back");
  }
}

void TSelfPlayGame::Forwards(int count) {
  step_ = "move forward";
  for (int i = 0; i < count; ++i) {
    const bool can = e_.CanMoveForward();
    const TEngineState before = TEngineState::Of(e_);
    e_.MoveForward();
    if (can) {
      ++current_;
      ++stats_.Forwards;
    } else if (std::string d = Difference(before, TEngineState::Of(e_)); !d.empty()) {
      return Fail("MoveForward with nothing to replay changed the game: " + d);
    }
    CheckRecordModel("after a forward move");
  }
}

void TSelfPlayGame::Save() {
  step_ = "save";
  TSaved s;
  s.File = dir_.File("save" + std::to_string(Between(0, 7)) + ".rgm");  // sometimes over an earlier save
  if (auto r = e_.SaveGame(s.File); !r) return Fail("saving failed: " + r.Reason);
  ++stats_.Saves;
  const auto text = ReadText(s.File);
  if (!text || *text != e_.RecordText()) return Fail("the saved file does not hold the record's numbers");
  s.Text = *text;
  s.Moves = model_;
  s.Current = current_;
  s.State = TEngineState::Of(e_);
  std::erase_if(saved_, [&](const TSaved& old) { return old.File == s.File; });
  saved_.push_back(std::move(s));
}

void TSelfPlayGame::LoadSaved() {
  step_ = "load";
  const TSaved& s = saved_[Between(0, static_cast<int>(saved_.size()) - 1)];
  if (auto r = e_.LoadGame(s.File); !r) return Fail("a saved game does not load: " + r.Reason + " [" + s.Text + "]");
  ++stats_.Loads;
  model_.assign(s.Moves.begin(), s.Moves.begin() + s.Current);  // moves after the current one are dropped
  current_ = s.Current;
  if (e_.Cells != s.State.Cells) return Fail("a saved game loads to another position [" + s.Text + "]");
  if (!Over() && e_.SideToMove != s.State.SideToMove) return Fail("a saved game loads with the wrong side to move");
}

// One of the ways a game file gets damaged: a number changed or made
// unreadable, the text cut short or padded, moves swapped or repeated, the
// count or the current move out of range, stray bytes.
std::string TSelfPlayGame::Damage(std::string text) {
  std::vector<std::string> tokens;
  std::istringstream in(text);
  for (std::string t; in >> t;) tokens.push_back(t);
  if (tokens.empty()) tokens.push_back("0");
  auto any = [&] { return static_cast<size_t>(Between(0, static_cast<int>(tokens.size()) - 1)); };
  auto join = [&] {
    std::string out;
    for (size_t i = 0; i < tokens.size(); ++i) out += (i ? " " : "") + tokens[i];
    return out;
  };
  switch (Between(0, 9)) {
    case 0:
      tokens[any()] = std::to_string(Between(-100, 200));
      return join();
    case 1:
      tokens[any()] = std::array<const char*, 9>{"x", "1.5", "0x1F", "99999999999", "--",
                                                 "+", "3e1", "\x01", "2147483648"}[Between(0, 8)];
      return join();
    case 2:
      return text.substr(0, Between(0, static_cast<int>(text.size())));
    case 3:
      tokens.push_back(std::to_string(Between(-5, 90)));
      return join() + (Chance(0.5) ? "\n" : "  \t");
    case 4:
      if (tokens.size() > 3)
        std::swap(tokens[1 + any() % (tokens.size() - 2)], tokens[1 + any() % (tokens.size() - 2)]);
      return join();
    case 5:
      if (tokens.size() > 2)
        tokens.insert(tokens.begin() + 1 + any() % (tokens.size() - 1), tokens[1 + any() % (tokens.size() - 1)]);
      return join();
    case 6:
      tokens.back() = std::to_string(std::array{-1, 61, 64, 65, Between(0, 60)}[Between(0, 4)]);
      return join();
    case 7:
      tokens.front() = std::to_string(std::array{-1, 61, 64, 1000, Between(0, 60)}[Between(0, 4)]);
      return join();
    case 8:
      text.insert(Between(0, static_cast<int>(text.size())), 1, static_cast<char>(Between(0, 255)));
      return text;
    default:
      return std::string(Between(0, 3), ' ') + join() + "\r\n";
  }
}

void TSelfPlayGame::LoadBroken() {
  step_ = "load a damaged file";
  const std::string base =
      !saved_.empty() && Chance(0.5) ? saved_[Between(0, static_cast<int>(saved_.size()) - 1)].Text : e_.RecordText();
  const std::string text = Damage(base);
  const std::string file = dir_.File("damaged.rgm");
  if (!WriteText(file, text)) return Fail("cannot write " + file);
  const TEngineState before = TEngineState::Of(e_);
  const auto expected = ExpectedLoad(text);
  const auto result = e_.LoadGame(file);
  if (!result) {
    ++stats_.BrokenRejected;
    if (expected) return Fail("a loadable file was refused (" + result.Reason + "): [" + text + "]");
    if (std::string d = Difference(before, TEngineState::Of(e_)); !d.empty())
      return Fail("a refused file changed the game: " + d + " [" + text + "]");
    return;
  }
  ++stats_.BrokenAccepted;
  --rewinds_;
  if (!expected) return Fail("a file that cannot be replayed was accepted: [" + text + "]");
  model_ = expected->Moves;
  current_ = static_cast<int>(model_.size());
}

void TSelfPlayGame::RefusedSave() {
  step_ = "save into a missing folder";
  const TEngineState before = TEngineState::Of(e_);
  const std::string file = Chance(0.5) ? dir_.File("no-such-folder/game.rgm") : dir_.Path();
  if (e_.SaveGame(file)) return Fail("saving to " + file + " reported success");
  ++stats_.RefusedSaves;
  if (std::string d = Difference(before, TEngineState::Of(e_)); !d.empty())
    Fail("a failed save changed the game: " + d);
}

void TSelfPlayGame::Play() {
  Attach();
  guardFile_ = dir_.File("guard.rgm");
  guardText_ = "3 51 60 59 3";
  WriteText(guardFile_, guardText_);
  e_.SetMode(Chance(0.25) ? Normal : TwoPlayer);
  players_[0] = RandomPlayer();
  players_[1] = RandomPlayer();
  step_ = "new game";
  e_.NewGame();
  FullCheck("at the start");

  for (int steps = 0; !failed_; ++steps) {
    if (steps > 3000) return Fail("the game does not end");
    if (Over()) {
      if (rewinds_ > 0 && Chance(0.25)) {
        --rewinds_;
        const int back = Between(1, 8);
        TakeBacks(back);
        if (Chance(0.5)) Forwards(Between(1, back));
        FullCheck("after taking back from the end");
        continue;
      }
      break;
    }
    const double r = std::uniform_real_distribution<double>(0, 1)(rng_);
    if (r < 0.05 && rewinds_ > 0) {
      --rewinds_;
      const int back = Between(1, 5);
      TakeBacks(back);
      if (Chance(0.6)) Forwards(Between(1, back + 1));  // one more than there is, now and then
    } else if (r < 0.06) {
      Forwards(1);
    } else if (r < 0.09) {
      Save();
    } else if (r < 0.11 && rewinds_ > 0 && !saved_.empty()) {
      --rewinds_;
      LoadSaved();
    } else if (r < 0.14 && rewinds_ > 0) {
      LoadBroken();
    } else if (r < 0.15) {
      RefusedSave();
    } else if (r < 0.25) {
      HumanMove();
    } else {
      ComputerMove();
    }
    FullCheck("full check");
  }
  ++stats_.Games;
}

}  // namespace

TSelfPlayStats RunSelfPlay(const TSelfPlayOptions& options, std::ostream* log) {
  TSelfPlayStats stats;
  TTempDir dir;
  const auto start = std::chrono::steady_clock::now();
  const int every = std::max(1, options.Games / 20);
  for (int g = 0; g < options.Games; ++g) {
    TSelfPlayGame(options.Seed + static_cast<uint64_t>(g), std::clamp(options.MaxLevel, 1, 12), dir, stats).Play();
    if (log && ((g + 1) % every == 0 || g + 1 == options.Games)) {
      const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      *log << "game " << (g + 1) << "/" << options.Games << ": " << Summary(stats, seconds) << std::endl;
    }
  }
  return stats;
}

std::string Summary(const TSelfPlayStats& s, double seconds) {
  std::ostringstream out;
  out << s.Games << " games, " << s.Moves << " moves (" << s.ComputerMoves << " by the computer, " << s.Searches
      << " searches, " << s.Nodes << " nodes), " << s.Passes << " passes, " << s.TakeBacks << " take-backs, "
      << s.Forwards << " forward moves, " << s.Saves << " saves, " << s.Loads << " loads, " << s.BrokenRejected
      << " damaged files refused, " << s.BrokenAccepted << " accepted, " << s.RefusedSaves << " failed saves, "
      << s.Interruptions << " interruptions (" << s.MoveNows << " Move Now), " << s.Checks << " full checks, "
      << s.Failures.size() << " failures, " << static_cast<int64_t>(seconds * 1000) << " ms";
  return out.str();
}

}  // namespace vztest
