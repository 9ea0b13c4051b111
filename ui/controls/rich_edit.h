// CRichEditUI: a windowless multi-line text editor drawn inside the framework's
// window. The platform's windowless rich-text engine does the editing through a
// CTxtWinHost; the control feeds it the window's messages as a message filter,
// paints its output into the text area and maps its scroll bars onto the
// framework's bars.
#pragma once

#include <windows.h>
#include <richedit.h>
#include <richole.h>
#include <textserv.h>

#include "core/container_ui.h"
#include "core/gdi_scope.h"

namespace SkinUI {

class CTxtWinHost;

class UILIB_API CRichEditUI : public CContainerUI, public IMessageFilterUI
{
    friend class CTxtWinHost;

public:
    CRichEditUI();
    ~CRichEditUI() override;

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    bool IsWantTab() const;
    void SetWantTab(bool bWantTab = true);
    bool IsWantReturn() const;
    void SetWantReturn(bool bWantReturn = true);
    bool IsWantCtrlReturn() const;
    void SetWantCtrlReturn(bool bWantCtrlReturn = true);
    bool IsRich() const;
    void SetRich(bool bRich = true);
    bool IsReadOnly() const;
    void SetReadOnly(bool bReadOnly = true);
    bool GetWordWrap() const;
    void SetWordWrap(bool bWordWrap = true);
    int GetFont() const;
    void SetFont(int index);
    void SetFont(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic);
    DWORD GetTextColor() const;
    void SetTextColor(DWORD dwTextColor);
    int GetLimitText() const;
    void SetLimitText(int iChars);
    DWORD GetStyle() const { return m_lTwhStyle; }

    long GetTextLength(DWORD dwFlags = GTL_DEFAULT) const;
    CUIString GetText() const override;
    void SetText(const wchar_t* pstrText) override;
    bool GetModify() const;
    void SetModify(bool bModified = true) const;
    void GetSel(CHARRANGE& cr) const;
    void GetSel(long& nStartChar, long& nEndChar) const;
    int SetSel(CHARRANGE& cr);
    int SetSel(long nStartChar, long nEndChar);
    int SetSelAll();
    int SetSelNone();
    void ReplaceSel(const wchar_t* lpszNewText, bool bCanUndo);
    CUIString GetSelText() const;
    CUIString GetTextRange(long nStartChar, long nEndChar) const;
    long InsertText(long nInsertAfterChar, const wchar_t* lpstrText, bool bCanUndo = false);
    long AppendText(const wchar_t* lpstrText, bool bCanUndo = false);
    bool GetZoom(int& nNum, int& nDen) const;
    bool SetZoom(int nNum, int nDen);
    bool SetZoomOff();
    WORD GetSelectionType() const;
    bool GetAutoURLDetect() const;
    bool SetAutoURLDetect(bool bAutoDetect = true);
    DWORD GetEventMask() const;
    DWORD SetEventMask(DWORD dwEventMask);
    void HideSelection(bool bHide = true, bool bChangeStyle = false);
    void ScrollCaret();

    DWORD GetDefaultCharFormat(CHARFORMAT2W& cf) const;
    bool SetDefaultCharFormat(CHARFORMAT2W& cf);
    DWORD GetSelectionCharFormat(CHARFORMAT2W& cf) const;
    bool SetSelectionCharFormat(CHARFORMAT2W& cf);
    bool SetWordCharFormat(CHARFORMAT2W& cf);
    DWORD GetParaFormat(PARAFORMAT2& pf) const;
    bool SetParaFormat(PARAFORMAT2& pf);

    bool Undo();
    bool Redo();
    void Clear();
    void Copy();
    void Cut();
    void Paste();
    void EmptyUndoBuffer();
    UINT SetUndoLimit(UINT nLimit);
    bool CanPaste(UINT nFormat = 0) const;
    void PasteSpecial(UINT uClipFormat, DWORD dwAspect = 0, HMETAFILE hMF = 0);
    bool SetOleCallback(IRichEditOleCallback* pCallback);

    int GetLineCount() const;
    CUIString GetLine(int nIndex, int nMaxLength) const;
    int LineIndex(int nLine = -1) const;
    int LineLength(int nLine = -1) const;
    bool LineScroll(int nLines, int nChars = 0);
    long LineFromChar(long nIndex) const;
    POINT GetCharPos(long lChar) const;
    POINT PosFromChar(UINT nChar) const;
    int CharFromPos(POINT pt) const;

    long StreamIn(int nFormat, EDITSTREAM& es);
    long StreamOut(int nFormat, EDITSTREAM& es);
    void SetDropAcceptFile(bool bAccept);

    // With a reference added, or null before DoInit.
    CTxtWinHost* GetTextHost();
    ITextServices* GetTextServices();
    // The engine's drop target with a reference added, or null.
    IDropTarget* GetTxDropTarget();

    virtual HRESULT TxSendMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT* plresult) const;
    virtual bool OnTxViewChanged();
    virtual void OnTxNotify(DWORD iNotify, void* pv);

    void SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit = true) override;
    void DoInit() override;
    void DoEvent(TEventUI& event) override;
    void SetPos(RECT rc) override;
    void DoPaint(HDC hDC, const RECT& rcPaint) override;
    void PaintText(HDC hDC) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;

    void SetScrollPos(SIZE szPos) override;
    void LineUp() override;
    void LineDown() override;
    void PageUp() override;
    void PageDown() override;
    void HomeUp() override;
    void EndDown() override;
    void LineLeft() override;
    void LineRight() override;
    void PageLeft() override;
    void PageRight() override;
    void HomeLeft() override;
    void EndRight() override;

    LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;

protected:
    // The message's result, 0 without an engine.
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // The engine's height of the text laid out in the text area, or -1.
    LONG NaturalHeight(const RECT& rcText) const;
    // The font of the control's index, else the window's default font.
    HFONT ResolveFont() const;
    void PlaceCompositionWindow();
    // Mouse messages and set-cursor that are this control's to take.
    bool AcceptsMouse(UINT uMsg, LPARAM lParam) const;
    SIZE TextAreaSize() const;
    // Moves the bars by a distance and the engine with them.
    void ScrollBy(int dx, int dy);

    ComPtr<CTxtWinHost> m_pTwh;
    bool m_bVScrollBarFixing;
    bool m_bWantTab;
    bool m_bWantReturn;
    bool m_bWantCtrlReturn;
    bool m_bRich;
    bool m_bReadOnly;
    bool m_bWordWrap;
    DWORD m_dwTextColor;
    int m_iFont;
    int m_iLimitText;
    LONG m_lTwhStyle;
    DWORD m_dwEventMask; // as the caller set it
    // While a character at the text limit is typed, the engine's change
    // report waits for the text to be compared.
    bool m_bHoldChange;
    bool m_bChangeHeld;
    bool m_bInited;
};

} // namespace SkinUI
