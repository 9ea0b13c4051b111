// The data object's construction, the database path (OpenDatabase) and the report
// slot; the other operations live beside it by subject.
#include "data_object.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "reports/report_dispatch.h"
#include "schema.h"
#include "text_encoding.h"

const char kDatabaseKey[] = "bramblecot_wev~!";

namespace {
constexpr size_t kMaxPathBytes = 259;      // what a Windows path may hold
constexpr size_t kMaxUtf8PathBytes = 255;  // the same path as SQLite is handed it

bool IsUsablePath(const char* path) noexcept {
  if (!path || std::strlen(path) > kMaxPathBytes) return false;
  return Guarded([&] { return AnsiToUtf8(path).size() <= kMaxUtf8PathBytes ? 1 : 0; }, 0) == 1;
}
}  // namespace

KXPData::KXPData(int busyTimeoutMs) {
  settings_.key = kDatabaseKey;
  settings_.busyTimeoutMs = busyTimeoutMs;
}

KXPData::~KXPData() { TakeThreadWorkUnit(this); }

OperationConnection::OperationConnection(const KXPData& data, CppSQLite3DB::Locking locking)
    : unit_(FindThreadWorkUnit(&data)), db_(unit_ ? &unit_->connection() : &own_) {
  if (!unit_) {
    own_.open(data.settings_, locking);
  } else if (!unit_->isLive()) {
    throw CppSQLite3Exception(SQLITE_ABORT, "The unit of work was rolled back");
  }
}

void KXPData::execute(const std::string& sql) const {
  OperationConnection db = writing();
  db->execDML(sql);
  db.close();
}

void KXPData::replaceRow(const std::string& deleteSql, const std::string& insertSql) const {
  OperationConnection db = writing();
  {
    SqliteTransaction transaction(*db, db.transactionKind());
    db->execDML(deleteSql);
    db->execDML(insertSql);
    transaction.commit();
  }
  db.close();
}

int KXPData::OpenDatabase(const char* path) {
  if (!IsUsablePath(path)) return -1;  // the stored path stays as it was
  // The unit's connection stays on the file it was opened on; refusing keeps the
  // thread's operations and its unit on one database.
  if (FindThreadWorkUnit(this)) return -1;
  return Guarded([&] {
    settings_.path = path;
    CppSQLite3DB db;
    db.open(settings_, CppSQLite3DB::Locking::kPerTransaction);
    CreateSchema(db);
    db.close();
    return 0;
  });
}

int KXPData::RunReport(const char* key, intptr_t context, std::vector<DataField>* params, DataRowCallback onRow) {
  // Inside a unit the report reads through the unit's connection, so that a page
  // that saves and then reports within one unit sees what it saved. A unit whose
  // transaction has ended underneath it runs no report, as it runs no other
  // operation.
  Guarded([&] {
    WorkUnit* unit = FindThreadWorkUnit(this);
    if (unit && !unit->isLive()) throw CppSQLite3Exception(SQLITE_ABORT, "The unit of work was rolled back");
    return RunReportByKey(settings_, unit ? &unit->connection() : nullptr, key, context, params, onRow);
  });
  return 0;
}

void CopyToTextBuffer(const std::string& text, char* buffer) {
  const size_t limit = KXP_TEXT_BUFFER_SIZE - 1;
  size_t length = 0;
  while (length < text.size()) {
    const size_t step = (IsDBCSLeadByte(static_cast<BYTE>(text[length])) && length + 1 < text.size()) ? 2 : 1;
    if (length + step > limit) break;
    length += step;
  }
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
}

int LeadingInt(const std::string& text) { return std::atoi(text.c_str()); }
