// Label benchmark: the cost of a label's GDI+ session (creating and deleting
// labels) and of painting one label's text plain, with tags, and through GDI+
// with stroke and shadow, into a 32-bit DIB.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "controls/label.h"
#include "core/test_support/test_canvas.h"
#include "core/test_support/test_window.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void PaintRound(const char* what, CLabelUI& label, TestCanvas& canvas, int repeats) {
  label.DoPaint(canvas.dc(), canvas.rect());  // first paint fills the colours
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < repeats; ++i) label.DoPaint(canvas.dc(), canvas.rect());
  std::printf("%-34s %8.3f ms per paint\n", what, MillisecondsSince(start) / repeats);
}

}  // namespace

int main() {
  const int kLabels = 1000;
  const int kRepeats = 500;
  {
    auto start = std::chrono::steady_clock::now();
    std::unique_ptr<CLabelUI> first(new CLabelUI());  // GDI+ loaded once and kept meanwhile
    std::vector<std::unique_ptr<CLabelUI>> labels;
    for (int i = 0; i < kLabels; ++i) labels.emplace_back(new CLabelUI());
    labels.clear();
    std::printf("%-34s %8.3f ms\n", "create and delete 1,000 labels", MillisecondsSince(start));
  }

  TestWindow window(100, 100);
  TestCanvas canvas(200, 30, 0xFFFFFFFF);
  CLabelUI label;
  label.SetManager(&window.pm, NULL, false);
  label.SetPos(RECT{0, 0, 200, 30});
  label.SetText(L"\u5546\u54c1\u540d\u79f0 Product name 123");
  PaintRound("plain text", label, canvas, kRepeats);
  label.SetShowHtml(true);
  label.SetText(L"<b>\u5546\u54c1</b> <c #FF0000>name</c> <a x>link</a>");
  PaintRound("tagged text", label, canvas, kRepeats);
  label.SetShowHtml(false);
  label.SetEnabledEffect(true);
  label.SetText(L"\u5546\u54c1\u540d\u79f0 Product name 123");
  PaintRound("GDI+ gradient text", label, canvas, kRepeats);
  label.SetEnabledStroke(true);
  label.SetStrokeColor(0xFF000000);
  label.SetEnabledShadow(true);
  PaintRound("GDI+ text with stroke and shadow", label, canvas, kRepeats);
  label.SetManager(NULL, NULL, false);
  return 0;
}
