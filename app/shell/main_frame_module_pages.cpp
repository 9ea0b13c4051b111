// MainFrame's module pages as the router opens them: the home page, the three
// tile pages ("基础资料", "进销存", "资金 "), the report centre and the shop page. Each opens or selects its tab, shows its panel
// and rebuilds its tiles or entries from the module lists, which are filled on
// first use and kept for the run.
#include "main_frame.h"

#include "core/container_ui.h"
#include "grid_wnd.h"

namespace shell {

void MainFrame::OpenPage(const SkinUI::CUIString& name) { ShowPage(name); }

void MainFrame::OpenHomePage() {
  AddTab(L"首页", false);
  ShowMidPanel(L"mid_dpgl");
}

void MainFrame::OpenTilePage(ModuleList list) {
  const ModulePlace& place = PlaceOf(list);
  AddTab(place.page, true);
  ShowMidPanel(place.panel);
  auto* grid = FindContainer(m_PaintManager, place.container);
  if (grid == nullptr) return;
  grid->RemoveAll();
  for (const GridBarItem& tile : ModuleRows(list)) {
    // The clerk does not see the tiles of the owner's pages (purchases, payables,
    // the cash book); what the clerk may open stays.
    if (!m_session.owner && OwnerOnlyPage(tile.name)) continue;
    AddGridBar(grid, tile.name, tile.image);
  }
}

void MainFrame::OpenReportCentre() {
  const ModuleList lists[] = {kModuleReportSales, kModuleReportBuying, kModuleReportStock, kModuleReportFunds};
  AddTab(PlaceOf(lists[0]).page, true);
  ShowMidPanel(PlaceOf(lists[0]).panel);
  for (ModuleList list : lists) {
    SkinUI::CBarListUI* bar = FindBarList(m_PaintManager, PlaceOf(list).container);
    if (bar == nullptr) continue;
    bar->SetItemHeight(60);
    bar->RemoveAll();
    for (const GridBarItem& item : ModuleRows(list)) AddListBarItem(bar, item);
  }
}

void MainFrame::OpenShopPage() {
  AddTab(L"网店管理", true);
  ShowMidPanel(L"mid_wdgl");
  SkinUI::CBarListUI* list = FindBarList(m_PaintManager, L"listwdgl");
  // Built once: a later opening finds the entry the user chose still chosen.
  if (list == nullptr || list->GetCount() > 0) return;
  for (const GridBarItem& entry : ShopEntries()) AddEasyListBarItem(list, entry);
  if (list->GetCount() == 0) return;
  SelectShopEntry(list->GetItemAt(0));
  list->SelectItem(0);
}

}  // namespace shell
