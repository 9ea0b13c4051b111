// The native date picker of the date field: created over the field with the
// field's font, handed the field's date, and closed when it loses the focus,
// writing a newly chosen date back (or clearing the field after Backspace/Delete).
#include "date_time_window.h"

#include <windowsx.h>
#include <commctrl.h>

#include "date_time.h"
#include "core/paint_manager.h"

namespace SkinUI {

namespace {

// Child notifications reflected back to the child by the paint manager's window.
const UINT kReflectedNotify = WM_USER + 0x1C00 + WM_NOTIFY;
// While the drop-down calendar holds the focus the picker watches where it goes:
// not every calendar closes itself when the user clicks elsewhere.
const UINT_PTR kCalendarFocusTimer = 0x107D;
const UINT kCalendarFocusPeriod = 100;

void EnsureDateClasses()
{
    static bool done = false;
    if (done) return;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_DATE_CLASSES};
    done = ::InitCommonControlsEx(&icc) != FALSE;
}

bool SameDate(const SYSTEMTIME& a, const SYSTEMTIME& b)
{
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay;
}

} // namespace

CDateTimeWnd::CDateTimeWnd() : m_pOwner(NULL), m_bInit(false), m_bDateRefused(false), m_bChanged(false) {}

void CDateTimeWnd::Init(CDateTimeUI* pOwner)
{
    m_pOwner = pOwner;
    m_pOwner->m_nDTUpdateFlag = CDateTimeUI::kUpdateNone;
    if (m_hWnd == NULL) {
        EnsureDateClasses();
        CPaintManagerUI* pManager = m_pOwner->GetManager();
        Create(pManager->GetPaintWindow(), NULL, WS_CHILD, 0, m_pOwner->GetPos());
        if (m_hWnd == NULL) return;
        SetWindowFont(m_hWnd, pManager->GetFont(m_pOwner->GetFont()), TRUE);
    }
    if (m_pOwner->GetText().IsEmpty()) ::GetLocalTime(&m_pOwner->m_sysTime);
    // A date outside the picker's range is refused, by some versions silently:
    // the date read back tells.
    SYSTEMTIME shown = {};
    DateTime_SetSystemtime(m_hWnd, GDT_VALID, &m_pOwner->m_sysTime);
    m_bDateRefused = DateTime_GetSystemtime(m_hWnd, &shown) != GDT_VALID || !SameDate(shown, m_pOwner->m_sysTime);
    m_bChanged = false;
    ::ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
    ::SetFocus(m_hWnd);
    m_bInit = true;
}

void CDateTimeWnd::Detach() { m_pOwner = NULL; }

const wchar_t* CDateTimeWnd::GetWindowClassName() const { return L"DateTimeWnd"; }

const wchar_t* CDateTimeWnd::GetSuperClassName() const { return DATETIMEPICK_CLASSW; }

void CDateTimeWnd::OnFinalMessage(HWND)
{
    if (m_pOwner != NULL) {
        m_pOwner->m_pWindow = NULL;
        m_pOwner->Invalidate();
    }
    delete this;
}

bool CDateTimeWnd::IsOwnPopup(HWND hWnd) const
{
    HWND hCalendar = DateTime_GetMonthCal(m_hWnd);
    return hWnd != NULL && hCalendar != NULL && (hWnd == hCalendar || ::IsChild(hCalendar, hWnd));
}

void CDateTimeWnd::WriteBack()
{
    if (m_pOwner->m_nDTUpdateFlag != CDateTimeUI::kUpdateNone) return;
    SYSTEMTIME st = {};
    // No readable date (the picker holds none): the field keeps its own.
    if (DateTime_GetSystemtime(m_hWnd, &st) != GDT_VALID || !IsValidDate(st)) return;
    // The field's date was outside the picker's range and the user chose nothing:
    // the picker's stand-in date must not replace it.
    if (m_bDateRefused && !m_bChanged) return;
    // Nothing new to show: the field keeps its date (and its time of day) and
    // announces nothing. An empty field that gets a date is a change.
    if (SameDate(st, m_pOwner->m_sysTime) && m_pOwner->GetText() == FormatDateText(st)) return;
    m_pOwner->m_sysTime = st;
    m_pOwner->m_nDTUpdateFlag = CDateTimeUI::kUpdateSet;
    m_pOwner->UpdateText(true);
}

LRESULT CDateTimeWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pOwner == NULL) return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
    switch (uMsg) {
    case WM_KILLFOCUS: {
        LRESULT lRes = ::DefWindowProcW(m_hWnd, uMsg, wParam, lParam);
        // The drop-down calendar taking the focus is part of choosing a date.
        if (IsOwnPopup(reinterpret_cast<HWND>(wParam))) {
            ::SetTimer(m_hWnd, kCalendarFocusTimer, kCalendarFocusPeriod, NULL);
            return lRes;
        }
        WriteBack();
        PostMessage(WM_CLOSE);
        return lRes;
    }
    case WM_KEYUP:
        if (wParam == VK_BACK || wParam == VK_DELETE) {
            LRESULT lRes = ::DefWindowProcW(m_hWnd, uMsg, wParam, lParam);
            m_pOwner->m_nDTUpdateFlag = CDateTimeUI::kUpdateClear;
            m_pOwner->UpdateText(true);
            PostMessage(WM_CLOSE);
            return lRes;
        }
        if (wParam == VK_ESCAPE) {
            LRESULT lRes = ::DefWindowProcW(m_hWnd, uMsg, wParam, lParam);
            m_pOwner->m_nDTUpdateFlag = CDateTimeUI::kUpdateCancel;
            PostMessage(WM_CLOSE);
            return lRes;
        }
        break;
    case kReflectedNotify: {
        const NMHDR* pHeader = reinterpret_cast<const NMHDR*>(lParam);
        if (pHeader->code == DTN_DATETIMECHANGE) m_bChanged = true;
        return 0;
    }
    case WM_TIMER:
        if (wParam != kCalendarFocusTimer) break;
        {
            HWND hFocus = ::GetFocus();
            if (hFocus == m_hWnd || !IsOwnPopup(hFocus)) ::KillTimer(m_hWnd, kCalendarFocusTimer);
            // The focus left the calendar for a window other than the picker.
            if (hFocus != m_hWnd && !IsOwnPopup(hFocus)) {
                ::ShowWindow(DateTime_GetMonthCal(m_hWnd), SW_HIDE);
                WriteBack();
                PostMessage(WM_CLOSE);
            }
        }
        return 0;
    default: break;
    }
    return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

} // namespace SkinUI
