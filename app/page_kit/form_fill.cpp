#include "form_fill.h"

#include <string>

#include "data_store.h"

namespace pagekit {
namespace {

struct FormTable {
  const wchar_t* panel;
  size_t minimum;
  std::vector<const wchar_t*> controls;  // by row position
};

const FormTable& TableOf(RecordForm form) {
  static const FormTable kProduct = {
      L"hpkc_new_product",
      12,
      {L"hpkc_new_pmgg", L"hpkc_new_hplb", L"hpkc_new_jldw", L"hpkc_new_jhj", L"hpkc_new_lsj", L"hpkc_new_pfj",
       L"hpkc_new_pfj", L"hpkc_new_dqkc", L"hpkc_new_cskc", L"hpkc_new_zdkc", L"hpkc_new_zgkc", L"hpkc_new_bz"}};
  static const FormTable kParty = {L"layout_khyqk_new_custom",
                                   12,
                                   {L"khyqk_new_khmc", L"khyqk_new_lx", L"khyqk_new_lxr", L"khyqk_new_lxdh",
                                    L"khyqk_new_fax", L"khyqk_new_qq", L"khyqk_new_email", L"khyqk_new_shdz",
                                    L"khyqk_new_yzbm", L"khyqk_new_dqysk", L"khyqk_new_csysk", L"khyqk_new_bz"}};
  static const FormTable kTradePrice = {
      L"layout_dkhpfj_new", 4, {L"dkhpfj_new_custom", L"dkhpfj_new_product", L"dkhpfj_new_unit", L"dkhpfj_new_dkhpfj"}};
  static const FormTable kContractPrice = {
      L"layout_gyshtj_new", 4, {L"gyshtj_new_custom", L"gyshtj_new_product", L"gyshtj_new_unit", L"gyshtj_new_gyshtj"}};
  switch (form) {
    case RecordForm::kProduct:
      return kProduct;
    case RecordForm::kParty:
      return kParty;
    case RecordForm::kTradePrice:
      return kTradePrice;
    default:
      return kContractPrice;
  }
}

void SetIfPresent(PageFields& fields, const wchar_t* control, const std::wstring& text) {
  if (fields.Exists(control)) fields.SetText(control, text);
}

}  // namespace

void FillRecordForm(PageFields& fields, RecordForm form, const std::vector<DataField>& row,
                    std::vector<DataField>* editing) {
  const FormTable& table = TableOf(form);
  if (fields.Exists(table.panel)) fields.SetVisible(table.panel, true);
  if (editing != nullptr) *editing = row;
  if (row.size() < table.minimum) return;
  // In the product form positions 5 and 6 share a control: position 6 is shown.
  for (size_t i = 0; i < table.controls.size(); ++i) SetIfPresent(fields, table.controls[i], PageText(row[i].value));
}

void FillPriceUnitForm(PageFields& fields, bool contractPrice, const std::vector<DataField>& row) {
  const wchar_t* panel = contractPrice ? L"layout_gyshtj_new" : L"layout_dkhpfj_new";
  if (fields.Exists(panel)) fields.SetVisible(panel, true);
  std::string unit, wholesale, retail;
  for (const DataField& field : row) {
    if (field.name == "单位") unit = field.value;
    if (field.name == "批发价") wholesale = field.value;
    if (field.name == "零售价") retail = field.value;
  }
  SetIfPresent(fields, contractPrice ? L"gyshtj_new_unit" : L"dkhpfj_new_unit", PageText(unit));
  SetIfPresent(fields, contractPrice ? L"gyshtj_new_pfj" : L"dkhpfj_new_pfj", PageText(wholesale));
  SetIfPresent(fields, contractPrice ? L"gyshtj_new_lsj" : L"dkhpfj_new_lsj", PageText(retail));
}

void OnRecordFormRow(intptr_t context, std::vector<DataField>* row) {
  auto* fill = reinterpret_cast<FormFillContext*>(context);
  if (fill == nullptr || fill->fields == nullptr || row == nullptr) return;
  FillRecordForm(*fill->fields, fill->form, *row, fill->editing);
}

void OnPriceUnitFormRow(intptr_t context, std::vector<DataField>* row) {
  auto* fill = reinterpret_cast<FormFillContext*>(context);
  if (fill == nullptr || fill->fields == nullptr || row == nullptr) return;
  FillPriceUnitForm(*fill->fields, fill->form == RecordForm::kContractPrice, *row);
}

namespace {

void FillPriceProduct(PageFields& fields, KXPDatavane& data, RecordForm form, const std::wstring& product) {
  // A name the library cannot hold names no stored product.
  if (!IsStorable(product)) return;
  std::vector<DataField> record = {MakeDataField("商品名称", LibraryText(product)), MakeDataField("单位", ""),
                                   MakeDataField("批发价", ""), MakeDataField("零售价", "")};
  FormFillContext context;
  context.fields = &fields;
  context.form = form;
  data.QueryRecordsCallback("J4_V_Product_Inventory", AsRowContext(&context), &record, &OnPriceUnitFormRow);
}

}  // namespace

void FillTradePriceProduct(PageFields& fields, KXPDatavane& data, const std::wstring& product) {
  FillPriceProduct(fields, data, RecordForm::kTradePrice, product);
}

void FillContractPriceProduct(PageFields& fields, KXPDatavane& data, const std::wstring& product) {
  FillPriceProduct(fields, data, RecordForm::kContractPrice, product);
}

}  // namespace pagekit
