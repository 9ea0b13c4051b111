// Every control whose mouse is disabled leaves its mouse events to what it stands
// on: each event reaches the parent once, the control's focus, capture and state
// do not change, and events other than the mouse's stay the control's own.
#include <cwchar>
#include <string>
#include <vector>

#include "button.h"
#include "core/test_support/test_window.h"
#include "gtest/gtest.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

// A container that keeps the type of every event handed to it and does nothing else.
class RecordingParent : public CContainerUI
{
public:
    void DoEvent(TEventUI& event) override { events.push_back(event.type); }
    std::vector<int> events;
};

struct RecordingFactory : IDialogBuilderCallback
{
    CControlUI* CreateControl(const wchar_t* pstrClass) override
    {
        return wcscmp(pstrClass, L"RecordingParent") == 0 ? new RecordingParent() : NULL;
    }
};

void Send(CControlUI* control, int type)
{
    TEventUI event = {};
    event.type = type;
    event.sender = control;
    event.point.x = 10;
    event.point.y = 10;
    event.timestamp = ::GetTickCount();
    control->Event(event);
}

} // namespace

TEST(MouseDisabled, EveryControlLeavesItsMouseEventsToItsParent)
{
    // The row kinds have no owning list here: they too end at the parent.
    const wchar_t* const elements[] = {
        L"Button",
        L"Option",
        L"CheckBox",
        L"Edit",
        L"Text",
        L"Slider",
        L"RichEdit",
        L"DateTime",
        L"Combo",
        L"List",
        L"ListHeaderItem",
        L"ListLabelElement",
        L"ListTextElement",
        L"ListContainerElement",
        L"Container",
        L"VerticalLayout",
        L"HorizontalLayout",
        L"TileLayout",
        L"TabLayout",
        L"TreeView",
    };
    const int mouseEvents[] = {UIEV_MOUSE_ENTER, UIEV_MOUSE_MOVE,   UIEV_BUTTON_DOWN,
                               UIEV_BUTTON_UP,   UIEV_DOUBLE_CLICK, UIEV_RBUTTON_DOWN,
                               UIEV_RBUTTON_UP,  UIEV_SCROLL_WHEEL, UIEV_MOUSE_LEAVE};
    RecordingFactory factory;
    for (const wchar_t* element : elements) {
        SCOPED_TRACE(std::string(element, element + wcslen(element)));
        const std::wstring layout = std::wstring(L"<Window><RecordingParent name=\"parent\"><") + element +
                                    L" name=\"c\" float=\"true\" pos=\"0,0,80,30\" mouse=\"false\"/>"
                                    L"</RecordingParent></Window>";
        TestWindow w(layout.c_str(), 200, 100, &factory);
        ASSERT_TRUE(w.ok()) << "layout not built";
        RecordingParent* parent = w.Find<RecordingParent>(L"parent");
        CControlUI* control = w.Find(L"c");
        ASSERT_TRUE(parent != NULL && control != NULL);
        parent->events.clear();
        CButtonUI* button = static_cast<CButtonUI*>(control->GetInterface(L"Button"));
        const CControlUI* focusBefore = w.pm.GetFocus();
        const UINT stateBefore = button != NULL ? button->GetButtonState() : 0;

        for (int type : mouseEvents) Send(control, type);
        EXPECT_EQ(std::vector<int>(std::begin(mouseEvents), std::end(mouseEvents)), parent->events);
        EXPECT_EQ(focusBefore, w.pm.GetFocus());
        EXPECT_TRUE(::GetCapture() != w.GetHWND());
        if (button != NULL) {
            EXPECT_EQ(stateBefore, button->GetButtonState());
        }

        // Focus is not the mouse's: the control keeps it.
        parent->events.clear();
        Send(control, UIEV_SET_FOCUS);
        Send(control, UIEV_KILL_FOCUS);
        EXPECT_TRUE(parent->events.empty());
    }
}
