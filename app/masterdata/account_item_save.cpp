// The item form's save (see account_item_save.h).
#include "account_item_save.h"

#include "data_store.h"
#include "unit_of_work.h"

namespace masterdata {

FormAnswer SaveAccountItem(KXPDatavane& data, const AccountItemInput& input) {
  const wchar_t kNameField[] = L"szxm_edit_xmmc";
  if (input.name.empty()) return Tip(kNameField, L"请输入项目名称！", 120);
  if (!pagekit::IsStorable(input.name)) return Tip(kNameField, L"输入的文字中有无法保存的字符！");
  if (!pagekit::IsStorable(input.type)) return Tip(L"szxm_edit_xmlx", L"输入的文字中有无法保存的字符！");

  const std::string name = pagekit::LibraryText(input.name);
  pagekit::UnitOfWork unit(data);
  if (!unit.IsOpen()) return NotSaved(kNameField);
  Record keys = {Key("项目名称", name)};
  if (data.DeleteRecords("J4_Account_Item", &keys) != 0) return NotSaved(kNameField);
  if (!input.openedName.empty() && input.openedName != input.name) {
    Record opened = {Key("项目名称", pagekit::LibraryText(input.openedName))};
    if (data.DeleteRecords("J4_Account_Item", &opened) != 0) return NotSaved(kNameField);
  }
  Record values = {Value("项目名称", name), Value("项目类别", pagekit::LibraryText(input.type))};
  if (data.InsertRecord("J4_Account_Item", &values) != 0) return NotSaved(kNameField);
  return unit.Commit() ? Saved() : NotSaved(kNameField);
}

}  // namespace masterdata
