// Saving a customer's trade price or a supplier's contract price. The two twin
// pages differ only in their table, controls and wording (PriceBook). A price is
// checked field by field (party, product, unit, a price above 0.00), then written
// inside one unit of work: an opened price is updated by its party and product
// (its key may change: a stored price of the new pair is replaced), a new price
// replaces the stored one of its pair. When a write fails, nothing of it stays.
#pragma once

#include <string>

#include "kxp_data.h"
#include "masterdata_records.h"

namespace masterdata {

enum class PriceBook { kTrade, kContract };

// The table, columns, controls and wording of one of the twin pages.
struct PriceBookNames {
  const char* table;
  const char* partyColumn;       // 客户名称 or 供应商名称
  const char* priceColumn;       // 客户批发价 or 供应商合同价
  const wchar_t* tab;            // "销售批发价" or "供应商合同价"
  const wchar_t* panel;          // "mid_dkhpfj" or "mid_gyshtj"
  const wchar_t* list;           // "listdkhpfj" or "listgyshtj"
  const wchar_t* form;           // "layout_dkhpfj_new" or "layout_gyshtj_new"
  const wchar_t* fields[4];      // party, product, unit, price, in column order
  const wchar_t* references[2];  // the product's wholesale and retail price
  const wchar_t* filters[2];     // party and product filter
  const wchar_t* messages[4];    // party, product, unit, price
};

const PriceBookNames& NamesOf(PriceBook book);

struct PriceSaveInput {
  PriceBook book = PriceBook::kTrade;
  std::wstring party;
  std::wstring product;
  std::wstring unit;
  std::wstring price;
  Record editing;  // the stored row of the opened price; empty for a new one
};

FormAnswer SavePrice(KXPDatavane& data, const PriceSaveInput& input);

}  // namespace masterdata
