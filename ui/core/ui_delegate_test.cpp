// Delegates and event sources: attach once, detach, stop at the first false.
#include "ui_delegate.h"

#include <gtest/gtest.h>

#include <string>

using namespace SkinUI;

namespace {

std::string g_calls;
bool First(void*)
{
    g_calls += "1";
    return true;
}
bool Refuses(void*)
{
    g_calls += "2";
    return false;
}
bool Third(void*)
{
    g_calls += "3";
    return true;
}

struct Listener
{
    int hits = 0;
    int other = 0;
    bool OnEvent(void* param)
    {
        hits += *static_cast<int*>(param);
        return true;
    }
    bool OnOther(void*)
    {
        ++other;
        return true;
    }
};

TEST(EventSource, StaticDelegatesAttachOnceAndStopAtFalse)
{
    CEventSource source;
    EXPECT_FALSE(source);
    EXPECT_TRUE(source(nullptr));  // nothing attached
    source += First;
    source += First;
    g_calls.clear();
    EXPECT_TRUE(source(nullptr));
    EXPECT_EQ("1", g_calls);
    source -= First;
    EXPECT_FALSE(source);

    source += First;
    source += Refuses;
    source += Third;
    g_calls.clear();
    EXPECT_FALSE(source(nullptr));
    EXPECT_EQ("12", g_calls);
    source -= Refuses;
    g_calls.clear();
    EXPECT_TRUE(source(nullptr));
    EXPECT_EQ("13", g_calls);
}

TEST(EventSource, MemberDelegatesCompareObjectAndFunction)
{
    Listener a, b;
    auto da = MakeDelegate(&a, &Listener::OnEvent);
    auto db = MakeDelegate(&b, &Listener::OnEvent);
    auto dOther = MakeDelegate(&a, &Listener::OnOther);
    EXPECT_FALSE(da.Equals(db));
    EXPECT_FALSE(da.Equals(dOther));
    EXPECT_TRUE(da.Equals(MakeDelegate(&a, &Listener::OnEvent)));
    EXPECT_EQ(&a, da.GetObjectW());
    EXPECT_FALSE(da.Equals(MakeDelegate(First)));

    CEventSource source;
    source += da;
    source += db;
    source += da;
    source += dOther;
    int param = 5;
    EXPECT_TRUE(source(&param));
    EXPECT_EQ(5, a.hits);
    EXPECT_EQ(5, b.hits);
    EXPECT_EQ(1, a.other);
    source -= da;
    EXPECT_TRUE(source(&param));
    EXPECT_EQ(5, a.hits);
    EXPECT_EQ(10, b.hits);

    CDelegateBase* copy = db.Copy();
    EXPECT_TRUE(copy->Equals(db));
    EXPECT_TRUE((*copy)(&param));
    EXPECT_EQ(15, b.hits);
    delete copy;
}

}  // namespace
