// SmtpMail: the program's own small mail client. It logs in to an SMTP server with
// AUTH LOGIN over plain TCP and sends one multipart message: a plain-text part in
// the ANSI code page (GBK) and any number of files as base64 attachments. Every
// step checks the server's answer, so a mail the server did not take is never
// reported as sent.
#pragma once

#include <string>
#include <vector>

namespace shell {

class SmtpChannel;
class SmtpDataStream;

class SmtpMail {
 public:
  // True only when the server has taken the whole message. Fails at once when
  // one of the texts other than the body and the recipient's name is unset.
  bool Send();

  // Files sent as attachments, in this order.
  std::vector<std::string> attachments;
  // ANSI texts, not owned; they must outlive Send. Empty texts are allowed.
  const char* user = nullptr;
  const char* password = nullptr;
  const char* senderName = nullptr;
  const char* senderAddress = nullptr;
  const char* recipient = nullptr;
  const char* recipientName = nullptr;
  const char* subject = nullptr;
  const char* body = nullptr;
  // The server by dotted address, used only when the host name is empty.
  const char* serverAddress = nullptr;
  const char* serverHost = nullptr;
  unsigned short port = 25;
  // Bounds the connect and every wait for the server to take or answer a line.
  unsigned long timeoutMs = 30000;

 private:
  bool Connect(SmtpChannel& channel);
  bool Login(SmtpChannel& channel);
  bool SendEnvelope(SmtpChannel& channel, SmtpDataStream& data);
  bool SendTextPart(SmtpDataStream& data);
  bool SendAttachments(SmtpDataStream& data);
  bool Finish(SmtpChannel& channel, SmtpDataStream& data);
};

// The name a file is attached under: the text after the last backslash of its
// path, empty when there is none.
std::string AttachmentName(const std::string& path);

}  // namespace shell
