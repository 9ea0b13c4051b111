// Figures for the UI framework's foundation: string assignment inline and on the
// heap, string-map lookups with move-to-front, parsing a large layout, and
// finding and inflating skin archive entries.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "../ui/core/test_support/zip_builder.h"
#include "core/markup.h"
#include "core/skin_archive.h"
#include "core/ui_string.h"
#include "core/ui_string_map.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

template <class F>
void Measure(const char* what, int repeat, F&& body) {
  double start = Now();
  for (int i = 0; i < repeat; ++i) body(i);
  double seconds = Now() - start;
  printf("%-44s %10.1f ns/op  (%d ops)\n", what, seconds * 1e9 / repeat, repeat);
}

std::wstring LargeLayout(int rows) {
  std::wstring xml = L"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Window size=\"800,600\">\n<VerticalLayout>\n";
  for (int i = 0; i < rows; ++i)
    xml += L"  <HorizontalLayout height=\"24\"><Label name=\"item_" + std::to_wstring(i) +
           L"\" text=\"\u5546\u54c1 &amp; " + std::to_wstring(i) +
           L"\" textcolor=\"#FF333333\"/><Button name=\"btn\" normalimage=\"file='a.png'\"/></HorizontalLayout>\n";
  return xml + L"</VerticalLayout>\n</Window>\n";
}

}  // namespace

int main() {
  const wchar_t* shortText = L"listxsd_item_name";
  std::wstring longText(200, L'x');
  Measure("CUIString assign, 17 characters (inline)", 1000000, [&](int) { CUIString s(shortText); });
  Measure("CUIString assign, 200 characters (heap)", 1000000, [&](int) { CUIString s(longText.c_str()); });
  Measure("CUIString append 1 char x 100", 20000, [&](int) {
    CUIString s;
    for (int k = 0; k < 100; ++k) s += L'a';
  });

  CStdStringPtrMap map;
  std::vector<std::wstring> names;
  for (int i = 0; i < 2000; ++i) names.push_back(L"control_" + std::to_wstring(i));
  for (size_t i = 0; i < names.size(); ++i) map.Insert(names[i].c_str(), &names[i]);
  Measure("CStdStringPtrMap find, 2000 names, 83 buckets", 1000000,
          [&](int i) { map.Find(names[(i * 7) % names.size()].c_str()); });
  Measure("CStdStringPtrMap find, one hot name", 1000000, [&](int) { map.Find(L"control_1234"); });

  std::wstring layout = LargeLayout(3000);
  printf("layout: %u characters, %d elements\n", static_cast<unsigned>(layout.size()), 3000 * 3 + 2);
  Measure("CMarkup::Load of that layout", 50, [&](int) {
    CMarkup m;
    m.Load(layout.c_str());
  });

  std::vector<ZipBuildEntry> entries;
  for (int i = 0; i < 300; ++i) {
    ZipBuildEntry e;
    e.name = "image/pic_" + std::to_string(i) + ".png";
    e.data = std::string(20000, static_cast<char>('a' + i % 26));
    e.deflate = true;
    entries.push_back(e);
  }
  std::vector<unsigned char> zip = ZipBuilder::Build(entries);
  ScopedZip hz(OpenZipMemory(zip.data(), static_cast<unsigned>(zip.size())));
  std::vector<char> buffer(20000);
  Measure("FindZipItem, 300 entries, name near the end", 2000, [&](int) {
    int index;
    ZipEntry entry;
    FindZipItem(hz.get(), L"IMAGE\\PIC_290.PNG", &index, &entry);
  });
  Measure("FindZipItem + UnzipItem of 20000 bytes", 2000, [&](int i) {
    int index;
    ZipEntry entry;
    std::wstring name = L"image/pic_" + std::to_wstring(i % 300) + L".png";
    FindZipItem(hz.get(), name.c_str(), &index, &entry);
    UnzipItem(hz.get(), index, buffer.data(), static_cast<unsigned>(buffer.size()));
  });
  return 0;
}
