// GridWndUI: drag to scroll and the fling that follows, on control timer 10.
#include "grid_wnd.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "add_button_hover.h"
#include "core/container_ui.h"
#include "core/dialog_builder.h"
#include "core/paint_manager.h"

namespace shell {

GridWndUI::GridWndUI() { SetItemSize(SIZE{110, 110}); }

GridWndUI::~GridWndUI() {
  if (m_pManager != nullptr) m_pManager->KillTimer(this, kGridWndTimer);
}

int GridWndUI::CurrentStep() const {
  if (m_totalTicks <= 0) return 0;
  const double share = static_cast<double>(m_ticksLeft) / m_totalTicks;
  return static_cast<int>(share * share * m_speed);
}

void GridWndUI::StopFling() {
  m_speed = 0;
  m_totalTicks = 0;
  m_ticksLeft = 0;
  if (m_pManager != nullptr) m_pManager->KillTimer(this, kGridWndTimer);
}

void GridWndUI::StartFling(int speed) {
  m_speed = speed;
  m_totalTicks = m_ticksLeft = 5 * static_cast<int>(std::sqrt(static_cast<double>(std::abs(speed))));
  // A fling of no speed or no length has nothing to share out per tick.
  if (m_speed == 0 || m_totalTicks == 0) {
    StopFling();
    return;
  }
  if (m_pManager != nullptr) m_pManager->SetTimer(this, kGridWndTimer, 50);
}

void GridWndUI::OnButtonDown(const SkinUI::TEventUI& event) {
  m_flags |= kDragFlag;
  m_last = event.point;
  m_speed = 0;
  m_totalTicks = 0;
  m_ticksLeft = 0;
  ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
  if (m_pManager != nullptr) m_pManager->SetTimer(this, kGridWndTimer, 50);
}

void GridWndUI::OnButtonUp(const SkinUI::TEventUI& event) {
  m_flags &= ~kDragFlag;
  ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
  const int moved = event.point.y - m_last.y;
  if (moved == 0) {
    StopFling();
    return;
  }
  StartFling(std::max(-120, std::min(120, moved)));
}

void GridWndUI::OnWheel(const SkinUI::TEventUI& event) {
  const int step = CurrentStep();
  int speed = 0;
  switch (LOWORD(event.wParam)) {
    case SB_LINEUP:
      speed = step + (m_speed < 0 ? 12 : 8);
      break;
    case SB_LINEDOWN:
      speed = step - (m_speed < 1 ? 8 : 12);
      break;
    default:
      return;
  }
  StartFling(std::max(-100, std::min(100, speed)));
}

void GridWndUI::FollowMouse() {
  if (m_pManager == nullptr) return;
  const POINT now = m_pManager->GetMousePos();
  const SIZE pos = GetScrollPos();
  SetScrollPos(SIZE{pos.cx, pos.cy + (m_last.y - now.y)});
  m_last = now;
}

void GridWndUI::FlingTick() {
  if (m_ticksLeft > 0 && m_totalTicks > 0) {
    --m_ticksLeft;
    const int step = CurrentStep();
    const SIZE pos = GetScrollPos();
    const SIZE range = GetScrollRange();
    if ((step > 0 && pos.cy != 0) || (step < 0 && pos.cy != range.cy)) {
      SetScrollPos(SIZE{pos.cx, pos.cy - step});
      return;
    }
  }
  StopFling();
}

void GridWndUI::DoEvent(SkinUI::TEventUI& event) {
  if (HandOnWhileMouseDisabled<CTileLayoutUI>(event, m_pParent)) return;
  switch (event.type) {
    case SkinUI::UIEV_BUTTON_DOWN:
      if (IsEnabled()) {
        OnButtonDown(event);
        return;
      }
      break;
    case SkinUI::UIEV_BUTTON_UP:
      if (IsDragging()) {
        OnButtonUp(event);
        return;
      }
      break;
    case SkinUI::UIEV_SCROLL_WHEEL:
      OnWheel(event);
      return;
    case SkinUI::UIEV_TIMER:
      if (event.wParam == kGridWndTimer) {
        if (IsDragging()) {
          FollowMouse();
        } else {
          FlingTick();
        }
        return;
      }
      break;
    default:
      break;
  }
  CTileLayoutUI::DoEvent(event);
}

SkinUI::CControlUI* AddGridBar(SkinUI::CControlUI* grid, const SkinUI::CUIString& name,
                               const SkinUI::CUIString& image) {
  auto* container = grid != nullptr ? static_cast<SkinUI::CContainerUI*>(grid->GetInterface(L"Container")) : nullptr;
  if (container == nullptr) return nullptr;
  SkinUI::CDialogBuilder builder;
  SkinUI::CControlUI* tile = builder.Create(SkinUI::STRINGorID(L"gridbar.xml"), nullptr, nullptr, grid->GetManager());
  if (tile == nullptr) return nullptr;
  // Renamed before the tile joins the window, so that the window knows the new names.
  if (auto* parts = static_cast<SkinUI::CContainerUI*>(tile->GetInterface(L"Container"))) {
    if (SkinUI::CControlUI* logo = parts->FindSubControl(L"bar_logo")) logo->SetBkImage(image.GetData());
    if (SkinUI::CControlUI* label = parts->FindSubControl(L"bar_name")) label->SetText(name.GetData());
    SkinUI::CControlUI* button = parts->FindSubControl(L"bar_btn");
    SkinUI::CControlUI* add = parts->FindSubControl(L"bar_add");
    if (button != nullptr) button->SetName((SkinUI::CUIString(L"bar_btn_") + name).GetData());
    if (add != nullptr) add->SetName((SkinUI::CUIString(L"bar_add_") + name).GetData());
    ShowAddButtonOnHover(button, add);
  }
  if (!container->Add(tile)) {
    delete tile;
    return nullptr;
  }
  return tile;
}

}  // namespace shell
