// Scope classes for GDI handles, so that drawing code reads as a straight line
// with no cleanup paths: an object selected into a DC and the old one put back,
// a GDI object deleted, a memory DC deleted, a saved DC state restored.
#pragma once

#include <windows.h>

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

template <class H>
class GdiObject
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

// An entry of msimg32.dll (AlphaBlend, GradientFill); null when it is missing.
// Callers keep the result in a function-local static, so the lookup runs once.
template <class Fn>
Fn Msimg32Entry(const char* name)
{
    HMODULE module = ::GetModuleHandleW(L"msimg32.dll");
    if (module == NULL) module = ::LoadLibraryW(L"msimg32.dll");
    return module != NULL ? reinterpret_cast<Fn>(::GetProcAddress(module, name)) : NULL;
}

typedef BOOL(WINAPI* AlphaBlendFn)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
typedef BOOL(WINAPI* GradientFillFn)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

// 0xAARRGGBB to GDI's 0x00BBGGRR.
inline COLORREF ToColorRef(DWORD argb)
{
    return RGB(GetBValue(argb), GetGValue(argb), GetRValue(argb));
}

} // namespace SkinUI
