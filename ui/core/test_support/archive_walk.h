// Test helper: opens an archive that may be damaged from memory and reads all it
// can (description, name search, every entry inflated), so that a fault in the
// reader shows as a crash or a failed assertion rather than passing unseen.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "core/skin_archive.h"

namespace SkinUI {
namespace test {

inline void WalkArchive(const unsigned char* data, size_t size)
{
    using namespace SkinUI;
    ScopedZip hz(OpenZipMemory(data, static_cast<unsigned>(size)));
    if (!hz) return;
    ZipEntry archive;
    if (GetZipItem(hz.get(), -1, &archive) != ZR_OK) return;
    int index;
    ZipEntry entry;
    FindZipItem(hz.get(), L"Skin\\Main.xml", &index, &entry);
    FindZipItem(hz.get(), L"\u56fe\u7247/\u6309\u94ae.png", &index, &entry);
    FindZipItem(hz.get(), L"nothing", &index, &entry);
    int count = archive.index < 64 ? archive.index : 64;
    for (int i = 0; i < count; ++i) {
        if (GetZipItem(hz.get(), i, &entry) != ZR_OK) continue;
        ASSERT_LT(wcslen(entry.name), static_cast<size_t>(MAX_PATH));
        size_t bytes = entry.unc_size > 0 && entry.unc_size < 0x100000 ? entry.unc_size : 64;
        std::vector<char> out(bytes);
        for (int step = 0; step < 8; ++step)
            if (UnzipItem(hz.get(), i, out.data(), static_cast<unsigned>(out.size())) != ZR_MORE) break;
    }
}

}  // namespace test
}  // namespace SkinUI
