// The element table of the controls library (the core's own elements, Control,
// Container and ScrollBar, are the core's). A control class adds its line here;
// control_registration.cpp hands the table to the builder.
#include "control_factory.h"

#include "core/control_creators.h"

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

const ControlElement kElements[] = {
    {L"Edit", &NewControl<CEditUI>},
    {L"Label", &NewControl<CLabelUI>},
    {L"Text", &NewControl<CTextUI>},
    {L"TabLayout", &NewControl<CTabLayoutUI>},
    {L"TileLayout", &NewControl<CTileLayoutUI>},
    {L"ChildLayout", &NewControl<CChildLayoutUI>},
    {L"VerticalLayout", &NewControl<CVerticalLayoutUI>},
    {L"HorizontalLayout", &NewControl<CHorizontalLayoutUI>},
    {L"Button", &NewControl<CButtonUI>},
    {L"Option", &NewControl<COptionUI>},
    {L"CheckBox", &NewControl<CCheckBoxUI>},
    {L"ButtonGif", &NewControl<CButtonGifUI>},
    {L"Progress", &NewControl<CProgressUI>},
    {L"Slider", &NewControl<CSliderUI>},
    {L"RichEdit", &NewControl<CRichEditUI>},
    {L"List", &NewControl<CListUI>},
    {L"ListHeader", &NewControl<CListHeaderUI>},
    {L"ListHeaderItem", &NewControl<CListHeaderItemUI>},
    {L"ListLabelElement", &NewControl<CListLabelElementUI>},
    {L"ListTextElement", &NewControl<CListTextElementUI>},
    {L"ListContainerElement", &NewControl<CListContainerElementUI>},
    {L"DateTime", &NewControl<CDateTimeUI>},
    {L"Combo", &NewControl<CComboUI>},
    {L"ComboBox", &NewControl<CComboBoxUI>},
    {L"TreeView", &NewControl<CTreeViewUI>},
    {L"TreeNode", &NewControl<CTreeNodeUI>},
    {L"ActiveX", &NewControl<CActiveXUI>},
    {L"Flash", &NewControl<CFlashUI>},
    {L"WebBrowser", &NewControl<CWebBrowserUI>},
};

} // namespace

CControlUI* CreateFrameworkControl(const wchar_t* pstrElement)
{
    return CreateFromElementTable(kElements, pstrElement);
}

} // namespace SkinUI
