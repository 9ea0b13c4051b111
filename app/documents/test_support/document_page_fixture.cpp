#include "test_support/document_page_fixture.h"

namespace documents {
namespace test {

using Kind = pagekit::MemoryFields::Kind;

SYSTEMTIME TestNow() {
  SYSTEMTIME now{};
  now.wYear = 2014;
  now.wMonth = 10;
  now.wDay = 22;
  now.wDayOfWeek = 3;
  now.wHour = 9;
  now.wMinute = 10;
  return now;
}

void DocumentPageTest::SetUp() {
  ShopTest::SetUp();
  host = std::make_unique<EchoingHost>(&data());
  DeclareControls();
}

void DocumentPageTest::DeclareControls() {
  pagekit::MemoryFields& fields = host->fields;
  for (const wchar_t* prefix : {L"xsd", L"xsydd"}) {
    const std::wstring p = prefix;
    for (const wchar_t* plain :
         {L"_caption", L"_view_his_list", L"_label_custom", L"_label_money", L"_cancel", L"_save"})
      fields.Add(p + plain);
    for (const wchar_t* edit : {L"_id", L"_custom", L"_type", L"_explain", L"_money_need", L"_percent", L"_edit_find"})
      fields.Add(p + edit, Kind::kEdit);
    fields.Add(p + L"_date", Kind::kDate);
    fields.Add(p + L"_chk_ch", Kind::kOption);
    fields.Add(p + L"_chk_th", Kind::kOption);
    for (const wchar_t* layout : {L"_header", L"_hide_list", L"_hide_bottom", L"_list_header", L"_show_list"})
      fields.Add(L"layout_" + p + layout);
    fields.AddList(L"list" + p);
  }
  for (const wchar_t* plain : {L"xsd_btn_report_xstj", L"xsd_money_actual", L"xsydd_out"}) fields.Add(plain);
  for (const wchar_t* edit : {L"xsd_ywy", L"xsd_edit_money_actual", L"xsydd_dhsl", L"xsydd_yfsl"})
    fields.Add(edit, Kind::kEdit);
  fields.Add(L"xsydd_dead_date", Kind::kDate);
}

void DocumentPageTest::Type(const std::wstring& list, int row, const std::wstring& cell, const std::wstring& text) {
  // The user's keystrokes reach the page as "textchanged" of the cell.
  host->fields.SetText(pagekit::Cell(list, row, cell), text);
  pagekit::PageEvent event;
  event.kind = pagekit::EventKind::kTextChanged;
  event.sender = cell;
  event.list = list;
  event.row = row;
  page->OnEvent(*host, event);
}

void DocumentPageTest::Type(const std::wstring& control, const std::wstring& text) {
  host->fields.SetText(control, text);
  pagekit::PageEvent event;
  event.kind = pagekit::EventKind::kTextChanged;
  event.sender = control;
  page->OnEvent(*host, event);
}

bool DocumentPageTest::Click(const std::wstring& control, const std::wstring& list, int row) {
  pagekit::PageEvent event;
  event.kind = pagekit::EventKind::kClick;
  event.sender = control;
  event.list = list;
  event.row = row;
  return page->OnEvent(*host, event);
}

}  // namespace test
}  // namespace documents
