// CContainerUI: a control owning an ordered list of children, with inset, child
// padding, optional scroll bars, recursive search and painting, and the
// placement of floating children. Base of every layout and list.
#pragma once

#include "control_ui.h"

namespace SkinUI {

class CScrollBarUI;

class UILIB_API IContainerUI
{
public:
    virtual CControlUI* GetItemAt(int iIndex) const = 0;
    virtual int GetItemIndex(CControlUI* pControl) const = 0;
    virtual bool SetItemIndex(CControlUI* pControl, int iIndex) = 0;
    virtual int GetCount() const = 0;
    virtual bool Add(CControlUI* pControl) = 0;
    virtual bool AddAt(CControlUI* pControl, int iIndex) = 0;
    virtual bool Remove(CControlUI* pControl) = 0;
    virtual bool RemoveAt(int iIndex) = 0;
    virtual void RemoveAll() = 0;
};

class UILIB_API CContainerUI : public CControlUI, public IContainerUI
{
public:
    CContainerUI();
    virtual ~CContainerUI();

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    CControlUI* GetItemAt(int iIndex) const override;
    int GetItemIndex(CControlUI* pControl) const override;
    bool SetItemIndex(CControlUI* pControl, int iIndex) override;
    int GetCount() const override;
    bool Add(CControlUI* pControl) override;
    bool AddAt(CControlUI* pControl, int iIndex) override;
    bool Remove(CControlUI* pControl) override;
    bool RemoveAt(int iIndex) override;
    void RemoveAll() override;

    virtual RECT GetInset() const;
    virtual void SetInset(RECT rcInset);
    virtual int GetChildPadding() const;
    virtual void SetChildPadding(int iPadding);
    virtual bool IsAutoDestroy() const;
    virtual void SetAutoDestroy(bool bAuto);
    virtual bool IsDelayedDestroy() const;
    virtual void SetDelayedDestroy(bool bDelayed);
    virtual bool IsMouseChildEnabled() const;
    virtual void SetMouseChildEnabled(bool bEnable = true);
    virtual int FindSelectable(int iIndex, bool bForward = true) const;
    virtual SIZE GetScrollPos() const;
    virtual SIZE GetScrollRange() const;
    virtual void SetScrollPos(SIZE szPos);
    virtual void LineUp();
    virtual void LineDown();
    virtual void PageUp();
    virtual void PageDown();
    virtual void HomeUp();
    virtual void EndDown();
    virtual void LineLeft();
    virtual void LineRight();
    virtual void PageLeft();
    virtual void PageRight();
    virtual void HomeLeft();
    virtual void EndRight();
    virtual void EnableScrollBar(bool bEnableVertical = true, bool bEnableHorizontal = false);
    virtual CScrollBarUI* GetVerticalScrollBar() const;
    virtual CScrollBarUI* GetHorizontalScrollBar() const;
    virtual void SetFloatPos(int iIndex);
    virtual void ProcessScrollBar(RECT rc, int cxRequired, int cyRequired);

    void SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit = true) override;
    void SetPos(RECT rc) override;
    void SetVisible(bool bVisible = true) override;
    void SetInternVisible(bool bVisible = true) override;
    void SetMouseEnabled(bool bEnable = true) override;
    CControlUI* FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) override;
    void DoEvent(TEventUI& event) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;
    void DoPaint(HDC hDC, const RECT& rcPaint) override;

    CControlUI* FindSubControl(const wchar_t* pstrSubControlName);
    bool SetSubControlText(const wchar_t* pstrSubControlName, const wchar_t* pstrText);
    bool SetSubControlFixedHeight(const wchar_t* pstrSubControlName, int cy);
    bool SetSubControlFixedWdith(const wchar_t* pstrSubControlName, int cx);
    bool SetSubControlUserData(const wchar_t* pstrSubControlName, const wchar_t* pstrText);
    CUIString GetSubControlText(const wchar_t* pstrSubControlName);
    int GetSubControlFixedHeight(const wchar_t* pstrSubControlName);
    int GetSubControlFixedWdith(const wchar_t* pstrSubControlName);
    CUIString GetSubControlUserData(const wchar_t* pstrSubControlName);

    // The item rectangle less the inset.
    RECT GetInsetArea() const;
    // The inset area less the visible scroll bars (the vertical one at the right,
    // the horizontal one at the bottom): where the children show.
    RECT GetChildArea() const;

protected:
    // The opening of every layout's SetPos: takes rc as the item rectangle and
    // gives the child area to lay the children out in. With no children there is
    // nothing to lay out: the scroll bars are settled for the empty inset area and
    // the result is false.
    bool BeginLayout(RECT rc, RECT& rcChildren);
    // Destroys a removed child now or hands it to the manager for later.
    void DisposeChild(CControlUI* pControl);

    CStdPtrArray m_items;
    RECT m_rcInset;
    int m_iChildPadding;
    bool m_bAutoDestroy;
    bool m_bDelayedDestroy;
    bool m_bMouseChildEnabled;
    bool m_bScrollProcess;
    CScrollBarUI* m_pVerticalScrollBar;
    CScrollBarUI* m_pHorizontalScrollBar;
};

}  // namespace SkinUI
