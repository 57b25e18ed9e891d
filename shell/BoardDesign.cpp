#include "BoardDesign.h"

#include "DesignValues.h"
#include "Reversi.h"

void ApplyDesignValues(TReversi& r) {
  r.SetColor(reversi::clGreen);
  r.SetGamma(reversi::design::kGamma);
  r.SetLevel(reversi::design::kLevel);
  r.SetMoveTime(reversi::design::kMoveTime);
  r.SetToMove(reversi::Black);
  r.SetMode(reversi::Normal);
  r.SetShowJustPlayed(true);
  r.SetJustPlayedColour(reversi::clYellow);
  r.SetShowLegal(true);
  r.SetShowLegalColor(reversi::clRed);
  r.SetShowThinking(true);
  r.SetShowFlips(true);
  r.SetSelective(reversi::design::kSelective);
  r.SetSelectiveDepth(reversi::design::kSelectiveDepth);
}
