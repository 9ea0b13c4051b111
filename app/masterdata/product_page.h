// The products page ("商品", panel "mid_hpkc"): the category tree with its
// menu, the product list with its search, category filter, zero-stock switch
// and batch operations, and the form that adds a product or changes an opened
// one. A user other than the owner loses the owner's buttons (adding products,
// the batch operations, the stock reports, the further functions) and cannot
// open a product.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "masterdata_records.h"
#include "masterdata_view.h"
#include "page.h"
#include "product_dialogs.h"

namespace masterdata {

class ProductPage final : public pagekit::Page {
 public:
  // On the main window: its view and the widgets' dialogs.
  ProductPage();
  ProductPage(std::unique_ptr<MasterdataView> view, std::unique_ptr<ProductDialogs> dialogs);

  std::vector<pagekit::PageRoute> Routes() const override;
  void Open(pagekit::PageHost& host, const std::wstring& name) override;
  bool OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) override;
  bool OnPickerResult(pagekit::PageHost& host, const pagekit::PickerResult& result) override;

  // The tab and panel, the owner's buttons by user, the category tree and every
  // product.
  void OpenProductPage(pagekit::PageHost& host);
  // A click on one of the page's buttons, by the control's name; false when the
  // button is not the page's.
  bool OnProductClick(pagekit::PageHost& host, const std::wstring& name);

  // The stored row of the product opened in the form; empty for a new one.
  const Record& Editing() const { return editing_; }

 private:
  bool OnRowEvent(pagekit::PageHost& host, const pagekit::PageEvent& event);
  bool OnMenuCommand(pagekit::PageHost& host, const std::wstring& item);
  bool OpenPickerOf(pagekit::PageHost& host, const std::wstring& button);

  std::unique_ptr<MasterdataView> view_;
  std::unique_ptr<ProductDialogs> dialogs_;
  Record editing_;
};

}  // namespace masterdata
