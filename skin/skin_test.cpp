// The packed skin as the program carries it: every layout is in the archive and
// builds into a control tree, every image that a layout or the program names is
// there, and entries with Chinese names are found by their names.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <cwchar>
#include <set>
#include <string>
#include <vector>

#include <memory>

#include "controls/label.h"
#include "core/dialog_builder.h"
#include "core/markup.h"
#include "core/paint_manager.h"
#include "core/skin_archive.h"

namespace {

using namespace SkinUI;

// The layouts the program builds, and the images its code names.
const wchar_t* const kLayouts[] = {L"MainFrame.xml",      L"login.xml",          L"MsgDlg.xml",
                                   L"DlgTootip.xml",      L"gridbar.xml",        L"sidebar_item.xml",
                                   L"listbar_item.xml",   L"listbar_easy_item.xml", L"barlist_item.xml",
                                   L"MyDll.xml",          L"baobiao0.xml",       L"baobiao1.xml",
                                   L"baobiao2.xml",       L"baobiao3.xml",       L"adv0.xml",
                                   L"adv1.xml",
                                   L"DlgFeedBack.xml",    L"DlgImport.xml",      L"PwdDlg.xml",
                                   L"GetPwdDlg.xml",      L"CheckPwdDlg.xml",    L"ProductTypeDlg.xml", L"DlgMoney.xml",
                                   L"DlgDropList.xml",    L"ProductUnitDlgList.xml", L"ProductDlgList.xml",
                                   L"ProductTypeDlgList.xml", L"list_data_item.xml", L"mid_xsd.xml",
                                   L"mid_xsydd.xml"};
const wchar_t* const kMenus[] = {L"menu_login.xml", L"menu_help.xml", L"menu_app_tray.xml", L"menu_sidebar.xml",
                                 L"menu_product_type.xml"};
const wchar_t* const kCodeImages[] = {L"icon_err.png",     L"icon_warning.png", L"icon_info.png",
                                      L"rich_edit.png",    L"loading.gif",      L"bg_tip.png",
                                      L"Tab_normal.png",   L"Tab_on.png",       L"tab_press.png",
                                      L"tab_closeIcon_on.png", L"tab_closeIcon_push.png", L"menu_hot_bk.png"};
// Layouts that only lend their defaults to the windows that include them.
const wchar_t* const kIncluded[] = {L"scroll_bars.xml"};
const wchar_t* const kTileNames[] = {L"商品", L"客户", L"供应商", L"短信", L"销售单", L"进货单", L"资金", L"报表"};

class SkinArchive : public ::testing::Test {
 protected:
  void SetUp() override {
    HMODULE self = ::GetModuleHandleW(nullptr);
    HRSRC found = ::FindResourceW(self, MAKEINTRESOURCEW(105), L"ZIPRES");
    ASSERT_NE(nullptr, found);
    size_ = ::SizeofResource(self, found);
    data_ = ::LockResource(::LoadResource(self, found));
    zip_ = OpenZipMemory(data_, size_);
    ASSERT_NE(nullptr, zip_);
  }
  void TearDown() override {
    if (zip_ != nullptr) CloseZip(zip_);
  }

  bool Has(const std::wstring& name) {
    int index = -1;
    ZipEntry entry = {};
    return FindZipItem(zip_, name.c_str(), &index, &entry) == ZR_OK && index >= 0;
  }

  std::vector<BYTE> Read(const std::wstring& name) {
    int index = -1;
    ZipEntry entry = {};
    if (FindZipItem(zip_, name.c_str(), &index, &entry) != ZR_OK) return {};
    std::vector<BYTE> bytes(static_cast<size_t>(entry.unc_size));
    UnzipItem(zip_, index, bytes.data(), static_cast<unsigned>(bytes.size()));
    return bytes;
  }

  const void* data_ = nullptr;
  DWORD size_ = 0;
  HZIP zip_ = nullptr;
};

// The file named by an image description: "name.png" or "file='name.png' ...".
std::wstring ImageFile(const std::wstring& value) {
  const size_t file = value.find(L"file='");
  if (file == std::wstring::npos) return value;
  const size_t end = value.find(L'\'', file + 6);
  return value.substr(file + 6, end - file - 6);
}

bool IsImageAttribute(const std::wstring& name) {
  static const std::set<std::wstring> kNames = {L"bkimage",      L"normalimage",   L"hotimage",
                                                L"pushedimage",  L"selectedimage", L"focusedimage",
                                                L"disabledimage", L"foreimage",    L"NormalGifFile"};
  return kNames.count(name) != 0;
}

void CollectImages(CMarkupNode node, std::set<std::wstring>* images) {
  for (; node.IsValid(); node = node.GetSibling()) {
    for (int i = 0; i < node.GetAttributeCount(); ++i) {
      const std::wstring name = node.GetAttributeName(i);
      const std::wstring value = node.GetAttributeValue(i);
      if (IsImageAttribute(name) && !value.empty()) images->insert(ImageFile(value));
      // Default attribute lists carry image descriptions inside their value.
      if (name == L"value") {
        for (size_t at = value.find(L"file='"); at != std::wstring::npos; at = value.find(L"file='", at + 1))
          images->insert(ImageFile(value.substr(at)));
      }
    }
    CollectImages(node.GetChild(), images);
  }
}

TEST_F(SkinArchive, EveryLayoutBuildsAndEveryImageIsThere) {
  std::set<std::wstring> images(std::begin(kCodeImages), std::end(kCodeImages));
  CPaintManagerUI::SetResourceZip(const_cast<void*>(data_), size_);
  for (const wchar_t* layout : kLayouts) {
    ASSERT_TRUE(Has(layout)) << layout;
    CPaintManagerUI pm;
    CDialogBuilder builder;
    CControlUI* root = builder.Create(STRINGorID(layout), nullptr, nullptr, &pm);
    EXPECT_NE(nullptr, root) << layout;
    delete root;
  }
  for (const wchar_t* layout : kMenus) ASSERT_TRUE(Has(layout)) << layout;
  for (const wchar_t* layout : kIncluded) ASSERT_TRUE(Has(layout)) << layout;
  for (const wchar_t* const* list : {kLayouts, kMenus, kIncluded}) {
    const size_t count = list == kLayouts   ? std::size(kLayouts)
                         : list == kMenus ? std::size(kMenus)
                                          : std::size(kIncluded);
    for (size_t i = 0; i < count; ++i) {
      const std::vector<BYTE> bytes = Read(list[i]);
      CMarkup markup;
      ASSERT_TRUE(markup.LoadFromMem(bytes.data(), static_cast<DWORD>(bytes.size()))) << list[i];
      CollectImages(markup.GetRoot(), &images);
    }
  }
  EXPECT_GT(images.size(), 20u);
  for (const std::wstring& image : images) EXPECT_TRUE(Has(image)) << "missing image " << std::string(image.begin(), image.end());
}

std::string Utf8(const std::wstring& text) {
  std::string out(text.size() * 3 + 1, '\0');
  out.resize(static_cast<size_t>(::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0],
                                                       static_cast<int>(out.size()), nullptr, nullptr)));
  return out;
}

CControlUI* CALLBACK CollectControl(CControlUI* control, LPVOID controls) {
  static_cast<std::vector<CControlUI*>*>(controls)->push_back(control);
  return nullptr;
}

// A one-line text in a row beside fields and boxes (a label, check box, option or
// button in a horizontal layout) is centred on the row's height, as the fields'
// own texts are: the "align" keywords "left" and "right" alone take the vertical
// centring away.
TEST_F(SkinArchive, TextsInARowAreCentredOnItsHeight) {
  CPaintManagerUI::SetResourceZip(const_cast<void*>(data_), size_);
  for (const wchar_t* layout : kLayouts) {
    CPaintManagerUI pm;
    CDialogBuilder builder;
    std::unique_ptr<CControlUI> root(builder.Create(STRINGorID(layout), nullptr, nullptr, &pm));
    ASSERT_NE(nullptr, root) << layout;
    std::vector<CControlUI*> controls;
    root->FindControl(CollectControl, &controls, 0);
    for (CControlUI* control : controls) {
      CLabelUI* label = static_cast<CLabelUI*>(control->GetInterface(L"Label"));
      if (label == nullptr || control->GetInterface(L"Text") != nullptr || control->GetText().IsEmpty()) continue;
      CControlUI* row = control->GetParent();
      if (row == nullptr || row->GetInterface(L"HorizontalLayout") == nullptr) continue;
      const std::wstring text = control->GetText().GetData();
      SCOPED_TRACE(Utf8(text) + " in " + Utf8(layout));
      EXPECT_NE(0u, label->GetTextStyle() & DT_VCENTER) << "not centred";
      EXPECT_EQ(label->GetTextPadding().top, label->GetTextPadding().bottom) << "padded off the centre";
    }
  }
}

// Laid out at its window's size, every layout gives each shown control with a
// fixed height all of it, inside its parent and the window: nothing at the
// bottom (a dialog's message line) is squeezed or cut off.
TEST_F(SkinArchive, EveryControlGetsItsHeightAtTheWindowsSize) {
  CPaintManagerUI::SetResourceZip(const_cast<void*>(data_), size_);
  for (const wchar_t* layout : kLayouts) {
    CPaintManagerUI pm;
    CDialogBuilder builder;
    std::unique_ptr<CControlUI> root(builder.Create(STRINGorID(layout), nullptr, nullptr, &pm));
    ASSERT_NE(nullptr, root) << Utf8(layout);
    // The window's size as its layout gives it.
    const std::vector<BYTE> bytes = Read(layout);
    CMarkup markup;
    ASSERT_TRUE(markup.LoadFromMem(bytes.data(), static_cast<DWORD>(bytes.size())));
    CMarkupNode window = markup.GetRoot();
    SIZE size = {0, 0};
    if (!window.HasAttribute(L"size") ||
        std::swscanf(window.GetAttributeValue(L"size"), L"%ld,%ld", &size.cx, &size.cy) != 2)
      continue;
    root->SetPos(RECT{0, 0, size.cx, size.cy});
    std::vector<CControlUI*> controls;
    root->FindControl(CollectControl, &controls, FINDFLAG_VISIBLE);
    for (CControlUI* control : controls) {
      if (control->IsFloat() || control->GetFixedHeight() <= 0) continue;
      const RECT rc = control->GetPos();
      SCOPED_TRACE(Utf8(layout) + " " + Utf8(control->GetName().GetData()) + " " + Utf8(control->GetText().GetData()));
      EXPECT_EQ(control->GetFixedHeight(), rc.bottom - rc.top);
      EXPECT_LE(rc.bottom, size.cy);
      if (control->GetParent() != nullptr) {
        EXPECT_LE(rc.bottom, control->GetParent()->GetPos().bottom) << "cut off";
      }
    }
  }
}

TEST_F(SkinArchive, ChineseEntryNamesAreFound) {
  for (const wchar_t* name : kTileNames) {
    const std::wstring entry = std::wstring(L"AppLogo/Icon_首页_") + name + L".png";
    const std::vector<BYTE> bytes = Read(entry);
    ASSERT_GT(bytes.size(), 8u);
    EXPECT_EQ(0, std::memcmp(bytes.data(), "\x89PNG", 4));
  }
  EXPECT_FALSE(Has(L"AppLogo/Icon_首页_没有.png"));
}

}  // namespace
