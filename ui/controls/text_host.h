// CTxtWinHost: the host object the windowless rich-text engine calls back for
// everything a window would supply (client rectangle, caret, timers, capture,
// scroll bars, default formats, property bits). It lives inside a CRichEditUI
// and maps those requests onto the control's window, paint manager and
// framework scroll bars.
#pragma once

#include <windows.h>
#include <richedit.h>
#include <textserv.h>

#include "core/gdi_scope.h"
#include "core/ui_export.h"

namespace SkinUI {

class CRichEditUI;
class CScrollBarUI;

class UILIB_API CTxtWinHost final : public ITextHost
{
public:
    // Reference count 1. The engine is made by Init.
    explicit CTxtWinHost(CRichEditUI* pOwner);
    CTxtWinHost(const CTxtWinHost&) = delete;
    CTxtWinHost& operator=(const CTxtWinHost&) = delete;

    // Builds the default formats from the control, loads the engine and hands it
    // the initial text. False (and no engine) when the library, its export or
    // the engine cannot be had.
    bool Init(DWORD dwStyle, const wchar_t* pstrText);
    // Cuts the link to the control before the control goes away.
    void Detach();

    ITextServices* GetTextServices() const { return m_pServices.Get(); }
    const RECT& GetClientRect() const { return m_rcClient; }
    void SetClientRect(const RECT& rc);
    bool IsCaptured() const { return m_bCaptured; }
    bool IsInPlaceActive() const { return m_bInplaceActive; }
    void SetInPlaceActive(bool bActive) { m_bInplaceActive = bActive; }
    DWORD GetStyle() const { return m_dwStyle; }

    // Property changes pushed to the engine.
    void SetTransparent(bool bTransparent);
    void SetWordWrap(bool bWordWrap);
    void SetReadOnly(bool bReadOnly);
    void SetRichTextFlag(bool bRich);
    void LimitText(LONG nChars);
    LONG GetMaxLength() const { return m_cchTextMost; }
    void SetFont(HFONT hFont);
    void SetColor(DWORD dwArgb);
    void SetCharFormat(const CHARFORMAT2W& cf);
    void SetParaFormat(const PARAFORMAT2& pf);
    const CHARFORMAT2W& GetCharFormat() const { return m_cf; }
    void SetPasswordChar(wchar_t ch);
    // The engine sets the cursor for a point of the window.
    void DoSetCursor(const POINT& pt);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // ITextHost
    HDC TxGetDC() override;
    INT TxReleaseDC(HDC hdc) override;
    WINBOOL TxShowScrollBar(INT fnBar, WINBOOL fShow) override;
    WINBOOL TxEnableScrollBar(INT fuSBFlags, INT fuArrowflags) override;
    WINBOOL TxSetScrollRange(INT fnBar, LONG nMinPos, INT nMaxPos, WINBOOL fRedraw) override;
    WINBOOL TxSetScrollPos(INT fnBar, INT nPos, WINBOOL fRedraw) override;
    void TxInvalidateRect(LPCRECT prc, WINBOOL fMode) override;
    void TxViewChange(WINBOOL fUpdate) override;
    WINBOOL TxCreateCaret(HBITMAP hbmp, INT xWidth, INT yHeight) override;
    WINBOOL TxShowCaret(WINBOOL fShow) override;
    WINBOOL TxSetCaretPos(INT x, INT y) override;
    WINBOOL TxSetTimer(UINT idTimer, UINT uTimeout) override;
    void TxKillTimer(UINT idTimer) override;
    void TxScrollWindowEx(INT dx, INT dy, LPCRECT lprcScroll, LPCRECT lprcClip, HRGN hrgnUpdate, LPRECT lprcUpdate,
                          UINT fuScroll) override;
    void TxSetCapture(WINBOOL fCapture) override;
    void TxSetFocus() override;
    void TxSetCursor(HCURSOR hcur, WINBOOL fText) override;
    WINBOOL TxScreenToClient(LPPOINT lppt) override;
    WINBOOL TxClientToScreen(LPPOINT lppt) override;
    HRESULT TxActivate(LONG* plOldState) override;
    HRESULT TxDeactivate(LONG lNewState) override;
    HRESULT TxGetClientRect(LPRECT prc) override;
    HRESULT TxGetViewInset(LPRECT prc) override;
    HRESULT TxGetCharFormat(const CHARFORMATW** ppCF) override;
    HRESULT TxGetParaFormat(const PARAFORMAT** ppPF) override;
    COLORREF TxGetSysColor(int nIndex) override;
    HRESULT TxGetBackStyle(TXTBACKSTYLE* pstyle) override;
    HRESULT TxGetMaxLength(DWORD* plength) override;
    HRESULT TxGetScrollBars(DWORD* pdwScrollBar) override;
    HRESULT TxGetPasswordChar(TCHAR* pch) override;
    HRESULT TxGetAcceleratorPos(LONG* pcp) override;
    HRESULT TxGetExtent(LPSIZEL lpExtent) override;
    HRESULT OnTxCharFormatChange(const CHARFORMATW* pcf) override;
    HRESULT OnTxParaFormatChange(const PARAFORMAT* ppf) override;
    HRESULT TxGetPropertyBits(DWORD dwMask, DWORD* pdwBits) override;
    HRESULT TxNotify(DWORD iNotify, void* pv) override;
    HIMC TxImmGetContext() override;
    void TxImmReleaseContext(HIMC himc) override;
    HRESULT TxGetSelectionBarWidth(LONG* lSelBarWidth) override;

private:
    ~CTxtWinHost();
    HWND Window() const;
    void PropertyChange(DWORD dwMask, DWORD dwBits);
    void UpdateExtent();
    // Shows or hides one of the owner's bars; the owner is laid out again when
    // that changes.
    void ShowBar(CScrollBarUI* bar, bool show);

    CRichEditUI* m_pOwner;
    ULONG m_cRefs;
    HMODULE m_hEngine;
    ComPtr<ITextServices> m_pServices;
    LONG m_lSelBarWidth;
    LONG m_cchTextMost;
    RECT m_rcClient;
    SIZEL m_sizelExtent;
    CHARFORMAT2W m_cf;
    PARAFORMAT2 m_pf;
    DWORD m_dwStyle;
    bool m_bEnableAutoWordSel;
    bool m_bWordWrap;
    bool m_bAllowBeep;
    bool m_bRich;
    bool m_bSaveSelection;
    bool m_bInplaceActive;
    bool m_bTransparent;
    bool m_bTimer;
    bool m_bCaptured;
    LONG m_lAccelPos;
    wchar_t m_chPasswordChar;
};

} // namespace SkinUI
