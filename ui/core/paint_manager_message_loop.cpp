// The program's message loop and the pre-translation that offers each message to the
// paint managers of its window (and, for a child window, of the windows above it)
// before it is translated and dispatched.
#include "paint_manager.h"

namespace SkinUI {
namespace {

bool IsSelfOrAncestor(HWND hWndCandidate, HWND hWnd)
{
    for (HWND h = hWnd; h != NULL; h = ::GetParent(h)) {
        if (h == hWndCandidate) return true;
    }
    return false;
}

}  // namespace

bool CPaintManagerUI::TranslateAccelerator(MSG* pMsg)
{
    CStdPtrArray accelerators(m_aTranslateAccelerator);
    for (int i = 0; i < accelerators.GetSize(); i++) {
        ITranslateAccelerator* pAccelerator = static_cast<ITranslateAccelerator*>(accelerators[i]);
        if (m_aTranslateAccelerator.Find(pAccelerator) < 0) continue;
        if (pAccelerator->TranslateAccelerator(pMsg) == 0) return true;
    }
    return false;
}

void CPaintManagerUI::MessageLoop()
{
    MSG msg = {};
    // 0 is WM_QUIT; -1 is an error that would repeat for ever.
    while (::GetMessageW(&msg, NULL, 0, 0) > 0) {
        if (!CPaintManagerUI::TranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

bool CPaintManagerUI::TranslateMessage(const MSG* pMsg)
{
    if (pMsg == NULL || pMsg->hwnd == NULL) return false;
    MSG msg = *pMsg;
    const LONG style = ::GetWindowLongW(pMsg->hwnd, GWL_STYLE);
    if (style & WS_CHILD) {
        // Every manager of the window or of a window above it sees the message once,
        // the most recently initialised first. A handler may destroy managers, so the
        // walk is over a copy and skips managers that have gone meanwhile.
        CStdPtrArray managers(m_aPreMessages);
        for (int i = managers.GetSize() - 1; i >= 0; i--) {
            CPaintManagerUI* pManager = static_cast<CPaintManagerUI*>(managers[i]);
            if (m_aPreMessages.Find(pManager) < 0) continue;
            if (!IsSelfOrAncestor(pManager->GetPaintWindow(), pMsg->hwnd)) continue;
            if (pManager->TranslateAccelerator(&msg)) return true;
            if (m_aPreMessages.Find(pManager) < 0) continue;
            LRESULT lRes = 0;
            pManager->PreMessageHandler(msg.message, msg.wParam, msg.lParam, lRes);
        }
        return false;
    }
    for (int i = 0; i < m_aPreMessages.GetSize(); i++) {
        CPaintManagerUI* pManager = static_cast<CPaintManagerUI*>(m_aPreMessages[i]);
        if (pManager->GetPaintWindow() != pMsg->hwnd) continue;
        if (pManager->TranslateAccelerator(&msg)) return true;
        if (m_aPreMessages.Find(pManager) < 0) return false;
        LRESULT lRes = 0;
        return pManager->PreMessageHandler(msg.message, msg.wParam, msg.lParam, lRes);
    }
    return false;
}

}  // namespace SkinUI
