// How the analyst plays the computer's moves when the user has chosen it
// (StrongLevel.h): on the analysis thread, its progress shown as it comes.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "AnalysisThread.h"
#include "AnalysisWorker.h"
#include "AnalystPlayer.h"
#include "ReversiCore.h"
#include "StrongLevel.h"

// The weaker strengths' rule, shared with the match player.
using reversi::engines::ChooseWithin;

// Makes engine ask the analyst for its move whenever level (which must
// outlive the engine's use of it) is enabled, and next otherwise (or when
// the analyst has no answer). The analyst thinks on the analysis thread
// while this thread's event loop runs; a stop request (Move Now, closing)
// ends it with its best move so far. thinking hears each depth completed
// and, from a weaker strength, the move it chose (Valid false once the move
// is played); failed hears what made it fail.
void InstallStrongLevel(reversi::TReversiCore& engine, const TStrongLevel& level,
                        const std::shared_ptr<TAnalysisThread>& thread, std::function<int(reversi::TReversiCore&)> next,
                        std::function<void(const TPositionValue& value)> thinking = {},
                        std::function<void(const QString& what)> failed = {});
