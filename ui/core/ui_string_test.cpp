// CUIString: storage switch, slicing with bad arguments, search, replace,
// narrow conversion and formatting.
#include "ui_string.h"

#include <gtest/gtest.h>

#include <string>

using SkinUI::CUIString;

namespace {

std::wstring Repeat(wchar_t ch, int n) { return std::wstring(n, ch); }

TEST(UIStringStorage, InlineUpTo62HeapFrom63)
{
    struct Case
    {
        int length;
        bool inlineText;
    } cases[] = {
        {0, true}, {1, true}, {62, true}, {63, false}, {64, false}, {300, false},
    };
    for (const auto& c : cases) {
        std::wstring text = Repeat(L'x', c.length);
        CUIString assigned(text.c_str());
        EXPECT_EQ(c.inlineText, assigned.IsInline()) << c.length;
        EXPECT_EQ(text, assigned.GetData());

        CUIString appended;
        for (int i = 0; i < c.length; ++i) appended += L'x';
        EXPECT_EQ(c.inlineText, appended.IsInline()) << c.length;
        EXPECT_EQ(text, appended.GetData());
    }
}

TEST(UIStringStorage, ShortTextReturnsToInlineAndHeapBlockIsReused)
{
    CUIString s(Repeat(L'a', 100).c_str());
    const wchar_t* block = s.GetData();
    s = Repeat(L'b', 70).c_str();
    EXPECT_EQ(block, s.GetData());  // reused, no new block
    EXPECT_EQ(Repeat(L'b', 70), s.GetData());
    s = L"0123456789";
    EXPECT_TRUE(s.IsInline());
    EXPECT_STREQ(L"0123456789", s);
}

TEST(UIStringStorage, AppendMovesToHeapAndBack)
{
    CUIString s(Repeat(L'a', 60).c_str());
    s += L"bcd";
    EXPECT_FALSE(s.IsInline());
    EXPECT_EQ(Repeat(L'a', 60) + L"bcd", s.GetData());
    CUIString copy(s);
    EXPECT_EQ(Repeat(L'a', 60) + L"bcd", copy.GetData());
    EXPECT_NE(copy.GetData(), s.GetData());
}

// Text taken from the string's own buffer, inline and on the heap, shrinking or not.
TEST(UIStringAssign, FromOwnBuffer)
{
    struct Case
    {
        int length;
        int offset;
        int maxLength;
    } cases[] = {
        {10, 2, -1}, {100, 5, -1}, {100, 50, -1}, {100, 0, 10}, {80, 1, 70}, {63, 0, -1},
    };
    for (const auto& c : cases) {
        std::wstring text;
        for (int i = 0; i < c.length; ++i) text += static_cast<wchar_t>(L'A' + i % 26);
        CUIString s(text.c_str());
        s.Assign(s.GetData() + c.offset, c.maxLength);
        std::wstring expected = text.substr(c.offset, c.maxLength < 0 ? std::wstring::npos : c.maxLength);
        EXPECT_EQ(expected, s.GetData()) << c.length << "/" << c.offset;
    }
    CUIString s(Repeat(L'q', 40).c_str());
    s += s.GetData();  // appends itself, growing onto the heap
    EXPECT_EQ(Repeat(L'q', 80), s.GetData());
    s = s.GetData() + 70;
    EXPECT_EQ(Repeat(L'q', 10), s.GetData());

    // Text behind the terminator of a heap block (after SetAt cut the string).
    CUIString cut(Repeat(L'r', 100).c_str());
    const wchar_t* stale = cut.GetData() + 50;
    cut.SetAt(10, L'\0');
    cut.Assign(stale);
    EXPECT_EQ(Repeat(L'r', 50), cut.GetData());
    EXPECT_TRUE(cut.IsInline());
    CUIString grow(Repeat(L's', 70).c_str());
    grow += grow.GetData() + 60;  // the source lies in the block that is replaced
    EXPECT_EQ(Repeat(L's', 80), grow.GetData());
    CUIString shrink(Repeat(L't', 70).c_str());
    const wchar_t* tail = shrink.GetData() + 65;
    shrink.SetAt(20, L'\0');
    shrink += tail;  // 20 + 5 characters move back inline
    EXPECT_EQ(Repeat(L't', 25), shrink.GetData());
    EXPECT_TRUE(shrink.IsInline());
}

TEST(UIStringAssign, MaxLengthStopsAtTerminatorAndTakesPrefix)
{
    CUIString s(L"abc", 100);
    EXPECT_STREQ(L"abc", s);
    EXPECT_EQ(3, s.GetLength());
    s.Assign(L"abcdef", 2);
    EXPECT_STREQ(L"ab", s);
    s.Assign(nullptr, 5);
    EXPECT_TRUE(s.IsEmpty());
    const wchar_t unterminated[3] = {L'x', L'y', L'z'};
    s.Assign(unterminated, 3);
    EXPECT_STREQ(L"xyz", s);
}

TEST(UIStringSlice, LeftMidRight)
{
    CUIString abcdef(L"abcdef");
    CUIString abc(L"abc");
    struct Case
    {
        const char* what;
        CUIString result;
        const wchar_t* expected;
    } cases[] = {
        {"Left -3", abcdef.Left(-3), L""},
        {"Left 0", abcdef.Left(0), L""},
        {"Left 2", abcdef.Left(2), L"ab"},
        {"Left 100", CUIString(L"abcde").Left(100), L"abcde"},
        {"Mid 2", abcdef.Mid(2), L"cdef"},
        {"Mid 2,2", abcdef.Mid(2, 2), L"cd"},
        {"Mid 2,100", abcdef.Mid(2, 100), L"cdef"},
        {"Mid 10,2", abc.Mid(10, 2), L""},
        {"Mid 10", abc.Mid(10), L""},
        {"Mid -5,2", abc.Mid(-5, 2), L"ab"},
        {"Mid 3", abc.Mid(3), L""},
        {"Mid 1,0", abc.Mid(1, 0), L""},
        {"Right 10", abc.Right(10), L"abc"},
        {"Right 2", abc.Right(2), L"bc"},
        {"Right -1", abc.Right(-1), L""},
        {"Right 0", abc.Right(0), L""},
    };
    for (const auto& c : cases) EXPECT_STREQ(c.expected, c.result) << c.what;
}

TEST(UIStringSearch, FindAndReverseFind)
{
    CUIString abc(L"abc");
    struct Case
    {
        const char* what;
        int result;
        int expected;
    } cases[] = {
        {"char c from 0", abc.Find(L'c'), 2},
        {"char c from 2", abc.Find(L'c', 2), 2},
        {"char c from 3 (at the end)", abc.Find(L'c', 3), -1},
        {"char a from -1", abc.Find(L'a', -1), -1},
        {"char z", abc.Find(L'z'), -1},
        {"char in empty text", CUIString().Find(L'a'), -1},
        {"empty pattern from 3", abc.Find(L"", 3), 3},
        {"pattern bc", abc.Find(L"bc"), 1},
        {"pattern bc from 2", abc.Find(L"bc", 2), -1},
        {"pattern from 4", abc.Find(L"", 4), -1},
        {"pattern from -2", abc.Find(L"a", -2), -1},
        {"null pattern", abc.Find(static_cast<const wchar_t*>(nullptr)), -1},
        {"reverse b in abcb", CUIString(L"abcb").ReverseFind(L'b'), 3},
        {"reverse z", abc.ReverseFind(L'z'), -1},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, c.result) << c.what;
}

TEST(UIStringReplace, Table)
{
    struct Case
    {
        const wchar_t* text;
        const wchar_t* from;
        const wchar_t* to;
        int count;
        const wchar_t* result;
    } cases[] = {
        {L"aaa", L"a", L"aa", 3, L"aaaaaa"},
        {L"a,b,c", L",", L"", 2, L"abc"},
        {L"abc", L"x", L"y", 0, L"abc"},
        {L"abc", L"", L"y", 0, L"abc"},
        {L"abcabc", L"abc", L"<tag>", 2, L"<tag><tag>"},
        {L"abc", L"c", nullptr, 1, L"ab"},
    };
    for (const auto& c : cases) {
        CUIString s(c.text);
        EXPECT_EQ(c.count, s.Replace(c.from, c.to)) << c.text;
        EXPECT_STREQ(c.result, s) << c.text;
    }
    CUIString own(L"xyx");
    EXPECT_EQ(2, own.Replace(L"x", own.GetData()));  // the replacement text is the string itself
    EXPECT_STREQ(L"xyxyxyx", own);
}

TEST(UIStringCompare, OrdinalAndNoCase)
{
    CUIString b(L"b");
    EXPECT_TRUE(b == L"b");
    EXPECT_TRUE(b != L"B");
    EXPECT_TRUE(b > L"a");
    EXPECT_TRUE(b >= L"b");
    EXPECT_TRUE(b < L"c");
    EXPECT_TRUE(b <= L"b");
    EXPECT_EQ(1, b.Compare(L"B"));
    EXPECT_EQ(-1, b.Compare(L"ba"));
    EXPECT_EQ(0, CUIString(L"AbC").CompareNoCase(L"aBc"));
    EXPECT_LT(CUIString(L"abc").CompareNoCase(L"ABD"), 0);
    EXPECT_GT(CUIString(L"ABD").CompareNoCase(L"abc"), 0);
    EXPECT_GT(CUIString(L"abc").CompareNoCase(L"AB"), 0);
    EXPECT_TRUE(CUIString().Compare(nullptr) == 0);
    CUIString upper(L"MixEd");
    upper.MakeUpper();
    EXPECT_STREQ(L"MIXED", upper);
    upper.MakeLower();
    EXPECT_STREQ(L"mixed", upper);
}

TEST(UIStringNarrow, AnsiCodePage936)
{
    ASSERT_EQ(936u, GetACP());
    CUIString s;
    s = "\xd6\xd0\xce\xc4";  // two Chinese characters in GBK
    EXPECT_STREQ(L"\u4e2d\u6587", s);
    s += "ab";
    EXPECT_STREQ(L"\u4e2d\u6587ab", s);
    s += static_cast<const char*>(nullptr);
    EXPECT_STREQ(L"\u4e2d\u6587ab", s);
    s = static_cast<const char*>(nullptr);
    EXPECT_TRUE(s.IsEmpty());
    s = static_cast<const wchar_t*>(nullptr);
    EXPECT_TRUE(s.IsEmpty());
}

TEST(UIStringOperators, ConcatenationAndCharacters)
{
    CUIString a(L"ab");
    EXPECT_STREQ(L"abcd", a + CUIString(L"cd"));
    EXPECT_STREQ(L"ab", a + static_cast<const wchar_t*>(nullptr));
    a = L'z';
    EXPECT_STREQ(L"z", a);
    a.SetAt(0, L'y');
    EXPECT_EQ(L'y', a.GetAt(0));
    EXPECT_EQ(L'y', a[0]);
    CUIString c(L'q');
    EXPECT_STREQ(L"q", c);
    a.Empty();
    EXPECT_TRUE(a.IsEmpty());
}

TEST(UIStringFormat, WideArgumentsAndLength)
{
    CUIString s;
    EXPECT_EQ(7, s.Format(L"%s-%d-%02d", L"ab", 5, 7));
    EXPECT_STREQ(L"ab-5-07", s);
    std::wstring longText = Repeat(L'w', 500);
    EXPECT_EQ(502, s.Format(L"[%s]", longText.c_str()));
    EXPECT_EQ(L"[" + longText + L"]", s.GetData());
    s.Format(L"%s!", s.GetData());  // formats its own text
    EXPECT_EQ(L"[" + longText + L"]!", s.GetData());
}

int FormatThroughVaList(CUIString& s, const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    int r = s.Format(format, args);
    va_end(args);
    return r;
}

TEST(UIStringFormat, ZeroAndNullArgumentsAreNotTakenForAVaList)
{
    CUIString s;
    EXPECT_EQ(1, s.Format(L"%d", 0));
    EXPECT_STREQ(L"0", s);
    EXPECT_EQ(1, s.Format(L"%d", NULL));
    EXPECT_STREQ(L"0", s);
    EXPECT_EQ(5, FormatThroughVaList(s, L"%s=%d", L"abc", 7));
    EXPECT_STREQ(L"abc=7", s);
    // Narrow text (%S) from a char buffer, as the data library hands it out.
    char narrow[16] = "shop";
    EXPECT_EQ(6, s.Format(L"%S:%d", narrow, 1));
    EXPECT_STREQ(L"shop:1", s);
    EXPECT_EQ(4, s.Format(L"%S", narrow));
    EXPECT_STREQ(L"shop", s);
    EXPECT_EQ(3, s.Format(L"%S", &narrow[1]));
    EXPECT_STREQ(L"hop", s);
}

TEST(UIStringFormat, SmallFormatKeeps63)
{
    CUIString s;
    EXPECT_EQ(5, s.SmallFormat(L"%d-%s", 12, L"ab"));
    EXPECT_STREQ(L"12-ab", s);
    std::wstring longText = Repeat(L'k', 100);
    EXPECT_EQ(-1, s.SmallFormat(L"%s", longText.c_str()));
    EXPECT_EQ(Repeat(L'k', 63), s.GetData());
    s.SmallFormat(L"%s", Repeat(L'm', 63).c_str());
    EXPECT_EQ(Repeat(L'm', 63), s.GetData());
}

}  // namespace
