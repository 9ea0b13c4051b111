// The field tooltip window.
#include "field_tooltip.h"

#include <new>

#include "core/control_ui.h"

namespace shell {

CDlgToolTip::CDlgToolTip(const wchar_t* text, int left, int top, int right, int bottom, HWND parent)
    : m_left(left), m_top(top), m_right(right), m_bottom(bottom), m_text(text) {
  Create(parent, L"DlgToolTip", WS_POPUP, WS_EX_TOOLWINDOW);
  ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
}

const wchar_t* CDlgToolTip::GetWindowClassName() const { return L"DlgToolTipWnd"; }

SkinUI::CUIString CDlgToolTip::GetSkinFolder() { return L"skin\\"; }

SkinUI::CUIString CDlgToolTip::GetSkinFile() { return L"DlgTootip.xml"; }

void CDlgToolTip::InitWindow() {
  if (SkinUI::CControlUI* label = m_PaintManager.FindControl(L"tooltip")) {
    label->SetText(m_text);
    m_PaintManager.SetTimer(label, kToolTipTimerId, kToolTipLifetimeMs);
  }
  ::MoveWindow(m_hWnd, m_left, m_top, m_right - m_left, m_bottom - m_top, FALSE);
}

void CDlgToolTip::Notify(SkinUI::TNotifyUI& msg) {
  if (msg.type != L"timer") return;
  if (SkinUI::CControlUI* label = m_PaintManager.FindControl(L"tooltip"))
    m_PaintManager.KillTimer(label, kToolTipTimerId);
  Close(1);
}

void CDlgToolTip::OnFinalMessage(HWND hWnd) {
  WindowImplBase::OnFinalMessage(hWnd);
  delete this;
}

RECT ToolTipRectAt(HWND window, const RECT& field, SIZE size, POINT offset) {
  RECT windowRect = {};
  ::GetWindowRect(window, &windowRect);
  RECT box;
  box.left = windowRect.left + field.left + offset.x;
  box.top = windowRect.top + field.top + offset.y;
  box.right = box.left + size.cx;
  box.bottom = box.top + size.cy;
  return box;
}

namespace {
constexpr SIZE kFieldTipSize = {180, 30};
constexpr POINT kFieldTipOffset = {-80, 20};
}  // namespace

RECT ToolTipRectForField(HWND window, const RECT& field) {
  return ToolTipRectAt(window, field, kFieldTipSize, kFieldTipOffset);
}

void ShowToolTipAt(HWND window, const RECT& field, SIZE size, POINT offset, const wchar_t* text) {
  const RECT box = ToolTipRectAt(window, field, size, offset);
  new (std::nothrow) CDlgToolTip(text, box.left, box.top, box.right, box.bottom, window);
}

void ShowFieldToolTip(HWND window, const RECT& field, const wchar_t* text) {
  ShowToolTipAt(window, field, kFieldTipSize, kFieldTipOffset, text);
}

}  // namespace shell
