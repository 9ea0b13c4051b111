// MainFrame's tab strip and page panels: opening, selecting and closing the tab of
// a page, stepping to the neighbouring tab, and showing exactly one panel of
// "mid_layout". The open tabs are kept in opening order under the tab lock.
#include "main_frame.h"

#include <algorithm>
#include <memory>
#include <new>

#include "controls/button.h"
#include "core/container_ui.h"
#include "controls/horizontal_layout.h"
#include "controls/option.h"

namespace shell {
namespace {

SkinUI::CUIString Named(const wchar_t* prefix, const SkinUI::CUIString& page) {
  return SkinUI::CUIString(prefix) + page;
}

}  // namespace

bool MainFrame::AddTab(const SkinUI::CUIString& page, bool closable) {
  SkinUI::COptionUI* added = nullptr;
  {
    for (const auto& entry : m_openTabs) {
      if (entry.second != page) continue;
      SkinUI::COptionUI* tab = FindOption(m_PaintManager, Named(L"tab_", page).GetData());
      if (tab != nullptr && !tab->IsSelected()) tab->SetAttribute(L"selected", L"true");
      ScrollTabsToSelected();
      return true;
    }
    SkinUI::CContainerUI* strip = FindContainer(m_PaintManager, L"layoutContentTab");
    if (strip == nullptr) return false;

    std::unique_ptr<SkinUI::CHorizontalLayoutUI> layout(new (std::nothrow) SkinUI::CHorizontalLayoutUI);
    if (!layout) return false;
    std::unique_ptr<SkinUI::COptionUI> option(new (std::nothrow) SkinUI::COptionUI);
    if (!option) return false;
    std::unique_ptr<SkinUI::CButtonUI> close(new (std::nothrow) SkinUI::CButtonUI);
    if (!close) return false;

    layout->SetName(Named(L"tab_layout_", page).GetData());
    layout->SetFixedWidth(102);
    layout->SetFixedHeight(27);
    option->SetName(Named(L"tab_", page).GetData());
    option->SetText(page.GetData());
    option->SetToolTip(page.GetData());
    option->SetAttribute(L"group", L"maintab");
    option->SetAttribute(L"textcolor", L"#FFFFFFFF");
    option->SetAttribute(L"selectedtextcolor", L"#FF000000");
    option->SetAttribute(L"normalimage", L"Tab_normal.png");
    option->SetAttribute(L"hotimage", L"Tab_on.png");
    option->SetAttribute(L"pushedimage", L"tab_press.png");
    option->SetAttribute(L"selectedimage", L"tab_press.png");
    close->SetName(Named(L"tab_close_", page).GetData());
    close->SetAttribute(L"tooltip", L"关闭选项卡");
    close->SetAttribute(L"float", L"true");
    close->SetAttribute(L"pos", L"-13,5,-4,13");
    close->SetAttribute(L"normalimage", L"");
    close->SetAttribute(L"hotimage", L"file='tab_closeIcon_on.png'");
    close->SetAttribute(L"pushedimage", L"file='tab_closeIcon_push.png'");
    if (!closable) close->SetVisible(false);

    added = option.get();
    layout->Add(option.release());
    layout->Add(close.release());
    strip->Add(layout.release());

    const int sequence = m_openTabs.empty() ? 0 : m_openTabs.rbegin()->first + 1;
    m_openTabs.emplace(sequence, page);
  }
  // Selecting notifies the window; the map is not needed for it.
  added->Selected(true);
  added->SetToolTip(page.GetData());
  ScrollTabsToSelected();
  return true;
}

void MainFrame::CloseTab(const SkinUI::CUIString& page) {
  SkinUI::CContainerUI* strip = FindContainer(m_PaintManager, L"layoutContentTab");
  if (strip == nullptr) return;
  SkinUI::COptionUI* tab = FindOption(m_PaintManager, Named(L"tab_", page).GetData());
  const bool wasSelected = tab != nullptr && tab->IsSelected();
  if (SkinUI::CControlUI* layout = m_PaintManager.FindControl(Named(L"tab_layout_", page).GetData()))
    strip->Remove(layout);

  auto closed = m_openTabs.end();
  for (auto it = m_openTabs.begin(); it != m_openTabs.end(); ++it) {
    if (it->second == page) {
      closed = it;
      break;
    }
  }
  if (closed == m_openTabs.end()) return;
  const auto next = m_openTabs.erase(closed);
  if (!wasSelected || m_openTabs.empty()) {
    ScrollTabsToSelected();
    return;
  }
  // The tab to the right takes over; after the rightmost tab, the one now last.
  const SkinUI::CUIString successor = next != m_openTabs.end() ? next->second : m_openTabs.rbegin()->second;
  if (SkinUI::COptionUI* option = FindOption(m_PaintManager, Named(L"tab_", successor).GetData()))
    option->Selected(true);
  ScrollTabsToSelected();
  ShowPage(successor);
}

void MainFrame::SelectNeighbourTab(int step) {
  if (m_openTabs.size() < 2) return;
  std::vector<SkinUI::CUIString> pages;
  int selected = -1;
  for (const auto& entry : m_openTabs) {
    SkinUI::COptionUI* tab = FindOption(m_PaintManager, Named(L"tab_", entry.second).GetData());
    if (tab != nullptr && tab->IsSelected()) selected = static_cast<int>(pages.size());
    pages.push_back(entry.second);
  }
  const int target = selected + step;
  if (selected < 0 || target < 0 || target >= static_cast<int>(pages.size())) return;
  if (SkinUI::COptionUI* option = FindOption(m_PaintManager, Named(L"tab_", pages[target]).GetData()))
    option->Selected(true);
  ScrollTabsToSelected();
  ShowPage(pages[target]);
}

// More tabs than the strip holds would run on under its arrows, the last one cut
// and its cross out of reach. The strip shows as many whole tabs as fit, the
// tabs before that run hidden as if scrolled away; a selected tab outside the run
// moves it just far enough, and the run never leaves room unused at its end.
void MainFrame::ScrollTabsToSelected() {
  SkinUI::CContainerUI* strip = FindContainer(m_PaintManager, L"layoutContentTab");
  if (strip == nullptr) return;
  const RECT rc = strip->GetPos();
  const RECT inset = strip->GetInset();
  const int padding = strip->GetChildPadding();
  const int count = strip->GetCount();
  int first = -1, selected = -1, tabWidth = 0;
  for (int i = 0; i < count; ++i) {
    auto* tab = static_cast<SkinUI::CContainerUI*>(strip->GetItemAt(i)->GetInterface(L"Container"));
    if (tab == nullptr || tab->GetCount() == 0) continue;
    tabWidth = std::max(tabWidth, tab->GetFixedWidth());
    if (first < 0 && tab->IsVisible()) first = i;
    auto* option = static_cast<SkinUI::COptionUI*>(tab->GetItemAt(0)->GetInterface(L"Option"));
    if (option != nullptr && option->IsSelected()) selected = i;
  }
  const int room = rc.right - rc.left - inset.left - inset.right;
  // Not laid out yet: every tab stays as it is until there is a width to fit.
  if (room <= 0 || tabWidth <= 0) return;
  const int fits = std::max(1, (room + padding) / (tabWidth + padding));
  if (first < 0) first = 0;
  if (selected >= 0 && selected < first) first = selected;
  if (selected >= first + fits) first = selected - fits + 1;
  first = std::max(0, std::min(first, count - fits));
  for (int i = 0; i < count; ++i) strip->GetItemAt(i)->SetVisible(i >= first && i < first + fits);
}

void MainFrame::SelectPrevTab() { SelectNeighbourTab(-1); }

void MainFrame::SelectNextTab() { SelectNeighbourTab(1); }

std::vector<SkinUI::CUIString> MainFrame::GetOpenTabs() {
  std::vector<SkinUI::CUIString> pages;
  for (const auto& entry : m_openTabs) pages.push_back(entry.second);
  return pages;
}

void MainFrame::CollectMidPanels() {
  SkinUI::CContainerUI* panels = FindContainer(m_PaintManager, L"mid_layout");
  if (panels == nullptr) return;
  for (int i = 0; i < panels->GetCount(); ++i) m_panels.push_back(panels->GetItemAt(i));
}

void MainFrame::ShowMidPanel(const SkinUI::CUIString& panel) {
  for (SkinUI::CControlUI* control : m_panels) control->SetVisible(control->GetName() == panel);
}

void MainFrame::ShowReportBanner(bool visible) {
  if (SkinUI::CControlUI* banner = m_PaintManager.FindControl(L"baobiao0")) banner->SetVisible(visible);
  if (SkinUI::CControlUI* adv = m_PaintManager.FindControl(L"adv0")) adv->SetVisible(false);
  if (SkinUI::CControlUI* adv = m_PaintManager.FindControl(L"adv1")) adv->SetVisible(false);
}

}  // namespace shell
