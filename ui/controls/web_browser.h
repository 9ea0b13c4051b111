// CWebBrowserUI: the system's WebBrowser control hosted by CActiveXUI. It
// navigates to a home page, passes the browser's events and the document
// host's questions to an optional handler, and keeps script errors silent.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <exdisp.h>
#include <mshtmhst.h>
#include <downloadmgr.h>
#include <servprov.h>
#include <docobj.h>

#include "activex.h"
#include "web_browser_event_handler.h"

namespace SkinUI {

class UILIB_API CWebBrowserUI : public CActiveXUI,
                                public IDocHostUIHandler,
                                public IServiceProvider,
                                public IOleCommandTarget,
                                public IDispatch,
                                public IDownloadManager,
                                public ITranslateAccelerator
{
public:
    CWebBrowserUI();
    ~CWebBrowserUI() override;

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;

    void SetHomePage(const wchar_t* lpszUrl);
    const wchar_t* GetHomePage();
    void SetAutoNavigation(bool bAuto = true);
    bool IsAutoNavigation();
    void SetWebBrowserEventHandler(CWebBrowserEventHandler* pEventHandler);

    void Navigate2(const wchar_t* lpszUrl);
    void NavigateUrl(const wchar_t* lpszUrl);
    void NavigateHomePage();
    void Refresh();
    void Refresh2(int level);
    void GoBack();
    void GoForward();
    IWebBrowser2* GetWebBrowser2() { return m_pWebBrowser2.Get(); }
    IDispatch* GetHtmlWindow();

    static DISPID FindId(IDispatch* pObj, const wchar_t* pName);
    static HRESULT InvokeMethod(IDispatch* pObj, const wchar_t* pMethod, VARIANT* pVarResult, VARIANT* ps, int cArgs);
    static HRESULT GetProperty(IDispatch* pObj, const wchar_t* pName, VARIANT* pValue);
    static HRESULT SetProperty(IDispatch* pObj, const wchar_t* pName, VARIANT* pValue);

    // IUnknown: counting only, the control owns itself.
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    STDMETHOD(QueryInterface)(REFIID riid, LPVOID* ppvObject) override;

    // IDispatch: the DWebBrowserEvents2 sink.
    STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) override;
    STDMETHOD(GetTypeInfo)(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    STDMETHOD(GetIDsOfNames)(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override;
    STDMETHOD(Invoke)
    (DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams, VARIANT* pVarResult,
     EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

    // IDocHostUIHandler
    STDMETHOD(ShowContextMenu)
    (DWORD dwID, POINT* pptPosition, IUnknown* pCommandTarget, IDispatch* pDispObject) override;
    STDMETHOD(GetHostInfo)(DOCHOSTUIINFO* pInfo) override;
    STDMETHOD(ShowUI)
    (DWORD dwID, IOleInPlaceActiveObject* pActiveObject, IOleCommandTarget* pCommandTarget, IOleInPlaceFrame* pFrame,
     IOleInPlaceUIWindow* pDoc) override;
    STDMETHOD(HideUI)() override;
    STDMETHOD(UpdateUI)() override;
    STDMETHOD(EnableModeless)(BOOL fEnable) override;
    STDMETHOD(OnDocWindowActivate)(BOOL fActivate) override;
    STDMETHOD(OnFrameWindowActivate)(BOOL fActivate) override;
    STDMETHOD(ResizeBorder)(LPCRECT prcBorder, IOleInPlaceUIWindow* pUIWindow, BOOL fFrameWindow) override;
    STDMETHOD(TranslateAccelerator)(LPMSG lpMsg, const GUID* pguidCmdGroup, DWORD nCmdID) override;
    STDMETHOD(GetOptionKeyPath)(LPOLESTR* pchKey, DWORD dwReserved) override;
    STDMETHOD(GetDropTarget)(IDropTarget* pDropTarget, IDropTarget** ppDropTarget) override;
    STDMETHOD(GetExternal)(IDispatch** ppDispatch) override;
    STDMETHOD(TranslateUrl)(DWORD dwTranslate, OLECHAR* pchURLIn, OLECHAR** ppchURLOut) override;
    STDMETHOD(FilterDataObject)(IDataObject* pDO, IDataObject** ppDORet) override;

    // IServiceProvider
    STDMETHOD(QueryService)(REFGUID guidService, REFIID riid, void** ppvObject) override;

    // IOleCommandTarget
    STDMETHOD(QueryStatus)(const GUID* pguidCmdGroup, ULONG cCmds, OLECMD prgCmds[], OLECMDTEXT* pCmdText) override;
    STDMETHOD(Exec)
    (const GUID* pguidCmdGroup, DWORD nCmdID, DWORD nCmdexecopt, VARIANTARG* pvaIn, VARIANTARG* pvaOut) override;

    // IDownloadManager
    STDMETHOD(Download)
    (IMoniker* pmk, IBindCtx* pbc, DWORD dwBindVerb, LONG grfBINDF, BINDINFO* pBindInfo, LPCOLESTR pszHeaders,
     LPCOLESTR pszRedir, UINT uiCP) override;

    // ITranslateAccelerator
    LRESULT TranslateAccelerator(MSG* pMsg) override;

protected:
    void ReleaseControl() override;
    bool DoCreateControl() override;
    HRESULT QueryHostInterface(REFIID riid, LPVOID* ppvObject) override;
    HRESULT RegisterEventHandler(BOOL inAdvise);
    void NavigateComplete2(IDispatch* pDisp, VARIANT*& url);
    // Makes this control the UI handler of a loaded document, and takes itself
    // back from the document it handled before.
    void HostDocument(IUnknown* pDocument);
    // The document must not keep a pointer to a control that lets it go.
    void UnhostDocument();

    ComPtr<IWebBrowser2> m_pWebBrowser2;
    ComPtr<ICustomDoc> m_pHostedDoc;
    LONG m_dwRef;
    DWORD m_dwCookie;
    CUIString m_sHomePage;
    bool m_bAutoNavi;
    CWebBrowserEventHandler* m_pWebBrowserEventHandler;
};

} // namespace SkinUI
