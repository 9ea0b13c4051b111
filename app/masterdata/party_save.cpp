// The party form's save (see party_save.h).
#include "party_save.h"

#include <cmath>

#include "data_store.h"
#include "record_delete_store.h"
#include "unit_of_work.h"

namespace masterdata {

const wchar_t* const kPartyFormFields[12] = {
    L"khyqk_new_khmc",  L"khyqk_new_lx",   L"khyqk_new_lxr",  L"khyqk_new_lxdh",  L"khyqk_new_fax",   L"khyqk_new_qq",
    L"khyqk_new_email", L"khyqk_new_shdz", L"khyqk_new_yzbm", L"khyqk_new_dqysk", L"khyqk_new_csysk", L"khyqk_new_bz",
};

namespace {

const char kParties[] = "J4_Customer_Data";
const size_t kPartyColumns = 13;
const size_t kCurrentBalance = 9;
const size_t kInitialBalance = 10;
const wchar_t kNameField[] = L"khyqk_new_khmc";

}  // namespace

FormAnswer SaveParty(KXPDatavane& data, const PartySaveInput& input) {
  const bool supplier = input.side == pagekit::PageSide::kPurchase;
  const std::wstring& name = input.texts[0];
  if (name.empty()) return Tip(kNameField, supplier ? L"请输入供应商名称！" : L"请输入客户名称！", 120);
  const bool opened = input.editing.size() == kPartyColumns;
  const std::wstring openedName = opened ? pagekit::PageText(input.editing[0].value) : std::wstring();
  if (pagekit::RecordDeleteStore::IsBuiltInParty(name) ||
      (opened && pagekit::RecordDeleteStore::IsBuiltInParty(openedName)))
    return Tip(kNameField, L"系统内置的往来单位不能修改！");
  for (size_t i = 0; i < 12; ++i)
    if (!pagekit::IsStorable(input.texts[i])) return Tip(kPartyFormFields[i], L"输入的文字中有无法保存的字符！");

  std::vector<DataField> columns;
  if (data.GetTableFields(kParties, &columns) != 0 || columns.size() != kPartyColumns) return NotSaved(kNameField);
  const std::string nameText = pagekit::LibraryText(name);
  const bool renamed = opened && openedName != name;
  if ((!opened || renamed) && RowExists(data, kParties, "客户名称", nameText))
    return Tip(kNameField, L"该名称已存在，请重新输入！");

  Record values;
  for (size_t i = 0; i < kPartyColumns; ++i) {
    std::string text;
    if (i == 1)
      text = supplier ? "供应商" : "客户";
    else if (i == kCurrentBalance || i == kInitialBalance)
      text = TwoDecimals(TypedNumber(input.texts[i]));
    else
      text = pagekit::LibraryText(i < 12 ? input.texts[i] : input.user);
    values.push_back(MakeDataField(columns[i].name, text));
  }

  pagekit::UnitOfWork unit(data);
  if (!unit.IsOpen()) return NotSaved(kNameField);
  int written = 0;
  if (opened && RowExists(data, kParties, "客户名称", input.editing[0].value)) {
    const bool balanceTyped = std::fabs(TypedNumber(input.texts[kCurrentBalance]) -
                                        StoredNumber(input.editing[kCurrentBalance].value)) >= 0.005;
    if (!balanceTyped) values.erase(values.begin() + kCurrentBalance);
    Record keys = {Key("客户名称", input.editing[0].value)};
    written = data.UpdateRecord(kParties, &values, &keys);
  } else {
    written = data.InsertRecord(kParties, &values);
  }
  if (written != 0) return NotSaved(kNameField);
  return unit.Commit() ? Saved() : NotSaved(kNameField);
}

}  // namespace masterdata
