// The line arithmetic, the totals and the line's price as tables of cases.
#include "line_arithmetic.h"

#include <gtest/gtest.h>

#include "line_product.h"

namespace documents {
namespace {

struct LineCase {
  const char* what;
  LineNumbers line;
  LineCell changed;
  // Expected; NAN-free: a flag says whether the part is written.
  bool quantitiesWritten;
  double quantity, secondQuantity;
  bool priceWritten;
  double price;
  bool amountWritten;
  double amount;
};

TEST(LineArithmetic, RecalculatesTheLineFromTheChangedCell) {
  const LineCase cases[] = {
      {"quantity 3 at 2.5", {3, 0, 0, 2.5, 0}, LineCell::kQuantity, false, 0, 0, false, 0, true, 7.5},
      {"amount 10 on quantity 3", {3, 0, 0, 2.5, 10}, LineCell::kAmount, false, 0, 0, true, 10.0 / 3, false, 0},
      {"a return's amount gives a positive price",
       {-3, 0, 0, 2.5, -10},
       LineCell::kAmount,
       false,
       0,
       0,
       true,
       10.0 / 3,
       false,
       0},
      {"a return's quantity gives a negative amount",
       {-5, 0, 0, 2, 0},
       LineCell::kQuantity,
       false,
       0,
       0,
       false,
       0,
       true,
       -10},
      {"the price changed: amount from price and quantity",
       {4, 0, 0, 1.25, 99},
       LineCell::kOther,
       false,
       0,
       0,
       false,
       0,
       true,
       5},
      {"1 box and 15 pieces at 12 are 27 pieces, split again",
       {15, 1, 12, 2, 0},
       LineCell::kOther,
       true,
       3,
       2,
       false,
       0,
       true,
       54},
      {"a changed quantity keeps the split as typed",
       {15, 1, 12, 2, 0},
       LineCell::kQuantity,
       false,
       0,
       0,
       false,
       0,
       true,
       54},
      {"a changed second quantity keeps it too",
       {15, 1, 12, 2, 0},
       LineCell::kSecondQuantity,
       false,
       0,
       0,
       false,
       0,
       true,
       54},
      {"an amount on business units: price per base unit",
       {3, 2, 12, 0, 54},
       LineCell::kAmount,
       true,
       3,
       2,
       true,
       2,
       false,
       0},
      {"no business unit: the second quantity does not count",
       {4, 7, 0, 2, 0},
       LineCell::kOther,
       false,
       0,
       0,
       false,
       0,
       true,
       8},
      {"a returned box and 3 pieces split toward zero",
       {-15, 0, 12, 1, 0},
       LineCell::kOther,
       true,
       -3,
       -1,
       false,
       0,
       true,
       -15},
      {"no base quantity: an amount keeps the price",
       {0, 0, 0, 4, 10},
       LineCell::kAmount,
       false,
       0,
       0,
       false,
       0,
       false,
       0},
      {"quantities in decimals", {0.3, 0, 0.1, 10, 0}, LineCell::kOther, true, 0, 3, false, 0, true, 3},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.what);
    const LineUpdate update = RecalculateLine(c.line, c.changed);
    EXPECT_EQ(c.quantitiesWritten, update.quantitiesWritten);
    if (c.quantitiesWritten) {
      EXPECT_NEAR(c.quantity, update.quantity, 1e-9);
      EXPECT_NEAR(c.secondQuantity, update.secondQuantity, 1e-9);
    }
    EXPECT_EQ(c.priceWritten, update.priceWritten);
    if (c.priceWritten) {
      EXPECT_NEAR(c.price, update.price, 1e-9);
    }
    EXPECT_EQ(c.amountWritten, update.amountWritten);
    if (c.amountWritten) {
      EXPECT_NEAR(c.amount, update.amount, 1e-9);
    }
  }
}

TEST(LineArithmetic, WritesTwoDecimals) {
  const struct {
    double value;
    const wchar_t* text;
  } cases[] = {{7.5, L"7.50"}, {10.0 / 3, L"3.33"}, {-0.001, L"0.00"}, {-7.5, L"-7.50"}, {1234567.891, L"1234567.89"}};
  for (const auto& c : cases) EXPECT_EQ(c.text, MoneyText(c.value)) << c.value;
}

TEST(LineArithmetic, AReturnSignsAPositiveTypedNumber) {
  const struct {
    const wchar_t* typed;
    bool changed;
    const wchar_t* text;
  } cases[] = {
      {L"5", true, L"-5"}, {L"5.5", true, L"-5.5"}, {L"-5", false, L""},
      {L"0", false, L""},  {L"", false, L""},       {L"abc", false, L""},
  };
  for (const auto& c : cases) {
    std::wstring text;
    EXPECT_EQ(c.changed, ReturnSigned(c.typed, &text)) << c.typed;
    if (c.changed) {
      EXPECT_EQ(c.text, text);
    }
  }
}

TEST(LineArithmetic, DueFollowsThePercentAndThePercentFollowsTheDue) {
  EXPECT_DOUBLE_EQ(80, AmountDue(100, 80));
  EXPECT_DOUBLE_EQ(100, AmountDue(100, 100));
  EXPECT_DOUBLE_EQ(-45, AmountDue(-50, 90));  // a return bill

  const struct {
    double due, total;
    bool written;
    double percent;
  } cases[] = {{80, 100, true, 80}, {-45, -50, true, 90}, {45, -50, true, 90}, {10, 0, false, 0}, {0, 200, true, 0}};
  for (const auto& c : cases) {
    double percent = -1;
    EXPECT_EQ(c.written, PercentOfDue(c.due, c.total, &percent)) << c.due << " of " << c.total;
    if (c.written) {
      EXPECT_DOUBLE_EQ(c.percent, percent);
    }
  }
}

TEST(LinePrice, ByPartyAndSide) {
  const ProductPrices prices{L"12.00", L"10.00"};
  const std::wstring stored = L"9.50";
  const struct {
    const wchar_t* party;
    const std::wstring* partyPrice;
    const wchar_t* price;
  } cases[] = {
      {L"批发客户", &stored, L"10.00"},                                    // the wholesale price, whatever is stored
      {L"批发客户", nullptr, L"10.00"}, {L"零售客户", &stored, L"12.00"},  // the list price, whatever is stored
      {L"张三", &stored, L"9.50"},                                         // a stored trade or contract price wins
      {L"张三", nullptr, L"12.00"},     {L"", nullptr, L"12.00"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.price, LinePrice(c.party, prices, c.partyPrice)) << c.party;
}

}  // namespace
}  // namespace documents
