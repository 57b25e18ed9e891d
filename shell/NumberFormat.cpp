#include "NumberFormat.h"

#include <QLocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Digits and decimal exponent of |value| rounded to `precision` significant
// digits, trailing zeros removed: 0.35 gives "35" and -1.
void Significant(double value, int precision, std::string& digits, int& exponent) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", precision - 1, std::fabs(value));
  const char* e = std::strchr(buf, 'e');
  exponent = std::atoi(e + 1);
  digits.clear();
  for (const char* c = buf; c < e; ++c)
    if (*c != '.') digits += *c;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
}

// d.dddEx with the exponent's sign only when negative, as "1E-6", "1.5E20".
QString ExponentForm(bool negative, const std::string& digits, int exponent) {
  std::string s = negative ? "-" : "";
  s += digits[0];
  if (digits.size() > 1) s += "." + digits.substr(1);
  s += "E" + std::to_string(exponent);
  return QString::fromStdString(s);
}

QString WithDecimalPoint(QString text, const QLocale& locale) {
  const QString point = locale.decimalPoint();
  if (point != QStringLiteral(".")) text.replace(u'.', point);
  return text;
}

}  // namespace

QString FormatGeneral(double value, const QLocale& locale) {
  if (!std::isfinite(value)) return QString::number(value);
  if (value == 0.0) return QStringLiteral("0");
  std::string digits;
  int exponent = 0;
  Significant(value, 15, digits, exponent);
  const bool negative = value < 0;
  if (exponent < -5 || exponent >= 15) return WithDecimalPoint(ExponentForm(negative, digits, exponent), locale);
  std::string s = negative ? "-" : "";
  if (exponent < 0) {
    s += "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  } else {
    const size_t whole = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      s += digits + std::string(whole - digits.size(), '0');
    } else {
      s += digits.substr(0, whole) + "." + digits.substr(whole);
    }
  }
  return WithDecimalPoint(QString::fromStdString(s), locale);
}

QString FormatFixed2(double value, const QLocale& locale) {
  if (!std::isfinite(value)) return QString::number(value);
  if (std::fabs(value) >= 1e7) {
    std::string digits;
    int exponent = 0;
    Significant(value, 7, digits, exponent);
    return WithDecimalPoint(ExponentForm(value < 0, digits, exponent), locale);
  }
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2f", value);
  QString s = QString::fromLatin1(buf);
  if (s == QStringLiteral("-0.00")) s = QStringLiteral("0.00");
  return WithDecimalPoint(s, locale);
}
