// Quick date ranges: every page that filters by period has a start and an end date
// field and a read-only choice edit beside them offering "今日", "本月", "本年" and
// "自定义". After a choice is written, the page's operation below sets the two date
// fields from it; it only sets them, the caller decides whether a search follows.
//
// "Now" is a parameter so that the ranges are tested on any day; the forms without it
// take the machine's local date.
#pragma once

#include <windows.h>

#include <string>

#include "page_fields.h"

namespace pagekit {

// The three fields of one page's quick date.
struct QuickDateFields {
  const wchar_t* choice;  // the read-only edit holding "今日", "本月", "本年" or "自定义"
  const wchar_t* start;
  const wchar_t* end;
};

// Sets start and end from the choice: 今日 today to today, 本月 the first to the last
// day of now's month, 本年 January 1 to December 31 of now's year; any other text
// (自定义 included) leaves both as the user set them. A page without one of the
// three fields is left untouched. The time of day of both dates is now's.
void ApplyQuickDate(PageFields& fields, const std::wstring& start, const std::wstring& end, const std::wstring& choice,
                    const SYSTEMTIME& now);
void ApplyQuickDate(PageFields& fields, const QuickDateFields& page, const SYSTEMTIME& now);

// The local date and time of the machine.
SYSTEMTIME LocalNow();

// The pages' operations: each is ApplyQuickDate with that page's three fields.
void ApplyQuickDateXsd(PageFields& fields, const SYSTEMTIME& now = LocalNow());     // bills
void ApplyQuickDateXsydd(PageFields& fields, const SYSTEMTIME& now = LocalNow());   // orders
void ApplyQuickDateYsqkbg(PageFields& fields, const SYSTEMTIME& now = LocalNow());  // receivables
void ApplyQuickDateYsqkmx(PageFields& fields, const SYSTEMTIME& now = LocalNow());  // receivable detail
void ApplyQuickDateXstjbg(PageFields& fields, const SYSTEMTIME& now = LocalNow());  // sales statistics
void ApplyQuickDateJhtjbg(PageFields& fields, const SYSTEMTIME& now = LocalNow());  // purchase statistics
void ApplyQuickDateLrtjbg(PageFields& fields, const SYSTEMTIME& now = LocalNow());  // profit statistics
void ApplyQuickDateZjtjbg(PageFields& fields, const SYSTEMTIME& now = LocalNow());  // fund statistics
void ApplyQuickDateKctjbg(PageFields& fields, const SYSTEMTIME& now = LocalNow());  // stock statistics
void ApplyQuickDateYsdzd(PageFields& fields, const SYSTEMTIME& now = LocalNow());   // customer statement
void ApplyQuickDateYfdzd(PageFields& fields, const SYSTEMTIME& now = LocalNow());   // supplier statement
void ApplyQuickDateZjls(PageFields& fields, const SYSTEMTIME& now = LocalNow());    // cash flow

// The quick date of the page whose choice edit that is ("xsd_edit_find_date" ...,
// compared without regard to case); null for any other name. The drop list's choice
// handler finds the operation to run through it.
const QuickDateFields* QuickDateOfChoice(const std::wstring& choiceEdit);

}  // namespace pagekit
