// CMarkup: documents to trees or to exact error texts, encodings, whitespace,
// attribute limits, nesting limit, caller buffers and reading skin files.
#include "markup.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "skin_file.h"
#include "test_support/guarded_buffer.h"
#include "test_support/zip_builder.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

// name[attr=value;...]"text"(children), siblings separated by a space.
std::wstring Dump(CMarkupNode node)
{
    std::wstring out;
    for (bool first = true; node.IsValid(); node = node.GetSibling(), first = false) {
        if (!first) out += L' ';
        out += node.GetName();
        int count = node.GetAttributeCount();
        if (count > 0) {
            out += L'[';
            for (int i = 0; i < count; ++i) {
                if (i) out += L';';
                out += std::wstring(node.GetAttributeName(i)) + L'=' + node.GetAttributeValue(i);
            }
            out += L']';
        }
        if (*node.GetValue()) out += std::wstring(L"\"") + node.GetValue() + L"\"";
        if (node.HasChildren()) out += L"(" + Dump(node.GetChild()) + L")";
    }
    return out;
}

std::wstring LastError(const CMarkup& m)
{
    wchar_t text[100];
    m.GetLastErrorMessage(text, 100);
    return text;
}

std::wstring LastLocation(const CMarkup& m)
{
    wchar_t text[50];
    m.GetLastErrorLocation(text, 50);
    return text;
}

struct ParseCase
{
    const wchar_t* xml;
    const wchar_t* dump;   // expected tree, or null when the parse fails
    const wchar_t* error;  // expected error text when it fails
};

const ParseCase kParseCases[] = {
    {L"<a/>", L"a", nullptr},
    {L"<a>x</a>", L"a\"x\"", nullptr},
    {L"<a>x<b/></a>", L"a\"x\"(b)", nullptr},
    {L"<a>xy<b>z</b><c/></a>", L"a\"xy\"(b\"z\" c)", nullptr},
    {L"  <a x=\"1\" y = \"2\" ><b z=\"&lt;&amp;&gt;&quot;&apos;\"/><c>t</c ></a>", L"a[x=1;y=2](b[z=<&>\"'] c\"t\")",
     nullptr},
    {L"<a>&amp;&copy; & &lt</a>", L"a\"&&copy; & &lt\"", nullptr},
    {L"<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<!-- note -->\r\n<a/>", L"a", nullptr},
    {L"<a><!-- inner --><b/></a>", L"a(b)", nullptr},
    {L"<a/><b/>", L"a b", nullptr},
    {L"<a/></x><b/>", L"a", nullptr},
    {L"<a>  x \t\r\n y  </a>", L"a\"  x \t\r\n y  \"", nullptr},
    {L"<Window size=\"10,20\"><Font name=\"\u5b8b\u4f53\"/></Window>", L"Window[size=10,20](Font[name=\u5b8b\u4f53])",
     nullptr},
    {L"<a:b c_d=\"\"/>", L"a:b[c_d=]", nullptr},
    {L"", L"", nullptr},
    {L"x", nullptr, L"Expected start tag"},
    {L"<a>", nullptr, L"Expected end-tag start"},
    {L"<a>text", nullptr, L"Expected end-tag start"},
    {L"<a><b>text", nullptr, L"Expected end-tag start"},
    {L"<a></b>", nullptr, L"Unmatched closing tag"},
    {L"<a></ab>", nullptr, L"Unmatched closing tag"},
    {L"<ab></a>", nullptr, L"Unmatched closing tag"},
    {L"<a></a x>", nullptr, L"Unmatched closing tag"},
    {L"<a></a", nullptr, L"Unmatched closing tag"},
    {L"<a x='1'/>", nullptr, L"Expected attribute value"},
    {L"<a x=1/>", nullptr, L"Expected attribute value"},
    {L"<a x/>", nullptr, L"Error while parsing attributes"},
    {L"<a =\"1\"/>", nullptr, L"Error while parsing attributes"},
    {L"<a x=\"1/>", nullptr, L"Error while parsing attribute string"},
    {L"< a/>", nullptr, L"Error parsing element name"},
    {L"<>", nullptr, L"Error parsing element name"},
    {L"<!-- never closed", nullptr, L"Unterminated comment"},
    {L"<a><!-- never closed</a>", nullptr, L"Unterminated comment"},
    {L"<?xml version=\"1.0\"", nullptr, L"Unterminated declaration"},
    {L"<a x=\"1\"", nullptr, L"Unterminated tag"},
    {L"<a", nullptr, L"Unterminated tag"},
    {L"<a x=\"1\" ", nullptr, L"Unterminated tag"},
    {L"<a>x<b/>y</a>", nullptr, L"Expected start tag"},
    {L"<a/ >", nullptr, L"Expected end of tag"},
};

TEST(Markup, ParseTable)
{
    for (const auto& c : kParseCases) {
        CMarkup m;
        bool ok = m.Load(c.xml);
        if (c.dump) {
            ASSERT_TRUE(ok) << c.xml << " -> " << LastError(m);
            EXPECT_EQ(std::wstring(c.dump), Dump(m.GetRoot())) << c.xml;
            EXPECT_EQ(L"", LastError(m));
        } else {
            EXPECT_FALSE(ok) << c.xml;
            EXPECT_EQ(std::wstring(c.error), LastError(m)) << c.xml;
            EXPECT_FALSE(m.IsValid()) << c.xml;
            EXPECT_FALSE(m.GetRoot().IsValid()) << c.xml;
        }
    }
}

TEST(Markup, ErrorLocationAndCallerBuffers)
{
    CMarkup m;
    ASSERT_FALSE(m.Load(L"<root><item></itme></root>"));
    EXPECT_EQ(L"itme></root>", LastLocation(m));
    std::wstring longTail(80, L'q');
    ASSERT_FALSE(m.Load((L"<a x=\"1\" " + longTail).c_str()));
    EXPECT_EQ(L"Error while parsing attributes", LastError(m));
    ASSERT_FALSE(m.Load((L"<a x='" + longTail).c_str()));
    EXPECT_EQ(L"'" + std::wstring(48, L'q'), LastLocation(m));  // at most 49 characters

    // Copies into short caller buffers always end with a terminator.
    wchar_t small[6];
    wmemset(small, L'#', 6);
    m.GetLastErrorMessage(small, 5);
    EXPECT_STREQ(L"Expe", small);
    EXPECT_EQ(L'#', small[5]);
    m.GetLastErrorMessage(small, 0);  // nothing written
    EXPECT_STREQ(L"Expe", small);

    ASSERT_TRUE(m.Load(L"<a name=\"abcdefgh\"/>"));
    CMarkupNode a = m.GetRoot();
    wmemset(small, L'#', 6);
    EXPECT_TRUE(a.GetAttributeValue(L"name", small, 4));
    EXPECT_STREQ(L"abc", small);
    EXPECT_TRUE(a.GetAttributeValue(0, small, 6));
    EXPECT_STREQ(L"abcde", small);
    EXPECT_FALSE(a.GetAttributeValue(L"none", small, 6));
    EXPECT_FALSE(a.GetAttributeValue(1, small, 6));
}

TEST(Markup, NodeNavigationAndAttributeLookups)
{
    CMarkup m(L"<Window a=\"1\"><Image name=\"x\"/><Font/><Image name=\"y\"/></Window>");
    ASSERT_TRUE(m.IsValid());
    CMarkupNode root = m.GetRoot();
    EXPECT_FALSE(root.HasSiblings());
    EXPECT_TRUE(root.HasChildren());
    CMarkupNode font = root.GetChild(L"Font");
    ASSERT_TRUE(font.IsValid());
    EXPECT_FALSE(font.HasAttributes());
    EXPECT_STREQ(L"Window", font.GetParent().GetName());
    EXPECT_FALSE(root.GetParent().IsValid());
    EXPECT_FALSE(root.GetChild(L"image").IsValid());  // exact names
    EXPECT_STREQ(L"x", root.GetChild(L"Image").GetAttributeValue(L"name"));
    EXPECT_STREQ(L"y", font.GetSibling().GetAttributeValue(L"name"));
    EXPECT_FALSE(font.GetSibling().GetSibling().IsValid());
    EXPECT_TRUE(root.HasAttribute(L"a"));
    EXPECT_FALSE(root.HasAttribute(L"b"));
    EXPECT_STREQ(L"", root.GetAttributeValue(L"b"));
    EXPECT_STREQ(L"", root.GetAttributeName(5));
    EXPECT_STREQ(L"", root.GetAttributeValue(-1));

    CMarkupNode invalid;
    EXPECT_EQ(nullptr, invalid.GetName());
    EXPECT_EQ(nullptr, invalid.GetValue());
    EXPECT_EQ(nullptr, invalid.GetAttributeValue(L"a"));
    EXPECT_EQ(nullptr, invalid.GetAttributeName(0));
    EXPECT_FALSE(invalid.GetChild().IsValid());
    EXPECT_EQ(0, invalid.GetAttributeCount());

    // A new document replaces the old one.
    ASSERT_TRUE(m.Load(L"<Other/>"));
    EXPECT_STREQ(L"Other", m.GetRoot().GetName());
}

TEST(Markup, WhitespaceCollapsesOnlyWhenAsked)
{
    const wchar_t* xml = L"<a v=\"x   y\">p   q\t r</a>";
    CMarkup keep;
    ASSERT_TRUE(keep.Load(xml));
    EXPECT_STREQ(L"p   q\t r", keep.GetRoot().GetValue());
    EXPECT_STREQ(L"x   y", keep.GetRoot().GetAttributeValue(L"v"));
    CMarkup collapse;
    collapse.SetPreserveWhitespace(false);
    ASSERT_TRUE(collapse.Load(xml));
    EXPECT_STREQ(L"p q\t r", collapse.GetRoot().GetValue());
    EXPECT_STREQ(L"x y", collapse.GetRoot().GetAttributeValue(L"v"));
}

TEST(Markup, SixtyFourAttributesAtMost)
{
    std::wstring xml = L"<a";
    for (int i = 0; i < 70; ++i) xml += L" n" + std::to_wstring(i) + L"=\"v" + std::to_wstring(i) + L"\"";
    xml += L"><b/></a>";
    CMarkup m;
    ASSERT_TRUE(m.Load(xml.c_str()));
    CMarkupNode a = m.GetRoot();
    EXPECT_EQ(64, a.GetAttributeCount());
    EXPECT_STREQ(L"v63", a.GetAttributeValue(L"n63"));
    EXPECT_STREQ(L"", a.GetAttributeValue(L"n64"));
    EXPECT_STREQ(L"b", a.GetChild().GetName());
}

TEST(Markup, NestingLimit)
{
    auto nested = [](int depth) {
        std::wstring xml;
        for (int i = 0; i < depth; ++i) xml += L"<e>";
        for (int i = 0; i < depth; ++i) xml += L"</e>";
        return xml;
    };
    CMarkup m;
    EXPECT_TRUE(m.Load(nested(200).c_str()));
    EXPECT_FALSE(m.Load(nested(100000).c_str()));
    EXPECT_EQ(L"Elements nested too deeply", LastError(m));
    EXPECT_TRUE(m.Load(nested(CMarkup::MAX_NESTING).c_str()));
    EXPECT_FALSE(m.Load(nested(CMarkup::MAX_NESTING + 2).c_str()));
}

TEST(Markup, ManyElementsGrowTheArray)
{
    std::wstring xml = L"<list>";
    for (int i = 0; i < 3000; ++i) xml += L"<i v=\"" + std::to_wstring(i) + L"\"/>";
    xml += L"</list>";
    CMarkup m;
    ASSERT_TRUE(m.Load(xml.c_str()));
    int count = 0;
    CMarkupNode last;
    for (CMarkupNode n = m.GetRoot().GetChild(); n.IsValid(); n = n.GetSibling()) {
        last = n;
        ++count;
    }
    EXPECT_EQ(3000, count);
    EXPECT_STREQ(L"2999", last.GetAttributeValue(L"v"));
}

std::vector<BYTE> Utf16(const std::wstring& text, bool bigEndian, bool mark = true)
{
    std::vector<BYTE> out;
    if (mark) {
        out.push_back(bigEndian ? 0xFE : 0xFF);
        out.push_back(bigEndian ? 0xFF : 0xFE);
    }
    for (wchar_t ch : text) {
        BYTE lo = ch & 0xFF, hi = ch >> 8;
        out.push_back(bigEndian ? hi : lo);
        out.push_back(bigEndian ? lo : hi);
    }
    return out;
}

std::vector<BYTE> Bytes(const std::string& s) { return std::vector<BYTE>(s.begin(), s.end()); }

TEST(Markup, EncodingsFromMemory)
{
    const std::wstring expected = L"a[t=\u4e2d\u6587]\"\u4f60\u597d\"";
    const std::wstring wide = L"<a t=\"\u4e2d\u6587\">\u4f60\u597d</a>";
    struct Case
    {
        const char* what;
        std::vector<BYTE> data;
        int encoding;
        const wchar_t* dump;
        const wchar_t* error;
    } cases[] = {
        {"utf-8", Bytes("<a t=\"\xe4\xb8\xad\xe6\x96\x87\">\xe4\xbd\xa0\xe5\xa5\xbd</a>"), 0, expected.c_str(),
         nullptr},
        {"utf-8 with mark", Bytes("\xef\xbb\xbf<a t=\"\xe4\xb8\xad\xe6\x96\x87\">\xe4\xbd\xa0\xe5\xa5\xbd</a>"), 0,
         expected.c_str(), nullptr},
        {"utf-8 mark only", Bytes("\xef\xbb\xbf"), 0, L"", nullptr},
        {"utf-8 two bytes", Bytes("\xef\xbb"), 0, nullptr, L"Expected start tag"},
        {"ansi 936", Bytes("<a t=\"\xd6\xd0\xce\xc4\">\xc4\xe3\xba\xc3</a>"), 2, expected.c_str(), nullptr},
        {"utf-16 le", Utf16(wide, false), 1, expected.c_str(), nullptr},
        {"utf-16 be", Utf16(wide, true), 1, expected.c_str(), nullptr},
        {"utf-16 le odd byte",
         [&] {
             auto v = Utf16(wide, false);
             v.push_back('<');
             return v;
         }(),
         1, expected.c_str(), nullptr},
        {"utf-16 without mark", Utf16(wide, false, false), 1, nullptr, L"UTF-16 document without byte-order mark"},
        {"utf-16 one byte", Bytes("\xff"), 1, nullptr, L"UTF-16 document without byte-order mark"},
        {"utf-16 empty", Bytes(""), 1, nullptr, L"UTF-16 document without byte-order mark"},
        {"utf-16 mark only", Bytes("\xff\xfe"), 1, L"", nullptr},
        {"utf-16 mark and odd byte", Bytes("\xfe\xff<"), 1, L"", nullptr},
        {"unknown encoding", Bytes("<a/>"), 7, nullptr, L"Unknown document encoding"},
    };
    for (const auto& c : cases) {
        // At the very end of a page: any read past the data crashes.
        GuardedBuffer data(c.data.data(), c.data.size());
        CMarkup m;
        bool ok = m.LoadFromMem(data.data(), static_cast<DWORD>(data.size()), c.encoding);
        if (c.dump) {
            ASSERT_TRUE(ok) << c.what << ": " << LastError(m);
            EXPECT_EQ(std::wstring(c.dump), Dump(m.GetRoot())) << c.what;
        } else {
            EXPECT_FALSE(ok) << c.what;
            EXPECT_EQ(std::wstring(c.error), LastError(m)) << c.what;
        }
    }
}

TEST(Markup, ShortInputsAtThePageEnd)
{
    {
        GuardedBuffer probe("abc", 3);
        ASSERT_FALSE(IsBadReadPtr(probe.data(), 3));
        ASSERT_TRUE(IsBadReadPtr(probe.data() + 3, 1)) << "the page after the data must be unreadable";
    }
    // Every prefix of a document, in each encoding, right before a no-access page.
    std::string utf8 = "\xef\xbb\xbf<a x=\"1&amp;\"><!-- c --><b>t</b></a>";
    std::vector<BYTE> utf16 = Utf16(L"<a x=\"1\"><b>t</b></a>", true);
    for (size_t n = 0; n <= utf8.size(); ++n) {
        GuardedBuffer data(utf8.data(), n);
        CMarkup m;
        m.LoadFromMem(data.data(), static_cast<DWORD>(n), 0);
        m.LoadFromMem(data.data(), static_cast<DWORD>(n), 2);
    }
    for (size_t n = 0; n <= utf16.size(); ++n) {
        GuardedBuffer data(utf16.data(), n);
        CMarkup m;
        bool ok = m.LoadFromMem(data.data(), static_cast<DWORD>(n), 1);
        EXPECT_EQ(n == utf16.size() || n == 2 || n == 3, ok) << n;
    }
}

class SkinFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        m_folder = std::wstring(temp) + L"markup_test_" + std::to_wstring(GetCurrentProcessId()) + L"\\";
        CreateDirectoryW(m_folder.c_str(), nullptr);
    }
    void TearDown() override
    {
        for (const auto& f : m_files) DeleteFileW(f.c_str());
        RemoveDirectoryW(m_folder.c_str());
    }
    void Write(const std::wstring& name, const std::string& bytes)
    {
        std::wstring path = m_folder + name;
        HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(h);
        m_files.push_back(path);
    }
    std::wstring m_folder;
    std::vector<std::wstring> m_files;
};

TEST_F(SkinFolder, LoadFromFolder)
{
    Write(L"main.xml", "<Window><Button name=\"ok\"/></Window>");
    Write(L"empty.xml", "");
    Write(L"huge.xml", std::string(CMarkup::MAX_FILE_SIZE + 1, ' '));
    Write(L"limit.xml", "<a/>" + std::string(CMarkup::MAX_FILE_SIZE - 4, ' '));
    SkinFileLocation where;
    where.resourcePath = m_folder.c_str();
    struct Case
    {
        const wchar_t* name;
        const wchar_t* error;
    } cases[] = {
        {L"main.xml", nullptr},
        {L"limit.xml", nullptr},
        {L"empty.xml", L"File is empty"},
        {L"huge.xml", L"File too large"},
        {L"missing.xml", L"Error opening file"},
    };
    for (const auto& c : cases) {
        CMarkup m;
        bool ok = m.LoadFromFile(where, c.name);
        EXPECT_EQ(c.error == nullptr, ok) << c.name;
        if (c.error) {
            EXPECT_EQ(std::wstring(c.error), LastError(m)) << c.name;
            EXPECT_EQ(L"", LastLocation(m));
        }
    }
    CMarkup m;
    ASSERT_TRUE(m.LoadFromFile(where, L"main.xml"));
    EXPECT_EQ(L"Window(Button[name=ok])", Dump(m.GetRoot()));

    // Without a location, the registered provider names it.
    static std::wstring s_folder;
    s_folder = m_folder;
    SetSkinLocationProvider([] {
        SkinFileLocation registered;
        registered.resourcePath = s_folder.c_str();
        return registered;
    });
    CMarkup viaProvider;
    EXPECT_TRUE(viaProvider.LoadFromFile(L"main.xml"));
    SetSkinLocationProvider(nullptr);
    EXPECT_FALSE(viaProvider.LoadFromFile(L"main.xml"));
    EXPECT_EQ(L"Error opening file", LastError(viaProvider));
}

TEST_F(SkinFolder, LoadFromArchive)
{
    std::vector<ZipBuildEntry> entries(4);
    entries[0].name = "skin/main.xml";
    entries[0].data = "\xef\xbb\xbf<Window><Label text=\"\xe4\xb8\xad\"/></Window>";
    entries[0].deflate = true;
    entries[1].name = "empty.xml";
    entries[2].name = "huge.xml";
    entries[2].data = std::string(CMarkup::MAX_FILE_SIZE + 1, ' ');
    entries[2].deflate = true;
    entries[3].name = "broken.xml";
    entries[3].data = "<a>";
    std::vector<unsigned char> zip = ZipBuilder::Build(entries);
    Write(L"skin.zip", std::string(zip.begin(), zip.end()));

    ScopedZip cached(OpenZipMemory(zip.data(), static_cast<unsigned>(zip.size())));
    ASSERT_TRUE(cached);
    SkinFileLocation fromFile;
    fromFile.resourcePath = m_folder.c_str();
    fromFile.zipName = L"skin.zip";
    SkinFileLocation fromCache = fromFile;
    fromCache.cachedZip = cached.get();
    SkinFileLocation noArchive = fromFile;
    noArchive.zipName = L"absent.zip";

    struct Case
    {
        const SkinFileLocation* where;
        const wchar_t* name;
        const wchar_t* error;
    } cases[] = {
        {&fromFile, L"Skin\\Main.XML", nullptr},
        {&fromCache, L"skin/main.xml", nullptr},
        {&fromCache, L"main.xml", L"Could not find ziped file"},
        {&fromFile, L"empty.xml", L"File is empty"},
        {&fromCache, L"huge.xml", L"File too large"},
        {&fromCache, L"broken.xml", L"Expected end-tag start"},
        {&noArchive, L"skin/main.xml", L"Error opening zip file"},
    };
    for (const auto& c : cases) {
        CMarkup m;
        bool ok = m.LoadFromFile(*c.where, c.name);
        EXPECT_EQ(c.error == nullptr, ok) << c.name;
        if (ok) EXPECT_EQ(L"Window(Label[text=\u4e2d])", Dump(m.GetRoot())) << c.name;
        else EXPECT_EQ(std::wstring(c.error), LastError(m)) << c.name;
    }
}

}  // namespace
