// Tagged text: CRenderEngine::DrawHtmlText lays out and draws a short text with inline
// tags (bold, italic, underline, colour, fonts, paragraphs, line breaks, raw runs,
// selected runs, x and y adjustments, inline images and links) and reports the link
// rectangles back to the caller. With DT_CALCRECT it only measures.
//
// Each line is laid out twice from the tag state saved at its start: once to find its
// height, once to draw it sitting on that height.
#include <cwchar>
#include <cwctype>
#include <map>
#include <vector>

#include "gdi_scope.h"
#include "paint_manager.h"
#include "render_engine.h"

namespace SkinUI {
namespace {

bool IsTagOpen(wchar_t ch) { return ch == L'<' || ch == L'{'; }
bool IsTagClose(wchar_t ch) { return ch == L'>' || ch == L'}'; }
bool IsAsciiLetter(wchar_t ch) { return (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z'); }

// "<{>" and "<}>" stand for braces, "{<}" and "{>}" for angle brackets.
wchar_t EscapeAt(const wchar_t* p)
{
    if (p[0] == L'<' && (p[1] == L'{' || p[1] == L'}') && p[2] == L'>') return p[1];
    if (p[0] == L'{' && (p[1] == L'<' || p[1] == L'>') && p[2] == L'}') return p[1];
    return 0;
}

// A tag at p: an opening "<x", "<x ..." or a closing "</x>" with a Latin letter x;
// anything else is text (so "<是>" in a Chinese text is shown, not swallowed).
bool IsTagAt(const wchar_t* p)
{
    if (!IsTagOpen(p[0])) return false;
    if (p[1] == L'/') return IsAsciiLetter(p[2]) && IsTagClose(p[3]);
    return IsAsciiLetter(p[1]) && (p[2] == L' ' || IsTagClose(p[2]));
}

// The end of a raw run: "</r>" or "{/r}" (mixed delimiters too), or null.
const wchar_t* FindRawEnd(const wchar_t* p)
{
    for (; *p != L'\0'; ++p) {
        if (IsTagOpen(p[0]) && p[1] == L'/' && p[2] == L'r' && IsTagClose(p[3])) return p;
    }
    return nullptr;
}

const wchar_t* SkipBlanks(const wchar_t* p)
{
    while (*p == L' ') ++p;
    return p;
}

// A decimal number at p (0 when there is none).
int ReadInt(const wchar_t* p) { return static_cast<int>(wcstol(p, nullptr, 10)); }

// Reads the value of key='value' inside an image tag's parameters.
CUIString ImageDescriptionValue(const CUIString& params, const wchar_t* key)
{
    CUIString pattern(key);
    pattern += L"='";
    for (int pos = params.Find(pattern.GetData()); pos >= 0; pos = params.Find(pattern.GetData(), pos + 1)) {
        // Only a whole key counts ("file=" must not match inside "profile=").
        if (pos > 0 && params[pos - 1] != L' ') continue;
        const int start = pos + pattern.GetLength();
        const int end = params.Find(L'\'', start);
        return end < 0 ? params.Mid(start) : params.Mid(start, end - start);
    }
    return CUIString();
}

struct TagState
{
    std::vector<TFontInfo*> fonts;
    std::vector<DWORD> colors;
    std::vector<int> paragraphs;
    bool raw = false;
    bool selected = false;
    bool inLink = false;
    CUIString linkText;
    int linkStartX = 0;
};

class TaggedTextLayout
{
public:
    TaggedTextLayout(HDC hDC, CPaintManagerUI* pManager, const RECT& rc, DWORD dwTextColor, RECT* prcLinks,
                     CUIString* sLinks, int nMaxLinks, UINT uStyle, const CUIString* pHoverLink)
        : m_hDC(hDC),
          m_pManager(pManager),
          m_rc(rc),
          m_dwTextColor(dwTextColor),
          m_prcLinks(prcLinks),
          m_sLinks(sLinks),
          m_nMaxLinks(nMaxLinks),
          m_uStyle(uStyle),
          m_bHoverLink(pHoverLink != nullptr),
          m_sHoverLink(pHoverLink != nullptr ? *pHoverLink : CUIString()),
          m_bDraw((uStyle & DT_CALCRECT) == 0),
          m_bSingleLine((uStyle & DT_SINGLELINE) != 0),
          m_bEllipsis(m_bSingleLine && (uStyle & DT_END_ELLIPSIS) != 0),
          m_xRight(rc.right),
          m_yBottom(rc.top)
    {}

    void Run(const wchar_t* text)
    {
        TagState state;
        const wchar_t* p = text;
        int y = m_rc.top;
        const TEXTMETRICW& tmDefault = Metrics(m_pManager->GetDefaultFontInfo());
        int cyInitial = tmDefault.tmHeight + tmDefault.tmExternalLeading;
        while (*p != L'\0' && !m_bStopped) {
            const TagState atLineStart = state;
            m_xRight = m_rc.right;
            Line measured = LayOutLine(p, state, y, cyInitial, false, 0);
            state = atLineStart;
            int xOffset = 0;
            if (!m_bSingleLine) {
                const int cxSpare = (m_rc.right - m_rc.left) - measured.width;
                if (m_uStyle & DT_CENTER) xOffset = cxSpare / 2;
                else if (m_uStyle & DT_RIGHT) xOffset = cxSpare;
                if (xOffset < 0) xOffset = 0;
            }
            const bool bStoppedWhileMeasuring = m_bStopped;
            m_bStopped = false;
            // A single line cut with an ellipsis is cut early enough for the "..." to
            // fit inside the rectangle too.
            if (m_bEllipsis && bStoppedWhileMeasuring) m_xRight = m_rc.right - m_cxEllipsis;
            Line drawn = LayOutLine(p, state, y, measured.height, true, xOffset);
            m_bStopped = m_bStopped || bStoppedWhileMeasuring;
            if (measured.width > m_cxWidest) m_cxWidest = measured.width;
            y += measured.height;
            m_yBottom = y;
            // A line that consumed nothing would repeat for ever.
            p = drawn.next != p ? drawn.next : p + 1;
            const TEXTMETRICW& tm = Metrics(CurrentFont(state));
            cyInitial = tm.tmHeight + tm.tmExternalLeading + (state.paragraphs.empty() ? 0 : state.paragraphs.back());
        }
    }

    int Widest() const { return m_cxWidest; }
    int Bottom() const { return m_yBottom; }
    int LinkCount() const { return m_nLinks; }

private:
    struct Line
    {
        const wchar_t* next;
        int width;
        int height;
    };

    // Lays out one line from p; with final set it draws and records links with the
    // line height found by the first pass.
    Line LayOutLine(const wchar_t* p, TagState& state, int yTop, int cyLine, bool final, int xOffset)
    {
        m_final = final;
        m_yTop = yTop;
        m_cyLine = cyLine;
        m_xStart = m_rc.left + xOffset;
        m_x = m_xStart;
        m_bLineEmpty = true;
        m_bLastBreakable = false;
        if (state.inLink) state.linkStartX = m_x;
        SelectFont(state);
        bool bBreak = false;
        while (*p != L'\0' && !bBreak && !m_bStopped) {
            if (state.raw) {
                const wchar_t* end = FindRawEnd(p);
                if (end == p) {
                    state.raw = false;
                    p += 4;
                    continue;
                }
                const wchar_t* stop = end != nullptr ? end : p + wcslen(p);
                const wchar_t* runEnd = p;
                while (runEnd < stop && *runEnd != L'\n' && *runEnd != L'\r' && *runEnd != L' ') ++runEnd;
                if (runEnd == p) {
                    p = Whitespace(p, state, bBreak);
                } else {
                    p = TextRun(p, static_cast<int>(runEnd - p), state, bBreak);
                }
                continue;
            }
            if (wchar_t escaped = EscapeAt(p)) {
                int taken = 0;
                TextRun(&escaped, 1, state, bBreak, &taken);
                if (taken == 1) p += 3;
                continue;
            }
            if (IsTagAt(p)) {
                p = Tag(p, state, bBreak);
                continue;
            }
            if (*p == L'\n' || *p == L'\r' || *p == L' ') {
                p = Whitespace(p, state, bBreak);
                continue;
            }
            const wchar_t* runEnd = p + 1;
            while (*runEnd != L'\0' && *runEnd != L'\n' && *runEnd != L'\r' && *runEnd != L' ' &&
                   !(IsTagOpen(*runEnd) && (IsTagAt(runEnd) || EscapeAt(runEnd) != 0))) {
                ++runEnd;
            }
            p = TextRun(p, static_cast<int>(runEnd - p), state, bBreak);
        }
        // A link that goes on past the line gets a rectangle for this line's part; so
        // does one that is never closed, up to the end of the text.
        if (state.inLink && m_x > state.linkStartX) AddLinkRect(state);
        Line line = {p, m_x - m_xStart, m_cyLine};
        return line;
    }

    const wchar_t* Whitespace(const wchar_t* p, TagState& state, bool& bBreak)
    {
        if (*p == L'\r') return p + 1;
        if (*p == L'\n') {
            if (!m_bSingleLine) bBreak = true;
            return p + 1;
        }
        const TEXTMETRICW& tm = Metrics(CurrentFont(state));
        SIZE size = {};
        ::GetTextExtentPoint32W(m_hDC, L" ", 1, &size);
        if (!m_bLineEmpty && m_x + size.cx > m_xRight) {
            // The blank that does not fit ends the line and is dropped.
            if (m_bSingleLine) m_bStopped = true;
            if (m_bEllipsis) DrawEllipsis(state, tm);
            bBreak = true;
            return p + 1;
        }
        DrawTextPart(L" ", 1, state, tm);
        m_x += size.cx;
        m_bLineEmpty = false;
        m_bLastBreakable = true;
        return p + 1;
    }

    // Lays out up to len characters of one run; returns where the rest starts.
    const wchar_t* TextRun(const wchar_t* p, int len, TagState& state, bool& bBreak, int* pTaken = nullptr)
    {
        const TEXTMETRICW& tm = Metrics(CurrentFont(state));
        const int cxRoom = m_xRight - m_x;
        std::vector<int> extents(len);
        int fit = 0;
        SIZE size = {};
        ::GetTextExtentExPointW(m_hDC, p, len, cxRoom < 0 ? 0 : cxRoom, &fit, extents.data(), &size);
        int take = len;
        bool bCut = false;
        if (fit < len) {
            bCut = true;
            take = fit;
            // Every line takes at least one character.
            if (take == 0 && m_x == m_xStart) take = 1;
            if (m_uStyle & DT_WORDBREAK) {
                int breakAt = -1;
                for (int i = take - 1; i >= 0; --i) {
                    if (p[i] == L' ' || !IsAsciiLetter(p[i])) {
                        breakAt = i;
                        break;
                    }
                }
                if (breakAt >= 0) take = breakAt + 1;
                else if (!m_bLineEmpty && m_bLastBreakable) take = 0;  // the word moves to the next line
            }
        }
        int drawLen = take;
        const bool bEllipsis = bCut && m_bEllipsis;
        // Room kept for the "..." (the final pass) needs no dropping; otherwise the two
        // characters before the cut make way for it.
        if (bEllipsis && m_xRight == m_rc.right) drawLen -= (drawLen >= 2 ? 2 : drawLen);
        if (drawLen > 0) {
            DrawTextPart(p, drawLen, state, tm);
            // The platform fills the partial extents only for the characters that fit;
            // the one character a line always takes may not.
            if (drawLen <= fit) {
                m_x += extents[drawLen - 1];
            } else {
                SIZE taken = {};
                ::GetTextExtentPoint32W(m_hDC, p, drawLen, &taken);
                m_x += taken.cx;
            }
            m_bLineEmpty = false;
            m_bLastBreakable = p[drawLen - 1] == L' ' || !IsAsciiLetter(p[drawLen - 1]);
        }
        if (bEllipsis) DrawEllipsis(state, tm);
        if (pTaken != nullptr) *pTaken = take;
        if (bCut) {
            bBreak = true;
            // A single line ends where the text is cut; nothing after it is shown.
            if (m_bSingleLine) m_bStopped = true;
        }
        return p + take;
    }

    // "..." at the current position; the measuring pass notes its width.
    void DrawEllipsis(const TagState& state, const TEXTMETRICW& tm)
    {
        SIZE dots = {};
        ::GetTextExtentPoint32W(m_hDC, L"...", 3, &dots);
        if (!m_final) m_cxEllipsis = dots.cx;
        DrawTextPart(L"...", 3, state, tm);
        m_x += dots.cx;
    }

    void DrawTextPart(const wchar_t* p, int len, const TagState& state, const TEXTMETRICW& tm)
    {
        if (!m_final || !m_bDraw) return;
        const DWORD color = state.colors.empty() ? m_dwTextColor : state.colors.back();
        ::SetTextColor(m_hDC, ToColorRef(color));
        if (state.selected) {
            ::SetBkMode(m_hDC, OPAQUE);
            ::SetBkColor(m_hDC, ToColorRef(m_pManager->GetDefaultSelectedBkColor()));
        } else {
            ::SetBkMode(m_hDC, TRANSPARENT);
        }
        const int yText = m_yTop + m_cyLine - tm.tmHeight - tm.tmExternalLeading;
        ::ExtTextOutW(m_hDC, m_x, yText, 0, NULL, p, len, NULL);
    }

    const wchar_t* Tag(const wchar_t* p, TagState& state, bool& bBreak)
    {
        const bool bClosing = p[1] == L'/';
        const wchar_t letter = bClosing ? p[2] : p[1];
        const wchar_t* params = SkipBlanks(bClosing ? p + 3 : p + 2);
        const wchar_t* end = params;
        while (*end != L'\0' && !IsTagClose(*end)) ++end;
        const CUIString sParams(params, static_cast<int>(end - params));
        const wchar_t* next = *end != L'\0' ? end + 1 : end;
        if (bClosing) {
            CloseTag(letter, state, bBreak);
            return next;
        }
        switch (letter) {
        case L'a': {
            // A link without a text is hovered like any other.
            const bool bHover = m_bHoverLink && m_sHoverLink == sParams.GetData();
            state.colors.push_back(bHover ? m_pManager->GetDefaultLinkHoverFontColor()
                                          : m_pManager->GetDefaultLinkFontColor());
            PushFont(state, StyledFont(CurrentFont(state), -1, 1, -1));
            state.inLink = true;
            state.linkText = sParams;
            state.linkStartX = m_x;
            break;
        }
        case L'b':
            PushFont(state, StyledFont(CurrentFont(state), 1, -1, -1));
            break;
        case L'c': {
            const wchar_t* hex = SkipBlanks(params);
            if (*hex == L'#') ++hex;
            state.colors.push_back(static_cast<DWORD>(wcstol(hex, nullptr, 16)));
            break;
        }
        case L'f':
            PushFont(state, NamedFont(sParams));
            break;
        case L'i':
            if (sParams.IsEmpty()) {
                PushFont(state, StyledFont(CurrentFont(state), -1, -1, 1));
            } else if (!InlineImage(sParams)) {
                bBreak = true;
                return p;  // the image goes to the next line
            }
            break;
        case L'n':
            if (!m_bSingleLine) bBreak = true;
            break;
        case L'p': {
            if (!m_bLineEmpty && !m_bSingleLine) {
                bBreak = true;
                return p;  // handled again at the start of the next line
            }
            const int spacing = ReadInt(params);
            state.paragraphs.push_back(spacing);
            const TEXTMETRICW& tm = Metrics(CurrentFont(state));
            GrowLine(spacing + tm.tmHeight + tm.tmExternalLeading);
            break;
        }
        case L'r':
            state.raw = true;
            break;
        case L's':
            state.selected = !state.selected;
            break;
        case L'u':
            PushFont(state, StyledFont(CurrentFont(state), -1, 1, -1));
            break;
        case L'x':
            m_x += ReadInt(params);
            break;
        case L'y':
            if (!m_final) m_cyLine = ReadInt(params);
            break;
        default:
            break;  // unknown letters are skipped
        }
        return next;
    }

    void CloseTag(wchar_t letter, TagState& state, bool& bBreak)
    {
        switch (letter) {
        case L'a':
            if (state.inLink) AddLinkRect(state);
            state.inLink = false;
            PopColor(state);
            PopFont(state);
            break;
        case L'b':
        case L'f':
        case L'i':
        case L'u':
            PopFont(state);
            break;
        case L'c':
            PopColor(state);
            break;
        case L'p':
            if (!state.paragraphs.empty()) state.paragraphs.pop_back();
            if (!m_bLineEmpty && !m_bSingleLine) bBreak = true;
            break;
        case L's':
            state.selected = !state.selected;
            break;
        default:
            break;
        }
    }

    // An image frame at the current position; false when it must go to the next line.
    bool InlineImage(const CUIString& sParams)
    {
        CUIString sName;
        CUIString sType;
        int count = 1;
        int index = 0;
        if (sParams.Find(L"file='") >= 0 || sParams.Find(L"res='") >= 0) {
            sName = ImageDescriptionValue(sParams, L"file");
            if (sName.IsEmpty()) sName = ImageDescriptionValue(sParams, L"res");
            sType = ImageDescriptionValue(sParams, L"restype");
        } else {
            const wchar_t* p = sParams.GetData();
            const wchar_t* nameEnd = p;
            while (*nameEnd != L'\0' && *nameEnd != L' ') ++nameEnd;
            sName.Assign(p, static_cast<int>(nameEnd - p));
            p = SkipBlanks(nameEnd);
            if (*p != L'\0') {
                count = ReadInt(p);
                while (*p != L'\0' && *p != L' ') ++p;
                p = SkipBlanks(p);
                if (*p != L'\0') index = ReadInt(p);
            }
        }
        if (count < 1) count = 1;
        if (index < 0 || index >= count) index = 0;
        const TImageInfo* pImage =
            sName.IsEmpty() ? nullptr : m_pManager->GetImageEx(sName, sType.IsEmpty() ? NULL : sType.GetData(), 0);
        if (pImage == nullptr || pImage->hBitmap == NULL) return true;  // nothing drawn, no width taken
        const int cxFrame = pImage->nX / count;
        const int cyImage = pImage->nY;
        if (m_x + cxFrame > m_xRight && !m_bLineEmpty && !m_bSingleLine) return false;
        GrowLine(cyImage);
        if (m_final && m_bDraw) {
            const int yImage = cyImage < m_cyLine ? m_yTop + (m_cyLine - cyImage) / 2 : m_yTop + m_cyLine - cyImage;
            RECT rcDest = {m_x, yImage, m_x + cxFrame, yImage + cyImage};
            RECT rcSource = {cxFrame * index, 0, cxFrame * (index + 1), cyImage};
            RECT rcCorners = {};
            CRenderEngine::DrawImage(m_hDC, pImage->hBitmap, rcDest, m_rc, rcSource, rcCorners, pImage->alphaChannel);
        }
        m_x += cxFrame;
        m_bLineEmpty = false;
        m_bLastBreakable = true;
        return true;
    }

    void AddLinkRect(TagState& state)
    {
        if (!m_final) return;
        // Only while slots remain; the count says how many were written.
        if (m_nLinks < m_nMaxLinks && m_prcLinks != nullptr && m_sLinks != nullptr) {
            RECT rc = {state.linkStartX, m_yTop, m_x, m_yTop + m_cyLine};
            m_prcLinks[m_nLinks] = rc;
            m_sLinks[m_nLinks] = state.linkText;
            ++m_nLinks;
        }
        state.linkStartX = m_x;
    }

    void GrowLine(int cy)
    {
        if (!m_final && cy > m_cyLine) m_cyLine = cy;
    }

    TFontInfo* CurrentFont(const TagState& state) const
    {
        return state.fonts.empty() ? m_pManager->GetDefaultFontInfo() : state.fonts.back();
    }

    void SelectFont(const TagState& state) { ::SelectObject(m_hDC, CurrentFont(state)->hFont); }

    void PushFont(TagState& state, TFontInfo* pFont)
    {
        if (pFont == nullptr) pFont = CurrentFont(state);
        state.fonts.push_back(pFont);
        SelectFont(state);
        const TEXTMETRICW& tm = Metrics(pFont);
        GrowLine(tm.tmHeight + tm.tmExternalLeading);
    }

    void PopFont(TagState& state)
    {
        TFontInfo* pClosed = CurrentFont(state);
        if (!state.fonts.empty()) state.fonts.pop_back();
        SelectFont(state);
        if (pClosed->bItalic && !CurrentFont(state)->bItalic) {
            // Leaves room for the slant of the last italic letter.
            ABC abc = {};
            if (::GetCharABCWidthsW(m_hDC, L' ', L' ', &abc)) m_x += abc.abcC / 2;
        }
    }

    void PopColor(TagState& state)
    {
        if (!state.colors.empty()) state.colors.pop_back();
    }

    // The font like pBase with bold, underline or italic switched on (1) or left (-1).
    TFontInfo* StyledFont(TFontInfo* pBase, int bold, int underline, int italic)
    {
        return FindOrAddFont(pBase->sFontName, pBase->iSize, bold == 1 || (bold == -1 && pBase->bBold),
                             underline == 1 || (underline == -1 && pBase->bUnderline),
                             italic == 1 || (italic == -1 && pBase->bItalic));
    }

    // "<f 2>" picks the manager's font 2; "<f 宋体 12 bold italic>" names one.
    TFontInfo* NamedFont(const CUIString& sParams)
    {
        const wchar_t* p = sParams.GetData();
        if (iswdigit(*p)) return m_pManager->GetFontInfo(ReadInt(p));
        const wchar_t* nameEnd = p;
        while (*nameEnd != L'\0' && *nameEnd != L' ') ++nameEnd;
        const CUIString sName(p, static_cast<int>(nameEnd - p));
        p = SkipBlanks(nameEnd);
        int size = 10;
        if (iswdigit(*p)) {
            size = ReadInt(p);
            while (*p != L'\0' && *p != L' ') ++p;
        }
        CUIString sStyle(p);
        sStyle.MakeLower();
        return FindOrAddFont(sName, size, sStyle.Find(L"bold") >= 0, sStyle.Find(L"underline") >= 0,
                             sStyle.Find(L"italic") >= 0);
    }

    TFontInfo* FindOrAddFont(const wchar_t* name, int size, bool bold, bool underline, bool italic)
    {
        HFONT hFont = m_pManager->GetFont(name, size, bold, underline, italic);
        if (hFont == NULL) hFont = m_pManager->AddFont(name, size, bold, underline, italic);
        if (hFont == NULL) return nullptr;
        return m_pManager->GetFontInfo(hFont);
    }

    // Text metrics of a font, measured here when the manager has not filled them (a
    // manager without a window has no device context to measure with).
    const TEXTMETRICW& Metrics(TFontInfo* pFont)
    {
        if (pFont->tm.tmHeight != 0) return pFont->tm;
        auto it = m_metrics.find(pFont->hFont);
        if (it != m_metrics.end()) return it->second;
        TEXTMETRICW tm = {};
        HGDIOBJ old = ::SelectObject(m_hDC, pFont->hFont);
        ::GetTextMetricsW(m_hDC, &tm);
        ::SelectObject(m_hDC, old);
        return m_metrics[pFont->hFont] = tm;
    }

    HDC m_hDC;
    CPaintManagerUI* m_pManager;
    RECT m_rc;
    DWORD m_dwTextColor;
    RECT* m_prcLinks;
    CUIString* m_sLinks;
    int m_nMaxLinks;
    UINT m_uStyle;
    bool m_bHoverLink;  // the mouse was over a link in the previous paint
    CUIString m_sHoverLink;
    bool m_bDraw;
    bool m_bSingleLine;
    bool m_bEllipsis;  // a single line that ends in "..." where it is cut
    int m_xRight;      // where the text is cut: the right edge, less room for "..."
    int m_cxEllipsis = 0;
    std::map<HFONT, TEXTMETRICW> m_metrics;
    int m_yBottom;

    int m_nLinks = 0;
    int m_cxWidest = 0;
    bool m_bStopped = false;

    // The line being laid out.
    bool m_final = false;
    int m_yTop = 0;
    int m_cyLine = 0;
    int m_xStart = 0;
    int m_x = 0;
    bool m_bLineEmpty = true;
    bool m_bLastBreakable = false;
};

}  // namespace

void CRenderEngine::DrawHtmlText(HDC hDC, CPaintManagerUI* pManager, RECT& rc, const wchar_t* pstrText,
                                 DWORD dwTextColor, RECT* prcLinks, CUIString* sLinks, int& nLinkRects, UINT uStyle)
{
    const int nMaxLinks = (prcLinks != nullptr && sLinks != nullptr && nLinkRects > 0) ? nLinkRects : 0;
    nLinkRects = 0;
    if (hDC == NULL || pManager == NULL || pstrText == NULL || *pstrText == L'\0' || ::IsRectEmpty(&rc)) return;
    const bool bDraw = (uStyle & DT_CALCRECT) == 0;
    // Aligned text never draws outside the rectangle it was given.
    const RECT rcGiven = rc;

    if (bDraw && (uStyle & (DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM)) != 0) {
        // Measured at the rectangle's own width: lines break where the drawing breaks
        // them, so the height is the drawn one, and a line wider than the rectangle
        // keeps its left edge and is cut there (with the ellipsis when asked) instead of
        // being centred out over both sides.
        RECT rcText = {0, 0, rc.right - rc.left, 100};
        int nLinks = 0;
        DrawHtmlText(hDC, pManager, rcText, pstrText, dwTextColor, NULL, NULL, nLinks, uStyle | DT_CALCRECT);
        const int cxText = rcText.right - rcText.left;
        const int cyText = rcText.bottom - rcText.top;
        if (uStyle & DT_SINGLELINE) {
            if (uStyle & DT_CENTER) {
                rc.left = rc.left + ((rc.right - rc.left) - cxText) / 2;
                rc.right = rc.left + cxText;
            }
            if (uStyle & DT_RIGHT) rc.left = rc.right - cxText;
        }
        if (uStyle & DT_VCENTER) {
            rc.top = rc.top + ((rc.bottom - rc.top) - cyText) / 2;
            rc.bottom = rc.top + cyText;
        }
        if (uStyle & DT_BOTTOM) rc.top = rc.bottom - cyText;
    }

    // The link under the mouse in the previous paint is drawn in the hover colour.
    const CUIString* pHoverLink = nullptr;
    const POINT ptMouse = pManager->GetMousePos();
    for (int i = 0; i < nMaxLinks; i++) {
        if (::PtInRect(&prcLinks[i], ptMouse)) {
            pHoverLink = &sLinks[i];
            break;
        }
    }

    SaveDCScope saved(hDC);
    if (bDraw) {
        RECT rcClip = {};
        if (!::IntersectRect(&rcClip, &rc, &rcGiven)) return;
        ::IntersectClipRect(hDC, rcClip.left, rcClip.top, rcClip.right, rcClip.bottom);
    }
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, ToColorRef(dwTextColor));
    ::SetBkColor(hDC, ToColorRef(pManager->GetDefaultSelectedBkColor()));
    TaggedTextLayout layout(hDC, pManager, rc, dwTextColor, prcLinks, sLinks, nMaxLinks, uStyle, pHoverLink);
    layout.Run(pstrText);
    nLinkRects = layout.LinkCount();
    if (!bDraw) {
        rc.bottom = layout.Bottom();
        const int right = rc.left + layout.Widest();
        if (right < rc.right) rc.right = right;
    }
}

}  // namespace SkinUI
