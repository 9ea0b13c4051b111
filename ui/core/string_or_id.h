// STRINGorID: a resource reference given either as a name or as a numeric id
// (a value below 0x10000, as MAKEINTRESOURCE packs it).
#pragma once

#include <windows.h>

namespace SkinUI {

class STRINGorID
{
public:
    STRINGorID(const wchar_t* lpString) : m_lpstr(lpString) {}
    STRINGorID(UINT nID) : m_lpstr(MAKEINTRESOURCEW(nID)) {}
    bool IsId() const { return IS_INTRESOURCE(m_lpstr); }
    const wchar_t* m_lpstr;
};

}  // namespace SkinUI
