// Stock arithmetic of a bill posting, apart from the database so that it can be
// checked on its own.
#ifndef DATAVANE_STOCK_POSTING_H
#define DATAVANE_STOCK_POSTING_H

#include <string>

// True for a sales bill number ("XSD..."): its lines take stock out.
bool IsSalesBill(const std::string& billNumber);

// The stock text after a line: `stock` and `quantity` are stored texts read as
// numbers (sign and decimals kept, 0 when not a number); the result is a whole
// number when whole ("9", "-1"), otherwise two decimals ("7.50").
std::string PostedStock(const std::string& stock, const std::string& quantity, bool takeOut);

#endif
