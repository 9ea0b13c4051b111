// Reading back what a page of the main window shows: the entries of a bar list,
// the tiles of a tile grid, the open tabs with the selected one marked, and the
// panels of "mid_layout" that are visible.
#pragma once

#include <string>
#include <vector>

#include "controls/bar_list.h"
#include "controls/option.h"
#include "core/container_ui.h"
#include "main_frame.h"

namespace shelltest {

// The names of a bar list's entries, top to bottom.
inline std::vector<std::wstring> EntryNames(SkinUI::CBarListUI* list) {
  std::vector<std::wstring> names;
  if (list == nullptr) return names;
  for (int i = 0; i < list->GetCount(); ++i) {
    SkinUI::BarListNode* node = list->GetNodeOf(list->GetItemAt(i));
    if (node != nullptr) names.push_back(node->text.GetData());
  }
  return names;
}

// The tiles of a grid by their "bar_name", in order.
inline std::vector<std::wstring> TileNames(SkinUI::CControlUI* grid) {
  std::vector<std::wstring> names;
  auto* tiles = grid != nullptr ? static_cast<SkinUI::CContainerUI*>(grid->GetInterface(L"Container")) : nullptr;
  if (tiles == nullptr) return names;
  for (int i = 0; i < tiles->GetCount(); ++i) {
    auto* tile = static_cast<SkinUI::CContainerUI*>(tiles->GetItemAt(i)->GetInterface(L"Container"));
    if (tile != nullptr) names.push_back(tile->GetSubControlText(L"bar_name").GetData());
  }
  return names;
}

// "首页,[基础资料]": the open tabs in the map's order, the selected one in brackets.
inline std::wstring TabStrip(shell::MainFrame& frame) {
  std::wstring strip;
  for (const SkinUI::CUIString& page : frame.GetOpenTabs()) {
    SkinUI::COptionUI* tab = shell::FindOption(*frame.GetPaintManager(), (SkinUI::CUIString(L"tab_") + page).GetData());
    if (!strip.empty()) strip += L",";
    strip += tab != nullptr && tab->IsSelected() ? L"[" + std::wstring(page.GetData()) + L"]" : page.GetData();
  }
  return strip;
}

// The visible children of a container, joined by "+".
inline std::wstring VisibleChildren(SkinUI::CPaintManagerUI& pm, const wchar_t* container) {
  std::wstring shown;
  auto* parent = shell::FindContainer(pm, container);
  for (int i = 0; parent != nullptr && i < parent->GetCount(); ++i) {
    if (!parent->GetItemAt(i)->IsVisible()) continue;
    if (!shown.empty()) shown += L"+";
    shown += parent->GetItemAt(i)->GetName().GetData();
  }
  return shown;
}

// The visible panels of "mid_layout" (one when all is well).
inline std::wstring VisiblePanels(shell::MainFrame& frame) {
  return VisibleChildren(*frame.GetPaintManager(), L"mid_layout");
}

}  // namespace shelltest
