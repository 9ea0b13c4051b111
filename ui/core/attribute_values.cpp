// Attribute value parsers that never read past the terminator.
#include "attribute_values.h"

#include <cwchar>
#include <cwctype>

namespace SkinUI {

int ParseIntList(const wchar_t* text, int* values, int count)
{
    for (int i = 0; i < count; ++i) values[i] = 0;
    if (text == NULL) return 0;
    const wchar_t* p = text;
    int found = 0;
    for (int i = 0; i < count; ++i) {
        wchar_t* end = NULL;
        values[i] = static_cast<int>(wcstol(p, &end, 10));
        if (end != p) ++found;
        p = end;
        // Exactly one separator character between numbers; the terminator ends
        // the list.
        if (*p == L'\0') break;
        ++p;
    }
    return found;
}

RECT ParseRect(const wchar_t* text)
{
    int v[4];
    ParseIntList(text, v, 4);
    RECT rc = {v[0], v[1], v[2], v[3]};
    return rc;
}

SIZE ParseSize(const wchar_t* text)
{
    int v[2];
    ParseIntList(text, v, 2);
    SIZE sz = {v[0], v[1]};
    return sz;
}

int ParseInt(const wchar_t* text)
{
    if (text == NULL) return 0;
    return static_cast<int>(wcstol(text, NULL, 10));
}

DWORD ParseColor(const wchar_t* text)
{
    if (text == NULL) return 0;
    while (*text != L'\0' && *text <= L' ') ++text;
    if (*text == L'#') ++text;
    return static_cast<DWORD>(wcstoul(text, NULL, 16));
}

bool ParseBool(const wchar_t* text) { return text != NULL && wcscmp(text, L"true") == 0; }

}  // namespace SkinUI
