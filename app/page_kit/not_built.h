// What a page says where a user reaches an operation that is not built yet: the
// box "功能开发中,敬请期待", captioned with the control's text, else its tip, else
// "提示", as the main window says it for the rows of pages not registered yet. No
// control of a page does nothing without saying so.
#pragma once

#include <string>

#include "page_host.h"

namespace pagekit {

void TellNotBuiltYet(PageHost& host, const std::wstring& control);

}  // namespace pagekit
