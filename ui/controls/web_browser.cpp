// CWebBrowserUI: creating the browser through the ActiveX host, navigation,
// the event sink, the document host's answers and silent script errors.
#include "web_browser.h"

#include <exdispid.h>
#include <mshtml.h>
#include <ocidl.h>

#include <cwchar>
#include <initializer_list>

namespace SkinUI {

namespace {

const CLSID kWebBrowserClsid = {0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};
const IID kDownloadManager = {0x988934A4, 0x064B, 0x11D3, {0xBB, 0x80, 0x00, 0x10, 0x4B, 0x35, 0xE7, 0xF9}};
const GUID kDocHostCommandHandler = {0xF38BC242, 0xB950, 0x11D1, {0x89, 0x18, 0x00, 0xC0, 0x4F, 0xC2, 0xC8, 0x36}};
const IID kWebBrowserEvents2 = {0x34A715A0, 0x6587, 0x11D0, {0x92, 0x4A, 0x00, 0x20, 0xAF, 0xC7, 0xAC, 0x4D}};
const IID kCustomDoc = {0x3050F3F0, 0x98B5, 0x11CF, {0xBB, 0x82, 0x00, 0xAA, 0x00, 0xBD, 0xCE, 0x0B}};
const DWORD kShowScriptError = 40;

HRESULT InvokeByName(IDispatch* pObj, const wchar_t* pName, WORD wFlags, DISPPARAMS* params, VARIANT* pResult)
{
    DISPID dispid = CWebBrowserUI::FindId(pObj, pName);
    if (dispid == -1) return E_FAIL;
    return pObj->Invoke(dispid, IID_NULL, LOCALE_SYSTEM_DEFAULT, wFlags, params, pResult, NULL, NULL);
}

// Reads the details of a script error from the event object of the document's
// window; they are kept nowhere, the reading is what the browser waits for.
void ReadScriptError(IUnknown* pDocument)
{
    ComPtr<IHTMLDocument2> doc;
    if (FAILED(doc.QueryFrom(pDocument, IID_IHTMLDocument2))) return;
    ComPtr<IHTMLWindow2> window;
    if (FAILED(doc->get_parentWindow(window.Receive())) || window == NULL) return;
    ComPtr<IHTMLEventObj> event;
    if (FAILED(window->get_event(event.Receive())) || event == NULL) return;
    const wchar_t* names[] = {L"errorLine", L"errorCharacter", L"errorCode", L"errorMessage", L"errorUrl"};
    for (const wchar_t* name : names) {
        VariantValue value;
        CWebBrowserUI::GetProperty(event, name, value.Ptr());
    }
}

// True when the arguments of an event (last first, as they arrive) are exactly
// these many, of these types; a flags argument may come signed or unsigned.
bool ArgumentsAre(const DISPPARAMS* params, std::initializer_list<VARTYPE> types)
{
    if (params->cArgs != types.size() || (params->cArgs > 0 && params->rgvarg == NULL)) return false;
    const VARIANT* arg = params->rgvarg;
    for (VARTYPE type : types) {
        if (arg->vt != type && !(type == VT_I4 && arg->vt == VT_UI4)) return false;
        ++arg;
    }
    return true;
}

const VARTYPE kByVariant = VT_VARIANT | VT_BYREF;
const VARTYPE kByBool = VT_BOOL | VT_BYREF;

} // namespace

CWebBrowserUI::CWebBrowserUI() : m_dwRef(0), m_dwCookie(0), m_bAutoNavi(false), m_pWebBrowserEventHandler(NULL)
{
    m_clsid = kWebBrowserClsid;
}

CWebBrowserUI::~CWebBrowserUI() { ReleaseControl(); }

const wchar_t* CWebBrowserUI::GetClass() const { return L"WebBrowserUI"; }

LPVOID CWebBrowserUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"WebBrowser") == 0) return static_cast<CWebBrowserUI*>(this);
    return CActiveXUI::GetInterface(pstrName);
}

void CWebBrowserUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (wcscmp(pstrName, L"homepage") == 0) SetHomePage(pstrValue);
    else if (wcscmp(pstrName, L"autonavi") == 0) m_bAutoNavi = wcscmp(pstrValue, L"true") == 0;
    else CActiveXUI::SetAttribute(pstrName, pstrValue);
}

void CWebBrowserUI::SetHomePage(const wchar_t* lpszUrl) { m_sHomePage = lpszUrl != NULL ? lpszUrl : L""; }

const wchar_t* CWebBrowserUI::GetHomePage() { return m_sHomePage; }

void CWebBrowserUI::SetAutoNavigation(bool bAuto) { m_bAutoNavi = bAuto; }

bool CWebBrowserUI::IsAutoNavigation() { return m_bAutoNavi; }

void CWebBrowserUI::SetWebBrowserEventHandler(CWebBrowserEventHandler* pEventHandler)
{
    if (pEventHandler != NULL && pEventHandler != m_pWebBrowserEventHandler) m_pWebBrowserEventHandler = pEventHandler;
}

void CWebBrowserUI::Navigate2(const wchar_t* lpszUrl)
{
    if (lpszUrl == NULL || m_pWebBrowser2 == NULL) return;
    VariantValue url;
    V_VT(url.Ptr()) = VT_BSTR;
    V_BSTR(url.Ptr()) = ::SysAllocString(lpszUrl);
    VariantValue empty;
    m_pWebBrowser2->Navigate2(url.Ptr(), empty.Ptr(), empty.Ptr(), empty.Ptr(), empty.Ptr());
}

void CWebBrowserUI::NavigateUrl(const wchar_t* lpszUrl)
{
    if (lpszUrl == NULL || m_pWebBrowser2 == NULL) return;
    BstrString url(lpszUrl);
    m_pWebBrowser2->Navigate(url, NULL, NULL, NULL, NULL);
}

void CWebBrowserUI::NavigateHomePage()
{
    if (!m_sHomePage.IsEmpty()) NavigateUrl(m_sHomePage);
}

void CWebBrowserUI::Refresh()
{
    if (m_pWebBrowser2 != NULL) m_pWebBrowser2->Refresh();
}

void CWebBrowserUI::Refresh2(int level)
{
    if (m_pWebBrowser2 == NULL) return;
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = level;
    m_pWebBrowser2->Refresh2(&v);
}

void CWebBrowserUI::GoBack()
{
    if (m_pWebBrowser2 != NULL) m_pWebBrowser2->GoBack();
}

void CWebBrowserUI::GoForward()
{
    if (m_pWebBrowser2 != NULL) m_pWebBrowser2->GoForward();
}

IDispatch* CWebBrowserUI::GetHtmlWindow()
{
    if (m_pWebBrowser2 == NULL) return NULL;
    ComPtr<IDispatch> doc;
    if (FAILED(m_pWebBrowser2->get_Document(doc.Receive())) || doc == NULL) return NULL;
    ComPtr<IHTMLDocument2> htmlDoc;
    if (FAILED(htmlDoc.QueryFrom(doc, IID_IHTMLDocument2))) return NULL;
    ComPtr<IHTMLWindow2> window;
    if (FAILED(htmlDoc->get_parentWindow(window.Receive())) || window == NULL) return NULL;
    ComPtr<IDispatch> htmlWindow;
    if (FAILED(htmlWindow.QueryFrom(window, IID_IDispatch))) return NULL;
    // The caller gets the reference.
    return htmlWindow.Detach();
}

DISPID CWebBrowserUI::FindId(IDispatch* pObj, const wchar_t* pName)
{
    if (pObj == NULL || pName == NULL) return -1;
    DISPID id = -1;
    LPOLESTR name = const_cast<LPOLESTR>(pName);
    if (FAILED(pObj->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_SYSTEM_DEFAULT, &id))) id = -1;
    return id;
}

HRESULT CWebBrowserUI::InvokeMethod(IDispatch* pObj, const wchar_t* pMethod, VARIANT* pVarResult, VARIANT* ps,
                                    int cArgs)
{
    DISPPARAMS params = {ps, NULL, static_cast<UINT>(cArgs), 0};
    return InvokeByName(pObj, pMethod, DISPATCH_METHOD, &params, pVarResult);
}

HRESULT CWebBrowserUI::GetProperty(IDispatch* pObj, const wchar_t* pName, VARIANT* pValue)
{
    DISPPARAMS params = {NULL, NULL, 0, 0};
    return InvokeByName(pObj, pName, DISPATCH_PROPERTYGET, &params, pValue);
}

HRESULT CWebBrowserUI::SetProperty(IDispatch* pObj, const wchar_t* pName, VARIANT* pValue)
{
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {pValue, &named, 1, 1};
    return InvokeByName(pObj, pName, DISPATCH_PROPERTYPUT, &params, NULL);
}

// ---- COM identity -------------------------------------------------------------

STDMETHODIMP_(ULONG) CWebBrowserUI::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&m_dwRef)); }

STDMETHODIMP_(ULONG) CWebBrowserUI::Release() { return static_cast<ULONG>(::InterlockedDecrement(&m_dwRef)); }

STDMETHODIMP CWebBrowserUI::QueryInterface(REFIID riid, LPVOID* ppvObject)
{
    if (ppvObject == NULL) return E_POINTER;
    *ppvObject = NULL;
    if (riid == IID_IDocHostUIHandler) *ppvObject = static_cast<IDocHostUIHandler*>(this);
    else if (riid == IID_IUnknown || riid == IID_IDispatch) *ppvObject = static_cast<IDispatch*>(this);
    else if (riid == IID_IServiceProvider) *ppvObject = static_cast<IServiceProvider*>(this);
    else if (riid == IID_IOleCommandTarget) *ppvObject = static_cast<IOleCommandTarget*>(this);
    if (*ppvObject == NULL) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

// ---- events -------------------------------------------------------------------

STDMETHODIMP CWebBrowserUI::GetTypeInfoCount(UINT* pctinfo)
{
    if (pctinfo != NULL) *pctinfo = 0;
    return E_NOTIMPL;
}

STDMETHODIMP CWebBrowserUI::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

STDMETHODIMP CWebBrowserUI::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

STDMETHODIMP CWebBrowserUI::Invoke(DISPID dispIdMember, REFIID riid, LCID, WORD, DISPPARAMS* pDispParams, VARIANT*,
                                   EXCEPINFO*, UINT*)
{
    if (riid != IID_NULL) return E_INVALIDARG;
    if (pDispParams == NULL) return S_OK;
    VARIANT* a = pDispParams->rgvarg;
    const DISPPARAMS* p = pDispParams;
    // The arguments arrive last first; an event of another shape is not read.
    switch (dispIdMember) {
    case DISPID_COMMANDSTATECHANGE:
        if (m_pWebBrowserEventHandler != NULL && ArgumentsAre(p, {VT_BOOL, VT_I4}))
            m_pWebBrowserEventHandler->CommandStateChange(a[1].lVal, a[0].boolVal);
        break;
    case DISPID_BEFORENAVIGATE2:
        if (m_pWebBrowserEventHandler != NULL &&
            ArgumentsAre(p, {kByBool, kByVariant, kByVariant, kByVariant, kByVariant, kByVariant, VT_DISPATCH}))
            m_pWebBrowserEventHandler->BeforeNavigate2(a[6].pdispVal, a[5].pvarVal, a[4].pvarVal, a[3].pvarVal,
                                                       a[2].pvarVal, a[1].pvarVal, a[0].pboolVal);
        break;
    case DISPID_NAVIGATECOMPLETE2:
        if (ArgumentsAre(p, {kByVariant, VT_DISPATCH})) NavigateComplete2(a[1].pdispVal, a[0].pvarVal);
        break;
    case DISPID_NAVIGATEERROR:
        if (m_pWebBrowserEventHandler != NULL &&
            ArgumentsAre(p, {kByBool, kByVariant, kByVariant, kByVariant, VT_DISPATCH}))
            m_pWebBrowserEventHandler->NavigateError(a[4].pdispVal, a[3].pvarVal, a[2].pvarVal, a[1].pvarVal,
                                                     a[0].pboolVal);
        break;
    case DISPID_NEWWINDOW3:
        if (m_pWebBrowserEventHandler != NULL &&
            ArgumentsAre(p, {VT_BSTR, VT_BSTR, VT_I4, kByBool, VT_DISPATCH | VT_BYREF}))
            m_pWebBrowserEventHandler->NewWindow3(a[4].ppdispVal, a[3].pboolVal, a[2].lVal, a[1].bstrVal, a[0].bstrVal);
        break;
    default: break;
    }
    return S_OK;
}

void CWebBrowserUI::NavigateComplete2(IDispatch* pDisp, VARIANT*& url)
{
    ComPtr<IDispatch> doc;
    if (m_pWebBrowser2 != NULL && SUCCEEDED(m_pWebBrowser2->get_Document(doc.Receive()))) HostDocument(doc);
    if (m_pWebBrowserEventHandler != NULL) m_pWebBrowserEventHandler->NavigateComplete2(pDisp, url);
}

void CWebBrowserUI::HostDocument(IUnknown* pDocument)
{
    ComPtr<ICustomDoc> customDoc;
    if (FAILED(customDoc.QueryFrom(pDocument, kCustomDoc))) return;
    if (customDoc.Get() != m_pHostedDoc.Get()) UnhostDocument();
    customDoc->SetUIHandler(static_cast<IDocHostUIHandler*>(this));
    m_pHostedDoc = std::move(customDoc);
}

void CWebBrowserUI::UnhostDocument()
{
    if (m_pHostedDoc != NULL) m_pHostedDoc->SetUIHandler(NULL);
    m_pHostedDoc.Reset();
}

HRESULT CWebBrowserUI::QueryHostInterface(REFIID riid, LPVOID* ppvObject)
{
    if (riid == IID_IDocHostUIHandler || riid == IID_IOleCommandTarget || riid == IID_IServiceProvider)
        return QueryInterface(riid, ppvObject);
    return CActiveXUI::QueryHostInterface(riid, ppvObject);
}

// ---- document host --------------------------------------------------------------

#define WEB_HANDLER_OR(call, fallback)                                                                                 \
    return m_pWebBrowserEventHandler != NULL ? m_pWebBrowserEventHandler->call : (fallback)

STDMETHODIMP CWebBrowserUI::ShowContextMenu(DWORD dwID, POINT* ppt, IUnknown* pTarget, IDispatch* pObject)
{
    WEB_HANDLER_OR(ShowContextMenu(dwID, ppt, pTarget, pObject), S_FALSE);
}

STDMETHODIMP CWebBrowserUI::GetHostInfo(DOCHOSTUIINFO* pInfo) { WEB_HANDLER_OR(GetHostInfo(pInfo), E_NOTIMPL); }

STDMETHODIMP CWebBrowserUI::ShowUI(DWORD dwID, IOleInPlaceActiveObject* pActiveObject,
                                   IOleCommandTarget* pCommandTarget, IOleInPlaceFrame* pFrame,
                                   IOleInPlaceUIWindow* pDoc)
{
    WEB_HANDLER_OR(ShowUI(dwID, pActiveObject, pCommandTarget, pFrame, pDoc), S_OK);
}

STDMETHODIMP CWebBrowserUI::HideUI() { WEB_HANDLER_OR(HideUI(), S_OK); }

STDMETHODIMP CWebBrowserUI::UpdateUI() { WEB_HANDLER_OR(UpdateUI(), S_OK); }

STDMETHODIMP CWebBrowserUI::EnableModeless(BOOL fEnable) { WEB_HANDLER_OR(EnableModeless(fEnable), E_NOTIMPL); }

STDMETHODIMP CWebBrowserUI::OnDocWindowActivate(BOOL fActivate)
{
    WEB_HANDLER_OR(OnDocWindowActivate(fActivate), E_NOTIMPL);
}

STDMETHODIMP CWebBrowserUI::OnFrameWindowActivate(BOOL fActivate)
{
    WEB_HANDLER_OR(OnFrameWindowActivate(fActivate), E_NOTIMPL);
}

STDMETHODIMP CWebBrowserUI::ResizeBorder(LPCRECT prcBorder, IOleInPlaceUIWindow* pUIWindow, BOOL fFrameWindow)
{
    WEB_HANDLER_OR(ResizeBorder(prcBorder, pUIWindow, fFrameWindow), E_NOTIMPL);
}

STDMETHODIMP CWebBrowserUI::TranslateAccelerator(LPMSG lpMsg, const GUID* pguidCmdGroup, DWORD nCmdID)
{
    WEB_HANDLER_OR(TranslateAccelerator(lpMsg, pguidCmdGroup, nCmdID), S_FALSE);
}

STDMETHODIMP CWebBrowserUI::GetOptionKeyPath(LPOLESTR* pchKey, DWORD dwReserved)
{
    WEB_HANDLER_OR(GetOptionKeyPath(pchKey, dwReserved), E_NOTIMPL);
}

STDMETHODIMP CWebBrowserUI::GetDropTarget(IDropTarget* pDropTarget, IDropTarget** ppDropTarget)
{
    WEB_HANDLER_OR(GetDropTarget(pDropTarget, ppDropTarget), S_FALSE);
}

STDMETHODIMP CWebBrowserUI::GetExternal(IDispatch** ppDispatch) { WEB_HANDLER_OR(GetExternal(ppDispatch), S_FALSE); }

STDMETHODIMP CWebBrowserUI::TranslateUrl(DWORD dwTranslate, OLECHAR* pchURLIn, OLECHAR** ppchURLOut)
{
    if (m_pWebBrowserEventHandler != NULL)
        return m_pWebBrowserEventHandler->TranslateUrl(dwTranslate, pchURLIn, ppchURLOut);
    if (ppchURLOut != NULL) *ppchURLOut = NULL;
    return E_NOTIMPL;
}

STDMETHODIMP CWebBrowserUI::FilterDataObject(IDataObject* pDO, IDataObject** ppDORet)
{
    if (m_pWebBrowserEventHandler != NULL) return m_pWebBrowserEventHandler->FilterDataObject(pDO, ppDORet);
    if (ppDORet != NULL) *ppDORet = NULL;
    return E_NOTIMPL;
}

STDMETHODIMP CWebBrowserUI::Download(IMoniker* pmk, IBindCtx* pbc, DWORD dwBindVerb, LONG grfBINDF, BINDINFO* pBindInfo,
                                     LPCOLESTR pszHeaders, LPCOLESTR pszRedir, UINT uiCP)
{
    WEB_HANDLER_OR(Download(pmk, pbc, dwBindVerb, grfBINDF, pBindInfo, pszHeaders, pszRedir, uiCP), S_OK);
}

#undef WEB_HANDLER_OR

// ---- services and commands ------------------------------------------------------

STDMETHODIMP CWebBrowserUI::QueryService(REFGUID guidService, REFIID riid, void** ppvObject)
{
    if (ppvObject == NULL) return E_POINTER;
    *ppvObject = NULL;
    if (guidService != kDownloadManager || riid != kDownloadManager) return E_NOINTERFACE;
    *ppvObject = static_cast<IDownloadManager*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP CWebBrowserUI::QueryStatus(const GUID*, ULONG, OLECMD[], OLECMDTEXT*) { return OLECMDERR_E_NOTSUPPORTED; }

STDMETHODIMP CWebBrowserUI::Exec(const GUID* pguidCmdGroup, DWORD nCmdID, DWORD, VARIANTARG* pvaIn, VARIANTARG* pvaOut)
{
    if (pguidCmdGroup == NULL || *pguidCmdGroup != kDocHostCommandHandler || nCmdID != kShowScriptError)
        return OLECMDERR_E_NOTSUPPORTED;
    // The error's details are read from the window's event object (and kept
    // nowhere); what matters is the answer: scripts go on, no dialog.
    if (pvaIn != NULL && pvaIn->vt == VT_UNKNOWN) ReadScriptError(pvaIn->punkVal);
    if (pvaOut != NULL) {
        ::VariantClear(pvaOut);
        pvaOut->vt = VT_BOOL;
        pvaOut->boolVal = VARIANT_TRUE;
    }
    return S_OK;
}

// ---- keys, creation and the events connection -------------------------------------

LRESULT CWebBrowserUI::TranslateAccelerator(MSG* pMsg)
{
    if (m_pWebBrowser2 == NULL) return S_FALSE;
    return TranslateObjectAccelerator(pMsg);
}

bool CWebBrowserUI::DoCreateControl()
{
    if (!CActiveXUI::DoCreateControl()) return false;
    if (m_pManager != NULL) m_pManager->AddTranslateAccelerator(this);
    GetControl(IID_IWebBrowser2, m_pWebBrowser2.ReceiveVoid());
    if (m_bAutoNavi && !m_sHomePage.IsEmpty()) Navigate2(m_sHomePage);
    RegisterEventHandler(TRUE);
    return true;
}

void CWebBrowserUI::ReleaseControl()
{
    m_bCreated = false;
    if (m_pManager != NULL) m_pManager->RemoveTranslateAccelerator(this);
    RegisterEventHandler(FALSE);
    UnhostDocument();
    m_pWebBrowser2.Reset();
    // The object itself too, so that creating again does not leak the first one.
    CActiveXUI::ReleaseControl();
}

HRESULT CWebBrowserUI::RegisterEventHandler(BOOL inAdvise)
{
    return ConnectEventSink(m_pWebBrowser2, kWebBrowserEvents2, static_cast<IDispatch*>(this), m_dwCookie,
                            inAdvise != FALSE);
}

} // namespace SkinUI
