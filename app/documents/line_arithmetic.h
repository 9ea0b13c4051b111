// The arithmetic of a bill or order line and of the document's totals, as pure
// functions over numbers: what a line's cells become after one of them changed,
// the total of the lines, the amount due after the discount percent and the
// percent back from a typed amount due, and the sign a return puts on a typed
// number. The page reads the cells, calls these, and writes what they answer.
#pragma once

#include <string>

namespace documents {

// The cell of a line that the user changed.
enum class LineCell { kAmount, kQuantity, kSecondQuantity, kOther };

// A line's numbers as its cells hold them. `rate` is the base units in one
// business unit (0: the product has none, so the second quantity does not count).
struct LineNumbers {
  double quantity = 0;        // item_数量
  double secondQuantity = 0;  // item_数量2
  double rate = 0;
  double price = 0;   // item_单价
  double amount = 0;  // item_金额
};

// What a change makes of the line. Only the parts marked as written go into the
// cells; the others keep what the user sees.
struct LineUpdate {
  bool quantitiesWritten = false;  // the line was split into whole business units and a rest
  double quantity = 0;
  double secondQuantity = 0;
  bool priceWritten = false;
  double price = 0;
  bool amountWritten = false;
  double amount = 0;
};

// The quantity in base units: the quantity plus the business units at their rate.
double BaseQuantity(const LineNumbers& line);

// After a change of `changed`: an amount typed sets the price (its size per base
// unit; a line without a base quantity keeps its price); any other change sets the
// amount from price and base quantity. A change of neither quantity splits the
// base quantity into whole business units and a rest (when the line has a rate).
LineUpdate RecalculateLine(const LineNumbers& line, LineCell changed);

// A number typed into a quantity or amount of a return line: a positive number
// gets a leading "-"; zero, a negative number and text that is no number stay.
// False when the text stays as typed.
bool ReturnSigned(const std::wstring& typed, std::wstring* signedText);

// The amount due after the discount: total × percent ÷ 100.
double AmountDue(double total, double percent);
// The percent that makes the total the amount due: |due × 100 ÷ total|. False for
// a total of 0 (the percent is left as it is).
bool PercentOfDue(double due, double total, double* percent);

// A number as the cells show it, "%.02f".
std::wstring MoneyText(double value);
// A cell's text as a number; text that is no number counts as 0.
double NumberOf(const std::wstring& text);

}  // namespace documents
