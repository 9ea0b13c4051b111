// Whole-file reads for the skin loaders, from the archive or the resource folder.
#include "skin_file.h"

#include "ui_string.h"

namespace SkinUI {

const wchar_t* const kSkinErrorOpenZip = L"Error opening zip file";
const wchar_t* const kSkinErrorNotInZip = L"Could not find ziped file";
const wchar_t* const kSkinErrorUnzip = L"Could not unzip file";
const wchar_t* const kSkinErrorOpenFile = L"Error opening file";
const wchar_t* const kSkinErrorReadFile = L"Could not read file";
const wchar_t* const kSkinErrorEmpty = L"File is empty";
const wchar_t* const kSkinErrorTooLarge = L"File too large";

namespace {

SkinLocationProvider g_locationProvider = nullptr;

bool Fail(const wchar_t** error, const wchar_t* text)
{
    if (error) *error = text;
    return false;
}

bool ReadFromArchive(HZIP zip, const wchar_t* name, DWORD maxSize, std::vector<BYTE>& bytes, const wchar_t** error)
{
    int index = -1;
    ZipEntry entry;
    if (FindZipItem(zip, name, &index, &entry) != ZR_OK) return Fail(error, kSkinErrorNotInZip);
    if (entry.unc_size == 0) return Fail(error, kSkinErrorEmpty);
    if (entry.unc_size < 0 || static_cast<DWORD>(entry.unc_size) > maxSize) return Fail(error, kSkinErrorTooLarge);
    bytes.assign(static_cast<size_t>(entry.unc_size), 0);
    ZRESULT r = UnzipItem(zip, index, bytes.data(), static_cast<unsigned>(bytes.size()));
    if (r != ZR_OK && r != ZR_MORE) {
        bytes.clear();
        return Fail(error, kSkinErrorUnzip);
    }
    return true;
}

}  // namespace

void SetSkinLocationProvider(SkinLocationProvider provider) { g_locationProvider = provider; }

SkinFileLocation CurrentSkinLocation() { return g_locationProvider ? g_locationProvider() : SkinFileLocation(); }

bool ReadSkinFile(const SkinFileLocation& where, const wchar_t* name, DWORD maxSize, std::vector<BYTE>& bytes,
                  const wchar_t** error)
{
    bytes.clear();
    if (!name) name = L"";
    const wchar_t* folder = where.resourcePath ? where.resourcePath : L"";
    if (where.zipName && *where.zipName) {
        if (where.cachedZip) return ReadFromArchive(where.cachedZip, name, maxSize, bytes, error);
        CUIString archive(folder);
        archive += where.zipName;
        ScopedZip zip(OpenZipFile(archive));
        if (!zip) return Fail(error, kSkinErrorOpenZip);
        return ReadFromArchive(zip.get(), name, maxSize, bytes, error);
    }

    CUIString path(folder);
    path += name;
    HANDLE file =
        ::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Fail(error, kSkinErrorOpenFile);
    std::unique_ptr<void, decltype(&::CloseHandle)> closer(file, &::CloseHandle);
    DWORD high = 0;
    DWORD size = ::GetFileSize(file, &high);
    if (size == 0 && high == 0) return Fail(error, kSkinErrorEmpty);
    if (high != 0 || size == INVALID_FILE_SIZE || size > maxSize) return Fail(error, kSkinErrorTooLarge);
    bytes.assign(size, 0);
    DWORD read = 0;
    if (!::ReadFile(file, bytes.data(), size, &read, nullptr) || read != size) {
        bytes.clear();
        return Fail(error, kSkinErrorReadFile);
    }
    return true;
}

}  // namespace SkinUI
