// CActiveXUI: creating, placing, painting and releasing the embedded object, and
// the message filter that feeds a windowless object its window messages.
#include "activex.h"

#include <ocidl.h>

#include <cstring>
#include <string>

#include "activex_site.h"

namespace SkinUI {

namespace {

typedef HRESULT(__stdcall* DllGetClassObjectFunc)(REFCLSID rclsid, REFIID riid, LPVOID* ppv);

// Pixels to HIMETRIC (0.01 mm) at the screen's resolution.
SIZEL PixelToHiMetric(SIZEL pixels)
{
    SIZEL hm = {0, 0};
    WindowDC screen;
    if (screen.Get() == NULL) return hm;
    hm.cx = ::MulDiv(2540, pixels.cx, ::GetDeviceCaps(screen, LOGPIXELSX));
    hm.cy = ::MulDiv(2540, pixels.cy, ::GetDeviceCaps(screen, LOGPIXELSY));
    return hm;
}

// The object from the module's own class factory; empty when any step fails.
ComPtr<IUnknown> CreateFromModule(const wchar_t* moduleName, const CLSID& clsid)
{
    ComPtr<IUnknown> created;
    // The module stays loaded: the object's code lives in it.
    HMODULE hModule = ::LoadLibraryW(moduleName);
    if (hModule == NULL) return created;
    DllGetClassObjectFunc getClassObject =
        reinterpret_cast<DllGetClassObjectFunc>(::GetProcAddress(hModule, "DllGetClassObject"));
    if (getClassObject == NULL) return created;
    ComPtr<IClassFactory> factory;
    if (FAILED(getClassObject(clsid, IID_IClassFactory, factory.ReceiveVoid())) || factory == NULL) return created;
    if (FAILED(factory->CreateInstance(NULL, IID_IOleObject, created.ReceiveVoid()))) created.Reset();
    return created;
}

} // namespace

CActiveXUI::CActiveXUI() : m_clsid(IID_NULL), m_bCreated(false), m_hwndHost(NULL), m_bDelayCreate(true) {}

CActiveXUI::~CActiveXUI() { ReleaseControl(); }

const wchar_t* CActiveXUI::GetClass() const { return L"ActiveXUI"; }

LPVOID CActiveXUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"ActiveX") == 0) return static_cast<CActiveXUI*>(this);
    return CControlUI::GetInterface(pstrName);
}

HWND CActiveXUI::GetHostWindow() const { return m_hwndHost; }

bool CActiveXUI::IsDelayCreate() const { return m_bDelayCreate; }

void CActiveXUI::SetDelayCreate(bool bDelayCreate)
{
    if (m_bDelayCreate == bDelayCreate) return;
    if (!bDelayCreate && !m_bCreated && m_clsid != IID_NULL) DoCreateControl();
    m_bDelayCreate = bDelayCreate;
}

bool CActiveXUI::CreateControl(const wchar_t* pstrCLSID)
{
    CLSID clsid = IID_NULL;
    if (pstrCLSID == NULL || *pstrCLSID == 0) return false;
    // The whole text, however long: the conversions take a writable copy.
    std::wstring text(pstrCLSID);
    if (text[0] == L'{') {
        if (FAILED(::CLSIDFromString(&text[0], &clsid))) clsid = IID_NULL;
    } else {
        if (FAILED(::CLSIDFromProgID(text.c_str(), &clsid))) clsid = IID_NULL;
    }
    return CreateControl(clsid);
}

bool CActiveXUI::CreateControl(const CLSID& clsid)
{
    if (clsid == IID_NULL) return false;
    m_clsid = clsid;
    m_bCreated = false;
    if (!m_bDelayCreate) DoCreateControl();
    return true;
}

HRESULT CActiveXUI::GetControl(const IID& iid, LPVOID* ppRet)
{
    if (ppRet == NULL) return E_POINTER;
    *ppRet = NULL;
    if (m_pUnk == NULL) return E_PENDING;
    return m_pUnk->QueryInterface(iid, ppRet);
}

CLSID CActiveXUI::GetClisd() const { return m_clsid; }

HRESULT CActiveXUI::QueryHostInterface(REFIID, LPVOID* ppvObject)
{
    if (ppvObject == NULL) return E_POINTER;
    *ppvObject = NULL;
    return E_NOINTERFACE;
}

CUIString CActiveXUI::GetModuleName() const { return m_sModuleName; }

void CActiveXUI::SetModuleName(const wchar_t* pstrText) { m_sModuleName = pstrText; }

bool CActiveXUI::IsWindowed() const { return m_pControl != NULL && !m_pControl->m_bWindowless; }

RECT CActiveXUI::ObjectRect() const
{
    RECT rc = m_rcItem;
    if (IsWindowed()) ::OffsetRect(&rc, -rc.left, -rc.top);
    return rc;
}

void CActiveXUI::SetVisible(bool bVisible)
{
    CControlUI::SetVisible(bVisible);
    if (m_hwndHost != NULL && IsWindowed()) ::ShowWindow(m_hwndHost, IsVisible() ? SW_SHOW : SW_HIDE);
}

void CActiveXUI::SetInternVisible(bool bVisible)
{
    CControlUI::SetInternVisible(bVisible);
    if (m_hwndHost != NULL && IsWindowed()) ::ShowWindow(m_hwndHost, IsVisible() ? SW_SHOW : SW_HIDE);
}

void CActiveXUI::SetPos(RECT rc)
{
    CControlUI::SetPos(rc);
    // The object is made once the control has a place in a window.
    if (!m_bCreated && m_clsid != IID_NULL && m_pManager != NULL) DoCreateControl();
    if (m_pUnk == NULL || m_pControl == NULL) return;

    SIZEL pixels = {m_rcItem.right - m_rcItem.left, m_rcItem.bottom - m_rcItem.top};
    SIZEL hm = PixelToHiMetric(pixels);
    m_pUnk->SetExtent(DVASPECT_CONTENT, &hm);
    if (m_pControl->m_pInPlaceObject != NULL) {
        RECT rcObject = ObjectRect();
        m_pControl->m_pInPlaceObject->SetObjectRects(&rcObject, &rcObject);
    }
    if (IsWindowed() && m_hwndHost != NULL) {
        ::MoveWindow(m_hwndHost, m_rcItem.left, m_rcItem.top, m_rcItem.right - m_rcItem.left,
                     m_rcItem.bottom - m_rcItem.top, TRUE);
    }
}

void CActiveXUI::DoPaint(HDC hDC, const RECT& rcPaint)
{
    if (!::IntersectRect(&m_rcPaint, &rcPaint, &m_rcItem)) return;
    if (m_pControl == NULL || !m_pControl->m_bWindowless || m_pControl->m_pViewObject == NULL) return;
    RECTL rcBounds = {m_rcItem.left, m_rcItem.top, m_rcItem.right, m_rcItem.bottom};
    m_pControl->m_pViewObject->Draw(DVASPECT_CONTENT, -1, NULL, NULL, NULL, hDC, &rcBounds, &rcBounds, NULL, 0);
}

void CActiveXUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (wcscmp(pstrName, L"clsid") == 0) CreateControl(pstrValue);
    else if (wcscmp(pstrName, L"modulename") == 0) SetModuleName(pstrValue);
    else if (wcscmp(pstrName, L"delaycreate") == 0) SetDelayCreate(wcscmp(pstrValue, L"true") == 0);
    else CControlUI::SetAttribute(pstrName, pstrValue);
}

LRESULT CActiveXUI::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled)
{
    // Only a windowless object has OnWindowMessage; a windowed one gets its
    // messages from its own window.
    if (m_pControl == NULL || !m_pControl->m_bInPlaceActive || m_pControl->m_pInPlaceObject == NULL ||
        !m_pControl->m_bWindowless)
        return 0;
    const bool isMouse = uMsg >= WM_MOUSEFIRST && uMsg <= WM_MOUSELAST;
    if (isMouse && !IsMouseEnabled()) return 0;

    bool bWasHandled = true;
    if (isMouse || uMsg == WM_SETCURSOR) {
        if (!m_pControl->m_bCaptured) {
            // WM_SETCURSOR carries no point: the cursor's position is read instead.
            POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (uMsg == WM_SETCURSOR) {
                ::GetCursorPos(&pt);
                ::ScreenToClient(m_pManager != NULL ? m_pManager->GetPaintWindow() : NULL, &pt);
            }
            DWORD dwHitResult = HITRESULT_OUTSIDE;
            ComPtr<IViewObjectEx> viewEx;
            if (SUCCEEDED(viewEx.QueryFrom(m_pUnk, IID_IViewObjectEx))) {
                viewEx->QueryHitPoint(DVASPECT_CONTENT, &m_rcItem, pt, 0, &dwHitResult);
            } else if (::PtInRect(&m_rcItem, pt)) {
                // Without hit testing, the object is taken to cover its rectangle.
                dwHitResult = HITRESULT_HIT;
            }
            if (dwHitResult != HITRESULT_HIT) return 0;
        }
        if (uMsg == WM_SETCURSOR) bWasHandled = false;
    } else if (uMsg >= WM_KEYFIRST && uMsg <= WM_KEYLAST) {
        if (!m_pControl->m_bHaveFocus) return 0;
    } else if (uMsg == WM_HELP || uMsg == WM_CONTEXTMENU) {
        bWasHandled = false;
    } else {
        return 0;
    }
    LRESULT lResult = 0;
    IOleInPlaceObjectWindowless* pWindowless =
        static_cast<IOleInPlaceObjectWindowless*>(m_pControl->m_pInPlaceObject.Get());
    HRESULT hr = pWindowless->OnWindowMessage(uMsg, wParam, lParam, &lResult);
    if (hr == S_OK) bHandled = bWasHandled;
    return lResult;
}

LRESULT CActiveXUI::TranslateObjectAccelerator(MSG* pMsg)
{
    if (pMsg == NULL || pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return S_FALSE;
    if (m_pUnk == NULL || m_hwndHost == NULL) return S_FALSE;
    HWND hWnd = ::GetFocus();
    while (hWnd != NULL && hWnd != m_hwndHost) hWnd = ::GetParent(hWnd);
    if (hWnd == NULL) return S_FALSE;
    ComPtr<IOleInPlaceActiveObject> active;
    if (FAILED(active.QueryFrom(m_pUnk, IID_IOleInPlaceActiveObject))) return S_FALSE;
    return active->TranslateAccelerator(pMsg);
}

HRESULT CActiveXUI::ConnectEventSink(IUnknown* pSource, REFIID riidEvents, IDispatch* pSink, DWORD& dwCookie,
                                     bool bAdvise)
{
    if (pSource == NULL) return S_FALSE;
    if (!bAdvise && dwCookie == 0) return S_FALSE;
    ComPtr<IConnectionPointContainer> container;
    if (FAILED(container.QueryFrom(pSource, IID_IConnectionPointContainer))) return E_NOINTERFACE;
    ComPtr<IConnectionPoint> point;
    HRESULT hr = container->FindConnectionPoint(riidEvents, point.Receive());
    if (FAILED(hr) || point == NULL) return E_NOINTERFACE;
    if (bAdvise) {
        hr = point->Advise(pSink, &dwCookie);
        if (FAILED(hr)) dwCookie = 0;
    } else {
        hr = point->Unadvise(dwCookie);
        dwCookie = 0;
    }
    return hr;
}

void CActiveXUI::ReleaseControl()
{
    m_hwndHost = NULL;
    if (m_pUnk != NULL) {
        {
            ComPtr<IObjectWithSite> withSite;
            if (SUCCEEDED(withSite.QueryFrom(m_pUnk, IID_IObjectWithSite))) withSite->SetSite(NULL);
        }
        if (m_pControl != NULL) m_pControl->UnlockRunning();
        m_pUnk->Close(OLECLOSE_NOSAVE);
        m_pUnk->SetClientSite(NULL);
        m_pUnk.Reset();
    }
    if (m_pControl != NULL) {
        m_pControl->Detach();
        m_pControl.Reset();
    }
    if (m_pManager != NULL) m_pManager->RemoveMessageFilter(this);
}

bool CActiveXUI::DoCreateControl()
{
    ReleaseControl();
    m_bCreated = true;

    ComPtr<IUnknown> created;
    if (!m_sModuleName.IsEmpty()) created = CreateFromModule(m_sModuleName, m_clsid);
    if (created == NULL &&
        FAILED(::CoCreateInstance(m_clsid, NULL, CLSCTX_ALL, IID_IOleControl, created.ReceiveVoid())))
        created.Reset();
    if (created == NULL) return false;
    HRESULT hr = m_pUnk.QueryFrom(created, IID_IOleObject);
    created.Reset();
    if (FAILED(hr)) return false;

    // The site is born with one reference, which this control holds.
    m_pControl.Attach(new CActiveXCtrl(this));
    IOleClientSite* pClientSite = static_cast<IOleClientSite*>(m_pControl.Get());
    DWORD dwMiscStatus = 0;
    m_pUnk->GetMiscStatus(DVASPECT_CONTENT, &dwMiscStatus);
    if ((dwMiscStatus & OLEMISC_SETCLIENTSITEFIRST) != 0) m_pUnk->SetClientSite(pClientSite);
    ComPtr<IPersistStreamInit> persist;
    if (SUCCEEDED(persist.QueryFrom(m_pUnk, IID_IPersistStreamInit))) {
        hr = persist->InitNew();
        persist.Reset();
        if (FAILED(hr)) return false;
    }
    if ((dwMiscStatus & OLEMISC_SETCLIENTSITEFIRST) == 0) m_pUnk->SetClientSite(pClientSite);

    const IID* viewInterfaces[] = {&IID_IViewObjectEx, &IID_IViewObject2, &IID_IViewObject};
    for (const IID* iid : viewInterfaces) {
        if (SUCCEEDED(m_pControl->m_pViewObject.QueryFrom(m_pUnk, *iid))) break;
    }

    m_pUnk->SetHostNames(L"UIActiveX", NULL);
    if (m_pManager != NULL) m_pManager->SendNotify(this, L"showactivex", 0, 0, false);
    // A notifier may have released the object.
    if (m_pUnk == NULL || m_pControl == NULL) return false;

    hr = S_OK;
    if ((dwMiscStatus & OLEMISC_INVISIBLEATRUNTIME) == 0) {
        HWND hWndPaint = m_pManager != NULL ? m_pManager->GetPaintWindow() : NULL;
        hr = m_pUnk->DoVerb(OLEIVERB_INPLACEACTIVATE, NULL, pClientSite, 0, hWndPaint, &m_rcItem);
    }
    if (m_pUnk == NULL || m_pControl == NULL) return false;
    ComPtr<IObjectWithSite> withSite;
    if (SUCCEEDED(withSite.QueryFrom(m_pUnk, IID_IObjectWithSite)))
        withSite->SetSite(static_cast<IOleClientSite*>(m_pControl.Get()));
    return SUCCEEDED(hr);
}

} // namespace SkinUI
