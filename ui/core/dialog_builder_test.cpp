// The dialog builder: includes with repeat counts and their depth limit, default
// attributes before the element's own, default tags, the prologue, unknown
// elements going to the callback, and controls that cannot be attached.
#include <string>
#include <vector>

#include "container_ui.h"
#include "dialog_builder.h"
#include "gtest/gtest.h"
#include "paint_manager.h"
#include "render_engine.h"
#include "test_support/test_canvas.h"
#include "test_support/test_images.h"
#include "test_support/test_window.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

class CountedControl : public CControlUI
{
public:
    static int alive;
    CountedControl() { ++alive; }
    ~CountedControl() override { --alive; }
    const wchar_t* GetClass() const override { return L"CountedUI"; }
};
int CountedControl::alive = 0;

// Knows "Counted" and "Refuser" (a container that takes no children) and
// records every name it was asked for.
class RecordingCallback : public IDialogBuilderCallback
{
public:
    class Refuser : public CContainerUI
    {
    public:
        bool Add(CControlUI*) override { return false; }
    };

    CControlUI* CreateControl(const wchar_t* pstrClass) override
    {
        asked.push_back(pstrClass);
        if (wcscmp(pstrClass, L"Counted") == 0) return new CountedControl();
        if (wcscmp(pstrClass, L"Refuser") == 0) return new Refuser();
        return NULL;
    }
    std::vector<std::wstring> asked;
};

class BuilderFiles : public ::testing::Test
{
protected:
    ScratchSkin skin{L"builder"};
    const std::wstring folder = skin.folder();
};

int CountChildren(CControlUI* control)
{
    IContainerUI* container = static_cast<IContainerUI*>(control->GetInterface(L"IContainer"));
    return container ? container->GetCount() : -1;
}

}  // namespace

TEST_F(BuilderFiles, IncludeRepeatsTheIncludedControls)
{
    WriteText(folder + L"row.xml", "<Window><Control name=\"cell\"/><Control/></Window>");
    struct Case
    {
        const char* count;
        int children;
    } cases[] = {{"count=\"3\"", 6}, {"", 2}, {"count=\"0\"", 0}, {"count=\"many\"", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        std::string xml =
            std::string("<Window><Container><Include source=\"row.xml\" ") + c.count + "/></Container></Window>";
        WriteText(folder + L"main.xml", xml);
        CPaintManagerUI manager;
        CDialogBuilder builder;
        CControlUI* root = builder.Create(STRINGorID(L"main.xml"), NULL, NULL, &manager);
        ASSERT_TRUE(root != NULL);
        EXPECT_EQ(c.children, CountChildren(root));
        delete root;
    }
}

TEST_F(BuilderFiles, AnIncludeOfItselfStopsAtTheDepthLimit)
{
    WriteText(folder + L"self.xml", "<Window><Container><Control/><Include source=\"self.xml\"/></Container></Window>");
    WriteText(folder + L"ping.xml", "<Window><Container><Include source=\"pong.xml\"/></Container></Window>");
    WriteText(folder + L"pong.xml", "<Window><Container><Include source=\"ping.xml\"/></Container></Window>");
    CPaintManagerUI manager;
    for (const wchar_t* name : {L"self.xml", L"ping.xml"}) {
        CDialogBuilder builder;
        CControlUI* root = builder.Create(STRINGorID(name), NULL, NULL, &manager);
        ASSERT_TRUE(root != NULL);
        int depth = 0;
        for (CControlUI* c = root; c != NULL; ++depth) {
            CContainerUI* container = static_cast<CContainerUI*>(c->GetInterface(L"Container"));
            c = NULL;
            if (container == NULL) break;
            for (int i = 0; i < container->GetCount(); i++) {
                if (container->GetItemAt(i)->GetInterface(L"Container") != NULL) c = container->GetItemAt(i);
            }
        }
        EXPECT_GT(depth, 2);
        EXPECT_LE(depth, CDialogBuilder::MAX_INCLUDE_DEPTH + 1);
        delete root;
    }

    // Including itself three times at every level would multiply without end:
    // the number of includes of one build is bounded too.
    WriteText(folder + L"many.xml",
              "<Window><Container><Counted/><Include source=\"many.xml\" count=\"3\"/></Container></Window>");
    RecordingCallback callback;
    CountedControl::alive = 0;
    CDialogBuilder builder;
    CControlUI* root = builder.Create(STRINGorID(L"many.xml"), NULL, &callback, &manager);
    ASSERT_TRUE(root != NULL);
    EXPECT_GT(CountedControl::alive, CDialogBuilder::MAX_INCLUDE_DEPTH);
    EXPECT_LE(CountedControl::alive, CDialogBuilder::MAX_INCLUDE_BUILDS + 1);
    delete root;
    EXPECT_EQ(0, CountedControl::alive);
}

TEST_F(BuilderFiles, MissingOrBrokenLayoutsGiveNone)
{
    WriteText(folder + L"broken.xml", "<Window><Container></Window>");
    CPaintManagerUI manager;
    CDialogBuilder missing;
    EXPECT_TRUE(missing.Create(STRINGorID(L"nothing here.xml"), NULL, NULL, &manager) == NULL);
    CDialogBuilder broken;
    EXPECT_TRUE(broken.Create(STRINGorID(L"broken.xml"), NULL, NULL, &manager) == NULL);
    wchar_t message[100] = {};
    broken.GetLastErrorMessage(message, 99);
    EXPECT_STRNE(L"", message);
    CDialogBuilder empty;
    EXPECT_TRUE(empty.Create(NULL, &manager) == NULL);
    // An include whose source is missing adds nothing; the level goes on.
    WriteText(folder + L"partial.xml",
              "<Window><Container><Include source=\"absent.xml\"/><Control/></Container></Window>");
    CDialogBuilder partial;
    CControlUI* root = partial.Create(STRINGorID(L"partial.xml"), NULL, NULL, &manager);
    ASSERT_TRUE(root != NULL);
    EXPECT_EQ(1, CountChildren(root));
    delete root;
}

TEST(Builder, DefaultsComeFirstAndTheElementsOwnAttributesWin)
{
    CPaintManagerUI manager;
    CDialogBuilder builder;
    CControlUI* root =
        builder.Create(STRINGorID(L"<Window>"
                                  L"<Default name=\"Control\" value=\"height=&quot;30&quot; width=&quot;7&quot;\"/>"
                                  L"<Default name=\"Control\" value=\"width=&quot;99&quot;\"/>"
                                  L"<Container><Control name=\"a\" height=\"40\"/><Control name=\"b\"/>"
                                  L"</Container></Window>"),
                       NULL, NULL, &manager);
    ASSERT_TRUE(root != NULL);
    manager.AttachDialog(root);
    EXPECT_EQ(40, manager.FindControl(L"a")->GetFixedHeight());
    EXPECT_EQ(30, manager.FindControl(L"b")->GetFixedHeight());
    EXPECT_EQ(7, manager.FindControl(L"b")->GetFixedWidth());  // the first Default of a name stays
}

TEST(Builder, UnknownNamesGoToTheCallbackCaseSensitively)
{
    CPaintManagerUI manager;
    RecordingCallback callback;
    CDialogBuilder builder;
    CControlUI* root = builder.Create(STRINGorID(L"<Window><Container><Counted/><button/><Control/>"
                                                 L"<Mystery><Control/></Mystery></Container></Window>"),
                                      NULL, &callback, &manager);
    ASSERT_TRUE(root != NULL);
    EXPECT_EQ(2, CountChildren(root));  // Counted and Control; button and Mystery skipped
    ASSERT_EQ(3u, callback.asked.size());
    EXPECT_EQ(L"Counted", callback.asked[0]);
    EXPECT_EQ(L"button", callback.asked[1]);
    EXPECT_EQ(L"Mystery", callback.asked[2]);
    delete root;
    EXPECT_EQ(0, CountedControl::alive);
}

TEST(Builder, ControlsThatCannotBeAttachedAreDestroyed)
{
    CPaintManagerUI manager;
    RecordingCallback callback;
    CountedControl::alive = 0;
    struct Case
    {
        const char* what;
        const wchar_t* xml;
        const wchar_t* rootClass;
    } cases[] = {
        {"refused by the parent's Add", L"<Window><Refuser><Counted/><Counted/></Refuser></Window>", L"ContainerUI"},
        {"a parent that is no container", L"<Window><Control><Counted/><Counted/></Control></Window>", L"ControlUI"},
        {"no parent: the new control is the result", L"<Window><Counted/></Window>", L"CountedUI"},
        {"no parent: only the first control is kept", L"<Window><Counted/><Counted/><Control/></Window>", L"CountedUI"},
        {"no parent: an include returns nothing and keeps nothing",
         L"<Window><Include source=\"&lt;Window&gt;&lt;Counted/&gt;&lt;Counted/&gt;&lt;/Window&gt;\"/>"
         L"<Control/></Window>",
         L"ControlUI"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CDialogBuilder builder;
        CControlUI* root = builder.Create(STRINGorID(c.xml), NULL, &callback, &manager);
        ASSERT_TRUE(root != NULL);
        EXPECT_STREQ(c.rootClass, root->GetClass());
        EXPECT_EQ(wcscmp(c.rootClass, L"CountedUI") == 0 ? 1 : 0, CountedControl::alive);
        delete root;
    }
    EXPECT_EQ(0, CountedControl::alive);
}

TEST(Builder, FinishedTreeIsDetachedAndCarriesTheDefaultTag)
{
    CPaintManagerUI manager;
    const wchar_t* xml = L"<Window size=\"300,200\"><Font name=\"Arial\" size=\"15\" bold=\"true\" default=\"true\"/>"
                         L"<Container><Control name=\"leaf\"/></Container></Window>";
    manager.SetDefaultTag(xml, 77);
    CDialogBuilder builder;
    CControlUI* root = builder.Create(STRINGorID(xml), NULL, NULL, &manager);
    ASSERT_TRUE(root != NULL);
    EXPECT_TRUE(root->GetManager() == NULL);
    EXPECT_TRUE(root->GetParent() == NULL);
    CControlUI* leaf = static_cast<CContainerUI*>(root)->GetItemAt(0);
    EXPECT_EQ(root, leaf->GetParent());
    EXPECT_TRUE(leaf->GetManager() == NULL);
    EXPECT_EQ(77u, root->GetTag());
    EXPECT_EQ(77u, leaf->GetTag());
    // Fonts of the prologue reach the manager; window settings need a window.
    EXPECT_EQ(1u, manager.GetCustomFontCount());
    EXPECT_EQ(15, manager.GetDefaultFontInfo()->iSize);
    EXPECT_TRUE(manager.GetDefaultFontInfo()->bBold);
    EXPECT_EQ(0, manager.GetInitSize().cx);
    manager.AttachDialog(root);
    EXPECT_EQ(&manager, leaf->GetManager());
    EXPECT_EQ(leaf, manager.FindControl(L"leaf"));

    CDialogBuilder untagged;
    CControlUI* other = untagged.Create(STRINGorID(L"<Window><Control/></Window>"), NULL, NULL, &manager);
    ASSERT_TRUE(other != NULL);
    EXPECT_EQ(0u, other->GetTag());
    delete other;
}

TEST(BuilderResources, LayoutsIncludesAndImagesFromNumberedResources)
{
    CPaintManagerUI manager;
    CDialogBuilder builder;
    CControlUI* root = builder.Create(STRINGorID(101), L"xml", NULL, &manager);
    ASSERT_TRUE(root != NULL);
    EXPECT_EQ(2, CountChildren(root));  // resource 102 included twice by number
    delete root;
    CDialogBuilder missing;
    EXPECT_TRUE(missing.Create(STRINGorID(999), L"xml", NULL, &manager) == NULL);

    const TImageInfo* image = manager.AddImage(L"103", L"IMG");
    ASSERT_TRUE(image != NULL);
    EXPECT_EQ(1, image->nX);
    EXPECT_STREQ(L"IMG", image->sResType.GetData());
    DIBSECTION dib = {};
    ::GetObjectW(image->hBitmap, sizeof(dib), &dib);
    EXPECT_EQ(0xFF00FF00u, *static_cast<const DWORD*>(dib.dsBm.bmBits));
    EXPECT_TRUE(manager.AddImage(L"x103", L"IMG") == NULL);  // a resource name must be a number

    // An image description naming the resource and its type draws it.
    CPaintManagerUI drawing;
    TestCanvas canvas(10, 10, 0xFF000000);
    RECT item = canvas.rect();
    EXPECT_TRUE(CRenderEngine::DrawImageString(canvas.dc(), &drawing, item, item, L"res='103' restype='IMG'"));
    EXPECT_TRUE(PixelNear(canvas, 5, 5, Rgb{0, 255, 0}));
}

TEST(BuilderResources, ThePrologueRegistersImagesFontsAndDefaultsThatHaveAName)
{
    CPaintManagerUI manager;
    CDialogBuilder builder;
    CControlUI* root = builder.Create(
        STRINGorID(L"<Window>"
                   L"<Image name=\"103\" restype=\"IMG\" mask=\"#FF00FF00\"/><Image restype=\"IMG\"/>"
                   L"<Font name=\"Arial\"/><Font size=\"20\" default=\"true\"/>"
                   L"<Font name=\"Tahoma\" size=\"9\" bold=\"TRUE\" underline=\"true\" italic=\"yes\"/>"
                   L"<Default value=\"height=&quot;5&quot;\"/><Default name=\"Control\" value=\"width=&quot;6&quot;\"/>"
                   L"<Control/></Window>"),
        NULL, NULL, &manager);
    ASSERT_TRUE(root != NULL);
    const TImageInfo* image = manager.GetImage(L"103");
    ASSERT_TRUE(image != NULL);
    EXPECT_EQ(0xFF00FF00u, image->dwMask);
    EXPECT_TRUE(image->alphaChannel);              // its one green pixel was masked
    EXPECT_EQ(2u, manager.GetCustomFontCount());   // the Font without a name adds nothing
    EXPECT_EQ(12, manager.GetFontInfo(0)->iSize);  // size 12 when not given
    TFontInfo* tahoma = manager.GetFontInfo(1);
    EXPECT_EQ(9, tahoma->iSize);
    EXPECT_FALSE(tahoma->bBold);  // only "true" is true
    EXPECT_TRUE(tahoma->bUnderline);
    EXPECT_FALSE(tahoma->bItalic);
    EXPECT_NE(20, manager.GetDefaultFontInfo()->iSize);
    EXPECT_STREQ(L"width=\"6\"", manager.GetDefaultAttributeList(L"Control"));
    EXPECT_EQ(6, root->GetFixedWidth());
    EXPECT_EQ(0, root->GetFixedHeight());
    delete root;
}

TEST(BuilderWindow, WindowAttributesReachAManagerWithAWindow)
{
    TestWindow window(50, 50);
    HWND hwnd = window.GetHWND();
    CPaintManagerUI& manager = window.pm;
    CDialogBuilder builder;
    CControlUI* root = builder.Create(
        STRINGorID(L"<Window size=\"300,200\" sizebox=\"4,4,6,6\" caption=\"0,0,0,30\" roundcorner=\"5\" "
                   L"mininfo=\"100,80\" maxinfo=\"800\" defaultfontcolor=\"#FF123456\" showdirty=\"true\" "
                   L"disabledfontcolor=\"FF010203\" linkfontcolor=\"#FF040506\" linkhoverfontcolor=\"#FF070809\" "
                   L"selectedcolor=\"#FF0A0B0C\" alpha=\"200\" unknown=\"1\"><Control/></Window>"),
        NULL, NULL, &manager);
    ASSERT_TRUE(root != NULL);
    RECT placed = {};
    ::GetWindowRect(hwnd, &placed);
    EXPECT_EQ(300, placed.right - placed.left);
    EXPECT_EQ(200, placed.bottom - placed.top);
    EXPECT_EQ(6, manager.GetSizeBox().right);
    EXPECT_EQ(30, manager.GetCaptionRect().bottom);
    EXPECT_EQ(5, manager.GetRoundCorner().cx);
    EXPECT_EQ(0, manager.GetRoundCorner().cy);  // a short list leaves the rest 0
    EXPECT_EQ(80, manager.GetMinInfo().cy);
    EXPECT_EQ(800, manager.GetMaxInfo().cx);
    EXPECT_EQ(0, manager.GetMaxInfo().cy);
    EXPECT_EQ(0xFF123456u, manager.GetDefaultFontColor());
    EXPECT_TRUE(manager.IsShowUpdateRect());
    EXPECT_EQ(0xFF010203u, manager.GetDefaultDisabledColor());
    EXPECT_EQ(0xFF040506u, manager.GetDefaultLinkFontColor());
    EXPECT_EQ(0xFF070809u, manager.GetDefaultLinkHoverFontColor());
    EXPECT_EQ(0xFF0A0B0Cu, manager.GetDefaultSelectedBkColor());
    EXPECT_EQ(200, manager.GetTransparent());
    delete root;
}

TEST(BuilderPlugins, PluginsComeBeforeTheCallback)
{
    ASSERT_TRUE(CPaintManagerUI::LoadPlugin(L"skinui_test_plugin.dll"));
    ASSERT_TRUE(CPaintManagerUI::LoadPlugin(L"skinui_test_plugin.dll"));
    EXPECT_EQ(1, CPaintManagerUI::GetPlugins()->GetSize());
    CPaintManagerUI manager;
    RecordingCallback callback;
    CDialogBuilder builder;
    CControlUI* root = builder.Create(STRINGorID(L"<Window><Container><PluginThing/><Counted/></Container></Window>"),
                                      NULL, &callback, &manager);
    ASSERT_TRUE(root != NULL);
    ASSERT_EQ(2, CountChildren(root));
    EXPECT_STREQ(L"PluginThingUI", static_cast<CContainerUI*>(root)->GetItemAt(0)->GetClass());
    ASSERT_EQ(1u, callback.asked.size());
    EXPECT_EQ(L"Counted", callback.asked[0]);
    delete root;
}
