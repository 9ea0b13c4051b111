// CMarkup: reads one XML layout document into a single wide buffer and a flat
// element array, parsing in place so that every name, value and text handed out
// points into that buffer. CMarkupNode names one element and reads it.
//
// Known: elements, double-quoted attributes, the five predefined entities,
// comments ("<!" ... "->") and declarations ("<?" ... "?>"). No validation,
// namespaces, CDATA or numeric entities.
#pragma once

#include <windows.h>

#include "ui_export.h"

namespace SkinUI {

class CMarkup;
struct SkinFileLocation;

class UILIB_API CMarkupNode
{
    friend class CMarkup;

public:
    enum
    {
        MAX_XML_ATTRIBUTES = 64
    };

    CMarkupNode();
    CMarkupNode(CMarkup* owner, int pos);

    bool IsValid() const;

    CMarkupNode GetParent();
    CMarkupNode GetSibling();
    CMarkupNode GetChild();
    CMarkupNode GetChild(const wchar_t* name);

    bool HasSiblings() const;
    bool HasChildren() const;
    const wchar_t* GetName() const;
    const wchar_t* GetValue() const;

    bool HasAttributes();
    bool HasAttribute(const wchar_t* name);
    int GetAttributeCount();
    const wchar_t* GetAttributeName(int index);
    const wchar_t* GetAttributeValue(int index);
    const wchar_t* GetAttributeValue(const wchar_t* name);
    bool GetAttributeValue(int index, wchar_t* value, SIZE_T max);
    bool GetAttributeValue(const wchar_t* name, wchar_t* value, SIZE_T max);

private:
    void MapAttributes();

    struct XMLATTRIBUTE
    {
        ULONG iName;
        ULONG iValue;
    };

    int m_iPos;
    int m_nAttributes;
    XMLATTRIBUTE m_aAttributes[MAX_XML_ATTRIBUTES];
    CMarkup* m_pOwner;
};

class UILIB_API CMarkup
{
    friend class CMarkupNode;

public:
    enum
    {
        XMLFILE_ENCODING_UTF8 = 0,
        XMLFILE_ENCODING_UNICODE = 1,
        XMLFILE_ENCODING_ASNI = 2
    };
    // Deepest element nesting accepted; deeper documents are refused.
    enum
    {
        MAX_NESTING = 256
    };
    // Largest skin file read by LoadFromFile.
    enum
    {
        MAX_FILE_SIZE = 0x400000
    };

    CMarkup(const wchar_t* text = nullptr);
    CMarkup(const CMarkup&) = delete;
    CMarkup& operator=(const CMarkup&) = delete;
    ~CMarkup();

    bool Load(const wchar_t* text);
    bool LoadFromMem(const BYTE* data, DWORD size, int encoding = XMLFILE_ENCODING_UTF8);
    // Reads the file from the skin archive or the resource folder that the paint
    // manager's resource settings name (CurrentSkinLocation, skin_file.h).
    bool LoadFromFile(const wchar_t* fileName, int encoding = XMLFILE_ENCODING_UTF8);
    // The same from an explicit location.
    bool LoadFromFile(const SkinFileLocation& where, const wchar_t* fileName, int encoding = XMLFILE_ENCODING_UTF8);
    void Release();
    bool IsValid() const;

    void SetPreserveWhitespace(bool preserve = true);
    void GetLastErrorMessage(wchar_t* message, SIZE_T max) const;
    void GetLastErrorLocation(wchar_t* source, SIZE_T max) const;

    CMarkupNode GetRoot();

private:
    struct XMLELEMENT
    {
        ULONG iStart;
        ULONG iChild;
        ULONG iNext;
        ULONG iParent;
        ULONG iData;
    };

    bool Parse();
    bool ParseLevel(wchar_t*& p, ULONG parent, int depth);
    bool ParseElement(wchar_t*& p, ULONG parent, ULONG& previous, int depth);
    bool ParseAttributes(wchar_t*& p);
    wchar_t* ParseData(wchar_t*& p, wchar_t end);
    bool ReserveElement(ULONG& index);
    bool Failed(const wchar_t* message, const wchar_t* location = nullptr);

    wchar_t* m_pstrXML;
    XMLELEMENT* m_pElements;
    ULONG m_nElements;
    ULONG m_nReservedElements;
    wchar_t m_szErrorMsg[100];
    wchar_t m_szErrorXML[50];
    bool m_bPreserveWhitespace;
};

}  // namespace SkinUI
