// The paint manager's resources: the parent-resource chain for images, fonts,
// colours and default attributes; font records; the image cache; the skin
// archive as the source of images and layouts; the process-wide settings.
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
#include "test_support/zip_builder.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

class SkinFolder : public ::testing::Test
{
protected:
    void SetUp() override { WriteBytes(folder + L"red.png", EncodePng(SolidImage(4, 4, 0xFFFF0000))); }
    ScratchSkin skin{L"resources"};
    const std::wstring folder = skin.folder();
};

DWORD FirstPixel(const TImageInfo* info)
{
    DIBSECTION dib = {};
    ::GetObjectW(info->hBitmap, sizeof(dib), &dib);
    ::GdiFlush();
    return *static_cast<const DWORD*>(dib.dsBm.bmBits);
}

}  // namespace

TEST_F(SkinFolder, ParentResourcesAreFoundButGetImageExLoadsItsOwn)
{
    CPaintManagerUI parent;
    CPaintManagerUI child;
    ASSERT_TRUE(child.UseParentResource(&parent));
    const TImageInfo* shared = parent.AddImage(L"red.png");
    ASSERT_TRUE(shared != NULL);
    EXPECT_EQ(shared, child.GetImage(L"red.png"));
    const TImageInfo* own = child.GetImageEx(L"red.png");
    ASSERT_TRUE(own != NULL);
    EXPECT_NE(shared, own);
    EXPECT_EQ(own, child.GetImageEx(L"red.png"));     // cached from now on
    EXPECT_TRUE(child.AddImage(L"red.png") == NULL);  // the name is taken
    EXPECT_TRUE(parent.GetImage(L"missing.png") == NULL);
}

TEST_F(SkinFolder, ImageCacheRulesAndReload)
{
    CPaintManagerUI manager;
    EXPECT_TRUE(manager.AddImage(L"red.png", L"PNG") == NULL);  // a resource type needs a numeric name
    EXPECT_TRUE(manager.AddImage(L"nothing.png") == NULL);
    EXPECT_TRUE(manager.AddImage(L"made", NULL, 4, 4, false) == NULL);
    HBITMAP bitmap = ::CreateBitmap(2, 2, 1, 32, NULL);
    EXPECT_TRUE(manager.AddImage(L"made", bitmap, 0, 2, false) == NULL);
    const TImageInfo* made = manager.AddImage(L"made", bitmap, 2, 2, true);
    ASSERT_TRUE(made != NULL);
    EXPECT_TRUE(made->alphaChannel);
    HBITMAP another = ::CreateBitmap(2, 2, 1, 32, NULL);
    EXPECT_TRUE(manager.AddImage(L"made", another, 2, 2, true) == NULL);
    ::DeleteObject(another);  // refused: still the caller's

    const TImageInfo* red = manager.AddImage(L"red.png", NULL, 0);
    ASSERT_TRUE(red != NULL);
    EXPECT_EQ(0xFFFF0000u, FirstPixel(red));
    WriteBytes(folder + L"red.png", EncodePng(SolidImage(4, 4, 0xFF0000FF)));
    manager.ReloadAllImages();
    EXPECT_EQ(red, manager.GetImage(L"red.png"));
    EXPECT_EQ(0xFF0000FFu, FirstPixel(red));
    EXPECT_TRUE(manager.RemoveImage(L"red.png"));
    EXPECT_FALSE(manager.RemoveImage(L"red.png"));
}

TEST_F(SkinFolder, ReloadingABackgroundImageDropsItsCachedBitmap)
{
    CPaintManagerUI manager;
    CControlUI* root = new CControlUI();
    manager.AttachDialog(root);
    const wchar_t* image = L"file='red.png' corner='1,1,1,1'";
    root->SetBkImage(image);
    TestCanvas canvas(10, 10);
    RECT rc = canvas.rect();
    manager.PaintTo(canvas.dc(), rc, rc);
    EXPECT_TRUE(PixelNear(canvas, 5, 5, Rgb{255, 0, 0}));
    ASSERT_TRUE(manager.GetImage(L"red.png") != NULL);

    root->SetBkImage(image);  // the same string without reload: the cache stays
    ASSERT_TRUE(manager.GetImage(L"red.png") != NULL);
    WriteBytes(folder + L"red.png", EncodePng(SolidImage(4, 4, 0xFF00FF00)));
    root->SetBkImage(image, true);
    EXPECT_TRUE(manager.GetImage(L"red.png") == NULL);
    manager.PaintTo(canvas.dc(), rc, rc);
    EXPECT_TRUE(PixelNear(canvas, 5, 5, Rgb{0, 255, 0}));
}

TEST(ResourceChain, CyclesAreRefusedAndColoursComeFromTheTop)
{
    CPaintManagerUI a;
    CPaintManagerUI b;
    ASSERT_TRUE(b.UseParentResource(&a));
    EXPECT_FALSE(a.UseParentResource(&b));
    EXPECT_FALSE(a.UseParentResource(&a));
    EXPECT_TRUE(a.GetParentResource() == NULL);

    a.SetDefaultFontColor(0xFF112233);
    b.SetDefaultFontColor(0xFF445566);
    EXPECT_EQ(0xFF112233u, b.GetDefaultFontColor());
    EXPECT_EQ(0xFF0000FFu, b.GetDefaultLinkFontColor());

    a.AddDefaultAttributeList(L"Button", L"height=\"30\"");
    EXPECT_STREQ(L"height=\"30\"", b.GetDefaultAttributeList(L"Button"));
    b.AddDefaultAttributeList(L"Button", L"height=\"40\"");
    EXPECT_STREQ(L"height=\"40\"", b.GetDefaultAttributeList(L"Button"));
    EXPECT_TRUE(b.RemoveDefaultAttributeList(L"Button"));
    EXPECT_FALSE(b.RemoveDefaultAttributeList(L"Button"));
    EXPECT_TRUE(b.GetDefaultAttributeList(L"Edit") == NULL);
}

TEST(Fonts, IndexesRecordsAndTheChain)
{
    CPaintManagerUI parent;
    CPaintManagerUI manager;
    manager.UseParentResource(&parent);
    HFONT first = manager.AddFont(L"Arial", 12, false, false, false);
    HFONT second = manager.AddFont(L"Arial", 14, true, false, true);
    ASSERT_TRUE(first != NULL);
    ASSERT_TRUE(second != NULL);
    EXPECT_EQ(manager.GetDefaultFontInfo()->hFont, manager.GetFont(5));
    EXPECT_EQ(manager.GetDefaultFontInfo(), manager.GetFontInfo(5));
    EXPECT_EQ(second, manager.GetFont(1));
    EXPECT_EQ(1, manager.GetFontIndex(L"Arial", 14, true, false, true));
    EXPECT_TRUE(manager.AddFontAt(5, L"Arial", 9, false, false, false) == NULL);

    HFONT inherited = parent.AddFont(L"Tahoma", 11, false, true, false);
    EXPECT_EQ(inherited, manager.GetFont(L"Tahoma", 11, false, true, false));
    EXPECT_TRUE(manager.FindFont(inherited));
    EXPECT_EQ(-1, manager.GetFontIndex(inherited));
    EXPECT_TRUE(manager.RemoveFontAt(0));
    EXPECT_EQ(second, manager.GetFont(0));
    EXPECT_EQ(1u, manager.GetCustomFontCount());
}

TEST(Fonts, LongFaceNamesStayTerminatedAndBoldStaysWithinTheWeightRange)
{
    CPaintManagerUI manager;
    const std::wstring face(40, L'F');
    HFONT font = manager.AddFont(face.c_str(), 13, true, true, true);
    ASSERT_TRUE(font != NULL);
    LOGFONTW lf = {};
    ASSERT_NE(0, ::GetObjectW(font, sizeof(lf), &lf));
    EXPECT_EQ(std::wstring(LF_FACESIZE - 1, L'F'), std::wstring(lf.lfFaceName));
    EXPECT_LE(lf.lfWeight, 1000);
    EXPECT_GE(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(-13, lf.lfHeight);
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_TRUE(lf.lfItalic);
    manager.SetDefaultFont(face.c_str(), 16, false, false, false);
    EXPECT_EQ(16, manager.GetDefaultFontInfo()->iSize);
}

TEST(ProcessSettings, PathsHslTransparencyAndPlugins)
{
    struct PathCase
    {
        const wchar_t* in;
        const wchar_t* out;
    } paths[] = {{L"C:\\skin\\", L"C:\\skin\\"}, {L"C:/skin/", L"C:/skin/"}, {L"C:\\skin", L"C:\\skin\\"}, {L"", L""}};
    for (const PathCase& p : paths) {
        CPaintManagerUI::SetResourcePath(p.in);
        EXPECT_STREQ(p.out, CPaintManagerUI::GetResourcePath().GetData());
    }
    CPaintManagerUI::SetResourcePath(NULL);
    EXPECT_TRUE(CPaintManagerUI::GetResourcePath().IsEmpty());

    CPaintManagerUI::SetHSL(true, 400, -5, 150);
    short h = 0, s = 0, l = 0;
    CPaintManagerUI::GetHSL(&h, &s, &l);
    EXPECT_EQ(360, h);
    EXPECT_EQ(0, s);
    EXPECT_EQ(150, l);
    CPaintManagerUI::SetHSL(true, 180, 100, 100);

    TestWindow window(50, 50);
    HWND hwnd = window.GetHWND();
    CPaintManagerUI& manager = window.pm;
    manager.SetTransparent(200);
    EXPECT_EQ(200, manager.GetTransparent());
    EXPECT_NE(0, ::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED);
    manager.SetTransparent(300);
    EXPECT_EQ(255, manager.GetTransparent());
    EXPECT_EQ(0, ::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(manager.GetDefaultFontInfo()->tm.tmHeight > 0);  // metrics once there is a DC

    const int plugins = CPaintManagerUI::GetPlugins()->GetSize();
    EXPECT_FALSE(CPaintManagerUI::LoadPlugin(NULL));
    EXPECT_FALSE(CPaintManagerUI::LoadPlugin(L"no such plugin.dll"));
    EXPECT_FALSE(CPaintManagerUI::LoadPlugin(L"kernel32.dll"));  // no CreateControl export
    EXPECT_EQ(plugins, CPaintManagerUI::GetPlugins()->GetSize());
}

TEST(SkinArchive, ImagesAndLayoutsComeFromTheArchiveInMemory)
{
    std::vector<BYTE> png = EncodePng(SolidImage(3, 3, 0xFF00FF00));
    std::vector<ZipBuildEntry> entries(2);
    entries[0].name = "images/btn.png";
    entries[0].data.assign(png.begin(), png.end());
    entries[1].name = "main.xml";
    entries[1].data = "<Window><Container bkimage=\"file='Images\\Btn.PNG'\"/></Window>";
    entries[1].deflate = true;
    static std::vector<unsigned char> archive;  // kept alive as long as the process uses it
    archive = ZipBuilder::Build(entries);

    CPaintManagerUI::SetResourcePath(L"");
    CPaintManagerUI::SetResourceZip(L"", false);
    CPaintManagerUI::SetResourceZip(archive.data(), static_cast<unsigned int>(archive.size()));
    EXPECT_STREQ(L"membuffer", CPaintManagerUI::GetResourceZip().GetData());
    ASSERT_TRUE(CPaintManagerUI::GetResourceZipHandle() != NULL);
    {
        CPaintManagerUI manager;
        const TImageInfo* image = manager.GetImageEx(L"Images\\Btn.PNG");
        ASSERT_TRUE(image != NULL);
        EXPECT_EQ(3, image->nX);

        CDialogBuilder builder;
        CControlUI* root = builder.Create(STRINGorID(L"main.xml"), NULL, NULL, &manager);
        ASSERT_TRUE(root != NULL);
        manager.AttachDialog(root);
        TestCanvas canvas(20, 20, 0xFF000000);
        RECT rc = canvas.rect();
        manager.PaintTo(canvas.dc(), rc, rc);
        EXPECT_TRUE(PixelNear(canvas, 10, 10, Rgb{0, 255, 0}));
    }
    CPaintManagerUI::Term();
    EXPECT_TRUE(CPaintManagerUI::GetResourceZipHandle() == NULL);
    CPaintManagerUI::SetResourceZip(L"", false);
}
