// Deliberately slow, obviously correct versions of the rules and of the
// evaluation, written from the rules alone and used only to check the fast
// ones on many positions.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "ReversiCore.h"

namespace reference {

using reversi::TBoard;
using reversi::TReversiCore;

// Discs that colour would flip by playing square, found by walking all
// eight lines with explicit row/column bounds (no border cells involved).
std::vector<int> Flips(const TBoard& b, int colour, int square);
bool Legal(const TBoard& b, int colour, int square);
std::vector<int> LegalMoves(const TBoard& b, int colour);

// colour's moves as a walk of its disc list from the head finds them, each
// disc in the fixed direction order, cell by cell; a square already found is
// not listed again.
std::vector<int> WalkMoves(const TBoard& b, int colour);
// The discs colour turns by playing square, directions in the fixed order,
// nearest disc first within one.
std::vector<int> TurningOrder(const TBoard& b, int colour, int square);

// The search's quicksort of scores, highest first, moving each move with its
// score, written step by step from the rules for equal scores.
void QuickSort(std::vector<int>& score, std::vector<int>& move, int lo, int hi);

// The evaluation term by term, walking cells and disc lists.
int Evaluate(TReversiCore& e, int colour);

// Plays random legal moves through ApplyMove from the initial position,
// passing when forced, for at most plies moves; returns the squares played.
std::vector<int> RandomGame(TBoard& b, std::mt19937& rng, int plies);

}  // namespace reference
