// The rich edit control: its properties and attributes, the engine operations
// it forwards, the message filter that feeds the engine the window's input,
// layout of the text area with the framework bars, painting and scrolling.
#include "rich_edit.h"

#include <imm.h>
#include <windowsx.h>

#include <climits>
#include <cwchar>
#include <vector>

#include "core/attribute_table.h"
#include "core/attribute_values.h"
#include "core/scroll_bar.h"
#include "text_host.h"

namespace SkinUI {

namespace {

const int kMaxZoom = 64;
const LONG kDefaultStyle = ES_MULTILINE;

bool IsMouseMessage(UINT uMsg) { return uMsg >= WM_MOUSEFIRST && uMsg <= WM_MOUSELAST; }

} // namespace

CRichEditUI::CRichEditUI()
    : m_bVScrollBarFixing(false),
      m_bWantTab(true),
      m_bWantReturn(true),
      m_bWantCtrlReturn(true),
      m_bRich(true),
      m_bReadOnly(false),
      m_bWordWrap(false),
      m_dwTextColor(0),
      m_iFont(-1),
      m_iLimitText(32767),
      m_lTwhStyle(kDefaultStyle),
      m_dwEventMask(0),
      m_bHoldChange(false),
      m_bChangeHeld(false),
      m_bInited(false)
{}

CRichEditUI::~CRichEditUI()
{
    if (m_pTwh != NULL) {
        m_pTwh->Detach();
        m_pTwh.Reset();
    }
    if (m_pManager != NULL) m_pManager->RemoveMessageFilter(this);
}

const wchar_t* CRichEditUI::GetClass() const { return L"RichEditUI"; }

LPVOID CRichEditUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName == NULL) return NULL;
    if (wcscmp(pstrName, L"RichEdit") == 0) return static_cast<CRichEditUI*>(this);
    // The paint manager asks this before moving the focus on Tab.
    if (wcscmp(pstrName, L"WantTab") == 0) return m_bWantTab ? static_cast<CRichEditUI*>(this) : NULL;
    return CContainerUI::GetInterface(pstrName);
}

// ---- properties ---------------------------------------------------------------------------

bool CRichEditUI::IsWantTab() const { return m_bWantTab; }
void CRichEditUI::SetWantTab(bool bWantTab) { m_bWantTab = bWantTab; }
bool CRichEditUI::IsWantReturn() const { return m_bWantReturn; }
void CRichEditUI::SetWantReturn(bool bWantReturn) { m_bWantReturn = bWantReturn; }
bool CRichEditUI::IsWantCtrlReturn() const { return m_bWantCtrlReturn; }
void CRichEditUI::SetWantCtrlReturn(bool bWantCtrlReturn) { m_bWantCtrlReturn = bWantCtrlReturn; }
bool CRichEditUI::IsRich() const { return m_bRich; }

void CRichEditUI::SetRich(bool bRich)
{
    m_bRich = bRich;
    if (m_pTwh != NULL) m_pTwh->SetRichTextFlag(bRich);
}

bool CRichEditUI::IsReadOnly() const { return m_bReadOnly; }

void CRichEditUI::SetReadOnly(bool bReadOnly)
{
    m_bReadOnly = bReadOnly;
    if (bReadOnly) m_lTwhStyle |= ES_READONLY;
    else m_lTwhStyle &= ~ES_READONLY;
    if (m_pTwh != NULL) m_pTwh->SetReadOnly(bReadOnly);
}

bool CRichEditUI::GetWordWrap() const { return m_bWordWrap; }

void CRichEditUI::SetWordWrap(bool bWordWrap)
{
    m_bWordWrap = bWordWrap;
    if (m_pTwh != NULL) m_pTwh->SetWordWrap(bWordWrap);
}

int CRichEditUI::GetFont() const { return m_iFont; }

HFONT CRichEditUI::ResolveFont() const
{
    if (m_pManager == NULL) return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (m_iFont >= 0) return m_pManager->GetFont(m_iFont);
    return m_pManager->GetDefaultFontInfo()->hFont;
}

void CRichEditUI::SetFont(int index)
{
    m_iFont = index;
    if (m_pTwh != NULL) m_pTwh->SetFont(ResolveFont());
}

void CRichEditUI::SetFont(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic)
{
    if (m_pTwh == NULL) return;
    LOGFONTW lf = {};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    // The face field holds 31 characters and its terminator.
    if (pStrFontName != NULL) lstrcpynW(lf.lfFaceName, pStrFontName, LF_FACESIZE);
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = -nSize;
    if (bBold) lf.lfWeight = FW_BOLD;
    if (bUnderline) lf.lfUnderline = TRUE;
    if (bItalic) lf.lfItalic = TRUE;
    FontHandle hFont(::CreateFontIndirectW(&lf));
    if (hFont == NULL) return;
    m_pTwh->SetFont(hFont);
}

DWORD CRichEditUI::GetTextColor() const { return m_dwTextColor; }

void CRichEditUI::SetTextColor(DWORD dwTextColor)
{
    m_dwTextColor = dwTextColor;
    if (m_pTwh != NULL) m_pTwh->SetColor(dwTextColor);
}

int CRichEditUI::GetLimitText() const { return m_iLimitText; }

void CRichEditUI::SetLimitText(int iChars)
{
    m_iLimitText = iChars;
    if (m_pTwh != NULL) m_pTwh->LimitText(iChars);
}

// ---- engine operations -------------------------------------------------------------------

HRESULT CRichEditUI::TxSendMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT* plresult) const
{
    if (m_pTwh == NULL || m_pTwh->GetTextServices() == NULL) {
        if (plresult != NULL) *plresult = 1;
        return S_FALSE;
    }
    if (msg == WM_KEYDOWN && wparam == VK_RETURN) {
        const bool ctrl = ::GetKeyState(VK_CONTROL) < 0;
        if (!m_bWantReturn || (ctrl && !m_bWantCtrlReturn)) {
            if (m_pManager != NULL) m_pManager->SendNotify(const_cast<CRichEditUI*>(this), L"return");
            return S_FALSE;
        }
    }
    LRESULT lResult = 0;
    HRESULT hr = m_pTwh->GetTextServices()->TxSendMessage(msg, wparam, lparam, &lResult);
    if (plresult != NULL) *plresult = lResult;
    return hr;
}

LRESULT CRichEditUI::Send(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    if (m_pTwh == NULL) return 0;
    LRESULT lResult = 0;
    TxSendMessage(msg, wParam, lParam, &lResult);
    return lResult;
}

bool CRichEditUI::OnTxViewChanged() { return true; }

void CRichEditUI::OnTxNotify(DWORD iNotify, void* pv)
{
    // Every edit the engine makes, typed, pasted, cut, deleted or undone; a
    // key it refuses (read-only, at the limit) changes nothing and says nothing.
    if (iNotify == EN_CHANGE) {
        if (m_bHoldChange) m_bChangeHeld = true;
        else if (m_pManager != NULL) m_pManager->SendNotify(this, L"textchanged");
        return;
    }
    if (iNotify < EN_MSGFILTER || iNotify > EN_DRAGDROPDONE) return;
    if (iNotify == EN_REQUESTRESIZE || iNotify == EN_CORRECTTEXT || iNotify == EN_IMECHANGE) return;
    if (pv == NULL || m_pManager == NULL) return;
    HWND hwnd = m_pManager->GetPaintWindow();
    if (hwnd == NULL) return;
    NMHDR* phdr = static_cast<NMHDR*>(pv);
    phdr->hwndFrom = hwnd;
    phdr->idFrom = static_cast<UINT_PTR>(::GetWindowLongPtrW(hwnd, GWLP_ID));
    phdr->code = iNotify;
    ::SendMessageW(hwnd, WM_NOTIFY, phdr->idFrom, reinterpret_cast<LPARAM>(phdr));
}

long CRichEditUI::GetTextLength(DWORD dwFlags) const
{
    GETTEXTLENGTHEX textLen = {dwFlags, 1200};
    return static_cast<long>(Send(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&textLen), 0));
}

CUIString CRichEditUI::GetText() const
{
    if (m_pTwh == NULL) return m_sText;
    long length = GetTextLength(GTL_PRECISE | GTL_NUMCHARS);
    if (length <= 0) return CUIString();
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    GETTEXTEX gt = {};
    gt.flags = GT_DEFAULT;
    gt.cb = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    gt.codepage = 1200;
    Send(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.back() = L'\0';
    return CUIString(buffer.data());
}

void CRichEditUI::SetText(const wchar_t* pstrText)
{
    m_sText = pstrText != NULL ? pstrText : L"";
    if (m_pTwh == NULL) return;
    SetSel(0, -1);
    ReplaceSel(m_sText.GetData(), false);
}

bool CRichEditUI::GetModify() const { return Send(EM_GETMODIFY) != 0; }
void CRichEditUI::SetModify(bool bModified) const { Send(EM_SETMODIFY, bModified); }

void CRichEditUI::GetSel(CHARRANGE& cr) const
{
    cr.cpMin = cr.cpMax = 0;
    Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
}

void CRichEditUI::GetSel(long& nStartChar, long& nEndChar) const
{
    CHARRANGE cr;
    GetSel(cr);
    nStartChar = cr.cpMin;
    nEndChar = cr.cpMax;
}

int CRichEditUI::SetSel(CHARRANGE& cr) { return static_cast<int>(Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr))); }

int CRichEditUI::SetSel(long nStartChar, long nEndChar)
{
    CHARRANGE cr = {nStartChar, nEndChar};
    return SetSel(cr);
}

int CRichEditUI::SetSelAll() { return SetSel(0, -1); }
int CRichEditUI::SetSelNone() { return SetSel(-1, 0); }

void CRichEditUI::ReplaceSel(const wchar_t* lpszNewText, bool bCanUndo)
{
    Send(EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText != NULL ? lpszNewText : L""));
}

CUIString CRichEditUI::GetSelText() const
{
    CHARRANGE cr;
    GetSel(cr);
    if (m_pTwh == NULL || cr.cpMax <= cr.cpMin) return CUIString();
    std::vector<wchar_t> buffer(static_cast<size_t>(cr.cpMax - cr.cpMin) + 1, L'\0');
    Send(EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(buffer.data()));
    buffer.back() = L'\0';
    return CUIString(buffer.data());
}

CUIString CRichEditUI::GetTextRange(long nStartChar, long nEndChar) const
{
    if (m_pTwh == NULL) return CUIString();
    // The range is clipped to the text, so that the buffer always holds what
    // the engine copies: -1 or a position past the end means the end.
    const long length = GetTextLength(GTL_PRECISE | GTL_NUMCHARS);
    if (nEndChar < 0 || nEndChar > length) nEndChar = length;
    if (nStartChar < 0) nStartChar = 0;
    if (nStartChar >= nEndChar) return CUIString();
    std::vector<wchar_t> buffer(static_cast<size_t>(nEndChar - nStartChar) + 1, L'\0');
    TEXTRANGEW tr = {{nStartChar, nEndChar}, buffer.data()};
    Send(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&tr));
    buffer.back() = L'\0';
    return CUIString(buffer.data());
}

long CRichEditUI::InsertText(long nInsertAfterChar, const wchar_t* lpstrText, bool bCanUndo)
{
    long result = SetSel(nInsertAfterChar, nInsertAfterChar);
    ReplaceSel(lpstrText, bCanUndo);
    return result;
}

long CRichEditUI::AppendText(const wchar_t* lpstrText, bool bCanUndo)
{
    long result = SetSel(-1, -1);
    ReplaceSel(lpstrText, bCanUndo);
    return result;
}

bool CRichEditUI::GetZoom(int& nNum, int& nDen) const
{
    nNum = nDen = 0;
    return Send(EM_GETZOOM, reinterpret_cast<WPARAM>(&nNum), reinterpret_cast<LPARAM>(&nDen)) != 0;
}

bool CRichEditUI::SetZoom(int nNum, int nDen)
{
    if (nNum < 0 || nNum > kMaxZoom || nDen < 0 || nDen > kMaxZoom) return false;
    return Send(EM_SETZOOM, nNum, nDen) != 0;
}

bool CRichEditUI::SetZoomOff() { return Send(EM_SETZOOM, 0, 0) != 0; }
WORD CRichEditUI::GetSelectionType() const { return static_cast<WORD>(Send(EM_SELECTIONTYPE)); }
bool CRichEditUI::GetAutoURLDetect() const { return Send(EM_GETAUTOURLDETECT) != 0; }

bool CRichEditUI::SetAutoURLDetect(bool bAutoDetect)
{
    return m_pTwh != NULL && Send(EM_AUTOURLDETECT, bAutoDetect) == 0;
}

// The engine always reports changes to the control ("textchanged"); the mask
// the caller sees and sets is the caller's own.
DWORD CRichEditUI::GetEventMask() const
{
    return (static_cast<DWORD>(Send(EM_GETEVENTMASK)) & ~ENM_CHANGE) | (m_dwEventMask & ENM_CHANGE);
}

DWORD CRichEditUI::SetEventMask(DWORD dwEventMask)
{
    if (m_pTwh == NULL) return 0;
    const DWORD dwOld = GetEventMask();
    m_dwEventMask = dwEventMask;
    Send(EM_SETEVENTMASK, 0, dwEventMask | ENM_CHANGE);
    return dwOld;
}
void CRichEditUI::HideSelection(bool bHide, bool bChangeStyle) { Send(EM_HIDESELECTION, bHide, bChangeStyle); }
void CRichEditUI::ScrollCaret() { Send(EM_SCROLLCARET); }

DWORD CRichEditUI::GetDefaultCharFormat(CHARFORMAT2W& cf) const
{
    cf.cbSize = sizeof(cf);
    return static_cast<DWORD>(Send(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf)));
}

bool CRichEditUI::SetDefaultCharFormat(CHARFORMAT2W& cf)
{
    if (m_pTwh == NULL) return false;
    cf.cbSize = sizeof(cf);
    if (Send(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf)) == 0) return false;
    CHARFORMAT2W stored = {};
    stored.cbSize = sizeof(stored);
    Send(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&stored));
    m_pTwh->SetCharFormat(stored);
    return true;
}

DWORD CRichEditUI::GetSelectionCharFormat(CHARFORMAT2W& cf) const
{
    cf.cbSize = sizeof(cf);
    return static_cast<DWORD>(Send(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf)));
}

bool CRichEditUI::SetSelectionCharFormat(CHARFORMAT2W& cf)
{
    cf.cbSize = sizeof(cf);
    return Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf)) != 0;
}

bool CRichEditUI::SetWordCharFormat(CHARFORMAT2W& cf)
{
    cf.cbSize = sizeof(cf);
    return Send(EM_SETCHARFORMAT, SCF_SELECTION | SCF_WORD, reinterpret_cast<LPARAM>(&cf)) != 0;
}

DWORD CRichEditUI::GetParaFormat(PARAFORMAT2& pf) const
{
    pf.cbSize = sizeof(pf);
    return static_cast<DWORD>(Send(EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf)));
}

bool CRichEditUI::SetParaFormat(PARAFORMAT2& pf)
{
    if (m_pTwh == NULL) return false;
    pf.cbSize = sizeof(pf);
    if (Send(EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf)) == 0) return false;
    m_pTwh->SetParaFormat(pf);
    return true;
}

bool CRichEditUI::Undo() { return Send(EM_UNDO) != 0; }
bool CRichEditUI::Redo() { return Send(EM_REDO) != 0; }
void CRichEditUI::Clear() { Send(WM_CLEAR); }
void CRichEditUI::Copy() { Send(WM_COPY); }
void CRichEditUI::Cut() { Send(WM_CUT); }
void CRichEditUI::Paste() { Send(WM_PASTE); }
void CRichEditUI::EmptyUndoBuffer() { Send(EM_EMPTYUNDOBUFFER); }
UINT CRichEditUI::SetUndoLimit(UINT nLimit) { return static_cast<UINT>(Send(EM_SETUNDOLIMIT, nLimit)); }
bool CRichEditUI::CanPaste(UINT nFormat) const { return Send(EM_CANPASTE, nFormat) != 0; }

void CRichEditUI::PasteSpecial(UINT uClipFormat, DWORD dwAspect, HMETAFILE hMF)
{
    REPASTESPECIAL reps = {dwAspect, reinterpret_cast<DWORD_PTR>(hMF)};
    Send(EM_PASTESPECIAL, uClipFormat, reinterpret_cast<LPARAM>(&reps));
}

bool CRichEditUI::SetOleCallback(IRichEditOleCallback* pCallback)
{
    return Send(EM_SETOLECALLBACK, 0, reinterpret_cast<LPARAM>(pCallback)) != 0;
}

int CRichEditUI::GetLineCount() const { return static_cast<int>(Send(EM_GETLINECOUNT)); }

CUIString CRichEditUI::GetLine(int nIndex, int nMaxLength) const
{
    if (m_pTwh == NULL || nMaxLength <= 0) return CUIString();
    // The engine reads the size from the first word and writes no terminator;
    // the buffer has room for both.
    if (nMaxLength > 0xFFFF) nMaxLength = 0xFFFF;
    std::vector<wchar_t> buffer(static_cast<size_t>(nMaxLength) + 1, L'\0');
    *reinterpret_cast<WORD*>(buffer.data()) = static_cast<WORD>(nMaxLength);
    LRESULT copied = Send(EM_GETLINE, nIndex, reinterpret_cast<LPARAM>(buffer.data()));
    if (copied < 0 || copied > nMaxLength) copied = 0;
    buffer[static_cast<size_t>(copied)] = L'\0';
    return CUIString(buffer.data());
}

int CRichEditUI::LineIndex(int nLine) const { return static_cast<int>(Send(EM_LINEINDEX, nLine)); }
int CRichEditUI::LineLength(int nLine) const { return static_cast<int>(Send(EM_LINELENGTH, nLine)); }
bool CRichEditUI::LineScroll(int nLines, int nChars) { return Send(EM_LINESCROLL, nChars, nLines) != 0; }
long CRichEditUI::LineFromChar(long nIndex) const { return static_cast<long>(Send(EM_EXLINEFROMCHAR, 0, nIndex)); }

POINT CRichEditUI::GetCharPos(long lChar) const
{
    POINTL ptl = {0, 0};
    Send(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&ptl), lChar);
    POINT pt = {ptl.x, ptl.y};
    return pt;
}

POINT CRichEditUI::PosFromChar(UINT nChar) const { return GetCharPos(static_cast<long>(nChar)); }

int CRichEditUI::CharFromPos(POINT pt) const
{
    POINTL ptl = {pt.x, pt.y};
    return static_cast<int>(Send(EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&ptl)));
}

long CRichEditUI::StreamIn(int nFormat, EDITSTREAM& es)
{
    return static_cast<long>(Send(EM_STREAMIN, nFormat, reinterpret_cast<LPARAM>(&es)));
}

long CRichEditUI::StreamOut(int nFormat, EDITSTREAM& es)
{
    return static_cast<long>(Send(EM_STREAMOUT, nFormat, reinterpret_cast<LPARAM>(&es)));
}

void CRichEditUI::SetDropAcceptFile(bool bAccept)
{
    DWORD mask = GetEventMask();
    if (bAccept) mask |= ENM_DROPFILES | ENM_LINK;
    else mask &= ~(ENM_DROPFILES | ENM_LINK);
    SetEventMask(mask);
}

CTxtWinHost* CRichEditUI::GetTextHost()
{
    if (m_pTwh == NULL) return NULL;
    // The caller gets a reference of its own.
    m_pTwh->AddRef();
    return m_pTwh;
}

ITextServices* CRichEditUI::GetTextServices()
{
    if (m_pTwh == NULL || m_pTwh->GetTextServices() == NULL) return NULL;
    m_pTwh->GetTextServices()->AddRef();
    return m_pTwh->GetTextServices();
}

IDropTarget* CRichEditUI::GetTxDropTarget()
{
    IDropTarget* pdt = NULL;
    if (m_pTwh == NULL || m_pTwh->GetTextServices() == NULL) return NULL;
    if (FAILED(m_pTwh->GetTextServices()->TxGetDropTarget(&pdt))) return NULL;
    return pdt;
}

// ---- start, attributes ---------------------------------------------------------------------

void CRichEditUI::DoInit()
{
    if (m_bInited || m_pManager == NULL) return;
    m_bInited = true;
    ComPtr<CTxtWinHost> host;
    host.Attach(new CTxtWinHost(this));
    if (!host->Init(static_cast<DWORD>(m_lTwhStyle), m_sText.GetData())) {
        host->Detach();
        return;
    }
    m_pTwh = std::move(host);
    m_pTwh->SetTransparent(true);
    Send(EM_SETLANGOPTIONS, 0, 0);
    m_pTwh->SetInPlaceActive(SUCCEEDED(m_pTwh->GetTextServices()->OnTxInPlaceActivate(NULL)));
    Send(EM_SETEVENTMASK, 0, Send(EM_GETEVENTMASK) | ENM_CHANGE);
    m_pManager->AddMessageFilter(this);
}

void CRichEditUI::SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit)
{
    // The filter goes with the control: a window it has left must not hand it
    // messages (nor keep its address once it is freed).
    CPaintManagerUI* pOld = m_pManager;
    const bool bStarted = m_pTwh != NULL; // else DoInit registers the filter
    if (pOld != NULL && pOld != pManager) pOld->RemoveMessageFilter(this);
    CContainerUI::SetManager(pManager, pParent, bInit);
    if (bStarted && m_pManager != NULL && m_pManager != pOld) m_pManager->AddMessageFilter(this);
}

void CRichEditUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName == NULL || pstrValue == NULL) return;
    typedef TAttributeRowUI<CRichEditUI> Row;
    // The style rows only add their bit for "true" (the engine reads the style
    // once, when it starts).
    static const Row kAttributes[] = {
        {L"vscrollbar",
         [](CRichEditUI& edit, const wchar_t* value) {
             if (ParseBool(value)) edit.m_lTwhStyle |= ES_DISABLENOSCROLL | WS_VSCROLL;
             edit.CContainerUI::SetAttribute(L"vscrollbar", value);
         }},
        {L"hscrollbar",
         [](CRichEditUI& edit, const wchar_t* value) {
             if (ParseBool(value)) edit.m_lTwhStyle |= ES_DISABLENOSCROLL | WS_HSCROLL;
             edit.CContainerUI::SetAttribute(L"hscrollbar", value);
         }},
        {L"autovscroll",
         [](CRichEditUI& edit, const wchar_t* value) {
             if (ParseBool(value)) edit.m_lTwhStyle |= ES_AUTOVSCROLL;
         }},
        {L"autohscroll",
         [](CRichEditUI& edit, const wchar_t* value) {
             if (ParseBool(value)) edit.m_lTwhStyle |= ES_AUTOHSCROLL;
         }},
        {L"wanttab", &Row::ParseAndSet<ParseBool, &CRichEditUI::SetWantTab>},
        {L"wantreturn", &Row::ParseAndSet<ParseBool, &CRichEditUI::SetWantReturn>},
        {L"wantctrlreturn", &Row::ParseAndSet<ParseBool, &CRichEditUI::SetWantCtrlReturn>},
        {L"rich", &Row::ParseAndSet<ParseBool, &CRichEditUI::SetRich>},
        {L"multiline",
         [](CRichEditUI& edit, const wchar_t* value) {
             if (wcscmp(value, L"false") == 0) edit.m_lTwhStyle &= ~ES_MULTILINE;
         }},
        {L"readonly",
         [](CRichEditUI& edit, const wchar_t* value) {
             if (ParseBool(value)) edit.SetReadOnly(true);
         }},
        {L"password",
         [](CRichEditUI& edit, const wchar_t* value) {
             if (ParseBool(value)) edit.m_lTwhStyle |= ES_PASSWORD;
         }},
        {L"align",
         [](CRichEditUI& edit, const wchar_t* value) {
             edit.m_lTwhStyle = static_cast<LONG>(AlignHorizontally(static_cast<UINT>(edit.m_lTwhStyle), value));
         }},
        {L"font", &Row::ParseAndSet<ParseInt, static_cast<void (CRichEditUI::*)(int)>(&CRichEditUI::SetFont)>},
        {L"textcolor", &Row::ParseAndSet<ParseColor, &CRichEditUI::SetTextColor>},
    };
    if (!ApplyAttributeRow(kAttributes, *this, pstrName, pstrValue)) CContainerUI::SetAttribute(pstrName, pstrValue);
}

// ---- input ---------------------------------------------------------------------------------

void CRichEditUI::DoEvent(TEventUI& event)
{
    if (HandOnWhileMouseDisabled<CContainerUI>(event, m_pParent)) return;
    switch (event.type) {
    case UIEV_SET_CURSOR:
        if (m_pTwh != NULL && ::PtInRect(&m_pTwh->GetClientRect(), event.point)) {
            m_pTwh->DoSetCursor(event.point);
            return;
        }
        break;
    case UIEV_SET_FOCUS:
    case UIEV_KILL_FOCUS: {
        const bool focus = event.type == UIEV_SET_FOCUS;
        if (m_pTwh != NULL) {
            m_pTwh->GetTextServices()->OnTxInPlaceActivate(NULL);
            Send(focus ? WM_SETFOCUS : WM_KILLFOCUS);
        }
        m_bFocused = focus;
        Invalidate();
        return;
    }
    case UIEV_TIMER:
        if (m_pTwh != NULL) m_pTwh->GetTextServices()->TxSendMessage(WM_TIMER, event.wParam, event.lParam, NULL);
        return;
    case UIEV_SCROLL_WHEEL:
        if (event.keyState & MK_CONTROL) return;
        break;
    case UIEV_KEY_DOWN:
    case UIEV_KEY_UP:
    case UIEV_CHAR:
    case UIEV_MOUSE_MOVE:
    case UIEV_MOUSE_ENTER:
    case UIEV_MOUSE_LEAVE:
    case UIEV_BUTTON_DOWN:
    case UIEV_BUTTON_UP:
    case UIEV_DOUBLE_CLICK:
    case UIEV_RBUTTON_DOWN:
    case UIEV_RBUTTON_UP:
        // The message filter has given these to the engine.
        return;
    default: break;
    }
    CContainerUI::DoEvent(event);
}

void CRichEditUI::PlaceCompositionWindow()
{
    HWND hwnd = m_pManager->GetPaintWindow();
    HIMC himc = ::ImmGetContext(hwnd);
    if (himc == NULL) return;
    COMPOSITIONFORM form = {};
    form.dwStyle = CFS_POINT;
    ::GetCaretPos(&form.ptCurrentPos);
    ::ImmSetCompositionWindow(himc, &form);
    ::ImmReleaseContext(hwnd, himc);
}

bool CRichEditUI::AcceptsMouse(UINT uMsg, LPARAM lParam) const
{
    HWND hwnd = m_pManager->GetPaintWindow();
    POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (uMsg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        if (m_pManager->FindControl(pt) != this) return false;
        break;
    case WM_SETCURSOR:
        ::GetCursorPos(&pt);
        ::ScreenToClient(hwnd, &pt);
        break;
    case WM_MOUSEWHEEL: ::ScreenToClient(hwnd, &pt); break;
    default: break;
    }
    if (!::PtInRect(&m_pTwh->GetClientRect(), pt)) return false;
    return !m_pManager->IsCaptured();
}

LRESULT CRichEditUI::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled)
{
    if (m_pTwh == NULL || m_pManager == NULL) return 0;
    if (!IsVisible() || !IsEnabled()) return 0;
    if (!IsMouseEnabled() && IsMouseMessage(uMsg)) return 0;
    if (uMsg == WM_MOUSEWHEEL && (LOWORD(wParam) & MK_CONTROL) == 0) return 0;
    if (uMsg == WM_IME_COMPOSITION) {
        PlaceCompositionWindow();
        return 0;
    }

    bool bWasHandled = true;
    if (IsMouseMessage(uMsg) || uMsg == WM_SETCURSOR) {
        if (!m_pTwh->IsCaptured()) {
            if (!AcceptsMouse(uMsg, lParam)) return 0;
            if (uMsg == WM_LBUTTONDOWN || uMsg == WM_LBUTTONDBLCLK || uMsg == WM_RBUTTONDOWN) SetFocus();
        }
        if (uMsg == WM_SETCURSOR) bWasHandled = false;
    } else if (uMsg >= WM_KEYFIRST && uMsg <= WM_KEYLAST) {
        if (m_pManager->GetFocus() != this) return 0;
        // The window's system keys (Alt+F4, menus) stay the window's.
        if (uMsg == WM_SYSKEYDOWN || uMsg == WM_SYSKEYUP || uMsg == WM_SYSCHAR) bWasHandled = false;
    } else if (uMsg == WM_CONTEXTMENU) {
        POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ::ScreenToClient(m_pManager->GetPaintWindow(), &pt);
        if (m_pManager->FindControl(pt) != this) return 0;
    } else if (uMsg == WM_HELP) {
        bWasHandled = false;
    } else {
        return 0;
    }

    if (uMsg == WM_SETCURSOR) {
        POINT pt;
        ::GetCursorPos(&pt);
        ::ScreenToClient(m_pManager->GetPaintWindow(), &pt);
        m_pTwh->DoSetCursor(pt);
        return 0;
    }

    // A Return the control does not want inserts nothing: its key-down has
    // notified "return", and the character that follows it is dropped too.
    if (uMsg == WM_CHAR && (wParam == L'\r' || wParam == L'\n')) {
        const bool ctrl = ::GetKeyState(VK_CONTROL) < 0 || wParam == L'\n';
        if (!m_bWantReturn || (ctrl && !m_bWantCtrlReturn)) {
            bHandled = true;
            return 0;
        }
    }

    // Some engines report a change for a character they refuse at the text
    // limit: there the text itself tells whether anything changed.
    const bool bAtLimit = uMsg == WM_CHAR && GetTextLength() >= m_pTwh->GetMaxLength();
    CUIString sBefore;
    if (bAtLimit) sBefore = GetText();
    m_bHoldChange = bAtLimit;
    m_bChangeHeld = false;
    LRESULT lResult = 0;
    HRESULT hr = TxSendMessage(uMsg, wParam, lParam, &lResult);
    m_bHoldChange = false;
    if (m_bChangeHeld && GetText() != sBefore) m_pManager->SendNotify(this, L"textchanged");
    if (hr == S_OK) bHandled = bWasHandled && uMsg != WM_MOUSEMOVE;
    else if ((uMsg >= WM_KEYFIRST && uMsg <= WM_KEYLAST) || uMsg == WM_CHAR || uMsg == WM_IME_CHAR)
        bHandled = bWasHandled;
    else if (IsMouseMessage(uMsg) && m_pTwh->IsCaptured()) bHandled = bWasHandled;
    return lResult;
}

// ---- layout, painting ------------------------------------------------------------------------

LONG CRichEditUI::NaturalHeight(const RECT& rcText) const
{
    if (m_pTwh == NULL || m_pManager == NULL) return -1;
    LONG lWidth = rcText.right - rcText.left;
    if (m_pVerticalScrollBar != NULL) lWidth += m_pVerticalScrollBar->GetFixedWidth();
    LONG lHeight = 0;
    SIZEL szExtent = {-1, -1};
    if (FAILED(m_pTwh->GetTextServices()->TxGetNaturalSize(DVASPECT_CONTENT, m_pManager->GetPaintDC(), NULL, NULL,
                                                           TXTNS_FITTOCONTENT, &szExtent, &lWidth, &lHeight)))
        return -1;
    return lHeight;
}

void CRichEditUI::SetPos(RECT rc)
{
    CControlUI::SetPos(rc);
    rc = GetChildArea();
    if (m_pTwh != NULL) m_pTwh->SetClientRect(rc);

    if (m_pVerticalScrollBar != NULL && m_pVerticalScrollBar->IsVisible() && m_bVScrollBarFixing) {
        LONG lHeight = NaturalHeight(rc);
        if (lHeight > rc.bottom - rc.top) {
            m_pVerticalScrollBar->SetVisible(true);
            m_pVerticalScrollBar->SetScrollPos(0);
        } else {
            m_pVerticalScrollBar->SetVisible(false);
            m_bVScrollBarFixing = false;
            rc = GetChildArea();
            if (m_pTwh != NULL) m_pTwh->SetClientRect(rc);
        }
    }

    if (m_pVerticalScrollBar != NULL && m_pVerticalScrollBar->IsVisible()) {
        RECT rcBar = {rc.right, rc.top, rc.right + m_pVerticalScrollBar->GetFixedWidth(), rc.bottom};
        m_pVerticalScrollBar->SetPos(rcBar);
    }
    if (m_pHorizontalScrollBar != NULL && m_pHorizontalScrollBar->IsVisible()) {
        RECT rcBar = {rc.left, rc.bottom, rc.right, rc.bottom + m_pHorizontalScrollBar->GetFixedHeight()};
        m_pHorizontalScrollBar->SetPos(rcBar);
    }
    for (int it = 0; it < m_items.GetSize(); it++) {
        CControlUI* pControl = static_cast<CControlUI*>(m_items[it]);
        if (!pControl->IsVisible()) continue;
        if (pControl->IsFloat()) SetFloatPos(it);
        else pControl->SetPos(rc);
    }
}

void CRichEditUI::PaintText(HDC hDC)
{
    if (m_pTwh == NULL) return;
    RECT rcClient = m_pTwh->GetClientRect();
    RECT rcUpdate = m_rcPaint;
    m_pTwh->GetTextServices()->TxDraw(DVASPECT_CONTENT, 0, NULL, NULL, hDC, NULL, reinterpret_cast<LPCRECTL>(&rcClient),
                                      NULL, &rcUpdate, NULL, 0, TXTVIEW_ACTIVE);
}

void CRichEditUI::DoPaint(HDC hDC, const RECT& rcPaint)
{
    CContainerUI::DoPaint(hDC, rcPaint);
    // Only a shown bar is checked: a layout has nothing to take away otherwise.
    if (m_pTwh == NULL || !m_bVScrollBarFixing) return;
    if (m_pVerticalScrollBar == NULL || !m_pVerticalScrollBar->IsVisible()) return;
    const RECT& rc = m_pTwh->GetClientRect();
    LONG lHeight = NaturalHeight(rc);
    if (lHeight >= 0 && lHeight <= rc.bottom - rc.top) NeedUpdate();
}

// ---- scrolling -------------------------------------------------------------------------------

void CRichEditUI::SetScrollPos(SIZE szPos)
{
    const SIZE before = GetScrollPos();
    CContainerUI::SetScrollPos(szPos);
    const SIZE after = GetScrollPos();
    const int cy = after.cy - before.cy;
    if (cy != 0) {
        Send(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, after.cy), 0);
        // Plain text: the engine may settle on an earlier line; the bar stays
        // where it was sent when scrolling down.
        if (!m_bRich && cy > 0 && m_pVerticalScrollBar->GetScrollPos() < after.cy)
            m_pVerticalScrollBar->SetScrollPos(after.cy);
    }
    if (after.cx != before.cx) Send(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, after.cx), 0);
}

void CRichEditUI::LineUp() { Send(WM_VSCROLL, SB_LINEUP); }

void CRichEditUI::LineDown()
{
    const int before = m_pVerticalScrollBar != NULL ? m_pVerticalScrollBar->GetScrollPos() : 0;
    Send(WM_VSCROLL, SB_LINEDOWN);
    if (!m_bRich && m_pVerticalScrollBar != NULL && m_pVerticalScrollBar->GetScrollPos() <= before)
        m_pVerticalScrollBar->SetScrollPos(m_pVerticalScrollBar->GetScrollRange());
}

// Pages and ends move by the text area and the bar's range: the engine's own
// page and bottom steps depend on a page size it does not always know, and its
// bottom then scrolls the whole text out of view.
void CRichEditUI::PageUp() { ScrollBy(0, -TextAreaSize().cy); }
void CRichEditUI::PageDown() { ScrollBy(0, TextAreaSize().cy); }
void CRichEditUI::HomeUp() { Send(WM_VSCROLL, SB_TOP); }
void CRichEditUI::EndDown() { ScrollBy(0, INT_MAX / 2); }
void CRichEditUI::LineLeft() { Send(WM_HSCROLL, SB_LINELEFT); }
void CRichEditUI::LineRight() { Send(WM_HSCROLL, SB_LINERIGHT); }
void CRichEditUI::PageLeft() { ScrollBy(-TextAreaSize().cx, 0); }
void CRichEditUI::PageRight() { ScrollBy(TextAreaSize().cx, 0); }
void CRichEditUI::HomeLeft() { Send(WM_HSCROLL, SB_LEFT); }
void CRichEditUI::EndRight() { ScrollBy(INT_MAX / 2, 0); }

SIZE CRichEditUI::TextAreaSize() const
{
    SIZE sz = {0, 0};
    if (m_pTwh == NULL) return sz;
    const RECT& rc = m_pTwh->GetClientRect();
    sz.cx = rc.right - rc.left;
    sz.cy = rc.bottom - rc.top;
    return sz;
}

void CRichEditUI::ScrollBy(int dx, int dy)
{
    SIZE sz = GetScrollPos();
    // The bar clamps the sum to its range; the sum itself must not overflow.
    sz.cx = dx > 0 && sz.cx > INT_MAX - dx ? INT_MAX : sz.cx + dx;
    sz.cy = dy > 0 && sz.cy > INT_MAX - dy ? INT_MAX : sz.cy + dy;
    if (sz.cx < 0) sz.cx = 0;
    if (sz.cy < 0) sz.cy = 0;
    SetScrollPos(sz);
}

} // namespace SkinUI
