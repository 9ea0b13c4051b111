// Numbers and their texts: how a stored number reads back, and which texts are
// stored as numbers.
#ifndef KXXLS_NUMBER_TEXT_H
#define KXXLS_NUMBER_TEXT_H

#include <string>

// The shortest decimal that reads back as the same double: "3", "12.5", "-0.001",
// "1e+21" for magnitudes a plain decimal would spell out past 21 digits. Not-a-number
// and infinities read "#NUM!", as a spreadsheet program shows them.
std::wstring NumberText(double value);

// True when `text` is a plain decimal number that a number cell keeps exactly:
// an optional minus, no leading zeros, digits with at most one point between them,
// at most 15 significant digits, and not a negative zero. Sets the value and
// whether the text has exactly two decimals (written with a "0.00" format).
bool IsPlainNumber(const std::wstring& text, double* value, bool* twoDecimals);

// Parses a number as the formats store it ("3", "-1.25E-3"), whatever the process
// locale; false unless the whole text is one finite number.
bool ParseStoredNumber(const std::string& text, double* value);

#endif  // KXXLS_NUMBER_TEXT_H
