#include "drop_list_store.h"

#include <cwchar>
#include <set>

namespace pagekit {
namespace {

const char* TableOf(DropListSource source) {
  switch (source) {
    case DropListSource::kSalesmen:
      return "J4_Saler";
    case DropListSource::kBusinessUnits:
      return "J4_LogicalUnit";
    default:
      return nullptr;
  }
}

}  // namespace

DropListSource DropListSourceOf(const std::wstring& owner) {
  const wchar_t* name = owner.c_str();
  if (_wcsicmp(name, L"xsd_ywy_drop") == 0 || _wcsicmp(name, L"fkd_new_ywy_drop") == 0)
    return DropListSource::kSalesmen;
  if (_wcsicmp(name, L"hpkc_new_ywdw_drop") == 0 || _wcsicmp(name, L"hpkc_new_ywdw") == 0)
    return DropListSource::kBusinessUnits;
  return DropListSource::kNone;
}

std::vector<std::wstring> DropListStore::Entries(DropListSource source) {
  const char* table = TableOf(source);
  if (table == nullptr) return {};
  std::vector<DataField> columns = {MakeDataField("name", "")};
  std::vector<std::vector<DataField>> rows;
  if (data_.QueryRecords(table, &columns, &rows) != 0) return {};
  // A business unit is stored once per product: its name is offered once.
  std::set<std::string> seen;
  std::vector<std::wstring> names;
  for (const auto& row : rows) {
    if (row.empty() || row.front().value.empty() || !seen.insert(row.front().value).second) continue;
    names.push_back(PageText(row.front().value));
  }
  return names;
}

StoreResult DropListStore::Delete(DropListSource source, const std::wstring& name) {
  const char* table = TableOf(source);
  if (table == nullptr) return StoreResult::kRefused;
  if (!IsStorable(name)) return StoreResult::kTextNotStorable;
  DataField key = MakeDataField("name", LibraryText(name));
  // The library answers success for a delete that matched nothing: whether there
  // was such a name is asked first.
  DataField condition = key;
  condition.hidden = 1;
  std::vector<DataField> query = {MakeDataField("name", ""), condition};
  std::vector<std::vector<DataField>> rows;
  const StoreResult asked = StoreResultOf(data_.QueryRecords(table, &query, &rows));
  if (asked != StoreResult::kDone) return asked;
  if (rows.empty()) return StoreResult::kNotFound;
  std::vector<DataField> keys = {key};
  return StoreResultOf(data_.DeleteRecords(table, &keys));
}

}  // namespace pagekit
