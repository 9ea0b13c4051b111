// Delegates and event sources.
#include "ui_delegate.h"

namespace SkinUI {

CDelegateBase::CDelegateBase(void* pObject, void* pFn) : m_pObject(pObject), m_pFn(pFn) {}
CDelegateBase::CDelegateBase(const CDelegateBase& rhs) : m_pObject(rhs.m_pObject), m_pFn(rhs.m_pFn) {}
CDelegateBase::~CDelegateBase() {}

bool CDelegateBase::Equals(const CDelegateBase& rhs) const
{
    return m_pObject == rhs.m_pObject && m_pFn == rhs.m_pFn && SameTarget(rhs) && rhs.SameTarget(*this);
}

bool CDelegateBase::SameTarget(const CDelegateBase&) const { return true; }

bool CDelegateBase::operator()(void* param) { return Invoke(param); }

CDelegateStatic::CDelegateStatic(Fn pFn) : CDelegateBase(nullptr, reinterpret_cast<void*>(pFn)) {}
CDelegateStatic::CDelegateStatic(const CDelegateStatic& rhs) : CDelegateBase(rhs) {}
CDelegateBase* CDelegateStatic::Copy() const { return new CDelegateStatic(*this); }

bool CDelegateStatic::Invoke(void* param)
{
    Fn pFn = reinterpret_cast<Fn>(GetFn());
    return pFn(param);
}

CEventSource::~CEventSource()
{
    for (int i = 0; i < m_aDelegates.GetSize(); ++i) delete static_cast<CDelegateBase*>(m_aDelegates[i]);
}

CEventSource::operator bool() { return m_aDelegates.GetSize() > 0; }

void CEventSource::operator+=(const CDelegateBase& d)
{
    for (int i = 0; i < m_aDelegates.GetSize(); ++i) {
        CDelegateBase* existing = static_cast<CDelegateBase*>(m_aDelegates[i]);
        if (existing && existing->Equals(d)) return;
    }
    CDelegateBase* copy = d.Copy();
    if (!m_aDelegates.Add(copy)) delete copy;
}

void CEventSource::operator+=(FnType pFn) { (*this) += MakeDelegate(pFn); }

void CEventSource::operator-=(const CDelegateBase& d)
{
    for (int i = 0; i < m_aDelegates.GetSize(); ++i) {
        CDelegateBase* existing = static_cast<CDelegateBase*>(m_aDelegates[i]);
        if (existing && existing->Equals(d)) {
            delete existing;
            m_aDelegates.Remove(i);
            return;
        }
    }
}

void CEventSource::operator-=(FnType pFn) { (*this) -= MakeDelegate(pFn); }

bool CEventSource::operator()(void* param)
{
    for (int i = 0; i < m_aDelegates.GetSize(); ++i) {
        CDelegateBase* d = static_cast<CDelegateBase*>(m_aDelegates[i]);
        if (d && !(*d)(param)) return false;
    }
    return true;
}

}  // namespace SkinUI
