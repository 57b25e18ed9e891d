// The weights file: the evaluation's tables for every stage, as 16-bit
// values in 1/kScale discs. Each shape's table keeps only the entries that
// no symmetry of the shape maps to a smaller index (the rest are copies).
//
// Layout, little-endian: the magic "VZWEIGHT", the version, the stages, the
// shapes and each shape's squares, the count of single values per stage, the
// count of stored values, the values, and a 64-bit FNV-1a checksum of all
// that comes before it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace reversi::analyst {

inline constexpr uint32_t kWeightsVersion = 2;
inline constexpr std::size_t kMaxWeightsFileBytes = 16u << 20;

// Every stage's full table (kStages * kStageTableSize values).
using TWeightTables = std::vector<int16_t>;

// Reads a file's bytes into full tables; false with a reason on any fault.
bool ParseWeights(std::string_view bytes, TWeightTables& tables, std::string& error);
// The file's bytes for full tables, whose symmetric entries agree.
std::string SerializeWeights(const TWeightTables& tables);

}  // namespace reversi::analyst
