#include "ReferenceRules.h"

namespace vztest {

namespace {
constexpr int kSteps[8][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
bool Inside(int row, int col) {
  return row >= 0 && row < 8 && col >= 0 && col < 8;
}
}  // namespace

TRefBoard::TRefBoard() {
  squares_[3][3] = -1;  // D4
  squares_[4][4] = -1;  // E5
  squares_[4][3] = 1;   // D5
  squares_[3][4] = 1;   // E4
}

int TRefBoard::FlipsOf(int colour, int row, int col) const {
  if (!Inside(row, col) || squares_[row][col] != 0) return 0;
  int total = 0;
  for (const auto& step : kSteps) {
    int r = row + step[0], c = col + step[1], run = 0;
    while (Inside(r, c) && squares_[r][c] == -colour) {
      r += step[0];
      c += step[1];
      ++run;
    }
    if (run > 0 && Inside(r, c) && squares_[r][c] == colour) total += run;
  }
  return total;
}

bool TRefBoard::HasMove(int colour) const {
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 8; ++c)
      if (Legal(colour, r, c)) return true;
  return false;
}

int TRefBoard::Count(int colour) const {
  int n = 0;
  for (const auto& row : squares_)
    for (int v : row) n += v == colour;
  return n;
}

void TRefBoard::Play(int colour, int row, int col) {
  for (const auto& step : kSteps) {
    int r = row + step[0], c = col + step[1], run = 0;
    while (Inside(r, c) && squares_[r][c] == -colour) {
      r += step[0];
      c += step[1];
      ++run;
    }
    if (run == 0 || !Inside(r, c) || squares_[r][c] != colour) continue;
    for (int k = 1; k <= run; ++k) squares_[row + k * step[0]][col + k * step[1]] = colour;
  }
  squares_[row][col] = colour;
}

bool TRefBoard::PlayInTurn(int row, int col) {
  if (!Legal(toMove_, row, col)) return false;
  Play(toMove_, row, col);
  if (HasMove(-toMove_)) toMove_ = -toMove_;
  return true;
}

bool RowColOf(int cell, int& row, int& col) {
  if (cell < 10 || cell > 80) return false;
  row = (cell - 10) / 9;
  col = (cell - 10) % 9;
  return col < 8;
}

std::optional<TRefBoard> Replay(const std::vector<int>& cells, std::string* why) {
  TRefBoard board;
  for (size_t i = 0; i < cells.size(); ++i) {
    int row = 0, col = 0;
    if (!RowColOf(cells[i], row, col) || !board.PlayInTurn(row, col)) {
      if (why) *why = "move " + std::to_string(i + 1) + " (" + std::to_string(cells[i]) + ") is not legal";
      return std::nullopt;
    }
  }
  return board;
}

std::string Compare(const TRefBoard& ref, const reversi::TBoard& board) {
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 8; ++c)
      if (board.Cells[CellOf(r, c)] != ref.At(r, c))
        return "square " + reversi::SquareName(CellOf(r, c)) + " holds " + std::to_string(board.Cells[CellOf(r, c)]) +
               ", the rules give " + std::to_string(ref.At(r, c));
  if (!ref.Over() && board.SideToMove != ref.ToMove())
    return "side to move is " + std::to_string(board.SideToMove) + ", the rules give " + std::to_string(ref.ToMove());
  return {};
}

std::optional<std::vector<int>> ParseSquares(const std::string& text) {
  if (text.size() % 2 != 0) return std::nullopt;
  std::vector<int> cells;
  for (size_t i = 0; i < text.size(); i += 2) {
    const char letter = text[i] | 0x20;  // lower case
    const char digit = text[i + 1];
    if (letter < 'a' || letter > 'h' || digit < '1' || digit > '8') return std::nullopt;
    cells.push_back(CellOf(digit - '1', letter - 'a'));
  }
  return cells;
}

}  // namespace vztest
