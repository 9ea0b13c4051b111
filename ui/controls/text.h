// CTextUI: a label for multi-line text that measures its own height and turns
// the links of its tagged text into clickable areas raising "link".
#pragma once

#include "label.h"

namespace SkinUI {

class UILIB_API CTextUI : public CLabelUI
{
public:
    // Links of one text that are clickable; later ones are drawn but inert.
    static const int kMaxLinks = 8;

    CTextUI();

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;
    UINT GetControlFlags() const override;

    // The link text of a link drawn by the latest paint; null out of range.
    CUIString* GetLinkContent(int iIndex);
    int GetLinkCount() const { return m_nLinks; }

    void DoEvent(TEventUI& event) override;
    SIZE EstimateSize(SIZE szAvailable) override;
    void PaintText(HDC hDC) override;

protected:
    // The link under pt, or -1.
    int LinkAt(POINT pt) const;

    int m_nLinks;
    RECT m_rcLinks[kMaxLinks];
    CUIString m_sLinks[kMaxLinks];
    int m_nHoverLink;
};

} // namespace SkinUI
