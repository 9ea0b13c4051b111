// The popup pickers over a real main window and the test program's database:
// each opens at the rectangle it is given as a tool window without a parent; a
// click on a row reaches the owner's callback once, with the owner and extra,
// while the picker still stands, and the picker closes after; losing the focus
// closes it, but typing in the product picker's search box does not; "pdl_ok"
// reports the ticked products (none ticked: an empty list); a unit's delete
// button takes the unit out of the database and leaves the picker open. The
// loaders behind them: the unit list, the category tree, the choice written into
// a drop button's edit.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "controls/bar_list.h"
#include "controls/button.h"
#include "controls/edit.h"
#include "controls/horizontal_layout.h"
#include "controls/label.h"
#include "controls/list.h"
#include "controls/list_container_element.h"
#include "controls/option.h"
#include "catalog_store.h"
#include "library_binding.h"
#include "test_support/forwarding_datavane.h"
#include "picker_loaders.h"
#include "picker_popups.h"
#include "test_support/main_window.h"
#include "test_support/window_test_env.h"
#include "test_support/window_shot.h"
#include "text_conversion.h"

namespace {

using shelltest::MainWindow;
using shelltest::Pump;
using shelltest::PumpUntil;

// What the pickers told their owner, one line per call:
// "kind|text|owner name|extra", and whether the picker's window stood then.
struct Recorder : CDlgDropListCallBack,
                  CDlgProductListCallBack,
                  CDlgProductTypeListCallBack,
                  CDlgProductUnitListCallBack {
  void OnDropListSelect(SkinUI::CUIString text, SkinUI::CControlUI* owner) override {
    Record(L"drop", text.GetData(), owner, nullptr);
  }
  void OnProductSelect(SkinUI::CUIString name, SkinUI::CControlUI* owner, void* extra) override {
    Record(L"product", name.GetData(), owner, extra);
  }
  void OnProductRowSelect(std::vector<SkinUI::CUIString> names, SkinUI::CControlUI* owner, void* extra) override {
    std::wstring joined;
    for (size_t i = 0; i < names.size(); ++i) joined += (i ? L"," : L"") + std::wstring(names[i].GetData());
    Record(L"products", joined, owner, extra);
  }
  void OnProductTypeSelect(SkinUI::CUIString text, SkinUI::CControlUI* owner) override {
    Record(L"type", text.GetData(), owner, nullptr);
  }
  void OnProductUnitSelect(SkinUI::CUIString text, SkinUI::CControlUI* owner) override {
    Record(L"unit", text.GetData(), owner, nullptr);
  }

  void Record(const wchar_t* kind, const std::wstring& text, SkinUI::CControlUI* owner, void* extra) {
    calls.push_back(std::wstring(kind) + L"|" + text + L"|" +
                    (owner != nullptr ? owner->GetName().GetData() : L"(none)") + L"|" +
                    std::to_wstring(reinterpret_cast<uintptr_t>(extra)));
    pickerStood.push_back(::IsWindowVisible(picker) != FALSE);
  }

  HWND picker = nullptr;
  std::vector<std::wstring> calls;
  std::vector<bool> pickerStood;
};

enum class Kind { kDropList, kDropDelList, kProductList, kProductTypeList, kProductUnitList };

// A drop button in the main window's home panel, with the edit it serves.
SkinUI::CControlUI* AddDropButton(MainWindow& main, const wchar_t* name, const wchar_t* editName = nullptr) {
  SkinUI::CContainerUI* panel = shell::FindContainer(*main.frame().GetPaintManager(), L"mid_dpgl");
  if (editName != nullptr) {
    auto* edit = new SkinUI::CEditUI;
    edit->SetName(editName);
    panel->Add(edit);
  }
  auto* button = new SkinUI::CButtonUI;
  button->SetName(name);
  panel->Add(button);
  return button;
}

// A bar list on the main window's home panel, which is shown.
SkinUI::CBarListUI* AddBarList(MainWindow& main) {
  auto* list = new SkinUI::CBarListUI(main.frame().GetPaintManager());
  shell::FindContainer(*main.frame().GetPaintManager(), L"mid_dpgl")->Add(list);
  return list;
}

void* const kExtra = reinterpret_cast<void*>(static_cast<uintptr_t>(0x5eed));

// Opens a picker of that kind at the rectangle, as a page would.
shell::PickerPopup* Open(Kind kind, MainWindow& main, Recorder* recorder, SkinUI::CControlUI* owner, const RECT& at,
                         std::vector<DataField> records = {}, BYTE multiple = 1) {
  const shell::PickerContext frame = main.frame().Pickers();
  switch (kind) {
    case Kind::kDropList:
      return new shell::CDlgDropList(frame, recorder, "J4_Saler", records, owner, 0, at.left, at.top, at.right,
                                     at.bottom);
    case Kind::kDropDelList:
      return new shell::CDlgDropDelList(frame, owner, at.left, at.top, at.right, at.bottom);
    case Kind::kProductList:
      return new shell::CDlgProductList(frame, recorder, owner, kExtra, multiple, at.left, at.top, at.right, at.bottom);
    case Kind::kProductTypeList:
      return new shell::CDlgProductTypeList(frame, recorder, owner, at.left, at.top, at.right, at.bottom);
    case Kind::kProductUnitList:
      return new shell::CDlgProductUnitList(frame, recorder, owner, at.left, at.top, at.right, at.bottom);
  }
  return nullptr;
}

bool Gone(HWND window) {
  return PumpUntil([window] { return !::IsWindow(window); }, 3000);
}

SkinUI::CControlUI* FindIn(shell::PickerPopup* picker, const wchar_t* name) {
  return picker->GetPaintManager()->FindControl(name);
}

SkinUI::CBarListUI* BarListIn(shell::PickerPopup* picker, const wchar_t* name) {
  return shell::FindBarList(*picker->GetPaintManager(), name);
}

SkinUI::CListUI* ListIn(shell::PickerPopup* picker, const wchar_t* name) {
  SkinUI::CControlUI* control = FindIn(picker, name);
  return control != nullptr ? static_cast<SkinUI::CListUI*>(control->GetInterface(L"List")) : nullptr;
}

// A row of a plain list, as the list builders make them: named cells with texts,
// and a check box "item_chk" first when `tick` is given.
SkinUI::CControlUI* AddRow(SkinUI::CListUI* list, const std::vector<std::pair<const wchar_t*, const wchar_t*>>& cells,
                           const bool* tick = nullptr) {
  auto* row = new SkinUI::CListContainerElementUI;
  row->SetFixedHeight(24);
  list->Add(row);
  auto* line = new SkinUI::CHorizontalLayoutUI;
  row->Add(line);
  if (tick != nullptr) {
    auto* box = new SkinUI::CCheckBoxUI;
    box->SetName(L"item_chk");
    box->SetFixedWidth(20);
    box->Selected(*tick);
    line->Add(box);
  }
  for (const auto& cell : cells) {
    auto* label = new SkinUI::CLabelUI;
    label->SetName(cell.first);
    label->SetText(cell.second);
    line->Add(label);
  }
  return row;
}

// The entries of a bar list, top to bottom, with "+" before those whose delete
// button shows and one blank of indent per level.
std::vector<std::wstring> Entries(SkinUI::CBarListUI* list) {
  std::vector<std::wstring> entries;
  if (list == nullptr) return entries;
  for (int i = 0; i < list->GetCount(); ++i) {
    SkinUI::BarListNode* node = list->GetNodeOf(list->GetItemAt(i));
    if (node == nullptr) continue;
    SkinUI::CControlUI* del =
        static_cast<SkinUI::CContainerUI*>(node->row->GetInterface(L"Container"))->FindSubControl(L"item_del");
    entries.push_back(std::wstring(node->level, L' ') + (del != nullptr && del->IsVisible() ? L"+" : L"") +
                      node->text.GetData());
  }
  return entries;
}

SkinUI::CControlUI* RowOfEntry(SkinUI::CBarListUI* list, const wchar_t* text) {
  SkinUI::BarListNode* node = list != nullptr ? list->FindBarListNode(text) : nullptr;
  return node != nullptr ? node->row : nullptr;
}

std::vector<std::wstring> StoredUnits() {
  std::vector<DataField> columns = {MakeDataField("计量单位", "")};
  std::vector<std::vector<DataField>> rows;
  g_dataObject->QueryRecords("J4_Product_Unit", &columns, &rows);
  std::vector<std::wstring> units;
  for (const auto& row : rows) units.push_back(shell::WideFromAnsi(row.front().value));
  return units;
}

// The units table holds exactly these units.
void StoreUnits(std::initializer_list<const char*> units) {
  for (const std::wstring& unit : StoredUnits()) g_dataObject->DeleteProductUnit(shell::AnsiFromWide(unit).c_str());
  for (const char* unit : units) ASSERT_EQ(0, g_dataObject->AddProductUnit(unit));
}

struct Category {
  const char* name;
  const char* parent;
  int level;
};

// The categories table holds exactly these categories, stored in this order, and
// the main window's catalog has read them again.
void StoreCategories(MainWindow& main, std::initializer_list<Category> categories) {
  g_dataObject->DeleteProductType(nullptr);
  for (const Category& c : categories) ASSERT_EQ(0, g_dataObject->AddProductType(c.name, c.parent, c.level));
  main.frame().Catalog().ReloadCategories(pagekit::CatalogStore(*g_dataObject));
}

// A plain window of this thread that takes the focus from the picker.
class OtherWindow {
 public:
  OtherWindow()
      : hwnd_(::CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 700, 500, 100, 80, nullptr, nullptr,
                                ::GetModuleHandleW(nullptr), nullptr)) {}
  ~OtherWindow() { ::DestroyWindow(hwnd_); }
  HWND hwnd() const { return hwnd_; }
  void TakeFocus() {
    ::SetForegroundWindow(hwnd_);
    ::SetActiveWindow(hwnd_);
    ::SetFocus(hwnd_);
  }

 private:
  HWND hwnd_;
};

class Pickers : public ::testing::Test {
 protected:
  void SetUp() override {
    StoreUnits({});
    main_.Show();
  }
  void TearDown() override {
    StoreUnits({});
    g_dataObject->DeleteProductType(nullptr);
  }
  MainWindow main_{"老板"};
  Recorder recorder_;
};

const Kind kAllKinds[] = {Kind::kDropList, Kind::kDropDelList, Kind::kProductList, Kind::kProductTypeList,
                          Kind::kProductUnitList};

TEST_F(Pickers, EachOpensAtItsRectangleAsAToolWindowWithoutParent) {
  struct Case {
    Kind kind;
    const wchar_t* windowClass;
    const wchar_t* title;
    RECT at;
  } cases[] = {
      {Kind::kDropList, L"DlgDropListWnd", L"DlgDropList", {120, 90, 317, 250}},
      {Kind::kDropDelList, L"DlgDropDelListWnd", L"DlgDropDelList", {300, 200, 420, 300}},
      {Kind::kProductList, L"DlgProductListWnd", L"DlgProductList", {40, 60, 340, 400}},
      {Kind::kProductTypeList, L"DlgProductTypeListWnd", L"DlgProductTypeList", {0, 0, 197, 160}},
      {Kind::kProductUnitList, L"DlgProductUnitListWnd", L"DlgProductUnitList", {555, 333, 700, 480}},
  };
  SkinUI::CControlUI* owner = AddDropButton(main_, L"hpkc_new_dw_drop");
  for (const Case& c : cases) {
    shell::PickerPopup* picker = Open(c.kind, main_, &recorder_, owner, c.at);
    const HWND hwnd = picker->GetHWND();
    ASSERT_TRUE(::IsWindow(hwnd)) << c.title;
    Pump(100);
    EXPECT_EQ(hwnd, ::FindWindowW(c.windowClass, nullptr)) << c.title;
    wchar_t title[64] = {};
    ::GetWindowTextW(hwnd, title, 64);
    EXPECT_STREQ(c.title, title);
    RECT rc;
    ::GetWindowRect(hwnd, &rc);
    EXPECT_EQ(c.at.left, rc.left) << c.title;
    EXPECT_EQ(c.at.top, rc.top) << c.title;
    EXPECT_EQ(c.at.right, rc.right) << c.title;
    EXPECT_EQ(c.at.bottom, rc.bottom) << c.title;
    EXPECT_TRUE(::IsWindowVisible(hwnd)) << c.title;
    EXPECT_TRUE(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) << c.title;
    EXPECT_TRUE(::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_POPUP) << c.title;
    EXPECT_EQ(nullptr, ::GetParent(hwnd)) << c.title;
    EXPECT_EQ(nullptr, ::GetWindow(hwnd, GW_OWNER)) << c.title;
    shelltest::SaveWindowShot(hwnd, shell::AnsiFromWide(c.title).c_str());
    ::PostMessageW(hwnd, WM_CLOSE, 1, 0);
    EXPECT_TRUE(Gone(hwnd)) << c.title;
  }
  EXPECT_TRUE(recorder_.calls.empty());
}

// One click on a row of each picker: the owner hears of it once, while the
// picker stands, and the picker closes after.
TEST_F(Pickers, AClickOnARowReachesTheOwnerOnceBeforeThePickerCloses) {
  StoreUnits({"个", "箱"});
  StoreCategories(main_, {{"食品", "", 0}, {"水果", "食品", 1}});
  SkinUI::CControlUI* owner = AddDropButton(main_, L"xsd_ywy_drop", L"xsd_ywy");
  struct Case {
    const char* what;
    Kind kind;
    std::vector<DataField> records;
    // Adds the row to click to the opened picker and answers it.
    std::function<SkinUI::CControlUI*(shell::PickerPopup*)> row;
    const wchar_t* reported;   // empty: nothing reported
    const wchar_t* ownerEdit;  // the text of "xsd_ywy" afterwards
  } cases[] = {
      {"drop list",
       Kind::kDropList,
       {MakeDataField("name", "")},
       [](shell::PickerPopup* p) {
         AddRow(ListIn(p, L"list"), {{L"item_id", L"7"}});
         return AddRow(ListIn(p, L"list"), {{L"item_id", L"8"}, {L"item_name", L"张三"}});
       },
       L"drop|张三|xsd_ywy_drop|0",
       L""},
      // Without records the picker has no cell to read.
      {"drop list without records",
       Kind::kDropList,
       {},
       [](shell::PickerPopup* p) {
         return AddRow(ListIn(p, L"list"), {{L"item_name", L"李四"}});
       },
       L"",
       L""},
      {"deletable drop list",
       Kind::kDropDelList,
       {},
       [](shell::PickerPopup* p) {
         SkinUI::CBarListUI* list = BarListIn(p, L"list_product_unit");
         SkinUI::BarListItemInfo info;
         info.text = L"王五";
         info.hasDelete = true;
         list->AddBarListNode(info, nullptr, L"barlist_item.xml");
         return RowOfEntry(list, L"王五");
       },
       L"",
       L"王五"},
      {"product list",
       Kind::kProductList,
       {},
       [](shell::PickerPopup* p) {
         return AddRow(ListIn(p, L"list_product"), {{L"item_商品类别", L"食品"}, {L"item_商品名称", L"苹果"}});
       },
       L"product|苹果|xsd_ywy_drop|24301",
       L""},
      {"category tree",
       Kind::kProductTypeList,
       {},
       [](shell::PickerPopup* p) { return RowOfEntry(BarListIn(p, L"list_product_type"), L"水果"); },
       L"type|水果|xsd_ywy_drop|0",
       L""},
      {"unit list",
       Kind::kProductUnitList,
       {},
       [](shell::PickerPopup* p) { return RowOfEntry(BarListIn(p, L"list_product_unit"), L"箱"); },
       L"unit|箱|xsd_ywy_drop|0",
       L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    recorder_ = Recorder();
    main_.Find(L"xsd_ywy")->SetText(L"");
    shell::PickerPopup* picker = Open(c.kind, main_, &recorder_, owner, {200, 150, 397, 310}, c.records);
    const HWND hwnd = picker->GetHWND();
    recorder_.picker = hwnd;
    SkinUI::CControlUI* row = c.row(picker);
    ASSERT_NE(nullptr, row);
    Pump(100);
    shelltest::SaveWindowShot(hwnd, (std::string("choice ") + c.what).c_str());
    shelltest::Click(hwnd, row);
    EXPECT_TRUE(Gone(hwnd));
    const std::vector<std::wstring> expected =
        *c.reported != L'\0' ? std::vector<std::wstring>{c.reported} : std::vector<std::wstring>{};
    EXPECT_EQ(expected, recorder_.calls);
    EXPECT_EQ(std::vector<bool>(expected.size(), true), recorder_.pickerStood);
    EXPECT_STREQ(c.ownerEdit, main_.Find(L"xsd_ywy")->GetText().GetData());
  }
}

TEST_F(Pickers, LosingTheFocusClosesEachPicker) {
  SkinUI::CControlUI* owner = AddDropButton(main_, L"kh_drop");
  OtherWindow other;
  for (Kind kind : kAllKinds) {
    shell::PickerPopup* picker = Open(kind, main_, &recorder_, owner, {100, 100, 297, 260});
    const HWND hwnd = picker->GetHWND();
    Pump(100);
    ASSERT_TRUE(::IsWindow(hwnd));
    other.TakeFocus();
    EXPECT_TRUE(Gone(hwnd)) << static_cast<int>(kind);
  }
  EXPECT_TRUE(recorder_.calls.empty());
}

// Where the keyboard focus goes decides: to another window closes every picker;
// the product picker stays open for its own window and its search box's native
// edit.
TEST_F(Pickers, TheFocusGoingElsewhereClosesAndTheSearchBoxKeepsOpen) {
  SkinUI::CControlUI* owner = AddDropButton(main_, L"kh_drop");
  OtherWindow other;
  enum To { kOther, kNowhere, kItself, kSearchBox };
  struct Case {
    Kind kind;
    To to;
    bool closes;
  } cases[] = {
      {Kind::kDropList, kOther, true},        {Kind::kDropDelList, kNowhere, true},
      {Kind::kProductTypeList, kOther, true}, {Kind::kProductUnitList, kOther, true},
      {Kind::kProductList, kOther, true},     {Kind::kProductList, kNowhere, true},
      {Kind::kProductList, kItself, false},   {Kind::kProductList, kSearchBox, false},
  };
  for (const Case& c : cases) {
    shell::PickerPopup* picker = Open(c.kind, main_, &recorder_, owner, {100, 100, 297, 260});
    const HWND hwnd = picker->GetHWND();
    Pump(100);
    HWND to = nullptr;
    if (c.to == kOther) to = other.hwnd();
    if (c.to == kItself) to = hwnd;
    if (c.to == kSearchBox) {
      auto* find = static_cast<SkinUI::CEditUI*>(FindIn(picker, L"pdl_find"));
      ASSERT_TRUE(PumpUntil([find] { return find->GetSafeWnd() != nullptr; }));
      to = find->GetSafeWnd();
    }
    ::SendMessageW(hwnd, WM_KILLFOCUS, reinterpret_cast<WPARAM>(to), 0);
    if (c.closes) {
      EXPECT_TRUE(Gone(hwnd)) << static_cast<int>(c.kind) << " to " << c.to;
      continue;
    }
    Pump(200);
    EXPECT_TRUE(::IsWindow(hwnd)) << static_cast<int>(c.kind) << " to " << c.to;
    ::PostMessageW(hwnd, WM_CLOSE, 1, 0);
    EXPECT_TRUE(Gone(hwnd));
  }
  EXPECT_TRUE(recorder_.calls.empty());
}

// The search box takes the focus into its native edit window; the picker stays
// open while the user types, and closes when the user turns to another window.
TEST_F(Pickers, TypingInTheProductSearchKeepsThePickerOpen) {
  SkinUI::CControlUI* owner = AddDropButton(main_, L"xsd_hp_drop");
  OtherWindow other;
  shell::PickerPopup* picker = Open(Kind::kProductList, main_, &recorder_, owner, {100, 100, 297, 260});
  const HWND hwnd = picker->GetHWND();
  Pump(100);
  auto* find = static_cast<SkinUI::CEditUI*>(FindIn(picker, L"pdl_find"));
  ASSERT_NE(nullptr, find);
  EXPECT_STREQ(L"名称或首字母", find->GetHintText().GetData());
  // The first paint gives the search box the focus, and its native edit opens.
  ASSERT_TRUE(PumpUntil([find] { return find->GetSafeWnd() != nullptr; }));
  for (const wchar_t* ch = L"pg"; *ch != L'\0'; ++ch) ::PostMessageW(find->GetSafeWnd(), WM_CHAR, *ch, 0);
  Pump(300);
  ASSERT_TRUE(::IsWindow(hwnd));
  EXPECT_STREQ(L"pg", find->GetText().GetData());
  EXPECT_EQ(find->GetSafeWnd(), ::GetFocus());
  EXPECT_FALSE(FindIn(picker, L"sel_all_list_product")->IsVisible());

  other.TakeFocus();
  EXPECT_TRUE(Gone(hwnd));
  EXPECT_TRUE(recorder_.calls.empty());
}

TEST_F(Pickers, OkReportsTheTickedProductsInListOrder) {
  SkinUI::CControlUI* owner = AddDropButton(main_, L"xsd_hp_drop");
  const bool on = true;
  const bool off = false;
  struct Case {
    const char* what;
    std::vector<std::pair<const bool*, const wchar_t*>> rows;  // tick, name
    const wchar_t* reported;
  } cases[] = {
      {"none ticked", {{&off, L"苹果"}, {&off, L"香蕉"}}, L"products||xsd_hp_drop|24301"},
      {"an empty list", {}, L"products||xsd_hp_drop|24301"},
      {"ticked, with and without a name",
       {{&on, L"苹果"}, {&off, L"香蕉"}, {&on, L""}, {&on, L"橙子"}, {nullptr, L"梨"}},
       L"products|苹果,橙子|xsd_hp_drop|24301"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    recorder_ = Recorder();
    shell::PickerPopup* picker = Open(Kind::kProductList, main_, &recorder_, owner, {100, 100, 297, 260});
    const HWND hwnd = picker->GetHWND();
    recorder_.picker = hwnd;
    for (const auto& row : c.rows) AddRow(ListIn(picker, L"list_product"), {{L"item_商品名称", row.second}}, row.first);
    Pump(100);
    EXPECT_TRUE(FindIn(picker, L"pdl_ok")->IsVisible());
    shelltest::Click(hwnd, FindIn(picker, L"pdl_ok"));
    EXPECT_TRUE(Gone(hwnd));
    EXPECT_EQ(std::vector<std::wstring>{c.reported}, recorder_.calls);
    EXPECT_EQ(std::vector<bool>{true}, recorder_.pickerStood);
  }
}

TEST_F(Pickers, TheOkButtonShowsInMultipleChoiceOnly) {
  SkinUI::CControlUI* owner = AddDropButton(main_, L"xsd_hp_drop");
  for (BYTE multiple : {BYTE(0), BYTE(1)}) {
    shell::PickerPopup* picker = Open(Kind::kProductList, main_, &recorder_, owner, {100, 100, 297, 260}, {}, multiple);
    const HWND hwnd = picker->GetHWND();
    EXPECT_EQ(multiple != 0, FindIn(picker, L"pdl_ok")->IsVisible());
    EXPECT_FALSE(FindIn(picker, L"sel_all_list_product")->IsVisible());
    ::PostMessageW(hwnd, WM_CLOSE, 1, 0);
    EXPECT_TRUE(Gone(hwnd));
  }
}

// The unit picker shows the stored units, each with its delete button; deleting
// one takes it out of the database (a quote in the name included) and leaves the
// picker open with the others; a unit whose delete fails stays, with its entry.
TEST_F(Pickers, DeletingAUnitRemovesItFromTheDatabaseAndKeepsThePickerOpen) {
  StoreUnits({"个", "l'x", "箱"});
  SkinUI::CControlUI* owner = AddDropButton(main_, L"hpkc_new_dw_drop");
  pagekit::test::ForwardingDatavane data(*g_dataObject);
  shell::PickerPopup* picker = new shell::CDlgProductUnitList(shell::PickerContext{&data, &main_.frame().Catalog()},
                                                              &recorder_, owner, 100, 100, 297, 260);
  const HWND hwnd = picker->GetHWND();
  recorder_.picker = hwnd;
  SkinUI::CBarListUI* list = BarListIn(picker, L"list_product_unit");
  const std::vector<std::wstring> shown = Entries(list);
  EXPECT_EQ(3u, shown.size());
  for (const wchar_t* unit : {L"+个", L"+l'x", L"+箱"})
    EXPECT_NE(shown.end(), std::find(shown.begin(), shown.end(), unit)) << unit;
  Pump(100);
  shelltest::SaveWindowShot(hwnd, "units");

  for (const wchar_t* unit : {L"l'x", L"个"}) {
    SkinUI::CControlUI* del = static_cast<SkinUI::CContainerUI*>(RowOfEntry(list, unit)->GetInterface(L"Container"))
                                  ->FindSubControl(L"item_del");
    shelltest::Click(hwnd, del);
    EXPECT_TRUE(PumpUntil([list, unit] { return list->FindBarListNode(unit) == nullptr; })) << unit;
    Pump(200);
    ASSERT_TRUE(::IsWindow(hwnd)) << unit;
  }
  EXPECT_EQ(std::vector<std::wstring>{L"+箱"}, Entries(list));
  EXPECT_EQ(std::vector<std::wstring>{L"箱"}, StoredUnits());
  EXPECT_TRUE(recorder_.calls.empty());

  // A delete the database refuses keeps the unit, and so its entry.
  data.FailWrite(1);
  shelltest::Click(hwnd, static_cast<SkinUI::CContainerUI*>(RowOfEntry(list, L"箱")->GetInterface(L"Container"))
                             ->FindSubControl(L"item_del"));
  Pump(300);
  EXPECT_EQ(data.Writes(), 3);
  EXPECT_EQ(std::vector<std::wstring>{L"+箱"}, Entries(list));
  EXPECT_EQ(std::vector<std::wstring>{L"箱"}, StoredUnits());

  // The remaining row still chooses.
  shelltest::Click(hwnd, RowOfEntry(list, L"箱"));
  EXPECT_TRUE(Gone(hwnd));
  EXPECT_EQ(std::vector<std::wstring>{L"unit|箱|hpkc_new_dw_drop|0"}, recorder_.calls);
}

// The salesmen stored, in stored order.
std::vector<std::wstring> StoredSalesmen() {
  std::vector<DataField> columns = {MakeDataField("name", "")};
  std::vector<std::vector<DataField>> rows;
  g_dataObject->QueryRecords("J4_Saler", &columns, &rows);
  std::vector<std::wstring> names;
  for (const auto& row : rows) names.push_back(shell::WideFromAnsi(row.front().value));
  return names;
}

void StoreSalesmen(std::initializer_list<const char*> names) {
  for (const std::wstring& name : StoredSalesmen()) {
    std::vector<DataField> key = {MakeDataField("name", shell::AnsiFromWide(name))};
    g_dataObject->DeleteRecords("J4_Saler", &key);
  }
  for (const char* name : names) {
    std::vector<DataField> values = {MakeDataField("name", name)};
    ASSERT_EQ(0, g_dataObject->InsertRecord("J4_Saler", &values));
  }
}

// The salesman list shows the stored salesmen; a delete button takes its entry
// away with its record and leaves the others; an entry whose record is already gone
// deletes nothing and stays. The payment form's list deletes as the bill's does.
TEST_F(Pickers, DeletingADropListEntryKeepsThePickerOpenWithTheOthers) {
  for (const wchar_t* button : {L"xsd_ywy_drop", L"fkd_new_ywy_drop"}) {
    StoreSalesmen({"张三", "李四", "王五"});
    SkinUI::CControlUI* owner = AddDropButton(main_, button, nullptr);
    shell::PickerPopup* picker = Open(Kind::kDropDelList, main_, &recorder_, owner, {100, 100, 297, 260});
    const HWND hwnd = picker->GetHWND();
    SkinUI::CBarListUI* list = BarListIn(picker, L"list_product_unit");
    EXPECT_EQ((std::vector<std::wstring>{L"+张三", L"+李四", L"+王五"}), Entries(list)) << button;
    Pump(100);
    auto deleteOf = [list](const wchar_t* name) {
      return static_cast<SkinUI::CContainerUI*>(RowOfEntry(list, name)->GetInterface(L"Container"))
          ->FindSubControl(L"item_del");
    };
    shelltest::Click(hwnd, deleteOf(L"李四"));
    EXPECT_TRUE(PumpUntil([list] { return list->FindBarListNode(L"李四") == nullptr; })) << button;
    EXPECT_EQ((std::vector<std::wstring>{L"张三", L"王五"}), StoredSalesmen()) << button;
    // Deleted elsewhere meanwhile: the entry's delete finds nothing and it stays.
    std::vector<DataField> key = {MakeDataField("name", "王五")};
    g_dataObject->DeleteRecords("J4_Saler", &key);
    shelltest::Click(hwnd, deleteOf(L"王五"));
    Pump(300);
    ASSERT_TRUE(::IsWindow(hwnd));
    EXPECT_EQ((std::vector<std::wstring>{L"+张三", L"+王五"}), Entries(list)) << button;
    EXPECT_EQ(std::vector<std::wstring>{L"张三"}, StoredSalesmen()) << button;
    ::PostMessageW(hwnd, WM_CLOSE, 1, 0);
    EXPECT_TRUE(Gone(hwnd));
  }
  StoreSalesmen({});
}

TEST_F(Pickers, TheUnitListShowsEachStoredUnitOnceAndKeepsTheirNames) {
  StoreUnits({"千克", "个"});
  SkinUI::CBarListUI* list = AddBarList(main_);
  for (int load = 0; load < 2; ++load) {
    shell::LoadUnitList(main_.frame().Pickers(), list);
    std::vector<std::wstring> shown = Entries(list);
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ((std::vector<std::wstring>{L"+个", L"+千克"}), shown) << "load " << load;
    std::vector<std::wstring> names = main_.frame().Catalog().UnitNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::wstring>{L"个", L"千克"}), names) << "load " << load;
  }
  StoreUnits({});
  shell::LoadUnitList(main_.frame().Pickers(), list);
  EXPECT_TRUE(Entries(list).empty());
  EXPECT_TRUE(main_.frame().Catalog().UnitNames().empty());
}

TEST_F(Pickers, TheCategoryTreeIsBuiltLevelByLevelUnderEachParent) {
  SkinUI::CBarListUI* list = AddBarList(main_);
  // Entered in an order that puts children before their parents.
  StoreCategories(main_, {{"苹果", "水果", 2},
                          {"水果", "食品", 1},
                          {"孤儿", "没有的类别", 1},
                          {"食品", "", 0},
                          {"日用", "", 0},
                          {"毛巾", "日用", 1}});
  for (int fill = 0; fill < 2; ++fill) {
    shell::FillTypeBarList(main_.frame().Pickers(), list);
    EXPECT_EQ((std::vector<std::wstring>{L"食品", L" 水果", L"  苹果", L"日用", L" 毛巾", L"孤儿"}), Entries(list))
        << "fill " << fill;
  }
}

// The deletable list's choice goes into the edit named like its drop button less
// "_drop", whatever the case of the suffix.
TEST_F(Pickers, TheDeletableListsChoiceGoesIntoTheEditOfItsDropButton) {
  AddDropButton(main_, L"hpkc_new_ywdw", L"hpkc_new_ywdw_edit");
  AddDropButton(main_, L"dummy", L"xsd_ywy");
  AddDropButton(main_, L"dummy2", L"fkd_new_ywy");
  struct Case {
    const wchar_t* owner;
    const wchar_t* edit;
    const wchar_t* text;  // the edit's text afterwards
  } cases[] = {
      {L"xsd_ywy_drop", L"xsd_ywy", L"张三"},
      {L"fkd_new_ywy_DROP", L"fkd_new_ywy", L"张三"},
      {L"hpkc_new_ywdw", L"hpkc_new_ywdw_edit", L""},  // not a drop button
      {L"_drop", L"xsd_ywy", L""},
  };
  for (const Case& c : cases) {
    main_.Find(c.edit)->SetText(L"");
    SkinUI::CButtonUI owner;
    owner.SetName(c.owner);
    owner.SetManager(main_.frame().GetPaintManager(), nullptr, false);
    shell::WriteDropChoice(&owner, L"张三");
    EXPECT_STREQ(c.text, main_.Find(c.edit)->GetText().GetData()) << c.owner;
  }
  shell::WriteDropChoice(nullptr, L"张三");
  // A button in no window has no edit to write to.
  SkinUI::CButtonUI loose;
  loose.SetName(L"xsd_ywy_drop");
  shell::WriteDropChoice(&loose, L"李四");
  EXPECT_STREQ(L"", main_.Find(L"xsd_ywy")->GetText().GetData());
}

}  // namespace
