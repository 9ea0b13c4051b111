// CNotifyPump: notification routing through virtual windows and handler tables.
#include "notify_pump.h"

#include "control_ui.h"

namespace SkinUI {

const UI_MSGMAP* CNotifyPump::GetThisMessageMap()
{
    static const UI_MSGMAP_ENTRY entries[] = {{L"", L"", UISIG_END, nullptr}};
    static const UI_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const UI_MSGMAP* CNotifyPump::GetMessageMap() const { return GetThisMessageMap(); }

bool CNotifyPump::AddVirtualWnd(CUIString strName, CNotifyPump* pObject)
{
    if (m_VirtualWndMap.Find(strName, false) != nullptr) return false;
    m_VirtualWndMap.Insert(strName, pObject);
    return true;
}

bool CNotifyPump::RemoveVirtualWnd(CUIString strName)
{
    if (m_VirtualWndMap.Find(strName, false) == nullptr) return false;
    return m_VirtualWndMap.Remove(strName);
}

void CNotifyPump::NotifyPump(TNotifyUI& msg)
{
    if (!msg.virtualWnd.IsEmpty()) {
        for (int i = 0; i < m_VirtualWndMap.GetSize(); ++i) {
            const wchar_t* key = m_VirtualWndMap.GetAt(i);
            if (key == nullptr || _wcsicmp(key, msg.virtualWnd.GetData()) != 0) continue;
            auto* pump = static_cast<CNotifyPump*>(m_VirtualWndMap.Find(key, false));
            if (pump != nullptr && pump->LoopDispatch(msg)) return;
        }
    }
    LoopDispatch(msg);
}

bool CNotifyPump::LoopDispatch(TNotifyUI& msg)
{
    // A notification whose sender has gone counts as sent by an unnamed control.
    const CUIString senderName = msg.sender != nullptr ? msg.sender->GetName() : CUIString();
    for (const UI_MSGMAP* map = GetMessageMap(); map != nullptr;
         map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
        const UI_MSGMAP_ENTRY* chosen = nullptr;
        const UI_MSGMAP_ENTRY* anyControl = nullptr;
        for (const UI_MSGMAP_ENTRY* entry = map->lpEntries; entry->nSig != UISIG_END; ++entry) {
            if (entry->sMsgType != msg.type.GetData()) continue;
            if (entry->sCtrlName == senderName.GetData()) {
                chosen = entry;
                break;
            }
            if (entry->sCtrlName.IsEmpty()) anyControl = entry;
        }
        if (chosen == nullptr) chosen = anyControl;
        if (chosen == nullptr) continue;
        switch (chosen->nSig) {
        case UISIG_PARAMS:
            (this->*reinterpret_cast<UI_PMSG_PARAMS>(chosen->pfn))(msg.wParam, msg.lParam);
            return true;
        case UISIG_NOTIFY:
            (this->*reinterpret_cast<UI_PMSG_NOTIFY>(chosen->pfn))(msg);
            return true;
        default:
            return false;
        }
    }
    return false;
}

}  // namespace SkinUI
