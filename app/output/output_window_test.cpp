// Output over a real window with the program's skin: a list built by the kit read
// back as output sees it (header style, header texts and boxes, cells by name) and
// exported; the profit chart drawn into the chart control of a window, its bars on
// the screen. Pictures in TARVEL_SHOT_DIR when it is set.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "controls/list.h"
#include "core/test_support/test_window.h"
#include "data_store.h"
#include "list_builders.h"
#include "list_export.h"
#include "list_view.h"
#include "paint_manager_fields.h"
#include "profit_chart.h"
#include "test_support/answering_dialogs.h"
#include "test_support/datavane_dll.h"
#include "test_support/memory_host.h"
#include "test_support/recording_xls.h"
#include "window_shot.h"

namespace output {
namespace {

const wchar_t kLayout[] =
    L"<Window><VerticalLayout bkcolor=\"#FFFFFFFF\">"
    L"<VerticalLayout height=\"200\"><List name=\"listdata\" /></VerticalLayout>"
    L"<HorizontalLayout height=\"330\">"
    L"<VerticalLayout width=\"300\"><List name=\"listlrtjbg\" /></VerticalLayout>"
    L"<Control name=\"lrtjbg_graphyview\" width=\"560\" />"
    L"</HorizontalLayout></VerticalLayout></Window>";

// A host whose fields are the window's.
class WindowHost : public pagekit::test::MemoryHost {
 public:
  WindowHost(KXPDatavane* data, SkinUI::CPaintManagerUI& pm) : MemoryHost(data), window_(pm) {}
  pagekit::PageFields& Fields() override { return window_; }

 private:
  pagekit::PaintManagerFields window_;
};

class OutputWindow : public pagekit::test::DatavaneDllTest {
 protected:
  void SetUp() override {
    DatavaneDllTest::SetUp();
    HINSTANCE self = ::GetModuleHandleW(nullptr);
    SkinUI::CPaintManagerUI::SetInstance(self);
    HRSRC found = ::FindResourceW(self, MAKEINTRESOURCEW(105), L"ZIPRES");
    ASSERT_NE(nullptr, found) << "the test carries the skin";
    const DWORD size = ::SizeofResource(self, found);
    const BYTE* bytes = static_cast<const BYTE*>(::LockResource(::LoadResource(self, found)));
    skin_.assign(bytes, bytes + size);
    SkinUI::CPaintManagerUI::SetResourceZip(skin_.data(), size);
  }
  static SkinUI::CListUI* ListOf(SkinUI::test::TestWindow& w, const wchar_t* name) {
    return static_cast<SkinUI::CListUI*>(w.Find(name)->GetInterface(L"List"));
  }
  void AddRows(SkinUI::test::TestWindow& w, SkinUI::CListUI* list, std::vector<DataField> header, int style,
               const std::vector<std::vector<std::string>>& rows) {
    ASSERT_EQ(0, pagekit::BuildListHeader(w.pm, &data(), list, L"", &header, style, L""));
    for (const auto& values : rows) {
      std::vector<DataField> row = header;
      for (size_t i = 0; i < row.size() && i < values.size(); ++i) row[i].value = values[i];
      ASSERT_NE(nullptr, pagekit::AddListRow(w.pm, &row, list, false));
    }
    w.pm.NeedUpdate();
    SkinUI::test::PaintNow(w.GetHWND());
  }
  std::vector<BYTE> skin_;
};

std::vector<DataField> Columns(std::initializer_list<const wchar_t*> names, int width) {
  std::vector<DataField> fields;
  for (const wchar_t* name : names) {
    DataField field = MakeDataField(pagekit::LibraryText(name), "");
    field.width = width;
    fields.push_back(field);
  }
  return fields;
}

TEST_F(OutputWindow, AListOfTheKitReadsAndExportsAsOnScreen) {
  SkinUI::test::TestWindow w(kLayout, 860, 530);
  ASSERT_TRUE(w.ok());
  const int style = pagekit::kListCheckBoxes | pagekit::kListLineNumbers | pagekit::kListDelete;
  AddRows(w, ListOf(w, L"listdata"), Columns({L"商品名称", L"数量"}, 120), style,
          {{pagekit::LibraryText(L"苹果"), "3"}, {pagekit::LibraryText(L"梨"), "5"}});
  pagekit::PaintManagerFields fields(w.pm);
  const ListView view = ReadList(fields, L"listdata");
  ASSERT_TRUE(view.exists);
  EXPECT_EQ(style, view.style);
  std::vector<std::wstring> texts;
  for (const HeaderItemView& item : view.header) texts.push_back(item.text);
  EXPECT_EQ((std::vector<std::wstring>{L"", L"行号", L"商品名称", L"数量", L"操作"}), texts);
  EXPECT_EQ(120, view.header[2].rect.right - view.header[2].rect.left);
  ASSERT_EQ(2u, view.rows.size());
  ASSERT_NE(nullptr, view.Cell(1, L"item_商品名称"));
  EXPECT_EQ(L"梨", view.Cell(1, L"item_商品名称")->text);
  EXPECT_EQ(L"2", view.Cell(1, L"item_line_num")->text);
  // The cell's text sits inside its column, a few pixels in.
  EXPECT_GE(view.Cell(1, L"item_商品名称")->left, view.header[2].rect.left);
  EXPECT_LT(view.Cell(1, L"item_商品名称")->left, view.header[2].rect.left + 10);
  EXPECT_GT(view.rows[1].height, 0);
  EXPECT_FALSE(ReadList(fields, L"nolist").exists);

  test::RecordingXls xls;
  test::AnsweringDialogs dialogs;
  wchar_t folder[MAX_PATH];
  ::GetTempPathW(MAX_PATH, folder);
  dialogs.path = std::wstring(folder) + L"output_window_export.xls";
  WindowHost host(&data(), w.pm);
  EXPECT_EQ(ExportResult::kDone, ExportList(host, L"listdata", ExportTools{xls, dialogs, nullptr}));
  const std::map<std::wstring, std::wstring> cells = {{L"A1", L"商品名称"}, {L"B1", L"数量"}, {L"A2", L"苹果"},
                                                      {L"B2", L"3"},        {L"A3", L"梨"},   {L"B3", L"5"}};
  EXPECT_EQ(cells, xls.Last().cells);
  ::DeleteFileW(dialogs.path.c_str());
}

TEST_F(OutputWindow, TheProfitChartShowsInItsControl) {
  SkinUI::test::TestWindow w(kLayout, 860, 530);
  ASSERT_TRUE(w.ok());
  AddRows(w, ListOf(w, L"listlrtjbg"), Columns({L"客户名称", L"利润金额"}, 140), 0,
          {{pagekit::LibraryText(L"张三"), "120.00"},
           {pagekit::LibraryText(L"李四"), "60.00"},
           {pagekit::LibraryText(L"合计"), "180.00"}});
  WindowHost host(&data(), w.pm);
  ASSERT_TRUE(ShowBarChart(host));
  SkinUI::test::PaintNow(w.GetHWND());
  const RECT chart = w.Find(L"lrtjbg_graphyview")->GetPos();
  shelltest::SaveWindowShot(w.GetHWND(), "output_bar_chart");
  HDC dc = ::GetDC(w.GetHWND());
  // Two slots over the plot (70 .. width - 20): the first bar, the taller, reaches higher.
  const int slot = (chart.right - chart.left - 90) / 2;
  const int firstBar = chart.left + 70 + slot / 2;
  const COLORREF blue = RGB(0x33, 0x98, 0xDB);
  EXPECT_EQ(blue, ::GetPixel(dc, firstBar, chart.bottom - 50));
  EXPECT_EQ(blue, ::GetPixel(dc, firstBar + slot, chart.bottom - 50));
  EXPECT_EQ(blue, ::GetPixel(dc, firstBar, chart.top + 80));
  EXPECT_NE(blue, ::GetPixel(dc, firstBar + slot, chart.top + 80));
  ::ReleaseDC(w.GetHWND(), dc);
  ASSERT_TRUE(ShowPieChart(host));
  SkinUI::test::PaintNow(w.GetHWND());
  shelltest::SaveWindowShot(w.GetHWND(), "output_pie_chart");
  dc = ::GetDC(w.GetHWND());
  const int size = std::min(560 - 186, static_cast<int>(chart.bottom - chart.top)) - 40;
  // The first customer's two thirds start at twelve o'clock going left: the left middle is its colour.
  EXPECT_EQ(blue, ::GetPixel(dc, chart.left + 20 + size / 4, chart.top + (chart.bottom - chart.top) / 2));
  ::ReleaseDC(w.GetHWND(), dc);
}

}  // namespace
}  // namespace output
