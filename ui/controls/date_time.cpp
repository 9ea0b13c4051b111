// CDateTimeUI: the date field. The date lives in a SYSTEMTIME and is shown as
// "%4d-%02d-%02d"; the native picker (date_time_window.cpp) edits it.
#include "date_time.h"

#include <cwchar>

#include "date_time_window.h"
#include "core/paint_manager.h"

namespace SkinUI {

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Day of the week of a Gregorian date (Sakamoto's method), 0 = Sunday.
WORD DayOfWeek(int year, int month, int day)
{
    static const int kOffsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) --year;
    return static_cast<WORD>((year + year / 4 - year / 100 + year / 400 + kOffsets[month - 1] + day) % 7);
}

// Reads 1..maxDigits decimal digits; false when there is none.
bool ReadNumber(const wchar_t*& p, int maxDigits, int& value)
{
    value = 0;
    int digits = 0;
    while (*p >= L'0' && *p <= L'9') {
        if (++digits > maxDigits) return false;
        value = value * 10 + (*p - L'0');
        ++p;
    }
    return digits > 0;
}

void SkipBlanks(const wchar_t*& p)
{
    while (*p == L' ') ++p;
}

} // namespace

bool IsValidDate(const SYSTEMTIME& st)
{
    return st.wYear >= 1 && st.wYear <= 9999 && st.wMonth >= 1 && st.wMonth <= 12 && st.wDay >= 1 &&
           st.wDay <= DaysInMonth(st.wYear, st.wMonth);
}

CUIString FormatDateText(const SYSTEMTIME& st)
{
    CUIString text;
    text.Format(L"%4d-%02d-%02d", st.wYear, st.wMonth, st.wDay);
    return text;
}

bool ParseDateText(const wchar_t* pstrText, SYSTEMTIME& st)
{
    if (pstrText == NULL) return false;
    const wchar_t* p = pstrText;
    int year = 0, month = 0, day = 0;
    SkipBlanks(p);
    if (!ReadNumber(p, 4, year) || *p++ != L'-') return false;
    if (!ReadNumber(p, 2, month) || *p++ != L'-') return false;
    if (!ReadNumber(p, 2, day)) return false;
    SkipBlanks(p);
    if (*p != 0) return false;
    SYSTEMTIME parsed = {};
    parsed.wYear = static_cast<WORD>(year);
    parsed.wMonth = static_cast<WORD>(month);
    parsed.wDay = static_cast<WORD>(day);
    if (!IsValidDate(parsed)) return false;
    st.wYear = parsed.wYear;
    st.wMonth = parsed.wMonth;
    st.wDay = parsed.wDay;
    st.wDayOfWeek = DayOfWeek(year, month, day);
    return true;
}

CDateTimeUI::CDateTimeUI() : m_sysTime(), m_nDTUpdateFlag(kUpdateNone), m_bReadOnly(false), m_pWindow(NULL)
{
    ::GetLocalTime(&m_sysTime);
    CLabelUI::SetText(FormatDateText(m_sysTime));
}

CDateTimeUI::~CDateTimeUI()
{
    // An open picker must not call back into a freed field.
    if (m_pWindow != NULL) {
        CDateTimeWnd* pWindow = m_pWindow;
        m_pWindow = NULL;
        pWindow->Detach();
        if (::IsWindow(pWindow->GetHWND())) ::DestroyWindow(pWindow->GetHWND());
    }
}

const wchar_t* CDateTimeUI::GetClass() const { return L"DateTimeUI"; }

LPVOID CDateTimeUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"DateTime") == 0) return static_cast<CDateTimeUI*>(this);
    return CLabelUI::GetInterface(pstrName);
}

const SYSTEMTIME& CDateTimeUI::GetTime() { return m_sysTime; }

void CDateTimeUI::SetTime(SYSTEMTIME* pst)
{
    if (pst == NULL || !IsValidDate(*pst)) return;
    m_sysTime = *pst;
    Invalidate();
    m_nDTUpdateFlag = kUpdateSet;
    UpdateText(false);
}

void CDateTimeUI::SetReadOnly(bool bReadOnly)
{
    m_bReadOnly = bReadOnly;
    // A picker already open is closed without taking its date.
    if (m_bReadOnly && m_pWindow != NULL) {
        m_nDTUpdateFlag = kUpdateCancel;
        m_pWindow->PostMessage(WM_CLOSE);
    }
    Invalidate();
}

bool CDateTimeUI::IsReadOnly() const { return m_bReadOnly; }

void CDateTimeUI::UpdateText(bool bNotify)
{
    if (m_nDTUpdateFlag == kUpdateClear) CLabelUI::SetText(L"");
    else if (m_nDTUpdateFlag == kUpdateSet) CLabelUI::SetText(FormatDateText(m_sysTime));
    if (m_pParent != NULL && m_pManager != NULL && bNotify) m_pManager->SendNotify(this, L"updatetext");
}

void CDateTimeUI::SetText(const wchar_t* pstrText)
{
    if (pstrText == NULL || *pstrText == 0) {
        CLabelUI::SetText(L"");
        return;
    }
    SYSTEMTIME st = m_sysTime;
    if (!ParseDateText(pstrText, st)) return;
    st.wHour = st.wMinute = st.wSecond = st.wMilliseconds = 0;
    m_sysTime = st;
    CLabelUI::SetText(FormatDateText(m_sysTime));
}

HWND CDateTimeUI::GetPickerWindow() const { return m_pWindow != NULL ? m_pWindow->GetHWND() : NULL; }

void CDateTimeUI::OpenPicker()
{
    if (m_pManager == NULL || m_bReadOnly) return;
    if (m_pWindow == NULL) m_pWindow = new CDateTimeWnd();
    m_pWindow->Init(this);
    if (m_pWindow->GetHWND() == NULL) {
        delete m_pWindow;
        m_pWindow = NULL;
        return;
    }
    m_pWindow->ShowWindow();
}

void CDateTimeUI::DoEvent(TEventUI& event)
{
    if (HandOnWhileMouseDisabled<CLabelUI>(event, m_pParent)) return;
    switch (event.type) {
    case UIEV_SET_CURSOR:
        if (!IsEnabled()) break;
        ::SetCursor(::LoadCursorW(NULL, IDC_IBEAM));
        return;
    case UIEV_WINDOW_SIZE:
        if (m_pWindow != NULL && m_pManager != NULL) m_pManager->SetFocusNeeded(this);
        break;
    case UIEV_SCROLL_WHEEL:
        if (m_pWindow != NULL) return;
        break;
    case UIEV_SET_FOCUS:
        if (!IsEnabled()) break;
        CLabelUI::DoEvent(event);
        if (m_pWindow == NULL) OpenPicker();
        return;
    case UIEV_KILL_FOCUS:
        if (!IsEnabled()) break;
        CLabelUI::DoEvent(event);
        Invalidate();
        return;
    case UIEV_MOUSE_MOVE:
    case UIEV_MOUSE_LEAVE:
    case UIEV_MOUSE_ENTER:
    case UIEV_BUTTON_UP:
    case UIEV_CONTEXT_MENU: return;
    case UIEV_BUTTON_DOWN:
    case UIEV_RBUTTON_DOWN:
    case UIEV_DOUBLE_CLICK:
        if (!IsEnabled()) break;
        if (m_pManager != NULL) m_pManager->ReleaseCapture();
        // A click on the focused field re-sends the date and re-focuses the picker.
        if (m_pWindow != NULL || IsFocused()) OpenPicker();
        return;
    default: break;
    }
    CLabelUI::DoEvent(event);
}

} // namespace SkinUI
