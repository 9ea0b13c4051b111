// The row actions as tables: per list, the request and the cells it reads.
#include "row_actions.h"

#include <initializer_list>

namespace pagekit {
namespace {

// One thing a request reads: the first alternative whose cells the row all has.
using Alternative = std::vector<const wchar_t*>;
using Slot = std::vector<Alternative>;

Slot One(const wchar_t* cell) { return {{cell}}; }
Slot Either(const wchar_t* first, const wchar_t* second) { return {{first}, {second}}; }

const Slot kParty = Either(L"item_客户名称", L"item_供应商名称");

struct ListRule {
  const wchar_t* list;
  RowRequest request;
  std::vector<Slot> slots;
};

// "修改" and, for the lists of kActivating, a double-click.
const std::vector<ListRule>& OpenRules() {
  static const std::vector<ListRule> kRules = {
      {L"listhpkc", RowRequest::kEditProduct, {One(L"item_商品名称")}},
      {L"listkhyqk", RowRequest::kEditParty, {kParty}},
      {L"listdkhpfj", RowRequest::kEditTradePrice, {One(L"item_客户名称"), One(L"item_商品名称")}},
      {L"listgyshtj", RowRequest::kEditContractPrice, {One(L"item_供应商名称"), One(L"item_商品名称")}},
      {L"listxsd",
       RowRequest::kOpenBill,
       {One(L"item_单据编号"), kParty, One(L"item_单据日期"), One(L"item_说明"), One(L"item_业务员"),
        One(L"item_折后金额"), One(L"item_销售金额"), One(L"item_收款金额")}},
      {L"listxsydd",
       RowRequest::kOpenOrder,
       {One(L"item_单据编号"), kParty, One(L"item_单据日期"), One(L"item_交货日期"), One(L"item_订货数量"),
        One(L"item_已发数量"), One(L"item_说明"), One(L"item_金额"), One(L"item_折扣率")}},
      {L"listszxm", RowRequest::kEditAccountItem, {One(L"item_项目名称"), One(L"item_项目类别")}},
      {L"listzjls", RowRequest::kOpenCashFlow, {One(L"item_业务编号")}},
      {L"listysqkbg", RowRequest::kPartyBalanceDetail, {kParty}},
      // The two summaries read the cell of their caption's mode (below).
      {L"listxstjbg", RowRequest::kSalesSummaryDetail, {}},
      {L"listjhtjbg", RowRequest::kPurchaseSummaryDetail, {}},
      {L"listkctjbg", RowRequest::kStockLedger, {One(L"item_商品名称")}},
      {L"listzjtjbg", RowRequest::kFundDetail, {One(L"item_收支项目")}},
      {L"listfind", RowRequest::kFindProduct, {One(L"item_商品名称")}},
  };
  return kRules;
}

// The report lists whose reserve button drills down as "修改" does.
const wchar_t* const kDrillDownLists[] = {L"listysqkbg", L"listxstjbg", L"listjhtjbg", L"listkctjbg", L"listzjtjbg"};

bool StartsWith(const std::wstring& text, const wchar_t* prefix) { return text.rfind(prefix, 0) == 0; }

// The summaries' cell follows the mode their caption shows; a product detail's
// caption starts with its mode's, so its rows drill down by product as well.
std::vector<Slot> SummarySlots(const PageFields& fields, const std::wstring& list) {
  if (list == L"listxstjbg") {
    const std::wstring caption = fields.Text(L"xstjbg_caption");
    if (StartsWith(caption, L"销售汇总表(商品)")) return {One(L"item_商品名称")};
    if (StartsWith(caption, L"销售汇总表(业务员)")) return {One(L"item_业务员")};
    return {Either(L"item_客户", L"item_供应商")};
  }
  if (StartsWith(fields.Text(L"jhtjbg_caption"), L"进货汇总表(商品)")) return {One(L"item_商品名称")};
  return {One(L"item_供应商")};
}

// Reads the slots from the row; false (and nothing read) when one is missing.
bool ReadSlots(const PageFields& fields, const std::vector<Slot>& slots, RowAction* action) {
  for (const Slot& slot : slots) {
    const Alternative* found = nullptr;
    for (const Alternative& alternative : slot) {
      bool all = true;
      for (const wchar_t* cell : alternative) all = all && fields.Exists(Cell(action->list, action->row, cell));
      if (all) {
        found = &alternative;
        break;
      }
    }
    if (found == nullptr) {
      action->cells.clear();
      return false;
    }
    for (const wchar_t* cell : *found)
      action->cells.emplace_back(cell, fields.Text(Cell(action->list, action->row, cell)));
  }
  return true;
}

RowAction Nothing(const std::wstring& list, int row) {
  RowAction action;
  action.list = list;
  action.row = row;
  return action;
}

RowAction Read(const PageFields& fields, const std::wstring& list, int row, RowRequest request,
               const std::vector<Slot>& slots) {
  RowAction action = Nothing(list, row);
  if (!ReadSlots(fields, slots, &action)) return action;
  action.request = request;
  if (request == RowRequest::kFindProduct) action.pageFirst = L"商品";
  return action;
}

template <size_t N>
bool Among(const wchar_t* const (&lists)[N], const std::wstring& list) {
  for (const wchar_t* name : lists) {
    if (list == name) return true;
  }
  return false;
}

}  // namespace

std::wstring RowAction::Value(const std::wstring& cell) const {
  for (const auto& read : cells) {
    if (read.first == cell) return read.second;
  }
  return std::wstring();
}

RowAction OpenListRow(const PageFields& fields, const std::wstring& list, int row) {
  for (const ListRule& rule : OpenRules()) {
    if (list != rule.list) continue;
    const bool summary =
        rule.request == RowRequest::kSalesSummaryDetail || rule.request == RowRequest::kPurchaseSummaryDetail;
    return Read(fields, list, row, rule.request, summary ? SummarySlots(fields, list) : rule.slots);
  }
  return Nothing(list, row);
}

RowAction OnListRowAction(const PageFields& fields, const std::wstring& list, int row) {
  if (list == L"listkhyqk") {
    const Slot partyAndBalance = {{L"item_客户名称", L"item_应收款"}, {L"item_供应商名称", L"item_应付款"}};
    return Read(fields, list, row, RowRequest::kReceiptOrPayment, {partyAndBalance});
  }
  if (list == L"listxsd" || list == L"listxsydd") return Read(fields, list, row, RowRequest::kPickLineProduct, {});
  if (Among(kDrillDownLists, list)) return OpenListRow(fields, list, row);
  return Nothing(list, row);
}

RowAction OnListItemActivate(const PageFields& fields, const std::wstring& list, int row,
                             const std::wstring& entryText) {
  // Every list of the "修改" table opens its row on a double-click too.
  RowAction action = OpenListRow(fields, list, row);
  if (list == L"hpkc_list_type" && !entryText.empty()) {
    action.request = RowRequest::kCategoryProducts;
    action.cells.emplace_back(L"item_text", entryText);
  }
  return action;
}

}  // namespace pagekit
