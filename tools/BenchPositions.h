// The bench's fixed positions: openings and middle games from real
// tournament games, cut after 8, 12, ..., 52 moves. Changing them changes the
// bench signature that the tests pin.
#pragma once

#include <string>
#include <vector>

namespace reversi {

inline const std::vector<std::string>& BenchPositions() {
  static const std::vector<std::string> positions = {
      "f5f6e6f4e3d3f3d2",
      "f5f6e6f4e3c5g5g3g4f3g6d3",
      "f5f6e6f4e3c5c4e7c6e2f3d3c3f2e1d1",
      "f5d6c3d3c4f4f6f3e6e7d7c5c6g6f8f7d2d1e2c2",
      "f5d6c5f4e3c6d3f3e6f7g5b5e7f6d7e2b4c2g6c3g4c4f8c7",
      "f5f6e6f4f3c5f7g4e3d6g5g3h4h5h6h3g6e7h2f2d2e2d3c4c2g8c3d1",
      "f5d6c3f4f6d3f3b3c7d7e7d8c6b5c5f7e3b6c2c4a3e6b4d2a6g6g4e2h6g3f1e1",
      "f5d6c5f4d3e3g4g5e6c4g3b4f3e2h6f2c2c3d2e1f1h3d1h4b6f7b3c6a5a4a3a6b5a2e7h5",
      "f5d6c3d3c4f4c5b5b4b3a6c6b6e6a3f3e2e3f7e7c7f6a2a4a5f1f8e8d8d7g6c8g5g4h4g8f2g3d1e1",
      "f5d6c4b3b4g5f6f4e6c5g6d3b5e7c3e3f7h6g4f3c2c6c7d2e1c1h5h3h7a6a5a4d8e8d7f8d1f1b6a7e2f2a3a2",
      "f5f6e6f4g5e7e3g6d3c5d6c6f7c4e8h5g4c2b5a5h4h3g3h2f3d7h6h7c3d8b4f8c1f2e2e1c7b6c8b8a4a3a6a7g2b3g7h1",
      "f5d6c3d3c4f4f6f3e6e7c6g6g5f7e8h6d2c5e3b4g4h5b3c2g3d1h4c7a4b5a5g7f8g8b6d7h7e2h8f2d8c8b8a6f1g2a7a2a3a8b7b2"};
  return positions;
}

}  // namespace reversi
