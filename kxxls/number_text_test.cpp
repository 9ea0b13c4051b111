// Number texts: a stored number reads back as its shortest decimal, and only
// plain decimals that survive that trip are stored as numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "number_text.h"

namespace {

TEST(NumberText, ShortestDecimal) {
  struct Case {
    double value;
    const wchar_t* text;
  } cases[] = {
      {3, L"3"},
      {12.5, L"12.5"},
      {-0.001, L"-0.001"},
      {0.1, L"0.1"},
      {0.1 + 0.2, L"0.30000000000000004"},
      {1e6, L"1000000"},
      {-0.0, L"0"},
      {123456789012345.0, L"123456789012345"},
      {1e21, L"1e+21"},
      {1e20, L"100000000000000000000"},
      {1.5e-10, L"1.5e-10"},
      {0.0000001, L"0.0000001"},
      {99.99, L"99.99"},
      {std::numeric_limits<double>::quiet_NaN(), L"#NUM!"},
      {INFINITY, L"#NUM!"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.text, NumberText(c.value)) << c.value;
}

TEST(NumberText, PlainNumbersOnly) {
  struct Case {
    const wchar_t* text;
    bool number;
    double value;
    bool twoDecimals;
  } cases[] = {
      {L"3", true, 3, false},
      {L"-12.5", true, -12.5, false},
      {L"12.50", true, 12.5, true},
      {L"0.05", true, 0.05, true},
      {L"0", true, 0, false},
      {L"123456789012345", true, 123456789012345.0, false},
      {L"1234567890123456", false, 0, false},  // 16 digits: a code, not a number
      {L"0.000000000000001", true, 1e-15, false},
      {L"007", false, 0, false},  // leading zeros survive as text
      {L"-0", false, 0, false},
      {L"-0.00", false, 0, false},
      {L"1e5", false, 0, false},
      {L"1.", false, 0, false},
      {L".5", false, 0, false},
      {L"+1", false, 0, false},
      {L" 1", false, 0, false},
      {L"1,000", false, 0, false},
      {L"XSD20240101001", false, 0, false},
      {L"", false, 0, false},
      {L"-", false, 0, false},
  };
  for (const Case& c : cases) {
    double v = -1;
    bool two = false;
    ASSERT_EQ(c.number, IsPlainNumber(c.text, &v, &two)) << c.text;
    if (!c.number) continue;
    EXPECT_EQ(c.value, v) << c.text;
    EXPECT_EQ(c.twoDecimals, two) << c.text;
  }
}

TEST(NumberText, StoredNumbers) {
  double v;
  EXPECT_TRUE(ParseStoredNumber("-1.25E-3", &v));
  EXPECT_EQ(-0.00125, v);
  for (const char* bad : {"", "1x", "nan", "inf", "1e999", " 1", "1 "}) EXPECT_FALSE(ParseStoredNumber(bad, &v)) << bad;
}

}  // namespace
