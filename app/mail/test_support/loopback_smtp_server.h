// A mail server for tests: a thread with a listening socket on 127.0.0.1 that
// takes one client and answers it as a relay with AUTH LOGIN would. A test can
// change the answer to any step, leave a step unanswered, or cut every answer into
// pieces sent one by one; afterwards it reads back the command lines and the
// message exactly as they arrived.
#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>

#include <atomic>
#include <cctype>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "winsock_scope.h"

namespace shelltest {

struct LoopbackSmtpOptions {
  std::string greeting = "220 loopback ESMTP\r\n";
  // Answers by step: "HELO", "AUTH", "USER" and "PASS" (the two lines after
  // AUTH LOGIN), "MAIL", "RCPT", "DATA", "." (the end of the message), "QUIT".
  // An empty answer says nothing and waits for the client to give up.
  std::map<std::string, std::string> replies;
  // Above 0: every answer goes out in pieces of this many bytes, one send each.
  std::size_t pieceBytes = 0;
  // Called on the server's thread with each step before it is answered.
  std::function<void(const std::string& step)> onStep;
};

class LoopbackSmtpServer {
 public:
  using Options = LoopbackSmtpOptions;

  explicit LoopbackSmtpServer(Options options = Options()) : options_(std::move(options)) {
    listener_.Reset(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    ::bind(listener_.Get(), reinterpret_cast<sockaddr*>(&address), sizeof(address));
    ::listen(listener_.Get(), 1);
    int length = sizeof(address);
    ::getsockname(listener_.Get(), reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~LoopbackSmtpServer() { Join(); }
  LoopbackSmtpServer(const LoopbackSmtpServer&) = delete;
  LoopbackSmtpServer& operator=(const LoopbackSmtpServer&) = delete;

  unsigned short port() const { return port_; }

  // Waits until the conversation is over; read the results only after it. A client
  // that never connected is not waited for.
  void Join() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  bool connected() const { return connected_; }
  // The command lines outside the message, without their line ends.
  const std::vector<std::string>& commands() const { return commands_; }
  // The message between the answer to DATA and the end line, as it arrived.
  const std::string& rawMessage() const { return rawMessage_; }
  // The message with the added dots taken away again, as a mail program reads it.
  std::string message() const {
    std::string out;
    std::size_t start = 0;
    while (start < rawMessage_.size()) {
      std::size_t end = rawMessage_.find('\n', start);
      end = end == std::string::npos ? rawMessage_.size() : end + 1;
      const std::size_t skip = rawMessage_[start] == '.' ? 1 : 0;
      out.append(rawMessage_, start + skip, end - start - skip);
      start = end;
    }
    return out;
  }
  bool messageEnded() const { return messageEnded_; }

 private:
  static std::string DefaultReply(const std::string& step) {
    static const std::map<std::string, std::string> kReplies = {
        {"HELO", "250 loopback\r\n"}, {"AUTH", "334 VXNlcm5hbWU6\r\n"}, {"USER", "334 UGFzc3dvcmQ6\r\n"},
        {"PASS", "235 welcome\r\n"},  {"MAIL", "250 sender ok\r\n"},    {"RCPT", "250 recipient ok\r\n"},
        {"DATA", "354 go ahead\r\n"}, {".", "250 queued\r\n"},          {"QUIT", "221 bye\r\n"},
    };
    const auto found = kReplies.find(step);
    return found != kReplies.end() ? found->second : "500 what\r\n";
  }

  std::string ReplyTo(const std::string& step) const {
    const auto found = options_.replies.find(step);
    return found != options_.replies.end() ? found->second : DefaultReply(step);
  }

  bool Say(SOCKET client, const std::string& text) {
    if (text.empty()) return false;
    const std::size_t piece = options_.pieceBytes > 0 ? options_.pieceBytes : text.size();
    for (std::size_t at = 0; at < text.size(); at += piece) {
      const int size = static_cast<int>(text.size() - at < piece ? text.size() - at : piece);
      if (::send(client, text.data() + at, size, 0) != size) return false;
      if (options_.pieceBytes > 0) ::Sleep(5);
    }
    return true;
  }

  // Waits until the client goes away.
  static void Listen(SOCKET client) {
    char chunk[4096];
    while (::recv(client, chunk, sizeof(chunk), 0) > 0) {
    }
  }

  void Serve() {
    // A client that has connected is in the backlog before Join is called.
    for (int slice = 0;; ++slice) {
      fd_set ready;
      FD_ZERO(&ready);
      FD_SET(listener_.Get(), &ready);
      timeval wait = {0, 20000};
      if (::select(0, &ready, nullptr, nullptr, &wait) == 1) break;
      if (stop_ || slice > 500) return;
    }
    shell::SocketHandle client(::accept(listener_.Get(), nullptr, nullptr));
    if (!client.valid()) return;
    connected_ = true;
    BOOL noDelay = TRUE;
    ::setsockopt(client.Get(), IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&noDelay), sizeof(noDelay));
    if (!Say(client.Get(), options_.greeting)) return Listen(client.Get());

    std::string pending;
    std::string lastStep;
    bool inMessage = false;
    char chunk[4096];
    for (;;) {
      const std::size_t end = pending.find('\n');
      if (end == std::string::npos) {
        const int got = ::recv(client.Get(), chunk, sizeof(chunk), 0);
        if (got <= 0) return;
        pending.append(chunk, static_cast<std::size_t>(got));
        continue;
      }
      std::string line = pending.substr(0, end + 1);
      pending.erase(0, end + 1);
      std::string step;
      if (inMessage) {
        if (line != ".\r\n") {
          rawMessage_ += line;
          continue;
        }
        inMessage = false;
        messageEnded_ = true;
        step = ".";
      } else {
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        commands_.push_back(line);
        if (lastStep == "AUTH") {
          step = "USER";
        } else if (lastStep == "USER") {
          step = "PASS";
        } else {
          step = line.substr(0, 4);
          for (char& c : step) c = static_cast<char>(::toupper(static_cast<unsigned char>(c)));
        }
      }
      lastStep = step;
      if (options_.onStep) options_.onStep(step);
      const std::string reply = ReplyTo(step);
      if (!Say(client.Get(), reply)) return Listen(client.Get());
      if (step == "DATA" && reply.compare(0, 3, "354") == 0) inMessage = true;
      if (step == "QUIT") return;
    }
  }

  Options options_;
  shell::WinsockSession session_;
  shell::SocketHandle listener_;
  unsigned short port_ = 0;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  bool connected_ = false;
  std::vector<std::string> commands_;
  std::string rawMessage_;
  bool messageEnded_ = false;
};

}  // namespace shelltest
