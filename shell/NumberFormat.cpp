#include "NumberFormat.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// The digits are written without the C library's locale (which Qt sets from
// the environment, so a German one writes a comma): the user's separator goes
// in once, at the end.
std::string Chars(double value, std::chars_format format, int precision) {
  char buf[64];
  const auto end = std::to_chars(buf, buf + sizeof buf, value, format, precision).ptr;
  return std::string(buf, end);
}

// Digits and decimal exponent of |value| rounded to `precision` significant
// digits, trailing zeros removed: 0.35 gives "35" and -1.
void Significant(double value, int precision, std::string& digits, int& exponent) {
  const std::string text = Chars(std::fabs(value), std::chars_format::scientific, precision - 1);
  const size_t e = text.find('e');
  exponent = std::atoi(text.c_str() + e + 1);
  digits.clear();
  for (size_t i = 0; i < e; ++i)
    if (text[i] != '.') digits += text[i];
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
  QString s = QString::fromStdString(Chars(value, std::chars_format::fixed, 2));
  if (s == QStringLiteral("-0.00")) s = QStringLiteral("0.00");
  return WithDecimalPoint(s, locale);
}
