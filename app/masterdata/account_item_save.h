// Saving an income or expense item: the item of that name takes the type, and an
// opened item saved under a new name leaves only the new name. Both deletes and
// the insert are one unit of work.
#pragma once

#include <string>

#include "kxp_data.h"
#include "masterdata_records.h"

namespace masterdata {

struct AccountItemInput {
  std::wstring name;        // szxm_edit_xmmc
  std::wstring type;        // szxm_edit_xmlx: "收入" or "支出", stored as it stands
  std::wstring openedName;  // the item opened in the form; empty for a new one
};

FormAnswer SaveAccountItem(KXPDatavane& data, const AccountItemInput& input);

}  // namespace masterdata
