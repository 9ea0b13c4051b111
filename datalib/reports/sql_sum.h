// A running total that adds values the way SQLite's sum() does and reads out
// as the text sum() would give: an integer while every value was one, else a
// compensated floating-point total rendered by the connection itself. The
// reports use it where they total many groups in one pass over a table
// instead of letting SQLite sort the rows into groups.
#ifndef DATAVANE_SQL_SUM_H
#define DATAVANE_SQL_SUM_H

#include <sqlite3.h>

#include <cstdint>
#include <string>

class ReportSession;

class SqlSum {
 public:
  // Adds a column value of the current row of a query (NULL adds nothing).
  void add(sqlite3_value* columnValue);
  // The total as SQLite's text of sum() (UTF-8), empty when nothing was added.
  // Throws CppSQLite3Exception on integer overflow, as sum() fails then.
  std::string text(ReportSession& session) const;

 private:
  void step(double value);
  void stepInt64(int64_t value);
  void startApproximate();

  double sum_ = 0;
  double error_ = 0;
  int64_t integerSum_ = 0;
  int64_t count_ = 0;
  bool approximate_ = false;
  bool overflow_ = false;
};

#endif
