// Where the user's feedback is mailed: the one place that holds the mail relay, the
// sending account and the support mailbox. The relay is a mail server on the shop's
// own PC, which forwards to the support mailbox.
#pragma once

#include "smtp_mail.h"

namespace shell {

struct FeedbackMailSettings {
  const char* serverHost;
  const char* serverAddress;  // used only when the host name is empty
  unsigned short port;
  const char* account;  // logs in and sends
  const char* password;
  const char* senderName;
  const char* recipient;
  const char* recipientName;
  unsigned long timeoutMs;
};

// The settings in force. Tests point them at a server of their own.
FeedbackMailSettings& FeedbackMailConfig();

// Fills the mail's server, login and addresses from the settings.
void AddressFeedbackMail(const FeedbackMailSettings& settings, SmtpMail* mail);

}  // namespace shell
