// CMarkup parsing and CMarkupNode access. The document is parsed in place:
// names, attribute values and element text are terminated inside the buffer.
#include "markup.h"

#include <vector>

#include "skin_file.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <utility>

namespace SkinUI {

namespace {

inline bool IsSpace(wchar_t ch) { return ch > 0 && ch <= 32; }

inline bool IsNameChar(wchar_t ch) { return ch == L'_' || ch == L':' || iswalnum(ch); }

void SkipWhitespace(wchar_t*& p)
{
    while (IsSpace(*p)) ++p;
}

void SkipIdentifier(wchar_t*& p)
{
    while (*p && IsNameChar(*p)) ++p;
}

// Copies at most max - 1 characters and always terminates (max 0: nothing).
void CopyTerminated(wchar_t* dest, const wchar_t* src, SIZE_T max)
{
    if (!dest || max == 0) return;
    wcsncpy(dest, src, max - 1);
    dest[max - 1] = L'\0';
}

struct Entity
{
    const wchar_t* name;  // without the ampersand
    size_t length;
    wchar_t ch;
};

const Entity kEntities[] = {
    {L"amp;", 4, L'&'}, {L"lt;", 3, L'<'}, {L"gt;", 3, L'>'}, {L"quot;", 5, L'"'}, {L"apos;", 5, L'\''},
};

const wchar_t kEmpty[] = L"";

}  // namespace

// ---------------------------------------------------------------- CMarkup

CMarkup::CMarkup(const wchar_t* text)
    : m_pstrXML(nullptr),
      m_pElements(nullptr),
      m_nElements(0),
      m_nReservedElements(0),
      m_bPreserveWhitespace(true)
{
    m_szErrorMsg[0] = L'\0';
    m_szErrorXML[0] = L'\0';
    if (text) Load(text);
}

CMarkup::~CMarkup() { Release(); }

bool CMarkup::IsValid() const { return m_pElements != nullptr; }

void CMarkup::SetPreserveWhitespace(bool preserve) { m_bPreserveWhitespace = preserve; }

void CMarkup::Release()
{
    free(m_pstrXML);
    free(m_pElements);
    m_pstrXML = nullptr;
    m_pElements = nullptr;
    m_nElements = 0;
    m_nReservedElements = 0;
}

bool CMarkup::Load(const wchar_t* text)
{
    Release();
    if (!text) return Failed(L"No document text");
    size_t length = wcslen(text);
    m_pstrXML = static_cast<wchar_t*>(malloc((length + 1) * sizeof(wchar_t)));
    if (!m_pstrXML) return Failed(L"Out of memory");
    memcpy(m_pstrXML, text, (length + 1) * sizeof(wchar_t));
    bool ok = Parse();
    if (!ok) Release();
    return ok;
}

bool CMarkup::LoadFromMem(const BYTE* data, DWORD size, int encoding)
{
    Release();
    if (!data && size > 0) return Failed(L"No document data");
    size_t chars = 0;
    if (encoding == XMLFILE_ENCODING_UTF8 || encoding == XMLFILE_ENCODING_ASNI) {
        UINT codePage = CP_UTF8;
        if (encoding == XMLFILE_ENCODING_UTF8) {
            if (size > 2 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
                data += 3;
                size -= 3;
            }
        } else {
            codePage = CP_ACP;
        }
        if (size > 0x7FFFFFFF) return Failed(L"Document too large");
        int n = size ? ::MultiByteToWideChar(codePage, 0, reinterpret_cast<const char*>(data), static_cast<int>(size),
                                             nullptr, 0)
                     : 0;
        if (size && n <= 0) return Failed(L"Could not convert the document text");
        m_pstrXML = static_cast<wchar_t*>(malloc((static_cast<size_t>(n) + 1) * sizeof(wchar_t)));
        if (!m_pstrXML) return Failed(L"Out of memory");
        if (n > 0)
            ::MultiByteToWideChar(codePage, 0, reinterpret_cast<const char*>(data), static_cast<int>(size), m_pstrXML,
                                  n);
        chars = static_cast<size_t>(n);
    } else if (encoding == XMLFILE_ENCODING_UNICODE) {
        if (size < 2) return Failed(L"UTF-16 document without byte-order mark");
        bool bigEndian;
        if (data[0] == 0xFF && data[1] == 0xFE) bigEndian = false;
        else if (data[0] == 0xFE && data[1] == 0xFF) bigEndian = true;
        else return Failed(L"UTF-16 document without byte-order mark");
        chars = size / 2 - 1;  // an odd trailing byte is ignored
        m_pstrXML = static_cast<wchar_t*>(malloc((chars + 1) * sizeof(wchar_t)));
        if (!m_pstrXML) return Failed(L"Out of memory");
        const BYTE* src = data + 2;
        for (size_t i = 0; i < chars; ++i) {
            BYTE lo = src[2 * i], hi = src[2 * i + 1];
            if (bigEndian) std::swap(lo, hi);
            m_pstrXML[i] = static_cast<wchar_t>(lo | (hi << 8));
        }
    } else {
        return Failed(L"Unknown document encoding");
    }
    m_pstrXML[chars] = L'\0';
    bool ok = Parse();
    if (!ok) Release();
    return ok;
}

bool CMarkup::LoadFromFile(const wchar_t* fileName, int encoding)
{
    return LoadFromFile(CurrentSkinLocation(), fileName, encoding);
}

bool CMarkup::LoadFromFile(const SkinFileLocation& where, const wchar_t* fileName, int encoding)
{
    Release();
    std::vector<BYTE> bytes;
    const wchar_t* error = nullptr;
    if (!ReadSkinFile(where, fileName, MAX_FILE_SIZE, bytes, &error)) return Failed(error);
    return LoadFromMem(bytes.data(), static_cast<DWORD>(bytes.size()), encoding);
}

void CMarkup::GetLastErrorMessage(wchar_t* message, SIZE_T max) const { CopyTerminated(message, m_szErrorMsg, max); }

void CMarkup::GetLastErrorLocation(wchar_t* source, SIZE_T max) const { CopyTerminated(source, m_szErrorXML, max); }

CMarkupNode CMarkup::GetRoot()
{
    if (m_nElements <= 1) return CMarkupNode();
    return CMarkupNode(this, 1);
}

bool CMarkup::Failed(const wchar_t* message, const wchar_t* location)
{
    CopyTerminated(m_szErrorMsg, message, sizeof(m_szErrorMsg) / sizeof(m_szErrorMsg[0]));
    CopyTerminated(m_szErrorXML, location ? location : kEmpty, sizeof(m_szErrorXML) / sizeof(m_szErrorXML[0]));
    return false;
}

bool CMarkup::ReserveElement(ULONG& index)
{
    if (m_nElements >= m_nReservedElements) {
        ULONG grown = m_nReservedElements + m_nReservedElements / 2 + 500;
        if (grown > 0x7FFFFFFF / sizeof(XMLELEMENT)) return Failed(L"Document too large");
        void* block = realloc(m_pElements, grown * sizeof(XMLELEMENT));
        if (!block) return Failed(L"Out of memory");
        m_pElements = static_cast<XMLELEMENT*>(block);
        m_nReservedElements = grown;
    }
    index = m_nElements++;
    m_pElements[index] = XMLELEMENT{0, 0, 0, 0, 0};
    return true;
}

bool CMarkup::Parse()
{
    m_szErrorMsg[0] = L'\0';
    m_szErrorXML[0] = L'\0';
    ULONG placeholder;
    if (!ReserveElement(placeholder)) return false;
    wchar_t* p = m_pstrXML;
    return ParseLevel(p, 0, 0);
}

// Parses the items of one level until the end of the text or a closing tag,
// which is left for the caller (at the top level a closing tag ends the document).
bool CMarkup::ParseLevel(wchar_t*& p, ULONG parent, int depth)
{
    if (depth > MAX_NESTING) return Failed(L"Elements nested too deeply", p);
    ULONG previous = 0;
    for (;;) {
        SkipWhitespace(p);
        if (*p == L'\0') return true;
        if (*p != L'<') return Failed(L"Expected start tag", p);
        if (p[1] == L'/') return true;
        if (p[1] == L'!' || p[1] == L'?') {
            const wchar_t* close = p[1] == L'!' ? L"->" : L"?>";
            wchar_t* end = wcsstr(p + 2, close);
            if (!end) return Failed(p[1] == L'!' ? L"Unterminated comment" : L"Unterminated declaration", p);
            p = end + 2;
            continue;
        }
        if (!ParseElement(p, parent, previous, depth)) return false;
    }
}

bool CMarkup::ParseElement(wchar_t*& p, ULONG parent, ULONG& previous, int depth)
{
    ULONG index;
    if (!ReserveElement(index)) return false;
    wchar_t* name = p + 1;
    m_pElements[index].iStart = static_cast<ULONG>(name - m_pstrXML);
    m_pElements[index].iParent = parent;
    if (previous) m_pElements[previous].iNext = index;
    else if (parent) m_pElements[parent].iChild = index;
    previous = index;

    p = name;
    SkipIdentifier(p);
    if (p == name) return Failed(L"Error parsing element name", p);
    wchar_t* nameEnd = p;
    size_t nameLength = static_cast<size_t>(nameEnd - name);
    if (!ParseAttributes(p)) return false;

    if (*p == L'/') {
        if (p[1] != L'>') return Failed(L"Expected end of tag", p);
        // The text of an empty element is the empty string at the slash.
        m_pElements[index].iData = static_cast<ULONG>(p - m_pstrXML);
        *p = L'\0';
        *nameEnd = L'\0';
        p += 2;
        return true;
    }
    // Here *p is '>' (ParseAttributes accepts nothing else).
    *nameEnd = L'\0';
    ++p;
    m_pElements[index].iData = static_cast<ULONG>(p - m_pstrXML);
    wchar_t* textEnd = ParseData(p, L'<');
    // The text ends at the next tag's '<', which is still needed for parsing the
    // children and the closing tag; the terminator is written once they are read.
    if (*p == L'<' && p[1] != L'/') {
        if (!ParseLevel(p, index, depth + 1)) return false;
    }
    if (!(p[0] == L'<' && p[1] == L'/')) return Failed(L"Expected end-tag start", p);
    wchar_t* closing = p + 2;
    wchar_t* closingEnd = closing;
    SkipIdentifier(closingEnd);
    bool sameName = static_cast<size_t>(closingEnd - closing) == nameLength && wcsncmp(closing, name, nameLength) == 0;
    wchar_t* q = closingEnd;
    SkipWhitespace(q);
    if (!sameName || *q != L'>') return Failed(L"Unmatched closing tag", closing);
    p = q + 1;
    *textEnd = L'\0';
    return true;
}

// Name="value" pairs up to '>' or '/'. Each name is terminated where it ends, the
// '=' becomes a space, the value is decoded and terminated in place and its closing
// quote is blanked out.
bool CMarkup::ParseAttributes(wchar_t*& p)
{
    for (;;) {
        SkipWhitespace(p);
        if (*p == L'\0') return Failed(L"Unterminated tag", p);
        if (*p == L'>' || *p == L'/') return true;
        wchar_t* name = p;
        SkipIdentifier(p);
        wchar_t* nameEnd = p;
        SkipWhitespace(p);
        if (nameEnd == name || *p != L'=') return Failed(L"Error while parsing attributes", p);
        *p++ = L' ';
        *nameEnd = L'\0';
        SkipWhitespace(p);
        if (*p != L'"') return Failed(L"Expected attribute value", p);
        ++p;
        wchar_t* valueEnd = ParseData(p, L'"');
        if (*p == L'\0') return Failed(L"Error while parsing attribute string", p);
        *p++ = L' ';
        *valueEnd = L'\0';
    }
}

// Decodes text from p up to `end` (or the end of the buffer) in place and
// returns the end of the decoded text; the characters freed by decoding are
// blanked out. p is left on `end` or on the terminator.
wchar_t* CMarkup::ParseData(wchar_t*& p, wchar_t end)
{
    wchar_t* dest = p;
    while (*p != L'\0' && *p != end) {
        if (*p == L'&') {
            bool decoded = false;
            for (const Entity& e : kEntities) {
                if (wcsncmp(p + 1, e.name, e.length) == 0) {
                    *dest++ = e.ch;
                    p += e.length + 1;
                    decoded = true;
                    break;
                }
            }
            if (!decoded) *dest++ = *p++;
        } else if (*p == L' ') {
            *dest++ = *p++;
            if (!m_bPreserveWhitespace) SkipWhitespace(p);
        } else {
            *dest++ = *p++;
        }
    }
    for (wchar_t* q = dest; q < p; ++q) *q = L' ';
    return dest;
}

// ---------------------------------------------------------------- CMarkupNode

CMarkupNode::CMarkupNode() : m_iPos(0), m_nAttributes(0), m_pOwner(nullptr) {}

CMarkupNode::CMarkupNode(CMarkup* owner, int pos) : m_iPos(pos), m_nAttributes(0), m_pOwner(owner) {}

bool CMarkupNode::IsValid() const { return m_pOwner != nullptr; }

CMarkupNode CMarkupNode::GetParent()
{
    if (!m_pOwner) return CMarkupNode();
    ULONG pos = m_pOwner->m_pElements[m_iPos].iParent;
    if (pos == 0) return CMarkupNode();
    return CMarkupNode(m_pOwner, pos);
}

CMarkupNode CMarkupNode::GetSibling()
{
    if (!m_pOwner) return CMarkupNode();
    ULONG pos = m_pOwner->m_pElements[m_iPos].iNext;
    if (pos == 0) return CMarkupNode();
    return CMarkupNode(m_pOwner, pos);
}

bool CMarkupNode::HasSiblings() const { return m_pOwner && m_pOwner->m_pElements[m_iPos].iNext > 0; }

CMarkupNode CMarkupNode::GetChild()
{
    if (!m_pOwner) return CMarkupNode();
    ULONG pos = m_pOwner->m_pElements[m_iPos].iChild;
    if (pos == 0) return CMarkupNode();
    return CMarkupNode(m_pOwner, pos);
}

CMarkupNode CMarkupNode::GetChild(const wchar_t* name)
{
    if (!m_pOwner || !name) return CMarkupNode();
    ULONG pos = m_pOwner->m_pElements[m_iPos].iChild;
    while (pos != 0) {
        if (wcscmp(m_pOwner->m_pstrXML + m_pOwner->m_pElements[pos].iStart, name) == 0)
            return CMarkupNode(m_pOwner, pos);
        pos = m_pOwner->m_pElements[pos].iNext;
    }
    return CMarkupNode();
}

bool CMarkupNode::HasChildren() const { return m_pOwner && m_pOwner->m_pElements[m_iPos].iChild != 0; }

const wchar_t* CMarkupNode::GetName() const
{
    if (!m_pOwner) return nullptr;
    return m_pOwner->m_pstrXML + m_pOwner->m_pElements[m_iPos].iStart;
}

const wchar_t* CMarkupNode::GetValue() const
{
    if (!m_pOwner) return nullptr;
    return m_pOwner->m_pstrXML + m_pOwner->m_pElements[m_iPos].iData;
}

// Walks the start tag from the end of the element name to its text, recording
// where each name and value begins; stops at 64 or at anything unexpected.
void CMarkupNode::MapAttributes()
{
    m_nAttributes = 0;
    const wchar_t* xml = m_pOwner->m_pstrXML;
    const wchar_t* p = xml + m_pOwner->m_pElements[m_iPos].iStart;
    const wchar_t* end = xml + m_pOwner->m_pElements[m_iPos].iData;
    p += wcslen(p) + 1;
    while (p < end && m_nAttributes < MAX_XML_ATTRIBUTES) {
        while (p < end && IsSpace(*p)) ++p;
        if (p >= end || !IsNameChar(*p)) return;
        const wchar_t* name = p;
        p += wcslen(p) + 1;
        while (p < end && IsSpace(*p)) ++p;
        if (p >= end || *p != L'"') return;
        ++p;
        m_aAttributes[m_nAttributes].iName = static_cast<ULONG>(name - xml);
        m_aAttributes[m_nAttributes].iValue = static_cast<ULONG>(p - xml);
        ++m_nAttributes;
        p += wcslen(p) + 1;
    }
}

int CMarkupNode::GetAttributeCount()
{
    if (!m_pOwner) return 0;
    if (m_nAttributes == 0) MapAttributes();
    return m_nAttributes;
}

bool CMarkupNode::HasAttributes() { return GetAttributeCount() > 0; }

bool CMarkupNode::HasAttribute(const wchar_t* name)
{
    if (!m_pOwner || !name) return false;
    int count = GetAttributeCount();
    for (int i = 0; i < count; ++i)
        if (wcscmp(m_pOwner->m_pstrXML + m_aAttributes[i].iName, name) == 0) return true;
    return false;
}

const wchar_t* CMarkupNode::GetAttributeName(int index)
{
    if (!m_pOwner) return nullptr;
    if (index < 0 || index >= GetAttributeCount()) return kEmpty;
    return m_pOwner->m_pstrXML + m_aAttributes[index].iName;
}

const wchar_t* CMarkupNode::GetAttributeValue(int index)
{
    if (!m_pOwner) return nullptr;
    if (index < 0 || index >= GetAttributeCount()) return kEmpty;
    return m_pOwner->m_pstrXML + m_aAttributes[index].iValue;
}

const wchar_t* CMarkupNode::GetAttributeValue(const wchar_t* name)
{
    if (!m_pOwner) return nullptr;
    if (!name) return kEmpty;
    int count = GetAttributeCount();
    for (int i = 0; i < count; ++i)
        if (wcscmp(m_pOwner->m_pstrXML + m_aAttributes[i].iName, name) == 0)
            return m_pOwner->m_pstrXML + m_aAttributes[i].iValue;
    return kEmpty;
}

bool CMarkupNode::GetAttributeValue(int index, wchar_t* value, SIZE_T max)
{
    if (!m_pOwner || index < 0 || index >= GetAttributeCount()) return false;
    CopyTerminated(value, m_pOwner->m_pstrXML + m_aAttributes[index].iValue, max);
    return true;
}

bool CMarkupNode::GetAttributeValue(const wchar_t* name, wchar_t* value, SIZE_T max)
{
    if (!m_pOwner || !name) return false;
    int count = GetAttributeCount();
    for (int i = 0; i < count; ++i) {
        if (wcscmp(m_pOwner->m_pstrXML + m_aAttributes[i].iName, name) == 0) {
            CopyTerminated(value, m_pOwner->m_pstrXML + m_aAttributes[i].iValue, max);
            return true;
        }
    }
    return false;
}

}  // namespace SkinUI
