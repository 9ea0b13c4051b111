// A scope whose writes through the data object are stored whole or not at all.
//
//     pagekit::UnitOfWork unit(data);
//     if (!unit.IsOpen()) return StoreResult::kDatabaseError;
//     ... every call of the save ...
//     return unit.Commit() ? StoreResult::kDone : StoreResult::kDatabaseError;
//
// The first guard on a thread begins a unit of work in the data library; guards
// made on that thread while it is open join it, so a store that brackets its own
// save can also run inside a page's larger one. Only the outermost guard's
// Commit stores. A scope left without Commit (an early return, an exception, a
// failed step) spoils the whole unit: nothing of it is stored, and an outer
// Commit answers false.
//
// Validate before the guard, and show no dialog, tooltip or message loop inside
// one: the unit holds the database's write lock until it ends.
#pragma once

#include "kxp_data.h"

namespace pagekit {

class UnitOfWork {
 public:
  explicit UnitOfWork(KXPDatavane& data);
  ~UnitOfWork();
  UnitOfWork(const UnitOfWork&) = delete;
  UnitOfWork& operator=(const UnitOfWork&) = delete;

  // False when no unit could be begun (no database, the write lock not had in
  // time, a unit of this thread that no guard began, one of another data
  // object): then nothing is bracketed and Commit answers false.
  bool IsOpen() const { return open_; }

  // The outermost guard stores the unit: true when it was stored. An inner guard
  // marks its scope as finished: true unless the unit is already spoiled.
  bool Commit();

 private:
  KXPDatavane& data_;
  bool open_ = false;
  bool outermost_ = false;
  bool committed_ = false;
};

}  // namespace pagekit
