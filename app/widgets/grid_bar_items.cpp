// The tables behind the module pages, the home tiles and the side bar.
#include "grid_bar_items.h"

#include <cwchar>
#include <initializer_list>
#include <iterator>

namespace shell {
namespace {

const ModulePlace kPlaces[kModuleListCount] = {
    {L"基础资料", L"mid_jczl", L"jczl_grid"},
    {L"进销存", L"mid_jxc", L"jxc_grid"},
    // The funds tile page's name ends in a blank: "资金" alone is the cash flow.
    {L"资金 ", L"mid_zj", L"zj_grid"},
    {L"报表中心", L"mid_jybg", L"listjybg_xs"},
    {L"报表中心", L"mid_jybg", L"listjybg_jh"},
    {L"报表中心", L"mid_jybg", L"listjybg_kc"},
    {L"报表中心", L"mid_jybg", L"listjybg_zj"},
};

struct RowNames {
  const wchar_t* imagePrefix;  // null: report images
  std::vector<const wchar_t*> names;
};

const RowNames& RowsOf(ModuleList list) {
  static const RowNames kRows[kModuleListCount] = {
      {L"AppLogo/Icon_基础资料_", {L"商品类别", L"客户类别", L"供应商类别", L"计量单位"}},
      {L"AppLogo/Icon_进销存_", {L"销售批发价", L"销售订单", L"销售单", L"供应商合同价", L"采购订单", L"进货单"}},
      {L"AppLogo/Icon_资金_", {L"收支项目", L"应收账款", L"应付账款", L"其它收支"}},
      {nullptr,
       {L"销售明细表", L"应收款查询", L"应收款明细表", L"销售汇总表(商品)", L"销售汇总表(客户)", L"销售汇总表(业务员)",
        L"客户对账单", L"销售订单查询"}},
      {nullptr,
       {L"进货明细表", L"应付款查询", L"应付款明细表", L"进货汇总表(商品)", L"进货汇总表(供应商)", L"供应商对账单",
        L"采购订单查询"}},
      {nullptr, {L"库存统计表", L"库存预警"}},
      {nullptr, {L"资金统计表", L"利润统计表"}},
  };
  return kRows[list];
}

// Reports whose image is not named after the report itself.
struct ReportImageName {
  const wchar_t* report;
  const wchar_t* image;
};
const ReportImageName kReportImages[] = {
    {L"销售汇总表(商品)", L"销售汇总表_商品"},
    {L"销售汇总表(客户)", L"销售汇总表_客户"},
    {L"销售汇总表(业务员)", L"销售汇总表_客户"},
    {L"库存统计表", L"库存统计报告"},
    {L"客户对账单", L"应收对账单"},
    {L"利润统计表", L"利润统计报告"},
    {L"销售订单查询", L"销售订货查询"},
    {L"应收款查询", L"应收欠款报告"},
};

struct Shortcut {
  const wchar_t* name;
  const wchar_t* image;
};
const Shortcut kShortcuts[] = {
    {L"商品", L"AppLogo/8_S.png"},       {L"客户", L"AppLogo/9_S.png"},   {L"供应商", L"AppLogo/10_S.png"},
    {L"销售批发价", L"AppLogo/7_S.png"}, {L"销售单", L"AppLogo/4_S.png"}, {L"进货单", L"AppLogo/5_S.png"},
    {L"资金", L"AppLogo/1_S.png"},
};

GridBarItem Item(const SkinUI::CUIString& name, const SkinUI::CUIString& image,
                 const SkinUI::CUIString& image2 = SkinUI::CUIString()) {
  GridBarItem item;
  item.name = name;
  item.image = image;
  item.image2 = image2;
  return item;
}

}  // namespace

const ModulePlace& PlaceOf(ModuleList list) { return kPlaces[list]; }

std::vector<GridBarItem> FixedModuleRows(ModuleList list) {
  const RowNames& rows = RowsOf(list);
  std::vector<GridBarItem> items;
  for (const wchar_t* name : rows.names) {
    items.push_back(Item(
        name, rows.imagePrefix != nullptr ? SkinUI::CUIString(rows.imagePrefix) + name + L".png" : ReportImage(name)));
  }
  return items;
}

SkinUI::CUIString ReportImage(const SkinUI::CUIString& report) {
  SkinUI::CUIString base;
  for (const ReportImageName& entry : kReportImages) {
    if (report == entry.report) base = entry.image;
  }
  if (base.IsEmpty()) {
    // "进货汇总表(商品)" -> "进货汇总表_商品", as the named ones are written.
    for (const wchar_t* c = report.GetData(); *c != L'\0'; ++c) {
      if (*c == L'(') {
        base += L"_";
      } else if (*c != L')') {
        const wchar_t one[2] = {*c, L'\0'};
        base += one;
      }
    }
  }
  return SkinUI::CUIString(L"AppLogo/Icon_首页_报表中心_") + base + L".png";
}

namespace {

// Entries of a page's side list: "AppSet/<name>1.png", highlighted "...2.png".
std::vector<GridBarItem> SideListEntries(std::initializer_list<const wchar_t*> names) {
  std::vector<GridBarItem> items;
  for (const wchar_t* name : names) {
    const SkinUI::CUIString stem = SkinUI::CUIString(L"AppSet/") + name;
    items.push_back(Item(name, stem + L"1.png", stem + L"2.png"));
  }
  return items;
}

}  // namespace

std::vector<GridBarItem> ShopEntries() {
  return SideListEntries(
      {L"网店信息同步", L"宝贝数据同步", L"订单数据同步", L"退款数据同步", L"快递单打印", L"淘宝同步教程"});
}

std::vector<GridBarItem> HomeTiles(bool owner) {
  struct Tile {
    const wchar_t* name;
    bool ownerOnly;
  };
  static const Tile kTiles[] = {{L"商品", false},   {L"客户", false},  {L"供应商", true}, {L"短信", false},
                                {L"销售单", false}, {L"进货单", true}, {L"资金", true},   {L"报表", true}};
  std::vector<GridBarItem> items;
  for (const Tile& tile : kTiles) {
    if (tile.ownerOnly && !owner) continue;
    items.push_back(Item(tile.name, SkinUI::CUIString(L"AppLogo/Icon_首页_") + tile.name + L".png"));
  }
  return items;
}

std::vector<GridBarItem> ReportTiles() {
  static const wchar_t* const kNames[] = {L"销售汇总表(商品)", L"销售汇总表(客户)", L"库存统计表",
                                          L"客户对账单",       L"利润统计表",       L"销售订单查询"};
  std::vector<GridBarItem> items;
  for (const wchar_t* name : kNames) items.push_back(Item(name, ReportImage(name)));
  return items;
}

const wchar_t* BuiltInShortcutImage(const SkinUI::CUIString& name) {
  for (const Shortcut& shortcut : kShortcuts) {
    if (name == shortcut.name) return shortcut.image;
  }
  return nullptr;
}

bool ClerkMaySeeShortcut(const SkinUI::CUIString& name) {
  static const wchar_t* const kNames[] = {L"商品", L"客户", L"销售批发价", L"进货单"};
  for (const wchar_t* allowed : kNames) {
    if (name == allowed) return true;
  }
  return false;
}

bool OwnerOnlyPage(const SkinUI::CUIString& page) {
  // The home page offers the supplier page, the purchase bill, the cash book and
  // the reports to the owner alone; these are the same pages under every name the
  // router knows them by, and the pages that show what was bought at what price.
  static const wchar_t* const kPages[] = {
      L"供应商", L"应付账款", L"付款单", L"供应商合同价", L"采购订单", L"采购订单查询", L"进货单",
      // "资金" without the blank is the cash book; "资金 " (the tile page) is not here.
      L"资金", L"其它收支", L"报表", L"报表中心", L"销售明细表", L"应收款查询", L"应收款明细表", L"销售汇总表(商品)",
      L"销售汇总表(客户)", L"销售汇总表(业务员)", L"客户对账单", L"进货明细表", L"应付款查询", L"应付款明细表",
      L"进货汇总表(商品)", L"进货汇总表(供应商)", L"供应商对账单", L"库存统计表", L"库存预警", L"资金统计表",
      L"利润统计表"};
  for (const wchar_t* name : kPages) {
    if (_wcsicmp(page.GetData(), name) == 0) return true;
  }
  return false;
}

}  // namespace shell
