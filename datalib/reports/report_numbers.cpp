// Number parsing and the cell formats of the reports.
#include "reports/report_numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "sql_text.h"

double ParseNumber(const std::string& text) { return std::atof(text.c_str()); }

// Reports format hundreds of thousands of cells, and the C library's "%.02f"
// takes locks and allocates on every call. This gives the same text without
// either: a double times 100 needs at most 60 significant bits, so in the
// 64-bit mantissa of a long double the product is exact, and rounding it to the
// nearest integer (halves to even, as the C library rounds an exact half)
// decides the two decimals as the C library does. Values too large for that,
// infinities and NaN go to the C library.
std::string FormatAmount(double value) {
  constexpr long double kLargest = 9.0e15L;  // hundredths still below 2^63
  if (!std::isfinite(value) || std::fabs(value) >= kLargest) return StringPrintf("%.02f", value);
  const long double hundredths = std::fabs(static_cast<long double>(value)) * 100.0L;
  uint64_t cents = static_cast<uint64_t>(hundredths);  // the whole hundredths, exactly
  const long double rest = hundredths - static_cast<long double>(cents);
  if (rest > 0.5L || (rest == 0.5L && (cents & 1) != 0)) ++cents;
  char text[32];
  char* end = text + sizeof text;
  char* at = end;
  *--at = static_cast<char>('0' + cents % 10);
  *--at = static_cast<char>('0' + cents / 10 % 10);
  *--at = '.';
  uint64_t units = cents / 100;
  do {
    *--at = static_cast<char>('0' + units % 10);
    units /= 10;
  } while (units);
  if (std::signbit(value)) *--at = '-';  // "-0.00" for a small negative, as the C library writes it
  return std::string(at, end);
}

std::string FormatRate(double value) { return FormatAmount(value) + "%"; }
