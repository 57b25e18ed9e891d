// Numbers as the windows show them, with the user's decimal separator and
// never a thousands separator.
#pragma once

#include <QString>

class QLocale;

// "General" number format: the shortest form with at most 15 significant
// digits (0.35, -1.2, 4), in exponent form below 0.00001 or from 10^15 on.
QString FormatGeneral(double value, const QLocale& locale);
// Exactly two decimals (0.35, 4.00, -1.20), in exponent form from 10^7 on.
QString FormatFixed2(double value, const QLocale& locale);
