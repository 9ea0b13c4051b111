// MainFrame's side bar: the user's shortcuts in "listSideBar", loaded from the
// data object at start-up (the clerk sees four kinds only), added from the "+"
// of any tile or report entry, deleted one or all, and scrolled by its button.
#include "main_frame.h"

#include "core/container_ui.h"
#include "library_binding.h"
#include "text_conversion.h"

namespace shell {

void MainFrame::LoadSideBar() {
  if (g_dataObject == nullptr) return;
  std::vector<SideBarItem> items;
  g_dataObject->GetSideBarItems(&items, nullptr);
  for (const SideBarItem& item : items) {
    const SkinUI::CUIString name = WideFromAnsi(item.name).c_str();
    if (!m_session.owner && !ClerkMaySeeShortcut(name)) continue;
    // Already stored: writing it back would only move it to the end of the stored
    // order, behind the shortcuts a clerk does not see.
    AddSideBarItem(name, WideFromAnsi(item.image).c_str(), WideFromAnsi(item.tip).c_str(), false);
  }
}

void MainFrame::AddSideBarItem(const SkinUI::CUIString& name, const SkinUI::CUIString& image,
                               const SkinUI::CUIString& tip, bool store) {
  if (SkinUI::CBarListUI* list = FindBarList(m_PaintManager, L"listSideBar")) {
    // A shortcut that is there already is replaced, never doubled.
    if (SkinUI::BarListNode* old = list->FindBarListNode(name.GetData())) list->RemoveDataListNode(old);
    SkinUI::BarListItemInfo info;
    info.text = name;
    info.key = name;
    info.image = image;
    SkinUI::BarListNode* node = list->AddBarListNode(info, nullptr, L"sidebar_item.xml");
    auto* row = node != nullptr && node->row != nullptr
                    ? static_cast<SkinUI::CContainerUI*>(node->row->GetInterface(L"Container"))
                    : nullptr;
    if (row != nullptr) {
      row->SetText(name.GetData());
      if (SkinUI::CControlUI* button = row->FindSubControl(L"listItemBtn")) {
        SkinUI::CUIString background;
        background.Format(L"file='%s' dest='6,6,38,38'", image.GetData());
        button->SetBkImage(background.GetData());
        button->SetAttribute(L"normalimage", L"");
        button->SetToolTip(tip.GetData());
      }
    }
  }
  if (store && g_dataObject != nullptr) {
    g_dataObject->AddSideBarItem(AnsiFromWide(name.GetData()).c_str(), AnsiFromWide(image.GetData()).c_str(),
                                 AnsiFromWide(tip.GetData()).c_str());
  }
}

void MainFrame::DeleteSideBarItems(bool all) {
  SkinUI::CBarListUI* list = FindBarList(m_PaintManager, L"listSideBar");
  if (all && !m_session.owner) {
    // The clerk's side bar shows only some of the stored shortcuts: "all" are the
    // ones shown; the owner's others stay stored.
    if (list == nullptr) return;
    std::vector<std::string> shown;
    for (int i = 0; i < list->GetCount(); ++i) {
      if (SkinUI::BarListNode* node = list->GetNodeOf(list->GetItemAt(i)))
        shown.push_back(AnsiFromWide(node->text.GetData()));
    }
    list->RemoveAll();
    for (const std::string& name : shown) {
      if (g_dataObject != nullptr) g_dataObject->DeleteSideBarItem(name.c_str());
    }
    return;
  }
  if (all) {
    if (list != nullptr) list->RemoveAll();
    if (g_dataObject != nullptr) g_dataObject->DeleteSideBarItem(nullptr);
    return;
  }
  if (list == nullptr) return;
  SkinUI::BarListNode* node = list->GetNodeOf(list->GetItemAt(list->GetCurSel()));
  if (node == nullptr) return;
  const std::string name = AnsiFromWide(node->text.GetData());
  list->RemoveDataListNode(node);
  if (g_dataObject != nullptr) g_dataObject->DeleteSideBarItem(name.c_str());
}

void MainFrame::AddModuleShortcut(const SkinUI::CUIString& name) {
  // A shortcut in the clerk's side bar opens its page for the clerk: the clerk
  // adds none to a page of the owner's.
  if (!m_session.owner && OwnerOnlyPage(name)) return;
  if (const wchar_t* image = BuiltInShortcutImage(name)) {
    AddSideBarItem(name, image, name, true);
    return;
  }
  for (int list = 0; list < kModuleListCount; ++list) {
    for (const GridBarItem& item : ModuleRows(static_cast<ModuleList>(list))) {
      if (item.name == name) {
        AddSideBarItem(name, item.image, item.image2, true);
        return;
      }
    }
  }
  // A tile of no module (a plug-in's, "短信") has no shortcut picture: nothing is added.
}

void MainFrame::ScrollSideBar() {
  SkinUI::CBarListUI* list = FindBarList(m_PaintManager, L"listSideBar");
  if (list == nullptr) return;
  const SIZE pos = list->GetScrollPos();
  const SIZE range = list->GetScrollRange();
  // At the end the next step goes back to the top; before it, 10 pixels down.
  list->SetScrollPos(SIZE{pos.cx, pos.cy >= range.cy ? 0 : pos.cy + 10});
}

}  // namespace shell
