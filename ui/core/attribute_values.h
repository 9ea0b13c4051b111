// Parsing of attribute values shared by the builder, the controls and the image
// descriptions: decimal numbers, lists of numbers separated by one character,
// colours and booleans. Every parser stops at the terminator: a list with fewer
// numbers than asked for leaves the missing ones 0.
#pragma once

#include <windows.h>

#include "ui_export.h"

namespace SkinUI {

// Reads up to count decimal numbers separated by exactly one character each
// (normally a comma) into values; missing numbers are 0. Returns how many
// numbers were present.
UILIB_API int ParseIntList(const wchar_t* text, int* values, int count);

// "l,t,r,b" and "cx,cy".
UILIB_API RECT ParseRect(const wchar_t* text);
UILIB_API SIZE ParseSize(const wchar_t* text);

// A decimal number as _wtoi reads it (0 when there is none).
UILIB_API int ParseInt(const wchar_t* text);

// A colour: leading blanks and one "#" skipped, then hexadecimal (0xAARRGGBB).
UILIB_API DWORD ParseColor(const wchar_t* text);

// "true" is the only true value.
UILIB_API bool ParseBool(const wchar_t* text);

}  // namespace SkinUI
