// The default printer's device context and playing a layout on it.
#include "print_job.h"

#include <vector>

#include "gdi_objects.h"

namespace output {
namespace {

HFONT MakeFont(HDC dc, int points, int weight) {
  return ::CreateFontW(-::MulDiv(points, ::GetDeviceCaps(dc, LOGPIXELSY), 92), 0, 0, 0, weight, FALSE, FALSE, FALSE,
                       134, 3, 2, 1, 48, L"楷体");
}

RECT Scaled(const RECT& box, int unitX, int unitY) {
  return RECT{box.left * unitX, box.top * unitY, box.right * unitX, box.bottom * unitY};
}

UINT AlignFlag(PrintStep::Align align) {
  switch (align) {
    case PrintStep::Align::kCentre:
      return DT_CENTER;
    case PrintStep::Align::kRight:
      return DT_RIGHT;
    default:
      return DT_LEFT;
  }
}

}  // namespace

int PrintUnit(int pixelsPerInch) {
  const int unit = pixelsPerInch * 10 / 800;
  return unit < 1 ? 1 : unit;
}

bool DefaultPrinter(std::wstring* device, std::wstring* driver, std::wstring* port) {
  // A growing buffer: a long printer name is not cut.
  std::vector<wchar_t> buffer(256);
  for (;;) {
    const DWORD got =
        ::GetProfileStringW(L"windows", L"device", L",,,", buffer.data(), static_cast<DWORD>(buffer.size()));
    if (got + 2 < buffer.size()) break;
    buffer.resize(buffer.size() * 2);
  }
  const std::wstring entry = buffer.data();
  const size_t first = entry.find(L',');
  const size_t second = first == std::wstring::npos ? std::wstring::npos : entry.find(L',', first + 1);
  if (second == std::wstring::npos) return false;
  *device = entry.substr(0, first);
  *driver = entry.substr(first + 1, second - first - 1);
  *port = entry.substr(second + 1);
  return !device->empty() && !driver->empty();
}

void PlaySteps(HDC dc, const PrintDocument& document, int unitX, int unitY) {
  GdiObjectScope body(MakeFont(dc, 12, 100));
  GdiObjectScope title(MakeFont(dc, 18, 700));
  GdiObjectScope pen(::CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
  SelectScope penSelected(dc, pen.get());
  SelectScope fontSelected(dc, body.get());
  ::SetBkMode(dc, TRANSPARENT);
  for (const PrintStep& step : document.steps) {
    if (step.kind == PrintStep::Kind::kNewPage) {
      ::EndPage(dc);
      ::StartPage(dc);
      ::SelectObject(dc, pen.get());
      ::SelectObject(dc, body.get());
      ::SetBkMode(dc, TRANSPARENT);
      continue;
    }
    RECT box = Scaled(step.box, unitX, unitY);
    if (step.titleFont) ::SelectObject(dc, title.get());
    ::DrawTextW(dc, step.text.c_str(), static_cast<int>(step.text.size()), &box,
                AlignFlag(step.align) | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (step.titleFont) ::SelectObject(dc, body.get());
    if (step.kind == PrintStep::Kind::kCell) {
      ::MoveToEx(dc, box.left, box.bottom, nullptr);
      ::LineTo(dc, box.left, box.top);
      ::LineTo(dc, box.right, box.top);
      ::LineTo(dc, box.right, box.bottom);
      ::LineTo(dc, box.left, box.bottom);
    }
  }
}

bool PrintOnDc(HDC dc, const std::function<PrintDocument(const PaperSize&)>& layout) {
  const int unitX = PrintUnit(::GetDeviceCaps(dc, LOGPIXELSX));
  const int unitY = PrintUnit(::GetDeviceCaps(dc, LOGPIXELSY));
  const PaperSize paper{::GetDeviceCaps(dc, HORZRES) / unitX, ::GetDeviceCaps(dc, VERTRES) / unitY};
  const PrintDocument document = layout(paper);
  if (document.Empty()) return false;
  DOCINFOW info{};
  info.cbSize = sizeof info;
  info.lpszDocName = document.name.c_str();
  // The job's result, not the thread's last error, says whether it started.
  if (::StartDocW(dc, &info) <= 0) return false;
  ::StartPage(dc);
  PlaySteps(dc, document, unitX, unitY);
  ::EndPage(dc);
  ::EndDoc(dc);
  return true;
}

bool PrintOnDefaultPrinter(const std::function<PrintDocument(const PaperSize&)>& layout) {
  // A list without what it needs prints nothing on any paper: no printer is opened.
  if (layout(PaperSize{1000, 1000}).Empty()) return false;
  std::wstring device, driver, port;
  if (!DefaultPrinter(&device, &driver, &port)) return false;
  DcScope dc(::CreateDCW(driver.c_str(), device.c_str(), port.c_str(), nullptr));
  if (dc.get() == nullptr) return false;
  return PrintOnDc(dc.get(), layout);
}

}  // namespace output
