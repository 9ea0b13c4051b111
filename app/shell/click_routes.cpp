// MainFrame's click dispatch: two chains of rows tried in order against the
// clicked control's name, exact names and prefixes alike compared without regard
// to case. The first chain holds the exact names of the pages' buttons, then the
// prefixes and window buttons in their fixed places; what it does not take goes
// to the second chain. The frame's own exact rows answer first; then the pages are
// asked (a page's own button comes before the prefix rows, as the page buttons come
// before them in the first chain); then the prefix rows. A row without a handler
// belongs to a page not registered yet: the pages are asked and, if none takes the
// click, the user is told that it is not built yet. A name of no row is ignored.
#include "click_routes.h"

#include <cwchar>

#include "core/blocking_calls.h"
#include "core/container_ui.h"
#include "controls/list.h"
#include "drop_popups.h"
#include "list_export.h"
#include "list_sorting.h"
#include "main_frame.h"
#include "message_dialog.h"
#include "controls/option.h"
#include "paint_manager_fields.h"
#include "print_operations.h"
#include "program_output.h"
#include "row_delete.h"
#include "table_export.h"

namespace shell {
namespace {

using ClickHandler = void (*)(MainFrame& frame, SkinUI::CControlUI& sender, const wchar_t* arg, const wchar_t* arg2);

enum class Match { kExact, kPrefix };

struct ClickRoute {
  const wchar_t* name;
  ClickHandler handler = nullptr;
  const wchar_t* arg = nullptr;   // the row's own value: a page, a list or a control name
  const wchar_t* arg2 = nullptr;  // for side-dependent rows, the purchase side's value
  Match match = Match::kExact;
};

// The text after the last underscore of the control's name: the page that tiles,
// shortcuts and tabs are named after.
SkinUI::CUIString PageOf(SkinUI::CControlUI& sender) {
  const SkinUI::CUIString name = sender.GetName();
  return name.Mid(name.ReverseFind(L'_') + 1);
}

void Broadcast(MainFrame& frame, SkinUI::CControlUI&, const wchar_t*, const wchar_t*) { frame.ConfirmBroadcast(); }

void OpenPage(MainFrame& frame, SkinUI::CControlUI&, const wchar_t* page, const wchar_t*) { frame.OpenPage(page); }

void OpenNamedPage(MainFrame& frame, SkinUI::CControlUI& sender, const wchar_t*, const wchar_t*) {
  frame.OpenPage(PageOf(sender));
}

void AddShortcut(MainFrame& frame, SkinUI::CControlUI& sender, const wchar_t*, const wchar_t*) {
  frame.AddModuleShortcut(PageOf(sender));
}

// A side-bar or report entry's button opens the page of its entry.
void OpenEntryPage(MainFrame& frame, SkinUI::CControlUI& sender, const wchar_t*, const wchar_t*) {
  const SkinUI::CUIString page = ListItemPageName(&sender);
  if (!page.IsEmpty()) frame.OpenPage(page);
}

void ScrollSideBar(MainFrame& frame, SkinUI::CControlUI&, const wchar_t*, const wchar_t*) { frame.ScrollSideBar(); }

void CloseNamedTab(MainFrame& frame, SkinUI::CControlUI& sender, const wchar_t*, const wchar_t*) {
  frame.CloseTab(PageOf(sender));
}

void PrevTab(MainFrame& frame, SkinUI::CControlUI&, const wchar_t*, const wchar_t*) { frame.SelectPrevTab(); }
void NextTab(MainFrame& frame, SkinUI::CControlUI&, const wchar_t*, const wchar_t*) { frame.SelectNextTab(); }

void Report(MainFrame& frame, SkinUI::CControlUI&, const wchar_t* page, const wchar_t*) { frame.OpenReportPage(page); }

void SideReport(MainFrame& frame, SkinUI::CControlUI&, const wchar_t* sales, const wchar_t* purchase) {
  frame.OpenReportPage(frame.m_bPurchaseSide ? purchase : sales);
}

void Toggle(MainFrame& frame, SkinUI::CControlUI&, const wchar_t* name, const wchar_t*) {
  if (SkinUI::CControlUI* control = frame.GetPaintManager()->FindControl(name))
    control->SetVisible(!control->IsVisible());
}

// The header's select-all box: its click arrives before the box changes, so every
// row's box takes the state the header box is about to get.
void SelectAll(MainFrame& frame, SkinUI::CControlUI& sender, const wchar_t*, const wchar_t*) {
  auto* box = static_cast<SkinUI::COptionUI*>(sender.GetInterface(L"Option"));
  SkinUI::CPaintManagerUI& pm = *frame.GetPaintManager();
  SkinUI::CControlUI* control = pm.FindControl(sender.GetName().Mid(8).GetData());
  auto* list = control != nullptr ? static_cast<SkinUI::CListUI*>(control->GetInterface(L"List")) : nullptr;
  if (box == nullptr || list == nullptr) return;
  const bool tick = !box->IsSelected();
  for (int i = 0; i < list->GetCount(); ++i) {
    SkinUI::CControlUI* row = list->GetItemAt(i);
    SkinUI::CControlUI* chk = row != nullptr ? pm.FindSubControlByName(row, L"item_chk") : nullptr;
    auto* rowBox = chk != nullptr ? static_cast<SkinUI::COptionUI*>(chk->GetInterface(L"Option")) : nullptr;
    if (rowBox != nullptr) rowBox->Selected(tick);
  }
}

// A row's own button sits in a cell of the row: the row is the button's parent's
// parent and must be a list row, its list the row's parent's parent and must be a
// list; otherwise the button belongs to no list row and does nothing.
bool RowOfButton(SkinUI::CControlUI& button, SkinUI::CControlUI** row, SkinUI::CListUI** list) {
  SkinUI::CControlUI* cell = button.GetParent();
  *row = cell != nullptr ? cell->GetParent() : nullptr;
  if (*row == nullptr || std::wcscmp((*row)->GetClass(), L"ListContainerElementUI") != 0) return false;
  SkinUI::CControlUI* body = (*row)->GetParent();
  SkinUI::CControlUI* owner = body != nullptr ? body->GetParent() : nullptr;
  if (owner == nullptr || std::wcscmp(owner->GetClass(), L"ListUI") != 0) return false;
  *list = static_cast<SkinUI::CListUI*>(owner->GetInterface(L"List"));
  return *list != nullptr;
}

// The lists whose rows' delete belongs to the bill, order and cash-book pages.
bool IsDocumentList(const std::wstring& list) {
  return list == L"listxsd" || list == L"listxsydd" || list == L"listzjls";
}

// "删除" in a row: a master data record is deleted here after the user agreed, and
// its row leaves the list only when the delete succeeded. The documents' lists are
// their pages'; until such a page is built the user is told so.
void DeleteRow(MainFrame& frame, SkinUI::CControlUI& sender, const wchar_t*, const wchar_t*) {
  SkinUI::CControlUI* row = nullptr;
  SkinUI::CListUI* list = nullptr;
  if (!RowOfButton(sender, &row, &list)) return;
  const std::wstring listName = list->GetName().GetData();
  pagekit::PaintManagerFields fields(*frame.GetPaintManager());
  const pagekit::RowDeleteOutcome outcome =
      pagekit::DeleteSelectedRow(fields, frame.Data(), listName, list->GetItemIndex(row), [&frame] {
        // A dialog that could not be shown is no consent.
        return ShowMessageDialog(frame.GetHWND(), L"提示", L"确定要执行删除操作 ?", kMsgDlgIconInfo,
                                 kMsgDlgCancelButton) == kDialogOk;
      });
  if (outcome == pagekit::RowDeleteOutcome::kDeleted) {
    list->Remove(row);
    pagekit::RenumberListLines(list);
  } else if (outcome == pagekit::RowDeleteOutcome::kNotHere &&
             !frame.OfferToPages(pagekit::EventKind::kClick, &sender, list->GetName()) && IsDocumentList(listName)) {
    TellNotBuiltYet(frame.GetHWND(), L"删除");
  }
}

// "修改" and the reserve button of a row: the list's table says what the row asks
// for and which cells it reads; the page of the list answers.
void ModifyRow(MainFrame& frame, SkinUI::CControlUI& sender, const wchar_t*, const wchar_t*) {
  SkinUI::CControlUI* row = nullptr;
  SkinUI::CListUI* list = nullptr;
  if (!RowOfButton(sender, &row, &list)) return;
  frame.AnswerRowAction(pagekit::OpenListRow(frame.Fields(), list->GetName().GetData(), list->GetItemIndex(row)),
                        pagekit::EventKind::kClick, &sender, L"修改");
}

void ReserveRow(MainFrame& frame, SkinUI::CControlUI& sender, const wchar_t*, const wchar_t*) {
  SkinUI::CControlUI* row = nullptr;
  SkinUI::CListUI* list = nullptr;
  if (!RowOfButton(sender, &row, &list)) return;
  const SkinUI::CUIString caption = sender.GetText();
  frame.AnswerRowAction(pagekit::OnListRowAction(frame.Fields(), list->GetName().GetData(), list->GetItemIndex(row)),
                        pagekit::EventKind::kClick, &sender, caption.IsEmpty() ? L"提示" : caption.GetData());
}

void DropButton(MainFrame& frame, SkinUI::CControlUI& sender, const wchar_t*, const wchar_t*) {
  OpenDropPopup(frame, sender);
}

void CloseButton(MainFrame& frame, SkinUI::CControlUI&, const wchar_t*, const wchar_t*) { frame.OnCloseButton(); }

void Minimise(MainFrame& frame, SkinUI::CControlUI&, const wchar_t*, const wchar_t*) {
  frame.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
}
void Maximise(MainFrame& frame, SkinUI::CControlUI&, const wchar_t*, const wchar_t*) {
  frame.SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0);
}
void Restore(MainFrame& frame, SkinUI::CControlUI&, const wchar_t*, const wchar_t*) {
  frame.SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
}

void Nothing(MainFrame&, SkinUI::CControlUI&, const wchar_t*, const wchar_t*) {}

void HelpMenu(MainFrame& frame, SkinUI::CControlUI&, const wchar_t*, const wchar_t*) { frame.ShowHelpMenu(); }

// Printing, exporting and importing: the rows of the lists carry the list's name.
void PrintNamedList(MainFrame& frame, SkinUI::CControlUI&, const wchar_t* list, const wchar_t*) {
  output::PrintList(frame, list, {}, L"");
}
void PrintPayments(MainFrame& frame, SkinUI::CControlUI&, const wchar_t* list, const wchar_t*) {
  output::PrintList(frame, list, output::PaymentListColumns(), L"");
}
void PrintOrders(MainFrame& frame, SkinUI::CControlUI&, const wchar_t*, const wchar_t*) {
  output::PrintOrderList(frame);
}
void PrintStock(MainFrame& frame, SkinUI::CControlUI&, const wchar_t*, const wchar_t*) {
  output::PrintStockReport(frame);
}
void PrintShownBill(MainFrame& frame, SkinUI::CControlUI&, const wchar_t*, const wchar_t*) { output::PrintBill(frame); }

void ExportNamedList(MainFrame& frame, SkinUI::CControlUI&, const wchar_t* list, const wchar_t*) {
  const output::ProgramOutput out(frame.OwnerWindow());
  if (out.Ready()) output::ExportList(frame, list, out.Export());
}

// The exports and imports of a whole page, by the operation they run.
template <output::ExportResult (*Export)(pagekit::PageHost&, const output::ExportTools&)>
void ExportPage(MainFrame& frame, SkinUI::CControlUI&, const wchar_t*, const wchar_t*) {
  const output::ProgramOutput out(frame.OwnerWindow());
  if (out.Ready()) Export(frame, out.Export());
}
template <output::ImportCount (*Import)(pagekit::PageHost&, const output::ImportTools&)>
void ImportPage(MainFrame& frame, SkinUI::CControlUI&, const wchar_t*, const wchar_t*) {
  const output::ProgramOutput out(frame.OwnerWindow());
  if (out.Ready()) Import(frame, out.Import());
}

constexpr ClickHandler kPrintList = &PrintNamedList;
constexpr ClickHandler kExportList = &ExportNamedList;

const ClickRoute kFirstChain[] = {
    {L"bottomBroadcast", &Broadcast},
    {L"CastWave1", &Broadcast},
    {L"CastWave2", &Broadcast},
    {L"CastWave3", &Broadcast},
    // Drop buttons of the entry forms and report filters.
    {L"lrtjbg_edit_date_drop", &DropButton},
    {L"lrtjbg_edit_type_detail_drop", &DropButton},
    {L"lrtjbg_edit_type_drop", &DropButton},
    {L"zjtjbg_edit_date_drop", &DropButton},
    {L"zjtjbg_edit_project_drop", &DropButton},
    {L"zjtjbg_edit_type_drop", &DropButton},
    {L"kcyjbg_edit_status_drop", &DropButton},
    {L"kctjbg_edit_date_drop", &DropButton},
    {L"kctjbg_edit_product_drop", &DropButton},
    {L"kctjbg_edit_type_drop", &DropButton},
    {L"ysdzd_edit_date_drop", &DropButton},
    {L"yfdzd_edit_date_drop", &DropButton},
    {L"jhtjbg_edit_date_drop", &DropButton},
    {L"ysdzd_edit_custom_drop", &DropButton},
    {L"yfdzd_edit_custom_drop", &DropButton},
    {L"jhtjbg_edit_custom_drop", &DropButton},
    {L"xstjbg_edit_date_drop", &DropButton},
    {L"xstjbg_edit_custom_drop", &DropButton},
    {L"ysqkmx_edit_custom_drop", &DropButton},
    {L"ysqkmx_edit_date_drop", &DropButton},
    {L"ysqkbg_edit_date_drop", &DropButton},
    {L"ysqkbg_edit_custom_drop", &DropButton},
    {L"zjls_edit_custom_drop", &DropButton},
    {L"zjls_edit_project_drop", &DropButton},
    {L"zjls_edit_quick_date_drop", &DropButton},
    {L"szxm_edit_xmlx_drop", &DropButton},
    {L"xsd_edit_find_date_drop", &DropButton},
    {L"xsd_custom_drop", &DropButton},
    {L"dkhpfj_edit_product_drop", &DropButton},
    {L"dkhpfj_edit_custom_drop", &DropButton},
    {L"dkhpfj_new_product_drop", &DropButton},
    {L"dkhpfj_new_custom_drop", &DropButton},
    {L"khyqk_kehu_drop", &DropButton},
    // Customers and suppliers, trade prices, income and expense items.
    {L"khyqk_btn_find"},
    {L"khyqk_hide_zero"},
    {L"khyqk_new_custom"},
    {L"khyqk_new_save"},
    {L"khyqk_new_cancel"},
    {L"dkhpfj_btn_find"},
    {L"dkhpfj_new_save"},
    {L"dkhpfj_new_cancel"},
    {L"dkhpfj_add"},
    {L"szxm_new_cancel"},
    {L"szxm_new_save"},
    {L"szxm_btn_new"},
    {L"zjls_btn_szxm"},
    // Bills, searching them, the cash book.
    {L"xsd_view_his_list"},
    {L"xsd_cancel"},
    {L"xsd_save"},
    {L"xsd_btn_find"},
    {L"zjls_btn_find"},
    {L"zjls_save"},
    {L"zjls_cancel"},
    {L"zjls_income"},
    {L"zjls_outcome"},
    // Report pages: their queries, and the buttons of other pages that open a report.
    {L"xsd_btn_report_xstj", &SideReport, L"销售汇总表(商品)", L"进货汇总表(商品)"},
    {L"lrtjbg_find"},
    {L"zjtjbg_return"},
    {L"zjtjbg_find"},
    {L"kcyjbg_find"},
    {L"kctjbg_return"},
    {L"kctjbg_find"},
    {L"ysdzd_btn_find"},
    {L"yfdzd_btn_find"},
    {L"jhtjbg_btn_find"},
    {L"jhtjbg_return"},
    {L"xstjbg_return"},
    {L"xstjbg_btn_find"},
    {L"ysqkmx_btn_find"},
    {L"ysqkbg_btn_find"},
    {L"ysqkbg_return"},
    {L"khyqk_btn_report_ysqkbg", &SideReport, L"应收款查询", L"应付款查询"},
    {L"khyqk_btn_report_ysdzd", &SideReport, L"客户对账单", L"供应商对账单"},
    // Printing.
    {L"kctjbg_btn_print", &PrintStock},
    {L"kcyjbg_btn_print", kPrintList, L"listkcyjbg"},
    {L"xsd_btn_print_list", kPrintList, L"listxsd"},
    {L"xsd_btn_print", &PrintShownBill},
    {L"khyqk_btn_print", kPrintList, L"listkhyqk"},
    // Quick search.
    {L"btn_search"},
    // Tiles and shortcuts, then the fixed buttons, then the tabs.
    {L"bar_btn_", &OpenNamedPage, nullptr, nullptr, Match::kPrefix},
    {L"bar_add_", &AddShortcut, nullptr, nullptr, Match::kPrefix},
    {L"listItemBtn", &OpenEntryPage},
    {L"item_del", &DeleteRow},
    {L"item_mod", &ModifyRow},
    {L"item_reserve", &ReserveRow},
    {L"tabSwitchPre", &PrevTab},
    {L"tabSwitchNext", &NextTab},
    {L"listSideBarScroll", &ScrollSideBar},
    {L"hpkc", &OpenPage, L"商品"},
    {L"dpgl", &OpenPage, L"首页"},
    {L"jczl", &OpenPage, L"基础资料"},
    {L"wdgl", &OpenPage, L"网店管理"},
    {L"xtsz", &OpenPage, L"备份恢复"},
    {L"tab_close_", &CloseNamedTab, nullptr, nullptr, Match::kPrefix},
    {L"tab_", &OpenNamedPage, nullptr, nullptr, Match::kPrefix},
    {L"sel_all_", &SelectAll, nullptr, nullptr, Match::kPrefix},
    {L"btnSideBar", &Toggle, L"layoutSideBar"},
    {L"closebtn", &CloseButton},
    {L"minbtn", &Minimise},
    {L"maxbtn", &Maximise},
    {L"restorebtn", &Restore},
    {L"btnCloudLogin", &Nothing},
    {L"helpbtn", &HelpMenu},
};

const ClickRoute kSecondChain[] = {
    // Tile pages.
    {L"baobiao_more", &OpenPage, L"报表中心"},
    {L"jxc", &OpenPage, L"进销存"},
    {L"zjtop", &OpenPage, L"资金 "},
    // Drop buttons.
    {L"fkd_edit_gys_drop", &DropButton},
    {L"fkd_new_ywy_drop", &DropButton},
    {L"xsd_ywy_drop", &DropButton},
    {L"xsydd_edit_find_date_drop", &DropButton},
    {L"xsydd_custom_drop", &DropButton},
    {L"gyshtj_new_product_drop", &DropButton},
    {L"gyshtj_new_custom_drop", &DropButton},
    {L"gyshtj_edit_custom_drop", &DropButton},
    {L"gyshtj_edit_product_drop", &DropButton},
    {L"xsd_type_drop", &DropButton},
    // Master data pages.
    {L"khyqk_btn_other"},
    {L"dkhpfj_btn_other"},
    {L"gyshtj_add"},
    {L"gyshtj_btn_find"},
    {L"gyshtj_new_cancel"},
    {L"gyshtj_new_save"},
    // Orders and payments.
    {L"xsydd_view_his_list"},
    {L"xsydd_cancel"},
    {L"xsydd_save"},
    {L"xsydd_out"},
    {L"xsydd_btn_find"},
    {L"fkd_btn_find"},
    {L"fkd_new_cancel"},
    {L"fkd_new_save"},
    // Reports.
    {L"zjls_report_zjtj", &Report, L"资金统计表"},
    // Printing.
    {L"fkd_print", &PrintPayments, L"listfkd"},
    {L"xsydd_btn_print_list", kPrintList, L"listxsydd"},
    {L"xsydd_btn_print", &PrintOrders},
    {L"ysqkbg_btn_print", kPrintList, L"listysqkbg"},
    {L"ysdzd_btn_print", kPrintList, L"listysdzd"},
    {L"yfdzd_btn_print", kPrintList, L"listyfdzd"},
    {L"dkhpfj_btn_print", kPrintList, L"listdkhpfj"},
    {L"gyshtj_btn_print", kPrintList, L"listgyshtj"},
    {L"zjls_btn_print", kPrintList, L"listzjls"},
    {L"zjtjbg_btn_print", kPrintList, L"listzjtjbg"},
    {L"xstjbg_btn_print", kPrintList, L"listxstjbg"},
    {L"ysqkmx_btn_print", kPrintList, L"listysqkmx"},
    {L"jhtjbg_btn_print", kPrintList, L"listjhtjbg"},
    {L"lrtjbg_btn_print", kPrintList, L"listlrtjbg"},
    // Spreadsheet export: the report lists by name, the other pages their tables.
    {L"lrtjbg_export", kExportList, L"listlrtjbg"},
    {L"kcyjbg_export", kExportList, L"listkcyjbg"},
    {L"kctjbg_export", &ExportPage<&output::ExportStockReport>},
    {L"yfdzd_export", kExportList, L"listyfdzd"},
    {L"ysdzd_export", kExportList, L"listysdzd"},
    {L"yfqkmx_export", kExportList, L"listysqkmx"},
    {L"ysqkmx_export", kExportList, L"listysqkmx"},
    {L"yfqkbg_export", kExportList, L"listysqkbg"},
    {L"ysqkbg_export", kExportList, L"listysqkbg"},
    {L"zjtjbg_export", kExportList, L"listzjtjbg"},
    {L"zjls_export", kExportList, L"listzjls"},
    {L"jhtjbg_export", kExportList, L"listjhtjbg"},
    {L"xstjbg_export", kExportList, L"listxstjbg"},
    {L"xsd_export", &ExportPage<&output::ExportBillDetails>},
    {L"dkhpfj_export", &ExportPage<&output::ExportTradePrices>},
    {L"gyshtj_export", &ExportPage<&output::ExportContractPrices>},
    {L"khyqk_export", &ExportPage<&output::ExportCustomers>},
    // Spreadsheet import.
    {L"dkhpfj_import", &ImportPage<&output::ImportTradePrices>},
    {L"gyshtj_import", &ImportPage<&output::ImportContractPrices>},
    {L"khyqk_import", &ImportPage<&output::ImportCustomers>},
    // Panels that fold open.
    {L"gyshtj_btn_other", &Toggle, L"gyshtj_layout_other"},
    {L"fkd_new", &Toggle, L"layout_fkd_new"},
};

bool Matches(const ClickRoute& route, const wchar_t* name) {
  if (route.match == Match::kExact) return _wcsicmp(name, route.name) == 0;
  return _wcsnicmp(name, route.name, std::wcslen(route.name)) == 0;
}

template <size_t N>
const ClickRoute* Find(const ClickRoute (&chain)[N], const wchar_t* name) {
  for (const ClickRoute& route : chain) {
    if (Matches(route, name)) return &route;
  }
  return nullptr;
}

}  // namespace

void TellNotBuiltYet(HWND owner, const wchar_t* caption) {
  SkinUI::UIMessageBox(owner, L"功能开发中,敬请期待", caption, MB_OK);
}

ClickRouteMatch MatchClickRoute(const wchar_t* name) {
  if (const ClickRoute* route = Find(kFirstChain, name)) return {1, route->name, route->arg};
  if (const ClickRoute* route = Find(kSecondChain, name)) return {2, route->name, route->arg};
  return {0, nullptr, nullptr};
}

namespace {

void RunClickRoute(MainFrame& frame, const ClickRoute* route, SkinUI::CControlUI& sender) {
  const bool frameRow = route != nullptr && route->handler != nullptr;
  if (frameRow && route->match == Match::kExact) {
    route->handler(frame, sender, route->arg, route->arg2);
  } else if (frame.OfferToPages(pagekit::EventKind::kClick, &sender)) {
    return;
  } else if (frameRow) {
    route->handler(frame, sender, route->arg, route->arg2);
  } else if (route != nullptr) {
    // The button's own text names it best, then its tip.
    SkinUI::CUIString caption = sender.GetText();
    if (caption.IsEmpty()) caption = sender.GetToolTip();
    TellNotBuiltYet(frame.GetHWND(), caption.IsEmpty() ? L"提示" : caption.GetData());
  }
}

}  // namespace

void MainFrame::OnClick(SkinUI::TNotifyUI& msg) {
  if (msg.sender == nullptr) return;
  const ClickRoute* route = Find(kFirstChain, msg.sender->GetName().GetData());
  if (route == nullptr) {
    OnClickMore(msg);
  } else {
    RunClickRoute(*this, route, *msg.sender);
  }
}

void MainFrame::OnClickMore(SkinUI::TNotifyUI& msg) {
  RunClickRoute(*this, Find(kSecondChain, msg.sender->GetName().GetData()), *msg.sender);
}

}  // namespace shell
