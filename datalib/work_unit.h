// Units of work: one keyed connection per thread holding an immediate
// transaction, on which every operation that thread calls runs until the unit
// is committed or rolled back, so that a save of several records is stored
// whole or not at all.
//
// A unit belongs to the thread that began it and to one data object: other
// threads keep their own connections, and a thread that ends with a unit open
// has it rolled back and closed on its way out, so no write lock outlives it.
#ifndef DATAVANE_WORK_UNIT_H
#define DATAVANE_WORK_UNIT_H

#include <map>
#include <memory>
#include <string>

#include "sqlite_connection.h"

class WorkUnit {
 public:
  // Opens and keys the connection and takes the write lock, waiting for it up
  // to the busy timeout; throws CppSQLite3Exception when either fails.
  explicit WorkUnit(const ConnectionSettings& settings);
  ~WorkUnit();  // rolls back what was not committed and closes
  WorkUnit(const WorkUnit&) = delete;
  WorkUnit& operator=(const WorkUnit&) = delete;

  CppSQLite3DB& connection() { return db_; }

  // False once the transaction has ended underneath the unit: a statement whose
  // failure rolls back the whole transaction (a full disk, an I/O error, a
  // trigger's RAISE(ROLLBACK)) or a "commit" inside a caller's raw condition.
  // Nothing more may run on it then: each statement would be stored on its own.
  bool isLive() const;

  // Commits; throws when the commit fails (the caller rolls back by destroying).
  void commit();

  // Column counts of tables already looked up in this unit. Nothing can change
  // the schema while the unit holds the write lock, so each table is asked once.
  std::map<std::string, size_t>& columnCounts() { return columnCounts_; }

 private:
  CppSQLite3DB db_;
  std::map<std::string, size_t> columnCounts_;
};

// The calling thread's open unit for a data object, null when there is none.
WorkUnit* FindThreadWorkUnit(const void* owner);
// Keeps `unit` as the calling thread's unit for `owner` (which has none).
void KeepThreadWorkUnit(const void* owner, std::unique_ptr<WorkUnit> unit);
// Takes the calling thread's unit for `owner` out of its keeping; null when none.
std::unique_ptr<WorkUnit> TakeThreadWorkUnit(const void* owner);

#endif
