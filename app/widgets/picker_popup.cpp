// The popup pickers' shared window behaviour: place, fill, one choice, close on
// focus loss, free on the final message.
#include "picker_popup.h"

#include <cwchar>

#include "controls/bar_list.h"

namespace shell {

PickerPopup::PickerPopup(const PickerContext& context, SkinUI::CControlUI* owner, int left, int top, int right,
                         int bottom)
    : m_context(context), m_owner(owner), m_rect{left, top, right, bottom} {}

void PickerPopup::Open(const wchar_t* title) {
  m_opening = true;
  const HWND hwnd = Create(nullptr, title, WS_POPUP, WS_EX_TOOLWINDOW);
  m_opening = false;
  // A window that could not be made has been told its final message already;
  // the object stays behind rather than be freed under its own constructor.
  if (hwnd == nullptr) return;
  ::ShowWindow(hwnd, SW_SHOWNORMAL);
}

SkinUI::CUIString PickerPopup::GetSkinFolder() { return L"skin\\"; }

void PickerPopup::InitWindow() {
  ::MoveWindow(m_hWnd, m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top, FALSE);
  Fill();
}

void PickerPopup::OnFinalMessage(HWND hWnd) {
  WindowImplBase::OnFinalMessage(hWnd);
  if (!m_opening) delete this;
}

SkinUI::CControlUI* PickerPopup::CreateControl(const wchar_t* pstrClass) {
  if (pstrClass != nullptr && std::wcscmp(pstrClass, L"BarList") == 0) return new SkinUI::CBarListUI(&m_PaintManager);
  return nullptr;
}

bool PickerPopup::KeepsOpenFor(HWND) { return false; }

LRESULT PickerPopup::OnKillFocus(UINT, WPARAM wParam, LPARAM, BOOL& bHandled) {
  bHandled = FALSE;
  if (!KeepsOpenFor(reinterpret_cast<HWND>(wParam))) Close(1);
  return 0;
}

// The focus may sit in a child window (the product picker's search box) when the
// user turns to another window; the picker then never sees its own focus go, but
// it stops being the active window.
LRESULT PickerPopup::HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM, BOOL& bHandled) {
  bHandled = FALSE;
  if (uMsg == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE) Close(1);
  return 0;
}

bool PickerPopup::TakeChoice() {
  if (m_chosen) return false;
  m_chosen = true;
  return true;
}

SkinUI::BarListNode* PickerPopup::EntryOf(SkinUI::CBarListUI* list, SkinUI::CControlUI* control) {
  return list != nullptr && control != nullptr ? list->GetNodeOf(control) : nullptr;
}

SkinUI::CUIString PickerPopup::EntryText(SkinUI::CBarListUI* list, SkinUI::CControlUI* control) {
  SkinUI::BarListNode* node = EntryOf(list, control);
  return node != nullptr ? node->text : SkinUI::CUIString();
}

}  // namespace shell
