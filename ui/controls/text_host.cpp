// The rich edit's text host: default formats built from the control, the
// engine loaded from "msftedit.dll", and every callback of the engine answered
// from the control's window, paint manager and framework scroll bars.
#include "text_host.h"

#include <cwchar>
#include <imm.h>

#include "core/paint_manager.h"
#include "rich_edit.h"
#include "core/scroll_bar.h"

namespace SkinUI {

namespace {

// {8D33F740-CF58-11CE-A89D-00AA006CADC5}
const IID kIidTextServices = {0x8d33f740, 0xcf58, 0x11ce, {0xa8, 0x9d, 0x00, 0xaa, 0x00, 0x6c, 0xad, 0xc5}};
// {C5BDD8D0-D26E-11CE-A89E-00AA006CADC5}
const IID kIidTextHost = {0xc5bdd8d0, 0xd26e, 0x11ce, {0xa8, 0x9e, 0x00, 0xaa, 0x00, 0x6c, 0xad, 0xc5}};

const LONG kDefaultMaxLength = 32767;
const LONG kHimetricPerInch = 2540;
const LONG kTwipsPerInch = 1440;

struct ScreenDpi
{
    int x, y;
};

ScreenDpi ScreenPixelsPerInch()
{
    WindowDC screen;
    ScreenDpi dpi = {::GetDeviceCaps(screen, LOGPIXELSX), ::GetDeviceCaps(screen, LOGPIXELSY)};
    if (dpi.x <= 0) dpi.x = 96;
    if (dpi.y <= 0) dpi.y = 96;
    return dpi;
}

COLORREF ArgbToColorRef(DWORD argb) { return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF); }

// The character format of a font in the given colour.
void CharFormatFromFont(HFONT hFont, DWORD argb, CHARFORMAT2W& cf)
{
    LOGFONTW lf = {};
    ::GetObjectW(hFont != NULL ? hFont : ::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    ::ZeroMemory(&cf, sizeof(cf));
    cf.cbSize = sizeof(cf);
    cf.dwMask = CFM_SIZE | CFM_OFFSET | CFM_FACE | CFM_CHARSET | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE;
    cf.yHeight = -lf.lfHeight * kTwipsPerInch / ScreenPixelsPerInch().y;
    cf.crTextColor = ArgbToColorRef(argb);
    if (lf.lfWeight >= FW_BOLD) cf.dwEffects |= CFE_BOLD;
    if (lf.lfItalic) cf.dwEffects |= CFE_ITALIC;
    if (lf.lfUnderline) cf.dwEffects |= CFE_UNDERLINE;
    cf.bCharSet = lf.lfCharSet;
    cf.bPitchAndFamily = lf.lfPitchAndFamily;
    lstrcpynW(cf.szFaceName, lf.lfFaceName, LF_FACESIZE);
}

CScrollBarUI* BarOf(CRichEditUI* pOwner, bool vertical)
{
    if (pOwner == NULL) return NULL;
    return vertical ? pOwner->GetVerticalScrollBar() : pOwner->GetHorizontalScrollBar();
}

} // namespace

CTxtWinHost::CTxtWinHost(CRichEditUI* pOwner)
    : m_pOwner(pOwner),
      m_cRefs(1),
      m_hEngine(NULL),
      m_lSelBarWidth(0),
      m_cchTextMost(kDefaultMaxLength),
      m_rcClient(),
      m_sizelExtent(),
      m_cf(),
      m_pf(),
      m_dwStyle(0),
      m_bEnableAutoWordSel(false),
      m_bWordWrap(false),
      m_bAllowBeep(false),
      m_bRich(false),
      m_bSaveSelection(true),
      m_bInplaceActive(true),
      m_bTransparent(false),
      m_bTimer(false),
      m_bCaptured(false),
      m_lAccelPos(-1),
      m_chPasswordChar(0)
{}

CTxtWinHost::~CTxtWinHost()
{
    if (m_pServices != NULL) {
        m_pServices->OnTxInPlaceDeactivate();
        // Before the engine's module goes: its code runs the release.
        m_pServices.Reset();
    }
    if (m_hEngine != NULL) ::FreeLibrary(m_hEngine);
}

bool CTxtWinHost::Init(DWORD dwStyle, const wchar_t* pstrText)
{
    m_dwStyle = dwStyle;
    CharFormatFromFont(m_pOwner->ResolveFont(), m_pOwner->GetTextColor(), m_cf);

    m_pf.cbSize = sizeof(m_pf);
    m_pf.dwMask = 0x8001003F; // PFM_ALL: every paragraph property
    m_pf.wAlignment = PFA_LEFT;
    if (dwStyle & ES_CENTER) m_pf.wAlignment = PFA_CENTER;
    else if (dwStyle & ES_RIGHT) m_pf.wAlignment = PFA_RIGHT;
    m_pf.cTabCount = 1;
    m_pf.rgxTabs[0] = 720; // half an inch in twips

    m_bWordWrap = (dwStyle & (ES_AUTOHSCROLL | WS_HSCROLL)) == 0;
    m_bRich = m_pOwner->IsRich();
    LimitText(m_pOwner->GetLimitText());

    m_hEngine = ::LoadLibraryW(L"msftedit.dll");
    if (m_hEngine == NULL) return false;
    PCreateTextServices create =
        reinterpret_cast<PCreateTextServices>(::GetProcAddress(m_hEngine, "CreateTextServices"));
    if (create == NULL) return false;
    ComPtr<IUnknown> unknown;
    if (FAILED(create(NULL, this, unknown.Receive())) || unknown == NULL) return false;
    if (FAILED(m_pServices.QueryFrom(unknown, kIidTextServices))) return false;
    m_pServices->TxSetText(pstrText != NULL ? pstrText : L"");
    return true;
}

void CTxtWinHost::Detach() { m_pOwner = NULL; }

HWND CTxtWinHost::Window() const
{
    if (m_pOwner == NULL || m_pOwner->GetManager() == NULL) return NULL;
    return m_pOwner->GetManager()->GetPaintWindow();
}

void CTxtWinHost::PropertyChange(DWORD dwMask, DWORD dwBits)
{
    if (m_pServices != NULL) m_pServices->OnTxPropertyBitsChange(dwMask, dwBits);
}

void CTxtWinHost::UpdateExtent()
{
    ScreenDpi dpi = ScreenPixelsPerInch();
    m_sizelExtent.cx = (m_rcClient.right - m_rcClient.left) * kHimetricPerInch / dpi.x;
    m_sizelExtent.cy = (m_rcClient.bottom - m_rcClient.top) * kHimetricPerInch / dpi.y;
}

void CTxtWinHost::SetClientRect(const RECT& rc)
{
    m_rcClient = rc;
    UpdateExtent();
    PropertyChange(TXTBIT_EXTENTCHANGE | TXTBIT_CLIENTRECTCHANGE, TXTBIT_EXTENTCHANGE | TXTBIT_CLIENTRECTCHANGE);
    if (m_pServices != NULL && m_bInplaceActive) m_pServices->OnTxInPlaceActivate(&m_rcClient);
}

void CTxtWinHost::SetTransparent(bool bTransparent)
{
    m_bTransparent = bTransparent;
    PropertyChange(TXTBIT_BACKSTYLECHANGE, 0);
}

void CTxtWinHost::SetWordWrap(bool bWordWrap)
{
    m_bWordWrap = bWordWrap;
    PropertyChange(TXTBIT_WORDWRAP, bWordWrap ? TXTBIT_WORDWRAP : 0);
}

void CTxtWinHost::SetReadOnly(bool bReadOnly)
{
    if (bReadOnly) m_dwStyle |= ES_READONLY;
    else m_dwStyle &= ~ES_READONLY;
    PropertyChange(TXTBIT_READONLY, bReadOnly ? TXTBIT_READONLY : 0);
}

void CTxtWinHost::SetRichTextFlag(bool bRich)
{
    m_bRich = bRich;
    PropertyChange(TXTBIT_RICHTEXT, bRich ? TXTBIT_RICHTEXT : 0);
}

void CTxtWinHost::LimitText(LONG nChars)
{
    // No limit or a negative one means the engine's usual 32767 characters.
    m_cchTextMost = nChars > 0 ? nChars : kDefaultMaxLength;
    PropertyChange(TXTBIT_MAXLENGTHCHANGE, TXTBIT_MAXLENGTHCHANGE);
    // Engines that read the length only at start take it as a message too.
    if (m_pServices != NULL) m_pServices->TxSendMessage(EM_EXLIMITTEXT, 0, m_cchTextMost, NULL);
}

void CTxtWinHost::SetFont(HFONT hFont)
{
    if (hFont == NULL) return;
    CharFormatFromFont(hFont, m_pOwner != NULL ? m_pOwner->GetTextColor() : 0, m_cf);
    PropertyChange(TXTBIT_CHARFORMATCHANGE, TXTBIT_CHARFORMATCHANGE);
}

void CTxtWinHost::SetColor(DWORD dwArgb)
{
    m_cf.crTextColor = ArgbToColorRef(dwArgb);
    m_cf.dwEffects &= ~CFE_AUTOCOLOR;
    PropertyChange(TXTBIT_CHARFORMATCHANGE, TXTBIT_CHARFORMATCHANGE);
}

void CTxtWinHost::SetCharFormat(const CHARFORMAT2W& cf) { m_cf = cf; }
void CTxtWinHost::SetParaFormat(const PARAFORMAT2& pf) { m_pf = pf; }

void CTxtWinHost::SetPasswordChar(wchar_t ch)
{
    m_chPasswordChar = ch;
    PropertyChange(TXTBIT_USEPASSWORD, ch != 0 ? TXTBIT_USEPASSWORD : 0);
}

void CTxtWinHost::DoSetCursor(const POINT& pt)
{
    if (m_pServices == NULL || !::PtInRect(&m_rcClient, pt)) return;
    HDC hdc = m_pOwner != NULL && m_pOwner->GetManager() != NULL ? m_pOwner->GetManager()->GetPaintDC() : NULL;
    m_pServices->OnTxSetCursor(DVASPECT_CONTENT, -1, NULL, NULL, hdc, NULL, &m_rcClient, pt.x, pt.y);
}

// ---- IUnknown --------------------------------------------------------------------------------

HRESULT STDMETHODCALLTYPE CTxtWinHost::QueryInterface(REFIID riid, void** ppvObject)
{
    if (ppvObject == NULL) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, kIidTextHost)) {
        *ppvObject = static_cast<ITextHost*>(this);
        AddRef();
        return S_OK;
    }
    *ppvObject = NULL;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CTxtWinHost::AddRef() { return ++m_cRefs; }

ULONG STDMETHODCALLTYPE CTxtWinHost::Release()
{
    ULONG c = --m_cRefs;
    if (c == 0) delete this;
    return c;
}

// ---- ITextHost -------------------------------------------------------------------------------

HDC CTxtWinHost::TxGetDC()
{
    if (m_pOwner == NULL || m_pOwner->GetManager() == NULL) return NULL;
    return m_pOwner->GetManager()->GetPaintDC();
}

INT CTxtWinHost::TxReleaseDC(HDC) { return 1; }

void CTxtWinHost::ShowBar(CScrollBarUI* bar, bool show)
{
    if (bar == NULL || bar->IsVisible() == show) return;
    bar->SetVisible(show);
    // A hidden vertical bar leaves nothing to check against the text's height.
    // Left pending, the check asks for a layout from every paint, and a layout
    // without the bar never ends it: the window repaints without pause and its
    // timers starve (an empty edit whose engine shows, then disables its bar).
    if (!show && bar == BarOf(m_pOwner, true)) m_pOwner->m_bVScrollBarFixing = false;
    m_pOwner->NeedUpdate();
}

WINBOOL CTxtWinHost::TxShowScrollBar(INT fnBar, WINBOOL fShow)
{
    if (fnBar == SB_VERT || fnBar == SB_BOTH) ShowBar(BarOf(m_pOwner, true), fShow != FALSE);
    if (fnBar == SB_HORZ || fnBar == SB_BOTH) ShowBar(BarOf(m_pOwner, false), fShow != FALSE);
    return TRUE;
}

WINBOOL CTxtWinHost::TxEnableScrollBar(INT fuSBFlags, INT fuArrowflags)
{
    CScrollBarUI* bars[2] = {NULL, NULL};
    if (fuSBFlags == SB_VERT || fuSBFlags == SB_BOTH) bars[0] = BarOf(m_pOwner, true);
    if (fuSBFlags == SB_HORZ || fuSBFlags == SB_BOTH) bars[1] = BarOf(m_pOwner, false);
    for (CScrollBarUI* bar : bars) {
        if (bar == NULL) continue;
        bar->SetEnabled(fuArrowflags != ESB_DISABLE_BOTH);
        if (fuArrowflags == ESB_DISABLE_BOTH) ShowBar(bar, false);
    }
    return TRUE;
}

WINBOOL CTxtWinHost::TxSetScrollRange(INT fnBar, LONG nMinPos, INT nMaxPos, WINBOOL)
{
    const bool vertical = fnBar == SB_VERT;
    CScrollBarUI* bar = BarOf(m_pOwner, vertical);
    if (bar == NULL) return TRUE;
    const LONG visible = vertical ? m_rcClient.bottom - m_rcClient.top : m_rcClient.right - m_rcClient.left;
    const LONG range = (nMaxPos - nMinPos) - visible;
    // A vertical bar shown by a range the engine measured before the text area
    // had its size is checked against the text at the next layout.
    if (vertical && range > 0 && !bar->IsVisible()) m_pOwner->m_bVScrollBarFixing = true;
    ShowBar(bar, range > 0);
    bar->SetScrollRange(range > 0 ? range : 0);
    return TRUE;
}

WINBOOL CTxtWinHost::TxSetScrollPos(INT fnBar, INT nPos, WINBOOL)
{
    CScrollBarUI* bar = BarOf(m_pOwner, fnBar == SB_VERT);
    if (bar != NULL) bar->SetScrollPos(nPos);
    return TRUE;
}

void CTxtWinHost::TxInvalidateRect(LPCRECT prc, WINBOOL)
{
    HWND hwnd = Window();
    if (hwnd == NULL) return;
    ::InvalidateRect(hwnd, prc != NULL ? prc : &m_rcClient, FALSE);
}

void CTxtWinHost::TxViewChange(WINBOOL)
{
    if (m_pOwner != NULL && m_pOwner->OnTxViewChanged()) m_pOwner->Invalidate();
}

WINBOOL CTxtWinHost::TxCreateCaret(HBITMAP hbmp, INT xWidth, INT yHeight)
{
    return ::CreateCaret(Window(), hbmp, xWidth, yHeight);
}

WINBOOL CTxtWinHost::TxShowCaret(WINBOOL fShow) { return fShow ? ::ShowCaret(Window()) : ::HideCaret(Window()); }

WINBOOL CTxtWinHost::TxSetCaretPos(INT x, INT y) { return ::SetCaretPos(x, y); }

WINBOOL CTxtWinHost::TxSetTimer(UINT idTimer, UINT uTimeout)
{
    if (m_pOwner == NULL || m_pOwner->GetManager() == NULL) return FALSE;
    m_bTimer = true;
    return m_pOwner->GetManager()->SetTimer(m_pOwner, idTimer, uTimeout);
}

void CTxtWinHost::TxKillTimer(UINT idTimer)
{
    if (m_pOwner == NULL || m_pOwner->GetManager() == NULL) return;
    m_pOwner->GetManager()->KillTimer(m_pOwner, idTimer);
    m_bTimer = false;
}

void CTxtWinHost::TxScrollWindowEx(INT, INT, LPCRECT, LPCRECT, HRGN, LPRECT, UINT)
{
    // Nothing is scrolled on screen: the moved content is painted anew.
    if (m_pOwner != NULL) m_pOwner->Invalidate();
}

void CTxtWinHost::TxSetCapture(WINBOOL fCapture)
{
    if (m_pOwner == NULL || m_pOwner->GetManager() == NULL) return;
    if (fCapture) m_pOwner->GetManager()->SetCapture();
    else m_pOwner->GetManager()->ReleaseCapture();
    m_bCaptured = fCapture != FALSE;
}

void CTxtWinHost::TxSetFocus()
{
    if (m_pOwner != NULL) m_pOwner->SetFocus();
}

void CTxtWinHost::TxSetCursor(HCURSOR hcur, WINBOOL) { ::SetCursor(hcur); }

WINBOOL CTxtWinHost::TxScreenToClient(LPPOINT lppt) { return ::ScreenToClient(Window(), lppt); }
WINBOOL CTxtWinHost::TxClientToScreen(LPPOINT lppt) { return ::ClientToScreen(Window(), lppt); }

HRESULT CTxtWinHost::TxActivate(LONG*) { return S_OK; }
HRESULT CTxtWinHost::TxDeactivate(LONG) { return S_OK; }

HRESULT CTxtWinHost::TxGetClientRect(LPRECT prc)
{
    *prc = m_rcClient;
    return S_OK;
}

HRESULT CTxtWinHost::TxGetViewInset(LPRECT prc)
{
    ::SetRectEmpty(prc);
    return S_OK;
}

HRESULT CTxtWinHost::TxGetCharFormat(const CHARFORMATW** ppCF)
{
    *ppCF = reinterpret_cast<const CHARFORMATW*>(&m_cf);
    return S_OK;
}

HRESULT CTxtWinHost::TxGetParaFormat(const PARAFORMAT** ppPF)
{
    *ppPF = reinterpret_cast<const PARAFORMAT*>(&m_pf);
    return S_OK;
}

COLORREF CTxtWinHost::TxGetSysColor(int nIndex) { return ::GetSysColor(nIndex); }

HRESULT CTxtWinHost::TxGetBackStyle(TXTBACKSTYLE* pstyle)
{
    *pstyle = m_bTransparent ? TXTBACK_TRANSPARENT : TXTBACK_OPAQUE;
    return S_OK;
}

HRESULT CTxtWinHost::TxGetMaxLength(DWORD* plength)
{
    *plength = static_cast<DWORD>(m_cchTextMost);
    return S_OK;
}

HRESULT CTxtWinHost::TxGetScrollBars(DWORD* pdwScrollBar)
{
    *pdwScrollBar = m_dwStyle & (WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_DISABLENOSCROLL);
    return S_OK;
}

HRESULT CTxtWinHost::TxGetPasswordChar(TCHAR* pch)
{
    // A password edit never shows its text: without a character of its own it
    // masks with '*' rather than leave it to an engine that may draw the text.
    *pch = m_chPasswordChar != 0 ? m_chPasswordChar : L'*';
    return S_OK;
}

HRESULT CTxtWinHost::TxGetAcceleratorPos(LONG* pcp)
{
    *pcp = m_lAccelPos;
    return S_OK;
}

HRESULT CTxtWinHost::TxGetExtent(LPSIZEL lpExtent)
{
    *lpExtent = m_sizelExtent;
    return S_OK;
}

HRESULT CTxtWinHost::OnTxCharFormatChange(const CHARFORMATW*) { return S_OK; }
HRESULT CTxtWinHost::OnTxParaFormatChange(const PARAFORMAT*) { return S_OK; }

HRESULT CTxtWinHost::TxGetPropertyBits(DWORD dwMask, DWORD* pdwBits)
{
    DWORD bits = 0;
    if (m_dwStyle & ES_MULTILINE) bits |= TXTBIT_MULTILINE;
    if (m_dwStyle & ES_READONLY) bits |= TXTBIT_READONLY;
    if (m_dwStyle & ES_PASSWORD) bits |= TXTBIT_USEPASSWORD;
    if (!(m_dwStyle & ES_NOHIDESEL)) bits |= TXTBIT_HIDESELECTION;
    if (m_bEnableAutoWordSel) bits |= TXTBIT_AUTOWORDSEL;
    if (m_bWordWrap) bits |= TXTBIT_WORDWRAP;
    if (m_bAllowBeep) bits |= TXTBIT_ALLOWBEEP;
    if (m_bRich) bits |= TXTBIT_RICHTEXT;
    if (m_bSaveSelection) bits |= TXTBIT_SAVESELECTION;
    *pdwBits = bits & dwMask;
    return S_OK;
}

HRESULT CTxtWinHost::TxNotify(DWORD iNotify, void* pv)
{
    if (iNotify == EN_REQUESTRESIZE && pv != NULL) {
        const REQRESIZE* pResize = static_cast<const REQRESIZE*>(pv);
        RECT rc = m_rcClient;
        rc.right = rc.left + (pResize->rc.right - pResize->rc.left);
        rc.bottom = rc.top + (pResize->rc.bottom - pResize->rc.top);
        SetClientRect(rc);
    }
    if (m_pOwner != NULL) m_pOwner->OnTxNotify(iNotify, pv);
    return S_OK;
}

HIMC CTxtWinHost::TxImmGetContext() { return ::ImmGetContext(Window()); }
void CTxtWinHost::TxImmReleaseContext(HIMC himc) { ::ImmReleaseContext(Window(), himc); }

HRESULT CTxtWinHost::TxGetSelectionBarWidth(LONG* lSelBarWidth)
{
    *lSelBarWidth = m_lSelBarWidth;
    return S_OK;
}

} // namespace SkinUI
