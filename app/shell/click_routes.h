// The main window's two click chains, by the clicked control's name: which row of
// which chain a name reaches. The chains themselves run in MainFrame::OnClick.
#pragma once

#include <windows.h>

namespace shell {

struct ClickRouteMatch {
  int chain;           // 1 the first chain, 2 the second, 0 no row takes the name
  const wchar_t* row;  // the row's name or prefix, null when no row takes it
  const wchar_t* arg;  // the row's own value (a page, a list or a control name), or null
};

ClickRouteMatch MatchClickRoute(const wchar_t* name);

// The box of a page or button whose work is not built yet ("功能开发中,敬请期待"),
// owned by the main window, with that caption.
void TellNotBuiltYet(HWND owner, const wchar_t* caption);

}  // namespace shell
