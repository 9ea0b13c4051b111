// Attribute tables of the controls: one row per layout-XML attribute, naming how
// its value is parsed and which setter takes it, in place of a chain of string
// comparisons. A control's SetAttribute looks the name up in its table and hands
// what the table does not know to its base class.
#pragma once

#include <windows.h>

#include <cwchar>

#include "attribute_values.h"

namespace SkinUI {

// "align" of the list look, its header items and the rich edit: the value is
// searched for "left", "center" and "right", each found editing the style in
// that order. The edit styles ES_LEFT, ES_CENTER and ES_RIGHT have the values
// of DT_LEFT, DT_CENTER and DT_RIGHT.
inline UINT AlignHorizontally(UINT uStyle, const wchar_t* value)
{
    if (wcsstr(value, L"left") != NULL) uStyle &= ~(DT_CENTER | DT_RIGHT);
    if (wcsstr(value, L"center") != NULL) uStyle = (uStyle & ~(DT_LEFT | DT_RIGHT)) | DT_CENTER;
    if (wcsstr(value, L"right") != NULL) uStyle = (uStyle & ~(DT_LEFT | DT_CENTER)) | DT_RIGHT;
    return uStyle;
}

// The value as written, for setters that take text.
inline const wchar_t* AttributeText(const wchar_t* text) { return text; }

template <class Control> struct TAttributeRowUI
{
    typedef void (*ApplyProc)(Control& control, const wchar_t* value);

    const wchar_t* name;
    ApplyProc apply;

    // A row for a setter that takes the parsed value: Parse is one of the
    // attribute value parsers (or AttributeText), Set a member function of
    // Control or of one of its bases.
    template <auto Parse, auto Set> static void ParseAndSet(Control& control, const wchar_t* value)
    {
        (control.*Set)(Parse(value));
    }
};

// Applies the row of the table named pstrName; false when there is none.
template <class Control, size_t N>
bool ApplyAttributeRow(const TAttributeRowUI<Control> (&table)[N], Control& control, const wchar_t* pstrName,
                       const wchar_t* pstrValue)
{
    for (const TAttributeRowUI<Control>& row : table) {
        if (wcscmp(pstrName, row.name) != 0) continue;
        row.apply(control, pstrValue);
        return true;
    }
    return false;
}

}  // namespace SkinUI
