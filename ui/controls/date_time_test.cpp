// The date field under Wine: its text and date as a table of round-trips, the
// native picker opened by a click exactly over the field, a date chosen in the
// picker written back on focus loss with "updatetext", Backspace clearing,
// Escape keeping the old date, read-only fields, and fields or windows that go
// away while the picker is open.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "control_factory.h"
#include "date_time.h"
#include "gtest/gtest.h"
#include "core/test_support/test_canvas.h"
#include "core/test_support/test_window.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

const wchar_t kLayout[] = L"<Window size=\"300,200\"><Font name=\"Arial\" size=\"14\"/><VerticalLayout>"
                          L"<DateTime name=\"d\" float=\"true\" pos=\"10,10,160,40\"/>"
                          L"<Button name=\"other\" float=\"true\" pos=\"10,150,100,180\"/></VerticalLayout></Window>";

SYSTEMTIME Date(int year, int month, int day)
{
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = static_cast<WORD>(month);
    st.wDay = static_cast<WORD>(day);
    return st;
}

std::wstring DateOf(const SYSTEMTIME& st) { return Str(FormatDateText(st)); }

std::wstring Today()
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    return DateOf(now);
}

class DateTimeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.reset(new TestWindow(kLayout, 300, 200));
        ASSERT_TRUE(window->ok());
        field = window->Find<CDateTimeUI>(L"d");
        ASSERT_NE(nullptr, field);
    }
    // The field set to a date, then clicked open.
    HWND OpenAt(int year, int month, int day)
    {
        SYSTEMTIME date = Date(year, month, day);
        field->SetTime(&date);
        return ClickField();
    }
    // A date set in the open picker as if the user chose it.
    static void Choose(HWND hPicker, int year, int month, int day)
    {
        SYSTEMTIME chosen = Date(year, month, day);
        ASSERT_TRUE(DateTime_SetSystemtime(hPicker, GDT_VALID, &chosen));
    }
    HWND ClickField()
    {
        window->Click(40, 25);
        return field->GetPickerWindow();
    }
    // The focus moves to the button; the picker closes itself.
    void LoseFocus()
    {
        window->pm.SetFocus(window->Find<CControlUI>(L"other"));
        PumpUntil([this] { return field->GetPickerWindow() == NULL; }, 2000);
        PumpMessages();
    }
    static SYSTEMTIME PickerDate(HWND hPicker)
    {
        SYSTEMTIME st = {};
        EXPECT_EQ(GDT_VALID, DateTime_GetSystemtime(hPicker, &st));
        return st;
    }

    std::unique_ptr<TestWindow> window;
    CDateTimeUI* field = nullptr;
};

TEST(DateText, TextsRoundTripOrAreRefused)
{
    struct Case
    {
        const wchar_t* text;
        const wchar_t* shown; // null: refused, the field keeps 2020-06-15
    };
    const Case cases[] = {
        {L"2024-03-05", L"2024-03-05"},
        {L"2024-3-5", L"2024-03-05"},
        {L" 999-01-01", L" 999-01-01"},
        {L"2024-02-29", L"2024-02-29"},
        {L"2000-02-29", L"2000-02-29"},
        {L"9999-12-31", L"9999-12-31"},
        {L"", L""},
        {L"2023-02-29", nullptr},
        {L"1900-02-29", nullptr},
        {L"2024-13-01", nullptr},
        {L"2024-04-31", nullptr},
        {L"2024-00-10", nullptr},
        {L"0000-01-01", nullptr},
        {L"2024-01-00", nullptr},
        {L"2024/01/05", nullptr},
        {L"2024-01-05 10:00", nullptr},
        {L"12024-01-05", nullptr},
        {L"2024-001-05", nullptr},
        {L"abc", nullptr},
        {L"2024--05", nullptr},
    };
    for (const Case& c : cases) {
        CDateTimeUI field;
        SYSTEMTIME start = Date(2020, 6, 15);
        field.SetTime(&start);
        field.SetText(c.text);
        const wchar_t* expected = c.shown != nullptr ? c.shown : L"2020-06-15";
        EXPECT_EQ(expected, Str(field.GetText())) << c.text;
        if (c.shown == nullptr || *c.shown != 0) {
            EXPECT_EQ(expected, DateOf(field.GetTime())) << c.text;
        }
    }
}

TEST(DateText, SetTimeShowsTheDateAndRefusesDatesThatDoNotExist)
{
    struct Case
    {
        SYSTEMTIME date;
        const wchar_t* shown; // null: refused
    };
    const Case cases[] = {
        {Date(2024, 12, 31), L"2024-12-31"},
        {Date(999, 1, 1), L" 999-01-01"},
        {Date(5, 7, 8), L"   5-07-08"},
        {Date(2024, 13, 1), nullptr},
        {Date(2024, 2, 30), nullptr},
        {Date(2024, 0, 1), nullptr},
        {Date(0, 1, 1), nullptr},
        {Date(10000, 1, 1), nullptr},
    };
    for (const Case& c : cases) {
        CDateTimeUI field;
        SYSTEMTIME start = Date(2020, 6, 15);
        field.SetTime(&start);
        SYSTEMTIME date = c.date;
        field.SetTime(&date);
        const wchar_t* expected = c.shown != nullptr ? c.shown : L"2020-06-15";
        EXPECT_EQ(expected, Str(field.GetText())) << c.date.wYear << "-" << c.date.wMonth << "-" << c.date.wDay;
        EXPECT_EQ(expected, DateOf(field.GetTime()));
    }
    CDateTimeUI field;
    field.SetTime(nullptr);
    EXPECT_EQ(Today(), Str(field.GetText()));
}

TEST_F(DateTimeTest, ANewFieldShowsTodayAndSetTimeRaisesNothing)
{
    EXPECT_STREQ(L"DateTimeUI", field->GetClass());
    EXPECT_EQ(field, field->GetInterface(L"DateTime"));
    EXPECT_NE(nullptr, field->GetInterface(L"Label"));
    EXPECT_EQ(Today(), Str(field->GetText()));
    EXPECT_FALSE(field->IsReadOnly());

    SYSTEMTIME date = Date(2023, 7, 9);
    field->SetTime(&date);
    PumpMessages();
    EXPECT_EQ(L"2023-07-09", Str(field->GetText()));
    EXPECT_EQ(0, window->log.Count(L"updatetext"));
}

TEST_F(DateTimeTest, ClickOpensThePickerOverTheFieldAndFocusLossWritesTheChosenDateBack)
{
    HWND hPicker = OpenAt(2023, 7, 9);
    ASSERT_NE(HWND(NULL), hPicker);
    wchar_t className[32] = {};
    ::GetClassNameW(hPicker, className, 32);
    EXPECT_STREQ(L"DateTimeWnd", className);
    EXPECT_EQ(window->GetHWND(), ::GetParent(hPicker));
    EXPECT_TRUE(::IsWindowVisible(hPicker));
    EXPECT_EQ(hPicker, ::GetFocus());
    RECT rc = {};
    ::GetWindowRect(hPicker, &rc);
    ::MapWindowPoints(NULL, window->GetHWND(), reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(10, rc.left);
    EXPECT_EQ(10, rc.top);
    EXPECT_EQ(160, rc.right);
    EXPECT_EQ(40, rc.bottom);
    EXPECT_EQ(L"2023-07-09", DateOf(PickerDate(hPicker)));

    Choose(hPicker, 2025, 11, 3);
    EXPECT_EQ(L"2023-07-09", Str(field->GetText()));
    LoseFocus();
    EXPECT_EQ(nullptr, field->GetPickerWindow());
    EXPECT_FALSE(::IsWindow(hPicker));
    EXPECT_EQ(L"2025-11-03", Str(field->GetText()));
    EXPECT_EQ(L"2025-11-03", DateOf(field->GetTime()));
    EXPECT_EQ(1, window->log.Count(L"updatetext"));
}

TEST_F(DateTimeTest, BackspaceOrDeleteClearsTheFieldAndAClearedFieldReopensAtToday)
{
    for (WPARAM key : {WPARAM(VK_BACK), WPARAM(VK_DELETE)}) {
        SYSTEMTIME date = Date(2021, 1, 2);
        field->SetTime(&date);
        window->log.records.clear();
        HWND hPicker = ClickField();
        ASSERT_NE(HWND(NULL), hPicker);
        ::SendMessageW(hPicker, WM_KEYDOWN, key, 0);
        ::SendMessageW(hPicker, WM_KEYUP, key, 0xC0000001);
        PumpUntil([this] { return field->GetPickerWindow() == NULL; }, 2000);
        EXPECT_EQ(L"", Str(field->GetText())) << key;
        EXPECT_EQ(1, window->log.Count(L"updatetext")) << key;

        // Opening the cleared field starts at today's date.
        window->pm.SetFocus(window->Find<CControlUI>(L"other"));
        hPicker = ClickField();
        ASSERT_NE(HWND(NULL), hPicker);
        EXPECT_EQ(Today(), DateOf(PickerDate(hPicker)));
        LoseFocus();
        EXPECT_EQ(Today(), Str(field->GetText()));
    }
}

TEST_F(DateTimeTest, EscapeKeepsTheOldDateAndRaisesNothing)
{
    HWND hPicker = OpenAt(2022, 5, 6);
    ASSERT_NE(HWND(NULL), hPicker);
    Choose(hPicker, 2030, 1, 1);
    ::SendMessageW(hPicker, WM_KEYUP, VK_ESCAPE, 0xC0000001);
    PumpUntil([this] { return field->GetPickerWindow() == NULL; }, 2000);
    LoseFocus();
    EXPECT_EQ(nullptr, field->GetPickerWindow());
    EXPECT_EQ(L"2022-05-06", Str(field->GetText()));
    EXPECT_EQ(L"2022-05-06", DateOf(field->GetTime()));
    EXPECT_EQ(0, window->log.Count(L"updatetext"));
}

TEST_F(DateTimeTest, ADateShownAsTextIsTheDateThePickerStartsAtAndKeeps)
{
    field->SetText(L"2019-08-07");
    HWND hPicker = ClickField();
    ASSERT_NE(HWND(NULL), hPicker);
    EXPECT_EQ(L"2019-08-07", DateOf(PickerDate(hPicker)));
    LoseFocus();
    EXPECT_EQ(L"2019-08-07", Str(field->GetText()));
    EXPECT_EQ(L"2019-08-07", DateOf(field->GetTime()));
}

TEST_F(DateTimeTest, ADateThePickerCannotShowSurvivesOpeningAndLeaving)
{
    SYSTEMTIME old = Date(999, 3, 4);
    field->SetTime(&old);
    EXPECT_EQ(L" 999-03-04", Str(field->GetText()));
    ASSERT_NE(HWND(NULL), ClickField());
    LoseFocus();
    EXPECT_EQ(L" 999-03-04", Str(field->GetText()));
    EXPECT_EQ(L" 999-03-04", DateOf(field->GetTime()));
}

TEST_F(DateTimeTest, AReadOnlyFieldOpensNoPicker)
{
    field->SetReadOnly(true);
    EXPECT_TRUE(field->IsReadOnly());
    const std::wstring before = Str(field->GetText());
    EXPECT_EQ(HWND(NULL), ClickField());
    EXPECT_TRUE(field->IsFocused());
    EXPECT_EQ(before, Str(field->GetText()));

    // Made read-only while open: the picker closes without taking its date.
    field->SetReadOnly(false);
    window->pm.SetFocus(window->Find<CControlUI>(L"other"));
    HWND hPicker = ClickField();
    ASSERT_NE(HWND(NULL), hPicker);
    Choose(hPicker, 2031, 2, 3);
    field->SetReadOnly(true);
    PumpUntil([this] { return field->GetPickerWindow() == NULL; }, 2000);
    EXPECT_EQ(nullptr, field->GetPickerWindow());
    EXPECT_EQ(before, Str(field->GetText()));
}

TEST_F(DateTimeTest, AFieldFreedWhileThePickerIsOpenTakesThePickerWithIt)
{
    HWND hPicker = ClickField();
    ASSERT_NE(HWND(NULL), hPicker);
    CContainerUI* parent = static_cast<CContainerUI*>(field->GetParent());
    parent->SetDelayedDestroy(false);
    ASSERT_TRUE(parent->Remove(field));
    field = nullptr;
    EXPECT_FALSE(::IsWindow(hPicker));
    PumpMessages();
    EXPECT_EQ(0, window->log.Count(L"updatetext"));
}

TEST_F(DateTimeTest, AWindowDestroyedWhileThePickerIsOpenClearsTheFieldsPointer)
{
    HWND hPicker = ClickField();
    ASSERT_NE(HWND(NULL), hPicker);
    ::DestroyWindow(window->GetHWND());
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hPicker));
    EXPECT_EQ(nullptr, field->GetPickerWindow());
}

TEST_F(DateTimeTest, FocusOpensThePickerWithTheFieldsFontAndTheUpdateComesFromTheField)
{
    field->SetAttribute(L"font", L"0");
    window->pm.SetFocus(field);
    HWND hPicker = field->GetPickerWindow();
    ASSERT_NE(HWND(NULL), hPicker);
    EXPECT_EQ(window->pm.GetFont(0), reinterpret_cast<HFONT>(::SendMessageW(hPicker, WM_GETFONT, 0, 0)));
    // A second click on the open field keeps the one picker.
    EXPECT_EQ(hPicker, ClickField());
    Choose(hPicker, 2020, 2, 3);
    CControlUI* sender = nullptr;
    window->log.onNotify = [&sender](TNotifyUI& msg) {
        if (msg.type == L"updatetext") sender = msg.sender;
    };
    LoseFocus();
    EXPECT_EQ(field, sender);
    window->log.onNotify = nullptr;
}

TEST_F(DateTimeTest, ADisabledFieldOpensNoPickerAndAnEnabledOneShowsTheTextCursor)
{
    field->SetEnabled(false);
    EXPECT_EQ(HWND(NULL), ClickField());
    field->SetEnabled(true);
    TEventUI cursor = {};
    cursor.type = UIEV_SET_CURSOR;
    field->DoEvent(cursor);
    EXPECT_EQ(::LoadCursorW(NULL, IDC_IBEAM), ::GetCursor());
    EXPECT_NE(HWND(NULL), ClickField());
    LoseFocus();
}

TEST_F(DateTimeTest, TheDropDownCalendarKeepsThePickerOpenUntilTheFocusGoesElsewhere)
{
    HWND hPicker = OpenAt(2023, 7, 9);
    ASSERT_NE(HWND(NULL), hPicker);
    RECT rc = {};
    ::GetClientRect(hPicker, &rc);
    const LPARAM button = MAKELPARAM(rc.right - 5, rc.bottom / 2);
    ::SendMessageW(hPicker, WM_LBUTTONDOWN, MK_LBUTTON, button);
    ::SendMessageW(hPicker, WM_LBUTTONUP, 0, button);
    PumpMessages();
    HWND hCalendar = DateTime_GetMonthCal(hPicker);
    ASSERT_NE(HWND(NULL), hCalendar);
    EXPECT_TRUE(::IsWindowVisible(hCalendar));
    EXPECT_EQ(hPicker, field->GetPickerWindow());

    // A day chosen in the calendar reaches the field when the picker closes.
    Choose(hPicker, 2023, 7, 21);
    LoseFocus();
    EXPECT_EQ(nullptr, field->GetPickerWindow());
    EXPECT_EQ(L"2023-07-21", Str(field->GetText()));
}

TEST_F(DateTimeTest, ADateOutsideThePickerIsReplacedOnlyByADateTheUserChose)
{
    HWND hPicker = OpenAt(999, 3, 4);
    ASSERT_NE(HWND(NULL), hPicker);
    Choose(hPicker, 2024, 6, 1);
    // The change as the picker reports it to its parent.
    NMDATETIMECHANGE change = {};
    change.nmhdr.hwndFrom = hPicker;
    change.nmhdr.code = DTN_DATETIMECHANGE;
    change.dwFlags = GDT_VALID;
    change.st = Date(2024, 6, 1);
    ::SendMessageW(window->GetHWND(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    LoseFocus();
    EXPECT_EQ(L"2024-06-01", Str(field->GetText()));
}

TEST_F(DateTimeTest, ResizingTheWindowClosesThePickerWithItsDate)
{
    HWND hPicker = ClickField();
    ASSERT_NE(HWND(NULL), hPicker);
    Choose(hPicker, 2027, 9, 8);
    window->Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
    PumpUntil([this] { return field->GetPickerWindow() == NULL || field->GetText() == L"2027-09-08"; }, 2000);
    EXPECT_EQ(L"2027-09-08", Str(field->GetText()));
}

TEST_F(DateTimeTest, LeavingThePickerWithoutANewDateWritesAndAnnouncesNothing)
{
    for (bool chooseTheSameDate : {false, true}) {
        SCOPED_TRACE(chooseTheSameDate);
        SYSTEMTIME date = Date(2023, 7, 9);
        date.wHour = 15;
        date.wMinute = 45;
        field->SetTime(&date);
        window->log.records.clear();
        HWND hPicker = ClickField();
        ASSERT_NE(HWND(NULL), hPicker);
        if (chooseTheSameDate) Choose(hPicker, 2023, 7, 9);
        LoseFocus();
        EXPECT_EQ(L"2023-07-09", Str(field->GetText()));
        EXPECT_EQ(15, field->GetTime().wHour);
        EXPECT_EQ(45, field->GetTime().wMinute);
        EXPECT_EQ(0, window->log.Count(L"updatetext"));
    }
}

TEST_F(DateTimeTest, TheElementTableMakesTheField)
{
    CControlUI* made = CreateFrameworkControl(L"DateTime");
    ASSERT_NE(nullptr, made);
    EXPECT_STREQ(L"DateTimeUI", made->GetClass());
    delete made;
}

} // namespace
