// CppSQLite3DB, CppSQLite3Query, CppSQLite3Exception: the connection, statement
// and error of the data library, with the cipher set up on every open.
#include "sqlite_connection.h"

#include <utility>

#include "block_read_vfs.h"
#include "page_cache_pool.h"
#include "text_encoding.h"

namespace {

const char* const kCodeNames[] = {
    "SQLITE_OK",       "SQLITE_ERROR",      "SQLITE_INTERNAL", "SQLITE_PERM",      "SQLITE_ABORT", "SQLITE_BUSY",
    "SQLITE_LOCKED",   "SQLITE_NOMEM",      "SQLITE_READONLY", "SQLITE_INTERRUPT", "SQLITE_IOERR", "SQLITE_CORRUPT",
    "SQLITE_NOTFOUND", "SQLITE_FULL",       "SQLITE_CANTOPEN", "SQLITE_PROTOCOL",  "SQLITE_EMPTY", "SQLITE_SCHEMA",
    "SQLITE_TOOBIG",   "SQLITE_CONSTRAINT", "SQLITE_MISMATCH", "SQLITE_MISUSE",    "SQLITE_NOLFS", "SQLITE_AUTH",
    "SQLITE_FORMAT",   "SQLITE_RANGE"};

[[noreturn]] void Throw(int code, const char* text) { throw CppSQLite3Exception(code, text ? text : ""); }

// The key is a constant compiled into the library, so key derivation rounds
// protect nothing; one round keeps the per-operation open cheap.
void ConfigureCipher(sqlite3* db) {
  int chacha = sqlite3mc_cipher_index("chacha20");
  if (chacha <= 0 || sqlite3mc_config(db, "cipher", chacha) != chacha) Throw(CPPSQLITE_ERROR, "Cipher not available");
  sqlite3mc_config_cipher(db, "chacha20", "legacy", 0);
  if (sqlite3mc_config_cipher(db, "chacha20", "kdf_iter", 1) != 1) Throw(CPPSQLITE_ERROR, "Cipher not configurable");
}

}  // namespace

const char* SqliteErrorCodeName(int code) {
  if (code >= 0 && code < static_cast<int>(sizeof(kCodeNames) / sizeof(kCodeNames[0]))) return kCodeNames[code];
  if (code == SQLITE_ROW) return "SQLITE_ROW";
  if (code == SQLITE_DONE) return "SQLITE_DONE";
  if (code == CPPSQLITE_ERROR) return "CPPSQLITE_ERROR";
  return "UNKNOWN_ERROR";
}

CppSQLite3Exception::CppSQLite3Exception(int code, const std::string& text)
    : code_(code), message_(std::string(SqliteErrorCodeName(code)) + "[" + std::to_string(code) + "]: " + text) {}

// ---- CppSQLite3Query ----

CppSQLite3Query::CppSQLite3Query(sqlite3* db, sqlite3_stmt* statement, bool eof)
    : db_(db), statement_(statement), eof_(eof), columns_(sqlite3_column_count(statement)) {}

CppSQLite3Query::CppSQLite3Query(CppSQLite3Query&& other) noexcept { *this = std::move(other); }

CppSQLite3Query& CppSQLite3Query::operator=(CppSQLite3Query&& other) noexcept {
  if (this != &other) {
    if (statement_) sqlite3_finalize(statement_);
    db_ = other.db_;
    statement_ = std::exchange(other.statement_, nullptr);
    eof_ = other.eof_;
    columns_ = other.columns_;
  }
  return *this;
}

CppSQLite3Query::~CppSQLite3Query() {
  if (statement_) sqlite3_finalize(statement_);
}

void CppSQLite3Query::checkStatement() const {
  if (!statement_) Throw(CPPSQLITE_ERROR, "Null Virtual Machine pointer");
}

bool CppSQLite3Query::eof() const {
  checkStatement();
  return eof_;
}

void CppSQLite3Query::nextRow() {
  checkStatement();
  int rc = sqlite3_step(statement_);
  if (rc == SQLITE_DONE) {
    eof_ = true;
  } else if (rc != SQLITE_ROW) {
    rc = sqlite3_finalize(statement_);
    statement_ = nullptr;
    Throw(rc, sqlite3_errmsg(db_));
  }
}

int CppSQLite3Query::numFields() const {
  checkStatement();
  return columns_;
}

int CppSQLite3Query::fieldIndex(const std::string& ansiName) const {
  checkStatement();
  const std::string name = AnsiToUtf8(ansiName);
  for (int i = 0; i < columns_; ++i) {
    const char* column = sqlite3_column_name(statement_, i);
    if (column && name == column) return i;
  }
  Throw(CPPSQLITE_ERROR, "Invalid field name requested");
}

const char* CppSQLite3Query::getStringField(int index) const {
  checkStatement();
  if (index < 0 || index >= columns_) Throw(CPPSQLITE_ERROR, "Invalid field index requested");
  return reinterpret_cast<const char*>(sqlite3_column_text(statement_, index));
}

std::string CppSQLite3Query::fieldValue(int index) const {
  const char* text = getStringField(index);
  if (!text) return std::string();
  return Utf8ToAnsi(std::string(text, static_cast<size_t>(sqlite3_column_bytes(statement_, index))));
}

std::string CppSQLite3Query::fieldValue(const std::string& ansiName) const { return fieldValue(fieldIndex(ansiName)); }

void CppSQLite3Query::finalize() {
  if (!statement_) return;
  int rc = sqlite3_finalize(statement_);
  statement_ = nullptr;
  if (rc != SQLITE_OK) Throw(rc, sqlite3_errmsg(db_));
}

// ---- CppSQLite3DB ----

CppSQLite3DB::~CppSQLite3DB() {
  if (db_) sqlite3_close_v2(db_);  // never throws; a busy close finishes when the last statement goes
}

void CppSQLite3DB::checkDB() const {
  if (!db_) Throw(CPPSQLITE_ERROR, "Database not open");
}

void CppSQLite3DB::open(const ConnectionSettings& settings, Locking locking) {
  close();
  if (settings.path.empty()) Throw(SQLITE_CANTOPEN, "No database path");
  ReservePageCachePool();
  InstallBlockReadVfs();
  const std::string path = AnsiToUtf8(settings.path);
  sqlite3* db = nullptr;
  // A connection belongs to one thread at a time (an operation's, a unit's, a
  // report's), so SQLite's per-call locking of the connection is left out: it
  // cost two critical sections per call, several per row read.
  int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc != SQLITE_OK) {
    std::string text = db ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close(db);
    Throw(rc, text.c_str());
  }
  db_ = db;
  ConfigureCipher(db_);
  rc = sqlite3_key(db_, settings.key.data(), static_cast<int>(settings.key.size()));
  if (rc != SQLITE_OK) Throw(rc, sqlite3_errmsg(db_));
  sqlite3_busy_timeout(db_, settings.busyTimeoutMs);
  // A connection lives for one operation: holding its file lock until close saves a
  // lock cycle per statement (under Wine each costs about half a millisecond).
  if (locking == Locking::kHoldUntilClose) execDML("pragma locking_mode=exclusive");
}

void CppSQLite3DB::close() {
  if (!db_) return;
  if (sqlite3_close(db_) != SQLITE_OK) Throw(CPPSQLITE_ERROR, "Unable to close database");
  db_ = nullptr;
}

int CppSQLite3DB::execDML(const std::string& ansiSql) {
  checkDB();
  const std::string sql = AnsiToUtf8(ansiSql);
  char* error = nullptr;
  int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error);
  if (rc != SQLITE_OK) {
    std::string text = error ? error : "";
    sqlite3_free(error);
    Throw(rc, text.c_str());
  }
  return sqlite3_changes(db_);
}

CppSQLite3Query CppSQLite3DB::execQuery(const std::string& ansiSql) {
  checkDB();
  const std::string sql = AnsiToUtf8(ansiSql);
  sqlite3_stmt* statement = nullptr;
  int rc = sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()) + 1, &statement, nullptr);
  if (rc != SQLITE_OK) Throw(rc, sqlite3_errmsg(db_));
  if (!statement) Throw(SQLITE_MISUSE, "Empty statement");
  rc = sqlite3_step(statement);
  if (rc == SQLITE_DONE || rc == SQLITE_ROW) return CppSQLite3Query(db_, statement, rc == SQLITE_DONE);
  rc = sqlite3_finalize(statement);
  Throw(rc, sqlite3_errmsg(db_));
}

std::vector<std::string> CppSQLite3DB::queryColumn(const std::string& ansiSql) {
  std::vector<std::string> values;
  for (CppSQLite3Query query = execQuery(ansiSql); !query.eof(); query.nextRow()) values.push_back(query.fieldValue(0));
  return values;
}

// ---- SqliteTransaction ----

namespace {
// One fixed name serves nested savepoints too: "rollback to" and "release" act
// on the innermost savepoint of that name.
const char kSavepointName[] = "kxp_call";
}  // namespace

SqliteTransaction::SqliteTransaction(CppSQLite3DB& db, Kind kind) : db_(db), kind_(kind) {
  db_.execDML(kind_ == Kind::kSavepoint ? std::string("savepoint ") + kSavepointName : std::string("begin immediate"));
}

SqliteTransaction::~SqliteTransaction() {
  if (done_ || !db_.handle()) return;
  if (kind_ == Kind::kSavepoint) {
    const std::string undo = std::string("rollback to ") + kSavepointName + "; release " + kSavepointName;
    sqlite3_exec(db_.handle(), undo.c_str(), nullptr, nullptr, nullptr);
  } else {
    sqlite3_exec(db_.handle(), "rollback", nullptr, nullptr, nullptr);
  }
}

void SqliteTransaction::commit() {
  db_.execDML(kind_ == Kind::kSavepoint ? std::string("release ") + kSavepointName : std::string("commit"));
  done_ = true;
}
