// The unit of work's connection and the per-thread keeping of open units.
#include "work_unit.h"

#include <windows.h>

#include <utility>
#include <vector>

#include "data_object.h"
#include "sql_functions.h"

namespace {

// The open units of one thread, at most one per data object.
struct ThreadWorkUnits {
  std::vector<std::pair<const void*, std::unique_ptr<WorkUnit>>> units;
};

// Called by the system on each thread's way out (and for the main thread at
// process exit) with the thread's list: what is still open is rolled back and
// closed. A fiber-local slot with this callback rather than a thread_local object
// with a destructor: the system calls it for every thread, CreateThread's
// included, whereas the 32-bit build's thread_local destructor corrupted the heap
// when its thread ended.
void WINAPI EndThreadWorkUnits(void* list) { delete static_cast<ThreadWorkUnits*>(list); }

// FLS_OUT_OF_INDEXES when the process has no slot left: then no unit can begin.
DWORD WorkUnitSlot() {
  static const DWORD slot = FlsAlloc(EndThreadWorkUnits);
  return slot;
}

// The calling thread's list, null while it has never had a unit.
ThreadWorkUnits* ThreadList() {
  const DWORD slot = WorkUnitSlot();
  return slot == FLS_OUT_OF_INDEXES ? nullptr : static_cast<ThreadWorkUnits*>(FlsGetValue(slot));
}

}  // namespace

WorkUnit::WorkUnit(const ConnectionSettings& settings) {
  // Per-transaction locking: the unit's lock is its transaction's, taken by
  // "begin immediate" and dropped at commit or rollback.
  db_.open(settings, CppSQLite3DB::Locking::kPerTransaction);
  // The unit's changes stay in its page cache until the commit: a cache too small
  // for them would spill into the file under an exclusive lock, and readers on
  // other threads (or a report on this one) would wait for the unit to end.
  db_.execDML("pragma cache_size = -65536");
  // The journal is emptied at commit instead of deleted: under Wine creating and
  // deleting a file are server round trips, a tenth of a 50-line bill's save. An
  // empty journal is no hot journal, so the file opens as before everywhere.
  db_.execDML("pragma journal_mode = truncate");
  // Registered once: registering again while a query of the unit is being
  // stepped (a row callback that queries) is refused by SQLite. Reports that
  // read through the unit use Discount2Actual.
  RegisterHanzi2Pinyin(db_);
  RegisterDiscount2Actual(db_);
  db_.execDML("begin immediate");
}

WorkUnit::~WorkUnit() {
  if (db_.handle() && !sqlite3_get_autocommit(db_.handle()))
    sqlite3_exec(db_.handle(), "rollback", nullptr, nullptr, nullptr);
  // The connection's destructor closes it and never throws.
}

bool WorkUnit::isLive() const { return db_.handle() && !sqlite3_get_autocommit(db_.handle()); }

void WorkUnit::commit() {
  if (!isLive()) throw CppSQLite3Exception(SQLITE_ABORT, "The unit of work was rolled back");
  db_.execDML("commit");
}

WorkUnit* FindThreadWorkUnit(const void* owner) {
  if (ThreadWorkUnits* list = ThreadList())
    for (auto& entry : list->units)
      if (entry.first == owner) return entry.second.get();
  return nullptr;
}

void KeepThreadWorkUnit(const void* owner, std::unique_ptr<WorkUnit> unit) {
  ThreadWorkUnits* list = ThreadList();
  if (!list) {
    auto made = std::make_unique<ThreadWorkUnits>();
    const DWORD slot = WorkUnitSlot();
    if (slot == FLS_OUT_OF_INDEXES || !FlsSetValue(slot, made.get()))
      throw CppSQLite3Exception(CPPSQLITE_ERROR, "No thread slot for units of work");
    list = made.release();
  }
  list->units.emplace_back(owner, std::move(unit));
}

std::unique_ptr<WorkUnit> TakeThreadWorkUnit(const void* owner) {
  ThreadWorkUnits* list = ThreadList();
  if (!list) return nullptr;
  for (auto it = list->units.begin(); it != list->units.end(); ++it) {
    if (it->first != owner) continue;
    std::unique_ptr<WorkUnit> unit = std::move(it->second);
    list->units.erase(it);
    return unit;
  }
  return nullptr;
}
// ---- The data object's three unit slots ----

int KXPData::BeginWork() {
  if (!hasDatabase() || FindThreadWorkUnit(this)) return -1;
  return Guarded(
      [&] {
        KeepThreadWorkUnit(this, std::make_unique<WorkUnit>(settings_));
        return 0;
      },
      -1);
}

int KXPData::CommitWork() {
  // Taken out first: whatever the commit answers, the unit is over and its
  // connection closed when `unit` goes (rolling back what was not committed).
  std::unique_ptr<WorkUnit> unit = TakeThreadWorkUnit(this);
  if (!unit) return -1;
  return Guarded(
      [&] {
        unit->commit();
        return 0;
      },
      -1);
}

int KXPData::RollbackWork() { return TakeThreadWorkUnit(this) ? 0 : -1; }
