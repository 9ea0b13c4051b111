// CControlUI: the base of every visual element. A windowless rectangle inside a
// window, configured by string attributes, painted in fixed layers through the
// render engine and fed input as TEventUI records by the paint manager.
#pragma once

#include <windows.h>

#include "ui_export.h"
#include "ui_string.h"
#include "ui_delegate.h"
#include "paint_manager.h"

namespace SkinUI {

// State bits of the controls that have states.
const UINT UISTATE_FOCUSED = 0x00000001;
const UINT UISTATE_SELECTED = 0x00000002;
const UINT UISTATE_DISABLED = 0x00000004;
const UINT UISTATE_HOT = 0x00000008;
const UINT UISTATE_PUSHED = 0x00000010;
const UINT UISTATE_CAPTURED = 0x00000040;

// How a floating control follows its parent's size: the change of the parent's
// size since szParent moves the control by nMove*Percent and stretches it by
// nZoom*Percent.
struct TRelativePosUI
{
    bool bRelative;
    SIZE szParent;
    int nMoveXPercent;
    int nMoveYPercent;
    int nZoomXPercent;
    int nZoomYPercent;
};

class UILIB_API CControlUI
{
public:
    CControlUI();
    virtual ~CControlUI();
    CControlUI(const CControlUI&) = delete;
    CControlUI& operator=(const CControlUI&) = delete;

    virtual CUIString GetName() const;
    virtual void SetName(const wchar_t* pstrName);
    virtual const wchar_t* GetClass() const;
    virtual LPVOID GetInterface(const wchar_t* pstrName);
    virtual UINT GetControlFlags() const;

    virtual bool Activate();
    virtual CPaintManagerUI* GetManager() const;
    virtual void SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit = true);
    virtual CControlUI* GetParent() const;

    virtual CUIString GetText() const;
    virtual void SetText(const wchar_t* pstrText);

    virtual const RECT& GetPos() const;
    virtual void SetPos(RECT rc);
    virtual int GetWidth() const;
    virtual int GetHeight() const;
    virtual int GetX() const;
    virtual int GetY() const;
    virtual RECT GetPadding() const;
    virtual void SetPadding(RECT rcPadding);
    virtual SIZE GetFixedXY() const;
    virtual void SetFixedXY(SIZE szXY);
    virtual int GetFixedWidth() const;
    virtual void SetFixedWidth(int cx);
    virtual int GetFixedHeight() const;
    virtual void SetFixedHeight(int cy);
    virtual int GetMinWidth() const;
    virtual void SetMinWidth(int cx);
    virtual int GetMaxWidth() const;
    virtual void SetMaxWidth(int cx);
    virtual int GetMinHeight() const;
    virtual void SetMinHeight(int cy);
    virtual int GetMaxHeight() const;
    virtual void SetMaxHeight(int cy);
    virtual void SetRelativePos(SIZE szMove, SIZE szZoom);
    virtual void SetRelativeParentSize(SIZE sz);
    virtual TRelativePosUI GetRelativePos() const;
    virtual bool IsRelativePos() const;

    virtual CUIString GetToolTip() const;
    virtual void SetToolTip(const wchar_t* pstrText);
    virtual void SetToolTipWidth(int nWidth);
    virtual int GetToolTipWidth() const;
    virtual wchar_t GetShortcut() const;
    virtual void SetShortcut(wchar_t ch);
    virtual bool IsContextMenuUsed() const;
    virtual void SetContextMenuUsed(bool bMenuUsed);
    virtual const CUIString& GetUserData();
    virtual void SetUserData(const wchar_t* pstrText);
    virtual UINT_PTR GetTag() const;
    virtual void SetTag(UINT_PTR pTag);

    virtual bool IsVisible() const;
    virtual void SetVisible(bool bVisible = true);
    virtual void SetInternVisible(bool bVisible = true);
    virtual bool IsEnabled() const;
    virtual void SetEnabled(bool bEnable = true);
    virtual bool IsMouseEnabled() const;
    virtual void SetMouseEnabled(bool bEnable = true);
    virtual bool IsKeyboardEnabled() const;
    virtual void SetKeyboardEnabled(bool bEnable = true);
    virtual bool IsFocused() const;
    virtual void SetFocus();
    virtual bool IsFloat() const;
    virtual void SetFloat(bool bFloat = true);

    virtual CControlUI* FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags);

    virtual void Init();
    virtual void DoInit();
    virtual void Event(TEventUI& event);
    virtual void DoEvent(TEventUI& event);

    virtual void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue);
    virtual SIZE EstimateSize(SIZE szAvailable);

    virtual void DoPaint(HDC hDC, const RECT& rcPaint);
    virtual void PaintBkColor(HDC hDC);
    virtual void PaintBkImage(HDC hDC);
    virtual void PaintStatusImage(HDC hDC);
    virtual void PaintText(HDC hDC);
    virtual void PaintBorder(HDC hDC);
    virtual void DoPostPaint(HDC hDC, const RECT& rcPaint);

    // Non-virtual accessors.
    DWORD GetBkColor() const;
    void SetBkColor(DWORD dwBackColor);
    DWORD GetBkColor2() const;
    void SetBkColor2(DWORD dwBackColor);
    DWORD GetBkColor3() const;
    void SetBkColor3(DWORD dwBackColor);
    const wchar_t* GetBkImage();
    void SetBkImage(const wchar_t* pStrImage, bool bReload = false);
    DWORD GetBorderColor() const;
    void SetBorderColor(DWORD dwBorderColor);
    DWORD GetFocusBorderColor() const;
    void SetFocusBorderColor(DWORD dwBorderColor);
    bool IsColorHSL() const;
    void SetColorHSL(bool bColorHSL);
    int GetBorderSize() const;
    void SetBorderSize(int nSize);
    void SetBorderSize(RECT rc);
    int GetLeftBorderSize() const;
    void SetLeftBorderSize(int nSize);
    int GetTopBorderSize() const;
    void SetTopBorderSize(int nSize);
    int GetRightBorderSize() const;
    void SetRightBorderSize(int nSize);
    int GetBottomBorderSize() const;
    void SetBottomBorderSize(int nSize);
    int GetBorderStyle() const;
    void SetBorderStyle(int nStyle);
    SIZE GetBorderRound() const;
    void SetBorderRound(SIZE cxyRound);
    bool DrawImage(HDC hDC, const wchar_t* pStrImage, const wchar_t* pStrModify = NULL);

    void Invalidate();
    bool IsUpdateNeeded() const;
    void NeedUpdate();
    void NeedParentUpdate();
    DWORD GetAdjustColor(DWORD dwColor);

    void SetVirtualWnd(const wchar_t* pstrValue);
    CUIString GetVirtualWnd() const;

    CControlUI* ApplyAttributeList(const wchar_t* pstrList);

    // The paint rectangle of the current paint (item rectangle ∩ update).
    const RECT& GetPaintRect() const { return m_rcPaint; }

public:
    CEventSource OnInit;
    CEventSource OnDestroy;
    CEventSource OnSize;
    CEventSource OnEvent;
    CEventSource OnNotify;

protected:
    // Invalidates rc clipped by every ancestor's rectangle; nothing when the
    // clip leaves nothing or there is no window.
    void InvalidateClipped(RECT rc);

    // The body of a setter of what the control shows: stores the value and
    // repaints the control.
    template <class T, class V> void SetAndInvalidate(T& field, const V& value)
    {
        field = value;
        Invalidate();
    }
    // The same, but a value the field holds already changes nothing and paints
    // nothing; a null text is the empty text.
    template <class T, class V> void ChangeAndInvalidate(T& field, const V& value)
    {
        if (field == value) return;
        SetAndInvalidate(field, value);
    }
    void ChangeAndInvalidate(CUIString& field, const wchar_t* value)
    {
        if (field == (value != NULL ? value : L"")) return;
        field = value;
        Invalidate();
    }

    // Hands an event on to the receiver (the parent, or a row's owning list), or,
    // with no receiver, to the class Base's handling as if this class added nothing.
    template <class Base, class Receiver> void HandOn(TEventUI& event, Receiver* pReceiver)
    {
        if (pReceiver != NULL) pReceiver->DoEvent(event);
        else static_cast<Base*>(this)->Base::DoEvent(event);
    }
    // A control whose mouse is disabled lets its mouse events through to what it
    // stands on. True when the event was handed on, and the caller's DoEvent is
    // done with it.
    template <class Base, class Receiver> bool HandOnWhileMouseDisabled(TEventUI& event, Receiver* pReceiver)
    {
        if (IsMouseEnabled() || event.type <= UIEV_MOUSE_FIRST || event.type >= UIEV_MOUSE_LAST) return false;
        HandOn<Base>(event, pReceiver);
        return true;
    }

    CPaintManagerUI* m_pManager;
    CControlUI* m_pParent;
    CUIString m_sVirtualWnd;
    CUIString m_sName;
    bool m_bUpdateNeeded;
    RECT m_rcItem;
    RECT m_rcPaint;
    RECT m_rcPadding;
    SIZE m_cXY;
    SIZE m_cxyFixed;
    SIZE m_cxyMin;
    SIZE m_cxyMax;
    bool m_bVisible;
    bool m_bInternVisible;
    bool m_bFocused;
    bool m_bEnabled;
    bool m_bMouseEnabled;
    bool m_bKeyboardEnabled;
    bool m_bFloat;
    bool m_bSetPos;
    TRelativePosUI m_tRelativePos;

    CUIString m_sText;
    CUIString m_sToolTip;
    int m_nTooltipWidth;
    wchar_t m_chShortcut;
    bool m_bMenuUsed;
    CUIString m_sUserData;
    UINT_PTR m_pTag;

    DWORD m_dwBackColor;
    DWORD m_dwBackColor2;
    DWORD m_dwBackColor3;
    CUIString m_sBkImage;
    DWORD m_dwBorderColor;
    DWORD m_dwFocusBorderColor;
    bool m_bColorHSL;
    int m_nBorderSize;
    int m_nBorderStyle;
    SIZE m_cxyBorderRound;
    RECT m_rcBorderSize;
};

}  // namespace SkinUI
