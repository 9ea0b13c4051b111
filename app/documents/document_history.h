// The history of a document page: every stored bill or order of one type, read
// from the library and put in order of their numbers.
#pragma once

#include <string>
#include <vector>

#include "document_view.h"
#include "kxp_data.h"
#include "page_host.h"

namespace documents {

// Two document numbers in their order: the prefix and date as text, then the
// sequence as a number, so that XSD20141022999 comes before XSD201410221000.
// Negative, 0 or positive.
int CompareDocumentNumbers(const std::string& a, const std::string& b);

// Rows whose second field is a document number, put in order of their numbers.
void SortByNumber(std::vector<std::vector<DataField>>* rows);

// The header of the bill history and of the order history, by side.
HistoryShape BillHistoryShape(pagekit::PageSide side);
HistoryShape OrderHistoryShape(pagekit::PageSide side);

// Every stored bill (orders) of the side's type, ascending by number; in the
// columns the history rows are made from. Empty when the query failed.
std::vector<std::vector<DataField>> BillHistory(KXPDatavane& data, pagekit::PageSide side);
std::vector<std::vector<DataField>> OrderHistory(KXPDatavane& data, pagekit::PageSide side);

}  // namespace documents
