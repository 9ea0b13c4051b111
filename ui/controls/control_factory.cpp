// The element table of the controls library (the core's own elements, Control,
// Container and ScrollBar, are the core's). A control class adds its line here;
// control_registration.cpp hands the table to the builder.
#include "control_factory.h"

#include <cwchar>

#include "activex.h"
#include "flash.h"
#include "web_browser.h"
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
