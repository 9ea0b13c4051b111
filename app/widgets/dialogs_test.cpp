// The message dialog (buttons by flag, icon by code, the result of each way out)
// and the field tooltip (its box beside the field, closing itself, several at once).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "field_tooltip.h"
#include "message_dialog.h"
#include "test_support/window_test_env.h"

namespace {

using shelltest::PumpUntil;

// How the test ends the dialog once it is up.
enum class Answer { kOk, kCancel, kCloseButton, kEscape, kEnterThenOk };

struct Seen {
  bool cancelVisible = false;
  std::wstring icon;
  std::wstring title;
  std::wstring text;
};

Answer g_answer;
Seen g_seen;
shell::CMsgDlg* g_dialog = nullptr;

void Remember(shell::CMsgDlg* dialog) { g_dialog = dialog; }

// Runs on the dialog's modal loop once the window is shown and laid out.
void CALLBACK Act(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  shell::CMsgDlg* dialog = g_dialog;
  SkinUI::CPaintManagerUI* pm = dialog->GetPaintManager();
  g_seen.cancelVisible = pm->FindControl(L"msgdlg_cancel")->IsVisible();
  g_seen.icon = pm->FindControl(L"msgdlg_img")->GetBkImage();
  g_seen.title = pm->FindControl(L"msgdlg_labelTitle")->GetText().GetData();
  g_seen.text = pm->FindControl(L"msgdlg_labelTip")->GetText().GetData();
  const HWND hwnd = dialog->GetHWND();
  switch (g_answer) {
    case Answer::kOk:
      shelltest::Click(hwnd, pm->FindControl(L"msgdlg_ok"));
      break;
    case Answer::kCancel:
      shelltest::Click(hwnd, pm->FindControl(L"msgdlg_cancel"));
      break;
    case Answer::kCloseButton:
      shelltest::Click(hwnd, pm->FindControl(L"msgdlg_btnClose"));
      break;
    case Answer::kEscape:
      ::PostMessageW(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
      break;
    case Answer::kEnterThenOk:
      ::PostMessageW(hwnd, WM_KEYDOWN, VK_RETURN, 0);
      shelltest::Click(hwnd, pm->FindControl(L"msgdlg_ok"));
      break;
  }
}

TEST(MessageDialog, ButtonsIconsAndResults) {
  const shell::MsgDlgWatcher previous = shell::SetMsgDlgWatcher(&Remember);
  struct Case {
    unsigned flags;
    unsigned icon;
    Answer answer;
    bool cancelVisible;
    const wchar_t* image;
    UINT result;
  } cases[] = {
      {0, 64, Answer::kOk, false, L"file='icon_info.png'", 1},
      {2, 16, Answer::kOk, true, L"file='icon_err.png'", 1},
      {2, 48, Answer::kCancel, true, L"file='icon_warning.png'", 2},
      {3, 0, Answer::kCancel, true, L"file='icon_info.png'", 2},
      {0, 99, Answer::kCloseButton, false, L"file='icon_info.png'", 2},
      {2, 64, Answer::kEscape, true, L"file='icon_info.png'", 2},
      {1, 64, Answer::kEnterThenOk, false, L"file='icon_info.png'", 1},
  };
  const std::wstring longText = L"这是一段很长的提示文字，" + std::wstring(200, L'字');
  for (const Case& c : cases) {
    g_answer = c.answer;
    g_seen = Seen();
    ::SetTimer(nullptr, 0, 200, &Act);
    const UINT result = shell::ShowMessageDialog(nullptr, L"错误", longText.c_str(), c.icon, c.flags);
    EXPECT_EQ(c.result, result) << "flags " << c.flags << " icon " << c.icon;
    EXPECT_EQ(c.cancelVisible, g_seen.cancelVisible) << "flags " << c.flags;
    EXPECT_EQ(c.image, g_seen.icon) << "icon " << c.icon;
    EXPECT_EQ(L"错误", g_seen.title);
    EXPECT_EQ(longText, g_seen.text);
    // Esc declines; it never ends the program's loop.
    EXPECT_FALSE(shelltest::TakeQuit()) << "flags " << c.flags;
  }
  shell::SetMsgDlgWatcher(previous);
}

// A plain visible window standing for the page that holds the field.
HWND MakeOwner(int x, int y) {
  return ::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, x, y, 400, 300, nullptr, nullptr,
                           ::GetModuleHandleW(nullptr), nullptr);
}

std::vector<HWND> ToolTips() {
  std::vector<HWND> found;
  for (HWND w = ::FindWindowExW(nullptr, nullptr, L"DlgToolTipWnd", nullptr); w != nullptr;
       w = ::FindWindowExW(nullptr, w, L"DlgToolTipWnd", nullptr))
    found.push_back(w);
  return found;
}

TEST(FieldToolTip, OpensBelowTheFieldAndClosesItself) {
  HWND owner = MakeOwner(100, 120);
  ASSERT_NE(nullptr, owner);
  RECT ownerRect;
  ::GetWindowRect(owner, &ownerRect);
  const RECT field = {150, 40, 250, 64};
  shell::ShowFieldToolTip(owner, field, L"请输入商品名称");
  shelltest::Pump(100);
  std::vector<HWND> tips = ToolTips();
  ASSERT_EQ(1u, tips.size());
  RECT rc;
  ::GetWindowRect(tips[0], &rc);
  EXPECT_EQ(ownerRect.left + 150 - 80, rc.left);
  EXPECT_EQ(ownerRect.top + 40 + 20, rc.top);
  EXPECT_EQ(180, rc.right - rc.left);
  EXPECT_EQ(30, rc.bottom - rc.top);
  wchar_t title[32] = {};
  ::GetWindowTextW(tips[0], title, 32);
  EXPECT_STREQ(L"DlgToolTip", title);
  EXPECT_TRUE(::GetWindowLongPtrW(tips[0], GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

  // A second one a second later.
  shelltest::Pump(1000);
  const RECT other = {10, 200, 60, 220};
  shell::ShowFieldToolTip(owner, other, L"数量必须大于零");
  shelltest::Pump(50);
  EXPECT_EQ(2u, ToolTips().size());
  // Each closes itself; nobody closes them here.
  EXPECT_TRUE(PumpUntil([] { return ToolTips().empty(); }, 6000));
  ::DestroyWindow(owner);
}

}  // namespace
