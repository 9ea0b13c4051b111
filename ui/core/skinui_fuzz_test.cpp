// Fuzz driver for the markup parser and the skin archive reader: mutates a small
// corpus of valid layouts and archives with a fixed seed for a bounded number of
// rounds. Every input sits right before a no-access page, so an over-read crashes.
// SKINUI_FUZZ_ROUNDS raises the number of rounds for longer runs by hand.
#include "markup.h"
#include "skin_archive.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "test_support/archive_walk.h"
#include "test_support/guarded_buffer.h"
#include "test_support/zip_builder.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

typedef std::vector<unsigned char> Bytes;

const char* const kLayouts[] = {
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<Window size=\"800,600\" caption=\"0,0,0,32\" roundcorner=\"4,4\">\r\n"
    "  <Font name=\"\xe5\xae\x8b\xe4\xbd\x93\" size=\"12\" default=\"true\"/>\r\n"
    "  <Image name=\"bk.png\" mask=\"#FFFF00FF\"/>\r\n"
    "  <Default name=\"Button\" value=\"height=&quot;30&quot; textcolor=&quot;#FF000000&quot;\"/>\r\n"
    "  <VerticalLayout bkcolor=\"#FFFFFFFF\">\r\n"
    "    <!-- title bar -->\r\n"
    "    <HorizontalLayout height=\"32\"><Label text=\"\xe8\xbf\x9b\xe9\x94\x80\xe5\xad\x98 &amp; more\"/>"
    "<Button name=\"closebtn\" normalimage=\"file='btn.png' source='0,0,16,16'\"/></HorizontalLayout>\r\n"
    "    <List name=\"listxsd\"><ListHeader><ListHeaderItem text=\"a\"/></ListHeader></List>\r\n"
    "    <Include source=\"page.xml\" count=\"2\"/>\r\n"
    "  </VerticalLayout>\r\n"
    "</Window>\r\n",
    "<Window><TabLayout name=\"tabs\"><Container/><Text>  some  text &lt;b&gt; </Text></TabLayout></Window>",
    "<a x=\"1\" y=\"&apos;2&apos;\">t<b/>"
    "<c><d><e><f><g>deep</g></f></e></d></c></a>",
};

class Rng
{
public:
    explicit Rng(uint32_t seed) : m_state(seed) {}
    uint32_t Next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    size_t Below(size_t n) { return n ? Next() % n : 0; }

private:
    uint32_t m_state;
};

const char* const kTokens[] = {"<",        ">",        "</",   "/>",         "\"",           "=",         "&amp;",
                               "&",        ";",        "<!--", "-->",        "<?",           "?>",        " ",
                               "\r\n",     "\t",       "<a>",  "</a>",       "\xef\xbb\xbf", "\xff\xfe",  "\xfe\xff",
                               "\xd6\xd0", "\xe4\xb8", "\0",   "PK\x03\x04", "PK\x01\x02",   "PK\x05\x06"};

Bytes Mutate(const Bytes& input, Rng& rng)
{
    Bytes out = input;
    int edits = 1 + static_cast<int>(rng.Below(4));
    for (int i = 0; i < edits; ++i) {
        size_t pos = rng.Below(out.size() + 1);
        switch (rng.Below(7)) {
        case 0:  // flip a byte
            if (!out.empty()) out[rng.Below(out.size())] ^= static_cast<unsigned char>(1 + rng.Below(255));
            break;
        case 1:  // set a byte to an interesting value
            if (!out.empty()) {
                static const unsigned char values[] = {0, 0xFF, 0x7F, 0x80, '<', '"', '&', '/'};
                out[rng.Below(out.size())] = values[rng.Below(sizeof(values))];
            }
            break;
        case 2: {  // insert a token
            const char* token = kTokens[rng.Below(sizeof(kTokens) / sizeof(kTokens[0]))];
            size_t length = token[0] ? strlen(token) : 1;
            out.insert(out.begin() + pos, token, token + length);
            break;
        }
        case 3: {  // delete a range
            size_t n = rng.Below(16) + 1;
            if (pos < out.size()) out.erase(out.begin() + pos, out.begin() + std::min(out.size(), pos + n));
            break;
        }
        case 4: {  // duplicate a range
            if (out.empty()) break;
            size_t from = rng.Below(out.size());
            size_t n = std::min(out.size() - from, rng.Below(64) + 1);
            Bytes piece(out.begin() + from, out.begin() + from + n);
            out.insert(out.begin() + pos, piece.begin(), piece.end());
            break;
        }
        case 5:  // truncate
            out.resize(pos);
            break;
        default: {  // overwrite four bytes with a random little-endian number
            uint32_t v = rng.Next() >> rng.Below(32);
            for (int k = 0; k < 4 && pos + k < out.size(); ++k) out[pos + k] = static_cast<unsigned char>(v >> (8 * k));
            break;
        }
        }
    }
    return out;
}

int Rounds(int normal)
{
    const char* text = getenv("SKINUI_FUZZ_ROUNDS");
    return text ? atoi(text) : normal;
}

// Reads every string of the tree and checks the links agree.
void WalkTree(CMarkupNode node, int depth)
{
    ASSERT_LE(depth, CMarkup::MAX_NESTING + 1);
    for (; node.IsValid(); node = node.GetSibling()) {
        ASSERT_NE(nullptr, node.GetName());
        ASSERT_NE(0u, wcslen(node.GetName()));
        wcslen(node.GetValue());
        int count = node.GetAttributeCount();
        ASSERT_LE(count, CMarkupNode::MAX_XML_ATTRIBUTES);
        for (int i = 0; i < count; ++i) {
            wcslen(node.GetAttributeName(i));
            wcslen(node.GetAttributeValue(i));
        }
        if (node.HasChildren()) {
            CMarkupNode child = node.GetChild();
            ASSERT_STREQ(node.GetName(), child.GetParent().GetName());
            WalkTree(child, depth + 1);
        }
    }
}

Bytes Utf16Of(const char* utf8, bool bigEndian)
{
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, &wide[0], n);
    wide.resize(n - 1);
    Bytes out = {static_cast<unsigned char>(bigEndian ? 0xFE : 0xFF),
                 static_cast<unsigned char>(bigEndian ? 0xFF : 0xFE)};
    for (wchar_t ch : wide) {
        out.push_back(static_cast<unsigned char>(bigEndian ? ch >> 8 : ch & 0xFF));
        out.push_back(static_cast<unsigned char>(bigEndian ? ch & 0xFF : ch >> 8));
    }
    return out;
}

TEST(Fuzz, MarkupParser)
{
    struct Seed
    {
        Bytes data;
        int encoding;
    };
    std::vector<Seed> corpus;
    for (const char* layout : kLayouts) {
        corpus.push_back({Bytes(layout, layout + strlen(layout)), 0});
        corpus.push_back({Utf16Of(layout, false), 1});
        corpus.push_back({Utf16Of(layout, true), 1});
    }
    corpus.push_back({Bytes(kLayouts[1], kLayouts[1] + strlen(kLayouts[1])), 2});

    Rng rng(20261210);
    int parsed = 0;
    int rounds = Rounds(100000);
    GuardedArena arena;
    for (int round = 0; round < rounds; ++round) {
        const Seed& seed = corpus[rng.Below(corpus.size())];
        Bytes input = Mutate(seed.data, rng);
        BYTE* data = arena.Place(input.data(), input.size());
        CMarkup markup;
        markup.SetPreserveWhitespace(rng.Below(2) == 0);
        if (markup.LoadFromMem(data, static_cast<DWORD>(input.size()), seed.encoding)) {
            ++parsed;
            WalkTree(markup.GetRoot(), 1);
        } else {
            wchar_t message[100], location[50];
            markup.GetLastErrorMessage(message, 100);
            markup.GetLastErrorLocation(location, 50);
            ASSERT_NE(0u, wcslen(message)) << "a failure names its reason";
        }
        if (HasFatalFailure()) return;
    }
    // The mutations keep a share of documents valid, so the tree walk is exercised.
    EXPECT_GT(parsed, rounds / 50);
}

std::vector<Bytes> ArchiveCorpus()
{
    std::vector<ZipBuildEntry> entries(4);
    entries[0].name = "skin/main.xml";
    entries[0].data = kLayouts[0];
    entries[0].deflate = true;
    entries[0].localExtra = ZipBuilder::Extended(7, {1700000000, 1600000000, 1500000000});
    entries[0].centralExtra = ZipBuilder::Extended(1, {1700000000});
    entries[1].name = "\xcd\xbc\xc6\xac/\xb0\xb4\xc5\xa5.png";
    entries[1].data = std::string(300, 'x');
    entries[2].name = "dir/";
    entries[2].externalAttr = 0x41ED0010;
    entries[3].name = "page.xml";
    entries[3].data = kLayouts[1];
    entries[3].deflate = true;
    std::vector<Bytes> corpus;
    corpus.push_back(ZipBuilder::Build(entries));
    corpus.push_back(ZipBuilder::Build({entries[0]}));
    corpus.push_back(ZipBuilder::Build({entries[3], entries[1]}));
    return corpus;
}

TEST(Fuzz, ArchiveReader)
{
    std::vector<Bytes> corpus = ArchiveCorpus();
    Rng rng(1207);
    int rounds = Rounds(60000);
    GuardedArena arena;
    for (int round = 0; round < rounds; ++round) {
        Bytes input = Mutate(corpus[rng.Below(corpus.size())], rng);
        WalkArchive(arena.Place(input.data(), input.size()), input.size());
        if (HasFatalFailure()) return;
    }
}

TEST(Fuzz, LayoutsInsideArchives)
{
    // Archive entries that decode to damaged layouts, read the way the builder reads them.
    std::vector<Bytes> corpus = ArchiveCorpus();
    Rng rng(77);
    int rounds = Rounds(10000);
    GuardedArena arena;
    for (int round = 0; round < rounds; ++round) {
        ZipBuildEntry e;
        e.name = "main.xml";
        Bytes layout = Mutate(Bytes(kLayouts[0], kLayouts[0] + strlen(kLayouts[0])), rng);
        e.data.assign(layout.begin(), layout.end());
        e.deflate = rng.Below(2) == 0;
        Bytes zip = ZipBuilder::Build({e});
        ScopedZip hz(OpenZipMemory(zip.data(), static_cast<unsigned>(zip.size())));
        ASSERT_TRUE(hz);
        int index;
        ZipEntry entry;
        ASSERT_EQ(ZR_OK, FindZipItem(hz.get(), L"MAIN.XML", &index, &entry));
        Bytes bytes(entry.unc_size);
        if (bytes.empty()) continue;
        ZRESULT r = UnzipItem(hz.get(), index, bytes.data(), static_cast<unsigned>(bytes.size()));
        ASSERT_TRUE(r == ZR_OK || r == ZR_MORE);
        ASSERT_EQ(layout, bytes);
        BYTE* data = arena.Place(bytes.data(), bytes.size());
        CMarkup markup;
        if (markup.LoadFromMem(data, static_cast<DWORD>(bytes.size()), 0)) WalkTree(markup.GetRoot(), 1);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
