// MainFrame's timers, maximise/restore buttons and the way back from the tray.
#include "main_frame.h"

#include <cwchar>

#include "core/control_ui.h"
#include "controls/rich_edit.h"

namespace shell {

void MainFrame::RestoreFromTray() {
  ::BringWindowToTop(m_hWnd);
  ::SetForegroundWindow(m_hWnd);
  if (::IsZoomed(m_hWnd)) SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
  ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
}

void MainFrame::OnTimer(UINT_PTR id) {
  if (m_trayClicks.OnTimer(m_hWnd, id)) return;
  switch (id) {
    case kTimerBroadcast:
      if (m_broadcastTicking) break;
      m_broadcastTicking = true;
      if (++m_broadcastStep > 2) m_broadcastStep = -1;
      for (int i = 0; i < 3; ++i) {
        if (m_castWaves[i] != nullptr) m_castWaves[i]->SetVisible(m_broadcastStep >= i);
      }
      m_broadcastTicking = false;
      break;
    case kTimerSelectCell:
      ::KillTimer(m_hWnd, kTimerSelectCell);
      OnSelectCellTimer();
      break;
    case kTimerTabHover:
      OnTabHoverTimer();
      break;
    default:
      break;
  }
}

void MainFrame::OnSelectCellTimer() {
  // The remembered cell is used only while it still has the focus: its row may
  // have gone in the meantime, and with it the cell.
  if (m_focusedCell == nullptr || m_PaintManager.GetFocus() != m_focusedCell) return;
  if (std::wcscmp(m_focusedCell->GetClass(), L"RichEditUI") != 0) return;
  auto* edit = static_cast<SkinUI::CRichEditUI*>(m_focusedCell);
  edit->SetBkColor(0xFFFFFFFF);
  edit->SetSelAll();
  edit->SetBkImage(L"file='rich_edit.png' corner='2,2,2,2'");
}

void MainFrame::OnTabHoverTimer() {
  POINT cursor;
  ::GetCursorPos(&cursor);
  ::ScreenToClient(m_hWnd, &cursor);
  SkinUI::CControlUI* under = m_PaintManager.FindControl(cursor);
  SkinUI::CControlUI* close = nullptr;
  SkinUI::CUIString closeName;
  if (under != nullptr) {
    const SkinUI::CUIString name = under->GetName();
    if (_wcsnicmp(name.GetData(), L"tab_", 4) == 0) {
      closeName = SkinUI::CUIString(L"tab_close_") + name.Mid(4);
      close = m_PaintManager.FindControl(closeName.GetData());
      if (close == nullptr || closeName == m_hoveredTabClose) return;
    }
  }
  auto send = [](SkinUI::CControlUI* control, int type) {
    SkinUI::TEventUI event = {};
    event.type = type;
    event.sender = control;
    event.timestamp = ::GetTickCount();
    control->DoEvent(event);
  };
  if (close != nullptr) send(close, SkinUI::UIEV_MOUSE_ENTER);
  // Looked up again: the button remembered may have gone with its tab.
  if (!m_hoveredTabClose.IsEmpty()) {
    if (SkinUI::CControlUI* previous = m_PaintManager.FindControl(m_hoveredTabClose.GetData()))
      send(previous, SkinUI::UIEV_MOUSE_LEAVE);
  }
  m_hoveredTabClose = close != nullptr ? closeName : SkinUI::CUIString();
}

void MainFrame::ShowMaxRestoreButtons(bool maximised) {
  if (SkinUI::CControlUI* max = m_PaintManager.FindControl(L"maxbtn")) max->SetVisible(!maximised);
  if (SkinUI::CControlUI* restore = m_PaintManager.FindControl(L"restorebtn")) restore->SetVisible(maximised);
}

LRESULT MainFrame::OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  const bool wasZoomed = ::IsZoomed(m_hWnd) != FALSE;
  const LRESULT result = WindowImplBase::OnSysCommand(uMsg, wParam, lParam, bHandled);
  if (::IsWindow(m_hWnd) && wasZoomed != (::IsZoomed(m_hWnd) != FALSE)) ShowMaxRestoreButtons(!wasZoomed);
  return result;
}

}  // namespace shell
