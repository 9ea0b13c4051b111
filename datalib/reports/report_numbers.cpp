// Number parsing and the cell formats of the reports.
#include "reports/report_numbers.h"

#include <cstdlib>

#include "sql_text.h"

double ParseNumber(const std::string& text) { return std::atof(text.c_str()); }

std::string FormatAmount(double value) { return StringPrintf("%.02f", value); }

std::string FormatRate(double value) { return StringPrintf("%.02f%%", value); }
