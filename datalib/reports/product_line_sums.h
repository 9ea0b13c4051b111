// The quantity and amount sums of every product's bill lines that a report
// asks for, taken in one grouped pass instead of one statement per product.
// A product's sums are the texts SQLite gives for sum(数量) and sum(金额) over its
// lines, exactly as the statement for that product alone would give them.
#ifndef DATAVANE_PRODUCT_LINE_SUMS_H
#define DATAVANE_PRODUCT_LINE_SUMS_H

#include <string>
#include <unordered_map>

#include "reports/report_session.h"

class ProductLineSums {
 public:
  struct Sums {
    std::string quantity;  // ANSI; empty when the product has no such line
    std::string amount;
  };

  // Lines of the bills of `billType` (such as "销售单") that meet `condition`, a
  // condition on J4_Account_Data rows that may also name the line's columns.
  static ProductLineSums OfBills(ReportSession& session, const char* billType, const std::string& condition);
  // Lines whose bill number begins with `numberPrefix` (such as "XSD").
  static ProductLineSums OfNumberPrefix(ReportSession& session, const char* numberPrefix);

  // The sums of a product named as stored (UTF-8); empty texts when it has no line.
  const Sums& of(const std::string& productUtf8) const;

 private:
  void load(ReportSession& session, const std::string& ansiSql);
  std::unordered_map<std::string, Sums> sums_;
};

#endif
