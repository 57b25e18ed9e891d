#include "Weights.h"

#include <cstring>

#include "Patterns.h"

namespace reversi::analyst {

namespace {

constexpr char kMagic[8] = {'V', 'Z', 'W', 'E', 'I', 'G', 'H', 'T'};
constexpr uint32_t kSingleValues = kStageTableSize - kPatternTableSize;

uint64_t Fnv1a(std::string_view bytes) {
  uint64_t h = 0xcbf29ce484222325ull;
  for (unsigned char c : bytes) h = (h ^ c) * 0x100000001b3ull;
  return h;
}

const std::vector<std::vector<uint32_t>>& Canonical() {
  static const std::vector<std::vector<uint32_t>> all = [] {
    std::vector<std::vector<uint32_t>> v;
    for (int k = 0; k < kPatternKinds; ++k) v.push_back(CanonicalIndices(k));
    return v;
  }();
  return all;
}

uint32_t StoredPerStage() {
  static const uint32_t count = [] {
    uint32_t n = kSingleValues;
    for (const auto& canonical : Canonical())
      for (uint32_t i = 0; i < canonical.size(); ++i) n += canonical[i] == i;
    return n;
  }();
  return count;
}

// The header's numbers after the magic, as this build lays the tables out.
std::vector<uint32_t> Header() {
  std::vector<uint32_t> h = {kWeightsVersion, kStages, kPatternKinds};
  for (const TPatternKind& kind : kPatternKindTable) h.push_back(kind.Squares);
  h.push_back(kSingleValues);
  h.push_back(StoredPerStage() * kStages);
  return h;
}

void PutU32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(v >> (8 * i)));
}
uint32_t GetU32(const char* p) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= uint32_t{static_cast<unsigned char>(p[i])} << (8 * i);
  return v;
}

}  // namespace

std::string SerializeWeights(const TWeightTables& tables) {
  std::string out(kMagic, sizeof kMagic);
  for (uint32_t v : Header()) PutU32(out, v);
  auto put16 = [&out](int16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((static_cast<uint16_t>(v) >> 8) & 0xFF));
  };
  for (int s = 0; s < kStages; ++s) {
    const int16_t* stage = tables.data() + std::size_t{kStageTableSize} * s;
    for (int k = 0; k < kPatternKinds; ++k) {
      const auto& canonical = Canonical()[k];
      uint32_t start = 0;
      for (int j = 0; j < k; ++j) start += kPatternKindTable[j].Size;
      for (uint32_t i = 0; i < canonical.size(); ++i)
        if (canonical[i] == i) put16(stage[start + i]);
    }
    for (uint32_t i = kPatternTableSize; i < kStageTableSize; ++i) put16(stage[i]);
  }
  const uint64_t sum = Fnv1a(out);
  PutU32(out, static_cast<uint32_t>(sum));
  PutU32(out, static_cast<uint32_t>(sum >> 32));
  return out;
}

bool ParseWeights(std::string_view bytes, TWeightTables& tables, std::string& error) {
  const std::vector<uint32_t> expected = Header();
  const std::size_t headerBytes = sizeof kMagic + 4 * expected.size();
  if (bytes.size() < headerBytes || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) {
    error = "not a weights file (no VZWEIGHT header)";
    return false;
  }
  const uint32_t version = GetU32(bytes.data() + sizeof kMagic);
  if (version != kWeightsVersion) {
    error = "weights file version " + std::to_string(version) + ", this program reads version " +
            std::to_string(kWeightsVersion);
    return false;
  }
  for (std::size_t i = 1; i < expected.size(); ++i)
    if (GetU32(bytes.data() + sizeof kMagic + 4 * i) != expected[i]) {
      error = "weights file laid out for other stages or shapes";
      return false;
    }
  const std::size_t values = expected.back();
  if (bytes.size() != headerBytes + 2 * values + 8) {
    error = "weights file has " + std::to_string(bytes.size()) + " bytes, expected " +
            std::to_string(headerBytes + 2 * values + 8) + " (truncated or extended)";
    return false;
  }
  const std::string_view body = bytes.substr(0, bytes.size() - 8);
  const uint64_t stored = GetU32(bytes.data() + body.size()) | uint64_t{GetU32(bytes.data() + body.size() + 4)} << 32;
  if (Fnv1a(body) != stored) {
    error = "weights file damaged (checksum mismatch)";
    return false;
  }
  tables.assign(std::size_t{kStageTableSize} * kStages, 0);
  const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data()) + headerBytes;
  auto get16 = [&p] {
    const int16_t v = static_cast<int16_t>(p[0] | (p[1] << 8));
    p += 2;
    return v;
  };
  for (int s = 0; s < kStages; ++s) {
    int16_t* stage = tables.data() + std::size_t{kStageTableSize} * s;
    uint32_t start = 0;
    for (int k = 0; k < kPatternKinds; ++k) {
      const auto& canonical = Canonical()[k];
      for (uint32_t i = 0; i < canonical.size(); ++i)
        stage[start + i] = canonical[i] == i ? get16() : stage[start + canonical[i]];
      start += kPatternKindTable[k].Size;
    }
    for (uint32_t i = kPatternTableSize; i < kStageTableSize; ++i) stage[i] = get16();
  }
  return true;
}

}  // namespace reversi::analyst
