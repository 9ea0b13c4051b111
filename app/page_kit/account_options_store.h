// The per-account options row ("tb_priority"): whether the program starts with
// Windows and whether the close button minimises to the tray. The one reader and
// writer of that row, for the start-up (close button) and the settings page.
#pragma once

#include <string>

#include "data_store.h"

namespace pagekit {

struct AccountOptions {
  bool stored = false;           // the account has a row; without one nothing was chosen yet
  bool autoRun = false;          // "autorun" not 0
  bool minimiseOnClose = false;  // "exit_min" not 0
};

enum class AccountOption { kAutoRun, kMinimiseOnClose };

class AccountOptionsStore {
 public:
  explicit AccountOptionsStore(KXPDatavane& data) : data_(data) {}

  // A value that is no number counts as 0.
  AccountOptions Read(const std::wstring& account) const;
  // The account's first option inserts its row (the other option 0), later ones
  // update it.
  StoreResult Store(const std::wstring& account, AccountOption option, bool on);

 private:
  KXPDatavane& data_;
};

}  // namespace pagekit
