// The builder's creator list: the core elements, the registered element tables
// of the control libraries, then the loaded plug-ins, in that order.
#include "control_creators.h"

#include <cwchar>
#include <vector>

#include "container_ui.h"
#include "scroll_bar.h"

namespace SkinUI {

namespace {

const ControlElement kCoreElements[] = {
    {L"Control", &NewControl<CControlUI>},
    {L"Container", &NewControl<CContainerUI>},
    {L"ScrollBar", &NewControl<CScrollBarUI>},
};

// Built on first use: a control library registers from its static registrar,
// which may run before this file's own statics are constructed.
std::vector<LPCREATECONTROL>& RegisteredCreators()
{
    static std::vector<LPCREATECONTROL> creators;
    return creators;
}

}  // namespace

CControlUI* CreateFromElementTable(const ControlElement* table, size_t count, const wchar_t* pstrElement)
{
    if (pstrElement == NULL) return NULL;
    for (size_t i = 0; i < count; i++) {
        if (wcscmp(table[i].name, pstrElement) == 0) return table[i].create();
    }
    return NULL;
}

void RegisterControlCreator(LPCREATECONTROL create)
{
    if (create == NULL) return;
    std::vector<LPCREATECONTROL>& creators = RegisteredCreators();
    for (LPCREATECONTROL known : creators) {
        if (known == create) return;
    }
    creators.push_back(create);
}

CControlUI* CreateRegisteredControl(const wchar_t* pstrElement)
{
    if (pstrElement == NULL) return NULL;
    CControlUI* pControl = CreateFromElementTable(kCoreElements, pstrElement);
    if (pControl != NULL) return pControl;
    for (LPCREATECONTROL create : RegisteredCreators()) {
        pControl = create(pstrElement);
        if (pControl != NULL) return pControl;
    }
    CStdPtrArray* plugins = CPaintManagerUI::GetPlugins();
    for (int i = 0; i < plugins->GetSize(); i++) {
        LPCREATECONTROL create = reinterpret_cast<LPCREATECONTROL>(plugins->GetAt(i));
        if (create == NULL) continue;
        pControl = create(pstrElement);
        if (pControl != NULL) return pControl;
    }
    return NULL;
}

}  // namespace SkinUI
