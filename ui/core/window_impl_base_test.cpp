// WindowImplBase under real windows: the skin loaded four ways (file, archive file,
// resource, archive resource), the fatal message when a layout cannot be built, Escape
// and the close button, hit-testing of the sizing borders and the caption, round
// corners, minimum size and the system close command.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "blocking_calls.h"
#include "test_support/probe_control.h"
#include "test_support/test_window.h"
#include "test_support/zip_builder.h"
#include "window_impl_base.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

const char kLayout[] =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
    "<Window size=\"300,200\" sizebox=\"4,4,4,4\" caption=\"0,0,0,30\" roundcorner=\"8,8\" mininfo=\"200,150\">"
    "<Container bkcolor=\"#FF0000FF\">"
    "<Control name=\"title\" float=\"true\" pos=\"10,5,100,25\" />"
    "<TestButton name=\"closebtn\" float=\"true\" pos=\"200,5,280,25\" />"
    "<TestButton name=\"field\" float=\"true\" pos=\"10,60,100,90\" />"
    "<TestButton name=\"pagebtn\" virtualwnd=\"page\" float=\"true\" pos=\"10,100,100,130\" />"
    "<TestButton name=\"maxbtn\" float=\"true\" pos=\"120,150,150,170\" />"
    "<TestButton name=\"restorebtn\" float=\"true\" pos=\"160,150,190,170\" />"
    "<TestButton name=\"minbtn\" float=\"true\" pos=\"200,150,230,170\" />"
    "</Container>"
    "</Window>";

class SkinWindow : public WindowImplBase
{
public:
    SKIN_RESOURCETYPE type = SKIN_FROM_FILE;
    CUIString skinFile = L"skin.xml";
    CUIString zipName;
    const wchar_t* resourceId = MAKEINTRESOURCEW(105);
    int initCalls = 0;

    const wchar_t* GetWindowClassName() const override { return L"SkinUITestSkinWindow"; }
    CUIString GetSkinFolder() override { return L""; }
    CUIString GetSkinFile() override { return skinFile; }
    SKIN_RESOURCETYPE GetResourceType() const override { return type; }
    CUIString GetZIPFileName() const override { return zipName; }
    const wchar_t* GetResourceID() const override { return resourceId; }
    void InitWindow() override { ++initCalls; }
    CControlUI* CreateControl(const wchar_t* pstrClass) override
    {
        if (wcscmp(pstrClass, L"TestButton") == 0) return new ProbeControl(L"", L"ButtonUI", CTRLFLAG_TABSTOP);
        return NULL;
    }
    static LPBYTE SharedSkinCopy() { return m_lpResourceZIPBuffer; }

    HWND Open()
    {
        if (Create(NULL, L"skin", WS_POPUP, 0, 100, 100, 300, 200) == NULL) return NULL;
        ShowWindow(true, false);
        return m_hWnd;
    }
    ~SkinWindow() override
    {
        if (::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
    }
};

// Records what would have blocked or ended the test.
struct BlockingRecorder
{
    static std::wstring text;
    static std::wstring caption;
    static int exitCode;
    static int MessageBox(HWND, const wchar_t* t, const wchar_t* c, UINT)
    {
        text = t;
        caption = c;
        return IDOK;
    }
    static void Exit(UINT code) { exitCode = static_cast<int>(code); }
};
std::wstring BlockingRecorder::text;
std::wstring BlockingRecorder::caption;
int BlockingRecorder::exitCode = -1;

std::wstring TempFolder()
{
    wchar_t path[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, path);
    std::wstring folder =
        std::wstring(path) + L"skinui_window_test_" + std::to_wstring(::GetCurrentProcessId()) + L"\\";
    ::CreateDirectoryW(folder.c_str(), NULL);
    return folder;
}

void WriteFile(const std::wstring& path, const void* data, size_t size)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(file, data, static_cast<DWORD>(size), &written, NULL);
    ::CloseHandle(file);
}

std::vector<unsigned char> SkinArchive()
{
    ZipBuildEntry entry;
    entry.name = "skin.xml";
    entry.data = kLayout;
    entry.deflate = true;
    return ZipBuilder::Build({entry});
}

// A copy of this program carrying the layout as resource "xml" 201 and the archive as
// "ZIPRES" 105, loaded as a data file to serve as the resource module.
HMODULE ResourceModule(const std::wstring& folder)
{
    static HMODULE module = NULL;
    if (module != NULL) return module;
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(NULL, self, MAX_PATH);
    const std::wstring copy = folder + L"resources.dll";
    if (!::CopyFileW(self, copy.c_str(), FALSE)) return NULL;
    HANDLE update = ::BeginUpdateResourceW(copy.c_str(), FALSE);
    if (update == NULL) return NULL;
    const WORD language = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
    std::vector<unsigned char> archive = SkinArchive();
    ::UpdateResourceW(update, L"xml", MAKEINTRESOURCEW(201), language, const_cast<char*>(kLayout), sizeof(kLayout) - 1);
    ::UpdateResourceW(update, L"ZIPRES", MAKEINTRESOURCEW(105), language, archive.data(),
                      static_cast<DWORD>(archive.size()));
    if (!::EndUpdateResourceW(update, FALSE)) return NULL;
    module = ::LoadLibraryExW(copy.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    return module;
}

class WindowImplBaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = TempFolder();
        WriteFile(folder + L"skin.xml", kLayout, sizeof(kLayout) - 1);
        std::vector<unsigned char> archive = SkinArchive();
        WriteFile(folder + L"skin.zip", archive.data(), archive.size());
        CPaintManagerUI::SetInstance(::GetModuleHandleW(NULL));
        CPaintManagerUI::SetResourcePath(folder.c_str());
        CPaintManagerUI::SetResourceZip(L"", false);
        UIBlockingCalls recorders = {&BlockingRecorder::MessageBox, &BlockingRecorder::Exit};
        previousCalls = UISetBlockingCalls(recorders);
        BlockingRecorder::text.clear();
        BlockingRecorder::exitCode = -1;
    }
    void TearDown() override
    {
        UISetBlockingCalls(previousCalls);
        CPaintManagerUI::SetResourceZip(L"", false);
        CPaintManagerUI::SetResourceDll(NULL);
        CPaintManagerUI::SetResourcePath(NULL);
    }
    POINT Screen(const SkinWindow& window, int x, int y)
    {
        POINT pt = {x, y};
        ::ClientToScreen(window.GetHWND(), &pt);
        return pt;
    }
    LRESULT HitTest(SkinWindow& window, int x, int y)
    {
        POINT pt = Screen(window, x, y);
        return window.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
    }

    std::wstring folder;
    UIBlockingCalls previousCalls = {};
};

void ExpectLaidOut(SkinWindow& window)
{
    ASSERT_NE(window.GetPaintManager()->GetRoot(), nullptr);
    EXPECT_EQ(window.initCalls, 1);
    EXPECT_NE(window.GetPaintManager()->FindControl(L"title"), nullptr);
    EXPECT_NE(window.GetPaintManager()->FindControl(L"closebtn"), nullptr);
    RECT rc = {};
    ::GetClientRect(window, &rc);
    EXPECT_EQ(rc.right, 300);
    EXPECT_EQ(rc.bottom, 200);
    EXPECT_FALSE(::GetWindowLongW(window, GWL_STYLE) & WS_CAPTION);
    EXPECT_TRUE(BlockingRecorder::text.empty());
}

TEST_F(WindowImplBaseTest, LoadsItsSkinFromEachKindOfSource)
{
    HMODULE module = ResourceModule(folder);
    ASSERT_NE(module, (HMODULE)NULL);
    struct
    {
        SKIN_RESOURCETYPE type;
        const wchar_t* skinFile;
        const wchar_t* zipName;
        bool onlyInArchiveOrModule;  // the loose layout file is gone
    } cases[] = {
        {SKIN_FROM_FILE, L"skin.xml", L"", false},
        {SKIN_FROM_ZIPFILE, L"skin.xml", L"skin.zip", true},
        {SKIN_FROM_RESOURCE, L"201", L"", true},
        {SKIN_FROM_ZIPRESOURCE, L"skin.xml", L"", true},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.type);
        CPaintManagerUI::SetResourceZip(L"", false);
        CPaintManagerUI::SetResourceDll(test.type >= SKIN_FROM_RESOURCE ? module : NULL);
        if (test.onlyInArchiveOrModule) ::DeleteFileW((folder + L"skin.xml").c_str());
        else WriteFile(folder + L"skin.xml", kLayout, sizeof(kLayout) - 1);
        SkinWindow window;
        window.type = test.type;
        window.skinFile = test.skinFile;
        window.zipName = test.zipName;
        ASSERT_NE(window.Open(), (HWND)NULL);
        ExpectLaidOut(window);
    }
}

TEST_F(WindowImplBaseTest, ArchiveResourceIsCopiedOnceForEveryWindow)
{
    HMODULE module = ResourceModule(folder);
    ASSERT_NE(module, (HMODULE)NULL);
    CPaintManagerUI::SetResourceDll(module);
    ::DeleteFileW((folder + L"skin.xml").c_str());
    SkinWindow first;
    first.type = SKIN_FROM_ZIPRESOURCE;
    ASSERT_NE(first.Open(), (HWND)NULL);
    ExpectLaidOut(first);
    LPBYTE copy = SkinWindow::SharedSkinCopy();
    ASSERT_NE(copy, nullptr);
    SkinWindow second;
    second.type = SKIN_FROM_ZIPRESOURCE;
    ASSERT_NE(second.Open(), (HWND)NULL);
    ExpectLaidOut(second);
    EXPECT_EQ(SkinWindow::SharedSkinCopy(), copy);
}

TEST_F(WindowImplBaseTest, MissingArchiveResourceLeavesTheWindowWithoutLayout)
{
    HMODULE module = ResourceModule(folder);
    ASSERT_NE(module, (HMODULE)NULL);
    CPaintManagerUI::SetResourceDll(module);
    CPaintManagerUI::SetResourceZip(L"", false);
    SkinWindow window;
    window.type = SKIN_FROM_ZIPRESOURCE;
    window.resourceId = MAKEINTRESOURCEW(999);
    ASSERT_NE(window.Open(), (HWND)NULL);
    EXPECT_EQ(window.GetPaintManager()->GetRoot(), nullptr);
    EXPECT_EQ(window.initCalls, 0);
    EXPECT_TRUE(BlockingRecorder::text.empty());
}

TEST_F(WindowImplBaseTest, ALayoutThatCannotBeBuiltIsFatal)
{
    SkinWindow window;
    window.skinFile = L"missing.xml";
    EXPECT_EQ(window.Open(), (HWND)NULL);
    EXPECT_EQ(BlockingRecorder::text, L"加载资源文件失败");
    EXPECT_EQ(BlockingRecorder::caption, L"KXPlatform");
    EXPECT_EQ(BlockingRecorder::exitCode, 1);
}

TEST_F(WindowImplBaseTest, HitTestFindsSizingBordersAndTheCaption)
{
    SkinWindow window;
    ASSERT_NE(window.Open(), (HWND)NULL);
    PaintNow(window);
    struct
    {
        int x, y;
        LRESULT expected;
    } cases[] = {
        {2, 2, HTTOPLEFT},    {150, 2, HTTOP},        {297, 2, HTTOPRIGHT}, {2, 100, HTLEFT},
        {297, 100, HTRIGHT},  {2, 197, HTBOTTOMLEFT}, {150, 197, HTBOTTOM}, {297, 197, HTBOTTOMRIGHT},
        {50, 15, HTCAPTION},   // a plain control in the caption drags the window
        {150, 15, HTCAPTION},  // so does the empty caption
        {240, 15, HTCLIENT},   // a button there does not
        {150, 100, HTCLIENT},  // below the caption
        {5, 5, HTCAPTION},     // just inside the size box
    };
    for (const auto& test : cases) EXPECT_EQ(HitTest(window, test.x, test.y), test.expected) << test.x << "," << test.y;
}

TEST_F(WindowImplBaseTest, AMaximisedWindowHasNoSizingBorders)
{
    SkinWindow window;
    ASSERT_NE(window.Open(), (HWND)NULL);
    ::ShowWindow(window, SW_MAXIMIZE);
    ASSERT_TRUE(::IsZoomed(window));
    PaintNow(window);
    EXPECT_EQ(HitTest(window, 2, 2), HTCAPTION);
    EXPECT_EQ(HitTest(window, 2, 100), HTCLIENT);
}

TEST_F(WindowImplBaseTest, EscapeClosesWithResultOneAndStillReachesTheFocus)
{
    SkinWindow window;
    ASSERT_NE(window.Open(), (HWND)NULL);
    PaintNow(window);
    ProbeControl* field = static_cast<ProbeControl*>(window.GetPaintManager()->FindControl(L"field"));
    ASSERT_NE(field, nullptr);
    window.GetPaintManager()->SetFocus(field);

    for (WPARAM key : {WPARAM(VK_RETURN), WPARAM(VK_ESCAPE)}) {
        MSG msg = {window, WM_KEYDOWN, key, 0, 0, {0, 0}};
        if (!CPaintManagerUI::TranslateMessage(&msg)) ::DispatchMessageW(&msg);
        ASSERT_NE(field->Last(UIEV_KEY_DOWN), nullptr);
        EXPECT_EQ(field->Last(UIEV_KEY_DOWN)->key, static_cast<wchar_t>(key));
        MSG close = {};
        const bool closing = ::PeekMessageW(&close, window, WM_CLOSE, WM_CLOSE, PM_REMOVE);
        EXPECT_EQ(closing, key == VK_ESCAPE);
        if (closing) {
            EXPECT_EQ(close.wParam, 1u);
        }
    }
}

TEST_F(WindowImplBaseTest, CloseButtonEndsTheModalLoopWithResultOne)
{
    SkinWindow window;
    ASSERT_NE(window.Open(), (HWND)NULL);
    CControlUI* closeButton = window.GetPaintManager()->FindControl(L"closebtn");
    ASSERT_NE(closeButton, nullptr);
    window.GetPaintManager()->SendNotify(closeButton, L"click");
    EXPECT_EQ(window.ShowModal(), 1u);
    EXPECT_FALSE(::IsWindow(window));
}

// The clicks of one page of the window, handled apart from the window's own.
struct PagePump : CNotifyPump
{
    std::vector<std::wstring> clicks;
    void OnClick(TNotifyUI& msg) { clicks.push_back(msg.sender->GetName().GetData()); }
    UI_DECLARE_MESSAGE_MAP()
};

UI_BEGIN_MESSAGE_MAP(PagePump, CNotifyPump)
UI_ON_MSGTYPE(L"click", OnClick)
UI_END_MESSAGE_MAP()

TEST_F(WindowImplBaseTest, NotificationsOfAVirtualWindowReachItsPump)
{
    SkinWindow window;
    ASSERT_NE(window.Open(), (HWND)NULL);
    PagePump page;
    ASSERT_TRUE(window.AddVirtualWnd(L"page", &page));
    CPaintManagerUI* pm = window.GetPaintManager();
    pm->SendNotify(pm->FindControl(L"pagebtn"), L"click");
    ASSERT_EQ(page.clicks.size(), 1u);
    EXPECT_EQ(page.clicks[0], L"pagebtn");
    // The close button has no virtual window: the window's own table closes it.
    pm->SendNotify(pm->FindControl(L"closebtn"), L"click");
    EXPECT_EQ(page.clicks.size(), 1u);
    MSG close = {};
    EXPECT_TRUE(::PeekMessageW(&close, window, WM_CLOSE, WM_CLOSE, PM_REMOVE));
    window.RemoveVirtualWnd(L"page");
}

// A window of the program with its own handler table in front of WindowImplBase's.
class MappedWindow : public SkinWindow
{
public:
    std::vector<std::wstring> handled;
    void OnField(TNotifyUI& msg) { handled.push_back(L"click:" + std::wstring(msg.sender->GetName().GetData())); }
    void OnSelect(WPARAM wParam, LPARAM lParam)
    {
        handled.push_back(L"select:" + std::to_wstring(wParam) + L"," + std::to_wstring(lParam));
    }
    UI_DECLARE_MESSAGE_MAP()
};

UI_BEGIN_MESSAGE_MAP(MappedWindow, WindowImplBase)
UI_ON_CLICK_CTRNAME(L"field", OnField)
UI_ON_MSGTYPE_PARAMS(L"itemselect", L"", OnSelect)
UI_END_MESSAGE_MAP()

TEST_F(WindowImplBaseTest, ADerivedWindowsTableComesBeforeTheBaseTable)
{
    MappedWindow window;
    ASSERT_NE(window.Open(), (HWND)NULL);
    CPaintManagerUI* pm = window.GetPaintManager();
    pm->SendNotify(pm->FindControl(L"field"), L"click");
    pm->SendNotify(pm->FindControl(L"field"), L"itemselect", 3, 4);
    ASSERT_EQ(window.handled.size(), 2u);
    EXPECT_EQ(window.handled[0], L"click:field");
    EXPECT_EQ(window.handled[1], L"select:3,4");
    MSG close = {};
    EXPECT_FALSE(::PeekMessageW(&close, window, WM_CLOSE, WM_CLOSE, PM_REMOVE));
    // A click the derived table does not name falls through to WindowImplBase's.
    pm->SendNotify(pm->FindControl(L"closebtn"), L"click");
    EXPECT_EQ(window.handled.size(), 2u);
    EXPECT_TRUE(::PeekMessageW(&close, window, WM_CLOSE, WM_CLOSE, PM_REMOVE));
}

TEST_F(WindowImplBaseTest, CaptionButtonsMaximiseRestoreAndMinimise)
{
    SkinWindow window;
    ASSERT_NE(window.Open(), (HWND)NULL);
    CPaintManagerUI* pm = window.GetPaintManager();
    struct
    {
        const wchar_t* button;
        bool zoomed;
        bool iconic;
    } cases[] = {
        {L"maxbtn", true, false},      {L"restorebtn", false, false}, {L"minbtn", false, true},
        {L"restorebtn", false, false}, {L"title", false, false},  // a click on a control of another name changes nothing
    };
    for (const auto& test : cases) {
        pm->SendNotify(pm->FindControl(test.button), L"click");
        EXPECT_EQ(::IsZoomed(window) != FALSE, test.zoomed) << test.button;
        EXPECT_EQ(::IsIconic(window) != FALSE, test.iconic) << test.button;
    }
}

TEST_F(WindowImplBaseTest, SystemCloseCommandClosesTheWindow)
{
    SkinWindow window;
    ASSERT_NE(window.Open(), (HWND)NULL);
    HWND hWnd = window;
    window.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(::IsWindow(hWnd));
}

TEST_F(WindowImplBaseTest, SizeRoundsTheCornersAndMinimumSizeIsKept)
{
    SkinWindow window;
    ASSERT_NE(window.Open(), (HWND)NULL);
    ::SetWindowPos(window, NULL, 0, 0, 320, 220, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(::GetWindowRgn(window, region), COMPLEXREGION);
    EXPECT_FALSE(::PtInRegion(region, 0, 0));     // the corner is cut off
    EXPECT_TRUE(::PtInRegion(region, 160, 110));  // the middle is not
    ::DeleteObject(region);
    MINMAXINFO info = {};
    window.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 200);
    EXPECT_EQ(info.ptMinTrackSize.y, 150);
}

}  // namespace
