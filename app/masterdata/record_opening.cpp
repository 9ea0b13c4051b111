// Opening a stored record in its form (see record_opening.h).
#include "record_opening.h"

#include "data_store.h"

namespace masterdata {

bool OpenStoredRecord(pagekit::PageHost& host, pagekit::RecordForm form, const char* table,
                      const std::vector<std::pair<const char*, std::wstring>>& keys, Record* editing) {
  if (!host.CurrentSession().owner || host.Data() == nullptr) return false;
  Record columns;
  if (host.Data()->GetTableFields(table, &columns) != 0 || columns.empty()) return false;
  for (const auto& key : keys) {
    if (key.second.empty() || !pagekit::IsStorable(key.second)) return false;
    for (DataField& column : columns)
      if (column.name == key.first) column.value = pagekit::LibraryText(key.second);
  }
  Rows rows;
  if (!Query(*host.Data(), table, columns, &rows) || rows.empty()) return false;
  pagekit::FillRecordForm(host.Fields(), form, rows.front(), editing);
  return true;
}

}  // namespace masterdata
