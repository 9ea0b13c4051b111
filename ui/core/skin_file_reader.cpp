// Byte sources of skin images, tried in the order the image loaders use.
#include "skin_file_reader.h"

#include "paint_manager.h"
#include "skin_file.h"

namespace SkinUI {

namespace {

// Images are read whole; a bound keeps a corrupt size from asking for gigabytes.
const DWORD kMaxImageBytes = 64 * 1024 * 1024;

bool ReadResource(STRINGorID name, const wchar_t* type, std::vector<BYTE>& bytes)
{
    HINSTANCE module = CPaintManagerUI::GetResourceDll();
    HRSRC hResource = ::FindResourceW(module, name.m_lpstr, type);
    if (hResource == NULL) return false;
    HGLOBAL hGlobal = ::LoadResource(module, hResource);
    if (hGlobal == NULL) return false;
    DWORD size = ::SizeofResource(module, hResource);
    const BYTE* data = static_cast<const BYTE*>(::LockResource(hGlobal));
    bool ok = size > 0 && data != NULL;
    if (ok) bytes.assign(data, data + size);
    ::FreeResource(hGlobal);
    return ok;
}

}  // namespace

bool ReadSkinBytes(STRINGorID name, const wchar_t* type, std::vector<BYTE>& bytes)
{
    bytes.clear();
    if (name.m_lpstr == NULL) return false;
    if (type != NULL && *type != L'\0') {
        if (ReadResource(name, type, bytes)) return true;
        if (name.IsId()) return false;
    } else if (name.IsId()) {
        return false;
    } else {
        SkinFileLocation skin;
        skin.resourcePath = CPaintManagerUI::GetResourcePath();
        skin.zipName = CPaintManagerUI::GetResourceZip();
        if (CPaintManagerUI::IsCachedResourceZip())
            skin.cachedZip = static_cast<HZIP>(CPaintManagerUI::GetResourceZipHandle());
        if (ReadSkinFile(skin, name.m_lpstr, kMaxImageBytes, bytes, NULL)) return true;
    }
    SkinFileLocation plainPath;
    return ReadSkinFile(plainPath, name.m_lpstr, kMaxImageBytes, bytes, NULL);
}

}  // namespace SkinUI
