// The product form's save and the batch operations (see product_save.h).
#include "product_save.h"

#include <cmath>
#include <cwchar>

#include "data_store.h"
#include "unit_of_work.h"

namespace masterdata {
namespace {

using pagekit::LibraryText;

const char kProducts[] = "J4_Product_Data";
const size_t kProductColumns = 13;
const size_t kCurrentStock = 7;

// A rate that is a number above 0, as a whole text ("12", "0.5"; not "abc", "0", "3x").
bool IsRate(const std::wstring& text) {
  if (text.empty()) return false;
  wchar_t* end = nullptr;
  const double rate = std::wcstod(text.c_str(), &end);
  while (end != nullptr && *end == L' ') ++end;
  return end != nullptr && *end == L'\0' && rate > 0 && std::isfinite(rate);
}

// The first field whose text the library's code page cannot hold, or null.
const wchar_t* UnstorableField(const ProductForm& form) {
  const std::pair<const wchar_t*, const std::wstring*> texts[] = {
      {L"hpkc_new_pmgg", &form.name}, {L"hpkc_new_hplb", &form.category},     {L"hpkc_new_jldw", &form.unit},
      {L"hpkc_new_bz", &form.remark}, {L"hpkc_new_ywdw", &form.businessUnit},
  };
  for (const auto& text : texts)
    if (!pagekit::IsStorable(*text.second)) return text.first;
  return nullptr;
}

// The product's row in the table's column order.
Record ProductValues(const std::vector<DataField>& columns, const ProductSaveInput& input) {
  const ProductForm& form = input.form;
  const std::string texts[kProductColumns] = {
      LibraryText(form.name),
      LibraryText(form.category),
      LibraryText(form.unit),
      TwoDecimals(TypedNumber(form.purchasePrice)),
      TwoDecimals(TypedNumber(form.retailPrice)),
      TwoDecimals(TypedNumber(form.wholesalePrice)),
      TwoDecimals(TypedNumber(form.wholesalePrice)),
      TwoDecimals(TypedNumber(form.currentStock)),
      TwoDecimals(TypedNumber(form.initialStock)),
      TwoDecimals(TypedNumber(form.lowestStock)),
      TwoDecimals(TypedNumber(form.highestStock)),
      LibraryText(form.remark),
      LibraryText(input.user),
  };
  Record values;
  for (size_t i = 0; i < kProductColumns; ++i) values.push_back(MakeDataField(columns[i].name, texts[i]));
  return values;
}

bool Write(KXPDatavane& data, const char* table, Record values) { return data.InsertRecord(table, &values) == 0; }
bool Remove(KXPDatavane& data, const char* table, Record keys) { return data.DeleteRecords(table, &keys) == 0; }
bool Change(KXPDatavane& data, const char* table, Record values, Record keys) {
  return data.UpdateRecord(table, &values, &keys) == 0;
}

// The business unit of the product and basic unit: earlier rows replaced, none
// written for an empty business unit.
bool WriteBusinessUnit(KXPDatavane& data, const ProductForm& form) {
  const std::string product = LibraryText(form.name);
  const std::string basic = LibraryText(form.unit);
  if (!Remove(data, "J4_LogicalUnit", {Key("product", product), Key("name_basic", basic)})) return false;
  if (form.businessUnit.empty()) return true;
  return Write(data, "J4_LogicalUnit",
               {Value("name", LibraryText(form.businessUnit)), Value("name_basic", basic),
                Value("value", TwoDecimals(TypedNumber(form.rate))), Value("product", product)});
}

bool RegisterUnit(KXPDatavane& data, const std::wstring& unit) {
  if (unit.empty()) return true;
  const std::string text = LibraryText(unit);
  if (RowExists(data, "J4_Product_Unit", "计量单位", text)) return true;
  return data.AddProductUnit(text.c_str()) == 0;
}

// An opened product that is still stored is updated by its name (a changed name
// included); its current stock only when the form's differs from the one opened.
// Otherwise the product is inserted.
bool WriteProduct(KXPDatavane& data, const ProductSaveInput& input, Record values, bool opened) {
  const std::string openedName = opened ? input.editing[0].value : std::string();
  if (!opened || !RowExists(data, kProducts, "商品名称", openedName)) return Write(data, kProducts, std::move(values));
  const bool stockTyped =
      std::fabs(TypedNumber(input.form.currentStock) - StoredNumber(input.editing[kCurrentStock].value)) >= 0.005;
  if (!stockTyped) values.erase(values.begin() + kCurrentStock);
  Record keys = {Key(input.editing[0].name.c_str(), openedName)};
  return data.UpdateRecord(kProducts, &values, &keys) == 0;
}

// The opened product's own rows follow a changed name.
bool CarryName(KXPDatavane& data, const std::string& from, const std::string& to) {
  return Change(data, "J4_LogicalUnit", {Value("product", to)}, {Key("product", from)}) &&
         Change(data, "J4_Product_CostPrice", {Value("商品名称", to)}, {Key("商品名称", from)});
}

bool WriteCost(KXPDatavane& data, const ProductForm& form) {
  if (form.cost.empty()) return true;
  const std::string product = LibraryText(form.name);
  const float cost = static_cast<float>(TypedNumber(form.cost));
  return Remove(data, "J4_Product_CostPrice", {Key("商品名称", product)}) &&
         Write(data, "J4_Product_CostPrice", {Value("商品名称", product), Value("单位成本", TwoDecimals(cost))});
}

}  // namespace

FormAnswer SaveProduct(KXPDatavane& data, const ProductSaveInput& input) {
  const ProductForm& form = input.form;
  if (form.name.empty()) return Tip(L"hpkc_new_pmgg", L"请输入商品名称！", 120);
  if (!form.businessUnit.empty() && form.unit.empty())
    return Tip(L"hpkc_new_jldw", L"业务单位存在时，基本单位不能为空！");
  if (!form.businessUnit.empty() && form.rate.empty()) return Tip(L"hpkc_new_hsl", L"业务单位存在时，转换率不能为空！");
  if (form.businessUnit.empty() && !form.rate.empty())
    return Tip(L"hpkc_new_hsl", L"业务单位不存在时，转换率必须为空！");
  if (!form.businessUnit.empty() && !IsRate(form.rate)) return Tip(L"hpkc_new_hsl", L"转换率必须是大于0的数字！");
  if (const wchar_t* field = UnstorableField(form)) return Tip(field, L"输入的文字中有无法保存的字符！");

  std::vector<DataField> columns;
  if (data.GetTableFields(kProducts, &columns) != 0 || columns.size() != kProductColumns)
    return NotSaved(L"hpkc_new_pmgg");
  const bool opened = input.editing.size() == columns.size();
  const std::string name = LibraryText(form.name);
  const bool renamed = opened && input.editing[0].value != name;
  if ((!opened || renamed) && RowExists(data, kProducts, "商品名称", name))
    return Tip(L"hpkc_new_pmgg", L"商品已存在，请重新输入商品名称！", 120);

  pagekit::UnitOfWork unit(data);
  if (!unit.IsOpen()) return NotSaved(L"hpkc_new_pmgg");
  if (renamed && !CarryName(data, input.editing[0].value, name)) return NotSaved(L"hpkc_new_pmgg");
  if (!WriteBusinessUnit(data, form) || !RegisterUnit(data, form.unit) ||
      !WriteProduct(data, input, ProductValues(columns, input), opened) || !WriteCost(data, form))
    return NotSaved(L"hpkc_new_pmgg");
  return unit.Commit() ? Saved() : NotSaved(L"hpkc_new_pmgg");
}

bool DeleteProducts(KXPDatavane& data, const std::vector<std::wstring>& names) {
  pagekit::UnitOfWork unit(data);
  if (!unit.IsOpen()) return false;
  for (const std::wstring& name : names)
    if (!Remove(data, kProducts, {Key("商品名称", LibraryText(name))})) return false;
  return unit.Commit();
}

bool ChangeProductsCategory(KXPDatavane& data, const std::vector<std::wstring>& names, const std::wstring& category) {
  if (!pagekit::IsStorable(category)) return false;
  pagekit::UnitOfWork unit(data);
  if (!unit.IsOpen()) return false;
  for (const std::wstring& name : names)
    if (!Change(data, kProducts, {Value("商品类别", LibraryText(category))}, {Key("商品名称", LibraryText(name))}))
      return false;
  return unit.Commit();
}

}  // namespace masterdata
