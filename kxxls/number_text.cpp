// Number texts. Both directions avoid the C library's locale-dependent decimal
// point by formatting with "%.*e" (only digits, '.', 'e' and a sign) and by
// parsing plain decimals by hand.
#include "number_text.h"

#include <cmath>
#include <cstdio>
#include <clocale>
#include <cstdlib>
#include <string>

namespace {

// strtod with the point spelled '.', whatever the process locale says.
double ParseScientific(const char* text) {
  std::string s(text);
  const struct lconv* lc = localeconv();
  if (lc && lc->decimal_point && lc->decimal_point[0] != '.') {
    for (char& ch : s)
      if (ch == '.') ch = lc->decimal_point[0];
  }
  return std::strtod(s.c_str(), nullptr);
}

}  // namespace

bool ParseStoredNumber(const std::string& text, double* value) {
  if (text.empty() || text.size() > 64) return false;
  for (char c : text)
    if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E')) return false;
  std::string s(text);
  const struct lconv* lc = localeconv();
  if (lc && lc->decimal_point && lc->decimal_point[0] != '.') {
    for (char& ch : s)
      if (ch == '.') ch = lc->decimal_point[0];
  }
  char* end = nullptr;
  const double v = std::strtod(s.c_str(), &end);
  if (end != s.c_str() + s.size() || std::isnan(v) || std::isinf(v)) return false;
  *value = v;
  return true;
}

std::wstring NumberText(double value) {
  if (std::isnan(value) || std::isinf(value)) return L"#NUM!";
  if (value == 0) return L"0";
  // Any decimal of at most 15 significant digits survives the trip through a
  // double, so if 15 digits give the value back, those digits with their trailing
  // zeros dropped are the shortest form; otherwise 16, at worst 17, do.
  char buf[64];
  for (int precision = 15; precision <= 17; ++precision) {
    std::snprintf(buf, sizeof buf, "%.*e", precision - 1, value);
    if (ParseScientific(buf) == value) break;
  }
  // buf: [-]d[.ddd]e[+-]xx
  std::string s(buf);
  bool negative = s[0] == '-';
  if (negative) s.erase(0, 1);
  size_t e = s.find_first_of("eE");
  int exponent = std::atoi(s.c_str() + e + 1);
  std::string digits;
  for (size_t i = 0; i < e; ++i)
    if (s[i] >= '0' && s[i] <= '9') digits += s[i];
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out;
  const int n = static_cast<int>(digits.size());
  if (exponent >= 21 || exponent < -7) {
    out = digits.substr(0, 1);
    if (n > 1) out += "." + digits.substr(1);
    char ex[16];
    std::snprintf(ex, sizeof ex, "e%c%d", exponent < 0 ? '-' : '+', std::abs(exponent));
    out += ex;
  } else if (exponent < 0) {
    out = "0." + std::string(-exponent - 1, '0') + digits;
  } else if (exponent + 1 >= n) {
    out = digits + std::string(exponent + 1 - n, '0');
  } else {
    out = digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
  }
  if (negative) out.insert(out.begin(), '-');
  return std::wstring(out.begin(), out.end());
}

bool IsPlainNumber(const std::wstring& text, double* value, bool* twoDecimals) {
  size_t i = 0;
  const size_t n = text.size();
  bool negative = false;
  if (i < n && text[i] == L'-') {
    negative = true;
    ++i;
  }
  const size_t intStart = i;
  while (i < n && text[i] >= L'0' && text[i] <= L'9') ++i;
  const size_t intDigits = i - intStart;
  if (intDigits == 0) return false;
  if (intDigits > 1 && text[intStart] == L'0') return false;  // leading zeros: a code
  size_t fracDigits = 0;
  if (i < n && text[i] == L'.') {
    ++i;
    const size_t fracStart = i;
    while (i < n && text[i] >= L'0' && text[i] <= L'9') ++i;
    fracDigits = i - fracStart;
    if (fracDigits == 0) return false;
  }
  if (i != n) return false;
  // Significant digits run from the first non-zero digit to the last digit written.
  std::string digits;
  for (size_t k = intStart; k < n; ++k)
    if (text[k] != L'.') digits += static_cast<char>(text[k]);
  size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) {
    if (negative) return false;  // "-0" would read back as "0"
    first = digits.size() - 1;
  }
  if (digits.size() - first > 15) return false;
  // Exact: at most 15 significant digits convert to the nearest double and back.
  std::string scientific = digits.substr(first) + "e" +
                           std::to_string(static_cast<long long>(intDigits) - static_cast<long long>(first) -
                                          static_cast<long long>(digits.size() - first));
  double v = ParseScientific(scientific.c_str());
  *value = negative ? -v : v;
  *twoDecimals = fracDigits == 2;
  return true;
}
