// The library's SQLite layer: one keyed connection (CppSQLite3DB), one stepped
// statement (CppSQLite3Query) and the one error type (CppSQLite3Exception).
//
// SQL text and column texts are ANSI (GBK) on this side; the conversion to and
// from SQLite's UTF-8 happens here and nowhere else. Errors are thrown as
// CppSQLite3Exception and caught at the edge of each data operation.
#ifndef DATAVANE_SQLITE_CONNECTION_H
#define DATAVANE_SQLITE_CONNECTION_H

#include <sqlite3.h>

#include <string>
#include <vector>

constexpr int CPPSQLITE_ERROR = 1000;
constexpr int kDefaultBusyTimeoutMs = 60000;

// The published name of an SQLite result code ("SQLITE_BUSY"), "CPPSQLITE_ERROR"
// for the wrapper's own errors, "UNKNOWN_ERROR" otherwise.
const char* SqliteErrorCodeName(int code);

class CppSQLite3Exception {
 public:
  // The message reads "NAME[code]: text".
  CppSQLite3Exception(int code, const std::string& text);
  virtual ~CppSQLite3Exception() = default;
  int errorCode() const { return code_; }
  const std::string& errorMessage() const { return message_; }

 private:
  int code_;
  std::string message_;
};

// Where a connection goes: the database file, the cipher key and how long to wait
// for another connection's lock.
struct ConnectionSettings {
  std::string path;  // ANSI
  std::string key;
  int busyTimeoutMs = kDefaultBusyTimeoutMs;
};

// One prepared statement positioned on a row (or at the end). Finalizes on
// destruction; move-only.
class CppSQLite3Query {
 public:
  CppSQLite3Query() = default;
  CppSQLite3Query(sqlite3* db, sqlite3_stmt* statement, bool eof);
  CppSQLite3Query(CppSQLite3Query&& other) noexcept;
  CppSQLite3Query& operator=(CppSQLite3Query&& other) noexcept;
  CppSQLite3Query(const CppSQLite3Query&) = delete;
  CppSQLite3Query& operator=(const CppSQLite3Query&) = delete;
  virtual ~CppSQLite3Query();

  bool eof() const;
  void nextRow();
  int numFields() const;
  // Index of the result column named `ansiName`; throws when there is none.
  int fieldIndex(const std::string& ansiName) const;
  // A column's text converted to ANSI; NULL reads as the empty text.
  std::string fieldValue(int index) const;
  std::string fieldValue(const std::string& ansiName) const;
  // The column's raw UTF-8 text, null for NULL.
  const char* getStringField(int index) const;
  void finalize();

 private:
  void checkStatement() const;
  sqlite3* db_ = nullptr;
  sqlite3_stmt* statement_ = nullptr;
  bool eof_ = true;
  int columns_ = 0;
};

// One keyed connection. Closing finalizes nothing on its own: queries are scoped
// inside the connection's lifetime so that they are gone before close().
class CppSQLite3DB {
 public:
  CppSQLite3DB() = default;
  CppSQLite3DB(const CppSQLite3DB&) = delete;
  CppSQLite3DB& operator=(const CppSQLite3DB&) = delete;
  virtual ~CppSQLite3DB();

  // How long a connection keeps the file locks it takes.
  enum class Locking {
    // Until close, so that the statements of an operation do not lock and unlock the
    // file one by one. Only for connections that never write: a connection that holds
    // its shared lock while it waits to write blocks another writer's commit, which
    // in turn waits for it, until the busy timeout ends both.
    kHoldUntilClose,
    // Released after each statement or transaction; what every writing connection uses.
    kPerTransaction,
  };

  // Opens the file (created when missing), applies the cipher key with the
  // cheapest key derivation and sets the busy timeout.
  void open(const ConnectionSettings& settings, Locking locking = Locking::kHoldUntilClose);
  void close();
  bool isOpen() const { return db_ != nullptr; }

  // Runs one or more statements (ANSI text); returns the rows changed by the last.
  int execDML(const std::string& ansiSql);
  // Prepares and steps once (ANSI text).
  CppSQLite3Query execQuery(const std::string& ansiSql);
  // Every row's first column of a query, as ANSI texts.
  std::vector<std::string> queryColumn(const std::string& ansiSql);

  sqlite3* handle() const { return db_; }

 private:
  void checkDB() const;
  sqlite3* db_ = nullptr;
};

// A transaction on an open connection: rolled back unless commit() was reached.
// Inside a transaction that is already open (a unit of work) it is a savepoint
// instead, so that undoing it takes back only its own statements and leaves the
// outer transaction open.
class SqliteTransaction {
 public:
  enum class Kind {
    kImmediate,  // "begin immediate": the write lock first, within the busy timeout
    kSavepoint,  // nested in the connection's open transaction
  };
  explicit SqliteTransaction(CppSQLite3DB& db, Kind kind = Kind::kImmediate);
  ~SqliteTransaction();
  void commit();
  SqliteTransaction(const SqliteTransaction&) = delete;
  SqliteTransaction& operator=(const SqliteTransaction&) = delete;

 private:
  CppSQLite3DB& db_;
  Kind kind_;
  bool done_ = false;
};

#endif
