// The feedback relay, account and mailbox. Narrow texts are in the ANSI code page,
// as they go into the mail.
#include "feedback_mail_settings.h"

namespace shell {

FeedbackMailSettings& FeedbackMailConfig() {
  static FeedbackMailSettings settings = {
      "localhost",
      "",
      25,
      "feedback@tarvelstock.invalid",
      "tarvel-feedback-relay1",
      "用户",
      "support@tarvelstock.invalid",
      "客服",
      30000,
  };
  return settings;
}

void AddressFeedbackMail(const FeedbackMailSettings& settings, SmtpMail* mail) {
  mail->serverHost = settings.serverHost;
  mail->serverAddress = settings.serverAddress;
  mail->port = settings.port;
  mail->user = settings.account;
  mail->senderAddress = settings.account;
  mail->password = settings.password;
  mail->senderName = settings.senderName;
  mail->recipient = settings.recipient;
  mail->recipientName = settings.recipientName;
  mail->timeoutMs = settings.timeoutMs;
}

}  // namespace shell
