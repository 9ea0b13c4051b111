// The accounts' names and passwords through the data library.
#include "user_accounts_store.h"

#include <windows.h>

namespace settings {

using pagekit::LibraryText;
using pagekit::StoreResult;

std::vector<std::wstring> UserAccountsStore::Names() const {
  std::vector<DataField> query = {MakeDataField("name", "")};
  std::vector<std::vector<DataField>> rows;
  std::vector<std::wstring> names;
  if (data_.QueryRecords("J4_Sys_User", &query, &rows) != 0) return names;
  for (const std::vector<DataField>& row : rows) {
    if (!row.empty()) names.push_back(pagekit::PageText(row[0].value));
  }
  return names;
}

bool UserAccountsStore::HasPassword(const std::wstring& account) const {
  if (!pagekit::IsStorable(account)) return false;
  char stored[KXP_TEXT_BUFFER_SIZE] = {};
  data_.GetUserPassword(LibraryText(account).c_str(), stored);
  const bool has = stored[0] != '\0';
  ::SecureZeroMemory(stored, sizeof(stored));
  return has;
}

StoreResult UserAccountsStore::SetPassword(const std::wstring& account, const std::wstring& password) {
  if (!pagekit::IsStorable(account) || !pagekit::IsStorable(password)) return StoreResult::kTextNotStorable;
  // Without a question: the library then leaves the account's question and answer.
  std::string text = LibraryText(password);
  const int code = data_.SetUserPassword(LibraryText(account).c_str(), text.c_str(), "", "");
  ::SecureZeroMemory(&text[0], text.size());
  return pagekit::StoreResultOf(code);
}

}  // namespace settings
