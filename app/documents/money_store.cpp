#include "money_store.h"

#include <cstdlib>

#include "bill_amounts.h"
#include "party_balance.h"
#include "record_fields.h"
#include "unit_of_work.h"

namespace documents {
namespace {

using pagekit::LibraryText;

struct KindTexts {
  DocumentKind numbers;
  const char* type;
  const char* item;      // null: the user's
  const char* itemKind;  // null: by the entry
};

KindTexts TextsOf(MoneyKind kind) {
  switch (kind) {
    case MoneyKind::kReceipt:
      return {DocumentKind::kReceipt, "收款单", "收订金/欠款", "收入"};
    case MoneyKind::kPayment:
      return {DocumentKind::kPayment, "付款单", "付订金/欠款", "支出"};
    case MoneyKind::kIncomeExpense:
      break;
  }
  return {DocumentKind::kIncomeExpense, "收支单", nullptr, nullptr};
}

MoneySaveStatus Check(const MoneyEntry& entry, const std::wstring& amount) {
  if (entry.kind == MoneyKind::kIncomeExpense && entry.item.empty()) return MoneySaveStatus::kItemNeeded;
  if (amount.empty()) return MoneySaveStatus::kAmountNeeded;
  if (entry.kind != MoneyKind::kIncomeExpense && entry.party.empty()) return MoneySaveStatus::kPartyNeeded;
  for (const std::wstring* text :
       {&entry.party, &entry.date, &entry.note, &entry.salesman, &entry.item, &entry.user, &entry.openedNumber})
    if (!pagekit::IsStorable(*text)) return MoneySaveStatus::kTextNotStorable;
  return MoneySaveStatus::kSaved;
}

// The party's balance after `delta`; a party without a row has none to change.
bool MoveBalance(KXPDatavane& data, const std::string& party, double delta) {
  if (party.empty() || delta == 0) return true;
  const pagekit::StoreResult result = AddToPartyBalance(data, party, delta);
  return result == pagekit::StoreResult::kDone || result == pagekit::StoreResult::kNotFound;
}

bool EnsureItem(KXPDatavane& data, const std::string& item, const std::string& kind) {
  Rows rows;
  if (!Query(data, "J4_Account_Item", {Column("项目名称"), Key("项目名称", item)}, &rows)) return false;
  if (!rows.empty()) return true;  // an item keeps its kind
  Record record = {Value("项目名称", item), Value("项目类别", kind)};
  return data.InsertRecord("J4_Account_Item", &record) == 0;
}

// The writes of a checked save inside the caller's unit; false at the first
// that failed (or when the opened record is gone: *gone).
bool Write(KXPDatavane& data, const MoneyEntry& entry, const std::string& amount, const DocumentDate& today,
           std::wstring* number, bool* gone) {
  const KindTexts texts = TextsOf(entry.kind);
  const std::string item = texts.item != nullptr ? texts.item : LibraryText(entry.item);
  const std::string itemKind = texts.itemKind != nullptr ? texts.itemKind : (entry.income ? "收入" : "支出");
  const std::string party = LibraryText(entry.party);
  const bool moves = entry.kind != MoneyKind::kIncomeExpense;
  if (!EnsureItem(data, item, itemKind)) return false;

  if (!entry.openedNumber.empty()) {
    // A correction: the stored record's own number, its old effect undone
    // first.
    const std::string key = LibraryText(entry.openedNumber);
    Rows stored;
    if (!Query(data, "J4_Account_Data", {Column("类型"), Column("客户名称"), Column("收款金额"), Key("单据编号", key)},
               &stored))
      return false;
    if (stored.empty()) {
      *gone = true;
      return false;
    }
    const std::string type = FirstValue(stored, 0);
    if (type == "收款单" || type == "付款单") {
      if (!MoveBalance(data, FirstValue(stored, 1), std::atof(FirstValue(stored, 2).c_str()))) return false;
    }
    Record values = {Value("单据日期", LibraryText(entry.date)), Value("客户名称", party), Value("收款金额", amount),
                     Value("说明", LibraryText(entry.note)),     Value("收支项目", item),  Value("实际金额", amount)};
    Record keys = {Value("单据编号", key)};
    if (data.UpdateRecord("J4_Account_Data", &values, &keys) != 0) return false;
    if (moves && !MoveBalance(data, party, -std::atof(amount.c_str()))) return false;
    *number = entry.openedNumber;
    return true;
  }

  if (!FreeDocumentNumber(data, texts.numbers, L"", DocumentDateText(today), number)) return false;
  Record record = {Value("单据日期", LibraryText(entry.date)),
                   Value("单据编号", LibraryText(*number)),
                   Value("类型", texts.type),
                   Value("客户名称", party),
                   Value("折扣率", "100"),
                   Value("收款金额", amount),
                   Value("说明", LibraryText(entry.note)),
                   Value("收支项目", item),
                   Value("操作人", LibraryText(entry.user)),
                   Value("实际金额", amount),
                   Value("业务员", LibraryText(entry.salesman))};
  if (data.InsertRecord("J4_Account_Data", &record) != 0) return false;
  return !moves || MoveBalance(data, party, -std::atof(amount.c_str()));
}

}  // namespace

std::wstring MoneyAmount(const std::wstring& typed) {
  if (!IsNumberText(typed)) return std::wstring();
  const std::string amount = StoredAmount(std::wcstod(typed.c_str(), nullptr));
  return amount == "0.00" ? std::wstring() : pagekit::PageText(amount);
}

std::wstring MoneySaveMessage(MoneySaveStatus status, bool customer) {
  switch (status) {
    case MoneySaveStatus::kSaved:
      return std::wstring();
    case MoneySaveStatus::kAmountNeeded:
      return L"请输入非零的金额！";
    case MoneySaveStatus::kPartyNeeded:
      return customer ? L"请输入客户名称！" : L"请输入供应商名称！";
    case MoneySaveStatus::kItemNeeded:
      return L"请输入项目名称！";
    case MoneySaveStatus::kTextNotStorable:
      return L"含有无法保存的字符,没有保存。";
    case MoneySaveStatus::kNotFound:
      return L"该单据已不存在,没有保存。";
    case MoneySaveStatus::kNotSaved:
      break;
  }
  return L"保存失败,没有保存,数据库保持原样。";
}

MoneySaveOutcome SaveMoneyEntry(KXPDatavane& data, const MoneyEntry& entry, const DocumentDate& today) {
  MoneySaveOutcome outcome;
  const std::wstring amount = MoneyAmount(entry.amount);
  outcome.status = Check(entry, amount);
  if (outcome.status != MoneySaveStatus::kSaved) return outcome;

  pagekit::UnitOfWork unit(data);
  std::wstring number;
  bool gone = false;
  if (!unit.IsOpen() || !Write(data, entry, LibraryText(amount), today, &number, &gone) || !unit.Commit()) {
    outcome.status = gone ? MoneySaveStatus::kNotFound : MoneySaveStatus::kNotSaved;
    return outcome;
  }
  outcome.number = number;
  return outcome;
}

}  // namespace documents
