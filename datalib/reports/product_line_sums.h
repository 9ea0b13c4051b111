// The quantity and amount totals of every product's bill lines that a report
// asks for, taken in one pass instead of one statement per product. A
// product's totals read exactly as sum(数量) and sum(金额) over its lines would.
#ifndef DATAVANE_PRODUCT_LINE_SUMS_H
#define DATAVANE_PRODUCT_LINE_SUMS_H

#include <memory>
#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "reports/report_session.h"
#include "reports/text_index.h"

class LineFilter;

class ProductLineSums {
 public:
  struct Sums {
    std::string quantity;  // ANSI; empty when the product has no such line
    std::string amount;
  };

  // Lines of the bills of `billType` (such as "销售单") that meet `condition`, a
  // condition on J4_Account_Data rows that may also name the line's columns.
  static ProductLineSums OfBills(ReportSession& session, const char* billType, const std::string& condition);
  // Lines of the named products (UTF-8) that `lineCondition`, a condition on
  // J4_Bill_Items rows, takes: one indexed statement per product, which reads
  // only those products' lines. For a few products among many.
  static ProductLineSums OfProducts(ReportSession& session, const std::vector<std::string>& productsUtf8,
                                    const std::string& lineCondition);
  // The same for each of several selections of lines at once: one walk of each
  // named product's lines on the product index, each line counted for every
  // filter that takes its bill. result[i] holds the totals of filters[i].
  static std::vector<ProductLineSums> OfProducts(ReportSession& session, const std::vector<std::string>& productsUtf8,
                                                 const std::vector<LineFilter>& filters);

  // The totals of a product named as stored (UTF-8); empty texts when it has no line.
  const Sums& of(const std::string& productUtf8) const;
  // The products that have lines, in the order of their first line (empty
  // when the totals came from a condition tested line by line).
  const std::vector<std::string>& products() const { return order_; }

 private:
  friend class LinePass;
  std::unordered_map<std::string, Sums> sums_;
  std::vector<std::string> order_;
};

// Bill numbers as stored (UTF-8), looked up without copying a line's text.
class BillNumbers {
 public:
  BillNumbers() = default;
  BillNumbers(std::initializer_list<std::string> numbers);
  // A copy views its own texts; a move takes the texts where they are.
  BillNumbers(const BillNumbers& other);
  BillNumbers& operator=(const BillNumbers& other);
  BillNumbers(BillNumbers&&) = default;
  BillNumbers& operator=(BillNumbers&&) = default;

  void insert(std::string_view number);
  bool contains(std::string_view number) const { return index_.find(number) != nullptr; }
  bool empty() const { return order_.empty(); }
  size_t size() const { return order_.size(); }
  // Every number once, in the order of insertion.
  const std::vector<std::string_view>& numbers() const { return order_; }

 private:
  // The texts lie one after another in blocks that never move, so the views
  // stay valid; a period's tens of thousands of numbers take a few blocks
  // instead of one allocation each.
  std::vector<std::unique_ptr<char[]>> blocks_;
  size_t blockFree_ = 0;  // bytes left at the end of the last block
  std::vector<std::string_view> order_;
  TextIndex index_;
};

// Which lines a selection of a one-pass totalling takes, by the line's bill number.
class LineFilter {
 public:
  // The bills of a set.
  static LineFilter Bills(BillNumbers numbers);
  // Numbers that begin with an ASCII prefix, in any letter case, as LIKE 'prefix%'.
  static LineFilter NumberPrefix(const std::string& prefix);
  // The same selection, listing its products without totalling them.
  LineFilter productsOnly() &&;

  bool takes(std::string_view number) const;
  bool sums() const { return sums_; }
  // The bills of a set-of-bills filter; null for a prefix filter.
  const BillNumbers* bills() const { return byPrefix_ ? nullptr : &numbers_; }

 private:
  BillNumbers numbers_;
  std::string prefix_;
  bool byPrefix_ = false;
  bool sums_ = true;
};

// The numbers of the bills of `billType` that meet `condition`; false when the
// condition also names a line's columns, so that it cannot be decided per bill.
bool BillsMeeting(ReportSession& session, const char* billType, const std::string& condition, BillNumbers* numbers);
// The same for several bill types from one walk of the documents: numbers[i]
// receives the bills of billTypes[i].
bool BillsMeeting(ReportSession& session, const std::vector<const char*>& billTypes, const std::string& condition,
                  std::vector<BillNumbers>* numbers);

// A condition on J4_Bill_Items rows: the line belongs to a bill of `billType`
// that meets `condition`, a condition on J4_Account_Data rows that may also
// name the line's columns.
std::string LineOfBillType(const char* billType, const std::string& condition);

// How many lines the named products (UTF-8) have, counted on the product index.
long LinesOfProducts(ReportSession& session, const std::vector<std::string>& productsUtf8);

// The totals of the named products' (UTF-8) lines of the bills of each type that
// meet `condition` (as in LineOfBillType): result[i] for billTypes[i]. Products
// with many lines are walked once for all types against the bills listed once;
// a few lines look their bill up each.
std::vector<ProductLineSums> SumProductsInBills(ReportSession& session, const std::vector<std::string>& productsUtf8,
                                                const std::vector<const char*>& billTypes,
                                                const std::string& condition);

// One pass over every bill line in stored order, totalling each filter's lines per product.
std::vector<ProductLineSums> SumLinesInOnePass(ReportSession& session, const std::vector<LineFilter>& filters);

#endif
