// vezari-engine --match: two players, a number of games, a results table.
#pragma once

#include <string>
#include <vector>

// The arguments after --match; the exit status.
int RunMatchCommand(const std::vector<std::string>& args);
extern const char* const kMatchUsage;
