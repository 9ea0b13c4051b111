// Test helpers of the tree lists: the item layout the rows are built from, a
// window holding a list, and the tree's rows read back in order.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/container_ui.h"
#include "controls/node_list.h"
#include "core/test_support/test_window.h"

namespace SkinUI {
namespace test {

// One row: its text, a delete button, a head picture in its container and an
// operation panel, as the skin's item layouts have them.
const wchar_t kItemLayout[] =
    L"<Window><ListContainerElement><HorizontalLayout>"
    L"<Label name=\"item_text\" width=\"120\"/>"
    L"<Button name=\"item_del\" visible=\"false\" width=\"16\"/>"
    L"<Container name=\"fli_head_container\" width=\"60\"><Control name=\"file_head_size\" width=\"40\" height=\"40\"/></Container>"
    L"<HorizontalLayout name=\"fli_operation\" visible=\"false\" width=\"30\"/>"
    L"</HorizontalLayout></ListContainerElement></Window>";

// The same row under another layout name (XML text is its own name).
const wchar_t kOtherItemLayout[] =
    L"<Window ><ListContainerElement><Label name=\"item_text\"/></ListContainerElement></Window>";

inline BarListItemInfo Item(const wchar_t* text, bool folder = false)
{
    BarListItemInfo info;
    info.text = text;
    info.folder = folder;
    return info;
}

// A window whose body holds one tree list of type L at 300 x height.
template <class L> class ListWindow
{
public:
    explicit ListWindow(int height = 400) : window(L"<Window><VerticalLayout name=\"body\"/></Window>", 300, height)
    {
        list = new L(&window.pm);
        static_cast<CContainerUI*>(window.Find<CControlUI>(L"body"))->Add(list);
    }
    void Layout() { window.Paint(); }
    TestWindow window;
    L* list;
};

// The texts of the rows in list order; hidden rows in brackets.
inline std::vector<std::wstring> RowTexts(CNodeListUI& list)
{
    std::vector<std::wstring> texts;
    for (int i = 0; i < list.GetCount(); ++i) {
        BarListNode* node = list.GetNodeOf(list.GetItemAt(i));
        std::wstring text = node != NULL ? node->text.GetData() : L"?";
        texts.push_back(list.GetItemAt(i)->IsVisible() ? text : L"[" + text + L"]");
    }
    return texts;
}

inline CControlUI* Sub(CControlUI* row, const wchar_t* name)
{
    return static_cast<CContainerUI*>(row->GetInterface(L"Container"))->FindSubControl(name);
}

inline std::wstring ItemText(BarListNode* node) { return Sub(node->row, L"item_text")->GetText().GetData(); }

} // namespace test
} // namespace SkinUI
