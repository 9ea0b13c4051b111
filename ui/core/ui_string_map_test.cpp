// CStdStringPtrMap: hashing, bucket counts, move-to-front, iteration, removal and
// a map left without buckets.
#include "ui_string_map.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using SkinUI::CStdStringPtrMap;

namespace {

void* P(int i) { return reinterpret_cast<void*>(static_cast<intptr_t>(i)); }

TEST(StdStringPtrMap, HashAndBucketCounts)
{
    EXPECT_EQ(3331u, CStdStringPtrMap::HashKey(L"ab"));
    EXPECT_EQ(3299u, CStdStringPtrMap::HashKey(L"ba"));
    EXPECT_EQ(0u, CStdStringPtrMap::HashKey(L""));
    EXPECT_EQ(83, CStdStringPtrMap().GetBucketCount());
    EXPECT_EQ(16, CStdStringPtrMap(5).GetBucketCount());
    EXPECT_EQ(100, CStdStringPtrMap(100).GetBucketCount());
}

TEST(StdStringPtrMap, InsertSetFindRemove)
{
    CStdStringPtrMap m;
    EXPECT_TRUE(m.Insert(L"abc", P(1)));
    EXPECT_FALSE(m.Insert(L"abc", P(2)));
    EXPECT_EQ(P(1), m.Find(L"abc"));
    EXPECT_EQ(nullptr, m.Find(L"Abc"));  // case-sensitive
    EXPECT_EQ(P(1), m.Set(L"abc", P(3)));
    EXPECT_EQ(P(3), m.Find(L"abc"));
    EXPECT_EQ(nullptr, m.Set(L"new", P(4)));
    EXPECT_EQ(2, m.GetSize());
    EXPECT_TRUE(m.Remove(L"abc"));
    EXPECT_FALSE(m.Remove(L"abc"));
    EXPECT_EQ(nullptr, m.Find(L"abc"));
    EXPECT_EQ(1, m.GetSize());
    m.RemoveAll();
    EXPECT_EQ(0, m.GetSize());
    EXPECT_EQ(83, m.GetBucketCount());
}

TEST(StdStringPtrMap, KeyWithNullDataIsStillPresent)
{
    CStdStringPtrMap m;
    EXPECT_TRUE(m.Insert(L"k", nullptr));
    EXPECT_FALSE(m.Insert(L"k", P(1)));
    EXPECT_EQ(nullptr, m.Set(L"k", P(2)));
    EXPECT_EQ(1, m.GetSize());
    EXPECT_EQ(P(2), m.Find(L"k"));
}

TEST(StdStringPtrMap, ChainsMoveToFrontAndRemoveInAnyPosition)
{
    // With 16 buckets, every key of the form "k" + 16n characters apart shares a
    // bucket when the hash differs by a multiple of 16; pick keys by hash.
    CStdStringPtrMap m(16);
    std::vector<std::wstring> keys;
    unsigned int slot = CStdStringPtrMap::HashKey(L"a0") % 16;
    for (int i = 0; keys.size() < 4; ++i) {
        std::wstring key = L"a" + std::to_wstring(i);
        if (CStdStringPtrMap::HashKey(key.c_str()) % 16 == slot) keys.push_back(key);
    }
    for (size_t i = 0; i < keys.size(); ++i) ASSERT_TRUE(m.Insert(keys[i].c_str(), P(int(i) + 1)));
    // Chain order is newest first; iteration walks the one bucket from its head.
    EXPECT_EQ(keys[3], m.GetAt(0));
    EXPECT_EQ(keys[0], m.GetAt(3));
    EXPECT_EQ(P(1), m.Find(keys[0].c_str(), false));
    EXPECT_EQ(keys[0], m.GetAt(3));  // no move without optimize
    EXPECT_EQ(P(2), m.Find(keys[1].c_str()));
    EXPECT_EQ(keys[1], m.GetAt(0));  // moved to the head
    EXPECT_EQ(keys[3], m.GetAt(1));
    EXPECT_TRUE(m.Remove(keys[3].c_str()));  // middle
    EXPECT_TRUE(m.Remove(keys[1].c_str()));  // head
    EXPECT_TRUE(m.Remove(keys[0].c_str()));  // tail
    EXPECT_EQ(1, m.GetSize());
    EXPECT_EQ(keys[2], m.GetAt(0));
    EXPECT_EQ(P(3), m.Find(keys[2].c_str()));
}

TEST(StdStringPtrMap, IterationVisitsEveryKeyOnce)
{
    CStdStringPtrMap m(16);
    std::set<std::wstring> inserted;
    for (int i = 0; i < 200; ++i) {
        std::wstring key = L"name_" + std::to_wstring(i * 7);
        inserted.insert(key);
        m.Insert(key.c_str(), P(i + 1));
    }
    m.Find(L"name_14");
    std::set<std::wstring> seen;
    for (int i = 0; i < m.GetSize(); ++i) {
        const wchar_t* key = m[i];
        ASSERT_NE(nullptr, key);
        EXPECT_TRUE(seen.insert(key).second) << "twice: " << i;
        EXPECT_NE(nullptr, m.Find(key));
    }
    EXPECT_EQ(inserted, seen);
    EXPECT_EQ(nullptr, m.GetAt(200));
    EXPECT_EQ(nullptr, m.GetAt(-1));
}

TEST(StdStringPtrMap, NoBucketsFailsCleanly)
{
    for (int size : {0, -5}) {
        CStdStringPtrMap m;
        m.Insert(L"x", P(1));
        m.Resize(size);
        EXPECT_EQ(0, m.GetBucketCount());
        EXPECT_FALSE(m.Insert(L"a", P(1)));
        EXPECT_EQ(P(7), m.Set(L"a", P(7)));
        EXPECT_EQ(nullptr, m.Find(L"a"));
        EXPECT_FALSE(m.Remove(L"a"));
        EXPECT_EQ(0, m.GetSize());
        EXPECT_EQ(nullptr, m.GetAt(0));
        m.RemoveAll();
        EXPECT_EQ(0, m.GetBucketCount());
    }
}

}  // namespace
