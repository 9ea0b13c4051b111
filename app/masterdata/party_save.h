// Saving the customer and supplier form. The side decides the party's type and
// the wording. The three built-in parties and a name another party has are
// refused with a tooltip at the name. An opened party is updated by its name; its
// current balance is written only when the user changed it in the form, so a
// balance that a bill or receipt posted meanwhile is not overwritten.
#pragma once

#include <string>

#include "kxp_data.h"
#include "masterdata_records.h"
#include "page_host.h"

namespace masterdata {

// The form's twelve fields in the table's column order (类型 is replaced by the
// side's), and the controls they come from.
extern const wchar_t* const kPartyFormFields[12];

struct PartySaveInput {
  std::wstring texts[12];
  Record editing;  // the stored row of the opened party; empty for a new one
  pagekit::PageSide side = pagekit::PageSide::kSales;
  std::wstring user;
};

FormAnswer SaveParty(KXPDatavane& data, const PartySaveInput& input);

}  // namespace masterdata
