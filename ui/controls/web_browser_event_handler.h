// CWebBrowserEventHandler: what a web browser control's owner may answer to the
// browser's events and to the document host's questions. Every operation has a
// default, so a handler overrides only what it cares about.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <mshtmhst.h>

#include "core/ui_export.h"

namespace SkinUI {

class UILIB_API CWebBrowserEventHandler
{
public:
    CWebBrowserEventHandler() {}
    virtual ~CWebBrowserEventHandler() {}

    virtual void BeforeNavigate2(IDispatch*, VARIANT*&, VARIANT*&, VARIANT*&, VARIANT*&, VARIANT*&, VARIANT_BOOL*&) {}
    virtual void NavigateError(IDispatch*, VARIANT*&, VARIANT*&, VARIANT*&, VARIANT_BOOL*&) {}
    virtual void NavigateComplete2(IDispatch*, VARIANT*&) {}
    virtual void ProgressChange(LONG, LONG) {}
    virtual void NewWindow3(IDispatch**, VARIANT_BOOL*&, DWORD, BSTR, BSTR) {}
    virtual void CommandStateChange(long, VARIANT_BOOL) {}

    virtual HRESULT STDMETHODCALLTYPE ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) { return S_OK; }
    virtual HRESULT STDMETHODCALLTYPE GetHostInfo(DOCHOSTUIINFO* pInfo)
    {
        if (pInfo != NULL) {
            pInfo->cbSize = sizeof(DOCHOSTUIINFO);
            pInfo->dwFlags = DOCHOSTUIFLAG_NO3DBORDER;
            pInfo->dwDoubleClick = 0;
        }
        return S_OK;
    }
    virtual HRESULT STDMETHODCALLTYPE ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                                             IOleInPlaceUIWindow*)
    {
        return S_FALSE;
    }
    virtual HRESULT STDMETHODCALLTYPE HideUI() { return S_OK; }
    virtual HRESULT STDMETHODCALLTYPE UpdateUI() { return S_OK; }
    virtual HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) { return S_OK; }
    virtual HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) { return S_OK; }
    virtual HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL) { return S_OK; }
    virtual HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }
    virtual HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, const GUID*, DWORD) { return S_FALSE; }
    virtual HRESULT STDMETHODCALLTYPE GetOptionKeyPath(LPOLESTR*, DWORD) { return S_OK; }
    virtual HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget*, IDropTarget**) { return E_NOTIMPL; }
    virtual HRESULT STDMETHODCALLTYPE GetExternal(IDispatch**) { return E_NOTIMPL; }
    virtual HRESULT STDMETHODCALLTYPE TranslateUrl(DWORD, OLECHAR*, OLECHAR**) { return S_OK; }
    virtual HRESULT STDMETHODCALLTYPE FilterDataObject(IDataObject*, IDataObject**) { return S_OK; }
    virtual HRESULT STDMETHODCALLTYPE Download(IMoniker*, IBindCtx*, DWORD, LONG, BINDINFO*, LPCOLESTR, LPCOLESTR, UINT)
    {
        return S_OK;
    }
};

} // namespace SkinUI
