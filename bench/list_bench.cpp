// List benchmark: filling a list of 6 columns with 2,000 text rows, laying it
// out, painting it whole and painting the visible part (a 600x400 window's
// worth) into a 32-bit DIB, selecting down the rows, and sorting them; and the
// lists built on the list rows (a combo of 1,000 elements opened and closed; a
// bar list of 2,000 nodes in 50 folders added, expanded and removed; a popup menu
// of 30 items opened).
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "controls/bar_list.h"
#include "controls/combo.h"
#include "controls/list.h"
#include "controls/list_element.h"
#include "controls/list_header.h"
#include "controls/list_text_element.h"
#include "controls/menu_window.h"
#include "core/test_support/test_canvas.h"
#include "core/test_support/test_window.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

int CALLBACK ByFirstColumnDescending(UINT_PTR a, UINT_PTR b, UINT_PTR) {
  const wchar_t* ta = reinterpret_cast<CListTextElementUI*>(a)->GetText(0);
  const wchar_t* tb = reinterpret_cast<CListTextElementUI*>(b)->GetText(0);
  return -wcscmp(ta, tb);
}

// A combo of 1,000 elements in a shown window: its drop-down opened (the
// elements lent to the popup, laid out and painted once) and closed again
// (handed back).
void BenchCombo() {
  const int kItems = 1000;
  const int kRounds = 20;
  TestWindow window(300, 200, true);
  CComboUI combo;
  combo.SetManager(&window.pm, NULL, false);
  for (int i = 0; i < kItems; ++i) {
    CListLabelElementUI* element = new CListLabelElementUI();
    element->SetText((L"\u5546\u54c1 " + std::to_wstring(i)).c_str());
    combo.Add(element);
  }
  combo.SetPos(RECT{10, 10, 160, 34});
  combo.SelectItem(500);

  double open = 0;
  double close = 0;
  for (int i = 0; i < kRounds; ++i) {
    auto start = std::chrono::steady_clock::now();
    combo.Activate();
    HWND popup = combo.GetDropWindow();
    ::UpdateWindow(popup);
    open += MillisecondsSince(start);
    start = std::chrono::steady_clock::now();
    ::SendMessageW(popup, WM_CLOSE, 0, 0);
    close += MillisecondsSince(start);
    MSG msg;
    while (::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
  }
  std::printf("%-40s %8.2f ms per open\n", "combo of 1,000: open and first paint", open / kRounds);
  std::printf("%-40s %8.2f ms per close\n", "combo of 1,000: close", close / kRounds);
  combo.SetManager(NULL, NULL, false);
}

// A bar list of 50 folders holding 39 leaves each (2,000 nodes).
void BenchBarList() {
  const int kFolders = 50;
  const int kLeaves = 39;
  const wchar_t* kItem =
      L"<Window><ListContainerElement><HorizontalLayout>"
      L"<Label name=\"item_text\"/><Button name=\"item_del\" visible=\"false\" width=\"16\"/>"
      L"</HorizontalLayout></ListContainerElement></Window>";
  TestWindow window(600, 400);
  CBarListUI list(&window.pm);
  list.SetManager(&window.pm, NULL, false);
  list.SetSmallRows(true);
  list.EnableScrollBar(true, false);
  list.SetPos(RECT{0, 0, 600, 400});

  std::vector<BarListNode*> folders;
  auto start = std::chrono::steady_clock::now();
  for (int f = 0; f < kFolders; ++f) {
    BarListItemInfo folder;
    folder.folder = true;
    folder.text = (L"\u5206\u7c7b " + std::to_wstring(f)).c_str();
    BarListNode* node = list.AddBarListNode(folder, NULL, kItem);
    folders.push_back(node);
    for (int i = 0; i < kLeaves; ++i) {
      BarListItemInfo leaf;
      leaf.text = (L"\u5546\u54c1 " + std::to_wstring(f) + L"." + std::to_wstring(i)).c_str();
      list.AddBarListNode(leaf, node, kItem);
    }
  }
  std::printf("%-40s %8.2f ms (%d rows)\n", "bar list: add 2,000 nodes in 50 folders", MillisecondsSince(start),
              list.GetCount());

  start = std::chrono::steady_clock::now();
  for (BarListNode* folder : folders) list.ExpandBarListNode(folder, false);
  for (BarListNode* folder : folders) list.ExpandBarListNode(folder, true);
  list.SetPos(RECT{0, 0, 600, 400});
  std::printf("%-40s %8.2f ms\n", "bar list: collapse, expand, lay out", MillisecondsSince(start));

  start = std::chrono::steady_clock::now();
  BarListNode* found = list.FindBarListNode(L"\u5546\u54c1 49.38");
  std::printf("%-40s %8.3f ms (%s)\n", "bar list: find the last node", MillisecondsSince(start),
              found != NULL ? "found" : "missing");

  start = std::chrono::steady_clock::now();
  for (BarListNode* folder : folders) list.RemoveDataListNode(folder);
  std::printf("%-40s %8.2f ms (%d rows left)\n", "bar list: remove the 50 folders", MillisecondsSince(start),
              list.GetCount());
}

// A popup menu of 30 items opened (window built, placed and painted) and closed.
void BenchMenu() {
  std::wstring xml = L"<Window><Menu itemtextpadding=\"24,0,0,0\">";
  for (int i = 0; i < 30; ++i)
    xml +=
        L"<MenuElement name=\"m" + std::to_wstring(i) + L"\" text=\"\u83dc\u5355\u9879 " + std::to_wstring(i) + L"\"/>";
  xml += L"</Menu></Window>";
  TestWindow owner(100, 100);
  auto start = std::chrono::steady_clock::now();
  CMenuWnd* menu = new CMenuWnd(owner.GetHWND());
  if (!menu->Init(NULL, xml.c_str(), MENU_ALIGN_DEFAULT, POINT{100, 100})) {
    std::printf("menu: no window\n");
    return;
  }
  HWND hMenu = menu->GetHWND();
  ::UpdateWindow(hMenu);
  std::printf("%-40s %8.2f ms\n", "menu: open 30 items and paint", MillisecondsSince(start));
  start = std::chrono::steady_clock::now();
  ::SendMessageW(hMenu, WM_KEYDOWN, VK_ESCAPE, 0);
  MSG msg;
  while (::IsWindow(hMenu) && ::GetMessageW(&msg, NULL, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  std::printf("%-40s %8.2f ms\n", "menu: close", MillisecondsSince(start));
}

}  // namespace

int main() {
  const int kRows = 2000;
  const int kColumns = 6;
  TestWindow window(600, 400);
  CListUI list;
  list.SetManager(&window.pm, NULL, false);
  list.EnableScrollBar(true, true);
  list.SetAttribute(L"itemaltbk", L"true");
  list.SetAttribute(L"itembkcolor", L"#FFF8F8F8");
  for (int c = 0; c < kColumns; ++c) {
    CListHeaderItemUI* item = new CListHeaderItemUI();
    item->SetFixedWidth(110);
    item->SetText(L"\u5217");
    list.Add(item);
  }
  list.SetPos(RECT{0, 0, 600, 400});

  auto start = std::chrono::steady_clock::now();
  for (int r = 0; r < kRows; ++r) {
    CListTextElementUI* row = new CListTextElementUI();
    list.Add(row);
    for (int c = 0; c < kColumns; ++c) {
      std::wstring text = L"\u5546\u54c1 " + std::to_wstring(r * 7919 % kRows) + L"-" + std::to_wstring(c);
      row->SetText(c, text.c_str());
    }
  }
  std::printf("%-40s %8.2f ms\n", "fill 2,000 rows x 6 columns", MillisecondsSince(start));

  start = std::chrono::steady_clock::now();
  list.SetPos(RECT{0, 0, 600, 400});
  std::printf("%-40s %8.2f ms\n", "layout", MillisecondsSince(start));

  TestCanvas canvas(600, 400, 0xFFFFFFFF);
  const int kPaints = 20;
  start = std::chrono::steady_clock::now();
  for (int i = 0; i < kPaints; ++i) list.DoPaint(canvas.dc(), canvas.rect());
  std::printf("%-40s %8.2f ms per paint\n", "paint the visible rows (600x400)", MillisecondsSince(start) / kPaints);

  start = std::chrono::steady_clock::now();
  for (int i = 0; i < 500; ++i) list.SelectItem(i, false);
  std::printf("%-40s %8.3f ms per step\n", "select down 500 rows (scrolling)", MillisecondsSince(start) / 500);

  start = std::chrono::steady_clock::now();
  list.SortItems(&ByFirstColumnDescending, 0);
  std::printf("%-40s %8.2f ms\n", "sort 2,000 rows", MillisecondsSince(start));

  start = std::chrono::steady_clock::now();
  list.RemoveAll();
  std::printf("%-40s %8.2f ms\n", "remove all rows", MillisecondsSince(start));

  BenchCombo();
  BenchBarList();
  BenchMenu();
  return 0;
}
