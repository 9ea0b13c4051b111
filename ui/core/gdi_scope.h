// Scope classes for GDI and COM handles, so that drawing and hosting code reads
// as a straight line with no cleanup paths: an object selected into a DC and the
// old one put back, a GDI object deleted, a memory DC deleted, a saved DC state
// restored, a DC from GetDC released, an off-screen surface, a COM pointer
// released, a VARIANT cleared and a BSTR freed.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

#include <utility>

namespace SkinUI {

class SelectObjectScope
{
public:
    SelectObjectScope(HDC hDC, HGDIOBJ obj) : m_hDC(hDC), m_old(obj ? ::SelectObject(hDC, obj) : NULL) {}
    ~SelectObjectScope()
    {
        if (m_old != NULL) ::SelectObject(m_hDC, m_old);
    }
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_old;
};

template <class H> class GdiObject
{
public:
    explicit GdiObject(H h = NULL) : m_h(h) {}
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    void Reset(H h = NULL)
    {
        if (m_h != NULL) ::DeleteObject(m_h);
        m_h = h;
    }
    H Release()
    {
        H h = m_h;
        m_h = NULL;
        return h;
    }
    H Get() const { return m_h; }
    operator H() const { return m_h; }

private:
    H m_h;
};

typedef GdiObject<HBITMAP> BitmapHandle;
typedef GdiObject<HPEN> PenHandle;
typedef GdiObject<HBRUSH> BrushHandle;
typedef GdiObject<HRGN> RegionHandle;
typedef GdiObject<HFONT> FontHandle;

class MemoryDC
{
public:
    explicit MemoryDC(HDC hCompatible) : m_hDC(::CreateCompatibleDC(hCompatible)) {}
    ~MemoryDC()
    {
        if (m_hDC != NULL) ::DeleteDC(m_hDC);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC Get() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

private:
    HDC m_hDC;
};

// A window's DC (the screen's for a null window) from GetDC, released at scope end.
class WindowDC
{
public:
    explicit WindowDC(HWND hWnd = NULL) : m_hWnd(hWnd), m_hDC(::GetDC(hWnd)) {}
    ~WindowDC()
    {
        if (m_hDC != NULL) ::ReleaseDC(m_hWnd, m_hDC);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};

class SaveDCScope
{
public:
    explicit SaveDCScope(HDC hDC) : m_hDC(hDC), m_state(::SaveDC(hDC)) {}
    ~SaveDCScope()
    {
        if (m_state != 0) ::RestoreDC(m_hDC, m_state);
    }
    SaveDCScope(const SaveDCScope&) = delete;
    SaveDCScope& operator=(const SaveDCScope&) = delete;

private:
    HDC m_hDC;
    int m_state;
};

// A 32-bit top-down DIB section; bits are premultiplied BGRA.
inline HBITMAP CreateDib32(HDC hDC, int cx, int cy, DWORD** ppBits)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    bmi.bmiHeader.biSizeImage = static_cast<DWORD>(cx) * cy * 4;
    void* bits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, &bits, NULL, 0);
    if (ppBits != NULL) *ppBits = hBitmap ? static_cast<DWORD*>(bits) : NULL;
    return hBitmap;
}

// An off-screen surface: a memory DC with a 32-bit top-down DIB section selected
// into it, its bits and its size. Create replaces what it held; a failed Create
// leaves it empty (null DC and bits, size 0).
class OffscreenSurface
{
public:
    OffscreenSurface() {}
    ~OffscreenSurface() { Reset(); }
    OffscreenSurface(const OffscreenSurface&) = delete;
    OffscreenSurface& operator=(const OffscreenSurface&) = delete;

    bool Create(HDC hCompatible, int cx, int cy)
    {
        Reset();
        if (cx <= 0 || cy <= 0) return false;
        m_hDC = ::CreateCompatibleDC(hCompatible);
        if (m_hDC != NULL) m_hBitmap = CreateDib32(m_hDC, cx, cy, &m_bits);
        if (m_hBitmap == NULL) {
            Reset();
            return false;
        }
        m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
        m_size.cx = cx;
        m_size.cy = cy;
        return true;
    }
    void Reset()
    {
        if (m_hOldBitmap != NULL) ::SelectObject(m_hDC, m_hOldBitmap);
        if (m_hBitmap != NULL) ::DeleteObject(m_hBitmap);
        if (m_hDC != NULL) ::DeleteDC(m_hDC);
        m_hDC = NULL;
        m_hBitmap = NULL;
        m_hOldBitmap = NULL;
        m_bits = NULL;
        m_size.cx = m_size.cy = 0;
    }
    bool IsValid() const { return m_hDC != NULL; }
    HDC DC() const { return m_hDC; }
    HBITMAP Bitmap() const { return m_hBitmap; }
    DWORD* Bits() const { return m_bits; }
    SIZE Size() const { return m_size; }
    int Width() const { return m_size.cx; }
    int Height() const { return m_size.cy; }

private:
    HDC m_hDC = NULL;
    HBITMAP m_hBitmap = NULL;
    HGDIOBJ m_hOldBitmap = NULL;
    DWORD* m_bits = NULL;
    SIZE m_size = {0, 0};
};

// A counted COM reference. Copies add a reference, moves hand it over, the
// destructor releases it. Attach takes over a reference the caller already
// holds; Detach hands it out (for a method whose contract passes it on).
template <class T> class ComPtr
{
public:
    ComPtr() {}
    explicit ComPtr(T* p) : m_p(p)  // adds its own reference
    {
        if (m_p != NULL) m_p->AddRef();
    }
    ComPtr(const ComPtr& other) : ComPtr(other.m_p) {}
    ComPtr(ComPtr&& other) noexcept : m_p(other.m_p) { other.m_p = NULL; }
    ~ComPtr() { Reset(); }
    ComPtr& operator=(ComPtr other) noexcept
    {
        std::swap(m_p, other.m_p);
        return *this;
    }

    void Reset()
    {
        T* p = m_p;
        m_p = NULL;
        if (p != NULL) p->Release();
    }
    void Attach(T* p)
    {
        Reset();
        m_p = p;
    }
    T* Detach()
    {
        T* p = m_p;
        m_p = NULL;
        return p;
    }
    // The out parameter of a method that hands over a reference; empties this first.
    T** Receive()
    {
        Reset();
        return &m_p;
    }
    void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }
    // Replaces the held reference with source's answer for iid. On failure the
    // pointer stays empty, and an answer of success without a pointer counts as
    // E_NOINTERFACE, so SUCCEEDED means the pointer can be used.
    HRESULT QueryFrom(IUnknown* source, REFIID iid)
    {
        Reset();
        if (source == NULL) return E_POINTER;
        HRESULT hr = source->QueryInterface(iid, reinterpret_cast<void**>(&m_p));
        if (FAILED(hr)) m_p = NULL;
        else if (m_p == NULL) hr = E_NOINTERFACE;
        return hr;
    }

    T* Get() const { return m_p; }
    T* operator->() const { return m_p; }
    operator T*() const { return m_p; }

private:
    T* m_p = NULL;
};

// A VARIANT owned by the scope: initialised empty, cleared at scope end.
class VariantValue
{
public:
    VariantValue() { ::VariantInit(&m_v); }
    ~VariantValue() { ::VariantClear(&m_v); }
    VariantValue(const VariantValue&) = delete;
    VariantValue& operator=(const VariantValue&) = delete;
    // For out parameters: cleared first, so a value held before is not leaked.
    VARIANT* Receive()
    {
        ::VariantClear(&m_v);
        return &m_v;
    }
    VARIANT* Ptr() { return &m_v; }
    const VARIANT& Get() const { return m_v; }

private:
    VARIANT m_v;
};

// A BSTR owned by the scope, freed at scope end.
class BstrString
{
public:
    BstrString() {}
    explicit BstrString(const wchar_t* text) : m_s(text != NULL ? ::SysAllocString(text) : NULL) {}
    ~BstrString() { ::SysFreeString(m_s); }
    BstrString(const BstrString&) = delete;
    BstrString& operator=(const BstrString&) = delete;
    BSTR* Receive()
    {
        ::SysFreeString(m_s);
        m_s = NULL;
        return &m_s;
    }
    // Hands the string to a callee whose contract frees it.
    BSTR Detach()
    {
        BSTR s = m_s;
        m_s = NULL;
        return s;
    }
    BSTR Get() const { return m_s; }
    operator BSTR() const { return m_s; }

private:
    BSTR m_s = NULL;
};

// 0xAARRGGBB to GDI's 0x00BBGGRR.
inline COLORREF ToColorRef(DWORD argb) { return RGB(GetBValue(argb), GetGValue(argb), GetRValue(argb)); }

}  // namespace SkinUI
