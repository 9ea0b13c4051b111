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

RECT ToolTipRectForField(HWND window, const RECT& field) {
  RECT windowRect = {};
  ::GetWindowRect(window, &windowRect);
  RECT box;
  box.left = windowRect.left + field.left - 80;
  box.top = windowRect.top + field.top + 20;
  box.right = windowRect.left + field.left + 100;
  box.bottom = windowRect.top + field.top + 50;
  return box;
}

void ShowFieldToolTip(HWND window, const RECT& field, const wchar_t* text) {
  const RECT box = ToolTipRectForField(window, field);
  new (std::nothrow) CDlgToolTip(text, box.left, box.top, box.right, box.bottom, window);
}

}  // namespace shell
