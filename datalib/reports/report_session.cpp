// Prepared-statement reuse and parameter binding for the report builders.
#include "reports/report_session.h"

#include "sql_functions.h"

namespace {

[[noreturn]] void ThrowFrom(sqlite3* db, int code) { throw CppSQLite3Exception(code, db ? sqlite3_errmsg(db) : ""); }

}  // namespace

ReportSession::ReportSession(const ReportRequest& request) : db_(request.unitConnection()) {
  // The unit's connection already reads inside one transaction, with the
  // unit's page cache, and has the library's functions.
  if (!db_) openOwn(request.settings());
}

ReportSession::ReportSession(const ConnectionSettings& settings) : db_(nullptr) { openOwn(settings); }

void ReportSession::openOwn(const ConnectionSettings& settings) {
  db_ = &own_;
  own_.open(settings);
  // A report reads much of the file, often more than once and in index order;
  // a page cache of up to 64 MiB spares decrypting the same pages again. The
  // pages go back to the process's pool at the end of the report.
  own_.execDML("pragma cache_size = -65536");
  // One read transaction for the whole report: every statement outside another
  // one's walk would otherwise take and drop the file lock anew, which costs far
  // more than the look-up itself. It also gives the report one consistent view.
  own_.execDML("begin");
}

ReportSession::~ReportSession() {
  for (auto& entry : statements_) sqlite3_finalize(entry->statement);
  statements_.clear();
  if (db_ != &own_) return;  // the unit's connection stays open, its transaction untouched
  try {
    own_.execDML("rollback");  // a report writes nothing
  } catch (...) {
  }
  try {
    own_.close();
  } catch (...) {
    // The connection object releases the handle on its own when closing fails.
  }
}

void ReportSession::useDiscount2Actual() {
  if (db_ == &own_) RegisterDiscount2Actual(own_);
}

ReportSession::CachedStatement& ReportSession::acquire(const std::string& ansiSql) {
  for (auto& entry : statements_)
    if (!entry->inUse && entry->sql == ansiSql) return *entry;
  const std::string sql = AnsiToUtf8(ansiSql);
  sqlite3_stmt* statement = nullptr;
  const int rc = sqlite3_prepare_v2(db_->handle(), sql.c_str(), static_cast<int>(sql.size()), &statement, nullptr);
  if (rc != SQLITE_OK || !statement) {
    sqlite3_finalize(statement);
    // An empty or comment-only text prepares to nothing: it is no statement.
    ThrowFrom(db_->handle(), rc != SQLITE_OK ? rc : SQLITE_MISUSE);
  }
  statements_.push_back(std::unique_ptr<CachedStatement>(new CachedStatement{ansiSql, statement, false}));
  return *statements_.back();
}

ReportQuery::ReportQuery(ReportSession& session, const std::string& ansiSql,
                         std::initializer_list<std::string> utf8Values)
    : session_(session), entry_(&session.acquire(ansiSql)) {
  entry_->inUse = true;
  // Values beyond the statement's parameters are left out, so one call can serve
  // the forms of a statement with and without a filter.
  const int parameters = sqlite3_bind_parameter_count(entry_->statement);
  int index = 1;
  for (const std::string& value : utf8Values) {
    if (index > parameters) break;
    const int rc =
        sqlite3_bind_text(entry_->statement, index++, value.c_str(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
    if (rc != SQLITE_OK) {
      sqlite3_clear_bindings(entry_->statement);
      entry_->inUse = false;
      ThrowFrom(session_.db_->handle(), rc);
    }
  }
}

ReportQuery::~ReportQuery() {
  sqlite3_reset(entry_->statement);
  sqlite3_clear_bindings(entry_->statement);
  entry_->inUse = false;
}

void ReportQuery::bind(int index, double value) {
  const int rc = sqlite3_bind_double(entry_->statement, index, value);
  if (rc != SQLITE_OK) ThrowFrom(session_.db_->handle(), rc);
}

void ReportQuery::bindUnchanged(int index, std::string_view utf8) {
  const int rc = sqlite3_bind_text(entry_->statement, index, utf8.data(), static_cast<int>(utf8.size()), SQLITE_STATIC);
  if (rc != SQLITE_OK) ThrowFrom(session_.db_->handle(), rc);
}

bool ReportQuery::next() {
  const int rc = sqlite3_step(entry_->statement);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  ThrowFrom(session_.db_->handle(), rc);
}

std::string_view ReportQuery::utf8View(int column) const {
  const unsigned char* text = sqlite3_column_text(entry_->statement, column);
  if (!text) return std::string_view();
  return std::string_view(reinterpret_cast<const char*>(text),
                          static_cast<size_t>(sqlite3_column_bytes(entry_->statement, column)));
}

std::string ReportQuery::utf8(int column) const { return std::string(utf8View(column)); }

bool ReportQuery::isNull(int column) const { return sqlite3_column_type(entry_->statement, column) == SQLITE_NULL; }

sqlite3_value* ReportQuery::value(int column) const { return sqlite3_column_value(entry_->statement, column); }

std::string ReportQuery::text(int column) const { return Utf8ToAnsi(utf8(column)); }

std::string AndCondition(const std::string& condition) {
  // The line break ends a trailing "--" comment of the condition before the parenthesis.
  return condition.empty() ? std::string() : " and (" + condition + "\n)";
}

std::string AndBillPeriod(const std::string& condition) {
  // Without a period every document of the types is read, and a walk of the
  // table in stored order costs less than one through the index.
  return condition.empty() ? std::string() : AndIndexedBillPeriod(condition);
}

std::string AndIndexedBillPeriod(const std::string& condition) { return " and 类型>''" + AndCondition(condition); }
