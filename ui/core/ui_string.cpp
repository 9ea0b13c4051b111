// CUIString: inline/heap wide string, conversion from the ANSI code page, and
// formatting through msvcrt's wide printf family.
#include "ui_string.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>

// Declared by msvcrt; called by these names so that mingw's C99 printf (where a
// narrow %s is meant) is never used for the framework's wide formats.
extern "C" {
_CRTIMP int __cdecl _vsnwprintf(wchar_t*, size_t, const wchar_t*, va_list);
_CRTIMP int __cdecl _vscwprintf(const wchar_t*, va_list);
}

namespace SkinUI {

namespace {

const int kInlineMax = CUIString::MAX_LOCAL_STRING_LEN - 1;  // 62 characters stay inline

// Heap exhaustion is fatal for the framework's text.
wchar_t* AllocText(int chars)
{
    void* p = malloc(static_cast<size_t>(chars) * sizeof(wchar_t));
    if (!p) abort();
    return static_cast<wchar_t*>(p);
}

// Length of text, but never looking past maxLength characters (negative: no limit).
int BoundedLength(const wchar_t* text, int maxLength)
{
    if (maxLength < 0) return static_cast<int>(wcslen(text));
    int n = 0;
    while (n < maxLength && text[n] != L'\0') ++n;
    return n;
}

const wchar_t* OrEmpty(const wchar_t* text) { return text ? text : L""; }

// Narrow text from the ANSI code page, as a heap block the caller frees.
wchar_t* WidenAnsi(const char* text)
{
    int n = static_cast<int>(strlen(text));
    wchar_t* buffer = AllocText(n + 1);
    int written = ::MultiByteToWideChar(CP_ACP, 0, text, -1, buffer, n + 1);
    if (written <= 0) written = 1;
    buffer[written - 1] = L'\0';
    return buffer;
}

}  // namespace

CUIString::CUIString() : m_pstr(m_szBuffer) { m_szBuffer[0] = L'\0'; }

CUIString::CUIString(wchar_t ch) : m_pstr(m_szBuffer)
{
    m_szBuffer[0] = ch;
    m_szBuffer[1] = L'\0';
}

CUIString::CUIString(const CUIString& src) : m_pstr(m_szBuffer)
{
    m_szBuffer[0] = L'\0';
    Assign(src.m_pstr);
}

CUIString::CUIString(const wchar_t* text, int maxLength) : m_pstr(m_szBuffer)
{
    m_szBuffer[0] = L'\0';
    Assign(text, maxLength);
}

CUIString::~CUIString()
{
    if (!IsInline()) free(m_pstr);
}

int CUIString::GetLength() const { return static_cast<int>(wcslen(m_pstr)); }
bool CUIString::IsEmpty() const { return m_pstr[0] == L'\0'; }

void CUIString::Empty()
{
    if (!IsInline()) free(m_pstr);
    m_pstr = m_szBuffer;
    m_szBuffer[0] = L'\0';
}

const wchar_t* CUIString::GetData() const { return m_pstr; }
CUIString::operator const wchar_t*() const { return m_pstr; }
wchar_t CUIString::GetAt(int index) const { return m_pstr[index]; }
wchar_t CUIString::operator[](int index) const { return m_pstr[index]; }
void CUIString::SetAt(int index, wchar_t ch) { m_pstr[index] = ch; }

// Text may point into this string's own storage (inline or heap), so it is
// always copied to its new place before the old block is freed.
void CUIString::Assign(const wchar_t* text, int maxLength)
{
    text = OrEmpty(text);
    int length = BoundedLength(text, maxLength);
    if (length > kInlineMax) {
        if (IsInline() || GetLength() < length) {
            wchar_t* block = AllocText(length + 1);
            memcpy(block, text, length * sizeof(wchar_t));
            if (!IsInline()) free(m_pstr);
            m_pstr = block;
        } else {
            memmove(m_pstr, text, length * sizeof(wchar_t));
        }
    } else {
        memmove(m_szBuffer, text, length * sizeof(wchar_t));
        if (!IsInline()) free(m_pstr);
        m_pstr = m_szBuffer;
    }
    m_pstr[length] = L'\0';
}

void CUIString::Append(const wchar_t* text)
{
    if (!text) return;
    int current = GetLength();
    int added = static_cast<int>(wcslen(text));
    int length = current + added;
    if (length >= MAX_LOCAL_STRING_LEN) {
        wchar_t* block = AllocText(length + 1);
        memcpy(block, m_pstr, current * sizeof(wchar_t));
        memcpy(block + current, text, added * sizeof(wchar_t));
        if (!IsInline()) free(m_pstr);
        m_pstr = block;
    } else {
        if (!IsInline()) memcpy(m_szBuffer, m_pstr, current * sizeof(wchar_t));
        memmove(m_szBuffer + current, text, added * sizeof(wchar_t));
        if (!IsInline()) free(m_pstr);
        m_pstr = m_szBuffer;
    }
    m_pstr[length] = L'\0';
}

void CUIString::AppendNarrow(const char* text, bool replace)
{
    if (!text) {
        if (replace) Empty();
        return;
    }
    wchar_t* wide = WidenAnsi(text);
    if (replace) Assign(wide);
    else Append(wide);
    free(wide);
}

const CUIString& CUIString::operator=(const CUIString& src)
{
    if (this != &src) Assign(src.m_pstr);
    return *this;
}

const CUIString& CUIString::operator=(const wchar_t* text)
{
    if (text) Assign(text);
    else Empty();
    return *this;
}

const CUIString& CUIString::operator=(const char* text)
{
    AppendNarrow(text, true);
    return *this;
}

const CUIString& CUIString::operator=(wchar_t ch)
{
    Empty();
    m_szBuffer[0] = ch;
    m_szBuffer[1] = L'\0';
    return *this;
}

const CUIString& CUIString::operator+=(const CUIString& src)
{
    Append(src.m_pstr);
    return *this;
}

const CUIString& CUIString::operator+=(const wchar_t* text)
{
    Append(text);
    return *this;
}

const CUIString& CUIString::operator+=(const char* text)
{
    AppendNarrow(text, false);
    return *this;
}

const CUIString& CUIString::operator+=(wchar_t ch)
{
    wchar_t text[2] = {ch, L'\0'};
    Append(text);
    return *this;
}

CUIString CUIString::operator+(const CUIString& src) const
{
    CUIString result(*this);
    result.Append(src.m_pstr);
    return result;
}

CUIString CUIString::operator+(const wchar_t* text) const
{
    CUIString result(*this);
    result.Append(text);
    return result;
}

bool CUIString::operator==(const wchar_t* text) const { return Compare(text) == 0; }
bool CUIString::operator!=(const wchar_t* text) const { return Compare(text) != 0; }
bool CUIString::operator<=(const wchar_t* text) const { return Compare(text) <= 0; }
bool CUIString::operator<(const wchar_t* text) const { return Compare(text) < 0; }
bool CUIString::operator>=(const wchar_t* text) const { return Compare(text) >= 0; }
bool CUIString::operator>(const wchar_t* text) const { return Compare(text) > 0; }

int CUIString::Compare(const wchar_t* text) const
{
    int r = wcscmp(m_pstr, OrEmpty(text));
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CUIString::CompareNoCase(const wchar_t* text) const { return _wcsicmp(m_pstr, OrEmpty(text)); }

void CUIString::MakeUpper() { _wcsupr(m_pstr); }
void CUIString::MakeLower() { _wcslwr(m_pstr); }

CUIString CUIString::Left(int length) const
{
    int total = GetLength();
    if (length < 0) length = 0;
    if (length > total) length = total;
    return CUIString(m_pstr, length);
}

CUIString CUIString::Mid(int pos, int length) const
{
    int total = GetLength();
    if (pos < 0) pos = 0;
    if (pos > total) pos = total;
    if (length < 0 || length > total - pos) length = total - pos;
    if (length <= 0) return CUIString();
    return CUIString(m_pstr + pos, length);
}

CUIString CUIString::Right(int length) const
{
    int total = GetLength();
    if (length < 0) length = 0;
    if (length > total) length = total;
    return CUIString(m_pstr + total - length, length);
}

int CUIString::Find(wchar_t ch, int pos) const
{
    if (ch == L'\0') return -1;
    if (pos != 0 && (pos < 0 || pos >= GetLength())) return -1;
    const wchar_t* p = wcschr(m_pstr + pos, ch);
    return p ? static_cast<int>(p - m_pstr) : -1;
}

int CUIString::Find(const wchar_t* pattern, int pos) const
{
    if (!pattern) return -1;
    if (pos != 0 && (pos < 0 || pos > GetLength())) return -1;
    if (*pattern == L'\0') return pos;  // some runtimes' wcsstr miss the empty match at the end
    const wchar_t* p = wcsstr(m_pstr + pos, pattern);
    return p ? static_cast<int>(p - m_pstr) : -1;
}

int CUIString::ReverseFind(wchar_t ch) const
{
    if (ch == L'\0') return -1;
    const wchar_t* p = wcsrchr(m_pstr, ch);
    return p ? static_cast<int>(p - m_pstr) : -1;
}

int CUIString::Replace(const wchar_t* from, const wchar_t* to)
{
    if (!from || !*from) return 0;
    // Either text may point into this string, which changes below.
    CUIString fromCopy(from);
    CUIString toCopy(OrEmpty(to));
    int fromLength = fromCopy.GetLength();
    int toLength = toCopy.GetLength();
    int count = 0;
    int pos = Find(fromCopy, 0);
    while (pos >= 0) {
        CUIString replaced = Left(pos) + toCopy + Mid(pos + fromLength);
        Assign(replaced);
        ++count;
        pos = Find(fromCopy, pos + toLength);
    }
    return count;
}

int CUIString::FormatV(const wchar_t* format, va_list args)
{
    format = OrEmpty(format);
    va_list counting;
    va_copy(counting, args);
    int length = _vscwprintf(format, counting);
    va_end(counting);
    if (length < 0) {
        Empty();
        return length;
    }
    wchar_t* buffer = static_cast<wchar_t*>(calloc(length + 1, sizeof(wchar_t)));
    if (!buffer) abort();
    _vsnwprintf(buffer, length + 1, format, args);
    buffer[length] = L'\0';
    Assign(buffer, length);
    free(buffer);
    return length;
}

int CUIString::Format(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    int r = FormatV(format, args);
    va_end(args);
    return r;
}

int CUIString::SmallFormat(const wchar_t* format, ...)
{
    CUIString formatCopy(format);
    wchar_t buffer[MAX_LOCAL_STRING_LEN + 1] = {};
    va_list args;
    va_start(args, format);
    int r = _vsnwprintf(buffer, MAX_LOCAL_STRING_LEN, formatCopy.GetData(), args);
    va_end(args);
    buffer[MAX_LOCAL_STRING_LEN] = L'\0';
    Assign(buffer);
    return r;
}

}  // namespace SkinUI
