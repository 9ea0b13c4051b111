// The "not built yet" box of the pages, through the blocking-call seam.
#include "not_built.h"

#include "core/blocking_calls.h"

namespace pagekit {

void TellNotBuiltYet(PageHost& host, const std::wstring& control) {
  std::wstring caption = host.Fields().Text(control);
  if (caption.empty()) caption = host.Fields().ToolTip(control);
  if (caption.empty()) caption = L"提示";
  SkinUI::UIMessageBox(host.OwnerWindow(), L"功能开发中,敬请期待", caption.c_str(), MB_OK);
}

}  // namespace pagekit
