// Why a game file could not be opened or saved, in the user's language.
#pragma once

#include <QString>
#include <string>

// The engine gives its reasons in English with the particulars inside
// (numbers, a quoted text, the system's own words after a colon). They are
// taken out, the rest is translated as a pattern ("move %1 (%2) is not a
// legal move") and they are put back. A reason without a translation stays
// as the engine wrote it.
QString TranslatedReason(const std::string& reason);
