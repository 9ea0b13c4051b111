// Scope classes for Windows Sockets: the library started (version 2.2 exactly) and
// cleaned up again, and a socket closed at scope end, so that the mail client's
// every way out of a conversation leaves neither behind.
#pragma once

#include <winsock2.h>

namespace shell {

class WinsockSession {
 public:
  WinsockSession() {
    WSADATA data;
    started_ = ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    // A library that cannot offer 2.2 still counts a start that must be undone.
    ok_ = started_ && data.wVersion == MAKEWORD(2, 2);
  }
  ~WinsockSession() {
    if (started_) ::WSACleanup();
  }
  WinsockSession(const WinsockSession&) = delete;
  WinsockSession& operator=(const WinsockSession&) = delete;
  bool ok() const { return ok_; }

 private:
  bool started_ = false;
  bool ok_ = false;
};

class SocketHandle {
 public:
  explicit SocketHandle(SOCKET s = INVALID_SOCKET) : s_(s) {}
  ~SocketHandle() { Reset(); }
  SocketHandle(const SocketHandle&) = delete;
  SocketHandle& operator=(const SocketHandle&) = delete;
  void Reset(SOCKET s = INVALID_SOCKET) {
    if (s_ != INVALID_SOCKET) ::closesocket(s_);
    s_ = s;
  }
  SOCKET Get() const { return s_; }
  bool valid() const { return s_ != INVALID_SOCKET; }

 private:
  SOCKET s_;
};

}  // namespace shell
