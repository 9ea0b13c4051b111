// The skin archive reader: byte streams over a file handle or a memory block for
// minizip, name search, entry description (attributes, times from the DOS stamp
// and the extended-timestamp block) and inflation into caller buffers.
#include "skin_archive.h"

#include <cstring>
#include <ctime>
#include <cwchar>
#include <vector>

#include "ioapi.h"
#include "unzip.h"

namespace SkinUI {

namespace {

ZRESULT g_lastZipResult = ZR_OK;

ZRESULT Result(ZRESULT r)
{
    g_lastZipResult = r;
    return r;
}

// What minizip reads through: a disk file (by handle) or a memory block.
struct ZipStream
{
    bool isHandle = false;
    bool canSeek = false;
    HANDLE handle = INVALID_HANDLE_VALUE;
    bool error = false;
    DWORD startOffset = 0;
    const BYTE* memory = nullptr;
    unsigned int length = 0;
    unsigned int position = 0;

    ~ZipStream()
    {
        if (isHandle && handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
    }

    uLong Read(void* buffer, uLong size)
    {
        if (isHandle) {
            DWORD read = 0;
            if (!::ReadFile(handle, buffer, size, &read, nullptr)) error = true;
            return read;
        }
        if (position >= length) return 0;
        uLong available = length - position;
        uLong n = size < available ? size : available;
        memcpy(buffer, memory + position, n);
        position += n;
        return n;
    }

    long Tell()
    {
        if (isHandle) {
            DWORD pos = ::SetFilePointer(handle, 0, nullptr, FILE_CURRENT);
            if (pos == INVALID_SET_FILE_POINTER) return -1;
            return static_cast<long>(pos - startOffset);
        }
        return static_cast<long>(position);
    }

    long Seek(uLong offset, int origin)
    {
        if (isHandle) {
            if (!canSeek) return -1;
            DWORD pos;
            if (origin == ZLIB_FILEFUNC_SEEK_SET)
                pos = ::SetFilePointer(handle, static_cast<LONG>(startOffset + offset), nullptr, FILE_BEGIN);
            else if (origin == ZLIB_FILEFUNC_SEEK_CUR)
                pos = ::SetFilePointer(handle, static_cast<LONG>(offset), nullptr, FILE_CURRENT);
            else pos = ::SetFilePointer(handle, static_cast<LONG>(offset), nullptr, FILE_END);
            return pos == INVALID_SET_FILE_POINTER ? -1 : 0;
        }
        unsigned long long target;
        if (origin == ZLIB_FILEFUNC_SEEK_SET) target = offset;
        else if (origin == ZLIB_FILEFUNC_SEEK_CUR) target = static_cast<unsigned long long>(position) + offset;
        else target = static_cast<unsigned long long>(length) + offset;
        if (target > length) return -1;
        position = static_cast<unsigned int>(target);
        return 0;
    }
};

voidpf ZCALLBACK StreamOpen(voidpf, const char* source, int) { return const_cast<char*>(source); }
uLong ZCALLBACK StreamRead(voidpf, voidpf s, void* buf, uLong size)
{
    return static_cast<ZipStream*>(s)->Read(buf, size);
}
uLong ZCALLBACK StreamWrite(voidpf, voidpf, const void*, uLong) { return 0; }
long ZCALLBACK StreamTell(voidpf, voidpf s) { return static_cast<ZipStream*>(s)->Tell(); }
long ZCALLBACK StreamSeek(voidpf, voidpf s, uLong offset, int origin)
{
    return static_cast<ZipStream*>(s)->Seek(offset, origin);
}
int ZCALLBACK StreamClose(voidpf, voidpf) { return 0; }  // the stream belongs to the reader
int ZCALLBACK StreamError(voidpf, voidpf s) { return static_cast<ZipStream*>(s)->error ? 1 : 0; }

// A Unix time as FILETIME; false when it cannot be converted.
bool TimeTToFileTime(__time64_t t, FILETIME* out)
{
    struct tm* g = _gmtime64(&t);
    if (!g) return false;
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(g->tm_year + 1900);
    st.wMonth = static_cast<WORD>(g->tm_mon + 1);
    st.wDayOfWeek = static_cast<WORD>(g->tm_wday);
    st.wDay = static_cast<WORD>(g->tm_mday);
    st.wHour = static_cast<WORD>(g->tm_hour);
    st.wMinute = static_cast<WORD>(g->tm_min);
    st.wSecond = static_cast<WORD>(g->tm_sec);
    return ::SystemTimeToFileTime(&st, out) != FALSE;
}

DWORD FileAttributes(uLong external)
{
    DWORD attr = FILE_ATTRIBUTE_NORMAL;
    if ((external & 0x40000000) || (external & 0x10)) attr = FILE_ATTRIBUTE_NORMAL | FILE_ATTRIBUTE_DIRECTORY;
    if (external & 0x20) attr |= FILE_ATTRIBUTE_ARCHIVE;
    if (external & 0x2) attr |= FILE_ATTRIBUTE_HIDDEN;
    if (!(external & 0x800000) || (external & 0x1)) attr |= FILE_ATTRIBUTE_READONLY;
    if (external & 0x4) attr |= FILE_ATTRIBUTE_SYSTEM;
    return attr;
}

unsigned ReadLE16(const BYTE* p) { return p[0] | (p[1] << 8); }
unsigned long ReadLE32(const BYTE* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<unsigned long>(p[3]) << 24);
}

// Applies the first extended-timestamp ("UT") block of an extra field. Blocks
// are bounded by the bytes present; false when a block claims more.
bool ApplyExtendedTimes(const std::vector<BYTE>& extra, ZipEntry* entry)
{
    size_t pos = 0;
    while (pos + 4 <= extra.size()) {
        unsigned id = ReadLE16(&extra[pos]);
        size_t size = ReadLE16(&extra[pos + 2]);
        size_t data = pos + 4;
        if (size > extra.size() - data) return false;
        if (id == 0x5455 && size >= 1) {
            const BYTE* block = &extra[data];
            BYTE flags = block[0];
            size_t at = 1;
            FILETIME* targets[3] = {&entry->mtime, &entry->atime, &entry->ctime};
            for (int bit = 0; bit < 3; ++bit) {
                if (!(flags & (1 << bit))) continue;
                if (at + 4 > size) break;  // central-directory style block: fewer times than flags
                FILETIME ft;
                __time64_t t = static_cast<int32_t>(ReadLE32(block + at));
                if (TimeTToFileTime(t, &ft)) *targets[bit] = ft;  // a failed conversion keeps the DOS time
                at += 4;
            }
            return true;
        }
        pos = data + size;
    }
    return true;
}

char FoldAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Names are in the ANSI code page: the second byte of a double-byte character
// may have the value of an ASCII letter, but it is no letter and is compared
// exactly, so that two different characters never match.
bool SameNameNoCase(const char* a, const char* b)
{
    while (*a && *b) {
        if (::IsDBCSLeadByte(static_cast<BYTE>(*a)) && a[1]) {
            if (a[0] != b[0] || a[1] != b[1]) return false;
            a += 2;
            b += 2;
            continue;
        }
        if (FoldAscii(*a) != FoldAscii(*b)) return false;
        ++a;
        ++b;
    }
    return *a == *b;
}

const int kNameNotFound = -100;
const int kNameTooLong = -102;

}  // namespace

// The reader behind an unzip handle.
class TUnzip
{
public:
    ~TUnzip()
    {
        CloseOpenEntry();
        if (m_zip) unzClose(m_zip);
    }

    ZRESULT Open(std::unique_ptr<ZipStream> stream)
    {
        if (m_zip) return ZR_ALREADYOPEN;
        m_stream = std::move(stream);
        zlib_filefunc_def functions = {};
        functions.zopen_file = StreamOpen;
        functions.zread_file = StreamRead;
        functions.zwrite_file = StreamWrite;
        functions.ztell_file = StreamTell;
        functions.zseek_file = StreamSeek;
        functions.zclose_file = StreamClose;
        functions.zerror_file = StreamError;
        m_zip = unzOpen2(reinterpret_cast<const char*>(m_stream.get()), &functions);
        if (!m_zip) return ZR_CORRUPT;
        unz_global_info info;
        if (unzGetGlobalInfo(m_zip, &info) != UNZ_OK || info.number_entry > 0x7FFFFFFF) return ZR_CORRUPT;
        m_count = static_cast<int>(info.number_entry);
        m_current = 0;
        return ZR_OK;
    }

    int Count() const { return m_count; }

    ZRESULT Describe(int index, ZipEntry* entry)
    {
        if (index < -1 || index >= m_count) return ZR_ARGS;
        CloseOpenEntry();
        ZipEntry described = {};
        if (index == -1) {
            described.index = m_count;
            if (entry) *entry = described;
            return ZR_OK;
        }
        if (index == m_cachedIndex) {
            if (entry) *entry = m_cachedEntry;
            return ZR_OK;
        }
        if (!GoTo(index)) return ZR_CORRUPT;
        unz_file_info info;
        char name[MAX_PATH + 1];
        if (!CurrentInfo(&info, name)) return ZR_CORRUPT;

        // The local extra field holds the full timestamps; minizip checks the
        // local header on the way and reads only the bytes the header declares.
        if (unzOpenCurrentFile2(m_zip, nullptr, nullptr, 1) != UNZ_OK) return ZR_CORRUPT;
        int extraSize = unzGetLocalExtrafield(m_zip, nullptr, 0);
        std::vector<BYTE> extra(extraSize > 0 ? extraSize : 0);
        int read = extra.empty() ? 0 : unzGetLocalExtrafield(m_zip, extra.data(), static_cast<unsigned>(extra.size()));
        unzCloseCurrentFile(m_zip);
        if (extraSize < 0 || read != static_cast<int>(extra.size())) return ZR_READ;

        described.index = index;
        wchar_t wide[MAX_PATH + 2];
        if (::MultiByteToWideChar(CP_ACP, 0, name, -1, wide, MAX_PATH + 2) <= 0) wide[0] = L'\0';
        wcsncpy(described.name, wide, MAX_PATH - 1);
        described.name[MAX_PATH - 1] = L'\0';
        described.attr = FileAttributes(info.external_fa);
        FILETIME dos = {};
        if (!::DosDateTimeToFileTime(HIWORD(info.dosDate), LOWORD(info.dosDate), &dos)) dos = FILETIME{};
        described.atime = described.ctime = described.mtime = dos;
        if (!ApplyExtendedTimes(extra, &described)) return ZR_CORRUPT;
        described.comp_size = static_cast<long>(info.compressed_size);
        described.unc_size = static_cast<long>(info.uncompressed_size);

        m_cachedIndex = index;
        m_cachedEntry = described;
        if (entry) *entry = described;
        return ZR_OK;
    }

    // Index of the first entry whose name matches, or a negative code.
    int Locate(const wchar_t* wanted)
    {
        CloseOpenEntry();
        if (!wanted) return kNameNotFound;
        size_t length = wcslen(wanted);
        if (length >= 256) return kNameTooLong;
        // Separators are turned round before the conversion: in the ANSI code
        // page the second byte of a Chinese character can be a backslash.
        wchar_t separated[256];
        for (size_t i = 0; i <= length; ++i) separated[i] = wanted[i] == L'\\' ? L'/' : wanted[i];
        char name[MAX_PATH] = {};
        if (::WideCharToMultiByte(CP_ACP, 0, separated, -1, name, MAX_PATH - 1, nullptr, nullptr) <= 0)
            return kNameTooLong;

        unz_file_pos saved;
        bool canRestore = unzGetFilePos(m_zip, &saved) == UNZ_OK;
        int savedIndex = m_current;
        if (unzGoToFirstFile(m_zip) == UNZ_OK) {
            m_current = 0;
            for (;;) {
                unz_file_info info;
                char stored[MAX_PATH + 1];
                if (!CurrentInfo(&info, stored)) break;
                if (SameNameNoCase(stored, name)) return m_current;
                if (unzGoToNextFile(m_zip) != UNZ_OK) break;
                ++m_current;
            }
        }
        if (canRestore && unzGoToFilePos(m_zip, &saved) == UNZ_OK) {
            m_current = savedIndex;
        } else {
            m_current = unzGoToFirstFile(m_zip) == UNZ_OK ? 0 : m_count;
        }
        return kNameNotFound;
    }

    ZRESULT Inflate(int index, void* buffer, unsigned int size)
    {
        if (index < 0 || index >= m_count) return ZR_ARGS;
        if (index != m_openIndex) {
            CloseOpenEntry();
            if (index < 0 || index >= m_count) return ZR_ARGS;
            if (!GoTo(index)) return ZR_CORRUPT;
            if (unzOpenCurrentFile(m_zip) != UNZ_OK) return ZR_CORRUPT;
            m_openIndex = index;
            m_openRead = 0;
        }
        if (!buffer && size > 0) return ZR_ARGS;
        BYTE* out = static_cast<BYTE*>(buffer);
        int n = size ? unzReadCurrentFile(m_zip, buffer, size) : 0;
        if (n > 0) {
            // An entry shorter than the buffer leaves zeros, never stale bytes.
            if (static_cast<unsigned>(n) < size) memset(out + n, 0, size - n);
            m_openRead += n;
            return ZR_MORE;
        }
        if (m_openRead == 0 && size > 0) memset(out, 0, size);
        CloseOpenEntry();
        return n == 0 ? ZR_OK : ZR_FLATE;
    }

private:
    bool GoTo(int index)
    {
        if (index < m_current) {
            if (unzGoToFirstFile(m_zip) != UNZ_OK) return false;
            m_current = 0;
        }
        while (m_current < index) {
            if (unzGoToNextFile(m_zip) != UNZ_OK) {
                m_current = m_count;  // past the end; the next GoTo starts over
                return false;
            }
            ++m_current;
        }
        return true;
    }

    // The current entry's information and its name, always terminated (a name
    // that fills the buffer is cut at MAX_PATH bytes).
    bool CurrentInfo(unz_file_info* info, char (&name)[MAX_PATH + 1])
    {
        if (unzGetCurrentFileInfo(m_zip, info, name, MAX_PATH, nullptr, 0, nullptr, 0) != UNZ_OK) return false;
        name[info->size_filename < MAX_PATH ? info->size_filename : MAX_PATH] = '\0';
        return true;
    }

    void CloseOpenEntry()
    {
        if (m_openIndex >= 0) {
            unzCloseCurrentFile(m_zip);
            m_openIndex = -1;
        }
    }

    std::unique_ptr<ZipStream> m_stream;
    unzFile m_zip = nullptr;
    int m_count = 0;
    int m_current = 0;
    int m_openIndex = -1;
    unsigned long long m_openRead = 0;
    int m_cachedIndex = -1;
    ZipEntry m_cachedEntry = {};
};

struct ZipHandle
{
    int kind;  // 1: unzip handle
    TUnzip* reader;
};

HZIP OpenZip(int kind, void* source, unsigned int length)
{
    auto stream = std::make_unique<ZipStream>();
    if (kind == ZIP_HANDLE) {
        HANDLE process = ::GetCurrentProcess();
        HANDLE duplicate = nullptr;
        if (!source || !::DuplicateHandle(process, static_cast<HANDLE>(source), process, &duplicate, 0, FALSE,
                                          DUPLICATE_SAME_ACCESS)) {
            Result(ZR_DUPHANDLE);
            return nullptr;
        }
        stream->isHandle = true;
        stream->handle = duplicate;
        if (::GetFileType(duplicate) != FILE_TYPE_DISK) {
            Result(ZR_NOTDISKFILE);
            return nullptr;
        }
        stream->canSeek = true;
        DWORD start = ::SetFilePointer(duplicate, 0, nullptr, FILE_CURRENT);
        stream->startOffset = start == INVALID_SET_FILE_POINTER ? 0 : start;
    } else if (kind == ZIP_FILENAME) {
        HANDLE file = source ? ::CreateFileW(static_cast<const wchar_t*>(source), GENERIC_READ, FILE_SHARE_READ,
                                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)
                             : INVALID_HANDLE_VALUE;
        if (file == INVALID_HANDLE_VALUE) {
            Result(ZR_NOFILE);
            return nullptr;
        }
        stream->isHandle = true;
        stream->canSeek = true;
        stream->handle = file;
    } else if (kind == ZIP_MEMORY) {
        if (!source) {
            Result(ZR_ARGS);
            return nullptr;
        }
        stream->memory = static_cast<const BYTE*>(source);
        stream->length = length;
    } else {
        Result(ZR_ARGS);
        return nullptr;
    }
    auto reader = std::make_unique<TUnzip>();
    ZRESULT r = reader->Open(std::move(stream));
    if (r != ZR_OK) {
        Result(r);
        return nullptr;
    }
    Result(ZR_OK);
    return new ZipHandle{1, reader.release()};
}

TUnzip* GetZipReader(HZIP hz) { return hz && hz->kind == 1 ? hz->reader : nullptr; }

static ZRESULT CheckHandle(HZIP hz)
{
    if (!hz) return ZR_ARGS;
    if (hz->kind != 1) return ZR_ZMODE;
    return ZR_OK;
}

ZRESULT FindZipItem(HZIP hz, const wchar_t* name, int* index, ZipEntry* entry)
{
    ZRESULT r = CheckHandle(hz);
    if (r != ZR_OK) return Result(r);
    int found = hz->reader->Locate(name);
    if (found < 0) {
        if (index) *index = -1;
        if (entry) {
            *entry = ZipEntry{};
            entry->index = -1;
        }
        return Result(ZR_NOTFOUND);
    }
    if (index) *index = found;
    return Result(hz->reader->Describe(found, entry));
}

ZRESULT GetZipItem(HZIP hz, int index, ZipEntry* entry)
{
    ZRESULT r = CheckHandle(hz);
    if (r != ZR_OK) return Result(r);
    return Result(hz->reader->Describe(index, entry));
}

ZRESULT GetZipItemInternal(TUnzip* reader, int index, ZipEntry* entry)
{
    if (!reader) return Result(ZR_ARGS);
    return Result(reader->Describe(index, entry));
}

ZRESULT UnzipItem(HZIP hz, int index, void* buffer, unsigned int size)
{
    ZRESULT r = CheckHandle(hz);
    if (r != ZR_OK) return Result(r);
    return Result(hz->reader->Inflate(index, buffer, size));
}

ZRESULT UnzipItemInternal(TUnzip* reader, int index, void* buffer, unsigned int size)
{
    if (!reader) return Result(ZR_ARGS);
    return Result(reader->Inflate(index, buffer, size));
}

ZRESULT CloseZip(HZIP hz)
{
    ZRESULT r = CheckHandle(hz);
    if (r != ZR_OK) return Result(r);
    delete hz->reader;
    delete hz;
    return Result(ZR_OK);
}

ZRESULT GetLastZipResult() { return g_lastZipResult; }

}  // namespace SkinUI
