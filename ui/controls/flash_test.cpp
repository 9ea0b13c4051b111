// CFlashUI: its identity, the events its sink passes to the handler and the
// handler's reference counting. No Flash object exists here: the sink is fed
// as the object would feed it.
#include <windows.h>
#include <ole2.h>

#include <string>
#include <vector>

#include "flash.h"
#include "gtest/gtest.h"

using namespace SkinUI;

namespace {

class RecordingHandler : public CFlashEventHandler
{
public:
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    HRESULT OnReadyStateChange(long state) override
    {
        calls.push_back(L"ready " + std::to_wstring(state));
        return S_OK;
    }
    HRESULT OnProgress(long percent) override
    {
        calls.push_back(L"progress " + std::to_wstring(percent));
        return S_OK;
    }
    HRESULT FSCommand(const wchar_t* command, const wchar_t* args) override
    {
        calls.push_back(std::wstring(L"fs ") + command + L"|" + args);
        return S_OK;
    }
    HRESULT FlashCall(const wchar_t* request) override
    {
        calls.push_back(std::wstring(L"call ") + request);
        return S_OK;
    }
    int refs = 0;
    std::vector<std::wstring> calls;
};

VARIANT Bstr(const wchar_t* text)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = ::SysAllocString(text);
    return v;
}

VARIANT Long(long value)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

TEST(FlashTest, IdentityAndClass)
{
    CFlashUI flash;
    EXPECT_STREQ(L"Flash", flash.GetClass());
    EXPECT_EQ(static_cast<CFlashUI*>(&flash), flash.GetInterface(L"Flash"));
    EXPECT_NE(nullptr, flash.GetInterface(L"ActiveX"));
    CLSID expected = {};
    ::CLSIDFromString(const_cast<LPOLESTR>(L"{D27CDB6E-AE6D-11CF-96B8-444553540000}"), &expected);
    EXPECT_TRUE(flash.GetClisd() == expected);
    EXPECT_TRUE(flash.IsDelayCreate());
    // Accepted and ignored.
    flash.SetAttribute(L"homepage", L"http://example.invalid/");
    flash.SetAttribute(L"autonavi", L"true");

    const IID events = {0xD27CDB6D, 0xAE6D, 0x11CF, {0x96, 0xB8, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
    const IID* answered[] = {&IID_IUnknown, &IID_IDispatch, &events};
    for (const IID* iid : answered) {
        void* p = nullptr;
        EXPECT_EQ(S_OK, flash.QueryInterface(*iid, &p));
        EXPECT_EQ(static_cast<IDispatch*>(&flash), p);
        flash.Release();
    }
    void* p = nullptr;
    EXPECT_EQ(E_NOINTERFACE, flash.QueryInterface(IID_IOleObject, &p));
    UINT count = 0;
    EXPECT_EQ(E_NOTIMPL, flash.GetTypeInfoCount(&count));
    // Nothing created: no Flash interface, no keys taken.
    EXPECT_EQ(nullptr, flash.GetShockwaveFlash());
    MSG msg = {NULL, WM_KEYDOWN, 'A', 0, 0, {0, 0}};
    EXPECT_EQ(S_FALSE, flash.TranslateAccelerator(&msg));
}

TEST(FlashTest, EventsReachTheHandlerOnlyInTheirShape)
{
    struct Case
    {
        DISPID id;
        std::vector<VARIANT> args; // last argument first, as the sink receives them
        const wchar_t* expected;   // nullptr: ignored
    };
    const Case cases[] = {
        {-609, {Long(4)}, L"ready 4"},
        {1958, {Long(55)}, L"progress 55"},
        {150, {Bstr(L"args"), Bstr(L"cmd")}, L"fs cmd|args"},
        {150, {Bstr(L"cmd")}, nullptr},
        {150, {Long(1), Bstr(L"cmd")}, nullptr},
        {197, {Bstr(L"<invoke/>")}, L"call <invoke/>"},
        {197, {Long(3)}, nullptr},
        {197, {Bstr(L"a"), Bstr(L"b")}, nullptr},
        {12345, {Long(1)}, nullptr},
    };
    for (const Case& c : cases) {
        CFlashUI flash;
        RecordingHandler handler;
        std::vector<VARIANT> args = c.args;
        DISPPARAMS params = {args.data(), NULL, static_cast<UINT>(args.size()), 0};
        // Without a handler every event is answered S_OK.
        EXPECT_EQ(S_OK, flash.Invoke(c.id, IID_NULL, 0, DISPATCH_METHOD, &params, NULL, NULL, NULL));
        flash.SetFlashEventHandler(&handler);
        EXPECT_EQ(S_OK, flash.Invoke(c.id, IID_NULL, 0, DISPATCH_METHOD, &params, NULL, NULL, NULL));
        if (c.expected == nullptr) {
            EXPECT_TRUE(handler.calls.empty()) << c.id;
        } else {
            ASSERT_EQ(1u, handler.calls.size()) << c.id;
            EXPECT_EQ(c.expected, handler.calls[0]);
        }
        flash.SetFlashEventHandler(nullptr);
        for (VARIANT& v : args) ::VariantClear(&v);
    }
}

TEST(FlashTest, ReplacingTheHandlerReleasesTheOldOneOnce)
{
    RecordingHandler first, second;
    {
        CFlashUI flash;
        flash.SetFlashEventHandler(&first);
        EXPECT_EQ(1, first.refs);
        // The same handler again keeps exactly its one reference.
        flash.SetFlashEventHandler(&first);
        EXPECT_EQ(1, first.refs);
        flash.SetFlashEventHandler(&second);
        EXPECT_EQ(0, first.refs);
        EXPECT_EQ(1, second.refs);
    }
    EXPECT_EQ(0, first.refs);
    EXPECT_EQ(0, second.refs);
}

} // namespace
