// A small publish/subscribe pair: an observer keeps a list of receivers and hands
// each of them its own copy of a parameter record; a receiver remembers the
// observers it is registered with so that it can take itself off all of them
// before it dies. The popup menus talk through the BASEMENU channel; the main
// window keeps an observer of skin changes.
#pragma once

#include <windows.h>

#include <map>
#include <vector>

#include "core/ui_string.h"

namespace SkinUI {

template <typename ReturnT, typename ParamT> class ReceiverImplBase;

template <typename ReturnT, typename ParamT> class ObserverImplBase
{
public:
    virtual void AddReceiver(ReceiverImplBase<ReturnT, ParamT>* receiver) = 0;
    virtual void RemoveReceiver(ReceiverImplBase<ReturnT, ParamT>* receiver) = 0;
    virtual ReturnT Broadcast(ParamT param) = 0;
    virtual ReturnT BroadcastReverse(ParamT param) = 0;
    virtual ReturnT BroadcastRespond(ParamT param) = 0;
    virtual ~ObserverImplBase() {}
};

template <typename ReturnT, typename ParamT> class ReceiverImplBase
{
public:
    virtual void AddObserver(ObserverImplBase<ReturnT, ParamT>* observer) = 0;
    virtual void RemoveFromObservers() = 0;
    virtual ReturnT Receive(ParamT param) = 0;
    virtual ReturnT Respond(ParamT param, ObserverImplBase<ReturnT, ParamT>* observer) = 0;
    virtual ~ReceiverImplBase() {}
};

// Receivers in registration order; the array grows by half its capacity.
template <typename ReturnT, typename ParamT> class ObserverImpl : public ObserverImplBase<ReturnT, ParamT>
{
public:
    typedef ReceiverImplBase<ReturnT, ParamT> Receiver;

    void AddReceiver(Receiver* receiver) override
    {
        if (receiver == NULL) return;
        if (m_receivers.size() == m_receivers.capacity()) {
            size_t grown = m_receivers.capacity() + m_receivers.capacity() / 2;
            m_receivers.reserve(grown > m_receivers.size() + 1 ? grown : m_receivers.size() + 1);
        }
        m_receivers.push_back(receiver);
        receiver->AddObserver(this);
    }

    void RemoveReceiver(Receiver* receiver) override
    {
        if (receiver == NULL) return;
        for (auto it = m_receivers.begin(); it != m_receivers.end(); ++it) {
            if (*it == receiver) {
                m_receivers.erase(it);
                return;
            }
        }
    }

    ReturnT Broadcast(ParamT param) override
    {
        for (size_t i = 0; i < m_receivers.size(); ++i) m_receivers[i]->Receive(param);
        return ReturnT();
    }

    ReturnT BroadcastReverse(ParamT param) override
    {
        for (size_t i = m_receivers.size(); i > 0; --i) m_receivers[i - 1]->Receive(param);
        return ReturnT();
    }

    ReturnT BroadcastRespond(ParamT param) override
    {
        for (size_t i = 0; i < m_receivers.size(); ++i) m_receivers[i]->Respond(param, this);
        return ReturnT();
    }

    // Receivers are not told: each takes itself off before it dies.
    ~ObserverImpl() override {}

    size_t GetReceiverCount() const { return m_receivers.size(); }
    // In registration order; null past the end.
    Receiver* GetReceiverAt(size_t index) const { return index < m_receivers.size() ? m_receivers[index] : NULL; }

private:
    std::vector<Receiver*> m_receivers;
};

template <typename ReturnT, typename ParamT> class ReceiverImpl : public ReceiverImplBase<ReturnT, ParamT>
{
public:
    typedef ObserverImplBase<ReturnT, ParamT> Observer;

    void AddObserver(Observer* observer) override { m_observers.push_back(observer); }

    // The remembered list keeps its entries.
    void RemoveFromObservers() override
    {
        for (Observer* observer : m_observers) observer->RemoveReceiver(this);
    }

    ReturnT Receive(ParamT) override { return ReturnT(); }
    ReturnT Respond(ParamT, Observer*) override { return ReturnT(); }
    ~ReceiverImpl() override {}

private:
    std::vector<Observer*> m_observers;
};

// The skin-change channel of the main window: receivers kept in a map keyed by
// a running counter, so map order is registration order.
struct SkinChangedParam
{
    int value = 0;
    CUIString text;
};

template <> class ReceiverImplBase<int, SkinChangedParam>
{
public:
    virtual void AddObserver(ObserverImplBase<int, SkinChangedParam>* observer) = 0;
    virtual void RemoveFromObservers() = 0;
    virtual int Receive(SkinChangedParam param) = 0;
    // Asked by the observer's Query; the first non-zero answer wins.
    virtual int Query(int value) = 0;
    virtual int Respond(SkinChangedParam param, ObserverImplBase<int, SkinChangedParam>* observer) = 0;
    virtual ~ReceiverImplBase() {}
};

template <> class ObserverImpl<int, SkinChangedParam> : public ObserverImplBase<int, SkinChangedParam>
{
public:
    typedef ReceiverImplBase<int, SkinChangedParam> Receiver;

    void AddReceiver(Receiver* receiver) override
    {
        if (receiver == NULL) return;
        m_receivers[m_count] = receiver;
        ++m_count;
        receiver->AddObserver(this);
    }

    void RemoveReceiver(Receiver* receiver) override
    {
        if (receiver == NULL) return;
        for (auto it = m_receivers.begin(); it != m_receivers.end(); ++it) {
            if (it->second == receiver) {
                m_receivers.erase(it);
                return;
            }
        }
    }

    int Broadcast(SkinChangedParam param) override
    {
        for (auto& entry : m_receivers) entry.second->Receive(param);
        return 0;
    }

    int BroadcastReverse(SkinChangedParam param) override
    {
        for (auto it = m_receivers.rbegin(); it != m_receivers.rend(); ++it) it->second->Receive(param);
        return 0;
    }

    int BroadcastRespond(SkinChangedParam param) override
    {
        for (auto& entry : m_receivers) entry.second->Respond(param, this);
        return 0;
    }

    int Query(int value)
    {
        for (auto& entry : m_receivers) {
            int answer = entry.second->Query(value);
            if (answer != 0) return answer;
        }
        return 0;
    }

    ~ObserverImpl() override {}

    size_t GetReceiverCount() const { return m_receivers.size(); }

private:
    std::map<int, Receiver*> m_receivers;
    int m_count = 0;
};

template <> class ReceiverImpl<int, SkinChangedParam> : public ReceiverImplBase<int, SkinChangedParam>
{
public:
    typedef ObserverImplBase<int, SkinChangedParam> Observer;

    void AddObserver(Observer* observer) override { m_observers.push_back(observer); }
    void RemoveFromObservers() override
    {
        for (Observer* observer : m_observers) observer->RemoveReceiver(this);
    }
    int Receive(SkinChangedParam) override { return 0; }
    int Query(int) override { return 0; }
    int Respond(SkinChangedParam, Observer*) override { return 0; }
    ~ReceiverImpl() override {}

private:
    std::vector<Observer*> m_observers;
};

} // namespace SkinUI

namespace BASEMENU {

// Codes: 1 closes every menu and reports the item name; 2 closes the menus that
// descend from the given window.
struct ContextMenuParam
{
    SkinUI::CUIString name;
    int code = 0;
    HWND hWnd = NULL;
};

using SkinUI::ObserverImpl;
using SkinUI::ReceiverImpl;
typedef SkinUI::ObserverImpl<int, ContextMenuParam> ContextMenuObserver;
typedef SkinUI::ReceiverImpl<int, ContextMenuParam> ContextMenuReceiver;

} // namespace BASEMENU
