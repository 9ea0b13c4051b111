// CDataListUI: a tree list over the same node records as the bar list whose
// selected leaf row grows to 52 pixels, shows its operation panel and a larger
// head picture; a row that loses the selection shrinks to 32 again (unless
// rows are kept large). Dragging a leaf onto a folder is on from the start.
#pragma once

#include "node_list.h"

namespace SkinUI {

class CButtonUI;

class UILIB_API CDataListUI : public CNodeListUI
{
public:
    explicit CDataListUI(CPaintManagerUI* pManager);

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    bool IsKeepRowsLarge() const;
    void SetKeepRowsLarge(bool bKeep);
    CButtonUI* GetTipButton() const;

    // The row looks, on the given row or, without one, on the window's
    // controls of those names. Each can be applied any number of times.
    void ApplyLargeLook(CControlUI* pRow);
    void ApplySmallLook(CControlUI* pRow);

    // A range sort of sibling rows puts their nodes in the rows' new order.
    void OnRangeSorted(CControlUI* pLastRow) override;

protected:
    int GetRowHeight() const override;
    void OnRowDeselecting(CControlUI* pRow, BarListNode* pNode) override;
    void OnRowSelected(CControlUI* pRow, BarListNode* pNode) override;

private:
    int m_nSmallHeight;
    int m_nLargeHeight;
    bool m_bKeepRowsLarge;
    // A child of the list itself, not a row; the container frees it.
    CButtonUI* m_pTipButton;
};

} // namespace SkinUI
