// Self-play under inspection: complete games between engines at random
// shallow levels and settings, with take-backs, forward moves, saves, loads,
// broken files and interruptions thrown in, and every step checked against
// the reference rules and an independent model of the game record.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace vztest {

struct TSelfPlayOptions {
  int Games = 10;
  uint64_t Seed = 1;
  int MaxLevel = 4;  // levels are drawn from Ply1 .. Ply<MaxLevel>
};

struct TSelfPlayStats {
  int Games = 0;
  int64_t Moves = 0;          // moves played through PlayMove, by either player
  int64_t ComputerMoves = 0;  // of those, moves the search chose
  int64_t Searches = 0;
  int64_t Nodes = 0;
  int64_t Passes = 0;
  int64_t TakeBacks = 0;
  int64_t Forwards = 0;
  int64_t Saves = 0;
  int64_t Loads = 0;
  int64_t BrokenAccepted = 0;  // damaged files that still held a loadable game
  int64_t BrokenRejected = 0;
  int64_t RefusedSaves = 0;   // saves into a folder that does not exist
  int64_t Interruptions = 0;  // record and file operations tried during a search
  int64_t MoveNows = 0;       // searches told to move at once
  int64_t Checks = 0;         // full checks of engine against the references
  std::vector<std::string> Failures;
};

// Plays the games; a line of progress goes to log every so often when given.
// Each failure names the game's seed so that the game can be replayed alone.
TSelfPlayStats RunSelfPlay(const TSelfPlayOptions& options, std::ostream* log = nullptr);

// The summary line the tool prints.
std::string Summary(const TSelfPlayStats& stats, double seconds);

}  // namespace vztest
