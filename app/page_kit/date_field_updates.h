// A date field edited by hand ("updatetext"): the quick-date choice beside a period
// that no longer matches it reads "自定义", on every page with a period. The frame
// calls this for every "updatetext"; the page of the field may do more (the bill
// page renumbers its bill from its date).
#pragma once

#include <string>

#include "page_fields.h"

namespace pagekit {

// True when the sender is one of the period fields (its choice edit, when there,
// now reads "自定义").
bool UpdateDateFields(PageFields& fields, const std::wstring& sender);

}  // namespace pagekit
