// GridWndUI: the tile container of the home page and the module pages. Tiles sit
// in a tile layout of 110 by 110 cells; the user drags the content up and down
// with the mouse and it flings on when let go, and the wheel flings it a step.
#pragma once

#include "controls/tile_layout.h"
#include "core/ui_string.h"

namespace shell {

// The control timer that drives both the drag and the fling.
constexpr UINT kGridWndTimer = 10;

class GridWndUI : public SkinUI::CTileLayoutUI {
 public:
  GridWndUI();
  ~GridWndUI() override;

  void DoEvent(SkinUI::TEventUI& event) override;

  bool IsDragging() const { return (m_flags & kDragFlag) != 0; }
  // The fling: its speed in pixels per tick, its length in ticks and what is left.
  int GetFlingSpeed() const { return m_speed; }
  int GetFlingTicks() const { return m_totalTicks; }
  int GetFlingTicksLeft() const { return m_ticksLeft; }

 private:
  static constexpr UINT kDragFlag = 0x40;

  void OnButtonDown(const SkinUI::TEventUI& event);
  void OnButtonUp(const SkinUI::TEventUI& event);
  void OnWheel(const SkinUI::TEventUI& event);
  void FollowMouse();
  void FlingTick();
  // Starts a fling of that speed, or stops everything when the speed is zero.
  void StartFling(int speed);
  void StopFling();
  // The step of the running fling: (left / total)² × speed, 0 when none runs.
  int CurrentStep() const;

  UINT m_flags = 0;
  POINT m_last = {0, 0};
  int m_speed = 0;
  int m_totalTicks = 0;
  int m_ticksLeft = 0;
};

// Builds one tile from "gridbar.xml" into the grid: the image on "bar_logo", the
// name on "bar_name", and "bar_btn" and "bar_add" renamed "bar_btn_<name>" and
// "bar_add_<name>" so that their clicks carry the page. Null when there is no
// grid or the layout builds nothing.
SkinUI::CControlUI* AddGridBar(SkinUI::CControlUI* grid, const SkinUI::CUIString& name, const SkinUI::CUIString& image);

}  // namespace shell
