// Non-client handling and layout building of the program's frameless windows.
#include "frameless_window.h"

#include <windowsx.h>

#include <cwchar>
#include <memory>

#include "core/control_ui.h"
#include "core/gdi_scope.h"

namespace shell {
namespace {

// Controls that take the mouse themselves even inside the caption area.
const wchar_t* const kNonCaptionClasses[] = {L"ButtonUI", L"OptionUI", L"ComboUI", L"EditUI", L"CheckBoxUI", L"TextUI"};

LRESULT CaptionHitTest(HWND hWnd, SkinUI::CPaintManagerUI& pm, bool sizable, LPARAM lParam) {
  POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ::ScreenToClient(hWnd, &pt);
  RECT client = {};
  ::GetClientRect(hWnd, &client);
  if (sizable && !::IsZoomed(hWnd)) {
    const RECT& box = pm.GetSizeBox();
    const bool left = pt.x < client.left + box.left;
    const bool right = pt.x >= client.right - box.right;
    if (pt.y < client.top + box.top) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
    if (pt.y >= client.bottom - box.bottom) return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
    if (left) return HTLEFT;
    if (right) return HTRIGHT;
  }
  const RECT& caption = pm.GetCaptionRect();
  const int captionBottom = caption.bottom == -1 ? client.bottom : caption.bottom;
  if (pt.x >= client.left + caption.left && pt.x < client.right - caption.right && pt.y >= caption.top &&
      pt.y < captionBottom) {
    SkinUI::CControlUI* control = pm.FindControl(pt);
    if (control == nullptr) return HTCLIENT;
    for (const wchar_t* name : kNonCaptionClasses)
      if (std::wcscmp(control->GetClass(), name) == 0) return HTCLIENT;
    return HTCAPTION;
  }
  return HTCLIENT;
}

}  // namespace

void SetRoundedRegion(HWND hWnd, SkinUI::CPaintManagerUI& pm) {
  if (::IsIconic(hWnd)) return;
  RECT rc = {};
  ::GetWindowRect(hWnd, &rc);
  ::OffsetRect(&rc, -rc.left, -rc.top);
  const SIZE corner = pm.GetRoundCorner();
  SkinUI::RegionHandle region(::CreateRoundRectRgn(rc.left, rc.top, rc.right + 1, rc.bottom + 1, corner.cx, corner.cy));
  // Once set, the region belongs to the window.
  if (region != nullptr && ::SetWindowRgn(hWnd, region, TRUE)) region.Release();
}

bool HandleFramelessMessage(HWND hWnd, SkinUI::CPaintManagerUI& pm, bool sizable, UINT uMsg, WPARAM wParam,
                            LPARAM lParam, LRESULT* result) {
  switch (uMsg) {
    case WM_SIZE:
      SetRoundedRegion(hWnd, pm);
      return false;
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
      *result = 0;
      return true;
    case WM_NCHITTEST:
      *result = CaptionHitTest(hWnd, pm, sizable, lParam);
      return true;
    case WM_NCACTIVATE:
      if (::IsIconic(hWnd)) return false;
      *result = wParam == 0 ? TRUE : FALSE;
      return true;
    default:
      return false;
  }
}

SkinUI::CControlUI* BuildWindowLayout(HWND hWnd, SkinUI::CPaintManagerUI& pm, const wchar_t* layoutFile,
                                      SkinUI::IMessageFilterUI* filter, SkinUI::INotifyUI* notifier,
                                      SkinUI::IDialogBuilderCallback* callback) {
  pm.Init(hWnd);
  pm.AddPreMessageFilter(filter);
  SkinUI::CDialogBuilder builder;
  SkinUI::CControlUI* root = builder.Create(SkinUI::STRINGorID(layoutFile), nullptr, callback, &pm);
  if (root == nullptr) return nullptr;
  pm.AttachDialog(root);
  pm.AddNotifier(notifier);
  return root;
}

void AttachWindowShadow(SkinUI::CWndShadow& shadow, HWND hWnd) {
  shadow.Create(hWnd);
  shadow.SetSize(4);
  shadow.SetPosition(0, 0);
  shadow.SetSharpness(10);
}

SkinUI::CUIString TakeMenuItemName(WPARAM wParam) {
  std::unique_ptr<SkinUI::CUIString> item(reinterpret_cast<SkinUI::CUIString*>(wParam));
  return item ? *item : SkinUI::CUIString();
}

void AddClipStyles(HWND hWnd) {
  const LONG_PTR style = ::GetWindowLongPtrW(hWnd, GWL_STYLE);
  ::SetWindowLongPtrW(hWnd, GWL_STYLE, style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
}

}  // namespace shell
