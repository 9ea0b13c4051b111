// CFlashUI: creating the Flash object through the ActiveX host, connecting its
// event sink and passing the events on.
#include "flash.h"

#include <ocidl.h>

#include <cwchar>

namespace SkinUI {

namespace {

const CLSID kFlashClsid = {0xD27CDB6E, 0xAE6D, 0x11CF, {0x96, 0xB8, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
const IID kIShockwaveFlash = {0xD27CDB6C, 0xAE6D, 0x11CF, {0x96, 0xB8, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
const IID kShockwaveFlashEvents = {0xD27CDB6D, 0xAE6D, 0x11CF, {0x96, 0xB8, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

const DISPID kDispReadyStateChange = -609;
const DISPID kDispProgress = 1958;
const DISPID kDispFSCommand = 150;
const DISPID kDispFlashCall = 197;

long LongArgument(const VARIANT& v)
{
    VariantValue converted;
    if (FAILED(::VariantChangeType(converted.Ptr(), const_cast<VARIANT*>(&v), 0, VT_I4))) return 0;
    return converted.Get().lVal;
}

} // namespace

CFlashUI::CFlashUI() : m_dwRef(0), m_dwCookie(0) { m_clsid = kFlashClsid; }

CFlashUI::~CFlashUI()
{
    m_pFlashEventHandler.Reset();
    ReleaseControl();
}

const wchar_t* CFlashUI::GetClass() const { return L"Flash"; }

LPVOID CFlashUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"Flash") == 0) return static_cast<CFlashUI*>(this);
    return CActiveXUI::GetInterface(pstrName);
}

void CFlashUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (wcscmp(pstrName, L"homepage") == 0 || wcscmp(pstrName, L"autonavi") == 0) return;
    CActiveXUI::SetAttribute(pstrName, pstrValue);
}

void CFlashUI::SetFlashEventHandler(CFlashEventHandler* pHandler)
{
    // The new reference is taken before the old one goes: setting the same
    // handler again must not free it.
    m_pFlashEventHandler = ComPtr<CFlashEventHandler>(pHandler);
}

STDMETHODIMP_(ULONG) CFlashUI::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&m_dwRef)); }

STDMETHODIMP_(ULONG) CFlashUI::Release() { return static_cast<ULONG>(::InterlockedDecrement(&m_dwRef)); }

STDMETHODIMP CFlashUI::QueryInterface(REFIID riid, LPVOID* ppvObject)
{
    if (ppvObject == NULL) return E_POINTER;
    *ppvObject = NULL;
    if (riid != IID_IUnknown && riid != IID_IDispatch && riid != kShockwaveFlashEvents) return E_NOINTERFACE;
    *ppvObject = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP CFlashUI::GetTypeInfoCount(UINT*) { return E_NOTIMPL; }

STDMETHODIMP CFlashUI::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

STDMETHODIMP CFlashUI::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

STDMETHODIMP CFlashUI::Invoke(DISPID dispIdMember, REFIID, LCID, WORD, DISPPARAMS* pDispParams, VARIANT*, EXCEPINFO*,
                              UINT*)
{
    if (m_pFlashEventHandler == NULL || pDispParams == NULL) return S_OK;
    const UINT count = pDispParams->cArgs;
    const VARIANT* args = pDispParams->rgvarg;
    if (count > 0 && args == NULL) return S_OK;
    switch (dispIdMember) {
    case kDispReadyStateChange:
        if (count >= 1) return m_pFlashEventHandler->OnReadyStateChange(LongArgument(args[0]));
        break;
    case kDispProgress:
        if (count >= 1) return m_pFlashEventHandler->OnProgress(LongArgument(args[0]));
        break;
    case kDispFSCommand:
        // Arguments arrive last first: the command is the second.
        if (count == 2 && args[0].vt == VT_BSTR && args[1].vt == VT_BSTR)
            return m_pFlashEventHandler->FSCommand(args[1].bstrVal, args[0].bstrVal);
        break;
    case kDispFlashCall:
        if (count == 1 && args[0].vt == VT_BSTR) return m_pFlashEventHandler->FlashCall(args[0].bstrVal);
        break;
    default: break;
    }
    return S_OK;
}

LRESULT CFlashUI::TranslateAccelerator(MSG* pMsg) { return TranslateObjectAccelerator(pMsg); }

bool CFlashUI::DoCreateControl()
{
    if (!CActiveXUI::DoCreateControl()) return false;
    if (m_pManager != NULL) m_pManager->AddTranslateAccelerator(this);
    GetControl(kIShockwaveFlash, m_pFlash.ReceiveVoid());
    RegisterEventHandler(true);
    return true;
}

void CFlashUI::ReleaseControl()
{
    RegisterEventHandler(false);
    m_pFlash.Reset();
    if (m_pManager != NULL) m_pManager->RemoveTranslateAccelerator(this);
    // The object itself too, so that creating again does not leak the first one.
    CActiveXUI::ReleaseControl();
}

HRESULT CFlashUI::RegisterEventHandler(bool inAdvise)
{
    return ConnectEventSink(m_pFlash, kShockwaveFlashEvents, static_cast<IDispatch*>(this), m_dwCookie, inAdvise);
}

} // namespace SkinUI
