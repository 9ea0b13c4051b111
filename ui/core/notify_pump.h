// CNotifyPump: routes notifications to handler tables by notification name and control
// name, optionally through named sub-pumps ("virtual windows").
//
// A class declares its table with UI_DECLARE_MESSAGE_MAP() and defines it with
//   UI_BEGIN_MESSAGE_MAP(CMyWnd, WindowImplBase)
//     UI_ON_MSGTYPE(L"click", OnClick)                       // any control
//     UI_ON_MSGTYPE_CTRNAME(L"click", L"okbtn", OnOk)        // one control
//     UI_ON_MSGTYPE_PARAMS(L"timer", L"", OnTimer)           // void OnTimer(WPARAM, LPARAM)
//   UI_END_MESSAGE_MAP()
// Handlers are members of the class with the signature void (TNotifyUI&), or
// void (WPARAM, LPARAM) for the _PARAMS form.
#pragma once

#include <windows.h>

#include "paint_manager.h"
#include "ui_export.h"
#include "ui_string.h"
#include "ui_string_map.h"

namespace SkinUI {

class CNotifyPump;

// Handler kinds of a table entry; UISIG_END ends the table.
enum UISignature : unsigned
{
    UISIG_END = 0,
    UISIG_PARAMS = 1,
    UISIG_NOTIFY = 2
};

// The stored form of every handler; it is cast back to its own kind before the call.
typedef void (CNotifyPump::*UI_PMSG)();
typedef void (CNotifyPump::*UI_PMSG_PARAMS)(WPARAM, LPARAM);
typedef void (CNotifyPump::*UI_PMSG_NOTIFY)(TNotifyUI&);

struct UI_MSGMAP_ENTRY
{
    CUIString sMsgType;
    CUIString sCtrlName;
    unsigned nSig;
    UI_PMSG pfn;
};

struct UI_MSGMAP
{
    // Map of the base class; null (or a null result) ends the chain.
    const UI_MSGMAP* (*pfnGetBaseMap)();
    const UI_MSGMAP_ENTRY* lpEntries;
};

// Turns a member of a class derived from CNotifyPump into the stored form; the member
// pointer keeps the adjustment from the derived object to its CNotifyPump part.
template <class T> UI_PMSG UIMakeNotifyHandler(void (T::*fn)(TNotifyUI&))
{
    return reinterpret_cast<UI_PMSG>(static_cast<UI_PMSG_NOTIFY>(fn));
}
template <class T> UI_PMSG UIMakeParamsHandler(void (T::*fn)(WPARAM, LPARAM))
{
    return reinterpret_cast<UI_PMSG>(static_cast<UI_PMSG_PARAMS>(fn));
}

class UILIB_API CNotifyPump
{
public:
    virtual ~CNotifyPump() = default;

    bool AddVirtualWnd(CUIString strName, CNotifyPump* pObject);
    bool RemoveVirtualWnd(CUIString strName);
    void NotifyPump(TNotifyUI& msg);
    bool LoopDispatch(TNotifyUI& msg);

    static const UI_MSGMAP* GetThisMessageMap();
    virtual const UI_MSGMAP* GetMessageMap() const;

private:
    CStdStringPtrMap m_VirtualWndMap;
};

}  // namespace SkinUI

#define UI_DECLARE_MESSAGE_MAP()                                                                                       \
public:                                                                                                                \
    static const SkinUI::UI_MSGMAP* GetThisMessageMap();                                                               \
    const SkinUI::UI_MSGMAP* GetMessageMap() const override;

#define UI_BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                      \
    const SkinUI::UI_MSGMAP* theClass::GetMessageMap() const { return theClass::GetThisMessageMap(); }                 \
    const SkinUI::UI_MSGMAP* theClass::GetThisMessageMap()                                                             \
    {                                                                                                                  \
        typedef theClass ThisClass;                                                                                    \
        typedef baseClass TheBaseClass;                                                                                \
        static const SkinUI::UI_MSGMAP_ENTRY _messageEntries[] = {

#define UI_ON_MSGTYPE(type, memberFn)                                                                                  \
    {type, L"", SkinUI::UISIG_NOTIFY, SkinUI::UIMakeNotifyHandler(&ThisClass::memberFn)},

#define UI_ON_MSGTYPE_CTRNAME(type, ctrlName, memberFn)                                                                \
    {type, ctrlName, SkinUI::UISIG_NOTIFY, SkinUI::UIMakeNotifyHandler(&ThisClass::memberFn)},

#define UI_ON_CLICK_CTRNAME(ctrlName, memberFn) UI_ON_MSGTYPE_CTRNAME(L"click", ctrlName, memberFn)

#define UI_ON_MSGTYPE_PARAMS(type, ctrlName, memberFn)                                                                 \
    {type, ctrlName, SkinUI::UISIG_PARAMS, SkinUI::UIMakeParamsHandler(&ThisClass::memberFn)},

#define UI_END_MESSAGE_MAP()                                                                                           \
    {                                                                                                                  \
        L"", L"", SkinUI::UISIG_END, nullptr                                                                           \
    }                                                                                                                  \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const SkinUI::UI_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};               \
    return &messageMap;                                                                                                \
    }
