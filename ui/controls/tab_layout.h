// CTabLayoutUI: a stack of pages of which exactly one, the selection, is shown
// and laid out; changing it raises "tabselect".
#pragma once

#include "core/container_ui.h"

namespace SkinUI {

class UILIB_API CTabLayoutUI : public CContainerUI
{
public:
    CTabLayoutUI();

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    bool Add(CControlUI* pControl) override;
    bool AddAt(CControlUI* pControl, int iIndex) override;
    bool Remove(CControlUI* pControl) override;
    // Moving a page keeps the same page selected.
    bool SetItemIndex(CControlUI* pControl, int iIndex) override;
    void RemoveAll() override;

    int GetCurSel() const;
    bool SelectItem(int iIndex);
    bool SelectItem(CControlUI* pControl);

    void SetPos(RECT rc) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;

protected:
    int m_iCurSel;
};

} // namespace SkinUI
