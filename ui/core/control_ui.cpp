// CControlUI: geometry, attributes, invalidation rules, events and the painting
// layers of the control base.
#include "control_ui.h"

#include <cwchar>

#include "attribute_table.h"
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
void CControlUI::SetName(const wchar_t* pstrName)
{
    // A control already in a window's name map moves to its new name there, so that
    // the map never keeps the old name of a control that is later freed.
    if (m_pManager != NULL) m_pManager->RenameControl(this, pstrName);
    m_sName = pstrName;
}
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
    // Moved into another window: the old one must not keep it as its focus, its
    // hover or pressed control or its timer target, or it would reach it there
    // (after the new window may have freed it). Its name stays known: a combo
    // lends its items to its drop-down and takes them back. Leaving for no
    // manager is a passing state, as when a control is painted in another's place.
    if (m_pManager != NULL && pManager != NULL && pManager != m_pManager) m_pManager->ForgetInput(this);
    m_pManager = pManager;
    m_pParent = pParent;
    // A virtual window name given before the control had a manager still has
    // to reach the notifications.
    if (m_pManager != NULL && !m_sVirtualWnd.IsEmpty()) m_pManager->UsedVirtualWnd(true);
    if (bInit && m_pParent != NULL) Init();
}

CControlUI* CControlUI::GetParent() const { return m_pParent; }
CUIString CControlUI::GetText() const { return m_sText; }

void CControlUI::SetText(const wchar_t* pstrText) { ChangeAndInvalidate(m_sText, pstrText); }

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

void CControlUI::SetEnabled(bool bEnabled) { ChangeAndInvalidate(m_bEnabled, bEnabled); }

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
    if ((uFlags & FINDFLAG_HITTEST) != 0 && (!m_bMouseEnabled || !::PtInRect(&m_rcItem, *static_cast<LPPOINT>(pData))))
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
    typedef TAttributeRowUI<CControlUI> Row;
    static const Row kAttributes[] = {
        // A negative left or top places the control from its parent's right or
        // bottom edge; the width and height are the rectangle's either way.
        {L"pos",
         [](CControlUI& control, const wchar_t* value) {
             RECT rcPos = ParseRect(value);
             SIZE szXY = {rcPos.left >= 0 ? rcPos.left : rcPos.right, rcPos.top >= 0 ? rcPos.top : rcPos.bottom};
             control.SetFixedXY(szXY);
             control.SetFixedWidth(rcPos.right - rcPos.left);
             control.SetFixedHeight(rcPos.bottom - rcPos.top);
         }},
        {L"relativepos",
         [](CControlUI& control, const wchar_t* value) {
             int v[4];
             ParseIntList(value, v, 4);
             SIZE szMove = {v[0], v[1]};
             SIZE szZoom = {v[2], v[3]};
             control.SetRelativePos(szMove, szZoom);
         }},
        {L"padding", &Row::ParseAndSet<ParseRect, &CControlUI::SetPadding>},
        {L"bkcolor", &Row::ParseAndSet<ParseColor, &CControlUI::SetBkColor>},
        {L"bkcolor1", &Row::ParseAndSet<ParseColor, &CControlUI::SetBkColor>},
        {L"bkcolor2", &Row::ParseAndSet<ParseColor, &CControlUI::SetBkColor2>},
        {L"bkcolor3", &Row::ParseAndSet<ParseColor, &CControlUI::SetBkColor3>},
        {L"bordercolor", &Row::ParseAndSet<ParseColor, &CControlUI::SetBorderColor>},
        {L"focusbordercolor", &Row::ParseAndSet<ParseColor, &CControlUI::SetFocusBorderColor>},
        {L"colorhsl", &Row::ParseAndSet<ParseBool, &CControlUI::SetColorHSL>},
        // One number is the same border all round; four are the sides' own.
        {L"bordersize",
         [](CControlUI& control, const wchar_t* value) {
             if (wcschr(value, L',') == NULL) {
                 control.SetBorderSize(ParseInt(value));
                 RECT rcNone = {0, 0, 0, 0};
                 control.SetBorderSize(rcNone);
             } else {
                 control.SetBorderSize(ParseRect(value));
             }
         }},
        {L"leftbordersize", &Row::ParseAndSet<ParseInt, &CControlUI::SetLeftBorderSize>},
        {L"topbordersize", &Row::ParseAndSet<ParseInt, &CControlUI::SetTopBorderSize>},
        {L"rightbordersize", &Row::ParseAndSet<ParseInt, &CControlUI::SetRightBorderSize>},
        {L"bottombordersize", &Row::ParseAndSet<ParseInt, &CControlUI::SetBottomBorderSize>},
        {L"borderstyle", &Row::ParseAndSet<ParseInt, &CControlUI::SetBorderStyle>},
        {L"borderround", &Row::ParseAndSet<ParseSize, &CControlUI::SetBorderRound>},
        {L"bkimage", [](CControlUI& control, const wchar_t* value) { control.SetBkImage(value); }},
        {L"width", &Row::ParseAndSet<ParseInt, &CControlUI::SetFixedWidth>},
        {L"height", &Row::ParseAndSet<ParseInt, &CControlUI::SetFixedHeight>},
        {L"minwidth", &Row::ParseAndSet<ParseInt, &CControlUI::SetMinWidth>},
        {L"minheight", &Row::ParseAndSet<ParseInt, &CControlUI::SetMinHeight>},
        {L"maxwidth", &Row::ParseAndSet<ParseInt, &CControlUI::SetMaxWidth>},
        {L"maxheight", &Row::ParseAndSet<ParseInt, &CControlUI::SetMaxHeight>},
        {L"name", &Row::ParseAndSet<AttributeText, &CControlUI::SetName>},
        {L"text", &Row::ParseAndSet<AttributeText, &CControlUI::SetText>},
        {L"tooltip", &Row::ParseAndSet<AttributeText, &CControlUI::SetToolTip>},
        {L"userdata", &Row::ParseAndSet<AttributeText, &CControlUI::SetUserData>},
        {L"enabled", &Row::ParseAndSet<ParseBool, &CControlUI::SetEnabled>},
        {L"mouse", &Row::ParseAndSet<ParseBool, &CControlUI::SetMouseEnabled>},
        {L"keyboard", &Row::ParseAndSet<ParseBool, &CControlUI::SetKeyboardEnabled>},
        {L"visible", &Row::ParseAndSet<ParseBool, &CControlUI::SetVisible>},
        {L"float", &Row::ParseAndSet<ParseBool, &CControlUI::SetFloat>},
        {L"shortcut", [](CControlUI& control, const wchar_t* value) { control.SetShortcut(value[0]); }},
        {L"menu", &Row::ParseAndSet<ParseBool, &CControlUI::SetContextMenuUsed>},
        {L"virtualwnd", &Row::ParseAndSet<AttributeText, &CControlUI::SetVirtualWnd>},
    };
    ApplyAttributeRow(kAttributes, *this, pstrName, pstrValue);
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

void CControlUI::SetBkColor(DWORD dwBackColor) { ChangeAndInvalidate(m_dwBackColor, dwBackColor); }

DWORD CControlUI::GetBkColor2() const { return m_dwBackColor2; }

void CControlUI::SetBkColor2(DWORD dwBackColor) { ChangeAndInvalidate(m_dwBackColor2, dwBackColor); }

DWORD CControlUI::GetBkColor3() const { return m_dwBackColor3; }

void CControlUI::SetBkColor3(DWORD dwBackColor) { ChangeAndInvalidate(m_dwBackColor3, dwBackColor); }

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

void CControlUI::SetBorderColor(DWORD dwBorderColor) { ChangeAndInvalidate(m_dwBorderColor, dwBorderColor); }

DWORD CControlUI::GetFocusBorderColor() const { return m_dwFocusBorderColor; }

void CControlUI::SetFocusBorderColor(DWORD dwBorderColor) { ChangeAndInvalidate(m_dwFocusBorderColor, dwBorderColor); }

bool CControlUI::IsColorHSL() const { return m_bColorHSL; }

void CControlUI::SetColorHSL(bool bColorHSL) { ChangeAndInvalidate(m_bColorHSL, bColorHSL); }

int CControlUI::GetBorderSize() const { return m_nBorderSize; }

void CControlUI::SetBorderSize(int nSize) { ChangeAndInvalidate(m_nBorderSize, nSize); }

void CControlUI::SetBorderSize(RECT rc) { SetAndInvalidate(m_rcBorderSize, rc); }

int CControlUI::GetLeftBorderSize() const { return m_rcBorderSize.left; }

void CControlUI::SetLeftBorderSize(int nSize) { SetAndInvalidate(m_rcBorderSize.left, nSize); }

int CControlUI::GetTopBorderSize() const { return m_rcBorderSize.top; }

void CControlUI::SetTopBorderSize(int nSize) { SetAndInvalidate(m_rcBorderSize.top, nSize); }

int CControlUI::GetRightBorderSize() const { return m_rcBorderSize.right; }

void CControlUI::SetRightBorderSize(int nSize) { SetAndInvalidate(m_rcBorderSize.right, nSize); }

int CControlUI::GetBottomBorderSize() const { return m_rcBorderSize.bottom; }

void CControlUI::SetBottomBorderSize(int nSize) { SetAndInvalidate(m_rcBorderSize.bottom, nSize); }

int CControlUI::GetBorderStyle() const { return m_nBorderStyle; }

void CControlUI::SetBorderStyle(int nStyle) { SetAndInvalidate(m_nBorderStyle, nStyle); }

SIZE CControlUI::GetBorderRound() const { return m_cxyBorderRound; }

void CControlUI::SetBorderRound(SIZE cxyRound) { SetAndInvalidate(m_cxyBorderRound, cxyRound); }

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
        CRenderClip::GenerateRoundClip(hDC, m_rcPaint, m_rcItem, m_cxyBorderRound.cx, m_cxyBorderRound.cy, roundClip);
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
            CRenderEngine::DrawGradient(hDC, rc, GetAdjustColor(m_dwBackColor), GetAdjustColor(m_dwBackColor2), true,
                                        8);
            rc.top = rc.bottom;
            rc.bottom = m_rcItem.bottom;
            CRenderEngine::DrawGradient(hDC, rc, GetAdjustColor(m_dwBackColor2), GetAdjustColor(m_dwBackColor3), true,
                                        8);
        } else {
            CRenderEngine::DrawGradient(hDC, m_rcItem, GetAdjustColor(m_dwBackColor), GetAdjustColor(m_dwBackColor2),
                                        true, 16);
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
    if (m_rcBorderSize.left > 0 || m_rcBorderSize.top > 0 || m_rcBorderSize.right > 0 || m_rcBorderSize.bottom > 0) {
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

}  // namespace SkinUI
