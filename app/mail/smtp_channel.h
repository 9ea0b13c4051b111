// SmtpChannel: one TCP conversation with a mail server, every wait bounded by a
// time-out, so that a server that stops answering cannot hold the UI thread for
// good. Replies are read whole, however many lines they have and however many
// receives they arrive in.
#pragma once

#include <winsock2.h>

#include <cstddef>
#include <string>

#include "winsock_scope.h"

namespace shell {

class SmtpChannel {
 public:
  // `timeoutMs` bounds the connect and each wait to send or to receive.
  explicit SmtpChannel(unsigned long timeoutMs) : timeoutMs_(timeoutMs) {}

  // Connects to the host by name, or, when the name is empty, to the dotted
  // address. Needs a started Winsock.
  bool Open(const char* hostName, const char* dottedAddress, unsigned short port);
  // Sends every byte; false on an error, a closed peer or a time-out.
  bool Send(const char* data, std::size_t size);
  bool Send(const std::string& text) { return Send(text.data(), text.size()); }
  // Reads one reply, all its lines, and answers its three-digit code; -1 when
  // none came whole (error, closed peer, time-out), 0 when it has no code.
  int ReadReply();
  // Tells the server nothing more follows and closes the socket.
  void Close();

 private:
  // Waits at most `ms` until the socket can send (or receive).
  bool WaitFor(bool writable, unsigned long ms);
  // Whether the received bytes begin with a whole reply; if so, where its last
  // line starts and how long the reply is.
  bool FindReply(std::size_t* lastLine, std::size_t* length) const;

  unsigned long timeoutMs_;
  SocketHandle socket_;
  std::string received_;  // bytes received and not yet taken as a reply
};

// The code of a reply's first line: its first three characters when they are
// digits, else 0.
int ReplyCode(const std::string& reply);

}  // namespace shell
