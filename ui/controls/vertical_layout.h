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

    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;
};

} // namespace SkinUI
