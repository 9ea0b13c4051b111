// The element table: the name's length picks a group, then the name is compared
// exactly within it. A control class of the framework adds its line here.
#include "control_factory.h"

#include <cwchar>

#include "activex.h"
#include "flash.h"
#include "web_browser.h"
#include "container_ui.h"
#include "edit.h"
#include "child_layout.h"
#include "combo.h"
#include "combo_box.h"
#include "horizontal_layout.h"
#include "button.h"
#include "button_gif.h"
#include "date_time.h"
#include "label.h"
#include "list.h"
#include "list_container_element.h"
#include "list_header.h"
#include "list_text_element.h"
#include "option.h"
#include "progress.h"
#include "rich_edit.h"
#include "scroll_bar.h"
#include "slider.h"
#include "tab_layout.h"
#include "text.h"
#include "tree_node.h"
#include "tree_view.h"
#include "tile_layout.h"
#include "vertical_layout.h"

namespace SkinUI {

namespace {

template <class T>
CControlUI* Make()
{
    return new T();
}

struct ElementEntry
{
    const wchar_t* name;
    CControlUI* (*create)();
};

const ElementEntry kElements[] = {
    {L"Edit", &Make<CEditUI>},
    {L"Control", &Make<CControlUI>},
    {L"Container", &Make<CContainerUI>},
    {L"ScrollBar", &Make<CScrollBarUI>},
    {L"Label", &Make<CLabelUI>},
    {L"Text", &Make<CTextUI>},
    {L"TabLayout", &Make<CTabLayoutUI>},
    {L"TileLayout", &Make<CTileLayoutUI>},
    {L"ChildLayout", &Make<CChildLayoutUI>},
    {L"VerticalLayout", &Make<CVerticalLayoutUI>},
    {L"HorizontalLayout", &Make<CHorizontalLayoutUI>},
    {L"Button", &Make<CButtonUI>},
    {L"Option", &Make<COptionUI>},
    {L"CheckBox", &Make<CCheckBoxUI>},
    {L"ButtonGif", &Make<CButtonGifUI>},
    {L"Progress", &Make<CProgressUI>},
    {L"Slider", &Make<CSliderUI>},
    {L"RichEdit", &Make<CRichEditUI>},
    {L"List", &Make<CListUI>},
    {L"ListHeader", &Make<CListHeaderUI>},
    {L"ListHeaderItem", &Make<CListHeaderItemUI>},
    {L"ListLabelElement", &Make<CListLabelElementUI>},
    {L"ListTextElement", &Make<CListTextElementUI>},
    {L"ListContainerElement", &Make<CListContainerElementUI>},
    {L"DateTime", &Make<CDateTimeUI>},
    {L"Combo", &Make<CComboUI>},
    {L"ComboBox", &Make<CComboBoxUI>},
    {L"TreeView", &Make<CTreeViewUI>},
    {L"TreeNode", &Make<CTreeNodeUI>},
    {L"ActiveX", &Make<CActiveXUI>},
    {L"Flash", &Make<CFlashUI>},
    {L"WebBrowser", &Make<CWebBrowserUI>},
};

} // namespace

CControlUI* CreateFrameworkControl(const wchar_t* pstrElement)
{
    if (pstrElement == NULL) return NULL;
    size_t length = wcslen(pstrElement);
    for (const ElementEntry& entry : kElements) {
        if (wcslen(entry.name) == length && wcscmp(entry.name, pstrElement) == 0) return entry.create();
    }
    return NULL;
}

} // namespace SkinUI
