// CScrollBarUI: the skinned scroll bar with two end buttons, a thumb and its
// rail grip, auto-repeat while a part is held; containers own one per axis and
// receive its scrolling, a free-standing bar moves itself and raises "scroll".
#pragma once

#include "control_ui.h"

namespace SkinUI {

class CContainerUI;

class UILIB_API CScrollBarUI : public CControlUI
{
public:
    CScrollBarUI();

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    CContainerUI* GetOwner() const;
    void SetOwner(CContainerUI* pOwner);

    void SetVisible(bool bVisible = true) override;
    void SetEnabled(bool bEnable = true) override;
    void SetFocus() override;

    bool IsHorizontal();
    void SetHorizontal(bool bHorizontal = true);
    int GetScrollRange() const;
    void SetScrollRange(int nRange);
    int GetScrollPos() const;
    void SetScrollPos(int nPos);
    int GetLineSize() const;
    void SetLineSize(int nSize);

    bool GetShowButton1();
    void SetShowButton1(bool bShow);
    const wchar_t* GetButton1NormalImage();
    void SetButton1NormalImage(const wchar_t* pStrImage);
    const wchar_t* GetButton1HotImage();
    void SetButton1HotImage(const wchar_t* pStrImage);
    const wchar_t* GetButton1PushedImage();
    void SetButton1PushedImage(const wchar_t* pStrImage);
    const wchar_t* GetButton1DisabledImage();
    void SetButton1DisabledImage(const wchar_t* pStrImage);

    bool GetShowButton2();
    void SetShowButton2(bool bShow);
    const wchar_t* GetButton2NormalImage();
    void SetButton2NormalImage(const wchar_t* pStrImage);
    const wchar_t* GetButton2HotImage();
    void SetButton2HotImage(const wchar_t* pStrImage);
    const wchar_t* GetButton2PushedImage();
    void SetButton2PushedImage(const wchar_t* pStrImage);
    const wchar_t* GetButton2DisabledImage();
    void SetButton2DisabledImage(const wchar_t* pStrImage);

    const wchar_t* GetThumbNormalImage();
    void SetThumbNormalImage(const wchar_t* pStrImage);
    const wchar_t* GetThumbHotImage();
    void SetThumbHotImage(const wchar_t* pStrImage);
    const wchar_t* GetThumbPushedImage();
    void SetThumbPushedImage(const wchar_t* pStrImage);
    const wchar_t* GetThumbDisabledImage();
    void SetThumbDisabledImage(const wchar_t* pStrImage);

    const wchar_t* GetRailNormalImage();
    void SetRailNormalImage(const wchar_t* pStrImage);
    const wchar_t* GetRailHotImage();
    void SetRailHotImage(const wchar_t* pStrImage);
    const wchar_t* GetRailPushedImage();
    void SetRailPushedImage(const wchar_t* pStrImage);
    const wchar_t* GetRailDisabledImage();
    void SetRailDisabledImage(const wchar_t* pStrImage);

    const wchar_t* GetBkNormalImage();
    void SetBkNormalImage(const wchar_t* pStrImage);
    const wchar_t* GetBkHotImage();
    void SetBkHotImage(const wchar_t* pStrImage);
    const wchar_t* GetBkPushedImage();
    void SetBkPushedImage(const wchar_t* pStrImage);
    const wchar_t* GetBkDisabledImage();
    void SetBkDisabledImage(const wchar_t* pStrImage);

    void SetPos(RECT rc) override;
    void DoEvent(TEventUI& event) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;
    void DoPaint(HDC hDC, const RECT& rcPaint) override;

    void PaintBk(HDC hDC);
    void PaintButton1(HDC hDC);
    void PaintButton2(HDC hDC);
    void PaintThumb(HDC hDC);
    void PaintRail(HDC hDC);

    // Part rectangles and state words as the last layout left them.
    const RECT& GetButton1Rect() const { return m_rcButton1; }
    const RECT& GetButton2Rect() const { return m_rcButton2; }
    const RECT& GetThumbRect() const { return m_rcThumb; }
    UINT GetThumbState() const { return m_uThumbState; }

    enum
    {
        REPEAT_TIMER_ID = 10,
        REPEAT_ELAPSE = 50,
        REPEAT_DELAY_TICKS = 6
    };

protected:
    // The step a press on a part does, with an owner or on the bar itself.
    void StepButton1();
    void StepButton2();
    void StepRail(POINT pt);
    int Thickness() const;
    // Draws the first image of the state that draws; an image that fails is
    // emptied. False when none drew.
    void PaintPart(HDC hDC, UINT uState, const RECT& rcPart, CUIString& normal, CUIString& hot, CUIString& pushed,
                   CUIString& disabled, bool outline);
    bool DrawStateImage(HDC hDC, UINT uState, CUIString& normal, CUIString& hot, CUIString& pushed, CUIString& disabled,
                        const wchar_t* modify);

    bool m_bHorizontal;
    int m_nRange;
    int m_nScrollPos;
    int m_nLineSize;
    CContainerUI* m_pOwner;
    POINT ptLastMouse;
    int m_nLastScrollPos;
    int m_nLastScrollOffset;
    int m_nScrollRepeatDelay;

    CUIString m_sBkNormalImage;
    CUIString m_sBkHotImage;
    CUIString m_sBkPushedImage;
    CUIString m_sBkDisabledImage;

    bool m_bShowButton1;
    RECT m_rcButton1;
    UINT m_uButton1State;
    CUIString m_sButton1NormalImage;
    CUIString m_sButton1HotImage;
    CUIString m_sButton1PushedImage;
    CUIString m_sButton1DisabledImage;

    bool m_bShowButton2;
    RECT m_rcButton2;
    UINT m_uButton2State;
    CUIString m_sButton2NormalImage;
    CUIString m_sButton2HotImage;
    CUIString m_sButton2PushedImage;
    CUIString m_sButton2DisabledImage;

    RECT m_rcThumb;
    UINT m_uThumbState;
    CUIString m_sThumbNormalImage;
    CUIString m_sThumbHotImage;
    CUIString m_sThumbPushedImage;
    CUIString m_sThumbDisabledImage;

    CUIString m_sRailNormalImage;
    CUIString m_sRailHotImage;
    CUIString m_sRailPushedImage;
    CUIString m_sRailDisabledImage;

    CUIString m_sImageModify;
};

}  // namespace SkinUI
