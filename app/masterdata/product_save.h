// Saving the product form, and the batch operations on ticked products.
//
// A save checks everything first (the name, the business unit with its basic unit
// and rate, a name another product has), then writes inside one unit of work: the
// product's business unit for its basic unit (earlier rows of that basic unit
// replaced; none when the business unit is empty), the basic unit when it is not
// registered, the product itself and its unit cost. An opened product is updated by
// its name; its current stock is written only when the user changed it in the form,
// so stock that a bill posted meanwhile is not overwritten. When a write fails,
// nothing of the save stays.
#pragma once

#include <string>
#include <vector>

#include "kxp_data.h"
#include "masterdata_records.h"

namespace masterdata {

// The texts of the form's fields.
struct ProductForm {
  std::wstring name;            // hpkc_new_pmgg
  std::wstring category;        // hpkc_new_hplb
  std::wstring unit;            // hpkc_new_jldw, the basic unit
  std::wstring purchasePrice;   // hpkc_new_jhj
  std::wstring retailPrice;     // hpkc_new_lsj
  std::wstring wholesalePrice;  // hpkc_new_pfj
  std::wstring currentStock;    // hpkc_new_dqkc
  std::wstring initialStock;    // hpkc_new_cskc
  std::wstring lowestStock;     // hpkc_new_zdkc
  std::wstring highestStock;    // hpkc_new_zgkc
  std::wstring remark;          // hpkc_new_bz
  std::wstring businessUnit;    // hpkc_new_ywdw
  std::wstring rate;            // hpkc_new_hsl, basic units per business unit
  std::wstring cost;            // hpkc_new_cbj
};

struct ProductSaveInput {
  ProductForm form;
  Record editing;  // the stored row of the opened product; empty for a new one
  std::wstring user;
};

FormAnswer SaveProduct(KXPDatavane& data, const ProductSaveInput& input);

// The ticked products go (nothing else: no stock, price or bill rows), whole or
// not at all. False when a delete failed.
bool DeleteProducts(KXPDatavane& data, const std::vector<std::wstring>& names);
// The ticked products take the category, whole or not at all.
bool ChangeProductsCategory(KXPDatavane& data, const std::vector<std::wstring>& names, const std::wstring& category);

}  // namespace masterdata
