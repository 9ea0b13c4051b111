// Test helpers of the framework: a control that records the events it is given,
// and placing a floating child at a fixed client rectangle.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/container_ui.h"
#include "core/control_ui.h"

namespace SkinUI {
namespace test {

struct EventRecord
{
    int type;
    CControlUI* sender;
    WPARAM wParam;
    wchar_t key;
};

// A control that records every event it is given.
class ProbeControl : public CControlUI
{
public:
    explicit ProbeControl(const wchar_t* name, const wchar_t* className = L"ProbeUI", UINT flags = 0)
        : m_className(className),
          m_flags(flags)
    {
        SetName(name);
    }
    ~ProbeControl() override
    {
        if (destroyed != nullptr) *destroyed = true;
        if (onDestroy) onDestroy();
    }

    const wchar_t* GetClass() const override { return m_className.c_str(); }
    UINT GetControlFlags() const override { return m_flags; }
    bool Activate() override
    {
        ++activations;
        return CControlUI::Activate();
    }
    void DoEvent(TEventUI& event) override
    {
        events.push_back({event.type, event.sender, event.wParam, event.key});
        if (onEvent) onEvent(event);
        else CControlUI::DoEvent(event);
    }

    int Count(int type) const
    {
        int n = 0;
        for (const EventRecord& e : events) n += e.type == type;
        return n;
    }
    const EventRecord* Last(int type) const
    {
        for (auto it = events.rbegin(); it != events.rend(); ++it) {
            if (it->type == type) return &*it;
        }
        return nullptr;
    }

    std::vector<EventRecord> events;
    std::function<void(TEventUI&)> onEvent;
    std::function<void()> onDestroy;
    bool* destroyed = nullptr;
    int activations = 0;

private:
    std::wstring m_className;
    UINT m_flags;
};

// Places a floating child at a fixed client rectangle.
template <class T> T* Place(CContainerUI* parent, T* control, int left, int top, int right, int bottom)
{
    control->SetFloat(true);
    SIZE xy = {left, top};
    control->SetFixedXY(xy);
    control->SetFixedWidth(right - left);
    control->SetFixedHeight(bottom - top);
    parent->Add(control);
    return control;
}

}  // namespace test
}  // namespace SkinUI
