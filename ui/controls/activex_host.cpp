// The helpers of the ActiveX site: the child window of a windowed object, the
// in-place frame handed to the object and the enumerator of the container.
#include "activex_site.h"

#include "activex.h"

namespace SkinUI {

// ---- CActiveXWnd ----------------------------------------------------------------

HWND CActiveXWnd::Init(CActiveXCtrl* pOwner, HWND hWndParent)
{
    m_pOwner = pOwner;
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    return Create(hWndParent, L"UIActiveX", dwStyle, 0, 0, 0, 0, 0, NULL);
}

const wchar_t* CActiveXWnd::GetWindowClassName() const { return L"ActiveXWnd"; }

void CActiveXWnd::DoVerb(LONG verb)
{
    CActiveXUI* pUI = m_pOwner != NULL ? m_pOwner->m_pOwner : NULL;
    if (pUI == NULL || pUI->m_pUnk == NULL) return;
    pUI->m_pUnk->DoVerb(verb, NULL, static_cast<IOleClientSite*>(m_pOwner), 0, m_hWnd, &pUI->m_rcItem);
}

LRESULT CActiveXWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_PAINT:
        // The object paints its own windows; the host has nothing to draw.
        ::ValidateRect(m_hWnd, NULL);
        return 0;
    case WM_SETFOCUS:
        if (m_pOwner != NULL) {
            m_pOwner->m_bHaveFocus = true;
            if (!m_pOwner->m_bUIActivated) DoVerb(OLEIVERB_UIACTIVATE);
        }
        return 0;
    case WM_KILLFOCUS:
        if (m_pOwner != NULL) m_pOwner->m_bHaveFocus = false;
        return 0;
    case WM_ERASEBKGND:
        if (m_pOwner != NULL && m_pOwner->m_pViewObject != NULL) return 1;
        break;
    case WM_MOUSEACTIVATE:
        if (m_pOwner != NULL && m_pOwner->m_pOwner != NULL && m_pOwner->m_pOwner->m_pUnk != NULL) {
            DWORD dwMiscStatus = 0;
            m_pOwner->m_pOwner->m_pUnk->GetMiscStatus(DVASPECT_CONTENT, &dwMiscStatus);
            if ((dwMiscStatus & OLEMISC_NOUIACTIVATE) == 0 && !m_pOwner->m_bInPlaceActive)
                DoVerb(OLEIVERB_INPLACEACTIVATE);
        }
        break;
    default: break;
    }
    return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

// ---- CActiveXFrameWnd -------------------------------------------------------------

CActiveXFrameWnd::CActiveXFrameWnd(HWND hWndFrame) : m_dwRef(1), m_hWndFrame(hWndFrame) {}

CActiveXFrameWnd::~CActiveXFrameWnd() {}

STDMETHODIMP_(ULONG) CActiveXFrameWnd::AddRef() { return ++m_dwRef; }

STDMETHODIMP_(ULONG) CActiveXFrameWnd::Release()
{
    LONG lRef = --m_dwRef;
    if (lRef == 0) delete this;
    return lRef;
}

STDMETHODIMP CActiveXFrameWnd::QueryInterface(REFIID riid, LPVOID* ppvObject)
{
    if (ppvObject == NULL) return E_POINTER;
    *ppvObject = NULL;
    if (riid == IID_IUnknown || riid == IID_IOleWindow || riid == IID_IOleInPlaceUIWindow ||
        riid == IID_IOleInPlaceFrame) {
        *ppvObject = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

STDMETHODIMP CActiveXFrameWnd::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return S_OK; }
STDMETHODIMP CActiveXFrameWnd::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
STDMETHODIMP CActiveXFrameWnd::RemoveMenus(HMENU) { return S_OK; }
STDMETHODIMP CActiveXFrameWnd::SetStatusText(LPCOLESTR) { return S_OK; }
STDMETHODIMP CActiveXFrameWnd::EnableModeless(BOOL) { return S_OK; }
STDMETHODIMP CActiveXFrameWnd::TranslateAccelerator(LPMSG, WORD) { return S_OK; }
STDMETHODIMP CActiveXFrameWnd::GetBorder(LPRECT) { return S_OK; }
STDMETHODIMP CActiveXFrameWnd::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP CActiveXFrameWnd::SetBorderSpace(LPCBORDERWIDTHS) { return S_OK; }

STDMETHODIMP CActiveXFrameWnd::SetActiveObject(IOleInPlaceActiveObject* pActiveObject, LPCOLESTR)
{
    m_pActiveObject = ComPtr<IOleInPlaceActiveObject>(pActiveObject);
    return S_OK;
}

STDMETHODIMP CActiveXFrameWnd::GetWindow(HWND* phwnd)
{
    if (phwnd == NULL) return E_POINTER;
    *phwnd = m_hWndFrame;
    return S_OK;
}

STDMETHODIMP CActiveXFrameWnd::ContextSensitiveHelp(BOOL) { return S_OK; }

// ---- CActiveXEnum -------------------------------------------------------------------

CActiveXEnum::CActiveXEnum(IUnknown* pUnk) : m_dwRef(1), m_iPos(0), m_pUnk(pUnk) {}

CActiveXEnum::~CActiveXEnum() {}

STDMETHODIMP_(ULONG) CActiveXEnum::AddRef() { return ++m_dwRef; }

STDMETHODIMP_(ULONG) CActiveXEnum::Release()
{
    LONG lRef = --m_dwRef;
    if (lRef == 0) delete this;
    return lRef;
}

STDMETHODIMP CActiveXEnum::QueryInterface(REFIID riid, LPVOID* ppvObject)
{
    if (ppvObject == NULL) return E_POINTER;
    *ppvObject = NULL;
    if (riid == IID_IUnknown || riid == IID_IEnumUnknown) {
        *ppvObject = static_cast<IEnumUnknown*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

STDMETHODIMP CActiveXEnum::Next(ULONG celt, IUnknown** rgelt, ULONG* pceltFetched)
{
    if (pceltFetched != NULL) *pceltFetched = 0;
    if (rgelt == NULL || (celt > 1 && pceltFetched == NULL)) return E_POINTER;
    if (celt == 0) return S_OK;
    if (m_iPos != 0 || m_pUnk == NULL) return S_FALSE;
    ++m_iPos;
    // The enumerator's contract hands the caller a reference of its own.
    rgelt[0] = m_pUnk;
    m_pUnk->AddRef();
    if (pceltFetched != NULL) *pceltFetched = 1;
    return celt == 1 ? S_OK : S_FALSE;
}

STDMETHODIMP CActiveXEnum::Skip(ULONG celt)
{
    m_iPos += static_cast<LONG>(celt);
    return S_OK;
}

STDMETHODIMP CActiveXEnum::Reset()
{
    m_iPos = 0;
    return S_OK;
}

STDMETHODIMP CActiveXEnum::Clone(IEnumUnknown**) { return E_NOTIMPL; }

} // namespace SkinUI
