// The profit chart: the list's rows read, drawn with GDI, shown as the chart
// control's image.
#include "profit_chart.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "gdi_objects.h"
#include "paint_manager_fields.h"

namespace output {
namespace {

const wchar_t kList[] = L"listlrtjbg";
const wchar_t kChart[] = L"lrtjbg_graphyview";
const size_t kMostItems = 20;

const COLORREF kPalette[] = {RGB(0x33, 0x98, 0xDB), RGB(0xE6, 0x7E, 0x22), RGB(0x2E, 0xCC, 0x71), RGB(0xE7, 0x4C, 0x3C),
                             RGB(0x9B, 0x59, 0xB6), RGB(0xF1, 0xC4, 0x0F), RGB(0x1A, 0xBC, 0x9C), RGB(0x34, 0x49, 0x5E),
                             RGB(0xD3, 0x54, 0x00), RGB(0x7F, 0x8C, 0x8D)};

COLORREF ColourOf(size_t i) { return kPalette[i % (sizeof kPalette / sizeof kPalette[0])]; }

std::wstring Amount(double value) {
  wchar_t text[64];
  swprintf(text, 64, L"%.2f", value);
  return text;
}

HFONT ChartFont(int height) {
  return ::CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"宋体");
}

void FillBox(HDC dc, const RECT& box, COLORREF colour) {
  GdiObjectScope brush(::CreateSolidBrush(colour));
  ::FillRect(dc, &box, static_cast<HBRUSH>(brush.get()));
}

void Write(HDC dc, RECT box, const std::wstring& text, UINT align) {
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
              align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// A white chart area with the chart's font selected for its texts.
class Canvas {
 public:
  Canvas(HDC dc, const RECT& box) : font_(ChartFont(12)), selected_(dc, font_.get()) {
    FillBox(dc, box, RGB(255, 255, 255));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(0x33, 0x33, 0x33));
  }

 private:
  GdiObjectScope font_;
  SelectScope selected_;
};

// The chart control's image, on a window: the bitmap kept by the window's
// resources under the image name (the previous chart's freed).
bool ShowImage(pagekit::PageFields& fields, ChartKind kind, HBITMAP bitmap, int width, int height) {
  const std::wstring name = ChartImageName(kind);
  SkinUI::CControlUI* control = pagekit::WindowControl(fields, kChart);
  if (control != nullptr && control->GetManager() != nullptr) {
    SkinUI::CPaintManagerUI* manager = control->GetManager();
    manager->RemoveImage(name.c_str());
    manager->AddImage(name.c_str(), bitmap, width, height, false);
    control->SetAttribute(L"bkimage", L"");
    control->SetAttribute(L"bkimage", name.c_str());
    control->Invalidate();
    return true;
  }
  ::DeleteObject(bitmap);
  return fields.SetAttribute(kChart, L"bkimage", name);
}

bool ShowChart(pagekit::PageHost& host, ChartKind kind) {
  pagekit::PageFields& fields = host.Fields();
  if (!fields.Exists(kChart) || !fields.Exists(kList) || fields.RowCount(kList) == 0) return false;
  std::vector<ChartItem> items;
  if (!ReadProfitItems(fields, &items)) return false;
  const RECT place = fields.Position(kChart);
  int width = place.right - place.left;
  int height = place.bottom - place.top;
  if (width <= 0 || height <= 0) {
    width = 600;
    height = 350;
  }
  HBITMAP bitmap = RenderChart(kind, items, width, height);
  if (bitmap == nullptr) return false;
  return ShowImage(fields, kind, bitmap, width, height);
}

}  // namespace

std::wstring ChartImageName(ChartKind kind) {
  return kind == ChartKind::kBar ? L"chart:lrtjbg_graphyview:bar" : L"chart:lrtjbg_graphyview:pie";
}

bool ReadProfitItems(pagekit::PageFields& fields, std::vector<ChartItem>* items) {
  items->clear();
  const int rows = fields.RowCount(kList);
  for (int row = 0; row < rows && items->size() < kMostItems; ++row) {
    const bool customer = fields.Exists(pagekit::Cell(kList, row, L"item_客户名称"));
    const pagekit::FieldRef label = pagekit::Cell(kList, row, customer ? L"item_客户名称" : L"item_商品名称");
    const pagekit::FieldRef value = pagekit::Cell(kList, row, L"item_利润金额");
    if (!fields.Exists(label) || !fields.Exists(value)) {
      items->clear();
      return false;
    }
    ChartItem item;
    item.label = fields.Text(label);
    // The totals row, wherever it stands (the library leaves it out when both
    // sums are 0).
    if (item.label == L"合计") continue;
    item.value = std::wcstod(fields.Text(value).c_str(), nullptr);
    if (!std::isfinite(item.value)) item.value = 0;
    items->push_back(item);
  }
  return true;
}

void DrawBarChart(HDC dc, const RECT& box, const std::vector<ChartItem>& items) {
  const Canvas canvas(dc, box);
  const RECT plot{box.left + 70, box.top + 30, box.right - 20, box.bottom - 40};
  if (plot.right <= plot.left || plot.bottom <= plot.top) return;
  double high = 0, low = 0;
  for (const ChartItem& item : items) {
    high = std::max(high, item.value);
    low = std::min(low, item.value);
  }
  if (high == low) high = 1;
  high *= 1.1;
  low *= 1.1;
  const int plotHeight = plot.bottom - plot.top;
  auto yOf = [&](double value) { return plot.bottom - static_cast<int>((value - low) / (high - low) * plotHeight); };
  // Value axis with five steps and its grid.
  GdiObjectScope grid(::CreatePen(PS_SOLID, 1, RGB(0xDD, 0xDD, 0xDD)));
  GdiObjectScope axis(::CreatePen(PS_SOLID, 1, RGB(0x66, 0x66, 0x66)));
  for (int step = 0; step <= 5; ++step) {
    const double value = low + (high - low) * step / 5;
    const int y = yOf(value);
    SelectScope penSelected(dc, grid.get());
    ::MoveToEx(dc, plot.left, y, nullptr);
    ::LineTo(dc, plot.right, y);
    Write(dc, RECT{box.left, y - 8, plot.left - 6, y + 8}, Amount(value), DT_RIGHT);
  }
  {
    SelectScope penSelected(dc, axis.get());
    const int zero = yOf(0);
    ::MoveToEx(dc, plot.left, plot.top, nullptr);
    ::LineTo(dc, plot.left, plot.bottom);
    ::MoveToEx(dc, plot.left, zero, nullptr);
    ::LineTo(dc, plot.right, zero);
  }
  if (items.empty()) return;
  const int slot = (plot.right - plot.left) / static_cast<int>(items.size());
  const int barWidth = std::max(1, slot / 2);  // a gap of half a slot between bars
  for (size_t i = 0; i < items.size(); ++i) {
    const int left = plot.left + static_cast<int>(i) * slot + (slot - barWidth) / 2;
    const int top = std::min(yOf(items[i].value), yOf(0));
    const int bottom = std::max(yOf(items[i].value), yOf(0));
    FillBox(dc, RECT{left, top, left + barWidth, std::max(bottom, top + 1)}, ColourOf(0));
    const int labelTop = items[i].value >= 0 ? top - 18 : bottom + 2;
    Write(dc, RECT{left - slot / 4, labelTop, left + barWidth + slot / 4, labelTop + 16}, Amount(items[i].value),
          DT_CENTER);
    const int slotLeft = plot.left + static_cast<int>(i) * slot;
    Write(dc, RECT{slotLeft, plot.bottom + 4, slotLeft + slot, plot.bottom + 22}, items[i].label, DT_CENTER);
  }
}

void DrawPieChart(HDC dc, const RECT& box, const std::vector<ChartItem>& items) {
  const Canvas canvas(dc, box);
  // Shares of the positive values: a loss has no slice.
  double total = 0;
  for (const ChartItem& item : items) total += std::max(0.0, item.value);
  const int legendWidth = std::min(220, static_cast<int>((box.right - box.left) / 3));
  const int size = std::min(box.right - box.left - legendWidth, box.bottom - box.top) - 40;
  if (size <= 0) return;
  const int cx = box.left + 20 + size / 2;
  const int cy = box.top + (box.bottom - box.top) / 2;
  const RECT circle{cx - size / 2, cy - size / 2, cx + size / 2, cy + size / 2};
  GdiObjectScope outline(::CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
  SelectScope penSelected(dc, outline.get());
  if (total <= 0) {
    GdiObjectScope grey(::CreateSolidBrush(RGB(0xDD, 0xDD, 0xDD)));
    SelectScope brushSelected(dc, grey.get());
    ::Ellipse(dc, circle.left, circle.top, circle.right, circle.bottom);
  }
  const double pi = 3.14159265358979323846;
  double angle = pi / 2;  // from twelve o'clock, counter-clockwise as GDI's Pie goes
  int legendY = box.top + 20;
  const int legendX = box.right - legendWidth;
  for (size_t i = 0; i < items.size(); ++i) {
    const double share = total > 0 ? std::max(0.0, items[i].value) / total : 0;
    if (share > 0) {
      const double end = angle + share * 2 * pi;
      GdiObjectScope brush(::CreateSolidBrush(ColourOf(i)));
      SelectScope brushSelected(dc, brush.get());
      const int r = size / 2 + 10;
      if (share >= 0.9999) {
        ::Ellipse(dc, circle.left, circle.top, circle.right, circle.bottom);
      } else {
        ::Pie(dc, circle.left, circle.top, circle.right, circle.bottom, cx + static_cast<int>(r * std::cos(angle)),
              cy - static_cast<int>(r * std::sin(angle)), cx + static_cast<int>(r * std::cos(end)),
              cy - static_cast<int>(r * std::sin(end)));
      }
      angle = end;
    }
    if (legendY + 16 <= box.bottom) {
      FillBox(dc, RECT{legendX, legendY + 2, legendX + 12, legendY + 14}, ColourOf(i));
      wchar_t percent[32];
      swprintf(percent, 32, L" %.1f%%", share * 100);
      Write(dc, RECT{legendX + 16, legendY, box.right - 4, legendY + 16}, items[i].label + percent, DT_LEFT);
      legendY += 20;
    }
  }
}

HBITMAP RenderChart(ChartKind kind, const std::vector<ChartItem>& items, int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  HDC screen = ::GetDC(nullptr);
  DcScope memory(::CreateCompatibleDC(screen));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ::ReleaseDC(nullptr, screen);
  if (bitmap == nullptr || memory.get() == nullptr) {
    if (bitmap != nullptr) ::DeleteObject(bitmap);
    return nullptr;
  }
  {
    SelectScope selected(memory.get(), bitmap);
    const RECT box{0, 0, width, height};
    if (kind == ChartKind::kBar)
      DrawBarChart(memory.get(), box, items);
    else
      DrawPieChart(memory.get(), box, items);
    ::GdiFlush();
  }
  // GDI leaves the alpha bytes 0: every pixel is made opaque, so the picture
  // reads the same whether it is copied or blended.
  auto* pixel = static_cast<DWORD*>(bits);
  for (int i = 0; i < width * height; ++i) pixel[i] |= 0xFF000000u;
  return bitmap;
}

void ShowProfitChartOrTable(pagekit::PageHost& host) {
  pagekit::PageFields& fields = host.Fields();
  fields.SetVisible(kList, false);
  fields.SetVisible(L"lay_lrtjbg_view", true);
  fields.SetSelected(L"lrtjbg_chk_bar", true);
  ShowBarChart(host);
}

void ShowProfitTable(pagekit::PageHost& host) {
  host.Fields().SetVisible(kList, true);
  host.Fields().SetVisible(L"lay_lrtjbg_view", false);
}

bool ShowBarChart(pagekit::PageHost& host) { return ShowChart(host, ChartKind::kBar); }
bool ShowPieChart(pagekit::PageHost& host) { return ShowChart(host, ChartKind::kPie); }

}  // namespace output
