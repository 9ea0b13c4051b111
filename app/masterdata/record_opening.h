// Opening a stored master data record in its page's form from a row's "修改" or a
// double-click: the stored row of the keys (every column of the table) shown in
// the form and kept as the record being edited, for the owner only (a clerk's
// lists carry no row operations).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "form_fill.h"
#include "masterdata_records.h"
#include "page_host.h"

namespace masterdata {

// False, with nothing changed, for a user other than the owner, a key the library
// cannot hold, or when no row of those keys is stored.
bool OpenStoredRecord(pagekit::PageHost& host, pagekit::RecordForm form, const char* table,
                      const std::vector<std::pair<const char*, std::wstring>>& keys, Record* editing);

}  // namespace masterdata
