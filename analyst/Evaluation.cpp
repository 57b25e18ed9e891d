#include "Evaluation.h"

#include <unistd.h>

#include <algorithm>
#include <vector>

#include "Bitboard.h"
#include "Patterns.h"
#include "SafeFile.h"
#include "Weights.h"

namespace reversi::analyst {

namespace bb = reversi::bits;

struct TEvaluation::TTables {
  TWeightTables Values;  // kStages tables of kStageTableSize
};

TEvaluation::TEvaluation() = default;
TEvaluation::~TEvaluation() = default;

std::unique_ptr<TEvaluation> TEvaluation::StandIn() {
  return std::unique_ptr<TEvaluation>(new TEvaluation());
}

std::unique_ptr<TEvaluation> TEvaluation::Load(const std::string& path, std::string& error) {
  const safefile::TReadResult file = safefile::ReadSmallFile(path, kMaxWeightsFileBytes);
  if (!file) {
    switch (file.Status) {
      case safefile::TReadStatus::Missing:
        error = path + ": no such weights file";
        break;
      case safefile::TReadStatus::TooLarge:
        error = path + ": too large for a weights file";
        break;
      case safefile::TReadStatus::Folder:
      case safefile::TReadStatus::NotRegular:
        error = path + ": not a regular file";
        break;
      default:
        error = path + ": cannot be read";
        break;
    }
    return nullptr;
  }
  auto tables = std::make_unique<TTables>();
  std::string reason;
  if (!ParseWeights(file.Text, tables->Values, reason)) {
    error = path + ": " + reason;
    return nullptr;
  }
  std::unique_ptr<TEvaluation> eval(new TEvaluation());
  eval->tables_ = std::move(tables);
  error.clear();
  return eval;
}

namespace {

std::string ExecutableFolder() {
  std::string buffer(4096, '\0');
  const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return {};
  buffer.resize(n);
  return buffer.substr(0, buffer.rfind('/'));
}

}  // namespace

std::unique_ptr<TEvaluation> TEvaluation::LoadDefault(std::string& error) {
  static constexpr const char* kName = "analyst.weights";
  std::vector<std::string> places;
  if (const std::string folder = ExecutableFolder(); !folder.empty()) {
    places.push_back(folder + "/" + kName);
    places.push_back(folder + "/../share/vezari-zaduder/" + kName);  // an installed tree, wherever it moved
  }
#ifdef VZ_ANALYST_DATA_DIR
  places.push_back(std::string(VZ_ANALYST_DATA_DIR) + "/" + kName);
#endif
#ifdef VZ_ANALYST_SOURCE_DATA_DIR
  places.push_back(std::string(VZ_ANALYST_SOURCE_DATA_DIR) + "/" + kName);
#endif
  // The first file found is the one meant: a damaged copy is reported, not
  // passed over for another.
  for (const std::string& place : places)
    if (access(place.c_str(), F_OK) == 0) return Load(place, error);
  error = "the analyst's weights file was not found; looked for";
  for (const std::string& place : places) error += " " + place;
  return nullptr;
}

namespace {

// Corners count for several discs, mobility for a little: crude, but it
// keeps the search's values in discs and within the board.
int StandInValue(TBits player, TBits opponent) {
  const int discs = bb::Count(player) - bb::Count(opponent);
  const int corners = bb::Count(player & bb::kCorners) - bb::Count(opponent & bb::kCorners);
  const int empties = 64 - bb::Count(player | opponent);
  const int mobility = bb::Count(bb::LegalMoves(player, opponent)) - bb::Count(bb::LegalMoves(opponent, player));
  const int value = (empties > 20 ? discs / 4 : discs) * kScale + corners * 6 * kScale + mobility * kScale;
  return std::clamp(value, -kMaxValue, kMaxValue);
}

// The game is over: the margin, empty squares to the winner.
int FinalValue(TBits player, TBits opponent) {
  const int mine = bb::Count(player), theirs = bb::Count(opponent);
  const int empties = 64 - mine - theirs;
  const int margin = mine > theirs ? mine - theirs + empties : mine < theirs ? mine - theirs - empties : 0;
  return margin * kScale;
}

}  // namespace

int TEvaluation::Evaluate(TBits player, TBits opponent) const {
  if (!tables_) return StandInValue(player, opponent);
  const TBits moves = bb::LegalMoves(player, opponent);
  const TBits replies = bb::LegalMoves(opponent, player);
  if (!moves && !replies) return FinalValue(player, opponent);
  // The weights were learned on positions whose mover had a move; one who
  // must pass is judged as the opponent to move, whose position it is.
  if (!moves) return -Evaluate(opponent, player);
  const int empties = 64 - bb::Count(player | opponent);
  const int16_t* w = tables_->Values.data() + std::size_t{kStageTableSize} * StageOfEmpties(empties);
  uint32_t index[kPatternCopies + kSingleValueCount];
  PatternIndices(player, opponent, index);
  SingleValueIndices(player, opponent, moves, replies, index + kPatternCopies);
  int sum = 0;
  for (uint32_t i : index) sum += w[i];
  return std::clamp(sum, -kMaxValue, kMaxValue);
}

}  // namespace reversi::analyst
