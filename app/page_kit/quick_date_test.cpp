// Quick date ranges with a given "now": 本月 in February of a leap and a common
// year, on the first and last day of a month and in December; 本年; 今日; 自定义 and
// unknown texts leave the dates alone; a page missing any of its three fields is left
// untouched; each page's operation acts on its own fields only.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "memory_fields.h"
#include "quick_date.h"

namespace {

using pagekit::MemoryFields;

SYSTEMTIME Day(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 5) {
  SYSTEMTIME t{};
  t.wYear = year;
  t.wMonth = month;
  t.wDay = day;
  t.wHour = hour;
  t.wMinute = minute;
  return t;
}

std::string Text(const MemoryFields& fields, const wchar_t* name) {
  SYSTEMTIME t{};
  if (!fields.Date(name, &t)) return "none";
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.wYear, t.wMonth, t.wDay);
  return text;
}

void DeclarePage(MemoryFields& fields, const pagekit::QuickDateFields& page, const std::wstring& choice) {
  fields.Add(page.choice, MemoryFields::Kind::kEdit);
  fields.SetText(page.choice, choice);
  fields.Add(page.start, MemoryFields::Kind::kDate);
  fields.Add(page.end, MemoryFields::Kind::kDate);
  fields.SetDate(page.start, Day(2020, 6, 15));
  fields.SetDate(page.end, Day(2020, 6, 20));
}

const pagekit::QuickDateFields kBillPage = {L"xsd_edit_find_date", L"xsd_date_find_start", L"xsd_date_find_end"};

struct RangeCase {
  const char* what;
  SYSTEMTIME now;
  const wchar_t* choice;
  const char* start;
  const char* end;
};

TEST(QuickDate, RangesFromTheChoice) {
  const RangeCase cases[] = {
      {"today", Day(2024, 3, 7), L"今日", "2024-03-07", "2024-03-07"},
      {"February of a leap year", Day(2024, 2, 10), L"本月", "2024-02-01", "2024-02-29"},
      {"February of a common year", Day(2023, 2, 10), L"本月", "2023-02-01", "2023-02-28"},
      {"February of 1900, no leap year", Day(1900, 2, 3), L"本月", "1900-02-01", "1900-02-28"},
      {"February of 2000, a leap year", Day(2000, 2, 3), L"本月", "2000-02-01", "2000-02-29"},
      {"last day of a month ends that day", Day(2024, 4, 30, 23, 59), L"本月", "2024-04-01", "2024-04-30"},
      {"first day just after midnight starts that day", Day(2024, 5, 1, 0, 1), L"本月", "2024-05-01", "2024-05-31"},
      {"December", Day(2024, 12, 31), L"本月", "2024-12-01", "2024-12-31"},
      {"this year", Day(2023, 8, 19), L"本年", "2023-01-01", "2023-12-31"},
      {"custom keeps the user's dates", Day(2024, 2, 10), L"自定义", "2020-06-15", "2020-06-20"},
      {"an unknown text keeps them", Day(2024, 2, 10), L"本月 ", "2020-06-15", "2020-06-20"},
      {"an empty choice keeps them", Day(2024, 2, 10), L"", "2020-06-15", "2020-06-20"},
  };
  for (const RangeCase& c : cases) {
    MemoryFields fields;
    DeclarePage(fields, kBillPage, c.choice);
    pagekit::ApplyQuickDateXsd(fields, c.now);
    EXPECT_EQ(c.start, Text(fields, kBillPage.start)) << c.what;
    EXPECT_EQ(c.end, Text(fields, kBillPage.end)) << c.what;
  }
}

TEST(QuickDate, APageMissingAFieldIsLeftUntouched) {
  for (const wchar_t* missing : {kBillPage.choice, kBillPage.start, kBillPage.end}) {
    MemoryFields fields;
    DeclarePage(fields, kBillPage, L"今日");
    fields.Remove(missing);
    pagekit::ApplyQuickDateXsd(fields, Day(2024, 2, 10));
    for (const wchar_t* date : {kBillPage.start, kBillPage.end}) {
      if (date == missing) continue;
      EXPECT_NE("2024-02-10", Text(fields, date)) << "without " << std::wstring(missing);
    }
  }
}

using Operation = void (*)(pagekit::PageFields&, const SYSTEMTIME&);

struct PageCase {
  Operation apply;
  pagekit::QuickDateFields page;
};

TEST(QuickDate, EachPageActsOnItsOwnFields) {
  const PageCase pages[] = {
      {&pagekit::ApplyQuickDateXsd, {L"xsd_edit_find_date", L"xsd_date_find_start", L"xsd_date_find_end"}},
      {&pagekit::ApplyQuickDateXsydd, {L"xsydd_edit_find_date", L"xsydd_date_find_start", L"xsydd_date_find_end"}},
      {&pagekit::ApplyQuickDateYsqkbg, {L"ysqkbg_edit_date", L"ysqkbg_date_start", L"ysqkbg_date_end"}},
      {&pagekit::ApplyQuickDateYsqkmx, {L"ysqkmx_edit_date", L"ysqkmx_date_start", L"ysqkmx_date_end"}},
      {&pagekit::ApplyQuickDateXstjbg, {L"xstjbg_edit_date", L"xstjbg_date_start", L"xstjbg_date_end"}},
      {&pagekit::ApplyQuickDateJhtjbg, {L"jhtjbg_edit_date", L"jhtjbg_date_start", L"jhtjbg_date_end"}},
      {&pagekit::ApplyQuickDateLrtjbg, {L"lrtjbg_edit_date", L"lrtjbg_date_start", L"lrtjbg_date_end"}},
      {&pagekit::ApplyQuickDateZjtjbg, {L"zjtjbg_edit_date", L"zjtjbg_date_start", L"zjtjbg_date_end"}},
      {&pagekit::ApplyQuickDateKctjbg, {L"kctjbg_edit_date", L"kctjbg_date_start", L"kctjbg_date_end"}},
      {&pagekit::ApplyQuickDateYsdzd, {L"ysdzd_edit_date", L"ysdzd_date_start", L"ysdzd_date_end"}},
      {&pagekit::ApplyQuickDateYfdzd, {L"yfdzd_edit_date", L"yfdzd_date_start", L"yfdzd_date_end"}},
      {&pagekit::ApplyQuickDateZjls, {L"zjls_edit_quick_date", L"zjls_date_start", L"zjls_date_end"}},
  };
  for (const PageCase& own : pages) {
    // Every page's fields on one window: only the operation's own pair moves.
    MemoryFields fields;
    for (const PageCase& any : pages) DeclarePage(fields, any.page, L"本年");
    own.apply(fields, Day(2025, 7, 4));
    for (const PageCase& any : pages) {
      const bool mine = any.apply == own.apply;
      EXPECT_EQ(mine ? "2025-01-01" : "2020-06-15", Text(fields, any.page.start)) << std::wstring(own.page.choice);
      EXPECT_EQ(mine ? "2025-12-31" : "2020-06-20", Text(fields, any.page.end));
    }
    const pagekit::QuickDateFields* found = pagekit::QuickDateOfChoice(own.page.choice);
    ASSERT_NE(nullptr, found);
    EXPECT_EQ(std::wstring(own.page.start), found->start);
  }
  // The drop owner's case does not matter; a name of no page has no quick date.
  ASSERT_NE(nullptr, pagekit::QuickDateOfChoice(L"ZJLS_Edit_Quick_Date"));
  EXPECT_EQ(std::wstring(L"zjls_date_start"), pagekit::QuickDateOfChoice(L"ZJLS_Edit_Quick_Date")->start);
  EXPECT_EQ(nullptr, pagekit::QuickDateOfChoice(L"zjls_edit_quick_dat"));
  EXPECT_EQ(nullptr, pagekit::QuickDateOfChoice(L""));
}

}  // namespace
