// CListTextElementUI: a row with one text per column, drawn at the column
// rectangles of the list; texts come from the list's text callback when it has
// one, else from the row. Tagged texts may hold links, which the row tracks.
#pragma once

#include "list_element.h"
#include "core/ui_arrays.h"

namespace SkinUI {

const int UILIST_MAX_LINKS = 8;

class UILIB_API CListTextElementUI : public CListLabelElementUI
{
public:
    CListTextElementUI();
    ~CListTextElementUI() override;

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;
    UINT GetControlFlags() const override;

    const wchar_t* GetText(int iIndex) const;
    void SetText(int iIndex, const wchar_t* pstrText);
    using CListLabelElementUI::GetText;
    using CListLabelElementUI::SetText;

    void SetOwner(CControlUI* pOwner) override;
    CUIString* GetLinkContent(int iIndex);

    void DoEvent(TEventUI& event) override;
    SIZE EstimateSize(SIZE szAvailable) override;

    void DrawItemText(HDC hDC, const RECT& rcItem) override;

protected:
    // The link under the point, -1 for none.
    int LinkAt(POINT pt) const;

    int m_nLinks;
    RECT m_rcLinks[UILIST_MAX_LINKS];
    CUIString m_sLinks[UILIST_MAX_LINKS];
    int m_nHoverLink;
    IListUI* m_pOwner;
    CStdPtrArray m_aTexts;
};

} // namespace SkinUI
