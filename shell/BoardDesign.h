// The board's properties as the main window's form sets them, before the
// settings are read.
#pragma once

class TReversi;

void ApplyDesignValues(TReversi& board);
