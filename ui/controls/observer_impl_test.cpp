// The observer channel: registration on both sides, broadcast order, copies of
// the parameter, removal.
#include "observer_impl.h"

#include <memory>
#include <string>
#include <vector>

#include "gtest/gtest.h"

namespace {

using namespace SkinUI;
using BASEMENU::ContextMenuObserver;
using BASEMENU::ContextMenuParam;
using BASEMENU::ContextMenuReceiver;

// Records what it receives and then spoils its own copy of the parameter.
class RecordingReceiver : public ContextMenuReceiver
{
public:
    RecordingReceiver(int id, std::vector<std::wstring>* log) : m_id(id), m_log(log) {}
    int Receive(ContextMenuParam param) override
    {
        m_log->push_back(std::to_wstring(m_id) + L":" + param.name.GetData() + L":" + std::to_wstring(param.code));
        param.name = L"spoilt";
        param.code = -1;
        return m_id;
    }
    int Respond(ContextMenuParam param, ObserverImplBase<int, ContextMenuParam>* observer) override
    {
        responders.push_back(observer);
        m_log->push_back(L"respond " + std::to_wstring(m_id) + L":" + param.name.GetData());
        return 0;
    }
    std::vector<ObserverImplBase<int, ContextMenuParam>*> responders;

private:
    int m_id;
    std::vector<std::wstring>* m_log;
};

ContextMenuParam Param(const wchar_t* name, int code)
{
    ContextMenuParam param;
    param.name = name;
    param.code = code;
    return param;
}

TEST(ObserverTest, BroadcastsReachReceiversInOrderEachWithItsOwnCopy)
{
    std::vector<std::wstring> log;
    RecordingReceiver a(1, &log), b(2, &log), c(3, &log);
    ContextMenuObserver observer;
    observer.AddReceiver(&a);
    observer.AddReceiver(&b);
    observer.AddReceiver(&c);

    observer.BroadcastReverse(Param(L"open", 1));
    observer.Broadcast(Param(L"close", 2));
    observer.BroadcastRespond(Param(L"ask", 1));

    const std::vector<std::wstring> expected = {L"3:open:1",      L"2:open:1",      L"1:open:1",
                                                L"1:close:2",     L"2:close:2",     L"3:close:2",
                                                L"respond 1:ask", L"respond 2:ask", L"respond 3:ask"};
    EXPECT_EQ(expected, log);
    ASSERT_EQ(1u, b.responders.size());
    EXPECT_EQ(&observer, b.responders[0]);
}

TEST(ObserverTest, NullReceiversAndEmptyObserversDoNothing)
{
    ContextMenuObserver observer;
    observer.AddReceiver(NULL);
    observer.RemoveReceiver(NULL);
    EXPECT_EQ(0u, observer.GetReceiverCount());
    EXPECT_EQ(0, observer.Broadcast(Param(L"x", 1)));
    EXPECT_EQ(0, observer.BroadcastReverse(Param(L"x", 1)));
    EXPECT_EQ(0, observer.BroadcastRespond(Param(L"x", 1)));
}

TEST(ObserverTest, RemovingATwiceAddedReceiverTakesOffOnlyItsFirstEntry)
{
    std::vector<std::wstring> log;
    RecordingReceiver a(1, &log), b(2, &log);
    ContextMenuObserver observer;
    observer.AddReceiver(&a);
    observer.AddReceiver(&b);
    observer.AddReceiver(&a);
    observer.RemoveReceiver(&a);
    observer.Broadcast(Param(L"m", 1));
    EXPECT_EQ((std::vector<std::wstring>{L"2:m:1", L"1:m:1"}), log);
}

TEST(ObserverTest, AReceiverTakesItselfOffEveryObserverItJoined)
{
    std::vector<std::wstring> log;
    RecordingReceiver a(1, &log), b(2, &log);
    ContextMenuObserver first, second;
    first.AddReceiver(&a);
    first.AddReceiver(&b);
    second.AddReceiver(&a);
    a.RemoveFromObservers();
    EXPECT_EQ(1u, first.GetReceiverCount());
    EXPECT_EQ(0u, second.GetReceiverCount());
    first.Broadcast(Param(L"m", 1));
    second.Broadcast(Param(L"m", 1));
    EXPECT_EQ((std::vector<std::wstring>{L"2:m:1"}), log);
    // A default receiver answers 0 and changes nothing.
    ContextMenuReceiver plain;
    first.AddReceiver(&plain);
    EXPECT_EQ(0, plain.Receive(Param(L"m", 1)));
    EXPECT_EQ(0, plain.Respond(Param(L"m", 1), &first));
    plain.RemoveFromObservers();
    EXPECT_EQ(1u, first.GetReceiverCount());
}

TEST(ObserverTest, ManyReceiversKeepTheirOrderAcrossGrowth)
{
    std::vector<std::wstring> log;
    std::vector<std::unique_ptr<RecordingReceiver>> receivers;
    ContextMenuObserver observer;
    for (int i = 0; i < 40; ++i) {
        receivers.emplace_back(new RecordingReceiver(i, &log));
        observer.AddReceiver(receivers.back().get());
    }
    observer.Broadcast(Param(L"g", 1));
    ASSERT_EQ(40u, log.size());
    for (int i = 0; i < 40; ++i) EXPECT_EQ(std::to_wstring(i) + L":g:1", log[i]);
}

// The skin-change channel keeps its receivers in a map keyed by registration.
class SkinReceiver : public ReceiverImpl<int, SkinChangedParam>
{
public:
    SkinReceiver(int answer, std::vector<std::wstring>* log) : m_answer(answer), m_log(log) {}
    int Receive(SkinChangedParam param) override
    {
        m_log->push_back(L"receive " + std::to_wstring(m_answer) + L" " + param.text.GetData());
        param.text = L"spoilt";
        return 0;
    }
    int Query(int value) override
    {
        m_log->push_back(L"query " + std::to_wstring(m_answer));
        return value == 7 ? m_answer : 0;
    }
    int Respond(SkinChangedParam param, ObserverImplBase<int, SkinChangedParam>*) override
    {
        m_log->push_back(L"respond " + std::to_wstring(m_answer) + L" " + std::to_wstring(param.value));
        return 0;
    }

private:
    int m_answer;
    std::vector<std::wstring>* m_log;
};

TEST(ObserverTest, SkinChannelBroadcastsInRegistrationOrderAndQueriesForTheFirstAnswer)
{
    std::vector<std::wstring> log;
    SkinReceiver zero(0, &log), five(5, &log), nine(9, &log);
    ObserverImpl<int, SkinChangedParam> observer;
    observer.AddReceiver(NULL);
    observer.AddReceiver(&zero);
    observer.AddReceiver(&five);
    observer.AddReceiver(&nine);
    SkinChangedParam param;
    param.value = 3;
    param.text = L"blue";
    observer.Broadcast(param);
    observer.BroadcastRespond(param);
    EXPECT_EQ(5, observer.Query(7));
    EXPECT_EQ(0, observer.Query(1));
    const std::vector<std::wstring> expected = {L"receive 0 blue", L"receive 5 blue", L"receive 9 blue", L"respond 0 3",
                                                L"respond 5 3",    L"respond 9 3",    L"query 0",        L"query 5",
                                                L"query 0",        L"query 5",        L"query 9"};
    EXPECT_EQ(expected, log);

    five.RemoveFromObservers();
    EXPECT_EQ(2u, observer.GetReceiverCount());
    EXPECT_EQ(9, observer.Query(7));
    // Registration after a removal still goes to the end.
    observer.AddReceiver(&five);
    log.clear();
    observer.Broadcast(param);
    EXPECT_EQ((std::vector<std::wstring>{L"receive 0 blue", L"receive 9 blue", L"receive 5 blue"}), log);
}

} // namespace
