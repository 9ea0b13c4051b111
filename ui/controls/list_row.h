// What the rows of a list share however they are built: repainting a row
// clipped to the visible part of its list, the state colours of the list's
// look, and the row background painted from that look.
#pragma once

#include "core/control_ui.h"
#include "list_interfaces.h"

namespace SkinUI {

// The row's rectangle clipped to its container's client area (less the inset
// and visible scroll bars) and to every ancestor; invalidated without erasing.
// A row whose parent is not a container uses the control base's repaint.
UILIB_API void InvalidateListRow(CControlUI* pRow);

// The row logic the plain rows and the container rows share.
// The owner's "IListOwner" face, null for none.
IListOwnerUI* ListOwnerOf(CControlUI* pOwner);
// Select or deselect: a disabled row refuses; selecting tells the owner.
bool SelectListRow(CControlUI& row, bool& selected, int index, IListOwnerUI* pOwner, bool bSelect);
// After SetVisible: a selected row that became hidden gives up the selection.
void HideListRow(CControlUI& row, bool& selected, IListOwnerUI* pOwner);
// After the base's Activate answered bActive: tells "itemactivate".
bool ActivateListRow(CControlUI& row, bool bActive);

// The text colour of a row in its state (hot, then selected, then disabled win).
DWORD ListRowTextColor(const TListInfoUI& info, bool bHot, bool bSelected, bool bEnabled);

// The record that the program's own lists (bar list, data list) attach to
// their rows through the tag. A row reads it only from a list that answers
// "IListRowRecords" and knows the tag, so a tag that is a plain number (the
// layout's default tags) is never taken for a record.
struct UILIB_API TListRowRecordUI
{
    TListRowRecordUI();

    // Plain rows: non-empty ones replace the look's selected and hot images
    // and the row's own background image.
    CUIString sSelectedImage;
    CUIString sHotImage;
    CUIString sBkImage;
    // Container rows: replaces both the look's selected and hot images.
    CUIString sFolderImage;
    // Container rows: called with pPaintArg before the row paints, with the
    // device context stored in hPaintDC.
    void (*pfnPaint)(UINT_PTR pPaintArg);
    UINT_PTR pPaintArg;
    HDC hPaintDC;
};

class UILIB_API IListRowRecordsUI
{
public:
    // The record of a row's tag, null when the tag is not one of the list's.
    virtual TListRowRecordUI* GetRowRecord(CControlUI* pRow, UINT_PTR tag) = 0;
};

// The record of a tagged row from the nearest ancestor that keeps records.
TListRowRecordUI* FindListRowRecord(CControlUI* pRow);

// What a row paints its background with.
struct ListRowState
{
    int index;
    bool hot;
    bool selected;
    bool enabled;
};
struct ListRowImages
{
    CUIString* selected;          // replaces the look's selected image when non-empty
    CUIString* hot;               // replaces the look's hot image when non-empty
    CUIString* own;               // the row's own background image
    bool selectedColorUnderImage; // the selected colour is filled under a replacing image
};
// Paints a row's background from the list's look; images that fail to draw
// are emptied where they are kept.
void PaintListRowBk(HDC hDC, CControlUI& row, TListInfoUI& info, const ListRowState& state,
                    const ListRowImages& images);

} // namespace SkinUI
