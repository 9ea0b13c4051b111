// Drop shadow: the owner's row spans read from a rounded window region, and the
// shadow pixels computed from them, for a main-window-sized owner with the
// program's look (size 4, offset 0, sharpness 10) and with the default look.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "controls/shadow_shape.h"

using namespace SkinUI;

namespace {

template <class F>
double MillisecondsPerRun(int runs, F f) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < runs; ++i) f();
  const auto end = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::milli>(end - start).count() / runs;
}

}  // namespace

int main() {
  const int width = 1000, height = 680, runs = 10;
  HRGN region = ::CreateRoundRectRgn(0, 0, width + 1, height + 1, 8, 8);
  std::vector<ShadowSpan> spans;
  const double spansMs = MillisecondsPerRun(runs, [&] { spans = RegionSpans(region, width, height); });
  ::DeleteObject(region);
  std::printf("region spans of a %dx%d rounded window: %.2f ms\n", width, height, spansMs);

  const struct {
    const char* name;
    ShadowLook look;
  } looks[] = {
      {"main window (size 4, offset 0, sharpness 10)", {4, 10, 150, 0, 0, RGB(0, 0, 0)}},
      {"default (size 0, offset 5, sharpness 5)", {0, 5, 150, 5, 5, RGB(0, 0, 0)}},
  };
  for (const auto& l : looks) {
    size_t pixels = 0;
    const double ms = MillisecondsPerRun(runs, [&] { pixels = MakeShadowPixels(spans, width, height, l.look).size(); });
    std::printf("shadow pixels, %s: %.2f ms for %u pixels\n", l.name, ms, static_cast<unsigned>(pixels));
  }
  return 0;
}
