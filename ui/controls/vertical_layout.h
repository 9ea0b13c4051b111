// CVerticalLayoutUI: children stacked top to bottom. Children with a height of
// their own keep it; the others share what is left. Base of the list body.
#pragma once

#include "separator_layout.h"

namespace SkinUI {

class UILIB_API CVerticalLayoutUI : public CSeparatorLayoutUI
{
public:
    CVerticalLayoutUI();

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    void SetSepHeight(int iHeight);
    int GetSepHeight() const;

    void SetPos(RECT rc) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;

protected:
    // Places the children in rcWork (inset and scroll bars already taken off) and
    // sets the scroll ranges. oneWidth: every child is as wide as the area or
    // cxRows, whichever is more (the list body's rows); otherwise each child
    // keeps its fixed width.
    void StackChildren(RECT rcWork, bool oneWidth, int cxRows);
};

} // namespace SkinUI
