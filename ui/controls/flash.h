// CFlashUI: the Shockwave Flash control hosted by CActiveXUI, with its events
// (ready state, progress, FS commands, Flash calls) passed to a handler object.
#pragma once

#include "activex.h"

namespace SkinUI {

// The receiver of a Flash control's events; reference counted by the control.
class UILIB_API CFlashEventHandler
{
public:
    virtual ULONG STDMETHODCALLTYPE Release() = 0;
    virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
    virtual HRESULT OnReadyStateChange(long newState) = 0;
    virtual HRESULT OnProgress(long percentDone) = 0;
    virtual HRESULT FSCommand(const wchar_t* command, const wchar_t* args) = 0;
    virtual HRESULT FlashCall(const wchar_t* request) = 0;

protected:
    ~CFlashEventHandler() {}
};

class UILIB_API CFlashUI : public CActiveXUI, public IDispatch, public ITranslateAccelerator
{
public:
    CFlashUI();
    ~CFlashUI() override;

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;

    // The previous handler is released, the new one gets a reference.
    void SetFlashEventHandler(CFlashEventHandler* pHandler);
    IDispatch* GetShockwaveFlash() const { return m_pFlash.Get(); }

    // The event sink: reference counting only counts, the control owns itself.
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    STDMETHOD(QueryInterface)(REFIID riid, LPVOID* ppvObject) override;
    STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) override;
    STDMETHOD(GetTypeInfo)(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    STDMETHOD(GetIDsOfNames)(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override;
    STDMETHOD(Invoke)
    (DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams, VARIANT* pVarResult,
     EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

    LRESULT TranslateAccelerator(MSG* pMsg) override;

protected:
    void ReleaseControl() override;
    bool DoCreateControl() override;
    HRESULT RegisterEventHandler(bool inAdvise);

    ComPtr<IDispatch> m_pFlash;
    LONG m_dwRef;
    DWORD m_dwCookie;
    ComPtr<CFlashEventHandler> m_pFlashEventHandler;
};

} // namespace SkinUI
