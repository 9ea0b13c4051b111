// Tests of the scope classes: COM references counted and released exactly once,
// VARIANTs cleared, DCs released, off-screen surfaces freed at scope end.
#include "gdi_scope.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using SkinUI::BstrString;
using SkinUI::ComPtr;
using SkinUI::OffscreenSurface;
using SkinUI::VariantValue;
using SkinUI::WindowDC;

// An object that only counts its references; it lives on the stack, so a count
// that ends below zero or above the start shows a leak or an extra release.
class Counted : public IDispatch
{
public:
    ULONG refs = 0;
    IID lastAsked = IID_NULL;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        lastAsked = riid;
        if (riid == IID_IUnknown || riid == IID_IDispatch) {
            *ppv = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        if (riid == IID_IPersist) {  // a careless callee: success without an answer
            *ppv = nullptr;
            return S_OK;
        }
        *ppv = reinterpret_cast<void*>(0x1);  // a careless callee's garbage
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
    STDMETHODIMP_(ULONG) Release() override { return --refs; }
    STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }
};

// Each case runs on a fresh object and reads its count twice: while the
// pointers are alive and after they all left scope.
struct ComCase
{
    const char* name;
    void (*run)(Counted& object, ULONG& countInside);
    ULONG inside;
};

const ComCase kComCases[] = {
    {"raw pointer adds its own reference",
     [](Counted& o, ULONG& in) {
         ComPtr<IDispatch> p(&o);
         in = o.refs;
     },
     1},
    {"copy adds a reference",
     [](Counted& o, ULONG& in) {
         ComPtr<IDispatch> a(&o);
         ComPtr<IDispatch> b(a);
         ComPtr<IDispatch> c;
         c = b;
         in = o.refs;
     },
     3},
    {"move hands the reference over",
     [](Counted& o, ULONG& in) {
         ComPtr<IDispatch> a(&o);
         ComPtr<IDispatch> b(std::move(a));
         ComPtr<IDispatch> c;
         c = std::move(b);
         in = o.refs;
         EXPECT_EQ(nullptr, a.Get());
         EXPECT_EQ(nullptr, b.Get());
     },
     1},
    {"assigning over a held pointer releases the old one",
     [](Counted& o, ULONG& in) {
         Counted other;
         ComPtr<IDispatch> a(&o);
         ComPtr<IDispatch> b(&other);
         a = b;
         in = o.refs;
         EXPECT_EQ(2u, other.refs);
         a.Reset();
         b.Reset();
         EXPECT_EQ(0u, other.refs);
     },
     0},
    {"self assignment keeps the reference",
     [](Counted& o, ULONG& in) {
         ComPtr<IDispatch> a(&o);
         ComPtr<IDispatch>& same = a;
         a = same;
         in = o.refs;
         EXPECT_EQ(&o, a.Get());
     },
     1},
    {"attach takes over a reference without adding one",
     [](Counted& o, ULONG& in) {
         o.AddRef();
         ComPtr<IDispatch> p;
         p.Attach(&o);
         in = o.refs;
     },
     1},
    {"detach hands the reference out",
     [](Counted& o, ULONG& in) {
         ComPtr<IDispatch> p(&o);
         IDispatch* raw = p.Detach();
         in = o.refs;
         EXPECT_EQ(nullptr, p.Get());
         raw->Release();
     },
     1},
    {"receive releases what was held before the out parameter fills it",
     [](Counted& o, ULONG& in) {
         ComPtr<IUnknown> p(&o);
         EXPECT_EQ(S_OK, o.QueryInterface(IID_IUnknown, p.ReceiveVoid()));
         in = o.refs;
     },
     1},
    {"query keeps the answered reference",
     [](Counted& o, ULONG& in) {
         ComPtr<IDispatch> p;
         EXPECT_EQ(S_OK, p.QueryFrom(&o, IID_IDispatch));
         EXPECT_TRUE(o.lastAsked == IID_IDispatch);
         in = o.refs;
         EXPECT_EQ(static_cast<IDispatch*>(&o), p.Get());
     },
     1},
    {"a refused query leaves the pointer empty, whatever the callee wrote",
     [](Counted& o, ULONG& in) {
         ComPtr<IDispatch> p(&o);
         EXPECT_EQ(E_NOINTERFACE, p.QueryFrom(&o, IID_IClassFactory));
         in = o.refs;
         EXPECT_EQ(nullptr, p.Get());
     },
     0},
    {"a query answered with success but no pointer fails",
     [](Counted& o, ULONG& in) {
         ComPtr<IPersist> p;
         EXPECT_EQ(E_NOINTERFACE, p.QueryFrom(&o, IID_IPersist));
         in = o.refs;
         EXPECT_EQ(nullptr, p.Get());
     },
     0},
    {"a query on nothing fails without touching anything",
     [](Counted& o, ULONG& in) {
         ComPtr<IDispatch> p;
         EXPECT_EQ(E_POINTER, p.QueryFrom(nullptr, IID_IDispatch));
         in = o.refs;
     },
     0},
    {"a VARIANT holding an object releases it at scope end",
     [](Counted& o, ULONG& in) {
         VariantValue v;
         V_VT(v.Ptr()) = VT_DISPATCH;
         V_DISPATCH(v.Ptr()) = &o;
         o.AddRef();
         in = o.refs;
     },
     1},
    {"a VARIANT received into is cleared first",
     [](Counted& o, ULONG& in) {
         VariantValue v;
         V_VT(v.Ptr()) = VT_DISPATCH;
         V_DISPATCH(v.Ptr()) = &o;
         o.AddRef();
         VARIANT* out = v.Receive();
         in = o.refs;
         EXPECT_EQ(VT_EMPTY, V_VT(out));
     },
     0},
};

TEST(ComScopeTest, ReferencesCountedAndReleasedOnce)
{
    for (const ComCase& c : kComCases) {
        SCOPED_TRACE(c.name);
        Counted object;
        ULONG inside = 12345;
        c.run(object, inside);
        EXPECT_EQ(c.inside, inside);
        EXPECT_EQ(0u, object.refs);
    }
}

TEST(ComScopeTest, BstrOwnsItsText)
{
    BstrString empty(nullptr);
    EXPECT_EQ(nullptr, empty.Get());

    BstrString text(L"abc");
    ASSERT_NE(nullptr, text.Get());
    EXPECT_EQ(3u, ::SysStringLen(text));
    EXPECT_STREQ(L"abc", text.Get());

    // Receive frees the old text and hands out an empty slot for an out parameter.
    BSTR* slot = text.Receive();
    EXPECT_EQ(nullptr, *slot);
    *slot = ::SysAllocString(L"de");
    EXPECT_STREQ(L"de", text.Get());

    BSTR handed = text.Detach();
    EXPECT_EQ(nullptr, text.Get());
    EXPECT_STREQ(L"de", handed);
    ::SysFreeString(handed);
}

TEST(WindowDCTest, ScreenDCReadsTheScreen)
{
    WindowDC screen;
    ASSERT_NE(nullptr, screen.Get());
    EXPECT_GT(::GetDeviceCaps(screen, LOGPIXELSX), 0);
    EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN), ::GetDeviceCaps(screen, HORZRES));
}

TEST(WindowDCTest, WindowDCIsReleasedAtScopeEnd)
{
    HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 40, NULL, NULL, NULL, NULL);
    ASSERT_NE(nullptr, hWnd);
    HDC hDC = NULL;
    {
        WindowDC dc(hWnd);
        hDC = dc.Get();
        ASSERT_NE(nullptr, hDC);
        EXPECT_EQ(hWnd, ::WindowFromDC(hDC));
    }
    // A released cache DC belongs to no window any more.
    EXPECT_EQ(nullptr, ::WindowFromDC(hDC));
    ::DestroyWindow(hWnd);
}

TEST(OffscreenSurfaceTest, BitsAreTopDownAndSelected)
{
    OffscreenSurface surface;
    EXPECT_FALSE(surface.IsValid());
    ASSERT_TRUE(surface.Create(NULL, 4, 3));
    EXPECT_EQ(4, surface.Width());
    EXPECT_EQ(3, surface.Height());
    ASSERT_NE(nullptr, surface.Bits());
    EXPECT_EQ(surface.Bitmap(), ::GetCurrentObject(surface.DC(), OBJ_BITMAP));

    // Row 0 of the bits is the top row of the DC.
    surface.Bits()[1] = 0x00102030;
    surface.Bits()[2 * 4 + 3] = 0x00405060;
    EXPECT_EQ(RGB(0x10, 0x20, 0x30), ::GetPixel(surface.DC(), 1, 0));
    EXPECT_EQ(RGB(0x40, 0x50, 0x60), ::GetPixel(surface.DC(), 3, 2));
}

TEST(OffscreenSurfaceTest, ReplacingAndScopeEndFreeTheHandles)
{
    HDC firstDC = NULL;
    HBITMAP firstBitmap = NULL;
    HDC secondDC = NULL;
    HBITMAP secondBitmap = NULL;
    {
        OffscreenSurface surface;
        ASSERT_TRUE(surface.Create(NULL, 8, 8));
        firstDC = surface.DC();
        firstBitmap = surface.Bitmap();
        ASSERT_TRUE(surface.Create(NULL, 16, 2));
        secondDC = surface.DC();
        secondBitmap = surface.Bitmap();
        EXPECT_EQ(0u, ::GetObjectType(firstBitmap));
        EXPECT_EQ(0u, ::GetObjectType(firstDC));
        EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), ::GetObjectType(secondBitmap));
        EXPECT_EQ(16, surface.Width());
    }
    EXPECT_EQ(0u, ::GetObjectType(secondBitmap));
    EXPECT_EQ(0u, ::GetObjectType(secondDC));
}

TEST(OffscreenSurfaceTest, EmptySizeLeavesItEmpty)
{
    const SIZE kSizes[] = {{0, 5}, {5, 0}, {-1, 4}, {4, -1}};
    for (const SIZE& size : kSizes) {
        SCOPED_TRACE(testing::Message() << size.cx << "x" << size.cy);
        OffscreenSurface surface;
        ASSERT_TRUE(surface.Create(NULL, 2, 2));
        HBITMAP held = surface.Bitmap();
        EXPECT_FALSE(surface.Create(NULL, size.cx, size.cy));
        EXPECT_FALSE(surface.IsValid());
        EXPECT_EQ(nullptr, surface.Bits());
        EXPECT_EQ(0, surface.Width());
        EXPECT_EQ(0, surface.Height());
        EXPECT_EQ(0u, ::GetObjectType(held));
    }
}

}  // namespace
