// CWebBrowserUI without a browser (Wine's needs Gecko): its identity and
// attributes, the document host's answers with and without a handler, the
// events passed on, and the silent answer to script errors.
#include <windows.h>
#include <ole2.h>

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

} // namespace
