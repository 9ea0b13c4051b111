// MainFrame's handling of list and option notifications: option boxes that
// change a page ("selectchanged"), the return-goods sign of bill and order
// quantities, row activation and clicks (folder rows, context menus, side lists
// that switch a sub-page), and the edit cells of list rows with their focus look.
#include "main_frame.h"

#include <cstdio>
#include <cwchar>
#include <cstdlib>

#include "controls/bar_list.h"
#include "controls/list.h"
#include "controls/list_container_element.h"
#include "controls/menu_window.h"
#include "controls/node_list.h"
#include "controls/option.h"
#include "grid_bar_items.h"
#include "money_text.h"
#include "popup_menu.h"
#include "controls/rich_edit.h"

namespace shell {
namespace {

bool IsClass(SkinUI::CControlUI* control, const wchar_t* className) {
  return control != nullptr && std::wcscmp(control->GetClass(), className) == 0;
}

// A row's list: the row sits in the list's body, the body in the list.
SkinUI::CControlUI* OwnerListOf(SkinUI::CControlUI* row) {
  SkinUI::CControlUI* body = row != nullptr ? row->GetParent() : nullptr;
  return body != nullptr ? body->GetParent() : nullptr;
}

// The bar list and the data list keep their rows' nodes; they do not answer as
// plain lists, so they are known by their classes.
bool IsNodeList(SkinUI::CControlUI* list) { return IsClass(list, L"BarListUI") || IsClass(list, L"FriendsUI"); }

// An edit cell of a list row: named "item_..." (exactly so) inside a row.
SkinUI::CControlUI* RowOfCell(SkinUI::CControlUI* cell) {
  if (cell == nullptr || std::wcsncmp(cell->GetName().GetData(), L"item_", 5) != 0) return nullptr;
  SkinUI::CControlUI* parent = cell->GetParent();
  SkinUI::CControlUI* row = parent != nullptr ? parent->GetParent() : nullptr;
  return IsClass(row, L"ListContainerElementUI") ? row : nullptr;
}

}  // namespace

void MainFrame::OnSelectChanged(SkinUI::TNotifyUI& msg) {
  if (msg.sender == nullptr) return;
  const SkinUI::CUIString name = msg.sender->GetName();
  // Tabs answer their click; their selection changes nothing more.
  if (_wcsnicmp(name.GetData(), L"tab_", 4) == 0) return;
  if (name == L"xsd_chk_th") {
    NegateBillQuantities();
  } else if (name == L"xsydd_chk_th") {
    NegateOrderQuantities();
  } else {
    // The profit page's chart and table views among them.
    OfferToPages(pagekit::EventKind::kSelectChanged, msg.sender);
  }
}

// Ticking the return-goods box makes the positive quantities negative; clearing
// it makes the negative ones positive again. Zero and text that is no number
// stay as they are.
void MainFrame::NegateQuantities(const wchar_t* listName, const wchar_t* boxName,
                                 std::initializer_list<const wchar_t*> cells) {
  SkinUI::CControlUI* control = m_PaintManager.FindControl(listName);
  auto* list = control != nullptr ? static_cast<SkinUI::CListUI*>(control->GetInterface(L"List")) : nullptr;
  SkinUI::COptionUI* box = FindOption(m_PaintManager, boxName);
  if (list == nullptr) return;
  const bool returning = box == nullptr || box->IsSelected();
  for (int i = 0; i < list->GetCount(); ++i) {
    SkinUI::CControlUI* row = list->GetItemAt(i);
    for (const wchar_t* cellName : cells) {
      SkinUI::CControlUI* cell = row != nullptr ? m_PaintManager.FindSubControlByName(row, cellName) : nullptr;
      if (cell == nullptr) continue;
      const double quantity = std::wcstod(cell->GetText().GetData(), nullptr);
      if (returning ? quantity <= 0 : quantity >= 0) continue;
      cell->SetText(pagekit::FormatMoneyAmount(-quantity));
      OnEditTextChanged(cell);
    }
  }
}

void MainFrame::NegateBillQuantities() { NegateQuantities(L"listxsd", L"xsd_chk_th", {L"item_数量", L"item_数量2"}); }

void MainFrame::NegateOrderQuantities() { NegateQuantities(L"listxsydd", L"xsydd_chk_th", {L"item_数量"}); }

void MainFrame::OnItemActivate(SkinUI::TNotifyUI& msg) {
  if (!IsClass(msg.sender, L"ListContainerElementUI")) return;
  SkinUI::CControlUI* list = OwnerListOf(msg.sender);
  if (IsClass(list, L"ListUI") || IsClass(list, L"BarListUI")) OnListItemActivate(msg.sender, list);
}

void MainFrame::OnItemClick(SkinUI::TNotifyUI& msg) {
  if (!IsClass(msg.sender, L"ListContainerElementUI")) return;
  SkinUI::CControlUI* list = OwnerListOf(msg.sender);
  const SkinUI::CUIString listName = list != nullptr ? list->GetName() : SkinUI::CUIString();
  switch (msg.wParam) {
    case SkinUI::UIEV_BUTTON_DOWN: {
      auto* nodes = IsNodeList(list) ? static_cast<SkinUI::CNodeListUI*>(list) : nullptr;
      SkinUI::BarListNode* node = nodes != nullptr ? nodes->GetNodeOf(msg.sender) : nullptr;
      if (m_PaintManager.FindControl(L"item_text") != nullptr && node != nullptr && !node->children.empty())
        nodes->ExpandBarListNode(node, !node->expanded);
      OnBarListItemClick(msg.sender, listName);
      break;
    }
    case SkinUI::UIEV_RBUTTON_UP:
      if (!ShowListContextMenu(listName))
        OfferToPages(pagekit::EventKind::kContextMenu, msg.sender, listName, msg.wParam, msg.lParam);
      break;
    case SkinUI::UIEV_BUTTON_UP:
      OfferToPages(pagekit::EventKind::kItemClick, msg.sender, listName, msg.wParam, msg.lParam);
      break;
    default:
      break;
  }
}

bool MainFrame::ShowListContextMenu(const SkinUI::CUIString& listName) {
  const wchar_t* layout = listName == L"listSideBar"      ? L"menu_sidebar.xml"
                          : listName == L"hpkc_list_type" ? L"menu_product_type.xml"
                                                          : nullptr;
  if (layout == nullptr) return false;
  POINT cursor;
  ::GetCursorPos(&cursor);
  OpenPopupMenu(m_hWnd, layout, cursor, SkinUI::MENU_ALIGN_DEFAULT);
  return true;
}

void MainFrame::OnBarListItemClick(SkinUI::CControlUI* row, const SkinUI::CUIString& listName) {
  if (listName == L"listwdgl") {
    SelectShopEntry(row);
  } else {
    // The side lists of the pages (settings, income and expense items).
    OfferToPages(pagekit::EventKind::kBarListClick, row, listName);
  }
}

// The shop page's side list: the clicked entry takes the highlighted picture from
// the entry selected before, and the sub-page of its name is the one shown.
void HighlightSideListEntry(SkinUI::CPaintManagerUI& pm, SkinUI::CBarListUI* list, SkinUI::CControlUI* row,
                            const std::vector<GridBarItem>& entries) {
  if (list == nullptr || row == nullptr) return;
  auto picture = [&](SkinUI::CControlUI* entryRow, bool highlighted) {
    SkinUI::BarListNode* entry = list->GetNodeOf(entryRow);
    SkinUI::CControlUI* label = pm.FindSubControlByName(entryRow, L"easy_item_label");
    if (entry == nullptr || label == nullptr) return;
    for (const GridBarItem& item : entries) {
      if (item.name == entry->key) label->SetBkImage((highlighted ? item.image2 : item.image).GetData());
    }
  };
  SkinUI::CControlUI* previous = list->GetCurSel() >= 0 ? list->GetItemAt(list->GetCurSel()) : nullptr;
  if (previous != nullptr && previous != row) picture(previous, false);
  picture(row, true);
}

void MainFrame::SelectShopEntry(SkinUI::CControlUI* row) {
  SkinUI::CBarListUI* list = FindBarList(m_PaintManager, L"listwdgl");
  SkinUI::BarListNode* node = list != nullptr && row != nullptr ? list->GetNodeOf(row) : nullptr;
  if (node == nullptr) return;
  HighlightSideListEntry(m_PaintManager, list, row, ShopEntries());
  if (SkinUI::CContainerUI* area = FindContainer(m_PaintManager, L"layout_wdgl")) {
    const SkinUI::CUIString shown = SkinUI::CUIString(L"layout_wdgl_") + node->key;
    for (int i = 0; i < area->GetCount(); ++i) area->GetItemAt(i)->SetVisible(area->GetItemAt(i)->GetName() == shown);
  }
}

void MainFrame::OnCellSetFocus(SkinUI::TNotifyUI& msg) {
  SkinUI::CControlUI* row = RowOfCell(msg.sender);
  if (row == nullptr) return;
  if (auto* item = static_cast<SkinUI::IListItemUI*>(row->GetInterface(L"ListItem"))) item->Select(true);
  if (IsClass(msg.sender, L"RichEditUI")) {
    m_focusedCell = msg.sender;
    ::SetTimer(m_hWnd, kTimerSelectCell, 50, nullptr);
  }
}

void MainFrame::OnCellKillFocus(SkinUI::TNotifyUI& msg) {
  if (RowOfCell(msg.sender) == nullptr || !IsClass(msg.sender, L"RichEditUI")) return;
  msg.sender->SetBkColor(0);
  msg.sender->SetBkImage(L"");
}

}  // namespace shell
