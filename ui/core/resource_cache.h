// The resources one paint manager owns: its default font and custom fonts, its
// image cache, the default attribute lists per element name and the default tags
// per layout name. The cache answers for itself only; walking the chain of parent
// resources is the manager's.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui_string_map.h"

namespace SkinUI {

struct TFontInfo;
struct TImageInfo;

class ResourceCache
{
public:
    // The default font: the stock GUI font with the given face when not empty.
    explicit ResourceCache(const wchar_t* pStrDefaultFace);
    ~ResourceCache();
    ResourceCache(const ResourceCache&) = delete;
    ResourceCache& operator=(const ResourceCache&) = delete;

    // ---- fonts (text metrics are left zero; the manager fills them) ----
    TFontInfo* DefaultFont();
    // False, and nothing changes, when the platform cannot make the font.
    bool ReplaceDefaultFont(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic);
    int FontCount() const;
    // Null outside 0 ... count - 1.
    TFontInfo* FontAt(int index) const;
    // Null outside 0 ... count or when the platform cannot make the font.
    TFontInfo* InsertFont(int index, const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic);
    bool RemoveFontAt(int index);
    void RemoveAllFonts();

    // ---- images ----
    TImageInfo* FindImage(const wchar_t* name) const;
    // Loads and caches: with a type the name is a decimal resource id, without one
    // a file of the skin. Null when it cannot be loaded or the name is taken.
    const TImageInfo* AddImage(const wchar_t* name, const wchar_t* type, DWORD mask);
    // Caches a bitmap made elsewhere; the caller keeps it when this fails.
    const TImageInfo* AddImage(const wchar_t* name, HBITMAP hBitmap, int iWidth, int iHeight, bool bAlpha);
    bool RemoveImage(const wchar_t* name);
    void RemoveAllImages();
    // Loads every image again the way it was loaded; true when any was.
    bool ReloadAllImages();

    // ---- default attribute lists and tags ----
    // The first list stored for a name stays.
    void AddDefaultAttributeList(const wchar_t* pStrControlName, const wchar_t* pStrControlAttrList);
    const wchar_t* FindDefaultAttributeList(const wchar_t* pStrControlName) const;
    bool RemoveDefaultAttributeList(const wchar_t* pStrControlName);
    void RemoveAllDefaultAttributeLists();
    const CStdStringPtrMap& DefaultAttributes() const { return m_defaultAttributes; }
    UINT_PTR DefaultTag(const wchar_t* pstrName) const;
    void SetDefaultTag(const wchar_t* pstrName, UINT_PTR uTag);
    void RemoveDefaultTag(const wchar_t* pstrName);

private:
    struct CachedFont;

    std::unique_ptr<CachedFont> m_defaultFont;
    std::vector<std::unique_ptr<CachedFont>> m_fonts;
    CStdStringPtrMap m_images;             // name -> TImageInfo*
    CStdStringPtrMap m_defaultAttributes;  // element name -> CUIString*
    // Transparent comparison: looking a name up copies nothing.
    std::map<std::wstring, UINT_PTR, std::less<>> m_defaultTags;
};

}  // namespace SkinUI
