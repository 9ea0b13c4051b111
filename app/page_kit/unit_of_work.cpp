// The per-thread bookkeeping of UnitOfWork: the data library answers only begin,
// commit and rollback, so which guard began the thread's unit, how deep the
// scopes are and whether one of them left without committing is kept here.
#include "unit_of_work.h"

namespace pagekit {

namespace {

struct ThreadUnit {
  KXPDatavane* data = nullptr;  // the object the open unit belongs to; null: none open
  int depth = 0;                // guards open on it
  bool spoiled = false;         // an inner scope left without Commit
};

thread_local ThreadUnit t_unit;

}  // namespace

UnitOfWork::UnitOfWork(KXPDatavane& data) : data_(data) {
  if (t_unit.data != nullptr) {
    if (t_unit.data != &data) return;  // one unit per thread at a time
    ++t_unit.depth;
    open_ = true;
    return;
  }
  if (data.BeginWork() != 0) return;
  t_unit = ThreadUnit{&data, 1, false};
  open_ = true;
  outermost_ = true;
}

UnitOfWork::~UnitOfWork() {
  if (!open_ || (outermost_ && committed_)) return;
  if (!outermost_) {
    --t_unit.depth;
    if (!committed_) t_unit.spoiled = true;
    return;
  }
  data_.RollbackWork();
  t_unit = ThreadUnit{};
}

bool UnitOfWork::Commit() {
  if (!open_ || committed_) return false;
  committed_ = true;
  if (!outermost_) return !t_unit.spoiled;
  const bool stored = !t_unit.spoiled && data_.CommitWork() == 0;
  if (!stored) data_.RollbackWork();  // a spoiled unit is still open; a failed commit is already closed
  t_unit = ThreadUnit{};
  return stored;
}

}  // namespace pagekit
