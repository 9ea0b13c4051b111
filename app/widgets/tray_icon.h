// TrayIcon: one notification-area icon for the window that owns it. The shell's
// mouse messages for the icon reach the owner as message 0x2342 (icon id 101); a
// small thread polls the cursor once a second to report when it leaves the icon,
// which the shell does not say.
#pragma once

#include <windows.h>
#include <shellapi.h>

namespace shell {

constexpr UINT kTrayCallbackMessage = 0x2342;
constexpr UINT kTrayIconId = 101;
// The size of the icon data that every Windows since 2000 takes.
constexpr DWORD kTrayIconDataSize = 936;

// The message the shell broadcasts when the taskbar (re)starts.
UINT TaskbarCreatedMessage();

class TrayIcon {
 public:
  TrayIcon();
  virtual ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // The notification area without the clock; 0 when there is no taskbar.
  virtual BOOL GetTrayRect(RECT* rect);
  virtual void OnMouseHover();
  virtual void OnMouseLeave();

  // Adds the icon; tried up to three times, stopping at the first success.
  bool AddIcon(HWND owner, HICON icon, const wchar_t* tip);
  void RemoveIcon();
  // A restarted taskbar has forgotten every icon: add ours again if we had one.
  void OnTaskbarCreated();
  // Whether the shell took the icon and it has not been removed since.
  bool HasIcon() const { return added_; }

  void OnMouseMove();

  // The hover flag, for tests.
  bool IsHovering();

 private:
  static DWORD WINAPI HoverThreadProc(void* param);
  void PollCursor();

  POINT lastCursor_ = {0, 0};
  HANDLE thread_ = nullptr;
  HANDLE stopEvent_ = nullptr;
  int hovering_ = 0;
  NOTIFYICONDATAW data_;
  CRITICAL_SECTION lock_;
  bool added_ = false;
  bool wanted_ = false;  // between AddIcon and RemoveIcon

  bool TryAdd();
};

}  // namespace shell
