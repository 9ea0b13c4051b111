// CStdPtrArray and CStdValArray: growth, insertion and removal at the edges,
// bounds of the checked accessors.
#include "ui_arrays.h"

#include <gtest/gtest.h>

#include <vector>

using SkinUI::CStdPtrArray;
using SkinUI::CStdValArray;

namespace {

void* P(int i) { return reinterpret_cast<void*>(static_cast<intptr_t>(i)); }

TEST(StdPtrArray, CapacityGrowth)
{
    struct Step
    {
        int count;
        int capacity;
    } steps[] = {
        {1, 11}, {10, 11}, {11, 22}, {21, 22}, {22, 44}, {43, 44}, {44, 88},
    };
    CStdPtrArray a;
    EXPECT_EQ(0, a.GetCapacity());
    int added = 0;
    for (const auto& s : steps) {
        while (added < s.count) ASSERT_TRUE(a.Add(P(++added)));
        EXPECT_EQ(s.capacity, a.GetCapacity()) << "after " << s.count;
    }
    for (int i = 0; i < added; ++i) EXPECT_EQ(P(i + 1), a[i]);

    CStdPtrArray pre(5);
    EXPECT_EQ(5, pre.GetCapacity());
    EXPECT_EQ(0, pre.GetSize());
}

// An up-front capacity whose byte size does not fit is not taken (a wrapped size
// would give a short block that the additions then overrun); the arrays still grow.
TEST(StdArrays, PreallocationTooLargeForMemoryIsRefused)
{
    CStdPtrArray pointers(0x40000001);
    EXPECT_EQ(0, pointers.GetCapacity());
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(pointers.Add(P(i)));
    EXPECT_EQ(P(19), pointers[19]);
    EXPECT_EQ(22, pointers.GetCapacity());

    CStdValArray values(1 << 20, 1 << 12);
    EXPECT_EQ(0, values.GetCapacity());
    std::vector<char> element(1 << 20, 'v');
    ASSERT_TRUE(values.Add(element.data()));
    EXPECT_EQ('v', static_cast<char*>(values.GetAt(0))[(1 << 20) - 1]);
}

TEST(StdPtrArray, InsertSetRemoveFind)
{
    CStdPtrArray a;
    EXPECT_TRUE(a.InsertAt(0, P(2)));   // index == count appends
    EXPECT_FALSE(a.InsertAt(2, P(9)));  // count + 1
    EXPECT_FALSE(a.InsertAt(-1, P(9)));
    EXPECT_TRUE(a.InsertAt(0, P(1)));
    EXPECT_TRUE(a.InsertAt(2, P(3)));
    ASSERT_EQ(3, a.GetSize());
    EXPECT_EQ(P(1), a.GetAt(0));
    EXPECT_EQ(P(3), a.GetAt(2));
    EXPECT_EQ(nullptr, a.GetAt(3));
    EXPECT_EQ(nullptr, a.GetAt(-1));
    EXPECT_FALSE(a.SetAt(3, P(7)));
    EXPECT_TRUE(a.SetAt(1, P(7)));
    EXPECT_EQ(1, a.Find(P(7)));
    EXPECT_EQ(-1, a.Find(P(8)));
    EXPECT_FALSE(a.Remove(3));
    EXPECT_FALSE(a.Remove(-1));
    EXPECT_TRUE(a.Remove(0));
    EXPECT_EQ(P(7), a[0]);
    EXPECT_EQ(P(3), a[1]);
    EXPECT_TRUE(a.Remove(1));
    EXPECT_EQ(1, a.GetSize());

    CStdPtrArray copy(a);
    EXPECT_EQ(1, copy.GetSize());
    EXPECT_EQ(P(7), copy[0]);
    copy = copy;
    EXPECT_EQ(P(7), copy[0]);

    a.Resize(4);
    EXPECT_EQ(4, a.GetSize());
    EXPECT_EQ(nullptr, a[3]);
    EXPECT_TRUE(a.Add(P(5)));
    EXPECT_EQ(P(5), a[4]);
    a.Empty();
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(0, a.GetCapacity());
}

TEST(StdValArray, CopiesElementsAndGrows)
{
    struct Item
    {
        int a;
        double b;
    };
    CStdValArray v(sizeof(Item));
    for (int i = 0; i < 30; ++i) {
        Item item{i, i * 0.5};
        ASSERT_TRUE(v.Add(&item));
    }
    EXPECT_EQ(44, v.GetCapacity());
    EXPECT_EQ(30, v.GetSize());
    EXPECT_EQ(29, static_cast<Item*>(v.GetAt(29))->a);
    EXPECT_EQ(nullptr, v.GetAt(30));
    EXPECT_TRUE(v.Remove(0));
    EXPECT_FALSE(v.Remove(29));
    EXPECT_EQ(1, static_cast<Item*>(v[0])->a);
    EXPECT_EQ(29, static_cast<Item*>(v[28])->a);
    CStdValArray copy(v);
    EXPECT_EQ(29, copy.GetSize());
    EXPECT_EQ(14.5, static_cast<Item*>(copy[28])->b);
    v.Empty();
    EXPECT_TRUE(v.IsEmpty());
    EXPECT_EQ(44, v.GetCapacity());  // storage kept
}

}  // namespace
