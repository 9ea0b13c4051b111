// Deleting the record behind a master data row, by the list's name.
#include "row_delete.h"

#include "record_delete_store.h"

namespace pagekit {
namespace {

const wchar_t* const kLists[] = {L"listhpkc", L"listkhyqk", L"listdkhpfj", L"listgyshtj", L"listszxm"};

// The text of a key cell; false when the cell is missing or empty.
bool KeyOf(PageFields& fields, const std::wstring& list, int row, const wchar_t* cell, std::wstring* key) {
  const FieldRef ref = Cell(list, row, cell);
  if (!fields.Exists(ref)) return false;
  *key = fields.Text(ref);
  return !key->empty();
}

StoreResult DeleteByList(PageFields& fields, RecordDeleteStore& store, const std::wstring& list, int row) {
  const StoreResult kNoKey = StoreResult::kNotFound;
  std::wstring first;
  std::wstring second;
  if (list == L"listhpkc") {
    return KeyOf(fields, list, row, L"item_商品名称", &first) ? store.DeleteProduct(first) : kNoKey;
  }
  if (list == L"listkhyqk") {
    const wchar_t* cell = fields.Exists(Cell(list, row, L"item_客户名称")) ? L"item_客户名称" : L"item_供应商名称";
    return KeyOf(fields, list, row, cell, &first) ? store.DeleteParty(first) : kNoKey;
  }
  if (list == L"listdkhpfj") {
    return KeyOf(fields, list, row, L"item_客户名称", &first) && KeyOf(fields, list, row, L"item_商品名称", &second)
               ? store.DeleteTradePrice(first, second)
               : kNoKey;
  }
  if (list == L"listgyshtj") {
    return KeyOf(fields, list, row, L"item_供应商名称", &first) && KeyOf(fields, list, row, L"item_商品名称", &second)
               ? store.DeleteContractPrice(first, second)
               : kNoKey;
  }
  if (list == L"listszxm") {
    return KeyOf(fields, list, row, L"item_项目名称", &first) ? store.DeleteAccountItem(first) : kNoKey;
  }
  return kNoKey;
}

}  // namespace

bool IsMasterDataList(const std::wstring& list) {
  for (const wchar_t* name : kLists) {
    if (list == name) return true;
  }
  return false;
}

RowDeleteOutcome DeleteSelectedRow(PageFields& fields, KXPDatavane* data, const std::wstring& list, int row,
                                   const std::function<bool()>& confirm) {
  if (!IsMasterDataList(list)) return RowDeleteOutcome::kNotHere;
  if (confirm && !confirm()) return RowDeleteOutcome::kCancelled;
  if (data == nullptr) return RowDeleteOutcome::kKept;
  RecordDeleteStore store(*data);
  return DeleteByList(fields, store, list, row) == StoreResult::kDone ? RowDeleteOutcome::kDeleted
                                                                      : RowDeleteOutcome::kKept;
}

}  // namespace pagekit
