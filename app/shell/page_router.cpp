// MainFrame::ShowPage, the page router: every page name the program opens, with
// the side it sets and the opener it runs, as one table in routing order. The
// frame's own openers are named in the rows; a row without one, and a name of no
// row, goes to the registered pages (then the plug-ins); a page that none of them
// has says so in a box. The owner's pages are refused to the clerk here, whatever
// way their name came.
#include "main_frame.h"

#include <cwchar>

#include "core/blocking_calls.h"
#include "click_routes.h"
#include "controls/edit.h"
#include "library_binding.h"
#include "text_conversion.h"

namespace shell {
namespace {

enum : int { kKeepSide = -1, kSalesSide = 0, kPurchaseSide = 1 };

// Opens a page; `arg` is the row's own value (a hint text, for instance).
using PageOpener = void (*)(MainFrame& frame, const SkinUI::CUIString& page, const wchar_t* arg);

struct PageRoute {
  const wchar_t* name;
  int side;
  PageOpener open;  // null: the page is not built yet
  const wchar_t* arg;
};

void NotBuiltYet(MainFrame& frame, const SkinUI::CUIString& page) { TellNotBuiltYet(frame.GetHWND(), page.GetData()); }

void Say(MainFrame& frame, const SkinUI::CUIString& page, const wchar_t* text) {
  SkinUI::UIMessageBox(frame.GetHWND(), text, page.GetData(), MB_OK);
}

// Every way to a page ends here or in the report opener, so an entry hidden from
// the clerk cannot be reached by another path (a tab, a plug-in, a report button).
bool RefusedToClerk(MainFrame& frame, const SkinUI::CUIString& page) {
  if (frame.MayOpenPage(page)) return false;
  Say(frame, page, L"只有老板可以使用此功能");
  return true;
}

void Nothing(MainFrame&, const SkinUI::CUIString&, const wchar_t*) {}

void ReportBanner(MainFrame& frame, const SkinUI::CUIString&, const wchar_t*) { frame.ShowReportBanner(true); }

// A registered page of that name, or the box that says it is not built yet.
void RegisteredPage(MainFrame& frame, const SkinUI::CUIString& page) {
  if (!frame.Pages().OpenPage(frame, page.GetData())) NotBuiltYet(frame, page);
}

// A bill page always opens on a new bill, never on the one edited before.
void BillPage(MainFrame& frame, const SkinUI::CUIString& page, const wchar_t*) {
  frame.m_editedBillNumber.Empty();
  RegisteredPage(frame, page);
}

// The summaries share one page whose party box starts empty with a hint naming
// what the empty box stands for; without that box the page is not there to open.
void SummaryReport(MainFrame& frame, const SkinUI::CUIString& page, const wchar_t* hint, const wchar_t* box) {
  // Only an edit is the party box; another control of that name (a skin's label)
  // counts as no box at all.
  SkinUI::CControlUI* control = frame.GetPaintManager()->FindControl(box);
  auto* edit = control != nullptr ? static_cast<SkinUI::CEditUI*>(control->GetInterface(L"Edit")) : nullptr;
  if (edit == nullptr) return;
  edit->SetText(L"");
  edit->SetHintText(hint);
  frame.OpenReportPage(page);
}

void SalesSummary(MainFrame& frame, const SkinUI::CUIString& page, const wchar_t* hint) {
  SummaryReport(frame, page, hint, L"xstjbg_edit_custom");
}

void PurchaseSummary(MainFrame& frame, const SkinUI::CUIString& page, const wchar_t* hint) {
  SummaryReport(frame, page, hint, L"jhtjbg_edit_custom");
}

void Report(MainFrame& frame, const SkinUI::CUIString& page, const wchar_t*) { frame.OpenReportPage(page); }

void HomePage(MainFrame& frame, const SkinUI::CUIString&, const wchar_t*) { frame.OpenHomePage(); }
void BasicDataTiles(MainFrame& frame, const SkinUI::CUIString&, const wchar_t*) {
  frame.OpenTilePage(kModuleBasicData);
}
void TradingTiles(MainFrame& frame, const SkinUI::CUIString&, const wchar_t*) { frame.OpenTilePage(kModuleTrading); }
void FundsTiles(MainFrame& frame, const SkinUI::CUIString&, const wchar_t*) { frame.OpenTilePage(kModuleFunds); }
void ReportCentre(MainFrame& frame, const SkinUI::CUIString&, const wchar_t*) { frame.OpenReportCentre(); }
void ShopPage(MainFrame& frame, const SkinUI::CUIString&, const wchar_t*) { frame.OpenShopPage(); }

// Names are compared without regard to case, in this order; the first match wins.
// "资金 " with its trailing blank is the funds tile page, "资金" the cash book.
const PageRoute kPageRoutes[] = {
    {L"报价", kKeepSide, nullptr, nullptr},
    {L"付款单", kKeepSide, nullptr, nullptr},
    {L"报表", kKeepSide, &ReportBanner, nullptr},
    {L"应收账款", kSalesSide, nullptr, nullptr},
    {L"应付账款", kPurchaseSide, nullptr, nullptr},
    {L"基础资料", kKeepSide, &BasicDataTiles, nullptr},
    {L"资金 ", kKeepSide, &FundsTiles, nullptr},
    {L"资金", kKeepSide, nullptr, nullptr},
    {L"其它收支", kKeepSide, nullptr, nullptr},
    {L"进销存", kKeepSide, &TradingTiles, nullptr},
    {L"商品类别", kKeepSide, &Say, L"请在商品管理中设置商品类别"},
    {L"计量单位", kKeepSide, &Say, L"请在商品管理中设置计量单位"},
    {L"客户类别", kKeepSide, &Nothing, nullptr},
    {L"供应商类别", kKeepSide, &Nothing, nullptr},
    {L"销售订单查询", kSalesSide, nullptr, nullptr},
    {L"采购订单查询", kPurchaseSide, nullptr, nullptr},
    {L"销售订单", kSalesSide, nullptr, nullptr},
    {L"采购订单", kPurchaseSide, nullptr, nullptr},
    {L"首页", kKeepSide, &HomePage, nullptr},
    {L"客户", kSalesSide, nullptr, nullptr},
    {L"供应商", kPurchaseSide, nullptr, nullptr},
    {L"销售批发价", kKeepSide, nullptr, nullptr},
    {L"供应商合同价", kKeepSide, nullptr, nullptr},
    {L"销售单", kSalesSide, &BillPage, nullptr},
    {L"进货单", kPurchaseSide, &BillPage, nullptr},
    {L"收支项目", kKeepSide, nullptr, nullptr},
    {L"报表中心", kKeepSide, &ReportCentre, nullptr},
    {L"销售明细表", kKeepSide, &Report, nullptr},
    {L"应收款查询", kKeepSide, &Report, nullptr},
    {L"应收款明细表", kKeepSide, &Report, nullptr},
    {L"销售汇总表(商品)", kKeepSide, &SalesSummary, L"全部商品"},
    {L"销售汇总表(客户)", kKeepSide, &SalesSummary, L"全部客户"},
    {L"销售汇总表(业务员)", kKeepSide, &SalesSummary, L"全部业务员"},
    {L"客户对账单", kKeepSide, &Report, nullptr},
    {L"进货明细表", kKeepSide, &Report, nullptr},
    {L"应付款查询", kKeepSide, &Report, nullptr},
    {L"应付款明细表", kKeepSide, &Report, nullptr},
    {L"进货汇总表(商品)", kKeepSide, &PurchaseSummary, L"全部商品"},
    {L"进货汇总表(供应商)", kKeepSide, &PurchaseSummary, L"全部供应商"},
    {L"供应商对账单", kKeepSide, &Report, nullptr},
    {L"库存统计表", kKeepSide, &Report, nullptr},
    {L"库存预警", kKeepSide, &Report, nullptr},
    {L"资金统计表", kKeepSide, &Report, nullptr},
    {L"利润统计表", kKeepSide, &Report, nullptr},
    {L"网店管理", kKeepSide, &ShopPage, nullptr},
};

}  // namespace

bool MainFrame::MayOpenPage(const SkinUI::CUIString& page) {
  if (m_session.owner || !OwnerOnlyPage(page)) return true;
  // A shortcut the clerk may see (the owner put it in the side bar) opens its page
  // for the clerk too, by that shortcut and by the tab it opens.
  if (!ClerkMaySeeShortcut(page)) return false;
  SkinUI::CBarListUI* sideBar = FindBarList(m_PaintManager, L"listSideBar");
  return sideBar != nullptr && sideBar->FindBarListNode(page.GetData()) != nullptr;
}

void MainFrame::ShowPage(const SkinUI::CUIString& page) {
  if (RefusedToClerk(*this, page)) return;
  for (const PageRoute& route : kPageRoutes) {
    if (_wcsicmp(page.GetData(), route.name) != 0) continue;
    if (route.side != kKeepSide) m_bPurchaseSide = static_cast<BYTE>(route.side);
    if (route.open != nullptr) {
      route.open(*this, page, route.arg);
    } else {
      RegisteredPage(*this, page);
    }
    return;
  }
  if (m_pages.OpenPage(*this, page.GetData())) return;
  if (!OpenPluginPage(page)) NotBuiltYet(*this, page);
}

// A plug-in's page, by the tile name it gave its home tile (compared exactly).
bool MainFrame::OpenPluginPage(const SkinUI::CUIString& pageName) {
  const std::string tile = AnsiFromWide(pageName.GetData());
  for (const PluginEntry& plugin : g_plugins) {
    if (plugin.object == nullptr || plugin.tileName != tile) continue;
    AddTab(pageName, true);
    ShowMidPanel((L"mid_" + WideFromAnsi(plugin.object->GetName())).c_str());
    return true;
  }
  return false;
}

void MainFrame::OpenReportPage(const SkinUI::CUIString& page) {
  if (RefusedToClerk(*this, page)) return;
  RegisteredPage(*this, page);
}

}  // namespace shell
