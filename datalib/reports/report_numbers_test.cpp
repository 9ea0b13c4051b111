// The reports' own two-decimal formatting writes what the C library's "%.02f" writes.
#include "reports/report_numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "sql_text.h"

namespace {

std::string Library(double value) { return StringPrintf("%.02f", value); }

TEST(FormatAmount, WritesWhatTheCLibraryWritesOnTheEdges) {
  const double inf = std::numeric_limits<double>::infinity();
  const double cases[] = {0.0, -0.0, 1234.5, -1234.5,
                          // exact halves of a hundredth: the library rounds them to even
                          0.125, 0.375, 0.625, 0.875, -0.125, -0.375, 1.125, 1e6 + 0.625, 2.5e-1, 8.0e12 + 0.125,
                          // halves that are not exact in binary fall on either side
                          0.005, 0.015, 0.025, 2.675, 1.005, -2.675, 0.045,
                          // small negatives round to a signed zero
                          -0.001, -0.004999, -0.005, -1e-300, 1e-300, std::numeric_limits<double>::denorm_min(),
                          0.994999999, 0.995, 0.9950000001, 9.995, 99.995, 999999.995,
                          // around the largest value formatted without the library, and beyond
                          8.99999999999999e15, -8.99999999999999e15, 9.0e15, 9.1e15, 1e20, -1e300,
                          std::numeric_limits<double>::max(), inf, -inf, std::nan("")};
  for (double value : cases) EXPECT_EQ(Library(value), FormatAmount(value)) << value;
}

TEST(FormatAmount, WritesWhatTheCLibraryWritesForRandomAmounts) {
  std::mt19937_64 random(20261211);
  std::uniform_real_distribution<double> exponent(-8, 16);
  std::uniform_int_distribution<int64_t> cents(-100000000, 100000000);
  for (int i = 0; i < 100000; ++i) {
    const double wide = std::pow(10.0, exponent(random)) * (random() % 2 ? 1 : -1);
    const double stored = static_cast<double>(cents(random)) / 100.0;  // a shop's amounts
    const double quotient = stored * 3.0 / 7.0;                        // and what arithmetic makes of them
    for (double value : {wide, stored, quotient}) ASSERT_EQ(Library(value), FormatAmount(value)) << value;
  }
}

TEST(FormatRate, AddsThePercentSign) {
  for (double value : {0.0, 12.5, -0.125, 100.0, 33.333333})
    EXPECT_EQ(StringPrintf("%.02f%%", value), FormatRate(value)) << value;
}

}  // namespace
