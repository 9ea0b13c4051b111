// Render engine and control tree figures: decoding a PNG, nine-grid, tiled and
// translucent drawing into a DIB section, and building, laying out and
// painting a tree of controls with backgrounds, borders and images.
#include <windows.h>

#include <cstdio>
#include <string>

#include "core/container_ui.h"
#include "core/dialog_builder.h"
#include "core/paint_manager.h"
#include "core/render_engine.h"
#include "core/test_support/test_canvas.h"
#include "core/test_support/test_images.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

double NowMs() {
  LARGE_INTEGER freq, now;
  ::QueryPerformanceFrequency(&freq);
  ::QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(freq.QuadPart);
}

template <class F>
double TimeMs(int rounds, F body) {
  double start = NowMs();
  for (int i = 0; i < rounds; ++i) body();
  return (NowMs() - start) / rounds;
}

RgbaImage Gradient(int size) {
  RgbaImage image = SolidImage(size, size, 0);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      image.Set(x, y, 0x80000000u | (static_cast<DWORD>(x * 255 / size) << 16) | (y * 255 / size));
  return image;
}

}  // namespace

int main() {
  std::wstring folder = ScratchFolder(L"bench");
  std::vector<BYTE> png = EncodePng(Gradient(512));
  WriteBytes(folder + L"skin.png", EncodePng(Gradient(32)));
  CPaintManagerUI::SetResourcePath(folder.c_str());

  double decode = TimeMs(20, [&] {
    CRenderEngine::FreeImage(CRenderEngine::LoadImageFromMemory(png.data(), static_cast<DWORD>(png.size())));
  });
  std::printf("decode 512x512 PNG into a premultiplied bitmap: %.2f ms\n", decode);

  CPaintManagerUI manager;
  TestCanvas canvas(800, 600);
  RECT item = {0, 0, 200, 100};
  RECT all = canvas.rect();
  const struct {
    const char* what;
    const wchar_t* image;
  } draws[] = {
      {"nine-grid 200x100 from 32x32, translucent", L"file='skin.png' corner='8,8,8,8'"},
      {"tiled centre 200x100", L"file='skin.png' corner='8,8,8,8' xtiled='true' ytiled='true'"},
      {"faded 200x100", L"file='skin.png' fade='128'"},
  };
  for (const auto& d : draws) {
    double ms = TimeMs(1000, [&] { CRenderEngine::DrawImageString(canvas.dc(), &manager, item, all, d.image); });
    std::printf("%s: %.1f us per draw\n", d.what, ms * 1000.0);
  }
  double fill = TimeMs(1000, [&] { CRenderEngine::DrawColor(canvas.dc(), item, 0x80FF0000); });
  std::printf("translucent fill 200x100: %.1f us\n", fill * 1000.0);

  std::wstring xml = L"<Window><Container bkcolor=\"#FFFFFFFF\">";
  for (int i = 0; i < 1000; ++i) {
    int x = (i % 40) * 20, y = (i / 40) * 24;
    xml += L"<Control float=\"true\" pos=\"" + std::to_wstring(x) + L"," + std::to_wstring(y) + L"," +
           std::to_wstring(x + 18) + L"," + std::to_wstring(y + 22) +
           L"\" bkcolor=\"#FF336699\" bordersize=\"1\" bordercolor=\"#FF000000\" "
           L"bkimage=\"file='skin.png' corner='4,4,4,4'\"/>";
  }
  xml += L"</Container></Window>";
  CControlUI* root = NULL;
  double build = TimeMs(1, [&] {
    CDialogBuilder builder;
    root = builder.Create(STRINGorID(xml.c_str()), NULL, NULL, &manager);
  });
  manager.AttachDialog(root);
  double layout = TimeMs(1, [&] { manager.LayoutPass(all); });
  double paint = TimeMs(10, [&] { manager.PaintTo(canvas.dc(), all, all); });
  std::printf("tree of 1000 controls: build %.1f ms, layout %.2f ms, full paint %.1f ms\n", build, layout, paint);
  CPaintManagerUI::SetResourcePath(L"");
  return 0;
}
