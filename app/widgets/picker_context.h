// PickerContext: what a popup picker, or a dialog that opens one, reads of the
// window that opened it: the data object (null when the data library is not
// bound) and that window's catalog cache (the categories and unit names). Both
// belong to the opener and outlive the picker, which keeps a copy of the two
// pointers.
#pragma once

#include "catalog_cache.h"
#include "kxp_data.h"

namespace shell {

struct PickerContext {
  KXPDatavane* data = nullptr;
  pagekit::CatalogCache* catalog = nullptr;
};

}  // namespace shell
