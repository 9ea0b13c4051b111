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
    HDC hDC = ::GetDC(NULL);
    if (hDC == NULL) return hm;
    hm.cx = ::MulDiv(2540, pixels.cx, ::GetDeviceCaps(hDC, LOGPIXELSX));
    hm.cy = ::MulDiv(2540, pixels.cy, ::GetDeviceCaps(hDC, LOGPIXELSY));
    ::ReleaseDC(NULL, hDC);
    return hm;
}

// The object from the module's own class factory; null when any step fails.
IUnknown* CreateFromModule(const wchar_t* moduleName, const CLSID& clsid)
{
    // The module stays loaded: the object's code lives in it.
    HMODULE hModule = ::LoadLibraryW(moduleName);
    if (hModule == NULL) return NULL;
    DllGetClassObjectFunc getClassObject =
        reinterpret_cast<DllGetClassObjectFunc>(::GetProcAddress(hModule, "DllGetClassObject"));
    if (getClassObject == NULL) return NULL;
    IClassFactory* pFactory = NULL;
    if (FAILED(getClassObject(clsid, IID_IClassFactory, reinterpret_cast<LPVOID*>(&pFactory))) || pFactory == NULL)
        return NULL;
    IUnknown* pUnk = NULL;
    HRESULT hr = pFactory->CreateInstance(NULL, IID_IOleObject, reinterpret_cast<LPVOID*>(&pUnk));
    pFactory->Release();
    return SUCCEEDED(hr) ? pUnk : NULL;
}

} // namespace

CActiveXUI::CActiveXUI()
    : m_clsid(IID_NULL), m_bCreated(false), m_pUnk(NULL), m_pControl(NULL), m_hwndHost(NULL), m_bDelayCreate(true)
{
}

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
            IViewObjectEx* pViewEx = NULL;
            if (m_pUnk != NULL &&
                SUCCEEDED(m_pUnk->QueryInterface(IID_IViewObjectEx, reinterpret_cast<LPVOID*>(&pViewEx))) &&
                pViewEx != NULL) {
                pViewEx->QueryHitPoint(DVASPECT_CONTENT, &m_rcItem, pt, 0, &dwHitResult);
                pViewEx->Release();
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
    IOleInPlaceObjectWindowless* pWindowless = static_cast<IOleInPlaceObjectWindowless*>(m_pControl->m_pInPlaceObject);
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
    IOleInPlaceActiveObject* pActive = NULL;
    if (FAILED(m_pUnk->QueryInterface(IID_IOleInPlaceActiveObject, reinterpret_cast<LPVOID*>(&pActive))) ||
        pActive == NULL)
        return S_FALSE;
    HRESULT hr = pActive->TranslateAccelerator(pMsg);
    pActive->Release();
    return hr;
}

HRESULT CActiveXUI::ConnectEventSink(IUnknown* pSource, REFIID riidEvents, IDispatch* pSink, DWORD& dwCookie,
                                     bool bAdvise)
{
    if (pSource == NULL) return S_FALSE;
    if (!bAdvise && dwCookie == 0) return S_FALSE;
    IConnectionPointContainer* pContainer = NULL;
    HRESULT hr = pSource->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<LPVOID*>(&pContainer));
    if (FAILED(hr) || pContainer == NULL) return E_NOINTERFACE;
    IConnectionPoint* pPoint = NULL;
    hr = pContainer->FindConnectionPoint(riidEvents, &pPoint);
    pContainer->Release();
    if (FAILED(hr) || pPoint == NULL) return E_NOINTERFACE;
    if (bAdvise) {
        hr = pPoint->Advise(pSink, &dwCookie);
        if (FAILED(hr)) dwCookie = 0;
    } else {
        hr = pPoint->Unadvise(dwCookie);
        dwCookie = 0;
    }
    pPoint->Release();
    return hr;
}

void CActiveXUI::ReleaseControl()
{
    m_hwndHost = NULL;
    if (m_pUnk != NULL) {
        IObjectWithSite* pSite = NULL;
        if (SUCCEEDED(m_pUnk->QueryInterface(IID_IObjectWithSite, reinterpret_cast<LPVOID*>(&pSite))) &&
            pSite != NULL) {
            pSite->SetSite(NULL);
            pSite->Release();
        }
        if (m_pControl != NULL) m_pControl->UnlockRunning();
        m_pUnk->Close(OLECLOSE_NOSAVE);
        m_pUnk->SetClientSite(NULL);
        m_pUnk->Release();
        m_pUnk = NULL;
    }
    if (m_pControl != NULL) {
        m_pControl->Detach();
        m_pControl->Release();
        m_pControl = NULL;
    }
    if (m_pManager != NULL) m_pManager->RemoveMessageFilter(this);
}

bool CActiveXUI::DoCreateControl()
{
    ReleaseControl();
    m_bCreated = true;

    IUnknown* pCreated = NULL;
    if (!m_sModuleName.IsEmpty()) pCreated = CreateFromModule(m_sModuleName, m_clsid);
    if (pCreated == NULL &&
        FAILED(::CoCreateInstance(m_clsid, NULL, CLSCTX_ALL, IID_IOleControl, reinterpret_cast<LPVOID*>(&pCreated))))
        pCreated = NULL;
    if (pCreated == NULL) return false;
    HRESULT hr = pCreated->QueryInterface(IID_IOleObject, reinterpret_cast<LPVOID*>(&m_pUnk));
    pCreated->Release();
    if (FAILED(hr) || m_pUnk == NULL) {
        m_pUnk = NULL;
        return false;
    }

    m_pControl = new CActiveXCtrl(this);
    IOleClientSite* pClientSite = static_cast<IOleClientSite*>(m_pControl);
    DWORD dwMiscStatus = 0;
    m_pUnk->GetMiscStatus(DVASPECT_CONTENT, &dwMiscStatus);
    if ((dwMiscStatus & OLEMISC_SETCLIENTSITEFIRST) != 0) m_pUnk->SetClientSite(pClientSite);
    IPersistStreamInit* pPersist = NULL;
    if (SUCCEEDED(m_pUnk->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<LPVOID*>(&pPersist))) &&
        pPersist != NULL) {
        hr = pPersist->InitNew();
        pPersist->Release();
        if (FAILED(hr)) return false;
    }
    if ((dwMiscStatus & OLEMISC_SETCLIENTSITEFIRST) == 0) m_pUnk->SetClientSite(pClientSite);

    const IID* viewInterfaces[] = {&IID_IViewObjectEx, &IID_IViewObject2, &IID_IViewObject};
    for (const IID* iid : viewInterfaces) {
        if (SUCCEEDED(m_pUnk->QueryInterface(*iid, reinterpret_cast<LPVOID*>(&m_pControl->m_pViewObject))) &&
            m_pControl->m_pViewObject != NULL)
            break;
        m_pControl->m_pViewObject = NULL;
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
    IObjectWithSite* pSite = NULL;
    if (SUCCEEDED(m_pUnk->QueryInterface(IID_IObjectWithSite, reinterpret_cast<LPVOID*>(&pSite))) && pSite != NULL) {
        pSite->SetSite(static_cast<IOleClientSite*>(m_pControl));
        pSite->Release();
    }
    return SUCCEEDED(hr);
}

} // namespace SkinUI
