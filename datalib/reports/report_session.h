// One report's connection to the database: one of its own, or the connection
// of the caller's unit of work, which the report borrows for its statements.
//
// A report runs the same few statements once per product, party or bill, so each
// statement text is prepared once per report and reused; the per-row values (a
// party's or a product's name) are bound as parameters ?1, ?2 ... rather than
// written into the text, which keeps names with quotes intact. Condition texts
// that the caller hands over as ready SQL are part of the statement text.
//
// SQL text and column texts are ANSI (GBK) on this side, as everywhere in the
// library. Errors are thrown as CppSQLite3Exception.
#ifndef DATAVANE_REPORT_SESSION_H
#define DATAVANE_REPORT_SESSION_H

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "reports/report_request.h"
#include "sqlite_connection.h"
#include "text_encoding.h"

class ReportSession {
 public:
  // Reads through the request's unit connection, or on one of its own.
  explicit ReportSession(const ReportRequest& request);
  // Reads on a connection of its own.
  explicit ReportSession(const ConnectionSettings& settings);
  ~ReportSession();  // finalizes every statement, then closes a connection of its own
  ReportSession(const ReportSession&) = delete;
  ReportSession& operator=(const ReportSession&) = delete;

  CppSQLite3DB& connection() { return *db_; }
  // Makes Discount2Actual available to the report's statements.
  void useDiscount2Actual();

 private:
  friend class ReportQuery;
  struct CachedStatement {
    std::string sql;  // ANSI text it was prepared from
    sqlite3_stmt* statement;
    bool inUse;
  };
  void openOwn(const ConnectionSettings& settings);
  // A prepared statement for `ansiSql` that no running query holds.
  CachedStatement& acquire(const std::string& ansiSql);

  CppSQLite3DB own_;
  CppSQLite3DB* db_;                                          // own_ or the unit's
  std::vector<std::unique_ptr<CachedStatement>> statements_;  // stable addresses
};

// One run of a statement: binds the values, steps through the rows and hands
// the statement back to its session when it goes out of scope.
class ReportQuery {
 public:
  // `utf8Values` are bound to ?1, ?2 ... in order; those beyond the statement's
  // parameters are ignored.
  ReportQuery(ReportSession& session, const std::string& ansiSql, std::initializer_list<std::string> utf8Values = {});
  ~ReportQuery();
  ReportQuery(const ReportQuery&) = delete;
  ReportQuery& operator=(const ReportQuery&) = delete;

  // Binds a number to ?index before the first step.
  void bind(int index, double value);
  // Binds a UTF-8 text to ?index before the first step, without a copy: the
  // text must stay as it is until the query ends.
  void bindUnchanged(int index, std::string_view utf8);
  // Steps to the next row; false at the end.
  bool next();
  // A column of the current row in ANSI; NULL reads as the empty text.
  std::string text(int column) const;
  // The same column as SQLite stores it (UTF-8), for binding into another statement.
  std::string utf8(int column) const;
  // The same without a copy, valid until the next step.
  std::string_view utf8View(int column) const;
  bool isNull(int column) const;
  // The column as SQLite holds it, valid until the next step.
  sqlite3_value* value(int column) const;

 private:
  ReportSession& session_;
  ReportSession::CachedStatement* entry_;
};

// A value of the caller's (ANSI) ready for binding.
inline std::string BindText(const std::string& ansi) { return AnsiToUtf8(ansi); }

// " and (condition)" for a non-empty condition, nothing for an empty one. The
// parentheses keep a condition that holds "or" from swallowing the rest.
std::string AndCondition(const std::string& condition);

// AndCondition for a statement on J4_Account_Data that already takes only the
// documents of given types: with a condition (a period), it also states the
// condition of the reports' index of documents by type and date, so that the
// period's documents are found on that index instead of by reading them all.
// Such a statement orders its rows explicitly where their order counts.
std::string AndBillPeriod(const std::string& condition);
// The same for a statement that reads no more of the documents than the index
// holds (their type, date and number): it reads the index even without a
// period, since the index is a fraction of the table's size.
std::string AndIndexedBillPeriod(const std::string& condition);

#endif
