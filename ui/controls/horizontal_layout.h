// CHorizontalLayoutUI: children side by side, left to right. Children with a
// width of their own keep it; the others share what is left. Base of the list
// header.
#pragma once

#include "separator_layout.h"

namespace SkinUI {

class UILIB_API CHorizontalLayoutUI : public CSeparatorLayoutUI
{
public:
    CHorizontalLayoutUI();

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    void SetSepWidth(int iWidth);
    int GetSepWidth() const;

    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;
};

} // namespace SkinUI
