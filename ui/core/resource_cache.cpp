// A paint manager's own fonts, images, default attribute lists and default tags,
// each freed with the cache.
#include "resource_cache.h"

#include <cwchar>
#include <cwctype>

#include "gdi_scope.h"
#include "paint_manager.h"
#include "render_engine.h"

namespace SkinUI {

struct ResourceCache::CachedFont
{
    GdiObject<HFONT> handle;
    TFontInfo info;

    // Takes the font over and describes it.
    CachedFont(HFONT hFont, const wchar_t* name, int nSize, bool bBold, bool bUnderline, bool bItalic)
        : handle(hFont),
          info()
    {
        Describe(name, nSize, bBold, bUnderline, bItalic);
    }

    void Describe(const wchar_t* name, int nSize, bool bBold, bool bUnderline, bool bItalic)
    {
        info.hFont = handle.Get();
        info.sFontName = name;
        info.iSize = nSize;
        info.bBold = bBold;
        info.bUnderline = bUnderline;
        info.bItalic = bItalic;
        ::ZeroMemory(&info.tm, sizeof(info.tm));
    }
};

namespace {

// A font built from the stock GUI font with the given face and style.
HFONT CreateUIFont(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic)
{
    LOGFONTW lf = {};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(LOGFONTW), &lf);
    // The face name buffer keeps room for its terminator.
    lstrcpynW(lf.lfFaceName, pStrFontName ? pStrFontName : L"", LF_FACESIZE);
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = -nSize;
    if (bBold) lf.lfWeight = lf.lfWeight + FW_BOLD > 1000 ? 1000 : lf.lfWeight + FW_BOLD;
    if (bUnderline) lf.lfUnderline = TRUE;
    if (bItalic) lf.lfItalic = TRUE;
    return ::CreateFontIndirectW(&lf);
}

// Loads an image the way the cache does: with a type the name is a decimal
// resource id, without one a file of the skin.
TImageInfo* LoadCachedImage(const wchar_t* name, const wchar_t* type, DWORD mask)
{
    if (type != NULL && *type != L'\0') {
        if (!iswdigit(name[0])) return NULL;
        UINT id = static_cast<UINT>(wcstoul(name, NULL, 10));
        return CRenderEngine::LoadImage(STRINGorID(id), type, mask);
    }
    return CRenderEngine::LoadImage(STRINGorID(name), NULL, mask);
}

}  // namespace

ResourceCache::ResourceCache(const wchar_t* pStrDefaultFace) : m_images(83), m_defaultAttributes(83)
{
    LOGFONTW lf = {};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(LOGFONTW), &lf);
    lf.lfCharSet = DEFAULT_CHARSET;
    if (pStrDefaultFace != NULL && *pStrDefaultFace != L'\0') lstrcpynW(lf.lfFaceName, pStrDefaultFace, LF_FACESIZE);
    m_defaultFont.reset(new CachedFont(::CreateFontIndirectW(&lf), lf.lfFaceName, -lf.lfHeight, lf.lfWeight >= FW_BOLD,
                                       lf.lfUnderline == TRUE, lf.lfItalic == TRUE));
}

ResourceCache::~ResourceCache()
{
    RemoveAllFonts();
    RemoveAllImages();
    RemoveAllDefaultAttributeLists();
}

// ---- fonts ---------------------------------------------------------------------------

TFontInfo* ResourceCache::DefaultFont() { return &m_defaultFont->info; }

bool ResourceCache::ReplaceDefaultFont(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline,
                                       bool bItalic)
{
    HFONT hFont = CreateUIFont(pStrFontName, nSize, bBold, bUnderline, bItalic);
    if (hFont == NULL) return false;
    m_defaultFont->handle.Reset(hFont);
    m_defaultFont->Describe(pStrFontName, nSize, bBold, bUnderline, bItalic);
    return true;
}

int ResourceCache::FontCount() const { return static_cast<int>(m_fonts.size()); }

TFontInfo* ResourceCache::FontAt(int index) const
{
    if (index < 0 || index >= FontCount()) return NULL;
    return &m_fonts[static_cast<size_t>(index)]->info;
}

TFontInfo* ResourceCache::InsertFont(int index, const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline,
                                     bool bItalic)
{
    if (index < 0 || index > FontCount()) return NULL;
    HFONT hFont = CreateUIFont(pStrFontName, nSize, bBold, bUnderline, bItalic);
    if (hFont == NULL) return NULL;
    std::unique_ptr<CachedFont> font(new CachedFont(hFont, pStrFontName, nSize, bBold, bUnderline, bItalic));
    TFontInfo* pInfo = &font->info;
    m_fonts.insert(m_fonts.begin() + index, std::move(font));
    return pInfo;
}

bool ResourceCache::RemoveFontAt(int index)
{
    if (index < 0 || index >= FontCount()) return false;
    m_fonts.erase(m_fonts.begin() + index);
    return true;
}

void ResourceCache::RemoveAllFonts() { m_fonts.clear(); }

// ---- images --------------------------------------------------------------------------

TImageInfo* ResourceCache::FindImage(const wchar_t* name) const
{
    if (name == NULL) return NULL;
    return static_cast<TImageInfo*>(m_images.Find(name));
}

const TImageInfo* ResourceCache::AddImage(const wchar_t* name, const wchar_t* type, DWORD mask)
{
    if (name == NULL || *name == L'\0') return NULL;
    TImageInfo* data = LoadCachedImage(name, type, mask);
    if (data == NULL) return NULL;
    if (type != NULL) data->sResType = type;
    data->dwMask = mask;
    if (!m_images.Insert(name, data)) {
        CRenderEngine::FreeImage(data);
        return NULL;
    }
    return data;
}

const TImageInfo* ResourceCache::AddImage(const wchar_t* name, HBITMAP hBitmap, int iWidth, int iHeight, bool bAlpha)
{
    if (name == NULL || *name == L'\0' || hBitmap == NULL || iWidth <= 0 || iHeight <= 0) return NULL;
    std::unique_ptr<TImageInfo> data(new TImageInfo());
    data->hBitmap = hBitmap;
    data->nX = iWidth;
    data->nY = iHeight;
    data->delay = 0;
    data->alphaChannel = bAlpha;
    data->dwMask = 0;
    // The caller keeps its bitmap when the name is taken.
    if (!m_images.Insert(name, data.get())) return NULL;
    return data.release();
}

bool ResourceCache::RemoveImage(const wchar_t* name)
{
    TImageInfo* data = FindImage(name);
    if (data == NULL) return false;
    CRenderEngine::FreeImage(data);
    return m_images.Remove(name);
}

void ResourceCache::RemoveAllImages()
{
    for (int i = 0; i < m_images.GetSize(); i++) {
        const wchar_t* key = m_images.GetAt(i);
        if (key == NULL) continue;
        TImageInfo* data = static_cast<TImageInfo*>(m_images.Find(key, false));
        if (data != NULL) CRenderEngine::FreeImage(data);
    }
    m_images.RemoveAll();
}

bool ResourceCache::ReloadAllImages()
{
    bool bReloaded = false;
    for (int i = 0; i < m_images.GetSize(); i++) {
        const wchar_t* key = m_images.GetAt(i);
        if (key == NULL) continue;
        TImageInfo* data = static_cast<TImageInfo*>(m_images.Find(key, false));
        if (data == NULL) continue;
        const wchar_t* type = data->sResType.IsEmpty() ? NULL : data->sResType.GetData();
        TImageInfo* pNewData = LoadCachedImage(key, type, data->dwMask);
        if (pNewData == NULL) continue;
        BitmapHandle replaced(data->hBitmap);
        data->hBitmap = pNewData->hBitmap;
        data->nX = pNewData->nX;
        data->nY = pNewData->nY;
        data->alphaChannel = pNewData->alphaChannel;
        pNewData->hBitmap = NULL;
        CRenderEngine::FreeImage(pNewData);
        bReloaded = true;
    }
    return bReloaded;
}

// ---- default attribute lists and tags -----------------------------------------------------

void ResourceCache::AddDefaultAttributeList(const wchar_t* pStrControlName, const wchar_t* pStrControlAttrList)
{
    if (pStrControlName == NULL || pStrControlAttrList == NULL) return;
    if (m_defaultAttributes.Find(pStrControlName) != NULL) return;
    std::unique_ptr<CUIString> list(new CUIString(pStrControlAttrList));
    if (m_defaultAttributes.Insert(pStrControlName, list.get())) list.release();
}

const wchar_t* ResourceCache::FindDefaultAttributeList(const wchar_t* pStrControlName) const
{
    if (pStrControlName == NULL) return NULL;
    CUIString* list = static_cast<CUIString*>(m_defaultAttributes.Find(pStrControlName));
    return list != NULL ? list->GetData() : NULL;
}

bool ResourceCache::RemoveDefaultAttributeList(const wchar_t* pStrControlName)
{
    CUIString* list = static_cast<CUIString*>(m_defaultAttributes.Find(pStrControlName));
    if (list == NULL) return false;
    delete list;
    return m_defaultAttributes.Remove(pStrControlName);
}

void ResourceCache::RemoveAllDefaultAttributeLists()
{
    for (int i = 0; i < m_defaultAttributes.GetSize(); i++) {
        const wchar_t* key = m_defaultAttributes.GetAt(i);
        if (key == NULL) continue;
        delete static_cast<CUIString*>(m_defaultAttributes.Find(key, false));
    }
    m_defaultAttributes.RemoveAll();
}

UINT_PTR ResourceCache::DefaultTag(const wchar_t* pstrName) const
{
    if (pstrName == NULL || m_defaultTags.empty()) return 0;
    auto it = m_defaultTags.find(pstrName);
    return it == m_defaultTags.end() ? 0 : it->second;
}

void ResourceCache::SetDefaultTag(const wchar_t* pstrName, UINT_PTR uTag)
{
    if (pstrName != NULL) m_defaultTags[pstrName] = uTag;
}

void ResourceCache::RemoveDefaultTag(const wchar_t* pstrName)
{
    if (pstrName == NULL) return;
    auto it = m_defaultTags.find(pstrName);
    if (it != m_defaultTags.end()) m_defaultTags.erase(it);
}

}  // namespace SkinUI
