// The timer table on a real window: native ids in turn from 17 within their own
// range, a killed timer revived under its old id, no live id handed out twice,
// and a full table refusing until one is killed.
#include "timer_table.h"

#include "control_ui.h"
#include "gtest/gtest.h"

using namespace SkinUI;

namespace {

class TimerTableTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = ::CreateWindowExW(0, L"STATIC", L"timers", WS_POPUP, 0, 0, 10, 10, NULL, NULL,
                                   ::GetModuleHandleW(NULL), NULL);
        ASSERT_NE(HWND(NULL), window);
    }
    void TearDown() override
    {
        table.RemoveAll(window);
        ::DestroyWindow(window);
    }

    // The control and timer id behind a native id; none when it is not live.
    std::pair<CControlUI*, UINT> Owner(UINT_PTR offset) const
    {
        CControlUI* control = NULL;
        UINT id = 0;
        table.Find(window, TimerTable::kNativeIdBase + offset, &control, &id);
        return {control, id};
    }

    HWND window = NULL;
    TimerTable table;
    CControlUI first, second;
};

}  // namespace

TEST_F(TimerTableTest, NativeIdsComeInTurnAndARevivedTimerKeepsItsId)
{
    EXPECT_FALSE(table.Set(NULL, &first, 1, 100)) << "no window";
    EXPECT_FALSE(table.Set(window, NULL, 1, 100)) << "no control";
    ASSERT_TRUE(table.Set(window, &first, 1, 100000));
    ASSERT_TRUE(table.Set(window, &second, 1, 100000));
    EXPECT_EQ(std::make_pair(&first, 1u), Owner(17));
    EXPECT_EQ(std::make_pair(&second, 1u), Owner(18));
    EXPECT_FALSE(table.Set(window, &first, 1, 100000)) << "already running";

    EXPECT_TRUE(table.Kill(window, &first, 1));
    EXPECT_FALSE(table.Kill(window, &first, 1)) << "killed twice";
    EXPECT_EQ(nullptr, Owner(17).first);
    ASSERT_TRUE(table.Set(window, &first, 1, 100000));
    EXPECT_EQ(std::make_pair(&first, 1u), Owner(17)) << "revived under its old id";

    table.KillAll(window, &first);
    EXPECT_EQ(nullptr, Owner(17).first);
    EXPECT_EQ(&second, Owner(18).first);
    ASSERT_TRUE(table.Set(window, &first, 1, 100000));
    EXPECT_EQ(std::make_pair(&first, 1u), Owner(19)) << "forgotten: a new record with the next id";
}

TEST_F(TimerTableTest, AFullTableRefusesUntilATimerIsKilled)
{
    for (UINT i = 0; i < 255; i++) ASSERT_TRUE(table.Set(window, &first, i, 100000)) << i;
    EXPECT_FALSE(table.Set(window, &second, 1, 100000)) << "every native id is live";
    ASSERT_TRUE(table.Kill(window, &first, 40));
    ASSERT_TRUE(table.Set(window, &second, 1, 100000));
    CControlUI* owner = NULL;
    UINT id = 0;
    int live = 0;
    for (UINT_PTR offset = 0; offset < 255; offset++) {
        if (table.Find(window, TimerTable::kNativeIdBase + offset, &owner, &id)) ++live;
    }
    EXPECT_EQ(255, live) << "no native id given to two timers";
}
