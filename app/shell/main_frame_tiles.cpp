// MainFrame's tiles: the module lists, the home tiles by role, the report tiles
// of the home and tile pages, and the list-bar entries of the report centre and
// the shop page.
#include "main_frame.h"

#include <cwchar>

#include "add_button_hover.h"
#include "core/container_ui.h"
#include "grid_wnd.h"

namespace shell {
namespace {

SkinUI::CContainerUI* RowOf(SkinUI::BarListNode* node) {
  return node != nullptr && node->row != nullptr
             ? static_cast<SkinUI::CContainerUI*>(node->row->GetInterface(L"Container"))
             : nullptr;
}

// The image form of the entries' pictures: drawn inside a 6-pixel margin.
SkinUI::CUIString EntryImage(const SkinUI::CUIString& image) {
  SkinUI::CUIString text;
  text.Format(L"file='%s' dest='6,6,38,38'", image.GetData());
  return text;
}

SkinUI::BarListNode* AddEntry(SkinUI::CBarListUI* list, const GridBarItem& item, const wchar_t* layout) {
  if (list == nullptr) return nullptr;
  SkinUI::BarListItemInfo info;
  info.text = item.name;
  info.key = item.name;
  info.image = item.image;
  return list->AddBarListNode(info, nullptr, layout);
}

}  // namespace

const std::vector<GridBarItem>& MainFrame::ModuleRows(ModuleList list) {
  if (m_moduleLists[list].empty()) m_moduleLists[list] = FixedModuleRows(list);
  return m_moduleLists[list];
}

void MainFrame::BuildHomeTiles() {
  SkinUI::CControlUI* grid = m_PaintManager.FindControl(L"main_grid");
  if (grid == nullptr) return;
  for (const GridBarItem& tile : HomeTiles(m_session.owner)) AddGridBar(grid, tile.name, tile.image);
}

void MainFrame::FillReportTiles() {
  for (int k = 0; k < 20; ++k) {
    SkinUI::CUIString name;
    name.Format(L"listbaobiao%d", k);
    SkinUI::CBarListUI* list = FindBarList(m_PaintManager, name.GetData());
    if (list == nullptr) break;
    list->SetItemHeight(60);
    list->RemoveAll();
    if (!m_session.owner) {
      // The reports are the owner's: the clerk's tile pages show no report panel.
      SkinUI::CUIString panel;
      panel.Format(L"baobiao%d", k);
      if (SkinUI::CControlUI* control = m_PaintManager.FindControl(panel.GetData())) control->SetVisible(false);
      continue;
    }
    for (const GridBarItem& item : ReportTiles()) AddListBarItem(list, item);
  }
}

void MainFrame::AddListBarItem(SkinUI::CBarListUI* list, const GridBarItem& item) {
  SkinUI::CContainerUI* row = RowOf(AddEntry(list, item, L"listbar_item.xml"));
  if (row == nullptr) return;
  if (SkinUI::CControlUI* label = row->FindSubControl(L"listbar_label"))
    label->SetBkImage(EntryImage(item.image).GetData());
  row->SetSubControlText(L"listbar_label_text", item.name.GetData());
  SkinUI::CControlUI* add = row->FindSubControl(L"bar_add");
  if (add != nullptr) add->SetName((SkinUI::CUIString(L"bar_add_") + item.name).GetData());
  ShowAddButtonOnHover(row->FindSubControl(L"listItemBtn"), add);
}

void MainFrame::AddEasyListBarItem(SkinUI::CBarListUI* list, const GridBarItem& item) {
  SkinUI::CContainerUI* row = RowOf(AddEntry(list, item, L"listbar_easy_item.xml"));
  if (row == nullptr) return;
  if (SkinUI::CControlUI* label = row->FindSubControl(L"easy_item_label")) label->SetBkImage(item.image.GetData());
  row->SetSubControlText(L"easy_item_label_text", item.name.GetData());
}

SkinUI::CUIString ListItemPageName(SkinUI::CControlUI* button) {
  for (SkinUI::CControlUI* up = button != nullptr ? button->GetParent() : nullptr; up != nullptr;
       up = up->GetParent()) {
    const wchar_t* cls = up->GetClass();
    if (std::wcscmp(cls, L"BarListUI") != 0 && std::wcscmp(cls, L"DataListUI") != 0) continue;
    SkinUI::BarListNode* node = static_cast<SkinUI::CNodeListUI*>(up)->GetNodeOf(button);
    return node != nullptr ? node->key : SkinUI::CUIString();
  }
  return SkinUI::CUIString();
}

}  // namespace shell
