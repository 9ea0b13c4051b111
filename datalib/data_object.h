// KXPData: the data object behind KXPDatavane. Every operation opens its own
// connection, does its work, closes and answers a result code; nothing thrown
// inside (database errors, a throwing callback, an allocation failure) leaves it.
// While the calling thread has a unit of work open, the operations run on the
// unit's connection instead and commit nothing (work_unit.h).
#ifndef DATAVANE_DATA_OBJECT_H
#define DATAVANE_DATA_OBJECT_H

#include "kxp_data.h"
#include "sqlite_connection.h"
#include "work_unit.h"

// The key every connection of the library passes to the cipher.
extern const char kDatabaseKey[];

class OperationConnection;

class KXPData : public KXPDatavane {
 public:
  // Tests shorten the busy timeout to see a locked file fail quickly.
  explicit KXPData(int busyTimeoutMs = kDefaultBusyTimeoutMs);
  // Rolls back and closes a unit still open on the destroying thread (units of
  // other threads end with their threads).
  ~KXPData();
  KXPData(const KXPData&) = delete;
  KXPData& operator=(const KXPData&) = delete;

  int OpenDatabase(const char* path) override;
  int AddUser(const char* name, const char* password) override;
  int DeleteUser(const char* name, const char* password) override;
  int CheckUserPassword(const char* name, const char* password) override;
  int GetUserNames(std::vector<std::string>* names) override;
  int GetUserPassword(const char* name, char* password) override;
  int SetUserPassword(const char* name, const char* password, const char* question, const char* answer) override;
  int SetUserEmail(const char* name, const char* email) override;
  int GetUserEmail(const char* name, char* email) override;
  int SetSavePassword(const char* name, bool save) override;
  int GetSavePassword(const char* name) override;
  int GetTableFields(const char* table, std::vector<DataField>* fields) override;
  int GetTableColumnNames(const char* table, std::vector<std::string>* names) override;
  int QueryRecords(const char* table, std::vector<DataField>* record,
                   std::vector<std::vector<DataField>>* rows) override;
  int QueryRecordsCallback(const char* table, intptr_t context, std::vector<DataField>* record,
                           DataRowCallback onRow) override;
  int InsertRecord(const char* table, std::vector<DataField>* values) override;
  int UpdateRecord(const char* table, std::vector<DataField>* values, std::vector<DataField>* keys) override;
  int DeleteRecords(const char* table, std::vector<DataField>* keys) override;
  int RunReport(const char* key, intptr_t context, std::vector<DataField>* params, DataRowCallback onRow) override;
  int AddSideBarItem(const char* name, const char* image, const char* tip) override;
  int DeleteSideBarItem(const char* name) override;
  int GetSideBarItems(std::vector<SideBarItem>* items, const char* name) override;
  int AddProductType(const char* category, const char* parent, int level) override;
  int DeleteProductType(const char* category) override;
  int GetProductTypes(intptr_t context, ProductTypeCallback onType) override;
  int GetProductType(const char* category, char* parent, int* level) override;
  int AddProductUnit(const char* unit) override;
  int DeleteProductUnit(const char* unit) override;
  int AdjustStock(std::string billNumber, std::vector<std::vector<DataField>>* lines, bool reverse) override;
  int BeginWork() override;
  int CommitWork() override;
  int RollbackWork() override;

  const ConnectionSettings& connectionSettings() const { return settings_; }

 private:
  friend class OperationConnection;
  bool hasDatabase() const { return !settings_.path.empty(); }
  OperationConnection reading() const;
  OperationConnection writing() const;
  // Runs one statement (ANSI) on the operation's connection.
  void execute(const std::string& sql) const;
  // Deletes and inserts together, so that a row is replaced or kept, never lost.
  void replaceRow(const std::string& deleteSql, const std::string& insertSql) const;
  // Copies one column of a user's row into the caller's text buffer (left alone without a row).
  int readUserText(const char* column, const char* name, char* out);

  ConnectionSettings settings_;
};

// The connection one operation runs on: the calling thread's unit of work for
// this data object when one is open, otherwise one of its own for this call.
class OperationConnection {
 public:
  // Throws when the thread's unit has been rolled back underneath it, so that
  // nothing is stored statement by statement in its place.
  OperationConnection(const KXPData& data, CppSQLite3DB::Locking locking);
  OperationConnection(const OperationConnection&) = delete;
  OperationConnection& operator=(const OperationConnection&) = delete;

  CppSQLite3DB& operator*() { return *db_; }
  CppSQLite3DB* operator->() { return db_; }
  // The unit the statements run in; null outside a unit.
  WorkUnit* unit() const { return unit_; }
  // How statements that land together are bracketed: a transaction of their own
  // outside a unit; inside one a savepoint, so that a failing call undoes only
  // its own writes and the unit stays open.
  SqliteTransaction::Kind transactionKind() const {
    return unit_ ? SqliteTransaction::Kind::kSavepoint : SqliteTransaction::Kind::kImmediate;
  }
  // Closes a connection of its own (throwing as CppSQLite3DB::close does); the
  // unit's stays open for the thread's next operation.
  void close() {
    if (!unit_) own_.close();
  }

 private:
  WorkUnit* unit_;
  CppSQLite3DB own_;
  CppSQLite3DB* db_;
};

inline OperationConnection KXPData::reading() const {
  return OperationConnection(*this, CppSQLite3DB::Locking::kHoldUntilClose);
}
inline OperationConnection KXPData::writing() const {
  return OperationConnection(*this, CppSQLite3DB::Locking::kPerTransaction);
}

// Runs an operation's work and turns anything it throws into `onError`.
template <class Work>
int Guarded(Work&& work, int onError = 1) noexcept {
  try {
    return work();
  } catch (...) {
    return onError;
  }
}

// Copies a text into one of the caller's KXP_TEXT_BUFFER_SIZE buffers, cut before
// a double-byte character that would not fit.
void CopyToTextBuffer(const std::string& text, char* buffer);

// Leading number of a stored text (0 when there is none), as the C library reads it.
int LeadingInt(const std::string& text);

#endif
