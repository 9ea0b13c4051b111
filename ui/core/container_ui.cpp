// CContainerUI: the child list and its ownership, propagation to children,
// scrolling, searching, painting with clipping and floating placement.
#include "container_ui.h"

#include <cwchar>
#include <cstdlib>

#include "attribute_values.h"
#include "render_engine.h"
#include "scroll_bar.h"

namespace SkinUI {

CContainerUI::CContainerUI()
    : m_iChildPadding(0),
      m_bAutoDestroy(true),
      m_bDelayedDestroy(true),
      m_bMouseChildEnabled(true),
      m_bScrollProcess(false),
      m_pVerticalScrollBar(NULL),
      m_pHorizontalScrollBar(NULL)
{
    ::ZeroMemory(&m_rcInset, sizeof(m_rcInset));
}

CContainerUI::~CContainerUI()
{
    m_bDelayedDestroy = false;
    RemoveAll();
    delete m_pVerticalScrollBar;
    delete m_pHorizontalScrollBar;
}

const wchar_t* CContainerUI::GetClass() const { return L"ContainerUI"; }

LPVOID CContainerUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"IContainer") == 0) return static_cast<IContainerUI*>(this);
    if (pstrName != NULL && wcscmp(pstrName, L"Container") == 0) return static_cast<CContainerUI*>(this);
    return CControlUI::GetInterface(pstrName);
}

// ---- child list ------------------------------------------------------------------

CControlUI* CContainerUI::GetItemAt(int iIndex) const { return static_cast<CControlUI*>(m_items.GetAt(iIndex)); }
int CContainerUI::GetItemIndex(CControlUI* pControl) const { return m_items.Find(pControl); }
int CContainerUI::GetCount() const { return m_items.GetSize(); }

bool CContainerUI::SetItemIndex(CControlUI* pControl, int iIndex)
{
    int current = m_items.Find(pControl);
    if (current < 0) return false;
    // Check the new place first, so that the child is never taken out and lost.
    if (iIndex < 0 || iIndex >= m_items.GetSize()) return false;
    NeedUpdate();
    m_items.Remove(current);
    return m_items.InsertAt(iIndex, pControl);
}

bool CContainerUI::Add(CControlUI* pControl) { return AddAt(pControl, m_items.GetSize()); }

bool CContainerUI::AddAt(CControlUI* pControl, int iIndex)
{
    if (pControl == NULL) return false;
    // Check the place before the child is attached to this container.
    if (iIndex < 0 || iIndex > m_items.GetSize()) return false;
    if (m_pManager != NULL) m_pManager->InitControls(pControl, this);
    // The child takes this container's visibility, also when it comes from a
    // hidden container that left it hidden.
    pControl->SetInternVisible(IsVisible());
    if (IsVisible()) NeedUpdate();
    return m_items.InsertAt(iIndex, pControl);
}

void CContainerUI::DisposeChild(CControlUI* pControl)
{
    if (!m_bAutoDestroy) {
        // The caller keeps the child: it must not point at a parent that no
        // longer holds it (and may be gone before the child is used again).
        if (pControl->GetParent() == this) pControl->SetManager(pControl->GetManager(), NULL, false);
        return;
    }
    if (m_bDelayedDestroy && m_pManager != NULL) m_pManager->AddDelayedCleanup(pControl);
    else delete pControl;
}

bool CContainerUI::Remove(CControlUI* pControl)
{
    if (pControl == NULL) return false;
    int index = m_items.Find(pControl);
    if (index < 0) return false;
    NeedUpdate();
    m_items.Remove(index);
    DisposeChild(pControl);
    return true;
}

bool CContainerUI::RemoveAt(int iIndex)
{
    CControlUI* pControl = GetItemAt(iIndex);
    return pControl != NULL && Remove(pControl);
}

void CContainerUI::RemoveAll()
{
    // Take the list over first: a child's destructor must not see itself here.
    CStdPtrArray items(m_items);
    m_items.Empty();
    for (int it = 0; it < items.GetSize(); it++) DisposeChild(static_cast<CControlUI*>(items[it]));
    NeedUpdate();
}

// ---- plain settings ---------------------------------------------------------------------

RECT CContainerUI::GetInset() const { return m_rcInset; }

void CContainerUI::SetInset(RECT rcInset)
{
    m_rcInset = rcInset;
    NeedUpdate();
}

int CContainerUI::GetChildPadding() const { return m_iChildPadding; }

void CContainerUI::SetChildPadding(int iPadding)
{
    m_iChildPadding = iPadding;
    NeedUpdate();
}

bool CContainerUI::IsAutoDestroy() const { return m_bAutoDestroy; }
void CContainerUI::SetAutoDestroy(bool bAuto) { m_bAutoDestroy = bAuto; }
bool CContainerUI::IsDelayedDestroy() const { return m_bDelayedDestroy; }
void CContainerUI::SetDelayedDestroy(bool bDelayed) { m_bDelayedDestroy = bDelayed; }
bool CContainerUI::IsMouseChildEnabled() const { return m_bMouseChildEnabled; }
void CContainerUI::SetMouseChildEnabled(bool bEnable) { m_bMouseChildEnabled = bEnable; }

// ---- propagation -------------------------------------------------------------------------

void CContainerUI::SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit)
{
    for (int it = 0; it < m_items.GetSize(); it++) {
        static_cast<CControlUI*>(m_items[it])->SetManager(pManager, this, bInit);
    }
    if (m_pVerticalScrollBar != NULL) m_pVerticalScrollBar->SetManager(pManager, this, bInit);
    if (m_pHorizontalScrollBar != NULL) m_pHorizontalScrollBar->SetManager(pManager, this, bInit);
    CControlUI::SetManager(pManager, pParent, bInit);
}

void CContainerUI::SetVisible(bool bVisible)
{
    if (m_bVisible == bVisible) return;
    CControlUI::SetVisible(bVisible);
    for (int it = 0; it < m_items.GetSize(); it++) {
        static_cast<CControlUI*>(m_items[it])->SetInternVisible(IsVisible());
    }
}

void CContainerUI::SetInternVisible(bool bVisible)
{
    CControlUI::SetInternVisible(bVisible);
    for (int it = 0; it < m_items.GetSize(); it++) {
        static_cast<CControlUI*>(m_items[it])->SetInternVisible(IsVisible());
    }
}

void CContainerUI::SetMouseEnabled(bool bEnabled)
{
    if (m_pVerticalScrollBar != NULL) m_pVerticalScrollBar->SetMouseEnabled(bEnabled);
    if (m_pHorizontalScrollBar != NULL) m_pHorizontalScrollBar->SetMouseEnabled(bEnabled);
    CControlUI::SetMouseEnabled(bEnabled);
}

// ---- sub-controls by name ---------------------------------------------------------------

CControlUI* CContainerUI::FindSubControl(const wchar_t* pstrSubControlName)
{
    if (pstrSubControlName == NULL) return NULL;
    return FindControl(CPaintManagerUI::FindControlFromNameProc, const_cast<wchar_t*>(pstrSubControlName), 0);
}

bool CContainerUI::SetSubControlText(const wchar_t* pstrSubControlName, const wchar_t* pstrText)
{
    CControlUI* pSubControl = FindSubControl(pstrSubControlName);
    if (pSubControl == NULL) return false;
    pSubControl->SetText(pstrText);
    return true;
}

bool CContainerUI::SetSubControlFixedHeight(const wchar_t* pstrSubControlName, int cy)
{
    CControlUI* pSubControl = FindSubControl(pstrSubControlName);
    if (pSubControl == NULL) return false;
    pSubControl->SetFixedHeight(cy);
    return true;
}

bool CContainerUI::SetSubControlFixedWdith(const wchar_t* pstrSubControlName, int cx)
{
    CControlUI* pSubControl = FindSubControl(pstrSubControlName);
    if (pSubControl == NULL) return false;
    pSubControl->SetFixedWidth(cx);
    return true;
}

bool CContainerUI::SetSubControlUserData(const wchar_t* pstrSubControlName, const wchar_t* pstrText)
{
    CControlUI* pSubControl = FindSubControl(pstrSubControlName);
    if (pSubControl == NULL) return false;
    pSubControl->SetUserData(pstrText);
    return true;
}

CUIString CContainerUI::GetSubControlText(const wchar_t* pstrSubControlName)
{
    CControlUI* pSubControl = FindSubControl(pstrSubControlName);
    return pSubControl != NULL ? pSubControl->GetText() : CUIString();
}

int CContainerUI::GetSubControlFixedHeight(const wchar_t* pstrSubControlName)
{
    CControlUI* pSubControl = FindSubControl(pstrSubControlName);
    return pSubControl != NULL ? pSubControl->GetFixedHeight() : -1;
}

int CContainerUI::GetSubControlFixedWdith(const wchar_t* pstrSubControlName)
{
    CControlUI* pSubControl = FindSubControl(pstrSubControlName);
    return pSubControl != NULL ? pSubControl->GetFixedWidth() : -1;
}

CUIString CContainerUI::GetSubControlUserData(const wchar_t* pstrSubControlName)
{
    CControlUI* pSubControl = FindSubControl(pstrSubControlName);
    return pSubControl != NULL ? pSubControl->GetUserData() : CUIString();
}

// ---- geometry -------------------------------------------------------------------------------

void CContainerUI::SetPos(RECT rc)
{
    CControlUI::SetPos(rc);
    if (m_items.IsEmpty()) return;
    rc = GetInsetArea();
    for (int it = 0; it < m_items.GetSize(); it++) {
        CControlUI* pControl = static_cast<CControlUI*>(m_items[it]);
        if (!pControl->IsVisible()) continue;
        if (pControl->IsFloat()) SetFloatPos(it);
        else pControl->SetPos(rc);
    }
}

bool CContainerUI::BeginLayout(RECT rc, RECT& rcChildren)
{
    CControlUI::SetPos(rc);
    if (m_items.IsEmpty()) {
        ProcessScrollBar(GetInsetArea(), 0, 0);
        return false;
    }
    rcChildren = GetChildArea();
    return true;
}

void CContainerUI::SetFloatPos(int iIndex)
{
    CControlUI* pControl = GetItemAt(iIndex);
    if (pControl == NULL || !pControl->IsVisible() || !pControl->IsFloat()) return;

    SIZE szXY = pControl->GetFixedXY();
    SIZE sz = {pControl->GetFixedWidth(), pControl->GetFixedHeight()};
    RECT rcCtrl;
    if (szXY.cx >= 0) {
        rcCtrl.left = m_rcItem.left + szXY.cx;
        rcCtrl.right = rcCtrl.left + sz.cx;
    } else {
        rcCtrl.left = m_rcItem.right + szXY.cx - sz.cx;
        rcCtrl.right = m_rcItem.right + szXY.cx;
    }
    if (szXY.cy >= 0) {
        rcCtrl.top = m_rcItem.top + szXY.cy;
        rcCtrl.bottom = rcCtrl.top + sz.cy;
    } else {
        rcCtrl.top = m_rcItem.bottom + szXY.cy - sz.cy;
        rcCtrl.bottom = m_rcItem.bottom + szXY.cy;
    }
    if (pControl->IsRelativePos()) {
        TRelativePosUI tRelativePos = pControl->GetRelativePos();
        SIZE szParent = {m_rcItem.right - m_rcItem.left, m_rcItem.bottom - m_rcItem.top};
        if (tRelativePos.szParent.cx != 0) {
            int nIncrementX = szParent.cx - tRelativePos.szParent.cx;
            int nIncrementY = szParent.cy - tRelativePos.szParent.cy;
            rcCtrl.left += nIncrementX * tRelativePos.nMoveXPercent / 100;
            rcCtrl.top += nIncrementY * tRelativePos.nMoveYPercent / 100;
            rcCtrl.right = rcCtrl.left + sz.cx + nIncrementX * tRelativePos.nZoomXPercent / 100;
            rcCtrl.bottom = rcCtrl.top + sz.cy + nIncrementY * tRelativePos.nZoomYPercent / 100;
        }
        pControl->SetRelativeParentSize(szParent);
    }
    pControl->SetPos(rcCtrl);
}

void CContainerUI::ProcessScrollBar(RECT rc, int cxRequired, int cyRequired)
{
    (void)cxRequired;
    if (m_pHorizontalScrollBar != NULL && m_pHorizontalScrollBar->IsVisible()) {
        RECT rcScrollBarPos = {rc.left, rc.bottom, rc.right, rc.bottom + m_pHorizontalScrollBar->GetFixedHeight()};
        m_pHorizontalScrollBar->SetPos(rcScrollBarPos);
    }
    if (m_pVerticalScrollBar == NULL) return;

    int cyScroll = cyRequired - (rc.bottom - rc.top);
    if (cyScroll > 0 && !m_pVerticalScrollBar->IsVisible()) {
        m_pVerticalScrollBar->SetVisible(true);
        m_pVerticalScrollBar->SetScrollRange(cyScroll);
        m_pVerticalScrollBar->SetScrollPos(0);
        m_bScrollProcess = true;
        SetPos(m_rcItem);
        m_bScrollProcess = false;
        return;
    }
    if (!m_pVerticalScrollBar->IsVisible()) return;

    if (cyScroll <= 0) {
        // Nothing to scroll: the bar goes away. While this container re-lays
        // itself out for a bar it has just shown, it does not lay out again.
        m_pVerticalScrollBar->SetVisible(false);
        m_pVerticalScrollBar->SetScrollPos(0);
        m_pVerticalScrollBar->SetScrollRange(0);
        if (!m_bScrollProcess) SetPos(m_rcItem);
        return;
    }

    RECT rcScrollBarPos = {rc.right, rc.top, rc.right + m_pVerticalScrollBar->GetFixedWidth(), rc.bottom};
    m_pVerticalScrollBar->SetPos(rcScrollBarPos);
    if (m_pVerticalScrollBar->GetScrollRange() == cyScroll) return;
    int iScrollPos = m_pVerticalScrollBar->GetScrollPos();
    m_pVerticalScrollBar->SetScrollRange(cyScroll);
    if (iScrollPos > m_pVerticalScrollBar->GetScrollPos()) SetPos(m_rcItem);
}

// ---- scrolling -------------------------------------------------------------------------------

SIZE CContainerUI::GetScrollPos() const
{
    SIZE sz = {0, 0};
    if (m_pVerticalScrollBar != NULL && m_pVerticalScrollBar->IsVisible()) sz.cy = m_pVerticalScrollBar->GetScrollPos();
    if (m_pHorizontalScrollBar != NULL && m_pHorizontalScrollBar->IsVisible())
        sz.cx = m_pHorizontalScrollBar->GetScrollPos();
    return sz;
}

SIZE CContainerUI::GetScrollRange() const
{
    SIZE sz = {0, 0};
    if (m_pVerticalScrollBar != NULL && m_pVerticalScrollBar->IsVisible())
        sz.cy = m_pVerticalScrollBar->GetScrollRange();
    if (m_pHorizontalScrollBar != NULL && m_pHorizontalScrollBar->IsVisible())
        sz.cx = m_pHorizontalScrollBar->GetScrollRange();
    return sz;
}

void CContainerUI::SetScrollPos(SIZE szPos)
{
    int cx = 0;
    int cy = 0;
    if (m_pVerticalScrollBar != NULL && m_pVerticalScrollBar->IsVisible()) {
        int iLastScrollPos = m_pVerticalScrollBar->GetScrollPos();
        m_pVerticalScrollBar->SetScrollPos(szPos.cy);
        cy = m_pVerticalScrollBar->GetScrollPos() - iLastScrollPos;
    }
    if (m_pHorizontalScrollBar != NULL && m_pHorizontalScrollBar->IsVisible()) {
        int iLastScrollPos = m_pHorizontalScrollBar->GetScrollPos();
        m_pHorizontalScrollBar->SetScrollPos(szPos.cx);
        cx = m_pHorizontalScrollBar->GetScrollPos() - iLastScrollPos;
    }
    if (cx == 0 && cy == 0) return;
    for (int it = 0; it < m_items.GetSize(); it++) {
        CControlUI* pControl = static_cast<CControlUI*>(m_items[it]);
        if (!pControl->IsVisible() || pControl->IsFloat()) continue;
        RECT rcPos = pControl->GetPos();
        ::OffsetRect(&rcPos, -cx, -cy);
        pControl->SetPos(rcPos);
    }
    Invalidate();
}

namespace {

int LineHeight(CPaintManagerUI* pManager)
{
    if (pManager == NULL) return 8;
    return pManager->GetDefaultFontInfo()->tm.tmHeight + 8;
}

}  // namespace

void CContainerUI::LineUp()
{
    SIZE sz = GetScrollPos();
    sz.cy -= LineHeight(m_pManager);
    SetScrollPos(sz);
}

void CContainerUI::LineDown()
{
    SIZE sz = GetScrollPos();
    sz.cy += LineHeight(m_pManager);
    SetScrollPos(sz);
}

// A page is what the child area shows.
static int PageHeight(const RECT& rcChildren) { return rcChildren.bottom - rcChildren.top; }
static int PageWidth(const RECT& rcChildren) { return rcChildren.right - rcChildren.left; }

void CContainerUI::PageUp()
{
    SIZE sz = GetScrollPos();
    sz.cy -= PageHeight(GetChildArea());
    SetScrollPos(sz);
}

void CContainerUI::PageDown()
{
    SIZE sz = GetScrollPos();
    sz.cy += PageHeight(GetChildArea());
    SetScrollPos(sz);
}

void CContainerUI::HomeUp()
{
    SIZE sz = GetScrollPos();
    sz.cy = 0;
    SetScrollPos(sz);
}

void CContainerUI::EndDown()
{
    SIZE sz = GetScrollPos();
    sz.cy = GetScrollRange().cy;
    SetScrollPos(sz);
}

void CContainerUI::LineLeft()
{
    SIZE sz = GetScrollPos();
    sz.cx -= 8;
    SetScrollPos(sz);
}

void CContainerUI::LineRight()
{
    SIZE sz = GetScrollPos();
    sz.cx += 8;
    SetScrollPos(sz);
}

void CContainerUI::PageLeft()
{
    SIZE sz = GetScrollPos();
    sz.cx -= PageWidth(GetChildArea());
    SetScrollPos(sz);
}

void CContainerUI::PageRight()
{
    SIZE sz = GetScrollPos();
    sz.cx += PageWidth(GetChildArea());
    SetScrollPos(sz);
}

void CContainerUI::HomeLeft()
{
    SIZE sz = GetScrollPos();
    sz.cx = 0;
    SetScrollPos(sz);
}

void CContainerUI::EndRight()
{
    SIZE sz = GetScrollPos();
    sz.cx = GetScrollRange().cx;
    SetScrollPos(sz);
}

void CContainerUI::EnableScrollBar(bool bEnableVertical, bool bEnableHorizontal)
{
    if (bEnableVertical && m_pVerticalScrollBar == NULL) {
        m_pVerticalScrollBar = new CScrollBarUI();
        m_pVerticalScrollBar->SetOwner(this);
        m_pVerticalScrollBar->SetManager(m_pManager, NULL, false);
        if (m_pManager != NULL) {
            const wchar_t* pDefaultAttributes = m_pManager->GetDefaultAttributeList(L"VScrollBar");
            if (pDefaultAttributes != NULL) m_pVerticalScrollBar->ApplyAttributeList(pDefaultAttributes);
        }
    } else if (!bEnableVertical && m_pVerticalScrollBar != NULL) {
        delete m_pVerticalScrollBar;
        m_pVerticalScrollBar = NULL;
    }
    if (bEnableHorizontal && m_pHorizontalScrollBar == NULL) {
        m_pHorizontalScrollBar = new CScrollBarUI();
        m_pHorizontalScrollBar->SetHorizontal(true);
        m_pHorizontalScrollBar->SetOwner(this);
        m_pHorizontalScrollBar->SetManager(m_pManager, NULL, false);
        if (m_pManager != NULL) {
            const wchar_t* pDefaultAttributes = m_pManager->GetDefaultAttributeList(L"HScrollBar");
            if (pDefaultAttributes != NULL) m_pHorizontalScrollBar->ApplyAttributeList(pDefaultAttributes);
        }
    } else if (!bEnableHorizontal && m_pHorizontalScrollBar != NULL) {
        delete m_pHorizontalScrollBar;
        m_pHorizontalScrollBar = NULL;
    }
    NeedUpdate();
}

CScrollBarUI* CContainerUI::GetVerticalScrollBar() const { return m_pVerticalScrollBar; }
CScrollBarUI* CContainerUI::GetHorizontalScrollBar() const { return m_pHorizontalScrollBar; }

int CContainerUI::FindSelectable(int iIndex, bool bForward) const
{
    if (GetCount() == 0) return -1;
    if (iIndex < 0) iIndex = 0;
    if (iIndex >= GetCount()) iIndex = GetCount() - 1;
    const CContainerUI* self = this;
    auto selectable = [self](int i) {
        CControlUI* pControl = self->GetItemAt(i);
        return pControl->GetInterface(L"ListItem") != NULL && pControl->IsVisible() && pControl->IsEnabled();
    };
    if (!bForward) {
        for (int i = iIndex; i >= 0; --i) {
            if (selectable(i)) return i;
        }
        return FindSelectable(0, true);
    }
    for (int i = iIndex; i < GetCount(); ++i) {
        if (selectable(i)) return i;
    }
    return -1;
}

// ---- events ------------------------------------------------------------------------------

void CContainerUI::DoEvent(TEventUI& event)
{
    if (HandOnWhileMouseDisabled<CControlUI>(event, m_pParent)) return;
    if (event.type == UIEV_SET_FOCUS) {
        m_bFocused = true;
        return;
    }
    if (event.type == UIEV_KILL_FOCUS) {
        m_bFocused = false;
        return;
    }
    // Keys and the wheel scroll along the vertical bar, or else the horizontal one.
    typedef void (CContainerUI::*Step)();
    struct KeyStep
    {
        WPARAM key;
        Step vertical;
        Step horizontal;
    };
    static const KeyStep kKeys[] = {
        {VK_DOWN, &CContainerUI::LineDown, &CContainerUI::LineRight},
        {VK_UP, &CContainerUI::LineUp, &CContainerUI::LineLeft},
        {VK_NEXT, &CContainerUI::PageDown, &CContainerUI::PageRight},
        {VK_PRIOR, &CContainerUI::PageUp, &CContainerUI::PageLeft},
        {VK_HOME, &CContainerUI::HomeUp, &CContainerUI::HomeLeft},
        {VK_END, &CContainerUI::EndDown, &CContainerUI::EndRight},
    };
    static const KeyStep kWheel[] = {
        {SB_LINEUP, &CContainerUI::LineUp, &CContainerUI::LineLeft},
        {SB_LINEDOWN, &CContainerUI::LineDown, &CContainerUI::LineRight},
    };
    const bool vertical =
        m_pVerticalScrollBar != NULL && m_pVerticalScrollBar->IsVisible() && m_pVerticalScrollBar->IsEnabled();
    const bool horizontal = !vertical && m_pHorizontalScrollBar != NULL && m_pHorizontalScrollBar->IsVisible() &&
                            m_pHorizontalScrollBar->IsEnabled();
    if (vertical || horizontal) {
        const KeyStep* steps = NULL;
        size_t count = 0;
        WPARAM code = 0;
        if (event.type == UIEV_KEY_DOWN) {
            steps = kKeys;
            count = sizeof(kKeys) / sizeof(kKeys[0]);
            code = event.key;
        } else if (event.type == UIEV_SCROLL_WHEEL) {
            steps = kWheel;
            count = sizeof(kWheel) / sizeof(kWheel[0]);
            code = LOWORD(event.wParam);
        }
        for (size_t i = 0; i < count; i++) {
            if (steps[i].key == code) {
                (this->*(vertical ? steps[i].vertical : steps[i].horizontal))();
                return;
            }
        }
    }
    CControlUI::DoEvent(event);
}

// ---- attributes --------------------------------------------------------------------------

void CContainerUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName == NULL || pstrValue == NULL) return;
    if (wcscmp(pstrName, L"inset") == 0) {
        SetInset(ParseRect(pstrValue));
    } else if (wcscmp(pstrName, L"mousechild") == 0) {
        SetMouseChildEnabled(ParseBool(pstrValue));
    } else if (wcscmp(pstrName, L"vscrollbar") == 0) {
        EnableScrollBar(ParseBool(pstrValue), GetHorizontalScrollBar() != NULL);
    } else if (wcscmp(pstrName, L"vscrollbarstyle") == 0) {
        EnableScrollBar(true, GetHorizontalScrollBar() != NULL);
        if (GetVerticalScrollBar() != NULL) GetVerticalScrollBar()->ApplyAttributeList(pstrValue);
    } else if (wcscmp(pstrName, L"hscrollbar") == 0) {
        EnableScrollBar(GetVerticalScrollBar() != NULL, ParseBool(pstrValue));
    } else if (wcscmp(pstrName, L"hscrollbarstyle") == 0) {
        EnableScrollBar(GetVerticalScrollBar() != NULL, true);
        if (GetHorizontalScrollBar() != NULL) GetHorizontalScrollBar()->ApplyAttributeList(pstrValue);
    } else if (wcscmp(pstrName, L"childpadding") == 0) {
        SetChildPadding(ParseInt(pstrValue));
    } else {
        CControlUI::SetAttribute(pstrName, pstrValue);
    }
}

// ---- search and painting ------------------------------------------------------------------

CControlUI* CContainerUI::FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags)
{
    if ((uFlags & FINDFLAG_VISIBLE) != 0 && !IsVisible()) return NULL;
    if ((uFlags & FINDFLAG_ENABLED) != 0 && !IsEnabled()) return NULL;
    if ((uFlags & FINDFLAG_HITTEST) != 0) {
        if (!::PtInRect(&m_rcItem, *static_cast<LPPOINT>(pData))) return NULL;
        if (!m_bMouseChildEnabled) {
            CControlUI* pResult = NULL;
            if (m_pVerticalScrollBar != NULL) pResult = m_pVerticalScrollBar->FindControl(Proc, pData, uFlags);
            if (pResult == NULL && m_pHorizontalScrollBar != NULL)
                pResult = m_pHorizontalScrollBar->FindControl(Proc, pData, uFlags);
            if (pResult == NULL) pResult = CControlUI::FindControl(Proc, pData, uFlags);
            return pResult;
        }
    }

    CControlUI* pResult = NULL;
    if (m_pVerticalScrollBar != NULL) pResult = m_pVerticalScrollBar->FindControl(Proc, pData, uFlags);
    if (pResult == NULL && m_pHorizontalScrollBar != NULL)
        pResult = m_pHorizontalScrollBar->FindControl(Proc, pData, uFlags);
    if (pResult != NULL) return pResult;

    if ((uFlags & FINDFLAG_SELF_FIRST) != 0) {
        CControlUI* pControl = CControlUI::FindControl(Proc, pData, uFlags);
        if (pControl != NULL) return pControl;
    }

    RECT rc = GetChildArea();
    const int count = m_items.GetSize();
    for (int i = 0; i < count; i++) {
        int it = (uFlags & FINDFLAG_TOP_FIRST) != 0 ? count - 1 - i : i;
        CControlUI* pChild = static_cast<CControlUI*>(m_items[it]);
        CControlUI* pControl = pChild->FindControl(Proc, pData, uFlags);
        if (pControl == NULL) continue;
        if ((uFlags & FINDFLAG_HITTEST) != 0 && !pControl->IsFloat() && !::PtInRect(&rc, *static_cast<LPPOINT>(pData)))
            continue;
        return pControl;
    }

    if ((uFlags & FINDFLAG_SELF_FIRST) == 0) return CControlUI::FindControl(Proc, pData, uFlags);
    return NULL;
}

RECT CContainerUI::GetInsetArea() const
{
    RECT rc = m_rcItem;
    rc.left += m_rcInset.left;
    rc.top += m_rcInset.top;
    rc.right -= m_rcInset.right;
    rc.bottom -= m_rcInset.bottom;
    return rc;
}

RECT CContainerUI::GetChildArea() const
{
    RECT rc = GetInsetArea();
    if (m_pVerticalScrollBar != NULL && m_pVerticalScrollBar->IsVisible())
        rc.right -= m_pVerticalScrollBar->GetFixedWidth();
    if (m_pHorizontalScrollBar != NULL && m_pHorizontalScrollBar->IsVisible())
        rc.bottom -= m_pHorizontalScrollBar->GetFixedHeight();
    return rc;
}

void CContainerUI::DoPaint(HDC hDC, const RECT& rcPaint)
{
    RECT rcTemp = {0, 0, 0, 0};
    if (!::IntersectRect(&rcTemp, &rcPaint, &m_rcItem)) return;

    CRenderClip clip;
    CRenderClip::GenerateClip(hDC, rcTemp, clip);
    CControlUI::DoPaint(hDC, rcPaint);

    if (!m_items.IsEmpty()) {
        RECT rc = GetChildArea();

        if (!::IntersectRect(&rcTemp, &rcPaint, &rc)) {
            for (int it = 0; it < m_items.GetSize(); it++) {
                CControlUI* pControl = static_cast<CControlUI*>(m_items[it]);
                if (!pControl->IsVisible() || !pControl->IsFloat()) continue;
                if (!::IntersectRect(&rcTemp, &rcPaint, &pControl->GetPos())) continue;
                if (!::IntersectRect(&rcTemp, &m_rcItem, &pControl->GetPos())) continue;
                pControl->DoPaint(hDC, rcPaint);
            }
        } else {
            CRenderClip childClip;
            CRenderClip::GenerateClip(hDC, rcTemp, childClip);
            for (int it = 0; it < m_items.GetSize(); it++) {
                CControlUI* pControl = static_cast<CControlUI*>(m_items[it]);
                if (!pControl->IsVisible()) continue;
                if (!::IntersectRect(&rcTemp, &rcPaint, &pControl->GetPos())) continue;
                if (pControl->IsFloat()) {
                    if (!::IntersectRect(&rcTemp, &m_rcItem, &pControl->GetPos())) continue;
                    CRenderClip::UseOldClipBegin(hDC, childClip);
                    pControl->DoPaint(hDC, rcPaint);
                    CRenderClip::UseOldClipEnd(hDC, childClip);
                } else {
                    if (!::IntersectRect(&rcTemp, &rc, &pControl->GetPos())) continue;
                    pControl->DoPaint(hDC, rcPaint);
                }
            }
        }
    }

    if (m_pVerticalScrollBar != NULL && m_pVerticalScrollBar->IsVisible()) {
        if (::IntersectRect(&rcTemp, &rcPaint, &m_pVerticalScrollBar->GetPos()))
            m_pVerticalScrollBar->DoPaint(hDC, rcPaint);
    }
    if (m_pHorizontalScrollBar != NULL && m_pHorizontalScrollBar->IsVisible()) {
        if (::IntersectRect(&rcTemp, &rcPaint, &m_pHorizontalScrollBar->GetPos()))
            m_pHorizontalScrollBar->DoPaint(hDC, rcPaint);
    }
}

}  // namespace SkinUI
