// Reading one whole skin file (a layout, an image) from the skin archive or from
// the resource folder, as the paint manager's resource settings name them.
#pragma once

#include <windows.h>

#include <vector>

#include "skin_archive.h"
#include "ui_export.h"

namespace SkinUI {

struct SkinFileLocation
{
    const wchar_t* resourcePath = L"";  // folder prefix, normally ending in "\"
    const wchar_t* zipName = L"";       // archive under resourcePath; empty: plain files
    HZIP cachedZip = nullptr;           // the archive kept open by the paint manager, if any
};

// Where loaders that are given no location read from. The paint manager
// registers a provider that answers its resource settings (resource path,
// archive name, cached archive handle); without one, files are read from the
// current folder.
typedef SkinFileLocation (*SkinLocationProvider)();
UILIB_API void SetSkinLocationProvider(SkinLocationProvider provider);
UILIB_API SkinFileLocation CurrentSkinLocation();

// Reads `name` whole into `bytes`. Files larger than maxSize are refused. On
// failure returns false and sets `error` to one of the texts below.
UILIB_API bool ReadSkinFile(const SkinFileLocation& where, const wchar_t* name, DWORD maxSize, std::vector<BYTE>& bytes,
                            const wchar_t** error);

// Failure texts, in the order they are tested.
extern UILIB_API const wchar_t* const kSkinErrorOpenZip;   // "Error opening zip file"
extern UILIB_API const wchar_t* const kSkinErrorNotInZip;  // "Could not find ziped file"
extern UILIB_API const wchar_t* const kSkinErrorUnzip;     // "Could not unzip file"
extern UILIB_API const wchar_t* const kSkinErrorOpenFile;  // "Error opening file"
extern UILIB_API const wchar_t* const kSkinErrorReadFile;  // "Could not read file"
extern UILIB_API const wchar_t* const kSkinErrorEmpty;     // "File is empty"
extern UILIB_API const wchar_t* const kSkinErrorTooLarge;  // "File too large"

}  // namespace SkinUI
