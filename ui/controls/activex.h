// CActiveXUI: a control that embeds a COM control (OLE embedding with in-place
// activation). A windowless object draws into the window's paint DC and gets its
// messages through this control's message filter; an object that insists on a
// window gets a child host window kept over the control's rectangle.
#pragma once

#include <windows.h>
#include <ole2.h>

#include "core/control_ui.h"
#include "core/gdi_scope.h"

namespace SkinUI {

class CActiveXCtrl;

class UILIB_API CActiveXUI : public CControlUI, public IMessageFilterUI
{
    friend class CActiveXCtrl;
    friend class CActiveXWnd;

public:
    CActiveXUI();
    ~CActiveXUI() override;

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    HWND GetHostWindow() const;
    bool IsDelayCreate() const;
    void SetDelayCreate(bool bDelayCreate = true);

    // A "{...}" class identifier or a ProgID.
    bool CreateControl(const wchar_t* pstrCLSID);
    bool CreateControl(const CLSID& clsid);
    HRESULT GetControl(const IID& iid, LPVOID* ppRet);
    CLSID GetClisd() const;
    CUIString GetModuleName() const;
    void SetModuleName(const wchar_t* pstrText);

    void SetVisible(bool bVisible = true) override;
    void SetInternVisible(bool bVisible = true) override;
    void SetPos(RECT rc) override;
    void DoPaint(HDC hDC, const RECT& rcPaint) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;

    LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;

protected:
    virtual void ReleaseControl();
    virtual bool DoCreateControl();
    // The document host's interfaces (IDocHostUIHandler, IOleCommandTarget,
    // IServiceProvider) that the embedded object asks its site for: a control
    // that answers them overrides this. A plain host answers none.
    virtual HRESULT QueryHostInterface(REFIID riid, LPVOID* ppvObject);

    // The control's rectangle, moved to the origin when the object has its own window.
    RECT ObjectRect() const;
    bool IsWindowed() const;
    // A keyboard message for a focused window inside the host window goes to the
    // object's own accelerator translation; S_FALSE for anything else.
    LRESULT TranslateObjectAccelerator(MSG* pMsg);
    // Advises (or unadvises) sink on the connection point of the event
    // interface that source offers; the cookie is kept in dwCookie.
    static HRESULT ConnectEventSink(IUnknown* pSource, REFIID riidEvents, IDispatch* pSink, DWORD& dwCookie,
                                    bool bAdvise);

    CLSID m_clsid;
    CUIString m_sModuleName;
    bool m_bCreated;
    ComPtr<IOleObject> m_pUnk;
    ComPtr<CActiveXCtrl> m_pControl;
    HWND m_hwndHost;
    bool m_bDelayCreate;
};

} // namespace SkinUI
