// The periods' quick choice after a date field was edited by hand, in memory.
#include "date_field_updates.h"

#include <gtest/gtest.h>

#include "memory_fields.h"

namespace pagekit {
namespace {

TEST(UpdateDateFields, AHandEditedPeriodIsCustom) {
  const struct {
    const wchar_t* sender;
    const wchar_t* choice;  // null: no period of the table
  } cases[] = {
      {L"xsd_date_find_start", L"xsd_edit_find_date"},
      {L"xsd_date_find_end", L"xsd_edit_find_date"},
      {L"xsydd_date_find_end", L"xsydd_edit_find_date"},
      {L"zjls_date_start", L"zjls_edit_quick_date"},
      {L"lrtjbg_date_end", L"lrtjbg_edit_date"},
      {L"kctjbg_date_start", L"kctjbg_edit_date"},
      {L"xsd_date", nullptr},
      {L"XSD_DATE_FIND_START", nullptr},
  };
  for (const auto& c : cases) {
    MemoryFields fields;
    if (c.choice != nullptr) {
      fields.Add(c.choice, MemoryFields::Kind::kEdit);
      fields.SetText(c.choice, L"本月");
    }
    EXPECT_EQ(c.choice != nullptr, UpdateDateFields(fields, c.sender)) << c.sender;
    if (c.choice != nullptr) {
      EXPECT_EQ(L"自定义", fields.Text(c.choice)) << c.sender;
    }
  }
  // A page without the choice edit is left alone.
  MemoryFields bare;
  EXPECT_TRUE(UpdateDateFields(bare, L"ysdzd_date_start"));
  EXPECT_FALSE(bare.Exists(L"ysdzd_edit_date"));
}

}  // namespace
}  // namespace pagekit
