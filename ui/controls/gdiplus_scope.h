// Scope classes for GDI+ through its flat interface: a GDI+ session started and
// shut down, and the flat API's objects (graphics, fonts, brushes, string
// formats) released at scope end, so that effect drawing has no cleanup paths.
#pragma once

#include <windows.h>
#include <objidl.h> // PROPID, which gdiplus.h needs and WIN32_LEAN_AND_MEAN leaves out
#include <gdiplus.h>

namespace SkinUI {

// GDI+ started for the lifetime of the object; a failed start leaves no token
// and drawing through GDI+ is then skipped.
class GdiplusSession
{
public:
    GdiplusSession()
    {
        Gdiplus::GdiplusStartupInput input;
        if (Gdiplus::GdiplusStartup(&m_token, &input, NULL) != Gdiplus::Ok) m_token = 0;
    }
    ~GdiplusSession()
    {
        if (m_token != 0) Gdiplus::GdiplusShutdown(m_token);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool IsStarted() const { return m_token != 0; }

private:
    ULONG_PTR m_token = 0;
};

// One flat-API object and the function that releases it.
template <class T, Gdiplus::GpStatus(WINGDIPAPI* Release)(T*)> class GdiplusObject
{
public:
    GdiplusObject() = default;
    ~GdiplusObject()
    {
        if (m_p != NULL) Release(m_p);
    }
    GdiplusObject(const GdiplusObject&) = delete;
    GdiplusObject& operator=(const GdiplusObject&) = delete;
    T** Out() { return &m_p; }
    T* Get() const { return m_p; }

private:
    T* m_p = NULL;
};

typedef GdiplusObject<Gdiplus::GpGraphics, Gdiplus::DllExports::GdipDeleteGraphics> GdiplusGraphics;
typedef GdiplusObject<Gdiplus::GpFont, Gdiplus::DllExports::GdipDeleteFont> GdiplusFont;
typedef GdiplusObject<Gdiplus::GpBrush, Gdiplus::DllExports::GdipDeleteBrush> GdiplusBrush;
typedef GdiplusObject<Gdiplus::GpStringFormat, Gdiplus::DllExports::GdipDeleteStringFormat> GdiplusStringFormat;

} // namespace SkinUI
