// A framework plug-in for the builder tests: its "CreateControl" export makes a
// control for the element name "PluginThing" and nothing else.
#include <cwchar>

#include "core/control_ui.h"

namespace {

class PluginThing : public SkinUI::CControlUI
{
public:
    const wchar_t* GetClass() const override { return L"PluginThingUI"; }
};

}  // namespace

extern "C" __declspec(dllexport) SkinUI::CControlUI* CreateControl(const wchar_t* pstrType)
{
    if (pstrType != NULL && wcscmp(pstrType, L"PluginThing") == 0) return new PluginThing();
    return NULL;
}
