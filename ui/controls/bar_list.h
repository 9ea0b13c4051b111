// CBarListUI: the program's side bars and category lists, a tree of items shown
// as indented rows of the item layout. Rows are 50 pixels high, or 32 with
// small rows set before the list is filled.
#pragma once

#include "node_list.h"

namespace SkinUI {

class UILIB_API CBarListUI : public CNodeListUI
{
public:
    explicit CBarListUI(CPaintManagerUI* pManager);

    const wchar_t* GetClass() const override;

    bool IsSmallRows() const;
    void SetSmallRows(bool bSmall);
    // The height of normal rows; rows made before keep theirs.
    int GetItemHeight() const;
    void SetItemHeight(int cy);

protected:
    int GetRowHeight() const override;
    void OnRowDeselecting(CControlUI* pRow, BarListNode* pNode) override;
    void OnRowSelected(CControlUI* pRow, BarListNode* pNode) override;

private:
    int m_nSmallHeight;
    int m_nNormalHeight;
    bool m_bSmallRows;
};

} // namespace SkinUI
