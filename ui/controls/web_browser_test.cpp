// CWebBrowserUI without a browser (Wine's needs Gecko): its identity and
// attributes, the document host's answers with and without a handler, the
// events passed on, and the silent answer to script errors.
#include <windows.h>
#include <ole2.h>

#include <memory>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "web_browser.h"

using namespace SkinUI;

namespace {

class RecordingHandler : public CWebBrowserEventHandler
{
public:
    void NavigateComplete2(IDispatch*, VARIANT*& url) override { urls.push_back(url->bstrVal); }
    void CommandStateChange(long command, VARIANT_BOOL enable) override
    {
        commands.push_back(command * 10 + (enable ? 1 : 0));
    }
    std::vector<std::wstring> urls;
    std::vector<long> commands;
};

TEST(WebBrowserTest, IdentityAttributesAndNothingBeforeCreation)
{
    CWebBrowserUI web;
    EXPECT_STREQ(L"WebBrowserUI", web.GetClass());
    EXPECT_EQ(static_cast<CWebBrowserUI*>(&web), web.GetInterface(L"WebBrowser"));
    CLSID expected = {};
    ::CLSIDFromString(const_cast<LPOLESTR>(L"{8856F961-340A-11D0-A96B-00C04FD705A2}"), &expected);
    EXPECT_TRUE(web.GetClisd() == expected);
    EXPECT_TRUE(web.IsDelayCreate());
    web.SetAttribute(L"homepage", L"about:blank");
    web.SetAttribute(L"autonavi", L"true");
    EXPECT_STREQ(L"about:blank", web.GetHomePage());
    EXPECT_TRUE(web.IsAutoNavigation());
    web.SetAttribute(L"autonavi", L"yes");
    EXPECT_FALSE(web.IsAutoNavigation());
    // No browser yet: navigation and the rest do nothing.
    web.Navigate2(L"about:blank");
    web.NavigateHomePage();
    web.Refresh2(3);
    web.GoBack();
    EXPECT_EQ(nullptr, web.GetWebBrowser2());
    EXPECT_EQ(nullptr, web.GetHtmlWindow());

    const IID* answered[] = {&IID_IDocHostUIHandler, &IID_IDispatch, &IID_IServiceProvider, &IID_IOleCommandTarget};
    for (const IID* iid : answered) {
        void* p = nullptr;
        EXPECT_EQ(S_OK, web.QueryInterface(*iid, &p));
        EXPECT_NE(nullptr, p);
        web.Release();
    }
}

TEST(WebBrowserTest, DocumentHostAnswersWithAndWithoutAHandler)
{
    CWebBrowserUI web;
    DOCHOSTUIINFO info = {};
    EXPECT_EQ(S_FALSE, web.ShowContextMenu(0, NULL, NULL, NULL));
    EXPECT_EQ(E_NOTIMPL, web.GetHostInfo(&info));
    EXPECT_EQ(S_FALSE, web.GetExternal(NULL));
    OLECHAR* out = reinterpret_cast<OLECHAR*>(1);
    EXPECT_EQ(E_NOTIMPL, web.TranslateUrl(0, const_cast<OLECHAR*>(L"x"), &out));
    EXPECT_EQ(nullptr, out);

    CWebBrowserEventHandler defaults;
    web.SetWebBrowserEventHandler(&defaults);
    EXPECT_EQ(S_OK, web.ShowContextMenu(0, NULL, NULL, NULL));
    EXPECT_EQ(S_OK, web.GetHostInfo(&info));
    EXPECT_EQ(sizeof(DOCHOSTUIINFO), info.cbSize);
    EXPECT_EQ(static_cast<DWORD>(DOCHOSTUIFLAG_NO3DBORDER), info.dwFlags);
    EXPECT_EQ(S_FALSE, web.ShowUI(0, NULL, NULL, NULL, NULL));
    EXPECT_EQ(E_NOTIMPL, web.GetExternal(NULL));

    // The download manager is offered only as itself.
    const IID downloads = {0x988934A4, 0x064B, 0x11D3, {0xBB, 0x80, 0x00, 0x10, 0x4B, 0x35, 0xE7, 0xF9}};
    void* p = nullptr;
    EXPECT_EQ(S_OK, web.QueryService(downloads, downloads, &p));
    EXPECT_NE(nullptr, p);
    EXPECT_EQ(E_NOINTERFACE, web.QueryService(downloads, IID_IDispatch, &p));
    EXPECT_EQ(nullptr, p);
}

TEST(WebBrowserTest, ScriptErrorsAreAnsweredSilently)
{
    CWebBrowserUI web;
    const GUID docHost = {0xF38BC242, 0xB950, 0x11D1, {0x89, 0x18, 0x00, 0xC0, 0x4F, 0xC2, 0xC8, 0x36}};
    VARIANT in, out;
    ::VariantInit(&in);
    ::VariantInit(&out);
    EXPECT_EQ(S_OK, web.Exec(&docHost, 40, 0, &in, &out));
    EXPECT_EQ(VT_BOOL, out.vt);
    EXPECT_EQ(VARIANT_TRUE, out.boolVal);
    EXPECT_EQ(S_OK, web.Exec(&docHost, 40, 0, NULL, NULL));
    EXPECT_EQ(OLECMDERR_E_NOTSUPPORTED, web.Exec(&docHost, 41, 0, &in, &out));
    EXPECT_EQ(OLECMDERR_E_NOTSUPPORTED, web.Exec(NULL, 40, 0, &in, &out));
    EXPECT_EQ(OLECMDERR_E_NOTSUPPORTED, web.QueryStatus(&docHost, 0, NULL, NULL));
}

TEST(WebBrowserTest, EventsOfTheirShapeReachTheHandler)
{
    CWebBrowserUI web;
    RecordingHandler handler;
    web.SetWebBrowserEventHandler(&handler);
    VARIANT url;
    ::VariantInit(&url);
    url.vt = VT_BSTR;
    url.bstrVal = ::SysAllocString(L"about:blank");
    VARIANT args[2];
    ::VariantInit(&args[0]);
    ::VariantInit(&args[1]);
    args[0].vt = VT_VARIANT | VT_BYREF;
    args[0].pvarVal = &url;
    args[1].vt = VT_DISPATCH;
    args[1].pdispVal = NULL;
    DISPPARAMS params = {args, NULL, 2, 0};
    EXPECT_EQ(S_OK, web.Invoke(252, IID_NULL, 0, DISPATCH_METHOD, &params, NULL, NULL, NULL));
    ASSERT_EQ(1u, handler.urls.size());
    EXPECT_EQ(L"about:blank", handler.urls[0]);
    // Too few arguments for the event: not read.
    DISPPARAMS shortParams = {args, NULL, 1, 0};
    EXPECT_EQ(S_OK, web.Invoke(252, IID_NULL, 0, DISPATCH_METHOD, &shortParams, NULL, NULL, NULL));
    EXPECT_EQ(S_OK, web.Invoke(250, IID_NULL, 0, DISPATCH_METHOD, &shortParams, NULL, NULL, NULL));
    EXPECT_EQ(1u, handler.urls.size());

    VARIANT state[2];
    ::VariantInit(&state[0]);
    ::VariantInit(&state[1]);
    state[0].vt = VT_BOOL;
    state[0].boolVal = VARIANT_TRUE;
    state[1].vt = VT_I4;
    state[1].lVal = 2;
    DISPPARAMS stateParams = {state, NULL, 2, 0};
    web.Invoke(105, IID_NULL, 0, DISPATCH_METHOD, &stateParams, NULL, NULL, NULL);
    ASSERT_EQ(1u, handler.commands.size());
    EXPECT_EQ(21, handler.commands[0]);
    ::VariantClear(&url);
}

TEST(WebBrowserTest, AnswersIUnknownWithTheIdentityOfEveryInterface)
{
    CWebBrowserUI web;
    IUnknown* identity = nullptr;
    ASSERT_EQ(S_OK, web.QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)));
    ASSERT_NE(nullptr, identity);
    const IID* answered[] = {&IID_IDocHostUIHandler, &IID_IDispatch, &IID_IServiceProvider, &IID_IOleCommandTarget};
    for (const IID* iid : answered) {
        IUnknown* p = nullptr;
        ASSERT_EQ(S_OK, web.QueryInterface(*iid, reinterpret_cast<void**>(&p)));
        IUnknown* back = nullptr;
        ASSERT_EQ(S_OK, p->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&back)));
        EXPECT_EQ(identity, back);
        back->Release();
        p->Release();
    }
    identity->Release();
}

// A loaded document as the browser keeps it: it holds a reference to the UI
// handler it was given until it is given another one.
class FakeDocument : public ICustomDoc
{
public:
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override
    {
        *ppv = nullptr;
        if (riid != IID_IUnknown && riid != kCustomDoc) return E_NOINTERFACE;
        *ppv = static_cast<ICustomDoc*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHOD_(ULONG, AddRef)() override { return ++refs; }
    STDMETHOD_(ULONG, Release)() override { return --refs; }
    STDMETHOD(SetUIHandler)(IDocHostUIHandler* p) override
    {
        if (p != nullptr) p->AddRef();
        if (handler != nullptr) handler->Release();
        handler = p;
        return S_OK;
    }

    static const IID kCustomDoc;
    ULONG refs = 1;
    IDocHostUIHandler* handler = nullptr;
};

const IID FakeDocument::kCustomDoc = {0x3050F3F0, 0x98B5, 0x11CF, {0xBB, 0x82, 0x00, 0xAA, 0x00, 0xBD, 0xCE, 0x0B}};

class HostingBrowser : public CWebBrowserUI
{
public:
    using CWebBrowserUI::HostDocument;
    using CWebBrowserUI::ReleaseControl;
};

TEST(WebBrowserTest, ADocumentKeepsNoHandlerOnceTheControlLetsGo)
{
    struct Case
    {
        const char* how;
        void (*end)(std::unique_ptr<HostingBrowser>& web);
    };
    const Case cases[] = {
        {"control freed", [](std::unique_ptr<HostingBrowser>& web) { web.reset(); }},
        {"control released", [](std::unique_ptr<HostingBrowser>& web) { web->ReleaseControl(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        FakeDocument doc;
        auto web = std::make_unique<HostingBrowser>();
        web->HostDocument(&doc);
        EXPECT_EQ(static_cast<IDocHostUIHandler*>(web.get()), doc.handler);
        c.end(web);
        EXPECT_EQ(nullptr, doc.handler);
        EXPECT_EQ(1u, doc.refs);
    }

    // A newer document takes over; the older one is told to let go.
    FakeDocument first, second;
    HostingBrowser web;
    web.HostDocument(&first);
    web.HostDocument(&second);
    EXPECT_EQ(nullptr, first.handler);
    EXPECT_EQ(1u, first.refs);
    EXPECT_EQ(static_cast<IDocHostUIHandler*>(&web), second.handler);
    web.ReleaseControl();
    EXPECT_EQ(nullptr, second.handler);
}

class CountingHandler : public CWebBrowserEventHandler
{
public:
    void BeforeNavigate2(IDispatch*, VARIANT*&, VARIANT*&, VARIANT*&, VARIANT*&, VARIANT*&, VARIANT_BOOL*&) override
    {
        ++calls;
    }
    void NavigateError(IDispatch*, VARIANT*&, VARIANT*&, VARIANT*&, VARIANT_BOOL*&) override { ++calls; }
    void NavigateComplete2(IDispatch*, VARIANT*&) override { ++calls; }
    void NewWindow3(IDispatch**, VARIANT_BOOL*&, DWORD, BSTR, BSTR) override { ++calls; }
    void CommandStateChange(long, VARIANT_BOOL) override { ++calls; }
    int calls = 0;
};

TEST(WebBrowserTest, EventsWithAnArgumentOfAnotherTypeAreNotRead)
{
    const VARTYPE byVariant = VT_VARIANT | VT_BYREF;
    const VARTYPE byBool = VT_BOOL | VT_BYREF;
    // The arguments as the browser sends them, last first.
    struct Event
    {
        DISPID id;
        std::vector<VARTYPE> types;
    };
    const Event events[] = {
        {105, {VT_BOOL, VT_I4}},
        {250, {byBool, byVariant, byVariant, byVariant, byVariant, byVariant, VT_DISPATCH}},
        {252, {byVariant, VT_DISPATCH}},
        {271, {byBool, byVariant, byVariant, byVariant, VT_DISPATCH}},
        {273, {VT_BSTR, VT_BSTR, VT_I4, byBool, VT_DISPATCH | VT_BYREF}},
    };
    VARIANT target;
    ::VariantInit(&target);
    VARIANT_BOOL flag = VARIANT_FALSE;
    IDispatch* window = nullptr;
    wchar_t text[] = L"x";
    auto makeArgs = [&](const std::vector<VARTYPE>& types) {
        std::vector<VARIANT> args(types.size());
        for (size_t i = 0; i < types.size(); ++i) {
            ::VariantInit(&args[i]);
            args[i].vt = types[i];
            if (types[i] == byVariant) args[i].pvarVal = &target;
            else if (types[i] == byBool) args[i].pboolVal = &flag;
            else if (types[i] == (VT_DISPATCH | VT_BYREF)) args[i].ppdispVal = &window;
            else if (types[i] == VT_BSTR) args[i].bstrVal = text;
        }
        return args;
    };
    for (const Event& e : events) {
        // As sent: read once. One argument of another type at any place: not read.
        for (int wrong = -1; wrong < static_cast<int>(e.types.size()); ++wrong) {
            SCOPED_TRACE(testing::Message() << "event " << e.id << ", argument " << wrong << " of another type");
            std::vector<VARTYPE> types = e.types;
            if (wrong >= 0) types[wrong] = types[wrong] == VT_I4 ? VT_BSTR : VT_I4;
            std::vector<VARIANT> args = makeArgs(types);
            DISPPARAMS params = {args.data(), NULL, static_cast<UINT>(args.size()), 0};
            CWebBrowserUI web;
            CountingHandler handler;
            web.SetWebBrowserEventHandler(&handler);
            EXPECT_EQ(S_OK, web.Invoke(e.id, IID_NULL, 0, DISPATCH_METHOD, &params, NULL, NULL, NULL));
            EXPECT_EQ(wrong < 0 ? 1 : 0, handler.calls);
        }
    }
}

} // namespace
