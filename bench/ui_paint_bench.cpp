// Paint benchmark: a window with a list-like layout of 2,000 rows of labels. Prints the
// time to build the tree from XML, a full layout pass, one full paint of the window and
// the repaint after one label changes.
//
// Rows and labels are the framework's own "VerticalLayout", "HorizontalLayout" and
// "Label" controls.
#include <windows.h>

#include <cstdio>
#include <string>

#include "core/control_ui.h"
#include "core/dialog_builder.h"
#include "core/paint_manager.h"
#include "core/test_support/test_window.h"

using namespace SkinUI;

namespace {

const int kRows = 2000;
const int kRepeats = 20;

std::wstring ListLayout() {
  std::wstring xml = L"<Window size=\"800,600\"><VerticalLayout bkcolor=\"#FFFFFFFF\">";
  for (int row = 0; row < kRows; row++) {
    const std::wstring n = std::to_wstring(row);
    xml += L"<HorizontalLayout height=\"24\" bkcolor=\"";
    xml += (row % 2) ? L"#FFF0F0F0" : L"#FFFFFFFF";
    xml += L"\" bottombordersize=\"1\" bordercolor=\"#FFDDDDDD\">";
    xml += L"<Label name=\"code" + n + L"\" width=\"120\" text=\"SP" + n + L"\" />";
    xml += L"<Label width=\"360\" text=\"商品名称 " + n + L"\" />";
    xml += L"<Label width=\"120\" text=\"" + std::to_wstring(row * 3 % 997) + L".00\" />";
    xml += L"<Label width=\"120\" text=\"件\" />";
    xml += L"</HorizontalLayout>";
  }
  xml += L"</VerticalLayout></Window>";
  return xml;
}

class Stopwatch {
 public:
  Stopwatch() {
    ::QueryPerformanceFrequency(&m_frequency);
    ::QueryPerformanceCounter(&m_start);
  }
  double Milliseconds() const {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - m_start.QuadPart) / static_cast<double>(m_frequency.QuadPart);
  }

 private:
  LARGE_INTEGER m_frequency;
  LARGE_INTEGER m_start;
};

}  // namespace

int main() {
  CPaintManagerUI::SetInstance(::GetModuleHandleW(NULL));
  SkinUI::test::TestWindow window;
  if (window.CreateAt(0, 0, 800, 600) == NULL) {
    std::printf("cannot create the window\n");
    return 1;
  }
  const std::wstring xml = ListLayout();

  std::printf("list-like layout: %d rows of 4 labels, window 800 x 600\n", kRows);

  double buildMs = 0;
  CControlUI* root = NULL;
  for (int i = 0; i < kRepeats; i++) {
    CDialogBuilder builder;
    Stopwatch watch;
    CControlUI* built = builder.Create(STRINGorID(xml.c_str()), NULL, NULL, &window.pm);
    buildMs += watch.Milliseconds();
    if (built == NULL) {
      std::printf("the layout did not build\n");
      return 1;
    }
    if (i + 1 < kRepeats) {
      delete built;
    } else {
      root = built;
    }
  }
  std::printf("build from XML:            %8.2f ms\n", buildMs / kRepeats);

  window.pm.AttachDialog(root);
  RECT rcClient = {};
  ::GetClientRect(window, &rcClient);
  double layoutMs = 0;
  for (int i = 0; i < kRepeats; i++) {
    root->NeedUpdate();
    Stopwatch watch;
    window.pm.LayoutPass(rcClient);
    layoutMs += watch.Milliseconds();
  }
  std::printf("full layout pass:          %8.2f ms\n", layoutMs / kRepeats);

  SkinUI::test::PumpMessages();
  double paintMs = 0;
  for (int i = 0; i < kRepeats; i++) {
    ::InvalidateRect(window, NULL, FALSE);
    Stopwatch watch;
    ::UpdateWindow(window);
    paintMs += watch.Milliseconds();
  }
  std::printf("full paint (WM_PAINT):     %8.2f ms\n", paintMs / kRepeats);

  CControlUI* cell = window.pm.FindControl(L"code10");
  double repaintMs = 0;
  for (int i = 0; i < kRepeats; i++) {
    Stopwatch watch;
    cell->SetText(i % 2 ? L"SP10" : L"SP10*");
    ::UpdateWindow(window);
    repaintMs += watch.Milliseconds();
  }
  std::printf("repaint after one change:  %8.2f ms\n", repaintMs / kRepeats);

  return 0;
}
