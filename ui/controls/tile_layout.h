// CTileLayoutUI: a grid of equal cells filled row by row. With an item size the
// number of columns follows from the width; each row is as high as its tallest
// tile, and every child is centred in its cell.
#pragma once

#include "core/container_ui.h"

namespace SkinUI {

class UILIB_API CTileLayoutUI : public CContainerUI
{
public:
    CTileLayoutUI();

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    SIZE GetItemSize() const;
    void SetItemSize(SIZE szItem);
    int GetColumns() const;
    void SetColumns(int nCols);

    void SetPos(RECT rc) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;

private:
    // The height of the row that starts at the child at iFirst.
    int MeasureRow(int iFirst, int cellWidth, int column) const;
    // Narrows a cell's sides by half the child padding towards a neighbour.
    void ShareChildPadding(RECT& rcCell, int column) const;

    SIZE m_szItem;
    int m_nColumns;
};

} // namespace SkinUI
