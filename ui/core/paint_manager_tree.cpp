// CPaintManagerUI construction and destruction, and the control tree it holds:
// attaching a tree, the name map, searches over the tree, delayed cleanup and
// the requests for layout and repaint.
#include "paint_manager.h"

#include <cwchar>

#include "control_ui.h"
#include "render_engine.h"

namespace SkinUI {

namespace {

// Made by the first manager; one per process.
HPEN g_hUpdateRectPen = NULL;

struct FindClassData
{
    const wchar_t* className;
    CStdPtrArray* found;
};

bool ClassMatches(CControlUI* pThis, const wchar_t* className)
{
    return wcscmp(className, L"*") == 0 || wcscmp(pThis->GetClass(), className) == 0;
}

}  // namespace

CPaintManagerUI::CPaintManagerUI()
    : m_hWndPaint(NULL),
      m_hwndTooltip(NULL),
      m_pRoot(NULL),
      m_pFocus(NULL),
      m_pEventHover(NULL),
      m_pEventClick(NULL),
      m_pEventKey(NULL),
      m_pTipAnswered(NULL),
      m_bFirstLayout(true),
      m_bUpdateNeeded(false),
      m_bOffscreenPaint(true),
      m_bAlphaBackground(false),
      m_bMouseTracking(false),
      m_bMouseCapture(false),
      m_bUsedVirtualWnd(false),
      m_mNameHash(83),
      m_mOptionGroup(83),
      m_pParentResourcePM(NULL),
      m_nOpacity(255),
      m_bShowUpdateRect(false),
      m_dwDefaultDisabledColor(0xFFA7A6AA),
      m_dwDefaultFontColor(0xFF000000),
      m_dwDefaultLinkFontColor(0xFF0000FF),
      m_dwDefaultLinkHoverFontColor(0xFFD3215F),
      m_dwDefaultSelectedBkColor(0xFFBAE4FF),
      m_resources(m_pStrDefaultFontName)
{
    ::ZeroMemory(&m_ToolTip, sizeof(m_ToolTip));
    m_ptLastMousePos.x = m_ptLastMousePos.y = -1;
    m_szMinWindow.cx = m_szMinWindow.cy = 0;
    m_szMaxWindow.cx = m_szMaxWindow.cy = 0;
    m_szInitWindowSize.cx = m_szInitWindowSize.cy = 0;
    m_szRoundCorner.cx = m_szRoundCorner.cy = 0;
    ::ZeroMemory(&m_rcSizeBox, sizeof(m_rcSizeBox));
    ::ZeroMemory(&m_rcCaption, sizeof(m_rcCaption));

    if (g_hUpdateRectPen == NULL) {
        g_hUpdateRectPen = ::CreatePen(PS_SOLID, 1, RGB(220, 0, 0));
        ::InitCommonControls();
        ::LoadLibraryW(L"msimg32.dll");
    }
}

CPaintManagerUI::~CPaintManagerUI()
{
    FreeDelayedCleanup();
    m_notifyQueue.Clear();
    m_mNameHash.Resize(0);
    delete m_pRoot;
    m_pRoot = NULL;

    RemoveAllOptionGroups();
    RemoveAllTimers();

    if (m_hwndTooltip != NULL) ::DestroyWindow(m_hwndTooltip);
    int index = m_aPreMessages.Find(this);
    if (index >= 0) m_aPreMessages.Remove(index);
}

void CPaintManagerUI::FreeDelayedCleanup()
{
    m_bCleanupPosted = false;
    // A destructor may add to the list again; take the list over first.
    while (!m_aDelayedCleanup.IsEmpty()) {
        CStdPtrArray pending(m_aDelayedCleanup);
        m_aDelayedCleanup.Empty();
        for (int i = 0; i < pending.GetSize(); i++) delete static_cast<CControlUI*>(pending[i]);
    }
}

void CPaintManagerUI::Init(HWND hWnd)
{
    m_bCleanupPosted = false;
    m_mNameHash.Resize(83);
    RemoveAllTimers();
    m_hWndPaint = hWnd;
    m_surface.AttachWindow(hWnd);
    if (m_aPreMessages.Find(this) < 0) m_aPreMessages.Add(this);
}

HWND CPaintManagerUI::GetPaintWindow() const { return m_hWndPaint; }
HDC CPaintManagerUI::GetPaintDC() const { return m_surface.PaintDC(); }
HWND CPaintManagerUI::GetTooltipWindow() const { return m_hwndTooltip; }
POINT CPaintManagerUI::GetMousePos() const { return m_ptLastMousePos; }
CControlUI* CPaintManagerUI::GetRoot() const { return m_pRoot; }

bool CPaintManagerUI::AttachDialog(CControlUI* pControl)
{
    SetFocus(NULL);
    m_pEventKey = NULL;
    m_pEventHover = NULL;
    m_pEventClick = NULL;
    m_pTipAnswered = NULL;
    if (m_pRoot != NULL) {
        m_aPostPaintControls.Empty();
        AddDelayedCleanup(m_pRoot);
    }
    m_pRoot = pControl;
    m_bUpdateNeeded = true;
    m_bFirstLayout = true;
    m_focusNavigator.SetPending(true);
    if (pControl == NULL) return false;
    return InitControls(pControl);
}

bool CPaintManagerUI::InitControls(CControlUI* pControl, CControlUI* pParent)
{
    if (pControl == NULL) return false;
    pControl->SetManager(this, pParent != NULL ? pParent : pControl->GetParent(), true);
    pControl->FindControl(__FindControlFromNameHash, this, 0);
    return true;
}

void CPaintManagerUI::ForgetInput(CControlUI* pControl)
{
    if (pControl == NULL) return;
    if (pControl == m_pEventKey) m_pEventKey = NULL;
    if (pControl == m_pEventHover) {
        // The tip of a control that is gone (a closed tab's cross) goes with it.
        m_pEventHover = NULL;
        HideToolTip();
    }
    if (pControl == m_pEventClick) m_pEventClick = NULL;
    if (pControl == m_pTipAnswered) m_pTipAnswered = NULL;
    if (pControl == m_pFocus) m_pFocus = NULL;
    KillTimer(pControl);
}

void CPaintManagerUI::ReapObjects(CControlUI* pControl)
{
    if (pControl == NULL) return;
    ForgetInput(pControl);
    const CUIString sName = pControl->GetName();
    if (!sName.IsEmpty() && pControl == m_mNameHash.Find(sName)) m_mNameHash.Remove(sName);
    m_notifyQueue.ForgetSender(pControl);
    int index = m_aPostPaintControls.Find(pControl);
    if (index >= 0) m_aPostPaintControls.Remove(index);
}

void CPaintManagerUI::RenameControl(CControlUI* pControl, const wchar_t* pstrNewName)
{
    if (pControl == NULL) return;
    const CUIString sOld = pControl->GetName();
    if (sOld.IsEmpty() || m_mNameHash.Find(sOld) != pControl) return;
    m_mNameHash.Remove(sOld);
    if (pstrNewName != NULL && *pstrNewName != L'\0') m_mNameHash.Set(pstrNewName, pControl);
}

void CPaintManagerUI::AddDelayedCleanup(CControlUI* pControl)
{
    if (pControl == NULL) return;
    pControl->SetManager(this, NULL, false);
    m_aDelayedCleanup.Add(pControl);
    // One message frees the whole batch: removing a list's rows asks once.
    if (m_hWndPaint != NULL && !m_bCleanupPosted) {
        m_bCleanupPosted = ::PostMessageW(m_hWndPaint, WM_UI_DELAYED_CLEANUP, 0, 0) != FALSE;
    }
}

void CPaintManagerUI::NeedUpdate() { m_bUpdateNeeded = true; }
bool CPaintManagerUI::IsUpdateNeeded() const { return m_bUpdateNeeded; }

void CPaintManagerUI::Invalidate()
{
    // Without a window there is nothing to invalidate (a null window would
    // invalidate the whole desktop).
    if (m_hWndPaint != NULL) ::InvalidateRect(m_hWndPaint, NULL, FALSE);
}

void CPaintManagerUI::Invalidate(RECT& rcItem)
{
    if (m_hWndPaint != NULL) ::InvalidateRect(m_hWndPaint, &rcItem, FALSE);
}

// ---- lookup ------------------------------------------------------------------------

CControlUI* CPaintManagerUI::FindControl(POINT pt) const
{
    if (m_pRoot == NULL) return NULL;
    return m_pRoot->FindControl(__FindControlFromPoint, &pt, FINDFLAG_VISIBLE | FINDFLAG_HITTEST | FINDFLAG_TOP_FIRST);
}

CControlUI* CPaintManagerUI::FindControl(const wchar_t* pstrName) const
{
    if (pstrName == NULL) return NULL;
    return static_cast<CControlUI*>(m_mNameHash.Find(pstrName));
}

CControlUI* CPaintManagerUI::FindSubControlByPoint(CControlUI* pParent, POINT pt) const
{
    if (pParent == NULL) pParent = GetRoot();
    if (pParent == NULL) return NULL;
    return pParent->FindControl(__FindControlFromPoint, &pt, FINDFLAG_VISIBLE | FINDFLAG_HITTEST | FINDFLAG_TOP_FIRST);
}

CControlUI* CPaintManagerUI::FindSubControlByName(CControlUI* pParent, const wchar_t* pstrName) const
{
    if (pParent == NULL) pParent = GetRoot();
    if (pParent == NULL || pstrName == NULL) return NULL;
    return pParent->FindControl(__FindControlFromName, const_cast<wchar_t*>(pstrName), 0);
}

CControlUI* CPaintManagerUI::FindSubControlByClass(CControlUI* pParent, const wchar_t* pstrClass, int iIndex)
{
    if (pParent == NULL) pParent = GetRoot();
    // A negative index names no match.
    if (pParent == NULL || pstrClass == NULL || iIndex < 0) return NULL;
    m_aFoundControls.Resize(iIndex + 1);
    FindClassData data = {pstrClass, &m_aFoundControls};
    return pParent->FindControl(__FindControlFromClass, &data, 0);
}

CStdPtrArray* CPaintManagerUI::FindSubControlsByClass(CControlUI* pParent, const wchar_t* pstrClass)
{
    if (pParent == NULL) pParent = GetRoot();
    m_aFoundControls.Empty();
    if (pParent == NULL || pstrClass == NULL) return &m_aFoundControls;
    FindClassData data = {pstrClass, &m_aFoundControls};
    pParent->FindControl(__FindControlsFromClass, &data, 0);
    return &m_aFoundControls;
}

CStdPtrArray* CPaintManagerUI::GetSubControlsByClass() { return &m_aFoundControls; }

bool CPaintManagerUI::IsUpkeepSearch(FINDCONTROLPROC Proc)
{
    return Proc == __FindControlFromNameHash || Proc == __FindControlFromCount || Proc == __FindControlFromUpdate;
}

CControlUI* CALLBACK CPaintManagerUI::__FindControlFromNameHash(CControlUI* pThis, LPVOID pData)
{
    CPaintManagerUI* pManager = static_cast<CPaintManagerUI*>(pData);
    const CUIString sName = pThis->GetName();
    if (sName.IsEmpty()) return NULL;
    pManager->m_mNameHash.Set(sName, pThis);
    return NULL;
}

CControlUI* CALLBACK CPaintManagerUI::__FindControlFromCount(CControlUI*, LPVOID pData)
{
    int* pnCount = static_cast<int*>(pData);
    (*pnCount)++;
    return NULL;
}

CControlUI* CALLBACK CPaintManagerUI::__FindControlFromPoint(CControlUI* pThis, LPVOID pData)
{
    const POINT* pPoint = static_cast<const POINT*>(pData);
    return ::PtInRect(&pThis->GetPos(), *pPoint) ? pThis : NULL;
}

CControlUI* CALLBACK CPaintManagerUI::__FindControlFromUpdate(CControlUI* pThis, LPVOID)
{
    return pThis->IsUpdateNeeded() ? pThis : NULL;
}

CControlUI* CALLBACK CPaintManagerUI::__FindControlFromName(CControlUI* pThis, LPVOID pData)
{
    const wchar_t* pstrName = static_cast<const wchar_t*>(pData);
    const CUIString sName = pThis->GetName();
    if (sName.IsEmpty()) return NULL;
    return _wcsicmp(sName, pstrName) == 0 ? pThis : NULL;
}

CControlUI* CALLBACK CPaintManagerUI::__FindControlFromClass(CControlUI* pThis, LPVOID pData)
{
    FindClassData* data = static_cast<FindClassData*>(pData);
    if (!ClassMatches(pThis, data->className)) return NULL;
    CStdPtrArray* found = data->found;
    int count = found->GetSize();
    for (int i = 0; i < count; i++) {
        if (found->GetAt(i) == NULL) {
            found->SetAt(i, pThis);
            return i == count - 1 ? pThis : NULL;
        }
    }
    return NULL;
}

CControlUI* CALLBACK CPaintManagerUI::__FindControlsFromClass(CControlUI* pThis, LPVOID pData)
{
    FindClassData* data = static_cast<FindClassData*>(pData);
    if (ClassMatches(pThis, data->className)) data->found->Add(pThis);
    return NULL;
}

}  // namespace SkinUI
