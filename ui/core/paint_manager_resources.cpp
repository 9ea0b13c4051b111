// The resource side of CPaintManagerUI: window settings from the layout, default
// colours, fonts, images, default attribute lists and tags, sharing resources
// with a parent manager, and the process-wide settings (instance, resource
// folder, skin archive, colour adjustment, plug-ins).
#include "paint_manager.h"

#include <cwchar>
#include <cwctype>
#include <vector>

#include "control_ui.h"
#include "gdi_scope.h"
#include "render_engine.h"
#include "skin_archive.h"
#include "skin_file.h"

namespace SkinUI {

HINSTANCE CPaintManagerUI::m_hInstance = NULL;
HINSTANCE CPaintManagerUI::m_hResourceInstance = NULL;
CUIString CPaintManagerUI::m_pStrResourcePath;
CUIString CPaintManagerUI::m_pStrResourceZip;
bool CPaintManagerUI::m_bCachedResourceZip = false;
void* CPaintManagerUI::m_hResourceZip = NULL;
CUIString CPaintManagerUI::m_pStrDefaultFontName;
short CPaintManagerUI::m_H = 180;
short CPaintManagerUI::m_S = 100;
short CPaintManagerUI::m_L = 100;
CStdPtrArray CPaintManagerUI::m_aPreMessages;
CStdPtrArray CPaintManagerUI::m_aPlugins;

namespace {

const wchar_t kMemoryArchiveName[] = L"membuffer";

void CloseCachedArchive(void*& handle)
{
    if (handle != NULL) CloseZip(static_cast<HZIP>(handle));
    handle = NULL;
}

// Where layouts are read from: the resource folder and archive set here.
SkinFileLocation PaintManagerSkinLocation()
{
    SkinFileLocation where;
    where.resourcePath = CPaintManagerUI::GetResourcePath();
    where.zipName = CPaintManagerUI::GetResourceZip();
    if (CPaintManagerUI::IsCachedResourceZip())
        where.cachedZip = static_cast<HZIP>(CPaintManagerUI::GetResourceZipHandle());
    return where;
}

}  // namespace

// ---- window settings ------------------------------------------------------------

SIZE CPaintManagerUI::GetClientSize() const
{
    RECT rcClient = {0, 0, 0, 0};
    if (m_hWndPaint != NULL) ::GetClientRect(m_hWndPaint, &rcClient);
    SIZE sz = {rcClient.right - rcClient.left, rcClient.bottom - rcClient.top};
    return sz;
}

SIZE CPaintManagerUI::GetInitSize() { return m_szInitWindowSize; }

void CPaintManagerUI::SetInitSize(int cx, int cy)
{
    m_szInitWindowSize.cx = cx;
    m_szInitWindowSize.cy = cy;
    if (m_pRoot == NULL && m_hWndPaint != NULL) {
        ::SetWindowPos(m_hWndPaint, NULL, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    }
}

RECT& CPaintManagerUI::GetSizeBox() { return m_rcSizeBox; }
void CPaintManagerUI::SetSizeBox(RECT& rcSizeBox) { m_rcSizeBox = rcSizeBox; }
RECT& CPaintManagerUI::GetCaptionRect() { return m_rcCaption; }
void CPaintManagerUI::SetCaptionRect(RECT& rcCaption) { m_rcCaption = rcCaption; }
SIZE CPaintManagerUI::GetRoundCorner() const { return m_szRoundCorner; }

void CPaintManagerUI::SetRoundCorner(int cx, int cy)
{
    m_szRoundCorner.cx = cx;
    m_szRoundCorner.cy = cy;
}

SIZE CPaintManagerUI::GetMinInfo() const { return m_szMinWindow; }

void CPaintManagerUI::SetMinInfo(int cx, int cy)
{
    m_szMinWindow.cx = cx;
    m_szMinWindow.cy = cy;
}

SIZE CPaintManagerUI::GetMaxInfo() const { return m_szMaxWindow; }

void CPaintManagerUI::SetMaxInfo(int cx, int cy)
{
    m_szMaxWindow.cx = cx;
    m_szMaxWindow.cy = cy;
}

int CPaintManagerUI::GetTransparent() const { return m_nOpacity; }

void CPaintManagerUI::SetTransparent(int nOpacity)
{
    m_nOpacity = nOpacity < 0 ? 0 : (nOpacity > 255 ? 255 : nOpacity);
    if (m_hWndPaint == NULL) return;
    DWORD dwStyle = ::GetWindowLongW(m_hWndPaint, GWL_EXSTYLE);
    if (nOpacity >= 0 && nOpacity <= 255) dwStyle |= WS_EX_LAYERED;
    else dwStyle &= ~WS_EX_LAYERED;
    ::SetWindowLongW(m_hWndPaint, GWL_EXSTYLE, dwStyle);
    ::SetLayeredWindowAttributes(m_hWndPaint, 0, static_cast<BYTE>(m_nOpacity), LWA_ALPHA);
}

void CPaintManagerUI::SetBackgroundTransparent(bool bTrans) { m_bAlphaBackground = bTrans; }
bool CPaintManagerUI::IsShowUpdateRect() const { return m_bShowUpdateRect; }
void CPaintManagerUI::SetShowUpdateRect(bool show) { m_bShowUpdateRect = show; }

// ---- default colours --------------------------------------------------------------

const CPaintManagerUI* CPaintManagerUI::ResourceRoot() const
{
    const CPaintManagerUI* pm = this;
    while (pm->m_pParentResourcePM != NULL) pm = pm->m_pParentResourcePM;
    return pm;
}

DWORD CPaintManagerUI::GetDefaultDisabledColor() const { return ResourceRoot()->m_dwDefaultDisabledColor; }
void CPaintManagerUI::SetDefaultDisabledColor(DWORD dwColor) { m_dwDefaultDisabledColor = dwColor; }
DWORD CPaintManagerUI::GetDefaultFontColor() const { return ResourceRoot()->m_dwDefaultFontColor; }
void CPaintManagerUI::SetDefaultFontColor(DWORD dwColor) { m_dwDefaultFontColor = dwColor; }
DWORD CPaintManagerUI::GetDefaultLinkFontColor() const { return ResourceRoot()->m_dwDefaultLinkFontColor; }
void CPaintManagerUI::SetDefaultLinkFontColor(DWORD dwColor) { m_dwDefaultLinkFontColor = dwColor; }

DWORD CPaintManagerUI::GetDefaultLinkHoverFontColor() const { return ResourceRoot()->m_dwDefaultLinkHoverFontColor; }

void CPaintManagerUI::SetDefaultLinkHoverFontColor(DWORD dwColor) { m_dwDefaultLinkHoverFontColor = dwColor; }
DWORD CPaintManagerUI::GetDefaultSelectedBkColor() const { return ResourceRoot()->m_dwDefaultSelectedBkColor; }
void CPaintManagerUI::SetDefaultSelectedBkColor(DWORD dwColor) { m_dwDefaultSelectedBkColor = dwColor; }

// ---- parent resources ---------------------------------------------------------------

bool CPaintManagerUI::UseParentResource(CPaintManagerUI* pm)
{
    for (CPaintManagerUI* p = pm; p != NULL; p = p->m_pParentResourcePM) {
        if (p == this) return false;
    }
    m_pParentResourcePM = pm;
    return true;
}

CPaintManagerUI* CPaintManagerUI::GetParentResource() const { return m_pParentResourcePM; }

// ---- fonts -------------------------------------------------------------------------

void CPaintManagerUI::FillTextMetrics(TFontInfo* pFontInfo)
{
    HDC hDcPaint = GetPaintDC();
    if (pFontInfo == NULL || hDcPaint == NULL || pFontInfo->tm.tmHeight != 0) return;
    SelectObjectScope select(hDcPaint, pFontInfo->hFont);
    ::GetTextMetricsW(hDcPaint, &pFontInfo->tm);
}

TFontInfo* CPaintManagerUI::GetDefaultFontInfo()
{
    TFontInfo* pDefault = m_resources.DefaultFont();
    FillTextMetrics(pDefault);
    return pDefault;
}

void CPaintManagerUI::SetDefaultFont(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic)
{
    if (m_resources.ReplaceDefaultFont(pStrFontName, nSize, bBold, bUnderline, bItalic))
        FillTextMetrics(m_resources.DefaultFont());
}

DWORD CPaintManagerUI::GetCustomFontCount() const { return static_cast<DWORD>(m_resources.FontCount()); }

HFONT CPaintManagerUI::AddFont(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic)
{
    return AddFontAt(m_resources.FontCount(), pStrFontName, nSize, bBold, bUnderline, bItalic);
}

HFONT CPaintManagerUI::AddFontAt(int index, const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline,
                                 bool bItalic)
{
    TFontInfo* pFontInfo = m_resources.InsertFont(index, pStrFontName, nSize, bBold, bUnderline, bItalic);
    if (pFontInfo == NULL) return NULL;
    FillTextMetrics(pFontInfo);
    return pFontInfo->hFont;
}

HFONT CPaintManagerUI::GetFont(int index)
{
    TFontInfo* pFontInfo = m_resources.FontAt(index);
    return pFontInfo ? pFontInfo->hFont : m_resources.DefaultFont()->hFont;
}

static bool SameFont(const TFontInfo* f, const wchar_t* name, int nSize, bool bBold, bool bUnderline, bool bItalic)
{
    return f->sFontName == (name ? name : L"") && f->iSize == nSize && f->bBold == bBold &&
           f->bUnderline == bUnderline && f->bItalic == bItalic;
}

HFONT CPaintManagerUI::GetFont(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic)
{
    for (CPaintManagerUI* pm = this; pm != NULL; pm = pm->m_pParentResourcePM) {
        for (int it = 0; it < pm->m_resources.FontCount(); it++) {
            TFontInfo* f = pm->m_resources.FontAt(it);
            if (SameFont(f, pStrFontName, nSize, bBold, bUnderline, bItalic)) return f->hFont;
        }
    }
    return NULL;
}

bool CPaintManagerUI::FindFont(HFONT hFont)
{
    for (CPaintManagerUI* pm = this; pm != NULL; pm = pm->m_pParentResourcePM) {
        if (pm->GetFontIndex(hFont) >= 0) return true;
    }
    return false;
}

bool CPaintManagerUI::FindFont(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic)
{
    return GetFont(pStrFontName, nSize, bBold, bUnderline, bItalic) != NULL;
}

int CPaintManagerUI::GetFontIndex(HFONT hFont)
{
    for (int it = 0; it < m_resources.FontCount(); it++) {
        if (m_resources.FontAt(it)->hFont == hFont) return it;
    }
    return -1;
}

int CPaintManagerUI::GetFontIndex(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic)
{
    for (int it = 0; it < m_resources.FontCount(); it++) {
        if (SameFont(m_resources.FontAt(it), pStrFontName, nSize, bBold, bUnderline, bItalic)) return it;
    }
    return -1;
}

bool CPaintManagerUI::RemoveFont(HFONT hFont)
{
    int index = GetFontIndex(hFont);
    return index >= 0 && RemoveFontAt(index);
}

bool CPaintManagerUI::RemoveFontAt(int index) { return m_resources.RemoveFontAt(index); }
void CPaintManagerUI::RemoveAllFonts() { m_resources.RemoveAllFonts(); }

TFontInfo* CPaintManagerUI::GetFontInfo(int index)
{
    TFontInfo* pFontInfo = m_resources.FontAt(index);
    if (pFontInfo == NULL) return GetDefaultFontInfo();
    FillTextMetrics(pFontInfo);
    return pFontInfo;
}

TFontInfo* CPaintManagerUI::GetFontInfo(HFONT hFont)
{
    for (CPaintManagerUI* pm = this; pm != NULL; pm = pm->m_pParentResourcePM) {
        const int index = pm->GetFontIndex(hFont);
        if (index >= 0) {
            TFontInfo* pFontInfo = pm->m_resources.FontAt(index);
            pm->FillTextMetrics(pFontInfo);
            return pFontInfo;
        }
    }
    return GetDefaultFontInfo();
}

// ---- images ------------------------------------------------------------------------

const TImageInfo* CPaintManagerUI::GetImage(const wchar_t* bitmap)
{
    if (bitmap == NULL) return NULL;
    for (CPaintManagerUI* pm = this; pm != NULL; pm = pm->m_pParentResourcePM) {
        TImageInfo* data = pm->m_resources.FindImage(bitmap);
        if (data != NULL) return data;
    }
    return NULL;
}

const TImageInfo* CPaintManagerUI::GetImageEx(const wchar_t* bitmap, const wchar_t* type, DWORD mask)
{
    if (bitmap == NULL) return NULL;
    TImageInfo* data = m_resources.FindImage(bitmap);
    if (data == NULL && AddImage(bitmap, type, mask) != NULL) data = m_resources.FindImage(bitmap);
    return data;
}

const TImageInfo* CPaintManagerUI::AddImage(const wchar_t* bitmap, const wchar_t* type, DWORD mask)
{
    return m_resources.AddImage(bitmap, type, mask);
}

const TImageInfo* CPaintManagerUI::AddImage(const wchar_t* bitmap, HBITMAP hBitmap, int iWidth, int iHeight,
                                            bool bAlpha)
{
    return m_resources.AddImage(bitmap, hBitmap, iWidth, iHeight, bAlpha);
}

bool CPaintManagerUI::RemoveImage(const wchar_t* bitmap) { return m_resources.RemoveImage(bitmap); }
void CPaintManagerUI::RemoveAllImages() { m_resources.RemoveAllImages(); }

void CPaintManagerUI::ReloadAllImages()
{
    if (m_resources.ReloadAllImages() && m_pRoot != NULL) m_pRoot->Invalidate();
}

// ---- default attribute lists and tags ---------------------------------------------------

void CPaintManagerUI::AddDefaultAttributeList(const wchar_t* pStrControlName, const wchar_t* pStrControlAttrList)
{
    m_resources.AddDefaultAttributeList(pStrControlName, pStrControlAttrList);
}

const wchar_t* CPaintManagerUI::GetDefaultAttributeList(const wchar_t* pStrControlName) const
{
    if (pStrControlName == NULL) return NULL;
    for (const CPaintManagerUI* pm = this; pm != NULL; pm = pm->m_pParentResourcePM) {
        const wchar_t* list = pm->m_resources.FindDefaultAttributeList(pStrControlName);
        if (list != NULL) return list;
    }
    return NULL;
}

bool CPaintManagerUI::RemoveDefaultAttributeList(const wchar_t* pStrControlName)
{
    return m_resources.RemoveDefaultAttributeList(pStrControlName);
}

const CStdStringPtrMap& CPaintManagerUI::GetDefaultAttribultes() const { return m_resources.DefaultAttributes(); }
void CPaintManagerUI::RemoveAllDefaultAttributeList() { m_resources.RemoveAllDefaultAttributeLists(); }
UINT_PTR CPaintManagerUI::GetDefaultTag(const wchar_t* pstrName) const { return m_resources.DefaultTag(pstrName); }

void CPaintManagerUI::SetDefaultTag(const wchar_t* pstrName, UINT_PTR uTag)
{
    m_resources.SetDefaultTag(pstrName, uTag);
}

void CPaintManagerUI::RemoveDefaultTag(const wchar_t* pstrName) { m_resources.RemoveDefaultTag(pstrName); }

// ---- process-wide settings ----------------------------------------------------------------

HINSTANCE CPaintManagerUI::GetInstance() { return m_hInstance; }
void CPaintManagerUI::SetInstance(HINSTANCE hInst) { m_hInstance = hInst; }
HINSTANCE CPaintManagerUI::GetResourceDll() { return m_hResourceInstance ? m_hResourceInstance : m_hInstance; }
void CPaintManagerUI::SetResourceDll(HINSTANCE hInst) { m_hResourceInstance = hInst; }

CUIString CPaintManagerUI::GetInstancePath()
{
    if (m_hInstance == NULL) return CUIString();
    // Module paths can be longer than MAX_PATH; grow until the name fits.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        DWORD len = ::GetModuleFileNameW(m_hInstance, buffer.data(), size);
        if (len == 0) return CUIString();
        if (len < size) {
            CUIString path(buffer.data(), static_cast<int>(len));
            int pos = path.ReverseFind(L'\\');
            return pos >= 0 ? path.Left(pos + 1) : CUIString();
        }
        buffer.resize(buffer.size() * 2);
    }
}

CUIString CPaintManagerUI::GetCurrentPath()
{
    DWORD size = ::GetCurrentDirectoryW(0, NULL);
    if (size == 0) return CUIString();
    std::vector<wchar_t> buffer(size);
    DWORD len = ::GetCurrentDirectoryW(size, buffer.data());
    return CUIString(len > 0 && len < size ? buffer.data() : L"");
}

void CPaintManagerUI::SetCurrentPath(const wchar_t* pStrPath)
{
    if (pStrPath != NULL) ::SetCurrentDirectoryW(pStrPath);
}

const CUIString& CPaintManagerUI::GetResourcePath() { return m_pStrResourcePath; }

void CPaintManagerUI::SetResourcePath(const wchar_t* pStrPath)
{
    SetSkinLocationProvider(&PaintManagerSkinLocation);
    m_pStrResourcePath = pStrPath;
    if (m_pStrResourcePath.IsEmpty()) return;
    wchar_t last = m_pStrResourcePath[m_pStrResourcePath.GetLength() - 1];
    if (last != L'\\' && last != L'/') m_pStrResourcePath += L'\\';
}

const CUIString& CPaintManagerUI::GetResourceZip() { return m_pStrResourceZip; }

void CPaintManagerUI::SetResourceZip(const wchar_t* pstrZip, bool bCachedResourceZip)
{
    SetSkinLocationProvider(&PaintManagerSkinLocation);
    const wchar_t* name = pstrZip ? pstrZip : L"";
    if (m_pStrResourceZip == name && m_bCachedResourceZip == bCachedResourceZip) return;
    CloseCachedArchive(m_hResourceZip);
    m_pStrResourceZip = name;
    m_bCachedResourceZip = bCachedResourceZip;
    if (m_bCachedResourceZip && !m_pStrResourceZip.IsEmpty()) {
        CUIString sFile = m_pStrResourcePath + m_pStrResourceZip;
        m_hResourceZip = OpenZip(ZIP_FILENAME, const_cast<wchar_t*>(sFile.GetData()), 0);
    }
}

void CPaintManagerUI::SetResourceZip(void* pVoid, unsigned int len)
{
    SetSkinLocationProvider(&PaintManagerSkinLocation);
    if (m_pStrResourceZip == kMemoryArchiveName) return;
    CloseCachedArchive(m_hResourceZip);
    m_pStrResourceZip = kMemoryArchiveName;
    m_bCachedResourceZip = true;
    if (pVoid != NULL) m_hResourceZip = OpenZip(ZIP_MEMORY, pVoid, len);
}

bool CPaintManagerUI::IsCachedResourceZip() { return m_bCachedResourceZip; }
void* CPaintManagerUI::GetResourceZipHandle() { return m_hResourceZip; }

void CPaintManagerUI::GetHSL(short* H, short* S, short* L)
{
    if (H) *H = m_H;
    if (S) *S = m_S;
    if (L) *L = m_L;
}

void CPaintManagerUI::SetHSL(bool, short H, short S, short L)
{
    if (m_H == H && m_S == S && m_L == L) return;
    m_H = H < 0 ? 0 : (H > 360 ? 360 : H);
    m_S = S < 0 ? 0 : (S > 200 ? 200 : S);
    m_L = L < 0 ? 0 : (L > 200 ? 200 : L);
    for (int i = 0; i < m_aPreMessages.GetSize(); i++) {
        CPaintManagerUI* pManager = static_cast<CPaintManagerUI*>(m_aPreMessages[i]);
        if (pManager != NULL && pManager->GetRoot() != NULL) pManager->GetRoot()->Invalidate();
    }
}

void CPaintManagerUI::ReloadSkin()
{
    for (int i = 0; i < m_aPreMessages.GetSize(); i++) {
        static_cast<CPaintManagerUI*>(m_aPreMessages[i])->ReloadAllImages();
    }
}

bool CPaintManagerUI::LoadPlugin(const wchar_t* pstrModuleName)
{
    if (pstrModuleName == NULL) return false;
    HMODULE hModule = ::LoadLibraryW(pstrModuleName);
    if (hModule == NULL) return false;
    LPCREATECONTROL lpCreateControl = reinterpret_cast<LPCREATECONTROL>(::GetProcAddress(hModule, "CreateControl"));
    if (lpCreateControl == NULL) {
        ::FreeLibrary(hModule);
        return false;
    }
    void* entry = reinterpret_cast<void*>(lpCreateControl);
    if (m_aPlugins.Find(entry) >= 0) return true;
    m_aPlugins.Add(entry);
    return true;
}

CStdPtrArray* CPaintManagerUI::GetPlugins() { return &m_aPlugins; }

void CPaintManagerUI::Term()
{
    if (m_bCachedResourceZip) CloseCachedArchive(m_hResourceZip);
}

void CPaintManagerUI::SetDefaultFontName(const wchar_t* pStrFontName) { m_pStrDefaultFontName = pStrFontName; }

}  // namespace SkinUI
