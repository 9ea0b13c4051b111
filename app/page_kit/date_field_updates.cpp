#include "date_field_updates.h"

namespace pagekit {
namespace {

// The period's two date fields and the choice edit that names the period.
struct PeriodFields {
  const wchar_t* start;
  const wchar_t* end;
  const wchar_t* choice;
};

const PeriodFields kPeriods[] = {
    {L"xsd_date_find_start", L"xsd_date_find_end", L"xsd_edit_find_date"},
    {L"xsydd_date_find_start", L"xsydd_date_find_end", L"xsydd_edit_find_date"},
    {L"zjls_date_start", L"zjls_date_end", L"zjls_edit_quick_date"},
    {L"ysqkbg_date_start", L"ysqkbg_date_end", L"ysqkbg_edit_date"},
    {L"ysqkmx_date_start", L"ysqkmx_date_end", L"ysqkmx_edit_date"},
    {L"xstjbg_date_start", L"xstjbg_date_end", L"xstjbg_edit_date"},
    {L"jhtjbg_date_start", L"jhtjbg_date_end", L"jhtjbg_edit_date"},
    {L"ysdzd_date_start", L"ysdzd_date_end", L"ysdzd_edit_date"},
    {L"yfdzd_date_start", L"yfdzd_date_end", L"yfdzd_edit_date"},
    {L"kctjbg_date_start", L"kctjbg_date_end", L"kctjbg_edit_date"},
    {L"zjtjbg_date_start", L"zjtjbg_date_end", L"zjtjbg_edit_date"},
    {L"lrtjbg_date_start", L"lrtjbg_date_end", L"lrtjbg_edit_date"},
};

}  // namespace

bool UpdateDateFields(PageFields& fields, const std::wstring& sender) {
  for (const PeriodFields& period : kPeriods) {
    if (sender != period.start && sender != period.end) continue;
    fields.SetText(period.choice, L"自定义");
    return true;
  }
  return false;
}

}  // namespace pagekit
