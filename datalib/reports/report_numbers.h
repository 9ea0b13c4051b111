// How the reports read numbers from stored texts and write them into cells.
// Figures are carried in double precision from the first text to the last cell.
#ifndef DATAVANE_REPORT_NUMBERS_H
#define DATAVANE_REPORT_NUMBERS_H

#include <string>

// The leading number of a text as the C library reads it; 0 when there is none.
double ParseNumber(const std::string& text);
// Two decimals: 1234.5 gives "1234.50".
std::string FormatAmount(double value);
// Two decimals and a percent sign: 12.5 gives "12.50%".
std::string FormatRate(double value);

#endif
