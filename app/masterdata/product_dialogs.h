// What the products page asks of the user beyond its view: the category dialog
// (adding or renaming a category: its parent and its name) and the pickers that
// open under its fields. The program's come from the widgets
// (window_product_dialogs.cpp); the tests answer from a script.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "page.h"

namespace masterdata {

enum class ProductPicker {
  kCategory,      // the category tree
  kUnit,          // the stored basic units
  kBusinessUnit,  // the stored business-unit names, deletable
  kProduct,       // every product, searchable
};

class ProductDialogs {
 public:
  virtual ~ProductDialogs() = default;

  // The category dialog under `title`, showing `parent` and `name`; true when
  // the user confirmed, both then holding what the user chose.
  virtual bool EditCategory(pagekit::PageHost& host, const std::wstring& title, std::wstring* parent,
                            std::wstring* name) = 0;
  // The picker under `field`, owned by the drop button `owner`; the choice
  // comes back through the page's picker results.
  virtual void OpenPicker(pagekit::PageHost& host, ProductPicker picker, const std::wstring& owner,
                          const std::wstring& field) = 0;
};

// The program's dialogs; a choice in one of its pickers is handed to `report`.
std::unique_ptr<ProductDialogs> MakeWindowProductDialogs(
    std::function<void(pagekit::PageHost&, const pagekit::PickerResult&)> report);

}  // namespace masterdata
