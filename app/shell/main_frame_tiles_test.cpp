// The tiles and the side bar of the main window, built from the packed skin with
// the real data library: the home tiles by role, the stored shortcuts by role,
// adding, replacing and deleting shortcuts with their stored rows, the side-bar
// scroll, the report tiles of the report panels, every picture the tables name,
// and the drag and fling of the tile grid (GridWndUI).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid_bar_items.h"
#include "grid_wnd.h"
#include "library_binding.h"
#include "main_frame.h"
#include "core/skin_archive.h"
#include "test_support/main_window.h"
#include "test_support/page_probe.h"
#include "test_support/window_test_env.h"
#include "text_conversion.h"

namespace {

using shelltest::EntryNames;
using shelltest::MainWindow;
using shelltest::PumpUntil;
using shelltest::TileNames;

std::vector<std::wstring> Names(std::initializer_list<const wchar_t*> names) {
  return std::vector<std::wstring>(names.begin(), names.end());
}

// The stored shortcuts, name|image|tip each.
std::vector<std::wstring> StoredShortcuts() {
  std::vector<SideBarItem> items;
  g_dataObject->GetSideBarItems(&items, nullptr);
  std::vector<std::wstring> rows;
  for (const SideBarItem& item : items)
    rows.push_back(shell::WideFromAnsi(item.name) + L"|" + shell::WideFromAnsi(item.image) + L"|" +
                   shell::WideFromAnsi(item.tip));
  return rows;
}

void Store(std::initializer_list<const char*> names) {
  g_dataObject->DeleteSideBarItem(nullptr);
  for (const char* name : names) g_dataObject->AddSideBarItem(name, "AppLogo/8_S.png", name);
}

SkinUI::CBarListUI* SideBar(MainWindow& main) {
  return shell::FindBarList(*main.frame().GetPaintManager(), L"listSideBar");
}

TEST(Tiles, HomeTilesByRole) {
  struct Case {
    const char* account;
    std::vector<std::wstring> tiles;
  } cases[] = {
      {"老板", Names({L"商品", L"客户", L"供应商", L"短信", L"销售单", L"进货单", L"资金", L"报表"})},
      {"营业员", Names({L"商品", L"客户", L"短信", L"销售单"})},
  };
  for (const Case& c : cases) {
    MainWindow main(c.account);
    EXPECT_EQ(c.tiles, TileNames(main.Find(L"main_grid"))) << c.account;
    // Each tile's buttons carry its page.
    for (const std::wstring& tile : c.tiles) {
      EXPECT_NE(nullptr, main.Find((L"bar_btn_" + tile).c_str())) << c.account;
      EXPECT_NE(nullptr, main.Find((L"bar_add_" + tile).c_str())) << c.account;
    }
  }
}

TEST(Tiles, StoredShortcutsByRole) {
  Store({"商品", "资金", "销售批发价", "供应商", "进货单", "客户"});
  const std::vector<std::wstring> stored = StoredShortcuts();
  struct Case {
    const char* account;
    std::vector<std::wstring> shown;
  } cases[] = {
      {"老板", Names({L"商品", L"资金", L"销售批发价", L"供应商", L"进货单", L"客户"})},
      {"营业员", Names({L"商品", L"销售批发价", L"进货单", L"客户"})},
  };
  for (const Case& c : cases) {
    MainWindow main(c.account);
    EXPECT_EQ(c.shown, EntryNames(SideBar(main))) << c.account;
    // The stored rows stay as they were, in their order; what the clerk does not
    // see stays stored.
    EXPECT_EQ(stored, StoredShortcuts()) << c.account;
  }
  // The entry shows its picture and names its page in its tooltip.
  MainWindow main("老板");
  SkinUI::CBarListUI* list = SideBar(main);
  ASSERT_EQ(6, list->GetCount());
  auto* row = static_cast<SkinUI::CContainerUI*>(list->GetItemAt(2)->GetInterface(L"Container"));
  SkinUI::CControlUI* button = row->FindSubControl(L"listItemBtn");
  ASSERT_NE(nullptr, button);
  EXPECT_STREQ(L"file='AppLogo/8_S.png' dest='6,6,38,38'", button->GetBkImage());
  EXPECT_EQ(SkinUI::CUIString(L"销售批发价"), button->GetToolTip());
  EXPECT_EQ(SkinUI::CUIString(L"销售批发价"), shell::ListItemPageName(button));
  g_dataObject->DeleteSideBarItem(nullptr);
}

TEST(Tiles, AddingAShortcutTakesItsPictureAndIsStoredOnce) {
  struct Case {
    const wchar_t* name;
    const wchar_t* stored;  // null: nothing added
  } cases[] = {
      {L"销售单", L"销售单|AppLogo/4_S.png|销售单"},
      {L"资金", L"资金|AppLogo/1_S.png|资金"},
      {L"商品类别", L"商品类别|AppLogo/Icon_基础资料_商品类别.png|"},
      {L"其它收支", L"其它收支|AppLogo/Icon_资金_其它收支.png|"},
      {L"应收款查询", L"应收款查询|AppLogo/Icon_首页_报表中心_应收欠款报告.png|"},
      {L"进货汇总表(供应商)", L"进货汇总表(供应商)|AppLogo/Icon_首页_报表中心_进货汇总表_供应商.png|"},
      {L"短信", nullptr},
  };
  for (const Case& c : cases) {
    g_dataObject->DeleteSideBarItem(nullptr);
    MainWindow main("老板");
    main.frame().AddModuleShortcut(c.name);
    main.frame().AddModuleShortcut(c.name);
    if (c.stored == nullptr) {
      EXPECT_TRUE(EntryNames(SideBar(main)).empty()) << c.name;
      EXPECT_TRUE(StoredShortcuts().empty()) << c.name;
      continue;
    }
    EXPECT_EQ(Names({c.name}), EntryNames(SideBar(main))) << "no duplicate; " << c.name;
    EXPECT_EQ(Names({c.stored}), StoredShortcuts()) << c.name;
  }
  g_dataObject->DeleteSideBarItem(nullptr);
}

TEST(Tiles, DeletingOneOrAllShortcutsRemovesTheStoredRows) {
  Store({"商品", "客户", "进货单"});
  MainWindow main("老板");
  SkinUI::CBarListUI* list = SideBar(main);
  ASSERT_EQ(3, list->GetCount());
  // Nothing selected: nothing goes.
  main.frame().DeleteSideBarItems(false);
  EXPECT_EQ(3u, StoredShortcuts().size());
  list->SelectItem(1);
  main.frame().DeleteSideBarItems(false);
  EXPECT_EQ(Names({L"商品", L"进货单"}), EntryNames(list));
  EXPECT_EQ(Names({L"商品|AppLogo/8_S.png|商品", L"进货单|AppLogo/8_S.png|进货单"}), StoredShortcuts());
  main.frame().DeleteSideBarItems(true);
  EXPECT_TRUE(EntryNames(list).empty());
  EXPECT_TRUE(StoredShortcuts().empty());
}

TEST(Tiles, SideBarScrollStepsDownAndBackToTheTop) {
  g_dataObject->DeleteSideBarItem(nullptr);
  for (int i = 0; i < 20; ++i)
    g_dataObject->AddSideBarItem(("商品" + std::to_string(i)).c_str(), "AppLogo/8_S.png", "");
  MainWindow main("老板");
  main.Show();
  SkinUI::CBarListUI* list = SideBar(main);
  const int range = list->GetScrollRange().cy;
  ASSERT_GT(range, 10) << "twenty shortcuts overflow the side bar";
  std::vector<int> seen;
  for (int step = 0; step <= range / 10 + 1; ++step) {
    main.frame().ScrollSideBar();
    seen.push_back(list->GetScrollPos().cy);
  }
  for (size_t i = 0; i + 1 < seen.size(); ++i) EXPECT_EQ(std::min(10 * static_cast<int>(i + 1), range), seen[i]);
  EXPECT_EQ(0, seen.back()) << "past the end it starts again at the top";
  g_dataObject->DeleteSideBarItem(nullptr);
}

TEST(Tiles, ReportPanelsGetTheSixReportTilesUpToTheFirstGap) {
  const std::vector<std::wstring> six =
      Names({L"销售汇总表(商品)", L"销售汇总表(客户)", L"库存统计表", L"客户对账单", L"利润统计表", L"销售订单查询"});
  MainWindow main("老板");
  SkinUI::CPaintManagerUI& pm = *main.frame().GetPaintManager();
  for (const wchar_t* name : {L"listbaobiao0", L"listbaobiao1", L"listbaobiao2", L"listbaobiao3"}) {
    SkinUI::CBarListUI* list = shell::FindBarList(pm, name);
    ASSERT_NE(nullptr, list) << name;
    EXPECT_EQ(six, EntryNames(list)) << name;
    EXPECT_EQ(60, list->GetItemHeight()) << name;
  }
  // Without "listbaobiao2" the filling ends at 1: "listbaobiao3" is left alone.
  SkinUI::CBarListUI* second = shell::FindBarList(pm, L"listbaobiao2");
  SkinUI::CBarListUI* third = shell::FindBarList(pm, L"listbaobiao3");
  static_cast<SkinUI::CContainerUI*>(second->GetParent())->Remove(second);
  ASSERT_TRUE(PumpUntil([&] { return pm.FindControl(L"listbaobiao2") == nullptr; }));
  third->RemoveAll();
  main.frame().FillReportTiles();
  EXPECT_EQ(six, EntryNames(shell::FindBarList(pm, L"listbaobiao1")));
  EXPECT_TRUE(EntryNames(third).empty());
}

// Every picture that the tables name is in the skin the program carries.
TEST(Tiles, EveryPictureTheTablesNameIsInTheSkin) {
  HMODULE self = ::GetModuleHandleW(nullptr);
  HRSRC found = ::FindResourceW(self, MAKEINTRESOURCEW(105), L"ZIPRES");
  ASSERT_NE(nullptr, found);
  SkinUI::HZIP zip = SkinUI::OpenZipMemory(::LockResource(::LoadResource(self, found)), ::SizeofResource(self, found));
  ASSERT_NE(nullptr, zip);
  std::vector<shell::GridBarItem> items = shell::HomeTiles(true);
  for (int list = 0; list < shell::kModuleListCount; ++list) {
    for (const shell::GridBarItem& item : shell::FixedModuleRows(static_cast<shell::ModuleList>(list)))
      items.push_back(item);
  }
  for (const shell::GridBarItem& item : shell::ReportTiles()) items.push_back(item);
  std::vector<std::wstring> images;
  for (const shell::GridBarItem& item : items) images.push_back(item.image.GetData());
  for (const shell::GridBarItem& item : shell::ShopEntries()) {
    images.push_back(item.image.GetData());
    images.push_back(item.image2.GetData());
  }
  for (const wchar_t* name : {L"商品", L"客户", L"供应商", L"销售批发价", L"销售单", L"进货单", L"资金"}) {
    ASSERT_NE(nullptr, shell::BuiltInShortcutImage(name)) << "a built-in shortcut";
    images.push_back(shell::BuiltInShortcutImage(name));
  }
  EXPECT_EQ(nullptr, shell::BuiltInShortcutImage(L"报表"));
  images.push_back(L"AppLogo/Icon_首页_MyDll.png");
  EXPECT_EQ(8u + 4 + 6 + 4 + 8 + 7 + 2 + 2 + 6, items.size());
  for (const std::wstring& image : images) {
    int index = -1;
    SkinUI::ZipEntry entry = {};
    EXPECT_EQ(SkinUI::ZR_OK, SkinUI::FindZipItem(zip, image.c_str(), &index, &entry))
        << "missing " << shell::AnsiFromWide(image.c_str());
  }
  SkinUI::CloseZip(zip);
}

// ---- the tile grid ---------------------------------------------------------------------------

// A main window whose home grid holds forty tiles, so that it scrolls.
class GridWindow {
 public:
  GridWindow() : main_("老板") {
    grid_ = static_cast<shell::GridWndUI*>(main_.Find(L"main_grid"));
    for (int i = 0; i < 40; ++i) shell::AddGridBar(grid_, (L"格" + std::to_wstring(i)).c_str(), L"AppLogo/8_S.png");
    main_.Show();
    PumpUntil([&] { return grid_->GetScrollRange().cy > 0; }, 2000);
    const RECT rc = grid_->GetPos();
    // The corner of the first tile, beside its button: the press reaches the grid.
    at_ = POINT{rc.left + 4, rc.top + 4};
  }
  shell::GridWndUI& grid() { return *grid_; }
  MainWindow& main() { return main_; }
  int Pos() const { return grid_->GetScrollPos().cy; }
  void ScrollTo(int y) { grid_->SetScrollPos(SIZE{0, y}); }
  void Press(int dy) {
    ::SendMessageW(main_.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at_.x, at_.y));
    ::SendMessageW(main_.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(at_.x, at_.y + dy));
  }
  void Wheel(bool down) {
    POINT screen = at_;
    ::ClientToScreen(main_.hwnd(), &screen);
    ::SendMessageW(main_.hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, down ? -WHEEL_DELTA : WHEEL_DELTA),
                   MAKELPARAM(screen.x, screen.y));
  }
  // One tick of timer 10, as the window's timer delivers it.
  void Tick() {
    SkinUI::TEventUI event = {};
    event.type = SkinUI::UIEV_TIMER;
    event.sender = grid_;
    event.wParam = shell::kGridWndTimer;
    grid_->DoEvent(event);
  }
  // Whether timer 10 runs (asking stops it).
  bool TimerRan() { return main_.frame().GetPaintManager()->KillTimer(grid_, shell::kGridWndTimer); }

 private:
  MainWindow main_;
  shell::GridWndUI* grid_ = nullptr;
  POINT at_ = {0, 0};
};

TEST(GridWnd, ADragFlingsOnAfterRelease) {
  GridWindow window;
  const int range = window.grid().GetScrollRange().cy;
  ASSERT_GT(range, 200);
  struct Case {
    int dy, speed, ticks;
    bool moves;
  } cases[] = {
      {120, 120, 50, true},                    // 5 x the whole square root of 120
      {300, 120, 50, true},                    // a drag counts up to 120 pixels a tick
      {-30, -30, 25, true}, {1, 1, 5, false},  // its first step, (4/5)² x 1, is less than a pixel
      {0, 0, 0, false},                        // let go where it was pressed: nothing flings and the timer stops
  };
  for (const Case& c : cases) {
    window.ScrollTo(range / 2);
    const int start = window.Pos();
    window.Press(c.dy);
    EXPECT_FALSE(window.grid().IsDragging()) << c.dy;
    EXPECT_EQ(c.speed, window.grid().GetFlingSpeed()) << c.dy;
    EXPECT_EQ(c.ticks, window.grid().GetFlingTicks()) << c.dy;
    if (c.dy == 0) {
      EXPECT_FALSE(window.TimerRan());
      continue;
    }
    // The real timer runs the fling out and stops; the content moved with the drag.
    EXPECT_TRUE(PumpUntil([&] { return window.grid().GetFlingTicks() == 0; }, 5000)) << c.dy;
    EXPECT_FALSE(window.TimerRan()) << c.dy;
    if (!c.moves) {
      EXPECT_EQ(start, window.Pos()) << c.dy;
    } else if (c.dy > 0) {
      EXPECT_LT(window.Pos(), start) << c.dy;
    } else {
      EXPECT_GT(window.Pos(), start) << c.dy;
    }
  }
}

TEST(GridWnd, WheelStepsAddToTheRunningFling) {
  GridWindow window;
  window.ScrollTo(window.grid().GetScrollRange().cy / 2);
  struct Step {
    bool down;
    int speed, ticks;
  } steps[] = {
      {true, -8, 10},                   // from rest
      {true, -16, 20},                  // the running step -8, and 8 more
      {false, -4, 10},                  // against a downward fling: 12
      {false, 8, 10},  {true, -4, 10},  // against an upward fling: 12
  };
  for (const Step& s : steps) {
    window.Wheel(s.down);
    EXPECT_EQ(s.speed, window.grid().GetFlingSpeed());
    EXPECT_EQ(s.ticks, window.grid().GetFlingTicks());
  }
  for (int i = 0; i < 30; ++i) window.Wheel(true);
  EXPECT_EQ(-100, window.grid().GetFlingSpeed()) << "the wheel flings at most 100 a tick";
  EXPECT_EQ(50, window.grid().GetFlingTicks());
  EXPECT_TRUE(window.TimerRan());
}

TEST(GridWnd, AFlingOfNoSpeedStopsTheTimer) {
  GridWindow window;
  window.ScrollTo(window.grid().GetScrollRange().cy / 2);
  window.Wheel(false);
  window.Wheel(false);
  ASSERT_EQ(16, window.grid().GetFlingSpeed());
  ASSERT_EQ(20, window.grid().GetFlingTicks());
  window.Tick();
  window.Tick();
  // The running step is now 12 (0.9² × 16): a line down leaves no speed at all.
  window.Wheel(true);
  EXPECT_EQ(0, window.grid().GetFlingSpeed());
  EXPECT_EQ(0, window.grid().GetFlingTicks());
  EXPECT_FALSE(window.TimerRan());
  // A late tick moves nothing.
  const int pos = window.Pos();
  window.Tick();
  EXPECT_EQ(pos, window.Pos());
}

// A grid that does not take the mouse lets a press through to what it stands on:
// no drag starts and no timer runs.
TEST(GridWnd, WithItsMouseDisabledAPressStartsNoDrag) {
  GridWindow window;
  window.grid().SetMouseEnabled(false);
  for (const int type : {SkinUI::UIEV_BUTTON_DOWN, SkinUI::UIEV_SCROLL_WHEEL}) {
    SkinUI::TEventUI event = {};
    event.type = type;
    event.sender = &window.grid();
    event.point = POINT{window.grid().GetPos().left + 4, window.grid().GetPos().top + 4};
    event.wParam = SB_LINEDOWN;
    window.grid().DoEvent(event);
    EXPECT_FALSE(window.grid().IsDragging()) << type;
    EXPECT_EQ(0, window.grid().GetFlingSpeed()) << type;
    EXPECT_FALSE(window.TimerRan()) << type;
  }
  window.grid().SetMouseEnabled(true);
  window.Wheel(true);
  EXPECT_EQ(-8, window.grid().GetFlingSpeed()) << "taking the mouse again, it flings";
}

}  // namespace
