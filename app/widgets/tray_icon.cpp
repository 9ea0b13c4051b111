// The tray icon, its hover-polling thread and the taskbar lookup.
#include "tray_icon.h"

#include <cstring>
#include <cwchar>

namespace shell {

static_assert(sizeof(NOTIFYICONDATAW) >= kTrayIconDataSize, "icon data smaller than the size announced");

TrayIcon::TrayIcon() {
  std::memset(&data_, 0, sizeof(data_));
  ::InitializeCriticalSection(&lock_);
  stopEvent_ = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
  thread_ = ::CreateThread(nullptr, 0, &TrayIcon::HoverThreadProc, this, 0, nullptr);
}

TrayIcon::~TrayIcon() {
  if (thread_ != nullptr) {
    ::SetEvent(stopEvent_);
    if (::WaitForSingleObject(thread_, 5000) != WAIT_OBJECT_0) ::TerminateThread(thread_, 0);
    ::CloseHandle(thread_);
  }
  if (stopEvent_ != nullptr) ::CloseHandle(stopEvent_);
  ::DeleteCriticalSection(&lock_);
  RemoveIcon();
}

BOOL TrayIcon::GetTrayRect(RECT* rect) {
  HWND taskbar = ::FindWindowW(L"Shell_TrayWnd", nullptr);
  if (taskbar == nullptr || rect == nullptr) return FALSE;
  for (HWND child = ::GetWindow(taskbar, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    wchar_t className[64] = {};
    ::GetClassNameW(child, className, 64);
    if (std::wcscmp(className, L"TrayNotifyWnd") == 0) {
      ::GetWindowRect(child, rect);
    } else if (std::wcscmp(className, L"TrayClockWClass") == 0) {
      RECT clock;
      ::GetWindowRect(child, &clock);
      rect->right = clock.left;
      break;
    }
  }
  return TRUE;
}

void TrayIcon::OnMouseHover() {
  if (::IsWindow(data_.hWnd)) ::PostMessageW(data_.hWnd, kTrayCallbackMessage, kTrayIconId, WM_MOUSEHOVER);
}

void TrayIcon::OnMouseLeave() {
  if (::IsWindow(data_.hWnd)) ::PostMessageW(data_.hWnd, kTrayCallbackMessage, kTrayIconId, WM_MOUSELEAVE);
}

bool TrayIcon::AddIcon(HWND owner, HICON icon, const wchar_t* tip) {
  data_.cbSize = kTrayIconDataSize;
  data_.hWnd = owner;
  data_.uID = kTrayIconId;
  data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data_.uCallbackMessage = kTrayCallbackMessage;
  data_.hIcon = icon;
  wcsncpy(data_.szTip, tip != nullptr ? tip : L"", 127);
  data_.szTip[127] = L'\0';
  wanted_ = true;
  added_ = false;
  return TryAdd();
}

bool TrayIcon::TryAdd() {
  // The shell may still be starting; a few tries cover that, a success ends them.
  for (int attempt = 0; attempt < 3 && !added_; ++attempt) added_ = ::Shell_NotifyIconW(NIM_ADD, &data_) != FALSE;
  return added_;
}

void TrayIcon::RemoveIcon() {
  if (data_.hWnd == nullptr) return;
  ::Shell_NotifyIconW(NIM_DELETE, &data_);
  added_ = false;
  wanted_ = false;
}

void TrayIcon::OnTaskbarCreated() {
  if (!wanted_) return;
  added_ = false;
  TryAdd();
}

UINT TaskbarCreatedMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

void TrayIcon::OnMouseMove() {
  bool report = false;
  ::EnterCriticalSection(&lock_);
  ::GetCursorPos(&lastCursor_);
  if (hovering_ == 0) {
    hovering_ = 1;
    report = true;
  }
  ::LeaveCriticalSection(&lock_);
  if (report) OnMouseHover();
}

bool TrayIcon::IsHovering() {
  ::EnterCriticalSection(&lock_);
  const bool hovering = hovering_ != 0;
  ::LeaveCriticalSection(&lock_);
  return hovering;
}

void TrayIcon::PollCursor() {
  bool left = false;
  // Read and clear under the lock, so that a move being recorded is never lost.
  ::EnterCriticalSection(&lock_);
  if (hovering_ == 1) {
    POINT now;
    ::GetCursorPos(&now);
    if (now.x != lastCursor_.x || now.y != lastCursor_.y) {
      hovering_ = 0;
      left = true;
    }
  }
  ::LeaveCriticalSection(&lock_);
  if (left) OnMouseLeave();
}

DWORD WINAPI TrayIcon::HoverThreadProc(void* param) {
  TrayIcon* self = static_cast<TrayIcon*>(param);
  while (::WaitForSingleObject(self->stopEvent_, 1000) == WAIT_TIMEOUT) self->PollCursor();
  return 0;
}

}  // namespace shell
