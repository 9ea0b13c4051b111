// CActiveXCtrl: the container side of one embedded object. Its OLE interfaces
// share one reference count; the owning CActiveXUI holds the first reference.
#include "activex_site.h"

#include <docobj.h>
#include <mshtmhst.h>
#include <servprov.h>

#include "activex.h"

namespace SkinUI {

namespace {

template <class T> HRESULT Hand(T* p, LPVOID* ppv)
{
    *ppv = p;
    p->AddRef();
    return S_OK;
}

} // namespace

CActiveXCtrl::CActiveXCtrl(CActiveXUI* pOwner)
    : m_dwRef(1),
      m_pOwner(pOwner),
      m_pWindow(NULL),
      m_hAccel(NULL),
      m_bLocked(false),
      m_bWindowless(true),
      m_bCaptured(false),
      m_bHaveFocus(false),
      m_bInPlaceActive(false),
      m_bUIActivated(false)
{}

CActiveXCtrl::~CActiveXCtrl()
{
    Detach();
    m_pUnkSite.Reset();
    if (m_hAccel != NULL) ::DestroyAcceleratorTable(m_hAccel);
}

void CActiveXCtrl::Detach()
{
    DestroyActiveXWnd();
    UnlockRunning();
    ReleaseInPlaceObject();
    m_pViewObject.Reset();
    m_bInPlaceActive = false;
    m_pOwner = NULL;
}

void CActiveXCtrl::ReleaseInPlaceObject() { m_pInPlaceObject.Reset(); }

void CActiveXCtrl::UnlockRunning()
{
    if (m_pLockedObject == NULL) return;
    ::OleLockRunning(m_pLockedObject, FALSE, FALSE);
    m_pLockedObject.Reset();
}

STDMETHODIMP_(ULONG) CActiveXCtrl::AddRef() { return ++m_dwRef; }

STDMETHODIMP_(ULONG) CActiveXCtrl::Release()
{
    LONG lRef = --m_dwRef;
    if (lRef == 0) delete this;
    return lRef;
}

STDMETHODIMP CActiveXCtrl::QueryInterface(REFIID riid, LPVOID* ppvObject)
{
    if (ppvObject == NULL) return E_POINTER;
    *ppvObject = NULL;
    if (riid == IID_IUnknown || riid == IID_IOleClientSite) return Hand(static_cast<IOleClientSite*>(this), ppvObject);
    if (riid == IID_IOleInPlaceSiteWindowless || riid == IID_IOleInPlaceSiteEx || riid == IID_IOleInPlaceSite ||
        riid == IID_IOleWindow)
        return Hand(static_cast<IOleInPlaceSiteWindowless*>(this), ppvObject);
    if (riid == IID_IOleControlSite) return Hand(static_cast<IOleControlSite*>(this), ppvObject);
    if (riid == IID_IObjectWithSite) return Hand(static_cast<IObjectWithSite*>(this), ppvObject);
    if (riid == IID_IOleContainer || riid == IID_IParseDisplayName)
        return Hand(static_cast<IOleContainer*>(this), ppvObject);
    // The document host's questions are the owning control's to answer: the web
    // browser's answers are what keep script errors silent.
    if (riid == IID_IDocHostUIHandler || riid == IID_IOleCommandTarget || riid == IID_IServiceProvider)
        return m_pOwner != NULL ? m_pOwner->QueryHostInterface(riid, ppvObject) : E_NOINTERFACE;
    return E_NOINTERFACE;
}

// ---- IObjectWithSite --------------------------------------------------------

STDMETHODIMP CActiveXCtrl::SetSite(IUnknown* pUnkSite)
{
    m_pUnkSite = ComPtr<IUnknown>(pUnkSite);
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::GetSite(REFIID riid, LPVOID* ppvSite)
{
    if (ppvSite == NULL) return E_POINTER;
    *ppvSite = NULL;
    if (m_pUnkSite == NULL) return E_FAIL;
    return m_pUnkSite->QueryInterface(riid, ppvSite);
}

// ---- IOleClientSite ---------------------------------------------------------

STDMETHODIMP CActiveXCtrl::SaveObject() { return E_NOTIMPL; }

STDMETHODIMP CActiveXCtrl::GetMoniker(DWORD, DWORD, IMoniker** ppmk)
{
    if (ppmk != NULL) *ppmk = NULL;
    return E_NOTIMPL;
}

STDMETHODIMP CActiveXCtrl::GetContainer(IOleContainer** ppContainer)
{
    if (ppContainer == NULL) return E_POINTER;
    *ppContainer = NULL;
    if (m_pUnkSite != NULL &&
        SUCCEEDED(m_pUnkSite->QueryInterface(IID_IOleContainer, reinterpret_cast<LPVOID*>(ppContainer))) &&
        *ppContainer != NULL)
        return S_OK;
    *ppContainer = NULL;
    return QueryInterface(IID_IOleContainer, reinterpret_cast<LPVOID*>(ppContainer));
}

STDMETHODIMP CActiveXCtrl::ShowObject()
{
    if (m_pOwner == NULL) return E_UNEXPECTED;
    if (m_pViewObject == NULL || m_pOwner->m_hwndHost == NULL) return S_OK;
    WindowDC dc(m_pOwner->m_hwndHost);
    if (dc.Get() == NULL) return E_FAIL;
    RECTL rc = {m_pOwner->m_rcItem.left, m_pOwner->m_rcItem.top, m_pOwner->m_rcItem.right, m_pOwner->m_rcItem.bottom};
    m_pViewObject->Draw(DVASPECT_CONTENT, -1, NULL, NULL, NULL, dc, &rc, &rc, NULL, 0);
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::OnShowWindow(BOOL) { return E_NOTIMPL; }

STDMETHODIMP CActiveXCtrl::RequestNewObjectLayout() { return E_NOTIMPL; }

// ---- IOleInPlaceSiteWindowless ----------------------------------------------

STDMETHODIMP CActiveXCtrl::CanWindowlessActivate() { return S_OK; }

STDMETHODIMP CActiveXCtrl::GetCapture() { return m_bCaptured ? S_OK : S_FALSE; }

STDMETHODIMP CActiveXCtrl::SetCapture(BOOL fCapture)
{
    if (m_pOwner == NULL) return E_UNEXPECTED;
    m_bCaptured = fCapture != FALSE;
    if (m_bCaptured) ::SetCapture(m_pOwner->m_hwndHost);
    else ::ReleaseCapture();
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::GetFocus() { return m_bHaveFocus ? S_OK : S_FALSE; }

STDMETHODIMP CActiveXCtrl::SetFocus(BOOL fFocus)
{
    if (m_pOwner == NULL) return E_UNEXPECTED;
    m_bHaveFocus = fFocus != FALSE;
    if (m_bHaveFocus) m_pOwner->SetFocus();
    return S_OK;
}

// GetDC and ReleaseDC hand the host window's DC to the object and take it
// back: the pair is the object's to balance, so no scope can own the DC here.
STDMETHODIMP CActiveXCtrl::GetDC(LPCRECT, DWORD grfFlags, HDC* phDC)
{
    if (phDC == NULL) return E_POINTER;
    *phDC = NULL;
    if (m_pOwner == NULL) return E_UNEXPECTED;
    *phDC = ::GetDC(m_pOwner->m_hwndHost);
    if (*phDC == NULL) return E_FAIL;
    if ((grfFlags & OLEDC_NODRAW) == 0) {
        RECT rc = m_pOwner->ObjectRect();
        ::FillRect(*phDC, &rc, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    }
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::ReleaseDC(HDC hDC)
{
    if (m_pOwner == NULL) return E_UNEXPECTED;
    ::ReleaseDC(m_pOwner->m_hwndHost, hDC);
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::InvalidateRect(LPCRECT pRect, BOOL fErase)
{
    if (m_pOwner == NULL || m_pOwner->m_hwndHost == NULL) return E_FAIL;
    return ::InvalidateRect(m_pOwner->m_hwndHost, pRect, fErase) ? S_OK : E_FAIL;
}

STDMETHODIMP CActiveXCtrl::InvalidateRgn(HRGN hRGN, BOOL fErase)
{
    if (m_pOwner == NULL || m_pOwner->m_hwndHost == NULL) return E_FAIL;
    return ::InvalidateRgn(m_pOwner->m_hwndHost, hRGN, fErase) ? S_OK : E_FAIL;
}

STDMETHODIMP CActiveXCtrl::ScrollRect(INT, INT, LPCRECT, LPCRECT) { return S_OK; }

STDMETHODIMP CActiveXCtrl::AdjustRect(LPRECT) { return S_OK; }

STDMETHODIMP CActiveXCtrl::OnDefWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* plResult)
{
    if (m_pOwner == NULL) return E_UNEXPECTED;
    LRESULT lResult = ::DefWindowProcW(m_pOwner->m_hwndHost, msg, wParam, lParam);
    if (plResult != NULL) *plResult = lResult;
    return S_OK;
}

// ---- IOleInPlaceSiteEx ------------------------------------------------------

STDMETHODIMP CActiveXCtrl::OnInPlaceActivateEx(BOOL* pfNoRedraw, DWORD dwFlags)
{
    if (m_pOwner == NULL || m_pOwner->m_pUnk == NULL) return E_UNEXPECTED;
    if (pfNoRedraw != NULL) *pfNoRedraw = FALSE;
    // One lock however often the object activates; released on deactivation.
    if (m_pLockedObject == NULL) {
        m_pLockedObject = m_pOwner->m_pUnk;
        ::OleLockRunning(m_pLockedObject, TRUE, FALSE);
    }
    // A second activation replaces the first one's in-place object.
    ReleaseInPlaceObject();
    CPaintManagerUI* pManager = m_pOwner->GetManager();
    HRESULT hr = E_FAIL;
    if ((dwFlags & ACTIVATE_WINDOWLESS) != 0) {
        m_bWindowless = true;
        // The windowless interface extends the plain one, so one pointer holds either.
        hr = m_pInPlaceObject.QueryFrom(m_pOwner->m_pUnk, IID_IOleInPlaceObjectWindowless);
        if (SUCCEEDED(hr)) {
            m_pOwner->m_hwndHost = pManager != NULL ? pManager->GetPaintWindow() : NULL;
            if (pManager != NULL) {
                // Never twice in the filter list: one removal must take it out.
                pManager->RemoveMessageFilter(m_pOwner);
                pManager->AddMessageFilter(m_pOwner);
            }
        } else {
            hr = E_FAIL;
        }
    }
    if (FAILED(hr)) {
        m_bWindowless = false;
        hr = CreateActiveXWnd();
        if (FAILED(hr)) return hr;
        hr = m_pInPlaceObject.QueryFrom(m_pOwner->m_pUnk, IID_IOleInPlaceObject);
    }
    if (m_pInPlaceObject != NULL) {
        RECT rc = m_pOwner->ObjectRect();
        m_pInPlaceObject->SetObjectRects(&rc, &rc);
    }
    m_bInPlaceActive = SUCCEEDED(hr);
    return hr;
}

STDMETHODIMP CActiveXCtrl::OnInPlaceDeactivateEx(BOOL)
{
    m_bInPlaceActive = false;
    ReleaseInPlaceObject();
    DestroyActiveXWnd();
    UnlockRunning();
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::RequestUIActivate() { return S_OK; }

// ---- IOleInPlaceSite ----------------------------------------------------------

STDMETHODIMP CActiveXCtrl::CanInPlaceActivate() { return S_OK; }

STDMETHODIMP CActiveXCtrl::OnInPlaceActivate() { return OnInPlaceActivateEx(NULL, 0); }

STDMETHODIMP CActiveXCtrl::OnUIActivate()
{
    m_bUIActivated = true;
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc, LPRECT lprcPosRect,
                                            LPRECT lprcClipRect, LPOLEINPLACEFRAMEINFO lpFrameInfo)
{
    if (ppFrame == NULL || ppDoc == NULL || lprcPosRect == NULL || lprcClipRect == NULL || lpFrameInfo == NULL)
        return E_POINTER;
    *ppFrame = NULL;
    *ppDoc = NULL;
    if (m_pOwner == NULL) return E_UNEXPECTED;
    HWND hWndPaint = m_pOwner->GetManager() != NULL ? m_pOwner->GetManager()->GetPaintWindow() : NULL;
    ::SetRectEmpty(lprcPosRect);
    if (m_pOwner->m_hwndHost != NULL) ::GetClientRect(m_pOwner->m_hwndHost, lprcPosRect);
    *lprcClipRect = *lprcPosRect;
    *ppFrame = new CActiveXFrameWnd(hWndPaint);
    // One table for the site's lifetime, destroyed with it.
    if (m_hAccel == NULL) {
        ACCEL ac = {0, 0, 0};
        m_hAccel = ::CreateAcceleratorTableW(&ac, 1);
    }
    lpFrameInfo->cb = sizeof(OLEINPLACEFRAMEINFO);
    lpFrameInfo->fMDIApp = FALSE;
    lpFrameInfo->hwndFrame = hWndPaint;
    lpFrameInfo->haccel = m_hAccel;
    lpFrameInfo->cAccelEntries = 1;
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::Scroll(SIZE) { return E_NOTIMPL; }

STDMETHODIMP CActiveXCtrl::OnUIDeactivate(BOOL)
{
    m_bUIActivated = false;
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::OnInPlaceDeactivate() { return OnInPlaceDeactivateEx(TRUE); }

STDMETHODIMP CActiveXCtrl::DiscardUndoState() { return E_NOTIMPL; }

STDMETHODIMP CActiveXCtrl::DeactivateAndUndo() { return E_NOTIMPL; }

STDMETHODIMP CActiveXCtrl::OnPosRectChange(LPCRECT) { return E_NOTIMPL; }

// ---- IOleWindow ---------------------------------------------------------------

STDMETHODIMP CActiveXCtrl::GetWindow(HWND* phwnd)
{
    if (phwnd == NULL) return E_POINTER;
    *phwnd = NULL;
    if (m_pOwner == NULL) return E_UNEXPECTED;
    if (m_pOwner->m_hwndHost == NULL) CreateActiveXWnd();
    if (m_pOwner->m_hwndHost == NULL) return E_FAIL;
    *phwnd = m_pOwner->m_hwndHost;
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::ContextSensitiveHelp(BOOL) { return S_OK; }

// ---- IOleControlSite ----------------------------------------------------------

STDMETHODIMP CActiveXCtrl::OnControlInfoChanged() { return S_OK; }

STDMETHODIMP CActiveXCtrl::LockInPlaceActive(BOOL) { return S_OK; }

STDMETHODIMP CActiveXCtrl::GetExtendedControl(IDispatch** ppDisp)
{
    if (ppDisp == NULL) return E_POINTER;
    *ppDisp = NULL;
    if (m_pOwner == NULL || m_pOwner->m_pUnk == NULL) return E_UNEXPECTED;
    return m_pOwner->m_pUnk->QueryInterface(IID_IDispatch, reinterpret_cast<LPVOID*>(ppDisp));
}

STDMETHODIMP CActiveXCtrl::TransformCoords(POINTL*, POINTF*, DWORD) { return S_OK; }

STDMETHODIMP CActiveXCtrl::TranslateAccelerator(MSG*, DWORD) { return S_FALSE; }

STDMETHODIMP CActiveXCtrl::OnFocus(BOOL fGotFocus)
{
    m_bHaveFocus = fGotFocus != FALSE;
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::ShowPropertyFrame() { return E_NOTIMPL; }

// ---- IOleContainer ------------------------------------------------------------

STDMETHODIMP CActiveXCtrl::EnumObjects(DWORD, IEnumUnknown** ppenum)
{
    if (ppenum == NULL) return E_POINTER;
    *ppenum = NULL;
    if (m_pOwner == NULL) return E_UNEXPECTED;
    *ppenum = new CActiveXEnum(m_pOwner->m_pUnk);
    return S_OK;
}

STDMETHODIMP CActiveXCtrl::LockContainer(BOOL) { return S_OK; }

STDMETHODIMP CActiveXCtrl::ParseDisplayName(IBindCtx*, LPOLESTR, ULONG*, IMoniker**) { return E_NOTIMPL; }

// ---- host window ----------------------------------------------------------------

HRESULT CActiveXCtrl::CreateActiveXWnd()
{
    if (m_pOwner == NULL) return E_UNEXPECTED;
    if (m_pWindow != NULL) return S_OK;
    HWND hWndPaint = m_pOwner->GetManager() != NULL ? m_pOwner->GetManager()->GetPaintWindow() : NULL;
    if (hWndPaint == NULL) return E_FAIL;
    m_pWindow = new CActiveXWnd;
    m_pOwner->m_hwndHost = m_pWindow->Init(this, hWndPaint);
    return m_pOwner->m_hwndHost != NULL ? S_OK : E_FAIL;
}

void CActiveXCtrl::DestroyActiveXWnd()
{
    if (m_pWindow == NULL) return;
    HWND hWnd = m_pWindow->GetHWND();
    if (m_pOwner != NULL && m_pOwner->m_hwndHost == hWnd && hWnd != NULL) m_pOwner->m_hwndHost = NULL;
    if (hWnd != NULL) ::DestroyWindow(hWnd);
    delete m_pWindow;
    m_pWindow = NULL;
}

} // namespace SkinUI
