// CActiveXUI hosting a small in-process OLE control that the test registers
// itself: once windowless (drawing into the paint DC, fed messages through the
// control's filter), once insisting on a window of its own.
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

#include <memory>
#include <string>
#include <vector>

#include "activex.h"
#include "core/test_support/probe_control.h"
#include "core/test_support/test_canvas.h"
#include "core/test_support/test_window.h"
#include "web_browser.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

const CLSID kTestClsid = {0x6f1c2a10, 0x4b7e, 0x4c1d, {0x9a, 0x31, 0x52, 0x7e, 0x0c, 0x44, 0x18, 0xa1}};
const wchar_t kTestClsidText[] = L"{6F1C2A10-4B7E-4C1D-9A31-527E0C4418A1}";
const COLORREF kObjectColor = RGB(0x20, 0xC0, 0x40);

struct ObjectConfig
{
    bool windowless;
    bool viewEx;
};

class TestObject;
ObjectConfig g_config = {true, true};
int g_liveObjects = 0;
TestObject* g_object = nullptr;

class TestObject : public IOleObject, public IOleInPlaceObjectWindowless, public IViewObjectEx, public IOleControl
{
public:
    explicit TestObject(const ObjectConfig& config) : windowless(config.windowless), viewEx(config.viewEx)
    {
        ++g_liveObjects;
        g_object = this;
    }
    virtual ~TestObject()
    {
        if (site != nullptr) site->Release();
        --g_liveObjects;
        if (g_object == this) g_object = nullptr;
    }

    STDMETHOD_(ULONG, AddRef)() override { return ++ref; }
    STDMETHOD_(ULONG, Release)() override
    {
        LONG r = --ref;
        if (r == 0) delete this;
        return r;
    }
    STDMETHOD(QueryInterface)(REFIID riid, LPVOID* ppv) override
    {
        *ppv = nullptr;
        if (riid == IID_IUnknown || riid == IID_IOleObject) *ppv = static_cast<IOleObject*>(this);
        else if (riid == IID_IOleControl) *ppv = static_cast<IOleControl*>(this);
        else if (riid == IID_IOleInPlaceObject || riid == IID_IOleWindow)
            *ppv = static_cast<IOleInPlaceObjectWindowless*>(this);
        else if (riid == IID_IOleInPlaceObjectWindowless && windowless)
            *ppv = static_cast<IOleInPlaceObjectWindowless*>(this);
        else if (riid == IID_IViewObject || riid == IID_IViewObject2) *ppv = static_cast<IViewObjectEx*>(this);
        else if (riid == IID_IViewObjectEx && viewEx) *ppv = static_cast<IViewObjectEx*>(this);
        if (*ppv == nullptr) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }

    // IOleObject
    STDMETHOD(SetClientSite)(IOleClientSite* p) override
    {
        if (p != nullptr) p->AddRef();
        if (site != nullptr) site->Release();
        site = p;
        return S_OK;
    }
    STDMETHOD(GetClientSite)(IOleClientSite** pp) override
    {
        *pp = site;
        if (site != nullptr) site->AddRef();
        return S_OK;
    }
    STDMETHOD(SetHostNames)(LPCOLESTR app, LPCOLESTR) override
    {
        hostName = app != nullptr ? app : L"";
        return S_OK;
    }
    STDMETHOD(Close)(DWORD) override
    {
        if (inPlace && site != nullptr) {
            IOleInPlaceSite* s = nullptr;
            if (SUCCEEDED(site->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&s)))) {
                s->OnInPlaceDeactivate();
                s->Release();
            }
        }
        inPlace = false;
        return S_OK;
    }
    STDMETHOD(SetMoniker)(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHOD(GetMoniker)(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHOD(InitFromData)(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHOD(GetClipboardData)(DWORD, IDataObject**) override { return E_NOTIMPL; }
    STDMETHOD(DoVerb)(LONG verb, LPMSG, IOleClientSite* active, LONG, HWND hwndParent, LPCRECT) override
    {
        ++verbs;
        if (verb != OLEIVERB_INPLACEACTIVATE || inPlace || active == nullptr) return S_OK;
        verbParent = hwndParent;
        HRESULT hr = E_FAIL;
        if (windowless) {
            IOleInPlaceSiteWindowless* w = nullptr;
            if (SUCCEEDED(active->QueryInterface(IID_IOleInPlaceSiteWindowless, reinterpret_cast<void**>(&w)))) {
                BOOL noRedraw = FALSE;
                if (w->CanWindowlessActivate() == S_OK) hr = w->OnInPlaceActivateEx(&noRedraw, ACTIVATE_WINDOWLESS);
                w->Release();
            }
        } else {
            IOleInPlaceSite* s = nullptr;
            if (SUCCEEDED(active->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&s)))) {
                if (s->CanInPlaceActivate() == S_OK) hr = s->OnInPlaceActivate();
                s->GetWindow(&siteWindow);
                s->Release();
            }
        }
        inPlace = SUCCEEDED(hr);
        return hr;
    }
    STDMETHOD(EnumVerbs)(IEnumOLEVERB**) override { return E_NOTIMPL; }
    STDMETHOD(Update)() override { return S_OK; }
    STDMETHOD(IsUpToDate)() override { return S_OK; }
    STDMETHOD(GetUserClassID)(CLSID* p) override
    {
        *p = kTestClsid;
        return S_OK;
    }
    STDMETHOD(GetUserType)(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
    STDMETHOD(SetExtent)(DWORD, SIZEL* p) override
    {
        extent = *p;
        return S_OK;
    }
    STDMETHOD(GetExtent)(DWORD, SIZEL* p) override
    {
        *p = extent;
        return S_OK;
    }
    STDMETHOD(Advise)(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHOD(Unadvise)(DWORD) override { return E_NOTIMPL; }
    STDMETHOD(EnumAdvise)(IEnumSTATDATA**) override { return E_NOTIMPL; }
    STDMETHOD(GetMiscStatus)(DWORD, DWORD* p) override
    {
        *p = OLEMISC_SETCLIENTSITEFIRST;
        return S_OK;
    }
    STDMETHOD(SetColorScheme)(LOGPALETTE*) override { return E_NOTIMPL; }

    // IOleInPlaceObjectWindowless
    STDMETHOD(GetWindow)(HWND* p) override
    {
        *p = siteWindow;
        return siteWindow != NULL ? S_OK : E_FAIL;
    }
    STDMETHOD(ContextSensitiveHelp)(BOOL) override { return S_OK; }
    STDMETHOD(InPlaceDeactivate)() override { return S_OK; }
    STDMETHOD(UIDeactivate)() override { return S_OK; }
    STDMETHOD(SetObjectRects)(LPCRECT pos, LPCRECT) override
    {
        objectRect = *pos;
        return S_OK;
    }
    STDMETHOD(ReactivateAndUndo)() override { return E_NOTIMPL; }
    STDMETHOD(OnWindowMessage)(UINT msg, WPARAM, LPARAM, LRESULT* plResult) override
    {
        messages.push_back(msg);
        *plResult = 7;
        return S_OK;
    }
    STDMETHOD(GetDropTarget)(IDropTarget**) override { return E_NOTIMPL; }

    // IViewObjectEx
    STDMETHOD(Draw)
    (DWORD, LONG, void*, DVTARGETDEVICE*, HDC, HDC hdcDraw, LPCRECTL bounds, LPCRECTL,
     BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) override
    {
        RECT rc = {bounds->left, bounds->top, bounds->right, bounds->bottom};
        HBRUSH brush = ::CreateSolidBrush(kObjectColor);
        ::FillRect(hdcDraw, &rc, brush);
        ::DeleteObject(brush);
        return S_OK;
    }
    STDMETHOD(GetColorSet)(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE**) override { return E_NOTIMPL; }
    STDMETHOD(Freeze)(DWORD, LONG, void*, DWORD*) override { return E_NOTIMPL; }
    STDMETHOD(Unfreeze)(DWORD) override { return E_NOTIMPL; }
    STDMETHOD(SetAdvise)(DWORD, DWORD, IAdviseSink*) override { return S_OK; }
    STDMETHOD(GetAdvise)(DWORD*, DWORD*, IAdviseSink**) override { return E_NOTIMPL; }
    STDMETHOD(GetExtent)(DWORD, LONG, DVTARGETDEVICE*, LPSIZEL) override { return E_NOTIMPL; }
    STDMETHOD(GetRect)(DWORD, LPRECTL) override { return E_NOTIMPL; }
    STDMETHOD(GetViewStatus)(DWORD*) override { return E_NOTIMPL; }
    STDMETHOD(QueryHitPoint)(DWORD, LPCRECT client, POINT pt, LONG, DWORD* result) override
    {
        ++hitQueries;
        *result = ::PtInRect(client, pt) ? HITRESULT_HIT : HITRESULT_OUTSIDE;
        return S_OK;
    }
    STDMETHOD(QueryHitRect)(DWORD, LPCRECT, LPCRECT, LONG, DWORD*) override { return E_NOTIMPL; }
    STDMETHOD(GetNaturalExtent)(DWORD, LONG, DVTARGETDEVICE*, HDC, DVEXTENTINFO*, LPSIZEL) override
    {
        return E_NOTIMPL;
    }

    // IOleControl
    STDMETHOD(GetControlInfo)(CONTROLINFO*) override { return E_NOTIMPL; }
    STDMETHOD(OnMnemonic)(MSG*) override { return E_NOTIMPL; }
    STDMETHOD(OnAmbientPropertyChange)(DISPID) override { return S_OK; }
    STDMETHOD(FreezeEvents)(BOOL) override { return S_OK; }

    int Count(UINT msg) const
    {
        int n = 0;
        for (UINT m : messages) n += m == msg;
        return n;
    }

    LONG ref = 1;
    bool windowless;
    bool viewEx;
    IOleClientSite* site = nullptr;
    bool inPlace = false;
    int verbs = 0;
    int hitQueries = 0;
    HWND verbParent = NULL;
    HWND siteWindow = NULL;
    RECT objectRect = {};
    SIZEL extent = {};
    std::wstring hostName;
    std::vector<UINT> messages;
};

class TestFactory : public IClassFactory
{
public:
    STDMETHOD_(ULONG, AddRef)() override { return 2; }
    STDMETHOD_(ULONG, Release)() override { return 1; }
    STDMETHOD(QueryInterface)(REFIID riid, LPVOID* ppv) override
    {
        *ppv = nullptr;
        if (riid != IID_IUnknown && riid != IID_IClassFactory) return E_NOINTERFACE;
        *ppv = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    STDMETHOD(CreateInstance)(IUnknown* outer, REFIID riid, LPVOID* ppv) override
    {
        *ppv = nullptr;
        if (outer != nullptr) return CLASS_E_NOAGGREGATION;
        TestObject* object = new TestObject(g_config);
        HRESULT hr = object->QueryInterface(riid, ppv);
        object->Release();
        return hr;
    }
    STDMETHOD(LockServer)(BOOL) override { return S_OK; }
};

TestFactory g_factory;

// Records whether the object was in place when "showactivex" arrived.
class ShowProbe : public INotifyUI
{
public:
    void Notify(TNotifyUI& msg) override
    {
        if (msg.type != L"showactivex") return;
        ++shown;
        inPlaceWhenShown = g_object != nullptr && g_object->inPlace;
    }
    int shown = 0;
    bool inPlaceWhenShown = true;
};

ULONG RefCount(IUnknown* p)
{
    p->AddRef();
    return p->Release();
}

class ActiveXTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::OleInitialize(NULL);
        ASSERT_EQ(S_OK,
                  ::CoRegisterClassObject(kTestClsid, &g_factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &m_cookie));
        g_config = {true, true};
    }
    void TearDown() override
    {
        window.reset();
        ::CoRevokeClassObject(m_cookie);
        ::OleUninitialize();
        EXPECT_EQ(0, g_liveObjects);
    }
    void Open(const std::wstring& attributes)
    {
        layout = L"<Window size=\"200,100\"><VerticalLayout><ActiveX name=\"ax\" float=\"true\" pos=\"10,10,110,60\" " +
                 attributes + L"/></VerticalLayout></Window>";
        window.reset(new TestWindow(layout.c_str(), 200, 100));
        ASSERT_TRUE(window->ok());
        ax = window->Find<CActiveXUI>(L"ax");
        ASSERT_NE(nullptr, ax);
    }
    HWND Paint() { return window->pm.GetPaintWindow(); }

    std::wstring layout;
    std::unique_ptr<TestWindow> window;
    CActiveXUI* ax = nullptr;

private:
    DWORD m_cookie = 0;
};

TEST_F(ActiveXTest, IdentifiersResolveFromTextAndUnknownOnesCreateNothing)
{
    struct Case
    {
        std::wstring text;
        bool ok;
    };
    const Case cases[] = {
        {kTestClsidText, true},
        {L"SkinUI.NoSuchControl.1", false},
        // Longer than any identifier: read whole, never cut into something valid.
        {std::wstring(kTestClsidText) + std::wstring(120, L'x'), false},
        {std::wstring(130, L'P'), false},
        {L"", false},
    };
    for (const Case& c : cases) {
        CActiveXUI control;
        EXPECT_EQ(c.ok, control.CreateControl(c.text.c_str())) << c.text.size();
        CLSID expected = c.ok ? kTestClsid : IID_NULL;
        EXPECT_TRUE(control.GetClisd() == expected) << c.text.size();
        control.SetPos(RECT{0, 0, 50, 20});
        EXPECT_EQ(0, g_liveObjects);
        LPVOID p = reinterpret_cast<LPVOID>(1);
        EXPECT_EQ(E_PENDING, control.GetControl(IID_IOleObject, &p));
        EXPECT_EQ(nullptr, p);
        EXPECT_EQ(E_POINTER, control.GetControl(IID_IOleObject, NULL));
    }
}

TEST_F(ActiveXTest, DelayCreatedAtFirstPlacementAndShownBeforeActivation)
{
    CActiveXUI* control = new CActiveXUI;
    ASSERT_TRUE(control->CreateControl(kTestClsid));
    EXPECT_TRUE(control->IsDelayCreate());
    EXPECT_EQ(0, g_liveObjects);
    delete control;

    ShowProbe probe;
    window.reset(new TestWindow(L"<Window size=\"200,100\"><VerticalLayout/></Window>", 200, 100));
    ASSERT_TRUE(window->ok());
    window->pm.AddNotifier(&probe);
    ax = new CActiveXUI;
    ax->SetName(L"ax");
    ax->SetAttribute(L"clsid", kTestClsidText);
    Place(static_cast<CContainerUI*>(window->root), ax, 10, 10, 110, 60);
    EXPECT_EQ(0, g_liveObjects);
    window->Paint();
    ASSERT_EQ(1, g_liveObjects);
    EXPECT_EQ(1, probe.shown);
    EXPECT_FALSE(probe.inPlaceWhenShown);
    EXPECT_TRUE(g_object->inPlace);
    EXPECT_EQ(L"UIActiveX", g_object->hostName);
    EXPECT_EQ(Paint(), g_object->verbParent);
    // 100 x 50 pixels in HIMETRIC at the screen's resolution.
    HDC screen = ::GetDC(NULL);
    EXPECT_EQ(::MulDiv(2540, 100, ::GetDeviceCaps(screen, LOGPIXELSX)), g_object->extent.cx);
    EXPECT_EQ(::MulDiv(2540, 50, ::GetDeviceCaps(screen, LOGPIXELSY)), g_object->extent.cy);
    ::ReleaseDC(NULL, screen);
    window->pm.RemoveNotifier(&probe);

    // Switching delay create off creates at once.
    CActiveXUI now;
    now.SetManager(&window->pm, NULL, false);
    now.CreateControl(kTestClsid);
    EXPECT_EQ(1, g_liveObjects);
    now.SetDelayCreate(false);
    EXPECT_EQ(2, g_liveObjects);
    now.SetManager(NULL, NULL, false);
}

TEST_F(ActiveXTest, SiteSharesOneIdentityAndTheObjectIsReleasedWithTheControl)
{
    Open(std::wstring(L"clsid=\"") + kTestClsidText + L"\"");
    ASSERT_NE(nullptr, g_object);
    IOleClientSite* site = g_object->site;
    ASSERT_NE(nullptr, site);
    IUnknown* identity = nullptr;
    ASSERT_EQ(S_OK, site->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)));
    const IID* iids[] = {
        &IID_IOleClientSite, &IID_IOleInPlaceSiteWindowless, &IID_IOleInPlaceSiteEx, &IID_IOleInPlaceSite,
        &IID_IOleWindow,     &IID_IOleControlSite,           &IID_IObjectWithSite,   &IID_IOleContainer};
    const ULONG before = RefCount(site);
    for (const IID* iid : iids) {
        IUnknown* p = nullptr;
        ASSERT_EQ(S_OK, site->QueryInterface(*iid, reinterpret_cast<void**>(&p)));
        EXPECT_EQ(before + 1, RefCount(site));
        IUnknown* back = nullptr;
        p->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&back));
        EXPECT_EQ(identity, back);
        back->Release();
        p->Release();
    }
    EXPECT_EQ(before, RefCount(site));
    IDispatch* none = nullptr;
    EXPECT_EQ(E_NOINTERFACE, site->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&none)));
    identity->Release();

    // The container enumerates the one object once.
    IOleContainer* container = nullptr;
    ASSERT_EQ(S_OK, site->GetContainer(&container));
    IEnumUnknown* objects = nullptr;
    ASSERT_EQ(S_OK, container->EnumObjects(OLECONTF_EMBEDDINGS, &objects));
    IUnknown* first = nullptr;
    ULONG fetched = 0;
    EXPECT_EQ(S_OK, objects->Next(1, &first, &fetched));
    EXPECT_EQ(1u, fetched);
    EXPECT_EQ(static_cast<IUnknown*>(static_cast<IOleObject*>(g_object)), first);
    first->Release();
    EXPECT_EQ(S_FALSE, objects->Next(1, &first, &fetched));
    EXPECT_EQ(0u, fetched);
    objects->Release();
    container->Release();

    // The frame handed out answers with the paint window.
    IOleInPlaceSite* inPlace = nullptr;
    ASSERT_EQ(S_OK, site->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&inPlace)));
    IOleInPlaceFrame* frame = nullptr;
    IOleInPlaceUIWindow* doc = nullptr;
    RECT pos = {}, clip = {};
    OLEINPLACEFRAMEINFO info = {};
    ASSERT_EQ(S_OK, inPlace->GetWindowContext(&frame, &doc, &pos, &clip, &info));
    HWND frameWindow = NULL;
    frame->GetWindow(&frameWindow);
    EXPECT_EQ(Paint(), frameWindow);
    EXPECT_EQ(Paint(), info.hwndFrame);
    EXPECT_EQ(sizeof(OLEINPLACEFRAMEINFO), info.cb); // 20 bytes in a 32-bit build, 32 in a 64-bit one
    EXPECT_EQ(1u, info.cAccelEntries);
    EXPECT_EQ(nullptr, doc);
    frame->SetActiveObject(nullptr, nullptr);
    frame->Release();
    inPlace->Release();

    // Deleting the control releases the object (the window goes with it).
    window.reset();
    EXPECT_EQ(0, g_liveObjects);
}

TEST_F(ActiveXTest, WindowlessObjectDrawsIntoThePaintDC)
{
    Open(std::wstring(L"clsid=\"") + kTestClsidText + L"\"");
    EXPECT_EQ(Paint(), ax->GetHostWindow());
    RECT expected = {10, 10, 110, 60};
    EXPECT_TRUE(::EqualRect(&expected, &g_object->objectRect));
    TestCanvas canvas(200, 100);
    canvas.Fill(0xFF000000);
    window->PaintInto(canvas);
    const Rgb green = {0x20, 0xC0, 0x40};
    EXPECT_EQ(100 * 50, CountColor(canvas, expected, green));
    EXPECT_FALSE(SameColor(green, canvas.At(5, 5)));
    EXPECT_FALSE(SameColor(green, canvas.At(120, 70)));
}

TEST_F(ActiveXTest, FilterForwardsMessagesThatHitTheObject)
{
    // With and without hit testing by the object: the control's rectangle decides.
    for (bool viewEx : {true, false}) {
        g_config = {true, viewEx};
        Open(std::wstring(L"clsid=\"") + kTestClsidText + L"\"");
        TestObject* object = g_object;
        ASSERT_NE(nullptr, object);
        window->Move(50, 30);
        window->Move(150, 80);
        EXPECT_EQ(1, object->Count(WM_MOUSEMOVE)) << viewEx;
        EXPECT_EQ(viewEx ? 2 : 0, object->hitQueries);
        // Keys only while the object holds the focus.
        window->Send(WM_KEYDOWN, 'A');
        EXPECT_EQ(0, object->Count(WM_KEYDOWN));
        IOleInPlaceSiteWindowless* site = nullptr;
        ASSERT_EQ(S_OK, object->site->QueryInterface(IID_IOleInPlaceSiteWindowless, reinterpret_cast<void**>(&site)));
        site->SetFocus(TRUE);
        EXPECT_EQ(ax, window->pm.GetFocus());
        window->Send(WM_KEYDOWN, 'A');
        EXPECT_EQ(1, object->Count(WM_KEYDOWN));
        // Captured: mouse messages outside reach the object too.
        site->SetCapture(TRUE);
        window->Move(150, 80);
        EXPECT_EQ(2, object->Count(WM_MOUSEMOVE));
        site->SetCapture(FALSE);
        // Other messages are not the object's.
        window->Send(WM_TIMER, 99);
        EXPECT_EQ(0, object->Count(WM_TIMER));
        // Mouse input off: no mouse messages.
        ax->SetMouseEnabled(false);
        window->Move(50, 30);
        EXPECT_EQ(2, object->Count(WM_MOUSEMOVE));
        site->Release();
        window.reset();
    }
}

TEST_F(ActiveXTest, ActivatingTwiceLeavesOneFilterAndNoReference)
{
    Open(std::wstring(L"clsid=\"") + kTestClsidText + L"\"");
    IOleInPlaceSiteWindowless* site = nullptr;
    ASSERT_EQ(S_OK, g_object->site->QueryInterface(IID_IOleInPlaceSiteWindowless, reinterpret_cast<void**>(&site)));
    BOOL noRedraw = FALSE;
    ASSERT_EQ(S_OK, site->OnInPlaceActivateEx(&noRedraw, ACTIVATE_WINDOWLESS));
    site->Release();
    CContainerUI* root = static_cast<CContainerUI*>(window->root);
    // The control leaves the window; the window lives on and gets mouse messages.
    ASSERT_TRUE(root->Remove(ax));
    PumpMessages();
    EXPECT_EQ(0, g_liveObjects);
    window->Move(50, 30);
    window->Send(WM_KEYDOWN, 'A');
}

TEST_F(ActiveXTest, WindowedObjectGetsAHostWindowThatFollowsTheControl)
{
    g_config = {false, true};
    Open(std::wstring(L"clsid=\"") + kTestClsidText + L"\"");
    ASSERT_NE(nullptr, g_object);
    HWND host = ax->GetHostWindow();
    ASSERT_TRUE(::IsWindow(host));
    EXPECT_NE(Paint(), host);
    EXPECT_EQ(Paint(), ::GetParent(host));
    EXPECT_EQ(host, g_object->siteWindow);
    wchar_t className[64] = {};
    ::GetClassNameW(host, className, 64);
    EXPECT_STREQ(L"ActiveXWnd", className);

    struct Step
    {
        RECT pos;
    };
    const Step steps[] = {{{10, 10, 110, 60}}, {{30, 20, 90, 80}}};
    for (const Step& step : steps) {
        ax->SetPos(step.pos);
        RECT rc = {};
        ::GetWindowRect(host, &rc);
        ::MapWindowPoints(NULL, Paint(), reinterpret_cast<POINT*>(&rc), 2);
        EXPECT_TRUE(::EqualRect(&step.pos, &rc)) << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom;
        RECT origin = {0, 0, step.pos.right - step.pos.left, step.pos.bottom - step.pos.top};
        EXPECT_TRUE(::EqualRect(&origin, &g_object->objectRect));
    }
    EXPECT_TRUE(::IsWindowVisible(host));
    ax->SetVisible(false);
    EXPECT_FALSE(::IsWindowVisible(host));
    ax->SetVisible(true);
    EXPECT_TRUE(::IsWindowVisible(host));

    // Painting draws nothing of a windowed object into the paint DC.
    TestCanvas canvas(200, 100);
    canvas.Fill(0xFF000000);
    window->PaintInto(canvas);
    EXPECT_EQ(0, CountColor(canvas, RECT{10, 10, 110, 60}, Rgb{0x20, 0xC0, 0x40}));

    // A mouse message on the paint window is not the windowed object's.
    window->Move(50, 30);
    EXPECT_EQ(0, g_object->Count(WM_MOUSEMOVE));
    window.reset();
    EXPECT_FALSE(::IsWindow(host));
}

// The browser asks its client site for the document host's interfaces. The
// site has none of its own: it passes the question to the control that owns
// it, and only a control that answers them (the web browser) gives one.
TEST_F(ActiveXTest, SitePassesDocumentHostQuestionsToItsControl)
{
    const CLSID kWebBrowserClsid = {0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};
    DWORD cookie = 0;
    ASSERT_EQ(S_OK,
              ::CoRegisterClassObject(kWebBrowserClsid, &g_factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie));
    struct Case
    {
        std::wstring element;
        bool answered;
    };
    const Case cases[] = {
        {std::wstring(L"ActiveX clsid=\"") + kTestClsidText + L"\"", false},
        {L"WebBrowser", true},
    };
    const IID* asked[] = {&IID_IDocHostUIHandler, &IID_IOleCommandTarget, &IID_IServiceProvider};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.answered ? "web browser" : "plain host"));
        layout = L"<Window size=\"200,100\"><VerticalLayout><" + c.element +
                 L" name=\"ax\" float=\"true\" pos=\"10,10,110,60\"/></VerticalLayout></Window>";
        window.reset(new TestWindow(layout.c_str(), 200, 100));
        ASSERT_TRUE(window->ok());
        ASSERT_NE(nullptr, g_object);
        ASSERT_NE(nullptr, g_object->site);
        for (const IID* iid : asked) {
            IUnknown* p = nullptr;
            HRESULT hr = g_object->site->QueryInterface(*iid, reinterpret_cast<void**>(&p));
            EXPECT_EQ(c.answered ? S_OK : E_NOINTERFACE, hr);
            EXPECT_EQ(c.answered, p != nullptr);
            if (p != nullptr) p->Release();
        }
        if (c.answered) {
            // The browser control's own answers are reached: a script error is answered silently.
            IOleCommandTarget* target = nullptr;
            ASSERT_EQ(S_OK, g_object->site->QueryInterface(IID_IOleCommandTarget, reinterpret_cast<void**>(&target)));
            const GUID docHost = {0xF38BC242, 0xB950, 0x11D1, {0x89, 0x18, 0x00, 0xC0, 0x4F, 0xC2, 0xC8, 0x36}};
            VARIANT out;
            ::VariantInit(&out);
            EXPECT_EQ(S_OK, target->Exec(&docHost, 40, 0, NULL, &out));
            EXPECT_EQ(VT_BOOL, out.vt);
            EXPECT_EQ(VARIANT_TRUE, out.boolVal);
            target->Release();
            IDocHostUIHandler* host = nullptr;
            ASSERT_EQ(S_OK, g_object->site->QueryInterface(IID_IDocHostUIHandler, reinterpret_cast<void**>(&host)));
            EXPECT_EQ(S_FALSE, host->ShowContextMenu(0, NULL, NULL, NULL));
            host->Release();
        }
        window.reset();
    }
    ::CoRevokeClassObject(cookie);
}

} // namespace
