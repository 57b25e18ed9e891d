// The analyst's weights reader. A file it accepts must write back to the
// same bytes; a refusal must say why.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "Patterns.h"
#include "Weights.h"

using namespace reversi::analyst;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  TWeightTables tables;
  std::string error;
  if (!ParseWeights(bytes, tables, error)) {
    vzfuzz::CheckReason(error, bytes);
    return 0;
  }
  if (tables.size() != std::size_t{kStageTableSize} * kStages) vzfuzz::Broken("tables of the wrong size", bytes);
  if (SerializeWeights(tables) != bytes) vzfuzz::Broken("accepted file does not write back the same", bytes);
  return 0;
}
