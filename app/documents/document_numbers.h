// Document numbers: a kind's prefix, the date as eight digits and a daily sequence
// of at least three digits ("XSD20141022007"). The next number of a kind and date
// is one more than the highest sequence stored under that prefix and date,
// compared as numbers, so that 1000 follows 999 and no number is handed out twice;
// another day's numbers never count.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "kxp_data.h"

namespace documents {

enum class DocumentKind {
  kSalesBill,      // XSD, 销售单
  kPurchaseBill,   // JHD, 进货单
  kSalesOrder,     // XSYDD, 销售预定单
  kPurchaseOrder,  // CGYDD, 采购预定单
  kReceipt,        // SKD, 收款单
  kPayment,        // FKD, 付款单
  kIncomeExpense,  // SZD, 收支单
};

struct DocumentDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

// The machine's local date: document dates are local dates.
DocumentDate LocalToday();
// The system time (UTC), which numbers receipts, payments and cash-book records.
SYSTEMTIME UtcNow();
DocumentDate DateOf(const SYSTEMTIME& time);
// A date written "2014-10-22" (the date fields' and the tables' form); false when
// the text is no such date.
bool ParseDocumentDate(const std::wstring& text, DocumentDate* date);
std::wstring DocumentDateText(const DocumentDate& date);

std::wstring DocumentPrefix(DocumentKind kind);
// Prefix, "%04d%02d%02d" and "%03d": sequence 1000 gives four digits.
std::wstring FormatDocumentNumber(DocumentKind kind, const DocumentDate& date, int sequence);
// The sequence of a number of that kind and date, read as a number from the
// digits after the prefix and the date (0 when none follow); -1 when the number
// is of another kind or date.
int SequenceOf(const std::wstring& number, DocumentKind kind, const DocumentDate& date);
// One more than the highest sequence among the numbers of that kind and date; 1
// when there is none.
int NextSequence(const std::vector<std::wstring>& numbers, DocumentKind kind, const DocumentDate& date);

// The numbers stored for that kind and date.
std::vector<std::wstring> StoredNumbers(KXPDatavane& data, DocumentKind kind, const DocumentDate& date);
// The next number of that kind for that date, from what is stored. A failed query
// counts as none stored.
std::wstring NextDocumentNumber(KXPDatavane& data, DocumentKind kind, const DocumentDate& date);

// The number a new document is stored under: the proposed one, unless it is empty
// or stored already (another save took it meanwhile); then the next free number
// of the document's date ("2014-10-22"; the local date when it is none). False
// when the look-up failed.
bool FreeDocumentNumber(KXPDatavane& data, DocumentKind kind, const std::wstring& proposed, const std::wstring& date,
                        std::wstring* number);

}  // namespace documents
