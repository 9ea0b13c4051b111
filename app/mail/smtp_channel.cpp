// SmtpChannel over a non-blocking socket: every send and receive first waits in
// select() for at most the time-out, so a blocked peer ends the conversation
// instead of the program's patience.
#include "smtp_channel.h"

#include <ws2tcpip.h>

#include <cstring>

namespace shell {
namespace {

// A server that sends this much without finishing a reply is not speaking SMTP.
constexpr std::size_t kMaxReplyBytes = 64 * 1024;
// How long a closing conversation waits for the server's last words.
constexpr unsigned long kGoodbyeWaitMs = 1000;

bool WouldBlock() {
  const int error = ::WSAGetLastError();
  return error == WSAEWOULDBLOCK || error == WSAEINPROGRESS || error == WSAEINTR;
}

}  // namespace

int ReplyCode(const std::string& reply) {
  if (reply.size() < 3) return 0;
  int code = 0;
  for (int i = 0; i < 3; ++i) {
    if (reply[i] < '0' || reply[i] > '9') return 0;
    code = code * 10 + (reply[i] - '0');
  }
  return code;
}

bool SmtpChannel::Open(const char* hostName, const char* dottedAddress, unsigned short port) {
  sockaddr_in address;
  std::memset(&address, 0, sizeof(address));
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  if (hostName == nullptr || *hostName == '\0') {
    if (dottedAddress == nullptr) return false;
    address.sin_addr.s_addr = ::inet_addr(dottedAddress);
    if (address.sin_addr.s_addr == INADDR_NONE) return false;
  } else {
    const hostent* host = ::gethostbyname(hostName);
    if (host == nullptr || host->h_addrtype != AF_INET || host->h_addr_list[0] == nullptr) return false;
    std::memcpy(&address.sin_addr, host->h_addr_list[0], sizeof(address.sin_addr));
  }

  socket_.Reset(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
  if (!socket_.valid()) return false;
  u_long nonBlocking = 1;
  if (::ioctlsocket(socket_.Get(), FIONBIO, &nonBlocking) != 0) return false;
  if (::connect(socket_.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0) return true;
  if (::WSAGetLastError() != WSAEWOULDBLOCK) return false;
  if (!WaitFor(true, timeoutMs_)) return false;
  int error = 0;
  int length = sizeof(error);
  if (::getsockopt(socket_.Get(), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) != 0) return false;
  return error == 0;
}

bool SmtpChannel::WaitFor(bool writable, unsigned long ms) {
  fd_set ready;
  FD_ZERO(&ready);
  FD_SET(socket_.Get(), &ready);
  // A refused connect shows in the exception set, not as writable.
  fd_set failed;
  FD_ZERO(&failed);
  FD_SET(socket_.Get(), &failed);
  timeval wait;
  wait.tv_sec = static_cast<long>(ms / 1000);
  wait.tv_usec = static_cast<long>(ms % 1000) * 1000;
  const int count = ::select(0, writable ? nullptr : &ready, writable ? &ready : nullptr, &failed, &wait);
  return count > 0 && FD_ISSET(socket_.Get(), &ready);
}

bool SmtpChannel::Send(const char* data, std::size_t size) {
  if (!socket_.valid()) return false;
  while (size > 0) {
    if (!WaitFor(true, timeoutMs_)) return false;
    const int piece = size > 0x10000 ? 0x10000 : static_cast<int>(size);
    const int sent = ::send(socket_.Get(), data, piece, 0);
    if (sent == SOCKET_ERROR) {
      if (WouldBlock()) continue;
      return false;
    }
    data += sent;
    size -= static_cast<std::size_t>(sent);
  }
  return true;
}

bool SmtpChannel::FindReply(std::size_t* lastLine, std::size_t* length) const {
  // Lines "ddd-text" go on; the first other line ends the reply.
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = received_.find('\n', start);
    if (end == std::string::npos) return false;
    const bool continued = end - start >= 4 && received_[start + 3] == '-';
    if (!continued) {
      *lastLine = start;
      *length = end + 1;
      return true;
    }
    start = end + 1;
  }
}

int SmtpChannel::ReadReply() {
  if (!socket_.valid()) return -1;
  std::size_t lastLine = 0;
  std::size_t length = 0;
  while (!FindReply(&lastLine, &length)) {
    if (received_.size() > kMaxReplyBytes) return -1;
    if (!WaitFor(false, timeoutMs_)) return -1;
    char chunk[1024];
    const int got = ::recv(socket_.Get(), chunk, sizeof(chunk), 0);
    if (got == 0) return -1;
    if (got == SOCKET_ERROR) {
      if (WouldBlock()) continue;
      return -1;
    }
    received_.append(chunk, static_cast<std::size_t>(got));
  }
  // Every line of a reply carries the same code; the last line is the one that counts.
  const int code = ReplyCode(received_.substr(lastLine, length - lastLine));
  received_.erase(0, length);
  return code;
}

void SmtpChannel::Close() {
  if (!socket_.valid()) return;
  // A socket closed with unread bytes is reset, and a reset can overtake the last
  // line sent. So say the end, take what the server still says for a moment (its
  // goodbye), and close after it.
  ::shutdown(socket_.Get(), SD_SEND);
  const unsigned long wait = timeoutMs_ < kGoodbyeWaitMs ? timeoutMs_ : kGoodbyeWaitMs;
  char chunk[1024];
  while (WaitFor(false, wait) && ::recv(socket_.Get(), chunk, sizeof(chunk), 0) > 0) {
  }
  socket_.Reset();
  received_.clear();
}

}  // namespace shell
