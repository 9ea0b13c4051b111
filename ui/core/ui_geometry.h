// CPoint, CSize and CUIRect: the platform's POINT, SIZE and RECT with helpers;
// same layout, so they pass wherever those are expected.
#pragma once

#include <windows.h>

#include "ui_export.h"

namespace SkinUI {

class UILIB_API CPoint : public tagPOINT
{
public:
    CPoint();
    CPoint(const POINT& src);
    CPoint(int x, int y);
    CPoint(LPARAM lParam);
};

class UILIB_API CSize : public tagSIZE
{
public:
    CSize();
    CSize(const SIZE& src);
    CSize(const RECT rc);
    CSize(int cx, int cy);
};

class UILIB_API CUIRect : public tagRECT
{
public:
    CUIRect();
    CUIRect(const RECT& src);
    CUIRect(int left, int top, int right, int bottom);

    int GetWidth() const;
    int GetHeight() const;
    void Empty();
    bool IsNull() const;
    void Join(const RECT& rc);
    void ResetOffset();
    void Normalize();
    void Offset(int cx, int cy);
    void Inflate(int cx, int cy);
    void Deflate(int cx, int cy);
    void Union(CUIRect& rc);
};

}  // namespace SkinUI
