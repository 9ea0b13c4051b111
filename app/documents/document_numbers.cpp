#include "document_numbers.h"

#include <cwchar>
#include <cwctype>

#include "data_store.h"
#include "list_conditions.h"

namespace documents {
namespace {

struct KindRow {
  DocumentKind kind;
  const wchar_t* prefix;
  const char* table;
  const char* numberColumn;
  const char* type;  // the 类型 the table stores; null: the table is searched by number alone
};

// Every kind's numbers are the key of their table, so a day's numbers are one
// range of the key's index (the views over J4_Account_Data expose the same key).
const KindRow kKinds[] = {
    {DocumentKind::kSalesBill, L"XSD", "J4_Account_Data", "单据编号", "销售单"},
    {DocumentKind::kPurchaseBill, L"JHD", "J4_Account_Data", "单据编号", "进货单"},
    {DocumentKind::kSalesOrder, L"XSYDD", "J4_Sales_Order", "单据编号", "销售预定单"},
    {DocumentKind::kPurchaseOrder, L"CGYDD", "J4_Sales_Order", "单据编号", "采购预定单"},
    {DocumentKind::kReceipt, L"SKD", "J4_Account_Data", "单据编号", nullptr},
    {DocumentKind::kPayment, L"FKD", "J4_Account_Data", "单据编号", nullptr},
    {DocumentKind::kIncomeExpense, L"SZD", "J4_Account_Data", "单据编号", nullptr},
};

const KindRow& RowOf(DocumentKind kind) {
  for (const KindRow& row : kKinds)
    if (row.kind == kind) return row;
  return kKinds[0];
}

std::wstring Digits(int value, int width) {
  std::wstring text = std::to_wstring(value < 0 ? 0 : value);
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), L'0');
  return text;
}

// The prefix and the eight date digits that every number of that kind and date
// begins with.
std::wstring DayStem(DocumentKind kind, const DocumentDate& date) {
  return DocumentPrefix(kind) + Digits(date.year, 4) + Digits(date.month, 2) + Digits(date.day, 2);
}

}  // namespace

SYSTEMTIME UtcNow() {
  SYSTEMTIME now{};
  ::GetSystemTime(&now);
  return now;
}

DocumentDate LocalToday() {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  return DateOf(now);
}

DocumentDate DateOf(const SYSTEMTIME& time) { return DocumentDate{time.wYear, time.wMonth, time.wDay}; }

bool ParseDocumentDate(const std::wstring& text, DocumentDate* date) {
  int year = 0, month = 0, day = 0;
  wchar_t rest = 0;
  if (std::swscanf(text.c_str(), L"%d-%d-%d%lc", &year, &month, &day, &rest) != 3) return false;
  if (year < 1 || month < 1 || month > 12 || day < 1 || day > 31) return false;
  *date = DocumentDate{year, month, day};
  return true;
}

std::wstring DocumentDateText(const DocumentDate& date) {
  return Digits(date.year, 4) + L"-" + Digits(date.month, 2) + L"-" + Digits(date.day, 2);
}

std::wstring DocumentPrefix(DocumentKind kind) { return RowOf(kind).prefix; }

std::wstring FormatDocumentNumber(DocumentKind kind, const DocumentDate& date, int sequence) {
  return DayStem(kind, date) + Digits(sequence, 3);
}

int SequenceOf(const std::wstring& number, DocumentKind kind, const DocumentDate& date) {
  const std::wstring stem = DayStem(kind, date);
  if (number.compare(0, stem.size(), stem) != 0) return -1;
  // Leading digits as a number, as many as there are; none reads 0.
  long long sequence = 0;
  for (size_t i = stem.size(); i < number.size() && number[i] >= L'0' && number[i] <= L'9'; ++i) {
    sequence = sequence * 10 + (number[i] - L'0');
    if (sequence > 1000000000LL) return -1;  // no sequence of a real day
  }
  return static_cast<int>(sequence);
}

int NextSequence(const std::vector<std::wstring>& numbers, DocumentKind kind, const DocumentDate& date) {
  int highest = 0;
  for (const std::wstring& number : numbers) {
    const int sequence = SequenceOf(number, kind, date);
    if (sequence > highest) highest = sequence;
  }
  return highest + 1;
}

std::vector<std::wstring> StoredNumbers(KXPDatavane& data, DocumentKind kind, const DocumentDate& date) {
  const KindRow& row = RowOf(kind);
  std::vector<DataField> record = {MakeDataField(row.numberColumn, "")};
  // The day's numbers run from the stem itself to the stem and any digits: ':'
  // follows '9'.
  const std::string stem = pagekit::QuoteSqlText(pagekit::LibraryText(DayStem(kind, date)));
  const std::string column = row.numberColumn;
  record.push_back(pagekit::RawCondition(column + " >= '" + stem + "' and " + column + " < '" + stem + ":'"));
  if (row.type != nullptr) {
    DataField type = MakeDataField("类型", row.type);
    type.hidden = 1;
    record.push_back(type);
  }
  std::vector<std::vector<DataField>> rows;
  std::vector<std::wstring> numbers;
  if (data.QueryRecords(row.table, &record, &rows) != 0) return numbers;
  for (const std::vector<DataField>& stored : rows)
    if (!stored.empty()) numbers.push_back(pagekit::PageText(stored.front().value));
  return numbers;
}

std::wstring NextDocumentNumber(KXPDatavane& data, DocumentKind kind, const DocumentDate& date) {
  return FormatDocumentNumber(kind, date, NextSequence(StoredNumbers(data, kind, date), kind, date));
}

bool FreeDocumentNumber(KXPDatavane& data, DocumentKind kind, const std::wstring& proposed, const std::wstring& date,
                        std::wstring* number) {
  if (!proposed.empty()) {
    const KindRow& row = RowOf(kind);
    std::vector<DataField> record = {MakeDataField(row.numberColumn, "")};
    DataField key = MakeDataField(row.numberColumn, pagekit::LibraryText(proposed));
    key.hidden = 1;
    record.push_back(key);
    std::vector<std::vector<DataField>> rows;
    if (data.QueryRecords(row.table, &record, &rows) != 0) return false;
    if (rows.empty()) {
      *number = proposed;
      return true;
    }
  }
  DocumentDate day;
  if (!ParseDocumentDate(date, &day)) day = LocalToday();
  *number = NextDocumentNumber(data, kind, day);
  return true;
}

}  // namespace documents
