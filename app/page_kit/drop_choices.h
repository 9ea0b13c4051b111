// A popup's choice landing in its field: the owner (the drop button that opened
// the popup) names the field, its name less "_drop", compared without regard to
// case, and some owners have a follow-up: the quick date ranges set their dates,
// the fund and stock-warning filters read "全部" as no filter, the bill type filter
// and the profit report's type leave the rest to their pages (which hear of the
// choice after it was written). A missing field is skipped; the follow-up still runs.
#pragma once

#include <windows.h>

#include <string>

#include "kxp_data.h"
#include "page_fields.h"

namespace pagekit {

enum class DropChoice {
  kIgnored,            // not a drop button: nothing written
  kWritten,            // written, with its follow-up done here
  kWrittenPageFollows  // written; the page of the field searches or queries again
};

// The edit a drop button serves: its name less the last five characters when it
// ends in "_drop" (in any case), else empty.
std::wstring FieldOfDropButton(const std::wstring& owner);

// A drop list's choice (the drop lists and their fixed entries).
DropChoice ApplyDropChoice(PageFields& fields, const std::wstring& owner, const std::wstring& text,
                           const SYSTEMTIME& now);
// The category picker's choice: "hpkc_tpye_drop" fills "hpkc_edit_type", any other
// "_drop" owner its own field.
DropChoice ApplyCategoryChoice(PageFields& fields, const std::wstring& owner, const std::wstring& text);
// The product picker's choice under a field: "hpkc_find_drop" fills the product
// page's search field and nothing more; any other "_drop" owner its field, and the
// price forms' product buttons also the product's unit and list prices. A bill
// line's "..." (item_reserve) is its page's: kIgnored here.
DropChoice ApplyProductChoice(PageFields& fields, KXPDatavane* data, const std::wstring& owner,
                              const std::wstring& product);

// The fund report's type filter: "全部" becomes no type, and the chosen item goes.
void OnFundTypeChosen(PageFields& fields);
// The stock warning's state filter: "全部" becomes no state.
void OnStockStatusChosen(PageFields& fields);

}  // namespace pagekit
