// List benchmark: filling a list of 6 columns with 2,000 text rows, laying it
// out, painting it whole and painting the visible part (a 600x400 window's
// worth) into a 32-bit DIB, selecting down the rows, and sorting them; and the
// lists built on the list rows (a combo of 1,000 elements opened and closed).
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "combo.h"
#include "list.h"
#include "list_element.h"
#include "list_header.h"
#include "list_text_element.h"
#include "test_canvas.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

int CALLBACK ByFirstColumnDescending(UINT_PTR a, UINT_PTR b, UINT_PTR)
{
    const wchar_t* ta = reinterpret_cast<CListTextElementUI*>(a)->GetText(0);
    const wchar_t* tb = reinterpret_cast<CListTextElementUI*>(b)->GetText(0);
    return -wcscmp(ta, tb);
}

// A combo of 1,000 elements in a shown window: its drop-down opened (the
// elements lent to the popup, laid out and painted once) and closed again
// (handed back).
void BenchCombo()
{
    const int kItems = 1000;
    const int kRounds = 20;
    TestWindow window(300, 200, true);
    CComboUI combo;
    combo.SetManager(&window.manager, NULL, false);
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

} // namespace

int main()
{
    const int kRows = 2000;
    const int kColumns = 6;
    TestWindow window(600, 400);
    CListUI list;
    list.SetManager(&window.manager, NULL, false);
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
    return 0;
}
