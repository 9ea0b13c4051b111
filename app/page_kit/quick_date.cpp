// Quick date ranges. The month's last day is computed from the calendar rather than
// by stepping a clock forward a day at a time, so that a change to or from summer
// time, or a moment just after midnight, cannot move the range to another month.
#include "quick_date.h"

#include <cwctype>

namespace pagekit {
namespace {

const QuickDateFields kPages[] = {
    {L"xsd_edit_find_date", L"xsd_date_find_start", L"xsd_date_find_end"},
    {L"xsydd_edit_find_date", L"xsydd_date_find_start", L"xsydd_date_find_end"},
    {L"ysqkbg_edit_date", L"ysqkbg_date_start", L"ysqkbg_date_end"},
    {L"ysqkmx_edit_date", L"ysqkmx_date_start", L"ysqkmx_date_end"},
    {L"xstjbg_edit_date", L"xstjbg_date_start", L"xstjbg_date_end"},
    {L"jhtjbg_edit_date", L"jhtjbg_date_start", L"jhtjbg_date_end"},
    {L"lrtjbg_edit_date", L"lrtjbg_date_start", L"lrtjbg_date_end"},
    {L"zjtjbg_edit_date", L"zjtjbg_date_start", L"zjtjbg_date_end"},
    {L"kctjbg_edit_date", L"kctjbg_date_start", L"kctjbg_date_end"},
    {L"ysdzd_edit_date", L"ysdzd_date_start", L"ysdzd_date_end"},
    {L"yfdzd_edit_date", L"yfdzd_date_start", L"yfdzd_date_end"},
    {L"zjls_edit_quick_date", L"zjls_date_start", L"zjls_date_end"},
};

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

WORD DaysInMonth(int year, int month) {
  static const WORD kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 31;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// The same moment on another day: the week day is left for the field to work out.
SYSTEMTIME OnDay(const SYSTEMTIME& now, WORD month, WORD day) {
  SYSTEMTIME date = now;
  date.wMonth = month;
  date.wDay = day;
  return date;
}

bool SameNameIgnoringCase(const std::wstring& a, const wchar_t* b) {
  size_t i = 0;
  for (; i < a.size() && b[i] != L'\0'; ++i) {
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  }
  return i == a.size() && b[i] == L'\0';
}

}  // namespace

SYSTEMTIME LocalNow() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return now;
}

void ApplyQuickDate(PageFields& fields, const std::wstring& start, const std::wstring& end, const std::wstring& choice,
                    const SYSTEMTIME& now) {
  if (!fields.Exists(start) || !fields.Exists(end) || !fields.Exists(choice)) return;
  const std::wstring text = fields.Text(choice);
  if (text == L"今日") {
    fields.SetDate(start, now);
    fields.SetDate(end, now);
  } else if (text == L"本月") {
    fields.SetDate(start, OnDay(now, now.wMonth, 1));
    fields.SetDate(end, OnDay(now, now.wMonth, DaysInMonth(now.wYear, now.wMonth)));
  } else if (text == L"本年") {
    fields.SetDate(start, OnDay(now, 1, 1));
    fields.SetDate(end, OnDay(now, 12, 31));
  }
}

void ApplyQuickDate(PageFields& fields, const QuickDateFields& page, const SYSTEMTIME& now) {
  ApplyQuickDate(fields, page.start, page.end, page.choice, now);
}

void ApplyQuickDateXsd(PageFields& fields, const SYSTEMTIME& now) { ApplyQuickDate(fields, kPages[0], now); }
void ApplyQuickDateXsydd(PageFields& fields, const SYSTEMTIME& now) { ApplyQuickDate(fields, kPages[1], now); }
void ApplyQuickDateYsqkbg(PageFields& fields, const SYSTEMTIME& now) { ApplyQuickDate(fields, kPages[2], now); }
void ApplyQuickDateYsqkmx(PageFields& fields, const SYSTEMTIME& now) { ApplyQuickDate(fields, kPages[3], now); }
void ApplyQuickDateXstjbg(PageFields& fields, const SYSTEMTIME& now) { ApplyQuickDate(fields, kPages[4], now); }
void ApplyQuickDateJhtjbg(PageFields& fields, const SYSTEMTIME& now) { ApplyQuickDate(fields, kPages[5], now); }
void ApplyQuickDateLrtjbg(PageFields& fields, const SYSTEMTIME& now) { ApplyQuickDate(fields, kPages[6], now); }
void ApplyQuickDateZjtjbg(PageFields& fields, const SYSTEMTIME& now) { ApplyQuickDate(fields, kPages[7], now); }
void ApplyQuickDateKctjbg(PageFields& fields, const SYSTEMTIME& now) { ApplyQuickDate(fields, kPages[8], now); }
void ApplyQuickDateYsdzd(PageFields& fields, const SYSTEMTIME& now) { ApplyQuickDate(fields, kPages[9], now); }
void ApplyQuickDateYfdzd(PageFields& fields, const SYSTEMTIME& now) { ApplyQuickDate(fields, kPages[10], now); }
void ApplyQuickDateZjls(PageFields& fields, const SYSTEMTIME& now) { ApplyQuickDate(fields, kPages[11], now); }

const QuickDateFields* QuickDateOfChoice(const std::wstring& choiceEdit) {
  for (const QuickDateFields& page : kPages) {
    if (SameNameIgnoringCase(choiceEdit, page.choice)) return &page;
  }
  return nullptr;
}

}  // namespace pagekit
