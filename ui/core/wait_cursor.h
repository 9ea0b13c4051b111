// CWaitCursor: shows the wait cursor for the lifetime of the object.
#pragma once

#include <windows.h>

#include "ui_export.h"

namespace SkinUI {

class UILIB_API CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

protected:
    HCURSOR m_hOrigCursor;
};

}  // namespace SkinUI
