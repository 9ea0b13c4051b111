// The accounts as the settings page sees them ("J4_Sys_User"): their names, whether
// one has a password, and a new password for one. Passwords are written by the data
// library's own password writer only, so that an account keeps the recovery
// question and answer it stored.
#pragma once

#include <string>
#include <vector>

#include "data_store.h"

namespace settings {

class UserAccountsStore {
 public:
  explicit UserAccountsStore(KXPDatavane& data) : data_(data) {}

  // Every account's name, in the order the library returns them.
  std::vector<std::wstring> Names() const;
  bool HasPassword(const std::wstring& account) const;
  // The account's new password (empty: none). A password the library's code page
  // cannot hold is refused: stored as question marks, any such text would open it.
  pagekit::StoreResult SetPassword(const std::wstring& account, const std::wstring& password);

 private:
  KXPDatavane& data_;
};

}  // namespace settings
