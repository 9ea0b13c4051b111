// CWaitCursor: puts back the cursor it replaced.
#include "wait_cursor.h"

namespace SkinUI {

CWaitCursor::CWaitCursor() { m_hOrigCursor = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT)); }
CWaitCursor::~CWaitCursor() { ::SetCursor(m_hOrigCursor); }

}  // namespace SkinUI
