// Skin archive reader: name search, entry description (attributes, times),
// inflation, the three source kinds, and damaged archives.
#include "skin_archive.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support/archive_walk.h"
#include "test_support/guarded_buffer.h"
#include "test_support/zip_builder.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

typedef std::vector<unsigned char> Bytes;

std::string Text(size_t n, unsigned seed)
{
    std::string s;
    for (size_t i = 0; i < n; ++i) {
        seed = seed * 1103515245 + 12345;
        s += "abcdefgh <>/\"=xyz\n"[(seed >> 16) % 18];
    }
    return s;
}

const char kGbkPictures[] = "\xcd\xbc\xc6\xac/\xb0\xb4\xc5\xa5.png";  // 图片/按钮.png

std::vector<ZipBuildEntry> SkinEntries()
{
    std::vector<ZipBuildEntry> e(4);
    e[0].name = "images/btn.png";
    e[0].data = Text(3000, 1);
    e[0].deflate = true;
    e[1].name = "layout/main.xml";
    e[1].data = "<Window/>";
    e[2].name = kGbkPictures;
    e[2].data = Text(100, 2);
    e[3].name = "empty.txt";
    return e;
}

FILETIME Dos(uint16_t date, uint16_t time)
{
    FILETIME ft = {};
    DosDateTimeToFileTime(date, time, &ft);
    return ft;
}

FILETIME Unix(int64_t t)
{
    ULARGE_INTEGER v;
    v.QuadPart = static_cast<ULONGLONG>(t) * 10000000ULL + 116444736000000000ULL;
    FILETIME ft = {v.LowPart, v.HighPart};
    return ft;
}

bool Same(const FILETIME& a, const FILETIME& b) { return CompareFileTime(&a, &b) == 0; }

TEST(SkinArchive, FindsNamesIgnoringCaseAndSlashes)
{
    std::vector<ZipBuildEntry> e = SkinEntries();
    // GBK characters whose second byte is a backslash (U+6DFA) or an ASCII letter
    // (U+4E04: 81 41, U+4E64: 81 61).
    for (const char* name : {"\x9c\x5c\xc9\xab/\x9c\x5c.png", "\x81\x41.png", "\x81\x61.png"}) {
        e.push_back(ZipBuildEntry());
        e.back().name = name;
        e.back().data = name;
    }
    Bytes zip = ZipBuilder::Build(e);
    ScopedZip hz(OpenZipMemory(zip.data(), static_cast<unsigned>(zip.size())));
    ASSERT_TRUE(hz);
    struct Case
    {
        const wchar_t* name;
        int index;
        const wchar_t* stored;
    } cases[] = {
        {L"Images\\Btn.PNG", 0, L"images/btn.png"},
        {L"images/btn.png", 0, L"images/btn.png"},
        {L"LAYOUT\\MAIN.xml", 1, L"layout/main.xml"},
        {L"\u56fe\u7247\\\u6309\u94ae.PNG", 2, L"\u56fe\u7247/\u6309\u94ae.png"},
        {L"\u6dfa\u8272\\\u6dfa.PNG", 4, L"\u6dfa\u8272/\u6dfa.png"},
        {L"\u6dfa\u8272/\u6dfa.png", 4, L"\u6dfa\u8272/\u6dfa.png"},
        {L"\u4e04.PNG", 5, L"\u4e04.png"},
        {L"\u4e64.png", 6, L"\u4e64.png"},
        {L"images\\btn.pn", -1, nullptr},
        {L"btn.png", -1, nullptr},
        {L"", -1, nullptr},
        {nullptr, -1, nullptr},
    };
    for (const auto& c : cases) {
        int index = 99;
        ZipEntry entry;
        ZRESULT r = FindZipItem(hz.get(), c.name, &index, &entry);
        EXPECT_EQ(c.index, index) << (c.name ? c.name : L"(null)");
        if (c.stored) {
            EXPECT_EQ(ZR_OK, r);
            EXPECT_STREQ(c.stored, entry.name);
            EXPECT_EQ(c.index, entry.index);
        } else {
            EXPECT_EQ(ZR_NOTFOUND, r);
            EXPECT_EQ(-1, entry.index);
            EXPECT_STREQ(L"", entry.name);
            EXPECT_EQ(ZR_NOTFOUND, GetLastZipResult());
        }
    }
}

TEST(SkinArchive, LongNames)
{
    std::vector<ZipBuildEntry> e(3);
    e[0].name = std::string(255, 'n');
    e[1].name = std::string(256, 'm');
    e[2].name = std::string(300, 'p');  // longer than the name buffer
    Bytes zip = ZipBuilder::Build(e);
    ScopedZip hz(OpenZipMemory(zip.data(), static_cast<unsigned>(zip.size())));
    ASSERT_TRUE(hz);
    int index;
    ZipEntry entry;
    EXPECT_EQ(ZR_OK, FindZipItem(hz.get(), std::wstring(255, L'N').c_str(), &index, &entry));
    EXPECT_EQ(0, index);
    EXPECT_EQ(ZR_NOTFOUND, FindZipItem(hz.get(), std::wstring(256, L'm').c_str(), &index, &entry));
    EXPECT_EQ(ZR_NOTFOUND, FindZipItem(hz.get(), std::wstring(300, L'p').c_str(), &index, &entry));
    // 130 Chinese characters fit the wide limit but not the 259-byte narrow one.
    EXPECT_EQ(ZR_NOTFOUND, FindZipItem(hz.get(), std::wstring(130, L'\u4e2d').c_str(), &index, &entry));
    ASSERT_EQ(ZR_OK, GetZipItem(hz.get(), 2, &entry));
    EXPECT_EQ(std::wstring(MAX_PATH - 1, L'p'), entry.name);
}

TEST(SkinArchive, DescribesArchiveAndEntries)
{
    std::vector<ZipBuildEntry> e = SkinEntries();
    Bytes zip = ZipBuilder::Build(e);
    ScopedZip hz(OpenZipMemory(zip.data(), static_cast<unsigned>(zip.size())));
    ASSERT_TRUE(hz);
    ZipEntry entry;
    ASSERT_EQ(ZR_OK, GetZipItem(hz.get(), -1, &entry));
    EXPECT_EQ(4, entry.index);
    EXPECT_EQ(0, entry.unc_size);
    ASSERT_EQ(ZR_OK, GetZipItem(hz.get(), 0, &entry));
    EXPECT_EQ(3000, entry.unc_size);
    EXPECT_LT(entry.comp_size, 3000);
    ASSERT_EQ(ZR_OK, GetZipItem(hz.get(), 1, &entry));
    EXPECT_EQ(9, entry.unc_size);
    EXPECT_EQ(9, entry.comp_size);
    EXPECT_EQ(ZR_ARGS, GetZipItem(hz.get(), 4, &entry));
    EXPECT_EQ(ZR_ARGS, GetZipItem(hz.get(), -2, &entry));
    EXPECT_EQ(ZR_ARGS, GetZipItem(nullptr, 0, &entry));
    EXPECT_EQ(ZR_ARGS, FindZipItem(nullptr, L"x", nullptr, nullptr));
    EXPECT_EQ(ZR_ARGS, UnzipItem(nullptr, 0, nullptr, 0));
    EXPECT_EQ(ZR_ARGS, CloseZip(nullptr));
    EXPECT_EQ(ZR_ARGS, GetLastZipResult());
    EXPECT_EQ(nullptr, GetZipReader(nullptr));
}

TEST(SkinArchive, Attributes)
{
    struct Case
    {
        uint32_t external;
        DWORD attr;
    } cases[] = {
        {0x81A40000, FILE_ATTRIBUTE_NORMAL},                             // rw-r--r--
        {0x81240000, FILE_ATTRIBUTE_NORMAL | FILE_ATTRIBUTE_READONLY},   // r--r--r--
        {0x41ED0010, FILE_ATTRIBUTE_NORMAL | FILE_ATTRIBUTE_DIRECTORY},  // directory
        {0x00000020, FILE_ATTRIBUTE_NORMAL | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY},
        {0x00800027, FILE_ATTRIBUTE_NORMAL | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                         FILE_ATTRIBUTE_READONLY},
        {0x00800000, FILE_ATTRIBUTE_NORMAL},
    };
    std::vector<ZipBuildEntry> e;
    for (const auto& c : cases) {
        ZipBuildEntry entry;
        entry.name = "f" + std::to_string(e.size());
        entry.externalAttr = c.external;
        e.push_back(entry);
    }
    Bytes zip = ZipBuilder::Build(e);
    ScopedZip hz(OpenZipMemory(zip.data(), static_cast<unsigned>(zip.size())));
    ASSERT_TRUE(hz);
    for (size_t i = 0; i < e.size(); ++i) {
        ZipEntry entry;
        ASSERT_EQ(ZR_OK, GetZipItem(hz.get(), static_cast<int>(i), &entry));
        EXPECT_EQ(cases[i].attr, entry.attr) << std::hex << cases[i].external;
    }
}

TEST(SkinArchive, TimesFromDosStampAndExtendedBlock)
{
    const int32_t t1 = 1700000000, t2 = 1600000000, t3 = 1500000000;
    std::string other = std::string("\x0a\x00\x04\x00", 4) + "abcd";  // an unrelated block first
    struct Case
    {
        const char* what;
        std::string extra;
        bool ok;
        int64_t m, a, c;
    } cases[] = {
        {"no extra", "", true, 0, 0, 0},
        {"modify only", ZipBuilder::Extended(1, {t1}), true, t1, 0, 0},
        {"all three", other + ZipBuilder::Extended(7, {t1, t2, t3}), true, t1, t2, t3},
        {"access and create", ZipBuilder::Extended(6, {t2, t3}), true, 0, t2, t3},
        {"flags without times", ZipBuilder::Extended(7, {t1}), true, t1, 0, 0},
        {"time before 1970 keeps DOS", ZipBuilder::Extended(1, {-5}), true, 0, 0, 0},
        {"block longer than the field", std::string("UT\x20\x00\x01", 5), false, 0, 0, 0},
        {"dangling header bytes", ZipBuilder::Extended(1, {t1}) + "U", true, t1, 0, 0},
    };
    for (const auto& c : cases) {
        ZipBuildEntry e;
        e.name = "a.png";
        e.data = "data";
        e.localExtra = c.extra;
        Bytes zip = ZipBuilder::Build({e});
        GuardedBuffer data(zip.data(), zip.size());
        ScopedZip hz(OpenZipMemory(data.data(), static_cast<unsigned>(data.size())));
        ASSERT_TRUE(hz) << c.what;
        ZipEntry entry;
        ZRESULT r = GetZipItem(hz.get(), 0, &entry);
        if (!c.ok) {
            EXPECT_EQ(ZR_CORRUPT, r) << c.what;
            continue;
        }
        ASSERT_EQ(ZR_OK, r) << c.what;
        FILETIME dos = Dos(e.dosDate, e.dosTime);
        EXPECT_TRUE(Same(c.m ? Unix(c.m) : dos, entry.mtime)) << c.what;
        EXPECT_TRUE(Same(c.a ? Unix(c.a) : dos, entry.atime)) << c.what;
        EXPECT_TRUE(Same(c.c ? Unix(c.c) : dos, entry.ctime)) << c.what;
    }
}

TEST(SkinArchive, InflatesIntoCallerBuffers)
{
    std::vector<ZipBuildEntry> e = SkinEntries();
    Bytes zip = ZipBuilder::Build(e);
    ScopedZip hz(OpenZipMemory(zip.data(), static_cast<unsigned>(zip.size())));
    ASSERT_TRUE(hz);
    for (int i = 0; i < 3; ++i) {
        std::string out(e[i].data.size(), '\0');
        EXPECT_EQ(ZR_MORE, UnzipItem(hz.get(), i, &out[0], static_cast<unsigned>(out.size())));
        EXPECT_EQ(e[i].data, out);
        char spare[4];
        EXPECT_EQ(ZR_OK, UnzipItem(hz.get(), i, spare, sizeof(spare)));  // end: the entry closes
    }
    // In pieces: each call continues where the last stopped.
    std::string joined;
    char piece[1000];
    ZRESULT r;
    while ((r = UnzipItem(hz.get(), 0, piece, sizeof(piece))) == ZR_MORE)
        joined.append(piece, std::min<size_t>(sizeof(piece), e[0].data.size() - joined.size()));
    EXPECT_EQ(ZR_OK, r);
    EXPECT_EQ(e[0].data, joined);

    char one;
    EXPECT_EQ(ZR_OK, UnzipItem(hz.get(), 3, &one, 1));  // empty entry
    EXPECT_EQ(ZR_ARGS, UnzipItem(hz.get(), 4, &one, 1));
    EXPECT_EQ(ZR_ARGS, UnzipItem(hz.get(), -1, &one, 1));
    // Describing or finding closes the open entry; reading starts over.
    std::string first(10, '\0');
    EXPECT_EQ(ZR_MORE, UnzipItem(hz.get(), 0, &first[0], 10));
    ZipEntry entry;
    GetZipItem(hz.get(), 1, &entry);
    std::string again(10, '\0');
    EXPECT_EQ(ZR_MORE, UnzipItem(hz.get(), 0, &again[0], 10));
    EXPECT_EQ(first, again);
    EXPECT_EQ(e[0].data.substr(0, 10), again);
}

// The image and GIF loaders work on the reader state of a checked handle.
TEST(SkinArchive, ReaderStateForLoaders)
{
    std::vector<ZipBuildEntry> e = SkinEntries();
    Bytes zip = ZipBuilder::Build(e);
    ScopedZip hz(OpenZipMemory(zip.data(), static_cast<unsigned>(zip.size())));
    ASSERT_TRUE(hz);
    TUnzip* reader = GetZipReader(hz.get());
    ASSERT_NE(nullptr, reader);
    ZipEntry entry;
    ASSERT_EQ(ZR_OK, GetZipItemInternal(reader, 0, &entry));
    EXPECT_STREQ(L"images/btn.png", entry.name);
    std::string out(entry.unc_size, '\0');
    EXPECT_EQ(ZR_MORE, UnzipItemInternal(reader, 0, &out[0], static_cast<unsigned>(out.size())));
    EXPECT_EQ(e[0].data, out);
    EXPECT_EQ(ZR_ARGS, UnzipItemInternal(reader, 4, &out[0], 1));
    EXPECT_EQ(ZR_ARGS, GetZipItemInternal(reader, 4, &entry));
    EXPECT_EQ(ZR_ARGS, UnzipItemInternal(nullptr, 0, &out[0], 1));
    EXPECT_EQ(ZR_ARGS, GetZipItemInternal(nullptr, 0, &entry));
    // The handle still works after its reader was used directly.
    int index;
    ASSERT_EQ(ZR_OK, FindZipItem(hz.get(), L"layout/main.xml", &index, &entry));
    std::string layout(entry.unc_size, '\0');
    EXPECT_EQ(ZR_MORE, UnzipItem(hz.get(), index, &layout[0], static_cast<unsigned>(layout.size())));
    EXPECT_EQ("<Window/>", layout);
}

TEST(SkinArchive, WrongDeclaredSizeLeavesNoStaleBytes)
{
    struct Case
    {
        const char* what;
        bool deflate;
        long declared;
    } cases[] = {
        {"stored, declared larger", false, 100},
        {"deflated, declared larger", true, 100},
        {"stored, declared zero", false, 0},
    };
    for (const auto& c : cases) {
        ZipBuildEntry e;
        e.name = "x";
        e.data = "0123456789";
        e.deflate = c.deflate;
        e.declaredSize = c.declared;
        Bytes zip = ZipBuilder::Build({e});
        ScopedZip hz(OpenZipMemory(zip.data(), static_cast<unsigned>(zip.size())));
        ASSERT_TRUE(hz);
        std::string out(100, '\xCC');
        ZRESULT r = UnzipItem(hz.get(), 0, &out[0], 100);
        EXPECT_TRUE(r == ZR_MORE || r == ZR_OK || r == ZR_FLATE) << c.what;
        EXPECT_EQ(std::string::npos, out.find('\xCC')) << c.what;
    }
}

class ArchiveFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        m_path = std::wstring(temp) + L"skin_archive_test_" + std::to_wstring(GetCurrentProcessId()) + L".zip";
        m_zip = ZipBuilder::Build(SkinEntries());
        std::string prefix(100, 'J');
        HANDLE h = CreateFileW(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written;
        WriteFile(h, prefix.data(), 100, &written, nullptr);
        WriteFile(h, m_zip.data(), static_cast<DWORD>(m_zip.size()), &written, nullptr);
        CloseHandle(h);
    }
    void TearDown() override { DeleteFileW(m_path.c_str()); }

    static void ExpectReadable(HZIP hz)
    {
        ASSERT_NE(nullptr, hz);
        int index;
        ZipEntry entry;
        ASSERT_EQ(ZR_OK, FindZipItem(hz, L"layout\\main.xml", &index, &entry));
        std::string out(entry.unc_size, '\0');
        EXPECT_EQ(ZR_MORE, UnzipItem(hz, index, &out[0], static_cast<unsigned>(out.size())));
        EXPECT_EQ("<Window/>", out);
        ASSERT_EQ(ZR_OK, FindZipItem(hz, L"images/btn.png", &index, &entry));
        std::string image(entry.unc_size, '\0');
        EXPECT_EQ(ZR_MORE, UnzipItem(hz, index, &image[0], static_cast<unsigned>(image.size())));
        EXPECT_EQ(Text(3000, 1), image);
        EXPECT_EQ(ZR_OK, CloseZip(hz));
    }

    std::wstring m_path;
    Bytes m_zip;
};

TEST_F(ArchiveFile, HandleWithArchiveAfterAPrefix)
{
    HANDLE h = CreateFileW(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    SetFilePointer(h, 100, nullptr, FILE_BEGIN);
    HZIP hz = OpenZipHandle(h);
    CloseHandle(h);  // the reader keeps its own duplicate
    ExpectReadable(hz);
}

TEST_F(ArchiveFile, FileNameAndOpenFailures)
{
    // A file with a prefix is still found through the end record.
    ExpectReadable(OpenZipFile(m_path.c_str()));

    EXPECT_EQ(nullptr, OpenZipFile((m_path + L".absent").c_str()));
    EXPECT_EQ(ZR_NOFILE, GetLastZipResult());
    EXPECT_EQ(nullptr, OpenZip(9, m_zip.data(), 10));
    EXPECT_EQ(ZR_ARGS, GetLastZipResult());
    EXPECT_EQ(nullptr, OpenZipHandle(reinterpret_cast<HANDLE>(0x7ff4)));
    EXPECT_EQ(ZR_DUPHANDLE, GetLastZipResult());
    EXPECT_EQ(nullptr, OpenZipHandle(GetCurrentProcess()));
    EXPECT_EQ(ZR_NOTDISKFILE, GetLastZipResult());
    HANDLE readPipe, writePipe;
    ASSERT_TRUE(CreatePipe(&readPipe, &writePipe, nullptr, 0));
    EXPECT_EQ(nullptr, OpenZipHandle(readPipe));
    EXPECT_EQ(ZR_NOTDISKFILE, GetLastZipResult());
    CloseHandle(readPipe);
    CloseHandle(writePipe);
    std::string notZip = "this is not an archive at all";
    EXPECT_EQ(nullptr, OpenZipMemory(notZip.data(), static_cast<unsigned>(notZip.size())));
    EXPECT_EQ(ZR_CORRUPT, GetLastZipResult());
    EXPECT_EQ(nullptr, OpenZipMemory(nullptr, 10));
}

TEST(SkinArchiveDamage, TruncatedAtEveryLength)
{
    Bytes zip = ZipBuilder::Build(SkinEntries());
    for (size_t n = 0; n < zip.size(); ++n) {
        GuardedBuffer data(zip.data(), n);
        WalkArchive(data.data(), n);
    }
}

TEST(SkinArchiveDamage, CorruptHeadersAreErrors)
{
    std::vector<ZipBuildEntry> e = SkinEntries();
    e[0].localExtra = ZipBuilder::Extended(7, {1, 2, 3});
    size_t central = 0;
    Bytes good = ZipBuilder::Build(e, &central);

    Bytes badLocal = good;
    badLocal[0] = 'X';  // first local header signature
    GuardedBuffer local(badLocal.data(), badLocal.size());
    ScopedZip hz(OpenZipMemory(local.data(), static_cast<unsigned>(local.size())));
    ASSERT_TRUE(hz);
    ZipEntry entry;
    EXPECT_EQ(ZR_CORRUPT, GetZipItem(hz.get(), 0, &entry));
    char buffer[16];
    EXPECT_EQ(ZR_CORRUPT, UnzipItem(hz.get(), 0, buffer, sizeof(buffer)));
    EXPECT_EQ(ZR_OK, GetZipItem(hz.get(), 1, &entry));  // the others still read

    // Every single-byte change of the headers: codes only, never a crash.
    for (size_t i = 0; i < good.size(); ++i) {
        bool header = i < 30 + e[0].name.size() + e[0].localExtra.size() || i >= central;
        if (!header) continue;
        for (unsigned char value : {0x00, 0xFF, 0x7F}) {
            Bytes damaged = good;
            damaged[i] = value;
            GuardedBuffer data(damaged.data(), damaged.size());
            WalkArchive(data.data(), damaged.size());
        }
    }
}

}  // namespace
