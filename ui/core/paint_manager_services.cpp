// The services of CPaintManagerUI that controls call directly: focus, capture,
// listener lists and option groups.
#include "paint_manager.h"

#include "control_ui.h"

namespace SkinUI {

namespace {

bool RemoveFromList(CStdPtrArray& list, void* p)
{
    int index = list.Find(p);
    return index >= 0 && list.Remove(index);
}

}  // namespace

// ---- focus and capture --------------------------------------------------------------

CControlUI* CPaintManagerUI::GetFocus() const { return m_pFocus; }

void CPaintManagerUI::SetFocus(CControlUI* pControl)
{
    HWND hFocusWnd = ::GetFocus();
    if (m_hWndPaint != NULL && hFocusWnd != m_hWndPaint && pControl != m_pFocus) ::SetFocus(m_hWndPaint);
    if (pControl == m_pFocus) return;
    if (m_pFocus != NULL) {
        TEventUI event = {};
        event.type = UIEV_KILL_FOCUS;
        event.sender = pControl;
        event.timestamp = ::GetTickCount();
        CControlUI* pOld = m_pFocus;
        pOld->Event(event);
        // A control destroyed by its own handler has been reaped: nothing to notify.
        if (m_pFocus == pOld) SendNotify(pOld, L"killfocus");
        m_pFocus = NULL;
    }
    if (pControl == NULL || pControl->GetManager() != this || !pControl->IsVisible() || !pControl->IsEnabled()) return;
    m_pFocus = pControl;
    TEventUI event = {};
    event.type = UIEV_SET_FOCUS;
    event.sender = pControl;
    event.timestamp = ::GetTickCount();
    pControl->Event(event);
    if (m_pFocus == pControl) SendNotify(pControl, L"setfocus");
}

void CPaintManagerUI::SetCapture()
{
    if (m_hWndPaint != NULL) ::SetCapture(m_hWndPaint);
    m_bMouseCapture = true;
}

void CPaintManagerUI::ReleaseCapture()
{
    ::ReleaseCapture();
    m_bMouseCapture = false;
}

bool CPaintManagerUI::IsCaptured() { return m_bMouseCapture; }

// ---- listeners and filters ---------------------------------------------------------

bool CPaintManagerUI::AddNotifier(INotifyUI* pNotifier) { return m_aNotifiers.Add(pNotifier); }
bool CPaintManagerUI::RemoveNotifier(INotifyUI* pNotifier) { return RemoveFromList(m_aNotifiers, pNotifier); }
bool CPaintManagerUI::AddPreMessageFilter(IMessageFilterUI* pFilter) { return m_aPreMessageFilters.Add(pFilter); }

bool CPaintManagerUI::RemovePreMessageFilter(IMessageFilterUI* pFilter)
{
    return RemoveFromList(m_aPreMessageFilters, pFilter);
}

bool CPaintManagerUI::AddMessageFilter(IMessageFilterUI* pFilter) { return m_aMessageFilters.Add(pFilter); }
bool CPaintManagerUI::RemoveMessageFilter(IMessageFilterUI* pFilter)
{
    return RemoveFromList(m_aMessageFilters, pFilter);
}

bool CPaintManagerUI::AddTranslateAccelerator(ITranslateAccelerator* pTranslateAccelerator)
{
    return m_aTranslateAccelerator.Add(pTranslateAccelerator);
}

bool CPaintManagerUI::RemoveTranslateAccelerator(ITranslateAccelerator* pTranslateAccelerator)
{
    return RemoveFromList(m_aTranslateAccelerator, pTranslateAccelerator);
}

bool CPaintManagerUI::AddPostPaint(CControlUI* pControl) { return m_aPostPaintControls.Add(pControl); }
bool CPaintManagerUI::RemovePostPaint(CControlUI* pControl) { return RemoveFromList(m_aPostPaintControls, pControl); }
int CPaintManagerUI::GetPostPaintCount() const { return m_aPostPaintControls.GetSize(); }

bool CPaintManagerUI::SetPostPaintIndex(CControlUI* pControl, int iIndex)
{
    RemovePostPaint(pControl);
    return m_aPostPaintControls.InsertAt(iIndex, pControl);
}

// ---- option groups ------------------------------------------------------------------

bool CPaintManagerUI::AddOptionGroup(const wchar_t* pStrGroupName, CControlUI* pControl)
{
    CStdPtrArray* aOptionGroup = static_cast<CStdPtrArray*>(m_mOptionGroup.Find(pStrGroupName));
    if (aOptionGroup != NULL) {
        if (aOptionGroup->Find(pControl) >= 0) return false;
        aOptionGroup->Add(pControl);
    } else {
        aOptionGroup = new CStdPtrArray(6);
        aOptionGroup->Add(pControl);
        if (!m_mOptionGroup.Insert(pStrGroupName, aOptionGroup)) {
            delete aOptionGroup;
            return false;
        }
    }
    return true;
}

CStdPtrArray* CPaintManagerUI::GetOptionGroup(const wchar_t* pStrGroupName)
{
    return static_cast<CStdPtrArray*>(m_mOptionGroup.Find(pStrGroupName));
}

void CPaintManagerUI::RemoveOptionGroup(const wchar_t* pStrGroupName, CControlUI* pControl)
{
    CStdPtrArray* aOptionGroup = static_cast<CStdPtrArray*>(m_mOptionGroup.Find(pStrGroupName));
    if (aOptionGroup == NULL) return;
    RemoveFromList(*aOptionGroup, pControl);
    if (aOptionGroup->IsEmpty()) {
        delete aOptionGroup;
        m_mOptionGroup.Remove(pStrGroupName);
    }
}

void CPaintManagerUI::RemoveAllOptionGroups()
{
    for (int i = 0; i < m_mOptionGroup.GetSize(); i++) {
        const wchar_t* key = m_mOptionGroup.GetAt(i);
        if (key != NULL) delete static_cast<CStdPtrArray*>(m_mOptionGroup.Find(key, false));
    }
    m_mOptionGroup.RemoveAll();
}

}  // namespace SkinUI
