// The profit report as a chart instead of a table. The chart is drawn by the
// program itself with GDI into a bitmap (bars with their values above them, or
// a pie with a legend of labels and shares) that the page's chart control shows
// as its image; no browser or chart scripts are involved.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "page_host.h"

namespace output {

struct ChartItem {
  std::wstring label;
  double value = 0;
};

enum class ChartKind { kBar, kPie };

// The rows of the profit list to chart: at most 20, the totals row (its label
// "合计") left out. False when a row lacks its label or value cell: then there
// is nothing to draw.
bool ReadProfitItems(pagekit::PageFields& fields, std::vector<ChartItem>* items);

// Draws the chart into `box` of the DC (white background).
void DrawBarChart(HDC dc, const RECT& box, const std::vector<ChartItem>& items);
void DrawPieChart(HDC dc, const RECT& box, const std::vector<ChartItem>& items);

// A bitmap of that size with the chart drawn; null when it could not be made.
HBITMAP RenderChart(ChartKind kind, const std::vector<ChartItem>& items, int width, int height);

// The page's buttons: the chart in place of the table (bar chart selected), the
// table back, and the two chart kinds.
void ShowProfitChartOrTable(pagekit::PageHost& host);
void ShowProfitTable(pagekit::PageHost& host);
bool ShowBarChart(pagekit::PageHost& host);
bool ShowPieChart(pagekit::PageHost& host);

// The image name the chart control shows after a chart was drawn.
std::wstring ChartImageName(ChartKind kind);

}  // namespace output
