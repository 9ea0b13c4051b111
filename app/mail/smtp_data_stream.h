// SmtpDataStream: the message text between DATA and its closing dot. Whatever the
// text holds, every line ends in CR LF and a line that starts with a dot gets a
// second one, so that no part of the message can end it early; the server takes
// the added dot away again.
#pragma once

#include <cstddef>
#include <string>

#include "smtp_channel.h"

namespace shell {

class SmtpDataStream {
 public:
  explicit SmtpDataStream(SmtpChannel& channel) : channel_(channel) {}

  // Sends the text through; false once the channel failed.
  bool Write(const char* text, std::size_t size);
  bool Write(const std::string& text) { return Write(text.data(), text.size()); }
  // Sends what is still held, then the closing dot line.
  bool End();

 private:
  void Append(const char* text, std::size_t size);
  bool Flush();

  SmtpChannel& channel_;
  std::string pending_;
  bool atLineStart_ = true;
  bool afterCr_ = false;
  bool failed_ = false;
};

}  // namespace shell
