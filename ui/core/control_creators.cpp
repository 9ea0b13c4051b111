// The builder's creator list: the core elements, the registered element tables
// of the control libraries, then the loaded plug-ins, in that order.
#include "control_creators.h"

#include <cwchar>
#include <vector>

#include "container_ui.h"
#include "scroll_bar.h"

namespace SkinUI {

namespace {

template <class T>
CControlUI* Make()
{
    return new T();
}

struct CoreElement
{
    const wchar_t* name;
    CControlUI* (*create)();
};

const CoreElement kCoreElements[] = {
    {L"Control", &Make<CControlUI>},
    {L"Container", &Make<CContainerUI>},
    {L"ScrollBar", &Make<CScrollBarUI>},
};

CControlUI* CreateCoreControl(const wchar_t* pstrElement)
{
    for (const CoreElement& entry : kCoreElements) {
        if (wcscmp(entry.name, pstrElement) == 0) return entry.create();
    }
    return NULL;
}

// Built on first use: a control library registers from its static registrar,
// which may run before this file's own statics are constructed.
std::vector<LPCREATECONTROL>& RegisteredCreators()
{
    static std::vector<LPCREATECONTROL> creators;
    return creators;
}

} // namespace

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
    CControlUI* pControl = CreateCoreControl(pstrElement);
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

} // namespace SkinUI
