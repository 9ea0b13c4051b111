// CControlUI: geometry, attributes, invalidation rules, events and the painting
// layers of the control base.
#include "control_ui.h"

#include <cwchar>

#include "attribute_values.h"
#include "render_engine.h"

namespace SkinUI {

CControlUI::CControlUI()
    : m_pManager(NULL),
      m_pParent(NULL),
      m_bUpdateNeeded(true),
      m_bVisible(true),
      m_bInternVisible(true),
      m_bFocused(false),
      m_bEnabled(true),
      m_bMouseEnabled(true),
      m_bKeyboardEnabled(true),
      m_bFloat(false),
      m_bSetPos(false),
      m_nTooltipWidth(300),
      m_chShortcut(L'\0'),
      m_bMenuUsed(false),
      m_pTag(0),
      m_dwBackColor(0),
      m_dwBackColor2(0),
      m_dwBackColor3(0),
      m_dwBorderColor(0),
      m_dwFocusBorderColor(0),
      m_bColorHSL(false),
      m_nBorderSize(0),
      m_nBorderStyle(PS_SOLID)
{
    ::ZeroMemory(&m_rcItem, sizeof(m_rcItem));
    ::ZeroMemory(&m_rcPaint, sizeof(m_rcPaint));
    ::ZeroMemory(&m_rcPadding, sizeof(m_rcPadding));
    ::ZeroMemory(&m_rcBorderSize, sizeof(m_rcBorderSize));
    ::ZeroMemory(&m_tRelativePos, sizeof(m_tRelativePos));
    m_cXY.cx = m_cXY.cy = 0;
    m_cxyFixed.cx = m_cxyFixed.cy = 0;
    m_cxyMin.cx = m_cxyMin.cy = 0;
    m_cxyMax.cx = m_cxyMax.cy = 9999;
    m_cxyBorderRound.cx = m_cxyBorderRound.cy = 0;
}

CControlUI::~CControlUI()
{
    if (OnDestroy) OnDestroy(this);
    if (m_pManager != NULL) m_pManager->ReapObjects(this);
}

CUIString CControlUI::GetName() const { return m_sName; }
void CControlUI::SetName(const wchar_t* pstrName) { m_sName = pstrName; }
const wchar_t* CControlUI::GetClass() const { return L"ControlUI"; }

LPVOID CControlUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"Control") == 0) return this;
    return NULL;
}

UINT CControlUI::GetControlFlags() const { return 0; }
bool CControlUI::Activate() { return IsVisible() && IsEnabled(); }
CPaintManagerUI* CControlUI::GetManager() const { return m_pManager; }

void CControlUI::SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit)
{
    m_pManager = pManager;
    m_pParent = pParent;
    // A virtual window name given before the control had a manager still has
    // to reach the notifications.
    if (m_pManager != NULL && !m_sVirtualWnd.IsEmpty()) m_pManager->UsedVirtualWnd(true);
    if (bInit && m_pParent != NULL) Init();
}

CControlUI* CControlUI::GetParent() const { return m_pParent; }
CUIString CControlUI::GetText() const { return m_sText; }

void CControlUI::SetText(const wchar_t* pstrText)
{
    if (m_sText == (pstrText ? pstrText : L"")) return;
    m_sText = pstrText;
    Invalidate();
}

// ---- geometry -----------------------------------------------------------------------

const RECT& CControlUI::GetPos() const { return m_rcItem; }

void CControlUI::SetPos(RECT rc)
{
    if (rc.right < rc.left) rc.right = rc.left;
    if (rc.bottom < rc.top) rc.bottom = rc.top;

    RECT invalidateRc = m_rcItem;
    if (::IsRectEmpty(&invalidateRc)) invalidateRc = rc;
    m_rcItem = rc;
    if (m_pManager == NULL) return;

    if (!m_bSetPos) {
        m_bSetPos = true;
        if (OnSize) OnSize(this);
        m_bSetPos = false;
    }

    if (m_bFloat && m_pParent != NULL) {
        const RECT& rcParentPos = m_pParent->GetPos();
        m_cXY.cx = m_cXY.cx >= 0 ? m_rcItem.left - rcParentPos.left : m_rcItem.right - rcParentPos.right;
        m_cXY.cy = m_cXY.cy >= 0 ? m_rcItem.top - rcParentPos.top : m_rcItem.bottom - rcParentPos.bottom;
        m_cxyFixed.cx = m_rcItem.right - m_rcItem.left;
        m_cxyFixed.cy = m_rcItem.bottom - m_rcItem.top;
    }

    m_bUpdateNeeded = false;

    RECT rcUnion;
    ::UnionRect(&rcUnion, &invalidateRc, &m_rcItem);
    InvalidateClipped(rcUnion);
}

void CControlUI::InvalidateClipped(RECT rc)
{
    if (m_pManager == NULL) return;
    for (CControlUI* pParent = m_pParent; pParent != NULL; pParent = pParent->GetParent()) {
        RECT rcTemp = rc;
        if (!::IntersectRect(&rc, &rcTemp, &pParent->GetPos())) return;
    }
    if (::IsRectEmpty(&rc)) return;
    m_pManager->Invalidate(rc);
}

int CControlUI::GetWidth() const { return m_rcItem.right - m_rcItem.left; }
int CControlUI::GetHeight() const { return m_rcItem.bottom - m_rcItem.top; }
int CControlUI::GetX() const { return m_rcItem.left; }
int CControlUI::GetY() const { return m_rcItem.top; }
RECT CControlUI::GetPadding() const { return m_rcPadding; }

void CControlUI::SetPadding(RECT rcPadding)
{
    m_rcPadding = rcPadding;
    NeedParentUpdate();
}

SIZE CControlUI::GetFixedXY() const { return m_cXY; }

void CControlUI::SetFixedXY(SIZE szXY)
{
    m_cXY = szXY;
    if (!m_bFloat) NeedParentUpdate();
    else NeedUpdate();
}

int CControlUI::GetFixedWidth() const { return m_cxyFixed.cx; }

void CControlUI::SetFixedWidth(int cx)
{
    if (cx < 0) return;
    m_cxyFixed.cx = cx;
    if (!m_bFloat) NeedParentUpdate();
    else NeedUpdate();
}

int CControlUI::GetFixedHeight() const { return m_cxyFixed.cy; }

void CControlUI::SetFixedHeight(int cy)
{
    if (cy < 0) return;
    m_cxyFixed.cy = cy;
    if (!m_bFloat) NeedParentUpdate();
    else NeedUpdate();
}

int CControlUI::GetMinWidth() const { return m_cxyMin.cx; }

void CControlUI::SetMinWidth(int cx)
{
    if (m_cxyMin.cx == cx || cx < 0) return;
    m_cxyMin.cx = cx;
    if (!m_bFloat) NeedParentUpdate();
    else NeedUpdate();
}

int CControlUI::GetMaxWidth() const { return m_cxyMax.cx; }

void CControlUI::SetMaxWidth(int cx)
{
    if (m_cxyMax.cx == cx || cx < 0) return;
    m_cxyMax.cx = cx;
    if (!m_bFloat) NeedParentUpdate();
    else NeedUpdate();
}

int CControlUI::GetMinHeight() const { return m_cxyMin.cy; }

void CControlUI::SetMinHeight(int cy)
{
    if (m_cxyMin.cy == cy || cy < 0) return;
    m_cxyMin.cy = cy;
    if (!m_bFloat) NeedParentUpdate();
    else NeedUpdate();
}

int CControlUI::GetMaxHeight() const { return m_cxyMax.cy; }

void CControlUI::SetMaxHeight(int cy)
{
    if (m_cxyMax.cy == cy || cy < 0) return;
    m_cxyMax.cy = cy;
    if (!m_bFloat) NeedParentUpdate();
    else NeedUpdate();
}

void CControlUI::SetRelativePos(SIZE szMove, SIZE szZoom)
{
    m_tRelativePos.bRelative = true;
    m_tRelativePos.nMoveXPercent = szMove.cx;
    m_tRelativePos.nMoveYPercent = szMove.cy;
    m_tRelativePos.nZoomXPercent = szZoom.cx;
    m_tRelativePos.nZoomYPercent = szZoom.cy;
}

void CControlUI::SetRelativeParentSize(SIZE sz) { m_tRelativePos.szParent = sz; }
TRelativePosUI CControlUI::GetRelativePos() const { return m_tRelativePos; }
bool CControlUI::IsRelativePos() const { return m_tRelativePos.bRelative; }

// ---- simple properties --------------------------------------------------------------

CUIString CControlUI::GetToolTip() const { return m_sToolTip; }

void CControlUI::SetToolTip(const wchar_t* pstrText)
{
    CUIString strTemp(pstrText);
    strTemp.Replace(L"<n>", L"\r\n");
    m_sToolTip = strTemp;
}

void CControlUI::SetToolTipWidth(int nWidth) { m_nTooltipWidth = nWidth; }
int CControlUI::GetToolTipWidth() const { return m_nTooltipWidth; }
wchar_t CControlUI::GetShortcut() const { return m_chShortcut; }
void CControlUI::SetShortcut(wchar_t ch) { m_chShortcut = ch; }
bool CControlUI::IsContextMenuUsed() const { return m_bMenuUsed; }
void CControlUI::SetContextMenuUsed(bool bMenuUsed) { m_bMenuUsed = bMenuUsed; }
const CUIString& CControlUI::GetUserData() { return m_sUserData; }
void CControlUI::SetUserData(const wchar_t* pstrText) { m_sUserData = pstrText; }
UINT_PTR CControlUI::GetTag() const { return m_pTag; }
void CControlUI::SetTag(UINT_PTR pTag) { m_pTag = pTag; }

bool CControlUI::IsVisible() const { return m_bVisible && m_bInternVisible; }

void CControlUI::SetVisible(bool bVisible)
{
    if (m_bVisible == bVisible) return;
    bool v = IsVisible();
    m_bFocused = false;
    m_bVisible = bVisible;
    if (!bVisible && m_pManager != NULL && m_pManager->GetFocus() == this) m_pManager->SetFocus(NULL);
    if (IsVisible() != v) NeedParentUpdate();
}

void CControlUI::SetInternVisible(bool bVisible)
{
    m_bInternVisible = bVisible;
    if (!bVisible && m_pManager != NULL && m_pManager->GetFocus() == this) m_pManager->SetFocus(NULL);
}

bool CControlUI::IsEnabled() const { return m_bEnabled; }

void CControlUI::SetEnabled(bool bEnabled)
{
    if (m_bEnabled == bEnabled) return;
    m_bEnabled = bEnabled;
    Invalidate();
}

bool CControlUI::IsMouseEnabled() const { return m_bMouseEnabled; }
void CControlUI::SetMouseEnabled(bool bEnabled) { m_bMouseEnabled = bEnabled; }
bool CControlUI::IsKeyboardEnabled() const { return m_bKeyboardEnabled; }
void CControlUI::SetKeyboardEnabled(bool bEnabled) { m_bKeyboardEnabled = bEnabled; }
bool CControlUI::IsFocused() const { return m_bFocused; }

void CControlUI::SetFocus()
{
    if (m_pManager != NULL) m_pManager->SetFocus(this);
}

bool CControlUI::IsFloat() const { return m_bFloat; }

void CControlUI::SetFloat(bool bFloat)
{
    if (m_bFloat == bFloat) return;
    m_bFloat = bFloat;
    NeedParentUpdate();
}

CControlUI* CControlUI::FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags)
{
    if ((uFlags & FINDFLAG_VISIBLE) != 0 && !IsVisible()) return NULL;
    if ((uFlags & FINDFLAG_ENABLED) != 0 && !IsEnabled()) return NULL;
    if ((uFlags & FINDFLAG_HITTEST) != 0 &&
        (!m_bMouseEnabled || !::PtInRect(&m_rcItem, *static_cast<LPPOINT>(pData))))
        return NULL;
    return Proc(this, pData);
}

// ---- life and events -----------------------------------------------------------------

void CControlUI::Init()
{
    DoInit();
    if (OnInit) OnInit(this);
}

void CControlUI::DoInit() {}

void CControlUI::Event(TEventUI& event)
{
    if (OnEvent(&event)) DoEvent(event);
}

void CControlUI::DoEvent(TEventUI& event)
{
    if (event.type == UIEV_SET_CURSOR) {
        ::SetCursor(::LoadCursorW(NULL, MAKEINTRESOURCEW(32512) /* IDC_ARROW */));
        return;
    }
    if (event.type == UIEV_SET_FOCUS) {
        m_bFocused = true;
        Invalidate();
        return;
    }
    if (event.type == UIEV_KILL_FOCUS) {
        m_bFocused = false;
        Invalidate();
        return;
    }
    if (event.type == UIEV_TIMER) {
        if (m_pManager != NULL) m_pManager->SendNotify(this, L"timer", event.wParam, event.lParam);
        return;
    }
    if (event.type == UIEV_CONTEXT_MENU && IsContextMenuUsed()) {
        if (m_pManager != NULL) m_pManager->SendNotify(this, L"menu", event.wParam, event.lParam);
        return;
    }
    if (m_pParent != NULL) m_pParent->DoEvent(event);
}

// ---- attributes -------------------------------------------------------------------------

void CControlUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName == NULL || pstrValue == NULL) return;
    if (wcscmp(pstrName, L"pos") == 0) {
        RECT rcPos = ParseRect(pstrValue);
        SIZE szXY = {rcPos.left >= 0 ? rcPos.left : rcPos.right, rcPos.top >= 0 ? rcPos.top : rcPos.bottom};
        SetFixedXY(szXY);
        SetFixedWidth(rcPos.right - rcPos.left);
        SetFixedHeight(rcPos.bottom - rcPos.top);
    } else if (wcscmp(pstrName, L"relativepos") == 0) {
        int v[4];
        ParseIntList(pstrValue, v, 4);
        SIZE szMove = {v[0], v[1]};
        SIZE szZoom = {v[2], v[3]};
        SetRelativePos(szMove, szZoom);
    } else if (wcscmp(pstrName, L"padding") == 0) {
        SetPadding(ParseRect(pstrValue));
    } else if (wcscmp(pstrName, L"bkcolor") == 0 || wcscmp(pstrName, L"bkcolor1") == 0) {
        SetBkColor(ParseColor(pstrValue));
    } else if (wcscmp(pstrName, L"bkcolor2") == 0) {
        SetBkColor2(ParseColor(pstrValue));
    } else if (wcscmp(pstrName, L"bkcolor3") == 0) {
        SetBkColor3(ParseColor(pstrValue));
    } else if (wcscmp(pstrName, L"bordercolor") == 0) {
        SetBorderColor(ParseColor(pstrValue));
    } else if (wcscmp(pstrName, L"focusbordercolor") == 0) {
        SetFocusBorderColor(ParseColor(pstrValue));
    } else if (wcscmp(pstrName, L"colorhsl") == 0) {
        SetColorHSL(ParseBool(pstrValue));
    } else if (wcscmp(pstrName, L"bordersize") == 0) {
        if (wcschr(pstrValue, L',') == NULL) {
            SetBorderSize(ParseInt(pstrValue));
            RECT rcNone = {0, 0, 0, 0};
            SetBorderSize(rcNone);
        } else {
            SetBorderSize(ParseRect(pstrValue));
        }
    } else if (wcscmp(pstrName, L"leftbordersize") == 0) {
        SetLeftBorderSize(ParseInt(pstrValue));
    } else if (wcscmp(pstrName, L"topbordersize") == 0) {
        SetTopBorderSize(ParseInt(pstrValue));
    } else if (wcscmp(pstrName, L"rightbordersize") == 0) {
        SetRightBorderSize(ParseInt(pstrValue));
    } else if (wcscmp(pstrName, L"bottombordersize") == 0) {
        SetBottomBorderSize(ParseInt(pstrValue));
    } else if (wcscmp(pstrName, L"borderstyle") == 0) {
        SetBorderStyle(ParseInt(pstrValue));
    } else if (wcscmp(pstrName, L"borderround") == 0) {
        SetBorderRound(ParseSize(pstrValue));
    } else if (wcscmp(pstrName, L"bkimage") == 0) {
        SetBkImage(pstrValue);
    } else if (wcscmp(pstrName, L"width") == 0) {
        SetFixedWidth(ParseInt(pstrValue));
    } else if (wcscmp(pstrName, L"height") == 0) {
        SetFixedHeight(ParseInt(pstrValue));
    } else if (wcscmp(pstrName, L"minwidth") == 0) {
        SetMinWidth(ParseInt(pstrValue));
    } else if (wcscmp(pstrName, L"minheight") == 0) {
        SetMinHeight(ParseInt(pstrValue));
    } else if (wcscmp(pstrName, L"maxwidth") == 0) {
        SetMaxWidth(ParseInt(pstrValue));
    } else if (wcscmp(pstrName, L"maxheight") == 0) {
        SetMaxHeight(ParseInt(pstrValue));
    } else if (wcscmp(pstrName, L"name") == 0) {
        SetName(pstrValue);
    } else if (wcscmp(pstrName, L"text") == 0) {
        SetText(pstrValue);
    } else if (wcscmp(pstrName, L"tooltip") == 0) {
        SetToolTip(pstrValue);
    } else if (wcscmp(pstrName, L"userdata") == 0) {
        SetUserData(pstrValue);
    } else if (wcscmp(pstrName, L"enabled") == 0) {
        SetEnabled(ParseBool(pstrValue));
    } else if (wcscmp(pstrName, L"mouse") == 0) {
        SetMouseEnabled(ParseBool(pstrValue));
    } else if (wcscmp(pstrName, L"keyboard") == 0) {
        SetKeyboardEnabled(ParseBool(pstrValue));
    } else if (wcscmp(pstrName, L"visible") == 0) {
        SetVisible(ParseBool(pstrValue));
    } else if (wcscmp(pstrName, L"float") == 0) {
        SetFloat(ParseBool(pstrValue));
    } else if (wcscmp(pstrName, L"shortcut") == 0) {
        SetShortcut(pstrValue[0]);
    } else if (wcscmp(pstrName, L"menu") == 0) {
        SetContextMenuUsed(ParseBool(pstrValue));
    } else if (wcscmp(pstrName, L"virtualwnd") == 0) {
        SetVirtualWnd(pstrValue);
    }
}

CControlUI* CControlUI::ApplyAttributeList(const wchar_t* pstrList)
{
    if (pstrList == NULL) return this;
    CUIString sName;
    CUIString sValue;
    const wchar_t* p = pstrList;
    while (*p != L'\0') {
        const wchar_t* nameStart = p;
        while (*p != L'\0' && *p != L'=') ++p;
        if (*p != L'=') return this;
        sName.Assign(nameStart, static_cast<int>(p - nameStart));
        ++p;
        if (*p != L'"') return this;
        ++p;
        const wchar_t* valueStart = p;
        while (*p != L'\0' && *p != L'"') ++p;
        if (*p != L'"') return this;
        sValue.Assign(valueStart, static_cast<int>(p - valueStart));
        ++p;
        SetAttribute(sName, sValue);
        if (*p != L' ') return this;
        ++p;
    }
    return this;
}

SIZE CControlUI::EstimateSize(SIZE) { return m_cxyFixed; }

// ---- colours, images and borders -------------------------------------------------------

DWORD CControlUI::GetBkColor() const { return m_dwBackColor; }

void CControlUI::SetBkColor(DWORD dwBackColor)
{
    if (m_dwBackColor == dwBackColor) return;
    m_dwBackColor = dwBackColor;
    Invalidate();
}

DWORD CControlUI::GetBkColor2() const { return m_dwBackColor2; }

void CControlUI::SetBkColor2(DWORD dwBackColor)
{
    if (m_dwBackColor2 == dwBackColor) return;
    m_dwBackColor2 = dwBackColor;
    Invalidate();
}

DWORD CControlUI::GetBkColor3() const { return m_dwBackColor3; }

void CControlUI::SetBkColor3(DWORD dwBackColor)
{
    if (m_dwBackColor3 == dwBackColor) return;
    m_dwBackColor3 = dwBackColor;
    Invalidate();
}

const wchar_t* CControlUI::GetBkImage() { return m_sBkImage; }

void CControlUI::SetBkImage(const wchar_t* pStrImage, bool bReload)
{
    if (m_sBkImage != (pStrImage ? pStrImage : L"")) {
        m_sBkImage = pStrImage;
        Invalidate();
        return;
    }
    if (!bReload) return;
    // Drop the cached bitmap of the file named in the description, so that the
    // next paint loads it again.
    int pos = m_sBkImage.Find(L"file");
    if (m_pManager != NULL && pos >= 0) {
        int open = m_sBkImage.Find(L'\'', pos);
        int close = open >= 0 ? m_sBkImage.Find(L'\'', open + 1) : -1;
        if (close > open) m_pManager->RemoveImage(m_sBkImage.Mid(open + 1, close - open - 1));
    }
    Invalidate();
}

DWORD CControlUI::GetBorderColor() const { return m_dwBorderColor; }

void CControlUI::SetBorderColor(DWORD dwBorderColor)
{
    if (m_dwBorderColor == dwBorderColor) return;
    m_dwBorderColor = dwBorderColor;
    Invalidate();
}

DWORD CControlUI::GetFocusBorderColor() const { return m_dwFocusBorderColor; }

void CControlUI::SetFocusBorderColor(DWORD dwBorderColor)
{
    if (m_dwFocusBorderColor == dwBorderColor) return;
    m_dwFocusBorderColor = dwBorderColor;
    Invalidate();
}

bool CControlUI::IsColorHSL() const { return m_bColorHSL; }

void CControlUI::SetColorHSL(bool bColorHSL)
{
    if (m_bColorHSL == bColorHSL) return;
    m_bColorHSL = bColorHSL;
    Invalidate();
}

int CControlUI::GetBorderSize() const { return m_nBorderSize; }

void CControlUI::SetBorderSize(int nSize)
{
    if (m_nBorderSize == nSize) return;
    m_nBorderSize = nSize;
    Invalidate();
}

void CControlUI::SetBorderSize(RECT rc)
{
    m_rcBorderSize = rc;
    Invalidate();
}

int CControlUI::GetLeftBorderSize() const { return m_rcBorderSize.left; }

void CControlUI::SetLeftBorderSize(int nSize)
{
    m_rcBorderSize.left = nSize;
    Invalidate();
}

int CControlUI::GetTopBorderSize() const { return m_rcBorderSize.top; }

void CControlUI::SetTopBorderSize(int nSize)
{
    m_rcBorderSize.top = nSize;
    Invalidate();
}

int CControlUI::GetRightBorderSize() const { return m_rcBorderSize.right; }

void CControlUI::SetRightBorderSize(int nSize)
{
    m_rcBorderSize.right = nSize;
    Invalidate();
}

int CControlUI::GetBottomBorderSize() const { return m_rcBorderSize.bottom; }

void CControlUI::SetBottomBorderSize(int nSize)
{
    m_rcBorderSize.bottom = nSize;
    Invalidate();
}

int CControlUI::GetBorderStyle() const { return m_nBorderStyle; }

void CControlUI::SetBorderStyle(int nStyle)
{
    m_nBorderStyle = nStyle;
    Invalidate();
}

SIZE CControlUI::GetBorderRound() const { return m_cxyBorderRound; }

void CControlUI::SetBorderRound(SIZE cxyRound)
{
    m_cxyBorderRound = cxyRound;
    Invalidate();
}

bool CControlUI::DrawImage(HDC hDC, const wchar_t* pStrImage, const wchar_t* pStrModify)
{
    return CRenderEngine::DrawImageString(hDC, m_pManager, m_rcItem, m_rcPaint, pStrImage, pStrModify);
}

// ---- invalidation and layout requests ---------------------------------------------------------

void CControlUI::Invalidate()
{
    if (!IsVisible()) return;
    InvalidateClipped(m_rcItem);
}

bool CControlUI::IsUpdateNeeded() const { return m_bUpdateNeeded; }

void CControlUI::NeedUpdate()
{
    if (!IsVisible()) return;
    // Marked already while the window waits for its next layout pass: that
    // pass lays the control out and repaints it, so the window is not asked
    // again (asking it for every row added to a list made filling it slow).
    const bool bPending = m_bUpdateNeeded && m_pManager != NULL && m_pManager->IsUpdateNeeded();
    m_bUpdateNeeded = true;
    if (!bPending) Invalidate();
    if (m_pManager != NULL) m_pManager->NeedUpdate();
}

void CControlUI::NeedParentUpdate()
{
    // The parent's NeedUpdate invalidates its rectangle unless it is waiting
    // for the layout pass already.
    if (GetParent() != NULL) {
        GetParent()->NeedUpdate();
    } else {
        NeedUpdate();
    }
    if (m_pManager != NULL) m_pManager->NeedUpdate();
}

DWORD CControlUI::GetAdjustColor(DWORD dwColor)
{
    if (!m_bColorHSL) return dwColor;
    short H, S, L;
    CPaintManagerUI::GetHSL(&H, &S, &L);
    return CRenderEngine::AdjustColor(dwColor, H, S, L);
}

void CControlUI::SetVirtualWnd(const wchar_t* pstrValue)
{
    m_sVirtualWnd = pstrValue;
    // Layouts may set this before the control is attached; the flag is set then
    // when a manager is there.
    if (m_pManager != NULL) m_pManager->UsedVirtualWnd(true);
}

CUIString CControlUI::GetVirtualWnd() const
{
    if (!m_sVirtualWnd.IsEmpty()) return m_sVirtualWnd;
    if (m_pParent != NULL) return m_pParent->GetVirtualWnd();
    return CUIString();
}

// ---- painting -----------------------------------------------------------------------------

void CControlUI::DoPaint(HDC hDC, const RECT& rcPaint)
{
    if (!::IntersectRect(&m_rcPaint, &rcPaint, &m_rcItem)) return;
    if (m_cxyBorderRound.cx > 0 || m_cxyBorderRound.cy > 0) {
        CRenderClip roundClip;
        CRenderClip::GenerateRoundClip(hDC, m_rcPaint, m_rcItem, m_cxyBorderRound.cx, m_cxyBorderRound.cy,
                                       roundClip);
        PaintBkColor(hDC);
        PaintBkImage(hDC);
        PaintStatusImage(hDC);
        PaintText(hDC);
        PaintBorder(hDC);
    } else {
        PaintBkColor(hDC);
        PaintBkImage(hDC);
        PaintStatusImage(hDC);
        PaintText(hDC);
        PaintBorder(hDC);
    }
}

void CControlUI::PaintBkColor(HDC hDC)
{
    if (m_dwBackColor == 0) return;
    if (m_dwBackColor2 != 0) {
        if (m_dwBackColor3 != 0) {
            RECT rc = m_rcItem;
            rc.bottom = (m_rcItem.bottom + m_rcItem.top) / 2;
            CRenderEngine::DrawGradient(hDC, rc, GetAdjustColor(m_dwBackColor), GetAdjustColor(m_dwBackColor2),
                                        true, 8);
            rc.top = rc.bottom;
            rc.bottom = m_rcItem.bottom;
            CRenderEngine::DrawGradient(hDC, rc, GetAdjustColor(m_dwBackColor2), GetAdjustColor(m_dwBackColor3),
                                        true, 8);
        } else {
            CRenderEngine::DrawGradient(hDC, m_rcItem, GetAdjustColor(m_dwBackColor),
                                        GetAdjustColor(m_dwBackColor2), true, 16);
        }
    } else if (m_dwBackColor >= 0xFF000000) {
        CRenderEngine::DrawColor(hDC, m_rcPaint, GetAdjustColor(m_dwBackColor));
    } else {
        CRenderEngine::DrawColor(hDC, m_rcItem, GetAdjustColor(m_dwBackColor));
    }
}

void CControlUI::PaintBkImage(HDC hDC)
{
    if (m_sBkImage.IsEmpty()) return;
    if (!DrawImage(hDC, m_sBkImage)) m_sBkImage.Empty();
}

void CControlUI::PaintStatusImage(HDC) {}
void CControlUI::PaintText(HDC) {}

void CControlUI::PaintBorder(HDC hDC)
{
    if (m_dwBorderColor == 0 && m_dwFocusBorderColor == 0) return;
    if (m_nBorderSize > 0 && (m_cxyBorderRound.cx > 0 || m_cxyBorderRound.cy > 0)) {
        DWORD color = IsFocused() && m_dwFocusBorderColor != 0 ? m_dwFocusBorderColor : m_dwBorderColor;
        if (color != 0) {
            CRenderEngine::DrawRoundRect(hDC, m_rcItem, m_nBorderSize, m_cxyBorderRound.cx, m_cxyBorderRound.cy,
                                         GetAdjustColor(color));
        }
        return;
    }
    if (IsFocused() && m_dwFocusBorderColor != 0 && m_nBorderSize > 0) {
        CRenderEngine::DrawRect(hDC, m_rcItem, m_nBorderSize, GetAdjustColor(m_dwFocusBorderColor));
        return;
    }
    // A control with only a focus border colour has no border while it is not
    // focused (a colour of 0 is no colour, not black).
    if (m_dwBorderColor == 0) return;
    if (m_rcBorderSize.left > 0 || m_rcBorderSize.top > 0 || m_rcBorderSize.right > 0 ||
        m_rcBorderSize.bottom > 0) {
        DWORD color = GetAdjustColor(m_dwBorderColor);
        if (m_rcBorderSize.left > 0) {
            RECT rc = {m_rcItem.left, m_rcItem.top, m_rcItem.left, m_rcItem.bottom};
            CRenderEngine::DrawLine(hDC, rc, m_rcBorderSize.left, color, m_nBorderStyle);
        }
        if (m_rcBorderSize.top > 0) {
            RECT rc = {m_rcItem.left, m_rcItem.top, m_rcItem.right, m_rcItem.top};
            CRenderEngine::DrawLine(hDC, rc, m_rcBorderSize.top, color, m_nBorderStyle);
        }
        if (m_rcBorderSize.right > 0) {
            // Item rectangles exclude their right and bottom edges; the lines
            // are drawn on the last column and row inside.
            RECT rc = {m_rcItem.right - 1, m_rcItem.top, m_rcItem.right - 1, m_rcItem.bottom};
            CRenderEngine::DrawLine(hDC, rc, m_rcBorderSize.right, color, m_nBorderStyle);
        }
        if (m_rcBorderSize.bottom > 0) {
            RECT rc = {m_rcItem.left, m_rcItem.bottom - 1, m_rcItem.right, m_rcItem.bottom - 1};
            CRenderEngine::DrawLine(hDC, rc, m_rcBorderSize.bottom, color, m_nBorderStyle);
        }
    } else if (m_nBorderSize > 0) {
        CRenderEngine::DrawRect(hDC, m_rcItem, m_nBorderSize, GetAdjustColor(m_dwBorderColor));
    }
}

void CControlUI::DoPostPaint(HDC, const RECT&) {}

} // namespace SkinUI
