// The row actions by list name: which request "修改", the reserve button and a
// double-click make of a row, which cells they read in which order, and that a row
// without a needed cell (or a list of no table) asks for nothing.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "memory_fields.h"
#include "row_actions.h"

namespace pagekit {
namespace {

enum class Trigger { kModify, kReserve, kActivate };

const wchar_t* NameOf(RowRequest request) {
  switch (request) {
    case RowRequest::kNone:
      return L"none";
    case RowRequest::kEditProduct:
      return L"product";
    case RowRequest::kEditParty:
      return L"party";
    case RowRequest::kEditTradePrice:
      return L"trade price";
    case RowRequest::kEditContractPrice:
      return L"contract price";
    case RowRequest::kOpenBill:
      return L"bill";
    case RowRequest::kOpenOrder:
      return L"order";
    case RowRequest::kEditAccountItem:
      return L"item";
    case RowRequest::kOpenCashFlow:
      return L"cash flow";
    case RowRequest::kPartyBalanceDetail:
      return L"balance detail";
    case RowRequest::kSalesSummaryDetail:
      return L"sales detail";
    case RowRequest::kPurchaseSummaryDetail:
      return L"purchase detail";
    case RowRequest::kStockLedger:
      return L"stock ledger";
    case RowRequest::kFundDetail:
      return L"fund detail";
    case RowRequest::kFindProduct:
      return L"find product";
    case RowRequest::kReceiptOrPayment:
      return L"receipt or payment";
    case RowRequest::kPickLineProduct:
      return L"pick product";
    case RowRequest::kCategoryProducts:
      return L"category";
  }
  return L"?";
}

// "request: cell=text, cell=text [then page]", the cells without their "item_".
std::wstring Describe(const RowAction& action) {
  std::wstring text = NameOf(action.request);
  for (size_t i = 0; i < action.cells.size(); ++i)
    text += (i == 0 ? L": " : L", ") + action.cells[i].first.substr(5) + L"=" + action.cells[i].second;
  if (!action.pageFirst.empty()) text += L" [" + action.pageFirst + L"]";
  return text;
}

using Cells = std::vector<std::pair<const wchar_t*, const wchar_t*>>;

struct Case {
  Trigger trigger;
  const wchar_t* list;
  Cells cells;   // the row's cells with their texts
  Cells window;  // controls of the window with their texts (the summaries' captions)
  const wchar_t* expected;
};

const Cells kBill = {{L"item_单据日期", L"2024-03-01"}, {L"item_单据编号", L"XSD001"}, {L"item_客户名称", L"张三"},
                     {L"item_业务员", L"小王"},         {L"item_销售金额", L"100.00"}, {L"item_折后金额", L"80.00"},
                     {L"item_收款金额", L"50.00"},      {L"item_说明", L"急"}};
const Cells kOrder = {{L"item_单据日期", L"2024-03-01"},
                      {L"item_单据编号", L"XSYDD1"},
                      {L"item_供应商名称", L"李四"},
                      {L"item_交货日期", L"2024-03-09"},
                      {L"item_订货数量", L"5"},
                      {L"item_已发数量", L"2"},
                      {L"item_说明", L""},
                      {L"item_金额", L"9.00"},
                      {L"item_折扣率", L"100"}};

Cells Without(Cells cells, const wchar_t* cell) {
  for (auto it = cells.begin(); it != cells.end(); ++it) {
    if (std::wstring(it->first) == cell) {
      cells.erase(it);
      break;
    }
  }
  return cells;
}

TEST(RowActions, EachListReadsItsCellsAndAMissingCellStops) {
  const Case cases[] = {
      {Trigger::kModify,
       L"listhpkc",
       {{L"item_商品名称", L"可乐"}, {L"item_单位", L"瓶"}},
       {},
       L"product: 商品名称=可乐"},
      {Trigger::kModify, L"listhpkc", {{L"item_单位", L"瓶"}}, {}, L"none"},
      {Trigger::kModify, L"listkhyqk", {{L"item_客户名称", L"张三"}}, {}, L"party: 客户名称=张三"},
      {Trigger::kModify, L"listkhyqk", {{L"item_供应商名称", L"李四"}}, {}, L"party: 供应商名称=李四"},
      {Trigger::kModify, L"listkhyqk", {{L"item_联系人", L"王"}}, {}, L"none"},
      {Trigger::kModify,
       L"listdkhpfj",
       {{L"item_商品名称", L"可乐"}, {L"item_客户名称", L"张三"}},
       {},
       L"trade price: 客户名称=张三, 商品名称=可乐"},
      {Trigger::kModify, L"listdkhpfj", {{L"item_客户名称", L"张三"}}, {}, L"none"},
      {Trigger::kModify,
       L"listgyshtj",
       {{L"item_供应商名称", L"李四"}, {L"item_商品名称", L"可乐"}},
       {},
       L"contract price: 供应商名称=李四, 商品名称=可乐"},
      {Trigger::kModify, L"listgyshtj", {{L"item_客户名称", L"李四"}, {L"item_商品名称", L"可乐"}}, {}, L"none"},
      {Trigger::kModify,
       L"listxsd",
       kBill,
       {},
       L"bill: 单据编号=XSD001, 客户名称=张三, 单据日期=2024-03-01, 说明=急, 业务员=小王, 折后金额=80.00, "
       L"销售金额=100.00, 收款金额=50.00"},
      {Trigger::kModify, L"listxsd", Without(kBill, L"item_收款金额"), {}, L"none"},
      {Trigger::kModify,
       L"listxsydd",
       kOrder,
       {},
       L"order: 单据编号=XSYDD1, 供应商名称=李四, 单据日期=2024-03-01, 交货日期=2024-03-09, 订货数量=5, 已发数量=2, "
       L"说明=, 金额=9.00, 折扣率=100"},
      {Trigger::kModify, L"listxsydd", Without(kOrder, L"item_交货日期"), {}, L"none"},
      {Trigger::kModify,
       L"listszxm",
       {{L"item_项目类别", L"支出"}, {L"item_项目名称", L"房租"}},
       {},
       L"item: 项目名称=房租, 项目类别=支出"},
      {Trigger::kModify, L"listszxm", {{L"item_项目名称", L"房租"}}, {}, L"none"},
      {Trigger::kModify, L"listzjls", {{L"item_业务编号", L"XSD001"}}, {}, L"cash flow: 业务编号=XSD001"},
      {Trigger::kModify, L"listysqkbg", {{L"item_供应商名称", L"李四"}}, {}, L"balance detail: 供应商名称=李四"},
      {Trigger::kModify, L"listkctjbg", {{L"item_商品名称", L"可乐"}}, {}, L"stock ledger: 商品名称=可乐"},
      {Trigger::kModify, L"listzjtjbg", {{L"item_收支项目", L"房租"}}, {}, L"fund detail: 收支项目=房租"},
      {Trigger::kModify, L"listfind", {{L"item_商品名称", L"可乐"}}, {}, L"find product: 商品名称=可乐 [商品]"},
      {Trigger::kModify, L"listother", {{L"item_商品名称", L"可乐"}}, {}, L"none"},
      {Trigger::kModify, L"LISTHPKC", {{L"item_商品名称", L"可乐"}}, {}, L"none"},

      // The summaries read the cell of the mode their caption shows.
      {Trigger::kModify,
       L"listxstjbg",
       {{L"item_商品名称", L"可乐"}, {L"item_业务员", L"小王"}, {L"item_客户", L"张三"}},
       {{L"xstjbg_caption", L"销售汇总表(商品)"}},
       L"sales detail: 商品名称=可乐"},
      {Trigger::kModify,
       L"listxstjbg",
       {{L"item_商品名称", L"可乐"}},
       {{L"xstjbg_caption", L"销售汇总表(商品)>>\"雪碧\"的明细表"}},
       L"sales detail: 商品名称=可乐"},
      {Trigger::kModify,
       L"listxstjbg",
       {{L"item_商品名称", L"可乐"}, {L"item_业务员", L"小王"}, {L"item_客户", L"张三"}},
       {{L"xstjbg_caption", L"销售汇总表(业务员)"}},
       L"sales detail: 业务员=小王"},
      {Trigger::kModify,
       L"listxstjbg",
       {{L"item_商品名称", L"可乐"}, {L"item_业务员", L"小王"}, {L"item_客户", L"张三"}},
       {{L"xstjbg_caption", L"销售汇总表(客户)"}},
       L"sales detail: 客户=张三"},
      {Trigger::kModify,
       L"listxstjbg",
       {{L"item_供应商", L"李四"}},
       {{L"xstjbg_caption", L"销售汇总表(客户)"}},
       L"sales detail: 供应商=李四"},
      {Trigger::kModify,
       L"listxstjbg",
       {{L"item_商品名称", L"可乐"}},
       {{L"xstjbg_caption", L"销售汇总表(客户)"}},
       L"none"},
      {Trigger::kModify,
       L"listjhtjbg",
       {{L"item_商品名称", L"可乐"}, {L"item_供应商", L"李四"}},
       {{L"jhtjbg_caption", L"进货汇总表(商品)"}},
       L"purchase detail: 商品名称=可乐"},
      {Trigger::kModify,
       L"listjhtjbg",
       {{L"item_商品名称", L"可乐"}, {L"item_供应商", L"李四"}},
       {{L"jhtjbg_caption", L"进货汇总表(供应商)"}},
       L"purchase detail: 供应商=李四"},

      // The reserve button.
      {Trigger::kReserve,
       L"listkhyqk",
       {{L"item_客户名称", L"张三"}, {L"item_应收款", L"12.00"}},
       {},
       L"receipt or payment: 客户名称=张三, 应收款=12.00"},
      {Trigger::kReserve,
       L"listkhyqk",
       {{L"item_供应商名称", L"李四"}, {L"item_应付款", L"-3.00"}},
       {},
       L"receipt or payment: 供应商名称=李四, 应付款=-3.00"},
      {Trigger::kReserve, L"listkhyqk", {{L"item_客户名称", L"张三"}, {L"item_应付款", L"1.00"}}, {}, L"none"},
      {Trigger::kReserve, L"listkhyqk", {{L"item_客户名称", L"张三"}}, {}, L"none"},
      {Trigger::kReserve, L"listxsd", {{L"item_商品名称", L""}}, {}, L"pick product"},
      {Trigger::kReserve, L"listxsydd", {}, {}, L"pick product"},
      {Trigger::kReserve, L"listysqkbg", {{L"item_客户名称", L"张三"}}, {}, L"balance detail: 客户名称=张三"},
      {Trigger::kReserve, L"listkctjbg", {{L"item_商品名称", L"可乐"}}, {}, L"stock ledger: 商品名称=可乐"},
      {Trigger::kReserve, L"listkctjbg", {{L"item_单位", L"瓶"}}, {}, L"none"},
      {Trigger::kReserve, L"listzjtjbg", {{L"item_收支项目", L"房租"}}, {}, L"fund detail: 收支项目=房租"},
      {Trigger::kReserve,
       L"listjhtjbg",
       {{L"item_供应商", L"李四"}},
       {{L"jhtjbg_caption", L"进货汇总表(供应商)"}},
       L"purchase detail: 供应商=李四"},
      {Trigger::kReserve,
       L"listxstjbg",
       {{L"item_业务员", L"小王"}},
       {{L"xstjbg_caption", L"销售汇总表(业务员)"}},
       L"sales detail: 业务员=小王"},
      {Trigger::kReserve, L"listhpkc", {{L"item_商品名称", L"可乐"}}, {}, L"none"},
      {Trigger::kReserve, L"listfind", {{L"item_商品名称", L"可乐"}}, {}, L"none"},

      // A double-click opens the data lists' rows as "修改" does.
      {Trigger::kActivate, L"listhpkc", {{L"item_商品名称", L"可乐"}}, {}, L"product: 商品名称=可乐"},
      {Trigger::kActivate,
       L"listxsydd",
       kOrder,
       {},
       L"order: 单据编号=XSYDD1, 供应商名称=李四, 单据日期=2024-03-01, 交货日期=2024-03-09, 订货数量=5, 已发数量=2, "
       L"说明=, 金额=9.00, 折扣率=100"},
      {Trigger::kActivate, L"listkctjbg", {{L"item_商品名称", L"可乐"}}, {}, L"stock ledger: 商品名称=可乐"},
      {Trigger::kActivate, L"listfind", {{L"item_商品名称", L"可乐"}}, {}, L"find product: 商品名称=可乐 [商品]"},
      {Trigger::kActivate, L"listfind", {}, {}, L"none"},
      {Trigger::kActivate,
       L"listkhyqk",
       {{L"item_客户名称", L"张三"}, {L"item_应收款", L"12.00"}},
       {},
       L"party: 客户名称=张三"},
      {Trigger::kActivate, L"listother", {{L"item_商品名称", L"可乐"}}, {}, L"none"},
  };
  for (const Case& c : cases) {
    MemoryFields fields;
    for (const auto& control : c.window) {
      fields.Add(control.first);
      fields.SetText(control.first, control.second);
    }
    // The row under test is the second of its list.
    fields.AddRow(c.list, {{L"item_商品名称"}, {L"item_客户名称"}, {L"item_应收款"}});
    std::vector<MemoryFields::Control> cells;
    for (const auto& cell : c.cells) cells.push_back({cell.first});
    const int row = fields.AddRow(c.list, cells);
    for (const auto& cell : c.cells) fields.SetText(Cell(c.list, row, cell.first), cell.second);

    const RowAction action = c.trigger == Trigger::kModify    ? OpenListRow(fields, c.list, row)
                             : c.trigger == Trigger::kReserve ? OnListRowAction(fields, c.list, row)
                                                              : OnListItemActivate(fields, c.list, row);
    EXPECT_EQ(c.expected, Describe(action)) << static_cast<int>(c.trigger) << " " << c.list << " " << c.expected;
    EXPECT_EQ(c.list, action.list);
    EXPECT_EQ(row, action.row);
  }
}

// The category tree's double-click takes the activated entry's text; other bar
// lists, and an entry without text, ask for nothing.
TEST(RowActions, TheCategoryTreeFiltersByTheActivatedEntry) {
  MemoryFields fields;
  EXPECT_EQ(L"category: text=饮料", Describe(OnListItemActivate(fields, L"hpkc_list_type", 3, L"饮料")));
  EXPECT_EQ(L"none", Describe(OnListItemActivate(fields, L"hpkc_list_type", 3, L"")));
  EXPECT_EQ(L"none", Describe(OnListItemActivate(fields, L"szxm_list_type", 0, L"收入")));
  EXPECT_EQ(L"none", Describe(OpenListRow(fields, L"hpkc_list_type", 3)));
  EXPECT_EQ(L"饮料", OnListItemActivate(fields, L"hpkc_list_type", 3, L"饮料").Value(L"item_text"));
}

}  // namespace
}  // namespace pagekit
