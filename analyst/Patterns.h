// The shapes the evaluation judges: edges with their X-squares, corner
// blocks, diagonals and the inner lines. Each kind of shape has one table of
// weights indexed by the contents of its squares (0 empty, 1 the side to
// move's, 2 the other side's; base 3, the shape's lowest square the lowest
// digit). Its copies on the board are read through the board's symmetries,
// so that every copy reads its squares in the same order.
//
// The learner (tools/learn/) and the evaluation share these definitions;
// changing a shape or the stages changes the weights file's layout, and its
// version (Weights.h).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "Evaluation.h"

namespace reversi::analyst {

struct TPatternKind {
  const char* Name;
  TBits Mask;  // the squares in the canonical place
  int Squares;
  int Size;  // 3^Squares
};

inline constexpr int kPatternKinds = 11;
extern const std::array<TPatternKind, kPatternKinds> kPatternKindTable;

// One copy of a shape on the board: read as pext(Symmetry(board, Sym), kind's
// mask); Offset is where its kind's table starts among all the tables.
struct TPatternCopy {
  int Sym;
  int Kind;
  TBits Mask;
  uint32_t Offset;
  std::array<int8_t, 10> Square;  // the board's square for each digit
};

inline constexpr int kPatternCopies = 46;
const std::array<TPatternCopy, kPatternCopies>& PatternCopies();

// All kinds' tables end to end.
inline constexpr uint32_t kPatternTableSize = 167265;

// Beside the shapes, small tables of single values: the side to move's and
// the other side's mobility (capped), the number of empty squares, and each
// side's potential mobility (the empty squares beside the other side's
// discs, capped).
inline constexpr int kMobilityCap = 31;
inline constexpr int kPotentialCap = 40;
inline constexpr uint32_t kMoverMobility = kPatternTableSize;
inline constexpr uint32_t kOtherMobility = kMoverMobility + kMobilityCap + 1;
inline constexpr uint32_t kEmptiesTerm = kOtherMobility + kMobilityCap + 1;
inline constexpr uint32_t kMoverPotential = kEmptiesTerm + 61;
inline constexpr uint32_t kOtherPotential = kMoverPotential + kPotentialCap + 1;
inline constexpr uint32_t kStageTableSize = kOtherPotential + kPotentialCap + 1;

// The single values' places in the stage table, given both sides' moves.
inline constexpr int kSingleValueCount = 5;
void SingleValueIndices(TBits player, TBits opponent, TBits moves, TBits replies, uint32_t* out);

// Stages of five empty squares, from the start (60 empties) to the end;
// the last takes the last few empties too.
inline constexpr int kStages = 12;
inline constexpr int StageOfEmpties(int empties) {
  const int s = (60 - empties) / 5;
  return s < 0 ? 0 : (s >= kStages ? kStages - 1 : s);
}

// The board under symmetry s (0..7): bit 0 mirrors the rows, bit 1 the
// columns, bit 2 then transposes.
TBits Symmetry(TBits b, int s);

// Each copy's place in the tables (its kind's offset plus its index), in
// PatternCopies' order; square by square, for any processor.
void PatternIndicesPortable(TBits player, TBits opponent, uint32_t* out);
// The same, fast where the processor can gather bits (BMI2).
void PatternIndices(TBits player, TBits opponent, uint32_t* out);

// For each index of a kind's table, the least index that a symmetry of the
// shape itself maps it to: the evaluation gives the two the same weight.
std::vector<uint32_t> CanonicalIndices(int kind);

}  // namespace reversi::analyst
