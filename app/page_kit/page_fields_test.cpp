// PageFields: one table of reads and writes, run over a real window's controls and
// over fields kept in memory that declare the same controls; both must answer every
// step alike. Texts, visibility, enabled state, option boxes, hints, dates (their
// form, refused texts and days that do not exist), attributes set by name, positions,
// tips, the focus, list rows with their cells and the selected row, entries of a
// tree list by their keys; missing controls and cells answer empty and refuse
// writes.
#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>

#include "controls/bar_list.h"
#include "core/dialog_builder.h"
#include "core/test_support/test_window.h"
#include "memory_fields.h"
#include "paint_manager_fields.h"

namespace {

using pagekit::Cell;
using pagekit::FieldRef;
using pagekit::MemoryFields;
using pagekit::PageFields;

const wchar_t kLayout[] =
    L"<Window><VerticalLayout>"
    L"<Label name=\"caption\" text=\"标题\" height=\"20\"/>"
    L"<Edit name=\"find\" hinttext=\"名称\" height=\"20\"/>"
    L"<CheckBox name=\"chk\" height=\"20\"/>"
    L"<DateTime name=\"date\" height=\"20\"/>"
    L"<Button name=\"btn\" float=\"true\" pos=\"10,200,60,220\" tooltip=\"按钮的提示\"/>"
    L"<BarList name=\"listtree\" height=\"80\"/>"
    L"<List name=\"listtest\" height=\"80\">"
    L"<ListContainerElement height=\"20\"><HorizontalLayout>"
    L"<Edit name=\"item_名称\" text=\"甲\"/><CheckBox name=\"item_chk\" width=\"20\"/>"
    L"</HorizontalLayout></ListContainerElement>"
    L"<ListContainerElement height=\"20\"><HorizontalLayout>"
    L"<Edit name=\"item_名称\" text=\"乙\"/><CheckBox name=\"item_chk\" width=\"20\"/>"
    L"</HorizontalLayout></ListContainerElement>"
    L"</List>"
    L"</VerticalLayout></Window>";

// The item layout of the tree list's entries.
const wchar_t kEntryLayout[] =
    L"<Window><ListContainerElement height=\"20\"><HorizontalLayout>"
    L"<Label name=\"item_text\"/><Label name=\"item_mark\" width=\"20\"/>"
    L"</HorizontalLayout></ListContainerElement></Window>";

// Bar lists are the program's own tag, made for the window's manager.
class BarListCreator : public SkinUI::IDialogBuilderCallback {
 public:
  explicit BarListCreator(SkinUI::CPaintManagerUI& pm) : pm_(pm) {}
  SkinUI::CControlUI* CreateControl(const wchar_t* pstrClass) override {
    return std::wcscmp(pstrClass, L"BarList") == 0 ? new SkinUI::CBarListUI(&pm_) : nullptr;
  }

 private:
  SkinUI::CPaintManagerUI& pm_;
};

// The same controls as the layout, in memory.
void DeclareLayout(MemoryFields& fields) {
  using Kind = MemoryFields::Kind;
  fields.Add(L"caption");
  fields.SetText(L"caption", L"标题");
  fields.Add(L"find", Kind::kEdit);
  fields.SetHint(L"find", L"名称");
  fields.Add(L"chk", Kind::kOption);
  fields.Add(L"date", Kind::kDate);
  fields.Add(L"btn");
  fields.SetAttribute(L"btn", L"pos", L"10,200,60,220");
  fields.SetAttribute(L"btn", L"tooltip", L"按钮的提示");
  fields.AddTreeList(L"listtree");
  fields.DeclareEntryLayout(kEntryLayout, {{L"item_text"}, {L"item_mark"}});
  for (const wchar_t* text : {L"甲", L"乙"}) {
    const int row = fields.AddRow(L"listtest", {{L"item_名称", Kind::kEdit}, {L"item_chk", Kind::kOption}});
    fields.SetText(Cell(L"listtest", row, L"item_名称"), text);
  }
}

enum class Op {
  kExists,
  kText,
  kSetText,
  kVisible,
  kSetVisible,
  kEnabled,
  kSetEnabled,
  kSelected,
  kSetSelected,
  kDate,
  kSetDate,
  kHint,
  kSetHint,
  kAttribute,
  kPosition,
  kRowCount,
  kClearRows,
  kToolTip,
  kFocus,
  kFocused,
  kSelectedRow,
  kSelectRow,
  kAddEntry,
  kEntryKey,
  kSettle,
};

struct Step {
  Op op;
  FieldRef field;
  const wchar_t* arg;       // the value written: text, "true"/"false", a date, "attribute=value"
  const wchar_t* expected;  // what a read gives, or "true"/"false" for whether a write took
};

std::wstring Flag(bool value) { return value ? L"true" : L"false"; }

std::wstring DateText(const SYSTEMTIME& date) {
  wchar_t text[32];
  std::swprintf(text, 32, L"%04d-%02d-%02d", date.wYear, date.wMonth, date.wDay);
  return text;
}

SYSTEMTIME ParseDate(const wchar_t* text) {
  SYSTEMTIME date = {};
  int year = 0, month = 0, day = 0;
  std::swscanf(text, L"%d-%d-%d", &year, &month, &day);
  date.wYear = static_cast<WORD>(year);
  date.wMonth = static_cast<WORD>(month);
  date.wDay = static_cast<WORD>(day);
  return date;
}

// Runs one step; `settle` lays the window out (nothing in memory).
std::wstring Run(PageFields& fields, const Step& step, const std::function<void()>& settle) {
  const std::wstring arg = step.arg != nullptr ? step.arg : L"";
  switch (step.op) {
    case Op::kExists:
      return Flag(fields.Exists(step.field));
    case Op::kText:
      return fields.Text(step.field);
    case Op::kSetText:
      return Flag(fields.SetText(step.field, arg));
    case Op::kVisible:
      return Flag(fields.Visible(step.field));
    case Op::kSetVisible:
      return Flag(fields.SetVisible(step.field, arg == L"true"));
    case Op::kEnabled:
      return Flag(fields.Enabled(step.field));
    case Op::kSetEnabled:
      return Flag(fields.SetEnabled(step.field, arg == L"true"));
    case Op::kSelected:
      return Flag(fields.Selected(step.field));
    case Op::kSetSelected:
      return Flag(fields.SetSelected(step.field, arg == L"true"));
    case Op::kDate: {
      SYSTEMTIME date = {};
      return fields.Date(step.field, &date) ? DateText(date) : L"none";
    }
    case Op::kSetDate:
      return Flag(fields.SetDate(step.field, ParseDate(arg.c_str())));
    case Op::kHint:
      return fields.Hint(step.field);
    case Op::kSetHint:
      return Flag(fields.SetHint(step.field, arg));
    case Op::kAttribute: {
      const size_t equals = arg.find(L'=');
      return Flag(fields.SetAttribute(step.field, arg.substr(0, equals), arg.substr(equals + 1)));
    }
    case Op::kPosition: {
      const RECT rc = fields.Position(step.field);
      wchar_t text[64];
      std::swprintf(text, 64, L"%ld,%ld,%ld,%ld", rc.left, rc.top, rc.right, rc.bottom);
      return text;
    }
    case Op::kRowCount:
      return std::to_wstring(fields.RowCount(step.field.name));
    case Op::kClearRows:
      return Flag(fields.ClearRows(step.field.name));
    case Op::kToolTip:
      return fields.ToolTip(step.field);
    case Op::kFocus:
      return Flag(fields.SetFocus(step.field));
    case Op::kFocused:
      return Flag(fields.Focused(step.field));
    case Op::kSelectedRow:
      return std::to_wstring(fields.SelectedRow(step.field.name));
    case Op::kSelectRow:
      return Flag(fields.SelectRow(step.field.name, std::stoi(arg)));
    case Op::kAddEntry:
      return std::to_wstring(fields.AddEntry(step.field.name, arg, kEntryLayout));
    case Op::kEntryKey:
      return fields.EntryKey(step.field.list, step.field.row);
    case Op::kSettle:
      settle();
      return L"";
  }
  return L"?";
}

const Step kSteps[] = {
    // Presence, text.
    {Op::kExists, L"find", nullptr, L"true"},
    {Op::kExists, L"没有", nullptr, L"false"},
    {Op::kText, L"caption", nullptr, L"标题"},
    {Op::kSetText, L"caption", L"新标题", L"true"},
    {Op::kText, L"caption", nullptr, L"新标题"},
    {Op::kText, L"没有", nullptr, L""},
    {Op::kSetText, L"没有", L"x", L"false"},
    // Visibility and enabled state, typed and by attribute.
    {Op::kVisible, L"caption", nullptr, L"true"},
    {Op::kSetVisible, L"caption", L"false", L"true"},
    {Op::kVisible, L"caption", nullptr, L"false"},
    {Op::kAttribute, L"caption", L"visible=true", L"true"},
    {Op::kVisible, L"caption", nullptr, L"true"},
    {Op::kVisible, L"没有", nullptr, L"false"},
    {Op::kSetVisible, L"没有", L"true", L"false"},
    {Op::kEnabled, L"btn", nullptr, L"true"},
    {Op::kSetEnabled, L"btn", L"false", L"true"},
    {Op::kEnabled, L"btn", nullptr, L"false"},
    {Op::kAttribute, L"btn", L"enabled=true", L"true"},
    {Op::kEnabled, L"btn", nullptr, L"true"},
    // Option boxes alone are selected.
    {Op::kSelected, L"chk", nullptr, L"false"},
    {Op::kSetSelected, L"chk", L"true", L"true"},
    {Op::kSelected, L"chk", nullptr, L"true"},
    {Op::kAttribute, L"chk", L"selected=false", L"true"},
    {Op::kSelected, L"chk", nullptr, L"false"},
    {Op::kSetSelected, L"caption", L"true", L"false"},
    {Op::kAttribute, L"caption", L"selected=true", L"true"},
    {Op::kSelected, L"caption", nullptr, L"false"},
    // Hints are the edits'.
    {Op::kHint, L"find", nullptr, L"名称"},
    {Op::kSetHint, L"find", L"全部商品", L"true"},
    {Op::kHint, L"find", nullptr, L"全部商品"},
    {Op::kAttribute, L"find", L"hinttext=全部客户", L"true"},
    {Op::kHint, L"find", nullptr, L"全部客户"},
    {Op::kSetHint, L"caption", L"全部", L"false"},
    {Op::kHint, L"caption", nullptr, L""},
    // Dates: an empty field has none; the field's own form; texts that are no date
    // and days that do not exist leave the date as it was.
    {Op::kSetText, L"date", L"", L"true"},
    {Op::kDate, L"date", nullptr, L"none"},
    {Op::kSetDate, L"date", L"2024-03-05", L"true"},
    {Op::kDate, L"date", nullptr, L"2024-03-05"},
    {Op::kText, L"date", nullptr, L"2024-03-05"},
    {Op::kSetText, L"date", L"2024-3-7", L"true"},
    {Op::kDate, L"date", nullptr, L"2024-03-07"},
    {Op::kText, L"date", nullptr, L"2024-03-07"},
    {Op::kSetText, L"date", L"明天", L"true"},
    {Op::kText, L"date", nullptr, L"2024-03-07"},
    {Op::kSetDate, L"date", L"2024-02-30", L"false"},
    {Op::kDate, L"date", nullptr, L"2024-03-07"},
    {Op::kDate, L"caption", nullptr, L"none"},
    {Op::kSetDate, L"caption", L"2024-03-05", L"false"},
    // Positions, and a new one set by attribute once the window is laid out.
    {Op::kPosition, L"btn", nullptr, L"10,200,60,220"},
    {Op::kAttribute, L"btn", L"pos=20,210,80,240", L"true"},
    {Op::kSettle, L"btn", nullptr, L""},
    {Op::kPosition, L"btn", nullptr, L"20,210,80,240"},
    {Op::kPosition, L"没有", nullptr, L"0,0,0,0"},
    {Op::kAttribute, L"没有", L"pos=1,2,3,4", L"false"},
    // List rows and their cells.
    // Tips and the focus.
    {Op::kToolTip, L"btn", nullptr, L"按钮的提示"},
    {Op::kToolTip, L"caption", nullptr, L""},
    {Op::kToolTip, L"没有", nullptr, L""},
    {Op::kFocus, L"find", nullptr, L"true"},
    {Op::kFocused, L"find", nullptr, L"true"},
    {Op::kFocused, L"chk", nullptr, L"false"},
    {Op::kFocus, L"没有", nullptr, L"false"},
    {Op::kFocused, L"没有", nullptr, L"false"},
    {Op::kFocused, L"find", nullptr, L"true"},
    // The selected row of a list.
    {Op::kSelectedRow, L"listtest", nullptr, L"-1"},
    {Op::kSelectRow, L"listtest", L"1", L"true"},
    {Op::kSelectedRow, L"listtest", nullptr, L"1"},
    {Op::kSelectRow, L"listtest", L"2", L"false"},
    {Op::kSelectedRow, L"listtest", nullptr, L"1"},
    {Op::kSelectRow, L"listtest", L"-1", L"true"},
    {Op::kSelectedRow, L"listtest", nullptr, L"-1"},
    {Op::kSelectRow, L"caption", L"0", L"false"},
    {Op::kSelectedRow, L"没有", nullptr, L"-1"},
    // Entries of a tree list: rows of the item layout, known by their keys; a plain
    // list takes none.
    {Op::kAddEntry, L"listtree", L"老板", L"0"},
    {Op::kAddEntry, L"listtree", L"O'Brien 营业员", L"1"},
    {Op::kAddEntry, L"listtest", L"甲", L"-1"},
    {Op::kAddEntry, L"caption", L"甲", L"-1"},
    {Op::kRowCount, L"listtree", nullptr, L"2"},
    {Op::kEntryKey, Cell(L"listtree", 1, L""), nullptr, L"O'Brien 营业员"},
    {Op::kEntryKey, Cell(L"listtree", 0, L""), nullptr, L"老板"},
    {Op::kEntryKey, Cell(L"listtree", 2, L""), nullptr, L""},
    {Op::kEntryKey, Cell(L"listtest", 0, L""), nullptr, L""},
    {Op::kExists, Cell(L"listtree", 1, L"item_mark"), nullptr, L"true"},
    {Op::kAttribute, Cell(L"listtree", 1, L"item_mark"), L"bkimage=mark.png", L"true"},
    {Op::kSetText, Cell(L"listtree", 0, L"item_mark"), L"√", L"true"},
    {Op::kText, Cell(L"listtree", 0, L"item_mark"), nullptr, L"√"},
    {Op::kSelectRow, L"listtree", L"1", L"true"},
    {Op::kSelectedRow, L"listtree", nullptr, L"1"},
    {Op::kClearRows, L"listtree", nullptr, L"true"},
    {Op::kRowCount, L"listtree", nullptr, L"0"},
    {Op::kSelectedRow, L"listtree", nullptr, L"-1"},
    {Op::kEntryKey, Cell(L"listtree", 0, L""), nullptr, L""},
    // List rows and their cells.
    {Op::kRowCount, L"listtest", nullptr, L"2"},
    {Op::kText, Cell(L"listtest", 1, L"item_名称"), nullptr, L"乙"},
    {Op::kSetText, Cell(L"listtest", 0, L"item_名称"), L"丙", L"true"},
    {Op::kText, Cell(L"listtest", 0, L"item_名称"), nullptr, L"丙"},
    {Op::kText, Cell(L"listtest", 1, L"item_名称"), nullptr, L"乙"},
    {Op::kSelected, Cell(L"listtest", 1, L"item_chk"), nullptr, L"false"},
    {Op::kSetSelected, Cell(L"listtest", 1, L"item_chk"), L"true", L"true"},
    {Op::kSelected, Cell(L"listtest", 1, L"item_chk"), nullptr, L"true"},
    {Op::kSelected, Cell(L"listtest", 0, L"item_chk"), nullptr, L"false"},
    {Op::kExists, Cell(L"listtest", 2, L"item_名称"), nullptr, L"false"},
    {Op::kExists, Cell(L"listtest", -1, L"item_名称"), nullptr, L"false"},
    {Op::kExists, Cell(L"listtest", 0, L"item_没有"), nullptr, L"false"},
    {Op::kSetText, Cell(L"listtest", 2, L"item_名称"), L"丁", L"false"},
    {Op::kExists, Cell(L"caption", 0, L"item_名称"), nullptr, L"false"},
    {Op::kRowCount, L"caption", nullptr, L"0"},
    {Op::kClearRows, L"caption", nullptr, L"false"},
    {Op::kRowCount, L"没有", nullptr, L"0"},
    {Op::kClearRows, L"listtest", nullptr, L"true"},
    {Op::kRowCount, L"listtest", nullptr, L"0"},
    {Op::kText, Cell(L"listtest", 0, L"item_名称"), nullptr, L""},
};

void RunTable(PageFields& fields, const std::function<void()>& settle, const char* where) {
  int index = 0;
  for (const Step& step : kSteps) {
    EXPECT_EQ(std::wstring(step.expected), Run(fields, step, settle)) << where << ", step " << index;
    ++index;
  }
}

TEST(PageFields, WindowAnswersTheTable) {
  SkinUI::test::TestWindow window;
  ASSERT_NE(nullptr, window.CreateAt(0, 0, 300, 400));
  BarListCreator creator(window.pm);
  ASSERT_TRUE(window.Load(kLayout, &creator)) << std::string(window.buildError().begin(), window.buildError().end());
  pagekit::PaintManagerFields fields(window.pm);
  RunTable(
      fields, [&] { window.Paint(); }, "window");
}

TEST(PageFields, MemoryAnswersTheSameTable) {
  MemoryFields fields;
  DeclareLayout(fields);
  RunTable(
      fields, [] {}, "memory");
}

// What a page sets by an attribute the typed operations do not cover is kept, so a
// test can read it back.
TEST(PageFields, MemoryKeepsAnyAttribute) {
  MemoryFields fields;
  DeclareLayout(fields);
  EXPECT_TRUE(fields.SetAttribute(L"caption", L"bkimage", L"file='a.png'"));
  EXPECT_EQ(L"file='a.png'", fields.Attribute(L"caption", L"bkimage"));
  EXPECT_EQ(L"", fields.Attribute(L"caption", L"tooltip"));
  fields.Remove(L"caption");
  EXPECT_FALSE(fields.Exists(L"caption"));
}

}  // namespace
