// The price forms' save (see price_save.h).
#include "price_save.h"

#include "data_store.h"
#include "unit_of_work.h"

namespace masterdata {
namespace {

const PriceBookNames kTradeNames = {
    "J4_Customer_TradePrice",
    "客户名称",
    "客户批发价",
    L"销售批发价",
    L"mid_dkhpfj",
    L"listdkhpfj",
    L"layout_dkhpfj_new",
    {L"dkhpfj_new_custom", L"dkhpfj_new_product", L"dkhpfj_new_unit", L"dkhpfj_new_dkhpfj"},
    {L"dkhpfj_new_pfj", L"dkhpfj_new_lsj"},
    {L"dkhpfj_edit_custom", L"dkhpfj_edit_product"},
    {L"客户名称不能为空！", L"商品不能为空！", L"单位不能为空！", L"销售批发价不能为空！"},
};

const PriceBookNames kContractNames = {
    "J4_Supplier_ContractPrice",
    "供应商名称",
    "供应商合同价",
    L"供应商合同价",
    L"mid_gyshtj",
    L"listgyshtj",
    L"layout_gyshtj_new",
    {L"gyshtj_new_custom", L"gyshtj_new_product", L"gyshtj_new_unit", L"gyshtj_new_gyshtj"},
    {L"gyshtj_new_pfj", L"gyshtj_new_lsj"},
    {L"gyshtj_edit_custom", L"gyshtj_edit_product"},
    {L"供应商名称不能为空！", L"商品不能为空！", L"单位不能为空！", L"供应商合同价不能为空！"},
};

bool PairStored(KXPDatavane& data, const PriceBookNames& names, const std::string& party, const std::string& product) {
  Rows rows;
  return Query(data, names.table, {Column("商品名称"), Key(names.partyColumn, party), Key("商品名称", product)},
               &rows) &&
         !rows.empty();
}

bool RemovePair(KXPDatavane& data, const PriceBookNames& names, const std::string& party, const std::string& product) {
  Record keys = {Key(names.partyColumn, party), Key("商品名称", product)};
  return data.DeleteRecords(names.table, &keys) == 0;
}

}  // namespace

const PriceBookNames& NamesOf(PriceBook book) { return book == PriceBook::kTrade ? kTradeNames : kContractNames; }

FormAnswer SavePrice(KXPDatavane& data, const PriceSaveInput& input) {
  const PriceBookNames& names = NamesOf(input.book);
  const std::string price = TwoDecimals(TypedNumber(input.price));
  const std::wstring* texts[3] = {&input.party, &input.product, &input.unit};
  for (int i = 0; i < 3; ++i) {
    if (texts[i]->empty()) return Tip(names.fields[i], names.messages[i], 120);
    if (!pagekit::IsStorable(*texts[i])) return Tip(names.fields[i], L"输入的文字中有无法保存的字符！");
  }
  if (input.price.empty() || price == "0.00") return Tip(names.fields[3], names.messages[3], 150);

  const std::string party = pagekit::LibraryText(input.party);
  const std::string product = pagekit::LibraryText(input.product);
  Record values = {Value(names.partyColumn, party), Value("商品名称", product),
                   Value("单位", pagekit::LibraryText(input.unit)), Value(names.priceColumn, price)};
  const bool opened = input.editing.size() == values.size();

  pagekit::UnitOfWork unit(data);
  if (!unit.IsOpen()) return NotSaved(names.fields[0]);
  bool written = false;
  if (opened && PairStored(data, names, input.editing[0].value, input.editing[1].value)) {
    const bool samePair = input.editing[0].value == party && input.editing[1].value == product;
    Record keys = {Key(names.partyColumn, input.editing[0].value), Key("商品名称", input.editing[1].value)};
    written =
        (samePair || RemovePair(data, names, party, product)) && data.UpdateRecord(names.table, &values, &keys) == 0;
  } else {
    written = RemovePair(data, names, party, product) && data.InsertRecord(names.table, &values) == 0;
  }
  if (!written) return NotSaved(names.fields[0]);
  return unit.Commit() ? Saved() : NotSaved(names.fields[0]);
}

}  // namespace masterdata
