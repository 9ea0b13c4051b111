// Delegates (a plain function or an object's member function taking void* and
// answering bool) and CEventSource, an ordered list of delegates called until
// one answers false.
#pragma once

#include <cstring>

#include "ui_arrays.h"
#include "ui_export.h"

namespace SkinUI {

class UILIB_API CDelegateBase
{
public:
    CDelegateBase(void* pObject, void* pFn);
    CDelegateBase(const CDelegateBase& rhs);
    virtual ~CDelegateBase();
    virtual CDelegateBase* Copy() const = 0;
    bool Equals(const CDelegateBase& rhs) const;
    bool operator()(void* param);

    void* GetObjectW() const { return m_pObject; }
    void* GetFn() const { return m_pFn; }

protected:
    virtual bool Invoke(void* param) = 0;
    // Whole-target comparison for kinds whose function does not fit in m_pFn.
    virtual bool SameTarget(const CDelegateBase& rhs) const;

private:
    void* m_pObject;
    void* m_pFn;
};

class UILIB_API CDelegateStatic : public CDelegateBase
{
public:
    typedef bool (*Fn)(void*);
    CDelegateStatic(Fn pFn);
    CDelegateStatic(const CDelegateStatic& rhs);
    CDelegateBase* Copy() const override;

protected:
    bool Invoke(void* param) override;
};

// Member-function delegate. The base keeps the object and the first word of the
// member pointer; the whole member pointer is compared as well, so two members
// that share that word are still told apart.
template <class O, class T> class CDelegate : public CDelegateBase
{
    typedef bool (T::*Fn)(void*);

public:
    CDelegate(O* pObj, Fn pFn) : CDelegateBase(pObj, FirstWord(pFn)), m_pFn(pFn) {}
    CDelegate(const CDelegate& rhs) : CDelegateBase(rhs), m_pFn(rhs.m_pFn) {}
    CDelegateBase* Copy() const override { return new CDelegate(*this); }

protected:
    bool Invoke(void* param) override
    {
        O* pObject = static_cast<O*>(GetObjectW());
        return (pObject->*m_pFn)(param);
    }

    bool SameTarget(const CDelegateBase& rhs) const override
    {
        const CDelegate* other = dynamic_cast<const CDelegate*>(&rhs);
        return other && memcmp(&other->m_pFn, &m_pFn, sizeof(Fn)) == 0;
    }

private:
    static void* FirstWord(Fn pFn)
    {
        void* word = nullptr;
        memcpy(&word, &pFn, sizeof(word) < sizeof(pFn) ? sizeof(word) : sizeof(pFn));
        return word;
    }

    Fn m_pFn;
};

template <class O, class T> CDelegate<O, T> MakeDelegate(O* pObject, bool (T::*pFn)(void*))
{
    return CDelegate<O, T>(pObject, pFn);
}

inline CDelegateStatic MakeDelegate(bool (*pFn)(void*)) { return CDelegateStatic(pFn); }

class UILIB_API CEventSource
{
public:
    typedef bool (*FnType)(void*);

    CEventSource() = default;
    CEventSource(const CEventSource&) = delete;
    CEventSource& operator=(const CEventSource&) = delete;
    ~CEventSource();

    operator bool();
    void operator+=(const CDelegateBase& d);
    void operator+=(FnType pFn);
    void operator-=(const CDelegateBase& d);
    void operator-=(FnType pFn);
    bool operator()(void* param);

protected:
    CStdPtrArray m_aDelegates;
};

}  // namespace SkinUI
