// The lines of a stored bill or order as its grid shows them again: the stored
// product, quantity, price, amount and remark, with the product's unit and
// category as the products hold them now. A line whose product has been deleted
// since keeps its stored texts with unit and category empty, so that it is seen
// (and a save of the document stops at it) instead of vanishing.
#pragma once

#include <string>
#include <vector>

#include "field_records.h"

namespace documents {

// The seven line columns (商品名称, 单位, 商品类别, 数量, 单价, 金额, 备注)
// with these values (library text).
pagekit::Record LineCells(const std::string& product, const std::string& unit, const std::string& category,
                          const std::string& quantity, const std::string& price, const std::string& amount,
                          const std::string& remark);

// The stored lines of the document of that number in their stored order; none
// for an empty number or a failed query.
std::vector<pagekit::Record> StoredLines(KXPDatavane& data, const std::wstring& number);

}  // namespace documents
