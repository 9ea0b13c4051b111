// The mail client against a loopback server in the test: the command lines and
// the message byte for byte, every answer the client must judge (refusals,
// multi-line answers, answers in pieces), bodies that arrive whole whatever their
// size, line ends and dots, a server that stops answering, and attachments line by
// line.
#include <gtest/gtest.h>

#include <winsock2.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base64.h"
#include "smtp_mail.h"
#include "test_support/loopback_smtp_server.h"
#include "test_support/temp_file.h"

namespace {

using shelltest::LoopbackSmtpServer;
using shelltest::TempFile;

const char kHeaders[] =
    "From:\"用户\"<sender@shop.invalid>\r\n"
    "To:\"客服\"<support@shop.invalid>\r\n"
    "Subject:货到了\r\n"
    "Mime-Version: 1.0\r\n"
    "Content-Type: multipart/mixed;   boundary=\"MORV\"\r\n"
    "\r\n";
const char kTextPartHead[] = "--MORV\r\nContent-Type: text/plain;\r\n  charset=\"gb2312\"\r\n\r\n";
const char kEnd[] = "--MORV--\r\n";

// A mail to the loopback server with every text set.
struct TestMail {
  explicit TestMail(unsigned short port, const std::string& text = "库存不够了") : body(text) {
    mail.user = "sender@shop.invalid";
    mail.password = "relay-password-22chars";
    mail.senderName = "用户";
    mail.senderAddress = "sender@shop.invalid";
    mail.recipient = "support@shop.invalid";
    mail.recipientName = "客服";
    mail.subject = "货到了";
    mail.body = body.c_str();
    mail.serverAddress = "";
    mail.serverHost = "localhost";
    mail.port = port;
    mail.timeoutMs = 5000;
  }
  std::string body;
  shell::SmtpMail mail;
};

// The text part of a message, as the server read it.
std::string TextOf(const std::string& message) {
  const std::string head = kHeaders + std::string(kTextPartHead);
  if (message.compare(0, head.size(), head) != 0) return "<headers differ>";
  const std::size_t end = message.rfind("\r\n\r\n--MORV");
  if (end == std::string::npos || end < head.size()) return "<no end>";
  return message.substr(head.size(), end - head.size());
}

TEST(SmtpMail, SpeaksItsCommandsInOrderAndSendsTheMessageByteForByte) {
  for (const char* host : {"localhost", ""}) {
    LoopbackSmtpServer server;
    TestMail test(server.port());
    test.mail.serverHost = host;
    test.mail.serverAddress = "127.0.0.1";
    EXPECT_TRUE(test.mail.Send()) << host;
    server.Join();
    const std::vector<std::string> expected = {
        "HELO []",
        "AUTH LOGIN",
        "c2VuZGVyQHNob3AuaW52YWxpZA==",
        "cmVsYXktcGFzc3dvcmQtMjJjaGFycw==",
        "MAIL FROM:<sender@shop.invalid>",
        "RCPT TO:<support@shop.invalid>",
        "DATA",
        "QUIT",
    };
    EXPECT_EQ(expected, server.commands()) << host;
    EXPECT_EQ(kHeaders + std::string(kTextPartHead) + "库存不够了\r\n\r\n" + kEnd, server.rawMessage()) << host;
    EXPECT_TRUE(server.messageEnded()) << host;
  }
}

// Each answer the client hears decides whether it goes on; a mail the server did
// not take is not sent.
TEST(SmtpMail, JudgesEveryAnswer) {
  struct Case {
    const char* step;
    const char* reply;
    std::size_t pieceBytes;
    bool sent;
    const char* lastCommand;  // the last command line the server read
  } cases[] = {
      {"HELO", "250 fine\r\n", 0, true, "QUIT"},
      {"HELO", "250-loopback\r\n250-SIZE 10240000\r\n250 AUTH LOGIN\r\n", 0, true, "QUIT"},
      {"HELO", "250-loopback\r\n250-SIZE 10240000\r\n250 AUTH LOGIN\r\n", 1, true, "QUIT"},
      {"AUTH", "334 VXNlcm5hbWU6\r\n", 3, true, "QUIT"},
      {"greeting", "220-loopback\r\n220-no spam\r\n220 ready\r\n", 0, true, "QUIT"},
      {"greeting", "220-loopback\r\n220 ready\r\n", 2, true, "QUIT"},
      {"RCPT", "251 user not local; will forward\r\n", 0, true, "QUIT"},
      {"HELO", "250 fine\n", 0, true, "QUIT"},
      {"HELO", "501 syntax\r\n", 0, false, "HELO []"},
      {"AUTH", "504 unknown mechanism\r\n", 0, false, "AUTH LOGIN"},
      {"PASS", "535 authentication failed\r\n", 0, false, "cmVsYXktcGFzc3dvcmQtMjJjaGFycw=="},
      {"MAIL", "553 sender refused\r\n", 0, false, "MAIL FROM:<sender@shop.invalid>"},
      {"RCPT", "550 no such user\r\n", 0, false, "RCPT TO:<support@shop.invalid>"},
      {"RCPT", "550-no such user\r\n550 really\r\n", 1, false, "RCPT TO:<support@shop.invalid>"},
      {"DATA", "554 no valid recipients\r\n", 0, false, "DATA"},
      {".", "552 message too big\r\n", 0, false, "DATA"},
      {".", "250 queued\r\n", 1, true, "QUIT"},
  };
  for (const Case& c : cases) {
    const std::string label = std::string(c.step) + " " + c.reply;
    LoopbackSmtpServer::Options options;
    if (std::string(c.step) == "greeting") {
      options.greeting = c.reply;
    } else {
      options.replies[c.step] = c.reply;
    }
    options.pieceBytes = c.pieceBytes;
    LoopbackSmtpServer server(options);
    TestMail test(server.port());
    EXPECT_EQ(c.sent, test.mail.Send()) << label;
    server.Join();
    ASSERT_FALSE(server.commands().empty()) << label;
    EXPECT_EQ(c.lastCommand, server.commands().back()) << label;
  }
}

// The body arrives whole, whatever its length; every line ends in CR LF, and a
// dot at the start of a line can neither end the message early nor be lost.
TEST(SmtpMail, BodyArrivesWholeWithItsLineEndsAndDots) {
  std::string tenKilobytes;
  for (int line = 0; tenKilobytes.size() < 10 * 1024; ++line) {
    tenKilobytes +=
        "第" + std::to_string(line) + "行 " + std::string(static_cast<std::size_t>(line % 97), 'x') + "\r\n";
  }
  tenKilobytes += "最后一行";
  std::string longLine(50000, 'y');
  struct Case {
    std::string body;
    std::string received;
  } cases[] = {
      {tenKilobytes, tenKilobytes},
      {longLine, longLine},
      {"", ""},
      {"a\nb\rc\r\nd\n\ne", "a\r\nb\r\nc\r\nd\r\n\r\ne"},
      {"上\n.\n下", "上\r\n.\r\n下"},
      {".", "."},
      {"\r\n.\r\nQUIT\r\n", "\r\n.\r\nQUIT\r\n"},
      {"..两个点\n...三个点", "..两个点\r\n...三个点"},
      {"末尾\r", "末尾\r\n"},
  };
  for (const Case& c : cases) {
    LoopbackSmtpServer server;
    TestMail test(server.port(), c.body);
    EXPECT_TRUE(test.mail.Send()) << c.body.substr(0, 40);
    server.Join();
    EXPECT_TRUE(server.messageEnded());
    EXPECT_EQ(c.received, TextOf(server.message())) << c.body.substr(0, 40);
    EXPECT_EQ(std::string::npos, server.rawMessage().find("\r\n.\r\n")) << "no line of a lone dot inside";
  }
}

TEST(SmtpMail, NoBodyStillSendsTheTextPart) {
  LoopbackSmtpServer server;
  TestMail test(server.port());
  test.mail.body = nullptr;
  EXPECT_TRUE(test.mail.Send());
  server.Join();
  EXPECT_EQ("", TextOf(server.message()));
}

// A line break in the subject would start a header of the sender's choosing.
TEST(SmtpMail, TheSubjectStaysOnItsHeaderLine) {
  LoopbackSmtpServer server;
  TestMail test(server.port());
  test.mail.subject = "货到了\r\nBcc: someone@shop.invalid";
  EXPECT_TRUE(test.mail.Send());
  server.Join();
  EXPECT_NE(std::string::npos, server.message().find("Subject:货到了  Bcc: someone@shop.invalid\r\nMime-Version"));
}

// A server that stops answering, at whatever step, ends the send after the
// time-out instead of holding the program.
TEST(SmtpMail, ASilentServerTimesOut) {
  for (const char* step : {"greeting", "HELO", "RCPT", "DATA", "."}) {
    LoopbackSmtpServer::Options options;
    if (std::string(step) == "greeting") {
      options.greeting = "";
    } else {
      options.replies[step] = "";
    }
    LoopbackSmtpServer server(options);
    TestMail test(server.port());
    test.mail.timeoutMs = 300;
    EXPECT_FALSE(test.mail.Send()) << step;
    server.Join();
    EXPECT_TRUE(server.connected()) << step;
  }
}

TEST(SmtpMail, NoServerFails) {
  // A port held bound but not listening refuses connections.
  shell::WinsockSession session;
  shell::SocketHandle bound(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(0, ::bind(bound.Get(), reinterpret_cast<sockaddr*>(&address), sizeof(address)));
  int length = sizeof(address);
  ::getsockname(bound.Get(), reinterpret_cast<sockaddr*>(&address), &length);
  TestMail refused(ntohs(address.sin_port));
  EXPECT_FALSE(refused.mail.Send());
  TestMail unknown(ntohs(address.sin_port));
  unknown.mail.serverHost = "";
  unknown.mail.serverAddress = "not an address";
  EXPECT_FALSE(unknown.mail.Send());
}

// Every text but the body and the recipient's name must be set; the server is not
// even called otherwise.
TEST(SmtpMail, MissingTextsFailBeforeConnecting) {
  const char* shell::SmtpMail::*required[] = {
      &shell::SmtpMail::serverAddress, &shell::SmtpMail::serverHost, &shell::SmtpMail::recipient,
      &shell::SmtpMail::senderAddress, &shell::SmtpMail::senderName, &shell::SmtpMail::subject,
      &shell::SmtpMail::user,          &shell::SmtpMail::password,
  };
  for (auto field : required) {
    LoopbackSmtpServer server;
    TestMail test(server.port());
    test.mail.*field = nullptr;
    EXPECT_FALSE(test.mail.Send());
    server.Join();
    EXPECT_FALSE(server.connected());
  }
  LoopbackSmtpServer server;
  TestMail test(server.port());
  test.mail.recipientName = nullptr;
  EXPECT_TRUE(test.mail.Send());
  server.Join();
  EXPECT_NE(std::string::npos, server.message().find("To:\"\"<support@shop.invalid>\r\n"));
}

std::string Bytes(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + i / 251) & 0xFF);
  return bytes;
}

// Each attachment comes under its header; a full chunk of 3000 bytes is one line
// of 4000 base64 characters, and the lines decode to the file.
TEST(SmtpMail, AttachmentsGoLineByLine) {
  struct Case {
    std::size_t size;
    std::vector<std::size_t> lineLengths;
  } cases[] = {
      {0, {}},
      {1, {4}},
      {2999, {4000}},
      {3000, {4000}},
      {3001, {4000, 4}},
      {6000, {4000, 4000}},
      {1000000, std::vector<std::size_t>(333, 4000)},
  };
  cases[6].lineLengths.push_back(4 * ((1000000 - 333 * 3000 + 2) / 3));
  for (const Case& c : cases) {
    const std::string content = Bytes(c.size);
    TempFile file("tarvel_attachment_" + std::to_string(c.size) + ".bin", content);
    LoopbackSmtpServer server;
    TestMail test(server.port());
    test.mail.attachments.push_back(file.path);
    EXPECT_TRUE(test.mail.Send()) << c.size;
    server.Join();
    const std::string name = "tarvel_attachment_" + std::to_string(c.size) + ".bin";
    const std::string head = "--MORV\r\nContent-Type: application/octet-stream;\r\n  name=\"" + name +
                             "\"\r\nContent-Transfer-Encoding: base64\r\nContent-Disposition: attachment;\r\n"
                             "  filename=\"" +
                             name + "\"\r\n\r\n";
    const std::string message = server.message();
    const std::size_t at = message.find(head);
    ASSERT_NE(std::string::npos, at) << c.size;
    const std::size_t end = message.find(kEnd, at);
    ASSERT_NE(std::string::npos, end) << c.size;
    std::vector<std::size_t> lengths;
    std::string joined;
    for (std::size_t line = at + head.size(); line < end;) {
      const std::size_t lineEnd = message.find("\r\n", line);
      lengths.push_back(lineEnd - line);
      joined += message.substr(line, lineEnd - line);
      line = lineEnd + 2;
    }
    EXPECT_EQ(c.lineLengths, lengths) << c.size;
    std::string expected;
    for (std::size_t chunk = 0; chunk < content.size(); chunk += 3000) {
      expected += shell::Base64Encode(content.substr(chunk, 3000));
    }
    EXPECT_TRUE(expected == joined) << c.size;
    EXPECT_EQ(message.size(), end + std::string(kEnd).size()) << "the end boundary closes the message";
  }
}

// Attachments follow in list order; a file that cannot be read sends its header
// alone and the mail still goes.
TEST(SmtpMail, AttachmentsInOrderAndUnreadableOnes) {
  TempFile first("tarvel_first.txt", "abc");
  TempFile second("tarvel_second.txt", "de");
  LoopbackSmtpServer server;
  TestMail test(server.port());
  test.mail.attachments = {second.path, "C:\\no such folder\\gone.txt", first.path};
  EXPECT_TRUE(test.mail.Send());
  server.Join();
  const std::string message = server.message();
  const std::size_t a = message.find("filename=\"tarvel_second.txt\"\r\n\r\nZGU=\r\n--MORV\r\n");
  const std::size_t b = message.find("filename=\"gone.txt\"\r\n\r\n--MORV\r\n");
  const std::size_t c = message.find("filename=\"tarvel_first.txt\"\r\n\r\nYWJj\r\n--MORV--\r\n");
  EXPECT_NE(std::string::npos, a);
  EXPECT_NE(std::string::npos, b);
  EXPECT_NE(std::string::npos, c);
  EXPECT_TRUE(a < b && b < c);
}

TEST(SmtpMail, AttachmentNameIsTheTextAfterTheLastBackslash) {
  struct Case {
    const char* path;
    const char* name;
  } cases[] = {
      {"C:\\反馈\\截图.png", "截图.png"},    {"C:\\a\\b\\", ""}, {"log.txt", ""}, {"C:/forward/slash.txt", ""},
      {"\\\\server\\share\\x.bin", "x.bin"}, {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.name, shell::AttachmentName(c.path)) << c.path;
}

}  // namespace
