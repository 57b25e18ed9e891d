#include "Reference.h"

#include <algorithm>
#include <cstdlib>

#include "SearchProbe.h"

namespace reference {

using namespace reversi;

namespace {

int At(const TBoard& b, int row, int col) {
  return b.Cell(SquareOf(row, col));
}

// Own minus opponent over a list of squares.
int Balance(const TBoard& b, int a, std::initializer_list<int> squares) {
  int sum = 0;
  for (int sq : squares) sum += b.Cell(sq) * a;
  return sum;
}

int Run(const TBoard& b, const std::vector<int>& line, int c) {
  int run = 0;
  while (run < 8 && b.Cell(line[run]) == c) ++run;
  return run;
}

int Rim(const TBoard& b, std::vector<int> line, bool full, int a) {
  if (full) {
    int sum = 0;
    for (int sq : line) sum += b.Cell(sq) * a;
    return sum;
  }
  std::vector<int> reversed(line.rbegin(), line.rend());
  return Run(b, line, a) + Run(b, reversed, a) - Run(b, line, -a) - Run(b, reversed, -a);
}

void Contacts(const TBoard& b, int c, int& empties, int& enemies) {
  empties = enemies = 0;
  for (const TSqr* n = b.ListHead(c); n; n = n->Next) {
    const int r = RowOf(n->Square), col = ColOf(n->Square);
    for (int dr = -1; dr <= 1; ++dr)
      for (int dc = -1; dc <= 1; ++dc) {
        if (!dr && !dc) continue;
        const int rr = r + dr, cc = col + dc;
        if (rr < 0 || rr > 7 || cc < 0 || cc > 7) continue;
        if (At(b, rr, cc) == 0) ++empties;
        if (At(b, rr, cc) == -c) ++enemies;
      }
  }
}

}  // namespace

std::vector<int> Flips(const TBoard& b, int colour, int square) {
  std::vector<int> flips;
  if (!IsPlayingSquare(square) || b.Cell(square) != 0) return flips;
  const int r0 = RowOf(square), c0 = ColOf(square);
  for (int dr = -1; dr <= 1; ++dr)
    for (int dc = -1; dc <= 1; ++dc) {
      if (!dr && !dc) continue;
      std::vector<int> run;
      int r = r0 + dr, c = c0 + dc;
      while (r >= 0 && r < 8 && c >= 0 && c < 8 && At(b, r, c) == -colour) {
        run.push_back(SquareOf(r, c));
        r += dr;
        c += dc;
      }
      if (!run.empty() && r >= 0 && r < 8 && c >= 0 && c < 8 && At(b, r, c) == colour)
        flips.insert(flips.end(), run.begin(), run.end());
    }
  return flips;
}

bool Legal(const TBoard& b, int colour, int square) {
  return !Flips(b, colour, square).empty();
}

std::vector<int> LegalMoves(const TBoard& b, int colour) {
  std::vector<int> moves;
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 8; ++c)
      if (Legal(b, colour, SquareOf(r, c))) moves.push_back(SquareOf(r, c));
  return moves;
}

std::vector<int> WalkMoves(const TBoard& b, int colour) {
  std::vector<int> moves;
  for (const TSqr* n = b.ListHead(colour); n; n = n->Next)
    for (int d : kDirections) {
      int m = n->Square + d;
      if (b.Cell(m) != -colour) continue;
      while (b.Cell(m) == -colour) m += d;
      if (b.Cell(m) == 0 && std::find(moves.begin(), moves.end(), m) == moves.end()) moves.push_back(m);
    }
  return moves;
}

std::vector<int> TurningOrder(const TBoard& b, int colour, int square) {
  std::vector<int> flips;
  for (int d : kDirections) {
    std::vector<int> run;
    int p = square + d;
    for (; b.Cell(p) == -colour; p += d) run.push_back(p);
    if (b.Cell(p) == colour) flips.insert(flips.end(), run.begin(), run.end());
  }
  return flips;
}

void QuickSort(std::vector<int>& score, std::vector<int>& move, int lo, int hi) {
  const int pivot = score[(lo + hi) / 2];
  int i = lo, j = hi;
  if (hi > lo) {
    do {
      while (score[i] > pivot && i < hi) ++i;
      while (score[j] < pivot && j > lo) --j;
      if (i <= j) {
        std::swap(score[i], score[j]);
        std::swap(move[i], move[j]);
        ++i;
        --j;
      }
    } while (!(j <= i));
  }
  if (j > lo) QuickSort(score, move, lo, j);
  if (i < hi) QuickSort(score, move, i, hi);
}

int Evaluate(TReversiCore& e, int a) {
  const int o = -a;
  TSearchProbe probe(e);
  const int mA = probe.FindMoves(60, a, 0);
  const int sA = probe.SafeMoves();
  const int mO = probe.FindMoves(60, o, 0);
  const int sO = probe.SafeMoves();
  const int dA = e.Discs(a), dO = e.Discs(o);
  if (mA + mO == 0) {
    if (dA > dO) return 22000 + (dA - dO);
    if (dA < dO) return (dA - dO) - 22000;
    return 0;
  }
  int v = 109 * sA - 62 * sO;
  v += -17 * (dA - dO);
  v += 23 * Balance(e, a, {40, 41, 49, 50});
  v += -30 * Balance(e, a, {30, 31, 32, 33, 39, 42, 48, 51, 57, 58, 59, 60});
  v += -60 * Balance(e, a, {20, 21, 22, 23, 24, 25, 29, 38, 47, 56, 34, 43, 52, 61, 65, 66, 67, 68, 69, 70});
  struct Corner {
    int sq, x, c1, c2, r1, r2;
  };
  const Corner corners[] = {
      {10, 20, 11, 19, 1, 2}, {17, 25, 16, 26, 1, 3}, {73, 65, 64, 74, 4, 2}, {80, 70, 71, 79, 3, 4}};
  int xA = 0, xO = 0, cA = 0, cO = 0;
  for (const Corner& c : corners) {
    if (e.Cell(c.sq) != 0) continue;
    xA += e.Cell(c.x) == a;
    xO += e.Cell(c.x) == o;
    cA += (e.Cell(c.c1) == a) + (e.Cell(c.c2) == a);
    cO += (e.Cell(c.c1) == o) + (e.Cell(c.c2) == o);
  }
  v += 1500 * (xO - xA);
  v += -250 * cA + 250 * cO;
  std::vector<int> row1, row8, colA, colH;
  for (int k = 0; k < 8; ++k) {
    row1.push_back(SquareOf(0, k));
    row8.push_back(SquareOf(7, k));
    colA.push_back(SquareOf(k, 0));
    colH.push_back(SquareOf(k, 7));
  }
  const auto& rim = e.RimEmpties;
  int anchors = Rim(e, row1, rim[1] == 0, a) + Rim(e, row8, rim[4] == 0, a) +
                Rim(e, colA, rim[2] == 0 && e.Cell(10) != 0 && e.Cell(73) != 0, a) +
                Rim(e, colH, rim[3] == 0 && e.Cell(17) != 0 && e.Cell(80) != 0, a);
  v += 400 * anchors;
  for (const Corner& c : corners) {
    if (e.Cell(c.sq) == a) v += 50 * (rim[c.r1] + rim[c.r2]);
    if (e.Cell(c.sq) == o) v += -37 * (rim[c.r1] + rim[c.r2]);
  }
  int eA, fA, eO, fO;
  Contacts(e, a, eA, fA);
  Contacts(e, o, eO, fO);
  v += -41 * eA - 10 * fA + 25 * eO + 8 * fO;
  probe.FindMoves(60, a, 0);
  probe.FindMoves(60, o, 0);
  static const int ahead[] = {0, 800, -600, 400, -200, 100};
  static const int behind[] = {0, -500, 350, -200, 100, -70};
  for (int q = 1; q <= 4; ++q) {
    const int empties = e.QuadrantEmpties[q];
    if (empties < 1 || empties > 5) continue;
    v += probe.QuadrantMovesOf(a, q) > probe.QuadrantMovesOf(o, q) ? ahead[empties] : behind[empties];
  }
  return v;
}

std::vector<int> RandomGame(TBoard& b, std::mt19937& rng, int plies) {
  std::vector<int> played;
  for (int k = 0; k < plies; ++k) {
    auto moves = LegalMoves(b, b.SideToMove);
    if (moves.empty()) {
      b.SideToMove = -b.SideToMove;
      moves = LegalMoves(b, b.SideToMove);
      if (moves.empty()) break;
    }
    const int sq = moves[rng() % moves.size()];
    b.ApplyMove(b.SideToMove, sq);
    b.SideToMove = -b.SideToMove;
    played.push_back(sq);
  }
  return played;
}

}  // namespace reference
