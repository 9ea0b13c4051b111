// Fuzz driver for the text the control tree reads from skins: attribute values
// and attribute lists of controls, containers and scroll bars, image
// descriptions, and whole layouts through the builder, laid out and painted.
// A small corpus is mutated with a fixed seed for a bounded number of rounds;
// every mutated text sits right before a no-access page, so a read past its end
// crashes. SKINUI_FUZZ_ROUNDS sets the number of rounds for longer runs by hand.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "container_ui.h"
#include "dialog_builder.h"
#include "gtest/gtest.h"
#include "paint_manager.h"
#include "render_engine.h"
#include "scroll_bar.h"
#include "test_support/guarded_buffer.h"
#include "test_support/test_canvas.h"
#include "test_support/test_images.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

class WideMutator
{
public:
    explicit WideMutator(uint32_t seed) : m_state(seed) {}

    size_t Below(size_t n)
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return n ? m_state % n : 0;
    }

    // One to four edits: a character changed, a token of the attribute syntax
    // inserted, a range deleted or repeated, or the text cut short.
    std::wstring Mutate(const std::wstring& input)
    {
        static const wchar_t* const kTokens[] = {
            L"'",           L"\"",     L"=", L",",  L" ",     L"  ",       L"#",    L"-",      L"0", L"99999999999",
            L"-2147483648", L"&quot;", L"<", L"/>", L"file=", L"corner='", L"true", L"\x4E2D", L"\t"};
        std::wstring out = input;
        int edits = 1 + static_cast<int>(Below(4));
        for (int i = 0; i < edits; ++i) {
            size_t pos = Below(out.size() + 1);
            switch (Below(5)) {
            case 0:
                if (!out.empty()) out[Below(out.size())] = static_cast<wchar_t>(1 + Below(0x7F));
                break;
            case 1:
                out.insert(pos, kTokens[Below(sizeof(kTokens) / sizeof(kTokens[0]))]);
                break;
            case 2:
                if (pos < out.size()) out.erase(pos, 1 + Below(12));
                break;
            case 3:
                if (!out.empty()) {
                    size_t from = Below(out.size());
                    out.insert(pos, out.substr(from, 1 + Below(24)));
                }
                break;
            default:
                out.resize(pos);
                break;
            }
        }
        return out;
    }

private:
    uint32_t m_state;
};

int Rounds(int normal)
{
    const char* text = getenv("SKINUI_FUZZ_ROUNDS");
    return text ? atoi(text) : normal;
}

class ControlTreeFuzz : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RgbaImage grid = SolidImage(9, 9, 0xFF00FF00);
        grid.Set(4, 4, 0x80FF0000);
        WriteBytes(skin.folder() + L"grid.png", EncodePng(grid));
    }
    ScratchSkin skin{L"treefuzz"};
};

}  // namespace

TEST_F(ControlTreeFuzz, AttributesOfControlsContainersAndScrollBars)
{
    const struct
    {
        const wchar_t* name;
        const wchar_t* value;
    } corpus[] = {
        {L"pos", L"-10,5,-2,25"},
        {L"relativepos", L"50,100,0,0"},
        {L"padding", L"1,2,3,4"},
        {L"inset", L"5,6,7,8"},
        {L"bkcolor", L"  #FF102030"},
        {L"bkcolor2", L"#80FFFFFF"},
        {L"bordersize", L"1,2,3,4"},
        {L"bordersize", L"2"},
        {L"borderround", L"4,4"},
        {L"bkimage", L"file='grid.png' corner='1,2,3,4' dest='1,2,30,30'"},
        {L"tooltip", L"a<n>b"},
        {L"shortcut", L"Q"},
        {L"vscrollbarstyle", L"width=\"12\" linesize=\"5\" thumbnormalimage=\"file='grid.png'\""},
        {L"hscrollbarstyle", L"height=\"9\" range=\"50\""},
        {L"range", L"100"},
        {L"value", L"30"},
        {L"hor", L"true"},
        {L"float", L"true"},
    };
    const wchar_t* lists[] = {
        L"width=\"10\" height=\"20\" bkcolor=\"#FF00FF00\"",
        L"pos=\"1,2,30,40\" float=\"true\" relativepos=\"10,10,50,50\"",
    };
    WideMutator mutator(20261210);
    TestCanvas canvas(40, 40);
    RECT client = canvas.rect();
    const int rounds = Rounds(3000);
    for (int round = 0; round < rounds; ++round) {
        CPaintManagerUI manager;
        CContainerUI* root = new CContainerUI();
        manager.AttachDialog(root);
        CContainerUI* container = new CContainerUI();
        CScrollBarUI* bar = new CScrollBarUI();
        root->Add(container);
        root->Add(bar);
        for (int i = 0; i < 3; ++i) {
            const auto& seed = corpus[mutator.Below(sizeof(corpus) / sizeof(corpus[0]))];
            std::wstring value = mutator.Mutate(seed.value);
            GuardedText guarded(value.c_str());
            container->SetAttribute(seed.name, guarded.get());
            bar->SetAttribute(seed.name, guarded.get());
        }
        std::wstring list = mutator.Mutate(lists[mutator.Below(2)]);
        GuardedText guardedList(list.c_str());
        container->ApplyAttributeList(guardedList.get());
        bar->ApplyAttributeList(guardedList.get());
        manager.PaintTo(canvas.dc(), client, client);
        if (HasFatalFailure()) return;
    }
}

TEST_F(ControlTreeFuzz, ImageDescriptions)
{
    const wchar_t* corpus[] = {
        L"file='grid.png' corner='3,3,3,3' source='0,0,9,9' dest='1,1,30,30' fade='128' hole='true'",
        L"file='grid.png' xtiled='true' ytiled='true' source='3,3,6,6' mask='#FF00FF00'",
        L"file='grid.png' dest='0,0,5,5' file='grid.png' dest='10,10,20,20' ytiled='true'",
        L"res='103' restype='IMG' corner='1,1,1,1'",
        L"grid.png",
    };
    WideMutator mutator(1207);
    CPaintManagerUI manager;
    TestCanvas canvas(40, 40);
    RECT item = {2, 2, 38, 38};
    RECT paint = {0, 0, 30, 40};
    const int rounds = Rounds(4000);
    for (int round = 0; round < rounds; ++round) {
        std::wstring image = mutator.Mutate(corpus[mutator.Below(sizeof(corpus) / sizeof(corpus[0]))]);
        std::wstring modify = mutator.Mutate(L"dest='1,2,3,4' fade='200'");
        GuardedText guardedImage(image.c_str());
        GuardedText guardedModify(modify.c_str());
        ASSERT_TRUE(CRenderEngine::DrawImageString(canvas.dc(), &manager, item, paint, guardedImage.get(),
                                                   round % 2 ? guardedModify.get() : NULL));
    }
}

TEST_F(ControlTreeFuzz, LayoutsBuiltLaidOutAndPainted)
{
    const wchar_t* corpus[] = {
        L"<Window size=\"300,200\"><Default name=\"Control\" value=\"height=&quot;3&quot; bkcolor=&quot;#FF0000FF&quot;\"/>"
        L"<Font name=\"Arial\" size=\"13\" bold=\"true\"/><Image name=\"grid.png\" mask=\"#FF00FF00\"/>"
        L"<Container inset=\"1,2,3,4\" vscrollbar=\"true\" bkimage=\"file='grid.png' corner='2,2,2,2'\">"
        L"<Control pos=\"1,2,13,14\" float=\"true\" relativepos=\"10,20,30,40\" bordersize=\"2\" bordercolor=\"#FF000000\"/>"
        L"<Include source=\"&lt;Window&gt;&lt;Control bkcolor=&quot;#80FF0000&quot;/&gt;&lt;/Window&gt;\" count=\"2\"/>"
        L"<ScrollBar range=\"5\" value=\"2\" hor=\"true\"/></Container></Window>",
        L"<Window><Container><Container mousechild=\"false\" hscrollbarstyle=\"height=&quot;8&quot;\">"
        L"<Control visible=\"false\"/><Control bkcolor=\"#FFFF0000\" bkcolor2=\"#FF00FF00\" bkcolor3=\"#FF0000FF\"/>"
        L"</Container></Container></Window>",
    };
    WideMutator mutator(77);
    TestCanvas canvas(40, 40);
    RECT client = canvas.rect();
    const int rounds = Rounds(4000);
    int built = 0;
    for (int round = 0; round < rounds; ++round) {
        std::wstring xml = mutator.Mutate(corpus[mutator.Below(sizeof(corpus) / sizeof(corpus[0]))]);
        if (xml.empty() || xml[0] != L'<') xml.insert(0, L"<");
        GuardedText guarded(xml.c_str());
        CPaintManagerUI manager;
        CDialogBuilder builder;
        CControlUI* root = builder.Create(STRINGorID(guarded.get()), NULL, NULL, &manager);
        if (root == NULL) continue;
        ++built;
        manager.AttachDialog(root);
        manager.PaintTo(canvas.dc(), client, client);
        if (HasFatalFailure()) return;
    }
    // Enough of the mutated layouts stay valid for the tree code to be exercised.
    EXPECT_GT(built, rounds / 10);
}
