// CUIString: the framework's wide string. Short text lives in an inline buffer,
// longer text in a heap block of exactly its length; copies always copy the text.
#pragma once

#include <windows.h>
#include <cstdarg>
#include <type_traits>

#include "ui_export.h"

namespace SkinUI {

class UILIB_API CUIString
{
public:
    enum
    {
        MAX_LOCAL_STRING_LEN = 63
    };

    CUIString();
    CUIString(wchar_t ch);
    CUIString(const CUIString& src);
    CUIString(const wchar_t* text, int maxLength = -1);
    ~CUIString();

    int GetLength() const;
    bool IsEmpty() const;
    void Empty();
    const wchar_t* GetData() const;
    operator const wchar_t*() const;

    wchar_t GetAt(int index) const;
    wchar_t operator[](int index) const;
    void SetAt(int index, wchar_t ch);

    void Assign(const wchar_t* text, int maxLength = -1);
    void Append(const wchar_t* text);

    const CUIString& operator=(const CUIString& src);
    const CUIString& operator=(const wchar_t* text);
    const CUIString& operator=(const char* text);
    const CUIString& operator=(wchar_t ch);

    const CUIString& operator+=(const CUIString& src);
    const CUIString& operator+=(const wchar_t* text);
    const CUIString& operator+=(const char* text);
    const CUIString& operator+=(wchar_t ch);

    CUIString operator+(const CUIString& src) const;
    CUIString operator+(const wchar_t* text) const;

    bool operator==(const wchar_t* text) const;
    bool operator!=(const wchar_t* text) const;
    bool operator<=(const wchar_t* text) const;
    bool operator<(const wchar_t* text) const;
    bool operator>=(const wchar_t* text) const;
    bool operator>(const wchar_t* text) const;

    int Compare(const wchar_t* text) const;
    int CompareNoCase(const wchar_t* text) const;

    void MakeUpper();
    void MakeLower();

    CUIString Left(int length) const;
    CUIString Mid(int pos, int length = -1) const;
    CUIString Right(int length) const;

    int Find(wchar_t ch, int pos = 0) const;
    int Find(const wchar_t* pattern, int pos = 0) const;
    int ReverseFind(wchar_t ch) const;
    int Replace(const wchar_t* from, const wchar_t* to);

    // Format(format, va_list) only binds to a va_list variable: on this platform
    // va_list is a plain char*, and a literal 0 or NULL, a char array or a char*
    // expression of the variadic form would otherwise be taken for one. A named
    // char* variable still is: pass such text as static_cast<const char*>.
#pragma GCC diagnostic push
    // 64-bit mingw's va_list carries an attribute that a template argument drops;
    // only its type matters here.
#pragma GCC diagnostic ignored "-Wignored-attributes"
    template <class T, typename std::enable_if<std::is_same<T, va_list>::value, int>::type = 0>
    int Format(const wchar_t* format, T& args)
    {
        return FormatV(format, args);
    }
#pragma GCC diagnostic pop
    int __cdecl Format(const wchar_t* format, ...);
    int FormatV(const wchar_t* format, va_list args);
    int __cdecl SmallFormat(const wchar_t* format, ...);

    // True while the text sits in the inline buffer (no heap block).
    bool IsInline() const { return m_pstr == m_szBuffer; }

private:
    void AppendNarrow(const char* text, bool replace);

    wchar_t* m_pstr;
    wchar_t m_szBuffer[MAX_LOCAL_STRING_LEN + 1];
};

}  // namespace SkinUI
