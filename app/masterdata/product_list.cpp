// The products page's list and form (see product_list.h).
#include "product_list.h"

#include <algorithm>
#include <cwchar>
#include <vector>

#include "business_unit.h"
#include "catalog_store.h"
#include "data_store.h"
#include "form_fill.h"
#include "list_builders.h"
#include "list_conditions.h"
#include "list_filters.h"
#include "product_categories.h"
#include "record_opening.h"

namespace masterdata {
namespace {

const wchar_t kList[] = L"listhpkc";
const wchar_t kForm[] = L"hpkc_new_product";
const wchar_t kHideZero[] = L"hpkc_btn_hide_zero";
const char kView[] = "J4_V_Product_Inventory";

// The form's fields in the product table's order, then the business unit, rate
// and cost.
const wchar_t* const kFormFields[] = {L"hpkc_new_pmgg", L"hpkc_new_hplb", L"hpkc_new_jldw", L"hpkc_new_jhj",
                                      L"hpkc_new_lsj",  L"hpkc_new_pfj",  L"hpkc_new_dqkc", L"hpkc_new_cskc",
                                      L"hpkc_new_zdkc", L"hpkc_new_zgkc", L"hpkc_new_bz",   L"hpkc_new_cbj"};

ListFill ProductFill(const pagekit::PageHost& host) {
  ListFill fill{kList, kView, {}, pagekit::kListCheckBoxes | pagekit::kListLineNumbers, L""};
  if (host.CurrentSession().owner) {
    fill.style |= pagekit::kListDelete | pagekit::kListModify;
  } else {
    for (const char* column : {"商品名称", "商品类别", "单位", "库存", "批发价", "零售价"})
      fill.columns.push_back(Column(column));
  }
  return fill;
}

// The names of the visible rows whose box is ticked.
std::vector<std::wstring> TickedProducts(pagekit::PageHost& host, MasterdataView& view) {
  pagekit::PageFields& fields = host.Fields();
  std::vector<std::wstring> names;
  for (int row = 0; row < fields.RowCount(kList); ++row) {
    if (!view.RowVisible(host, kList, row) || !fields.Selected(pagekit::Cell(kList, row, L"item_chk"))) continue;
    const pagekit::FieldRef name = pagekit::Cell(kList, row, L"item_商品名称");
    if (fields.Exists(name) && !fields.Text(name).empty()) names.push_back(fields.Text(name));
  }
  return names;
}

}  // namespace

void OpenProductList(pagekit::PageHost& host, MasterdataView& view) {
  ReloadCategoryTree(host, view);
  view.FillList(host, ProductFill(host));
  host.Fields().SetText(kHideZero, L"隐藏零库存");
}

void LoadProductPageList(pagekit::PageHost& host, MasterdataView& view, const std::wstring& category) {
  const std::wstring search = host.Fields().Text(L"hpkc_edit_find");
  if ((search.empty() && category.empty()) || host.Data() == nullptr) {
    OpenProductList(host, view);
    return;
  }
  ReloadCategoryTree(host, view);
  ListFill fill = ProductFill(host);
  if (fill.columns.empty()) host.Data()->GetTableFields(kView, &fill.columns);
  const std::string categoryText = pagekit::LibraryText(category);
  fill.columns.push_back(pagekit::RawCondition(
      ProductListCondition(pagekit::LibraryText(search), categoryText, SubCategories(*host.Data(), categoryText))));
  view.FillList(host, fill);
  // The new rows are all shown: the switch offers to hide again.
  host.Fields().SetText(kHideZero, L"隐藏零库存");
}

void ToggleHideZeroStock(pagekit::PageHost& host, MasterdataView& view) {
  pagekit::PageFields& fields = host.Fields();
  const bool hide = fields.Text(kHideZero) == L"隐藏零库存";
  fields.SetText(kHideZero, hide ? L"显示全部" : L"隐藏零库存");
  for (int row = 0; row < fields.RowCount(kList); ++row) {
    const pagekit::FieldRef stock = pagekit::Cell(kList, row, L"item_库存");
    const bool empty = fields.Exists(stock) && std::wcstod(fields.Text(stock).c_str(), nullptr) <= 0;
    view.SetRowVisible(host, kList, row, !hide || !empty);
  }
}

void DeleteCheckedProducts(pagekit::PageHost& host, MasterdataView& view) {
  const std::vector<std::wstring> names = TickedProducts(host, view);
  if (names.empty()) {
    view.ShowTip(host, TipAside(L"sel_all_listhpkc", L"请勾选需要删除的商品！"));
    return;
  }
  if (!view.Confirm(host, L"确定要执行删除操作 ?") || host.Data() == nullptr) return;
  if (!DeleteProducts(*host.Data(), names)) view.Tell(host, L"删除失败，数据未作任何修改，请重试！");
  OpenProductList(host, view);
}

void ChangeCheckedProductsType(pagekit::PageHost& host, MasterdataView& view, ProductDialogs& dialogs) {
  const std::wstring category = host.Fields().Text(L"hpkc_edit_type");
  if (category.empty()) {
    // The choice lands in the category field; the user clicks again.
    dialogs.OpenPicker(host, ProductPicker::kCategory, L"hpkc_tpye_drop", L"hpkc_edit_type");
    return;
  }
  const std::vector<std::wstring> names = TickedProducts(host, view);
  if (names.empty()) {
    view.ShowTip(host, TipAside(L"sel_all_listhpkc", L"请勾选需要修改类别的商品！"));
    return;
  }
  if (host.Data() == nullptr) return;
  if (!ChangeProductsCategory(*host.Data(), names, category)) view.Tell(host, L"修改失败，数据未作任何修改，请重试！");
  OpenProductList(host, view);
}

ProductForm ReadProductForm(const pagekit::PageFields& fields) {
  ProductForm form;
  std::wstring* texts[] = {&form.name,        &form.category,       &form.unit,         &form.purchasePrice,
                           &form.retailPrice, &form.wholesalePrice, &form.currentStock, &form.initialStock,
                           &form.lowestStock, &form.highestStock,   &form.remark,       &form.cost};
  for (size_t i = 0; i < 12; ++i) *texts[i] = fields.Text(kFormFields[i]);
  form.businessUnit = fields.Text(L"hpkc_new_ywdw");
  form.rate = fields.Text(L"hpkc_new_hsl");
  return form;
}

void ClearProductForm(pagekit::PageHost& host, MasterdataView& view, Record* editing) {
  pagekit::PageFields& fields = host.Fields();
  const bool visible = !fields.Visible(kForm);
  fields.SetVisible(kForm, visible);
  editing->clear();
  for (const wchar_t* field : kFormFields) fields.SetText(field, L"");
  if (visible) view.Focus(host, L"hpkc_new_pmgg");
}

void SaveProductForm(pagekit::PageHost& host, MasterdataView& view, Record* editing) {
  if (host.Data() == nullptr) return;
  const ProductSaveInput input{ReadProductForm(host.Fields()), *editing, host.CurrentSession().account};
  const FormAnswer answer = SaveProduct(*host.Data(), input);
  if (!answer.saved) {
    view.ShowTip(host, answer);
    return;
  }
  OpenProductList(host, view);
  host.Fields().SetText(L"hpkc_new_pmgg", L"");
  view.Focus(host, L"hpkc_new_pmgg");
  editing->clear();
}

void OnProductTypeActivate(pagekit::PageHost& host, MasterdataView& view, const std::wstring& category) {
  if (host.Fields().Visible(kForm)) {
    host.Fields().SetText(L"hpkc_new_hplb", category);
    return;
  }
  LoadProductPageList(host, view, category);
}

void FillProductForm(pagekit::PageHost& host, Record* editing, const std::wstring& name) {
  if (!host.CurrentSession().owner || host.Data() == nullptr) return;
  if (!OpenStoredRecord(host, pagekit::RecordForm::kProduct, "J4_Product_Data", {{"商品名称", name}}, editing)) return;
  pagekit::PageFields& fields = host.Fields();
  fields.SetText(L"hpkc_new_cbj", L"");
  KXPDatavane& data = *host.Data();
  const std::string product = pagekit::LibraryText(name);
  Rows costs;
  if (Query(data, "J4_Product_CostPrice", {Column("单位成本"), Key("商品名称", product)}, &costs) && !costs.empty() &&
      !costs.front().empty())
    fields.SetText(L"hpkc_new_cbj", pagekit::PageText(costs.front()[0].value));
  fields.SetText(L"hpkc_new_ywdw", L"");
  fields.SetText(L"hpkc_new_hsl", L"");
  const std::wstring unit = fields.Text(L"hpkc_new_jldw");
  pagekit::BusinessUnit business;
  if (!unit.empty() && pagekit::LookUpBusinessUnit(data, product, pagekit::LibraryText(unit), &business)) {
    fields.SetText(L"hpkc_new_ywdw", pagekit::PageText(business.name));
    fields.SetText(L"hpkc_new_hsl", pagekit::PageText(TwoDecimals(business.rate)));
  }
}

void ToggleProductOptions(pagekit::PageHost& host) {
  pagekit::PageFields& fields = host.Fields();
  const bool wasVisible = fields.Visible(L"hpkc_operate");
  fields.SetAttribute(L"hpkc_header", L"bordersize", L"0,0,0,0");
  fields.SetVisible(L"hpkc_operate", !wasVisible);
  for (const wchar_t* control : {L"hpkc_edit_find", L"hpkc_find_drop", L"hpkc_btn_find", L"hpkc_find_space",
                                 L"hpkc_find_space2", L"hpkc_btn_hide_zero"})
    fields.SetVisible(control, wasVisible);
}

}  // namespace masterdata
