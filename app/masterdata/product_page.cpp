// The products page over the host (see product_page.h).
#include "product_page.h"

#include <cwchar>

#include "drop_choices.h"
#include "opening_figures.h"
#include "print_operations.h"
#include "product_categories.h"
#include "product_list.h"
#include "program_output.h"
#include "row_actions.h"
#include "table_export.h"

namespace masterdata {
namespace {

const wchar_t kPageName[] = L"商品";
const wchar_t kPanel[] = L"mid_hpkc";
const wchar_t kList[] = L"listhpkc";
const wchar_t kTree[] = L"hpkc_list_type";

// What the page shows the owner alone.
const wchar_t* const kOwnerButtons[] = {L"hpkc_btn_new_product", L"hpkc_btn_other", L"hpkc_operate", L"hpkc_report"};

// The stock reports the page's buttons open, by route name.
struct ReportButton {
  const wchar_t* button;
  const wchar_t* report;
};
const ReportButton kReportButtons[] = {{L"hpkc_btn_report_kcyj", L"库存预警"},
                                       {L"hpkc_btn_report_kctj", L"库存统计表"}};

// The drop buttons: the picker each opens and the field its choice goes into.
struct DropButton {
  const wchar_t* button;
  ProductPicker picker;
  const wchar_t* field;
};
const DropButton kDropButtons[] = {
    {L"hpkc_find_drop", ProductPicker::kProduct, L"hpkc_edit_find"},
    {L"hpkc_tpye_drop", ProductPicker::kCategory, L"hpkc_edit_type"},
    {L"hpkc_new_hplb_drop", ProductPicker::kCategory, L"hpkc_new_hplb"},
    {L"hpkc_new_jldw_drop", ProductPicker::kUnit, L"hpkc_new_jldw"},
    {L"hpkc_new_ywdw_drop", ProductPicker::kBusinessUnit, L"hpkc_new_ywdw"},
};

bool SameName(const std::wstring& name, const wchar_t* control) { return _wcsicmp(name.c_str(), control) == 0; }

const DropButton* FindDropButton(const std::wstring& name) {
  for (const DropButton& button : kDropButtons)
    if (SameName(name, button.button)) return &button;
  return nullptr;
}

}  // namespace

ProductPage::ProductPage()
    : view_(MakeWindowMasterdataView()),
      dialogs_(MakeWindowProductDialogs(
          [this](pagekit::PageHost& host, const pagekit::PickerResult& result) { OnPickerResult(host, result); })) {}

ProductPage::ProductPage(std::unique_ptr<MasterdataView> view, std::unique_ptr<ProductDialogs> dialogs)
    : view_(std::move(view)), dialogs_(std::move(dialogs)) {}

std::vector<pagekit::PageRoute> ProductPage::Routes() const { return {{kPageName}}; }

void ProductPage::Open(pagekit::PageHost& host, const std::wstring&) { OpenProductPage(host); }

bool ProductPage::OnEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) {
  switch (event.kind) {
    case pagekit::EventKind::kClick:
      if (!event.list.empty()) return OnRowEvent(host, event);
      return OnProductClick(host, event.sender);
    case pagekit::EventKind::kItemActivate:
      return OnRowEvent(host, event);
    case pagekit::EventKind::kMenuCommand:
      return OnMenuCommand(host, event.sender);
    case pagekit::EventKind::kTextChanged:
      // The initial stock follows the current stock while it is typed.
      if (!SameName(event.sender, L"hpkc_new_dqkc")) return false;
      if (host.Data() != nullptr) pagekit::DeriveInitialStock(host.Fields(), *host.Data());
      return true;
    default:
      return false;
  }
}

bool ProductPage::OnPickerResult(pagekit::PageHost& host, const pagekit::PickerResult& result) {
  pagekit::PageFields& fields = host.Fields();
  switch (result.kind) {
    case pagekit::PickerKind::kProductUnit:
      if (!SameName(result.owner, L"hpkc_new_jldw_drop")) return false;
      fields.SetText(L"hpkc_new_jldw", result.text);
      return true;
    case pagekit::PickerKind::kProductType:
      if (!SameName(result.owner, L"hpkc_tpye_drop") && !SameName(result.owner, L"hpkc_new_hplb_drop")) return false;
      pagekit::ApplyCategoryChoice(fields, result.owner, result.text);
      return true;
    case pagekit::PickerKind::kDropList:
    case pagekit::PickerKind::kProduct: {
      const DropButton* button = FindDropButton(result.owner);
      if (button == nullptr) return false;
      fields.SetText(button->field, result.text);
      return true;
    }
    default:
      return false;
  }
}

void ProductPage::OpenProductPage(pagekit::PageHost& host) {
  host.OpenPageTab(kPageName, kPanel, true);
  OpenProductList(host, *view_);
  if (host.CurrentSession().owner) return;
  for (const wchar_t* name : kOwnerButtons) host.Fields().SetVisible(name, false);
}

bool ProductPage::OnProductClick(pagekit::PageHost& host, const std::wstring& name) {
  for (const ReportButton& button : kReportButtons) {
    if (!SameName(name, button.button)) continue;
    host.OpenPageByName(button.report);
    return true;
  }
  if (OpenPickerOf(host, name)) return true;
  if (SameName(name, L"hpkc_btn_find")) {
    LoadProductPageList(host, *view_, L"");
  } else if (SameName(name, L"hpkc_btn_hide_zero")) {
    ToggleHideZeroStock(host, *view_);
  } else if (SameName(name, L"hpkc_btn_batch_del")) {
    DeleteCheckedProducts(host, *view_);
  } else if (SameName(name, L"hpkc_btn_change_type")) {
    ChangeCheckedProductsType(host, *view_, *dialogs_);
  } else if (SameName(name, L"hpkc_btn_new_product") || SameName(name, L"hpkc_new_cancel")) {
    // The cancel button closes the open form empty, as a second click on
    // 新增商品 does.
    ClearProductForm(host, *view_, &editing_);
  } else if (SameName(name, L"hpkc_new_save")) {
    SaveProductForm(host, *view_, &editing_);
  } else if (SameName(name, L"hpkc_btn_other")) {
    ToggleProductOptions(host);
  } else if (SameName(name, L"hpkc_btn_add_type")) {
    AddProductType(host, *view_, *dialogs_, false);
  } else if (SameName(name, L"hpkc_btn_print")) {
    output::PrintList(host, L"listhpkc", {}, L"");
  } else if (SameName(name, L"hpkc_btn_export") || SameName(name, L"hpkc_btn_import")) {
    const output::ProgramOutput out(host.OwnerWindow());
    if (!out.Ready()) return true;
    if (SameName(name, L"hpkc_btn_export"))
      output::ExportProducts(host, out.Export());
    else
      output::ImportProducts(host, out.Import());
  } else {
    return false;
  }
  return true;
}

// "修改" or a double-click on a product opens it; a double-click on a category
// fills the form's category or lists the category's products.
bool ProductPage::OnRowEvent(pagekit::PageHost& host, const pagekit::PageEvent& event) {
  if (event.list == kTree && event.kind == pagekit::EventKind::kItemActivate) {
    const std::wstring category = view_->EntryText(host, event);
    if (!category.empty()) OnProductTypeActivate(host, *view_, category);
    return true;
  }
  if (event.list != kList) return false;
  const bool modify = event.kind == pagekit::EventKind::kItemActivate || SameName(event.sender, L"item_mod");
  if (!modify) return false;
  const pagekit::RowAction action = pagekit::OpenListRow(host.Fields(), event.list, event.row);
  if (action.request == pagekit::RowRequest::kEditProduct)
    FillProductForm(host, &editing_, action.Value(L"item_商品名称"));
  return true;
}

bool ProductPage::OnMenuCommand(pagekit::PageHost& host, const std::wstring& item) {
  if (SameName(item, L"menu_product_type_add")) {
    AddProductType(host, *view_, *dialogs_, true);
  } else if (SameName(item, L"menu_product_type_mod")) {
    RenameProductType(host, *view_, *dialogs_);
  } else if (SameName(item, L"menu_product_type_del")) {
    DeleteProductType(host, *view_);
  } else {
    return false;
  }
  return true;
}

bool ProductPage::OpenPickerOf(pagekit::PageHost& host, const std::wstring& name) {
  const DropButton* button = FindDropButton(name);
  if (button == nullptr) return false;
  dialogs_->OpenPicker(host, button->picker, button->button, button->field);
  return true;
}

}  // namespace masterdata
