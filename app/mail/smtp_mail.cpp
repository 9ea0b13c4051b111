// SmtpMail::Send and its steps. The commands and header lines are the ones the
// support mailbox's filters have always seen; the message body goes through the
// data stream, which keeps its line ends and dots from confusing the server.
#include "smtp_mail.h"

#include <cstring>

#include "base64.h"
#include "smtp_channel.h"
#include "smtp_data_stream.h"
#include "whole_file.h"
#include "winsock_scope.h"

namespace shell {
namespace {

// A full chunk of attachment bytes is one base64 line of 4000 characters.
constexpr std::size_t kAttachmentChunk = 3000;

constexpr int kReplyOk = 250;
constexpr int kReplyForwarded = 251;
constexpr int kReplyAuthChallenge = 334;
constexpr int kReplyAuthOk = 235;
constexpr int kReplyStartData = 354;

std::string Text(const char* text) { return text != nullptr ? text : ""; }

// A header value stays on its own line: a line break in it would start a header
// of the sender's choosing.
std::string HeaderText(const char* text) {
  std::string value = Text(text);
  for (char& c : value) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return value;
}

bool Command(SmtpChannel& channel, const std::string& line, int expected, int alsoAccepted = 0) {
  if (!channel.Send(line)) return false;
  const int code = channel.ReadReply();
  return code == expected || (alsoAccepted != 0 && code == alsoAccepted);
}

}  // namespace

std::string AttachmentName(const std::string& path) {
  const std::size_t slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(slash + 1);
}

bool SmtpMail::Send() {
  for (const char* required :
       {serverAddress, serverHost, recipient, senderAddress, senderName, subject, user, password}) {
    if (required == nullptr) return false;
  }
  // Torn down after the channel (declared first): the socket closes while the
  // library still runs.
  WinsockSession session;
  if (!session.ok()) return false;
  SmtpChannel channel(timeoutMs);
  SmtpDataStream data(channel);
  return Connect(channel) && Login(channel) && SendEnvelope(channel, data) && SendTextPart(data) &&
         SendAttachments(data) && Finish(channel, data);
}

bool SmtpMail::Connect(SmtpChannel& channel) { return channel.Open(serverHost, serverAddress, port); }

bool SmtpMail::Login(SmtpChannel& channel) {
  // The greeting's code is not judged, but it must come: a server that says
  // nothing is not there.
  if (channel.ReadReply() < 0) return false;
  return Command(channel, "HELO []\r\n", kReplyOk) && Command(channel, "AUTH LOGIN\r\n", kReplyAuthChallenge) &&
         Command(channel, Base64Encode(Text(user)) + "\r\n", kReplyAuthChallenge) &&
         Command(channel, Base64Encode(Text(password)) + "\r\n", kReplyAuthOk);
}

bool SmtpMail::SendEnvelope(SmtpChannel& channel, SmtpDataStream& data) {
  if (!Command(channel, "MAIL FROM:<" + Text(senderAddress) + ">\r\n", kReplyOk) ||
      !Command(channel, "RCPT TO:<" + Text(recipient) + ">\r\n", kReplyOk, kReplyForwarded) ||
      !Command(channel, "DATA\r\n", kReplyStartData)) {
    return false;
  }
  return data.Write("From:\"" + HeaderText(senderName) + "\"<" + Text(senderAddress) + ">\r\n" + "To:\"" +
                    HeaderText(recipientName) + "\"<" + Text(recipient) + ">\r\n" + "Subject:" + HeaderText(subject) +
                    "\r\nMime-Version: 1.0\r\nContent-Type: multipart/mixed;   boundary=\"MORV\"\r\n\r\n");
}

bool SmtpMail::SendTextPart(SmtpDataStream& data) {
  return data.Write("--MORV\r\nContent-Type: text/plain;\r\n  charset=\"gb2312\"\r\n\r\n") &&
         (body == nullptr || data.Write(body, std::strlen(body))) && data.Write("\r\n\r\n");
}

bool SmtpMail::SendAttachments(SmtpDataStream& data) {
  for (const std::string& path : attachments) {
    std::vector<char> content;
    ReadWholeFile(path.c_str(), &content);
    const std::string name = AttachmentName(path);
    if (!data.Write("--MORV\r\nContent-Type: application/octet-stream;\r\n  name=\"" + name +
                    "\"\r\nContent-Transfer-Encoding: base64\r\nContent-Disposition: attachment;\r\n  filename=\"" +
                    name + "\"\r\n\r\n")) {
      return false;
    }
    for (std::size_t at = 0; at < content.size(); at += kAttachmentChunk) {
      const std::size_t size = content.size() - at < kAttachmentChunk ? content.size() - at : kAttachmentChunk;
      if (!data.Write(Base64Encode(content.data() + at, size) + "\r\n")) return false;
    }
  }
  return true;
}

bool SmtpMail::Finish(SmtpChannel& channel, SmtpDataStream& data) {
  if (!data.Write("--MORV--\r\n") || !data.End() || channel.ReadReply() != kReplyOk) return false;
  // The message is taken; how the server answers the goodbye no longer matters.
  channel.Send("QUIT\r\n");
  channel.Close();
  return true;
}

}  // namespace shell
