// The options row of "tb_priority" (name, autorun, exit_min), read by column name.
#include "account_options_store.h"

#include <cstdlib>
#include <vector>

namespace pagekit {
namespace {

const char kTable[] = "tb_priority";
const char kAccount[] = "name";
const char kAutoRun[] = "autorun";
const char kExitMin[] = "exit_min";

bool IsOn(const std::string& value) { return std::atoi(value.c_str()) != 0; }

}  // namespace

AccountOptions AccountOptionsStore::Read(const std::wstring& account) const {
  AccountOptions options;
  if (!IsStorable(account)) return options;
  std::vector<DataField> query = {MakeDataField(kAccount, LibraryText(account)), MakeDataField(kAutoRun, ""),
                                  MakeDataField(kExitMin, "")};
  std::vector<std::vector<DataField>> rows;
  if (data_.QueryRecords(kTable, &query, &rows) != 0 || rows.empty()) return options;
  options.stored = true;
  for (const DataField& field : rows.front()) {
    if (field.name == kAutoRun) options.autoRun = IsOn(field.value);
    if (field.name == kExitMin) options.minimiseOnClose = IsOn(field.value);
  }
  return options;
}

StoreResult AccountOptionsStore::Store(const std::wstring& account, AccountOption option, bool on) {
  if (!IsStorable(account)) return StoreResult::kTextNotStorable;
  const std::string name = LibraryText(account);
  const char* column = option == AccountOption::kAutoRun ? kAutoRun : kExitMin;
  const char* value = on ? "1" : "0";
  if (!Read(account).stored) {
    std::vector<DataField> row = {MakeDataField(kAccount, name),
                                  MakeDataField(kAutoRun, option == AccountOption::kAutoRun ? value : "0"),
                                  MakeDataField(kExitMin, option == AccountOption::kMinimiseOnClose ? value : "0")};
    return StoreResultOf(data_.InsertRecord(kTable, &row));
  }
  std::vector<DataField> set = {MakeDataField(column, value)};
  std::vector<DataField> where = {MakeDataField(kAccount, name)};
  return StoreResultOf(data_.UpdateRecord(kTable, &set, &where));
}

}  // namespace pagekit
