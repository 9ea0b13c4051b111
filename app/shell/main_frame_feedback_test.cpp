// The feedback command from the help menu, end to end: the dialog filled in, the
// mail taken by a loopback server in the test, and the box that tells the user
// whether it went; a cancelled dialog, or one without a subject or text, sends
// nothing; a failed send gives the typed text back; the wait cursor is up while
// the server is being spoken to.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "feedback_dialog.h"
#include "feedback_mail_settings.h"
#include "message_dialog.h"
#include "test_support/loopback_smtp_server.h"
#include "test_support/shell_doubles.h"

namespace {

using shelltest::LoopbackSmtpServer;
using shelltest::MainWindow;

// One press of the feedback dialog's OK or Cancel, after filling the fields (a
// null text leaves the field as it is).
struct FeedbackPress {
  const wchar_t* subject;
  const wchar_t* body;
  bool ok;
};
const wchar_t kSubject[] = L"单据打印不全";
const wchar_t kBody[] = L"第二页\r\n.\r\n没有合计行";
const FeedbackPress kSend{kSubject, kBody, true};
const FeedbackPress kCancel{nullptr, nullptr, false};

// Answers each showing of the feedback dialog with its presses, in order, and every
// message box with OK. Remembers "subject|body" that each showing came up with, and
// what the user was told: "title|text|icon image" of each box, "tip|text" when a
// press left a text in the dialog's tip.
struct FeedbackAnswers {
  static std::vector<std::vector<FeedbackPress>>& Showings() {
    static std::vector<std::vector<FeedbackPress>> showings;
    return showings;
  }
  static std::vector<std::wstring>& Shown() {
    static std::vector<std::wstring> shown;
    return shown;
  }
  static std::vector<std::wstring>& Boxes() {
    static std::vector<std::wstring> boxes;
    return boxes;
  }
  static void Watch(shell::SkinDialog* dialog) {
    if (auto* box = dynamic_cast<shell::CMsgDlg*>(dialog)) {
      SkinUI::CControlUI* image = box->FindControl(L"msgdlg_img");
      Boxes().push_back(std::wstring(box->GetTitle().GetData()) + L"|" + box->GetText().GetData() + L"|" +
                        (image != nullptr ? image->GetBkImage() : L"<no image>"));
      box->Close(1);
      return;
    }
    if (dynamic_cast<shell::CDlgFeedBack*>(dialog) == nullptr) return;
    Shown().push_back(std::wstring(dialog->GetControlText(L"feedback_title").GetData()) + L"|" +
                      dialog->GetControlText(L"feedback_body").GetData());
    if (Showings().empty()) {
      ADD_FAILURE() << "the feedback dialog came once more than scripted";
      dialog->Close(shell::kDialogCancel);
      return;
    }
    const std::vector<FeedbackPress> presses = Showings().front();
    Showings().erase(Showings().begin());
    for (const FeedbackPress& press : presses) {
      if (press.subject != nullptr) dialog->SetControlText(L"feedback_title", press.subject);
      if (press.body != nullptr) dialog->SetControlText(L"feedback_body", press.body);
      SkinUI::CControlUI* button = dialog->FindControl(press.ok ? L"msgdlg_ok" : L"msgdlg_cancel");
      ASSERT_NE(nullptr, button);
      dialog->SetControlText(L"tip", L"");
      dialog->GetPaintManager()->SendNotify(button, L"click", 0, 0, false);
      const SkinUI::CUIString tip = dialog->GetControlText(L"tip");
      if (!tip.IsEmpty()) Boxes().push_back(std::wstring(L"tip|") + tip.GetData());
    }
  }
};

class FeedbackAnswering {
 public:
  explicit FeedbackAnswering(std::vector<std::vector<FeedbackPress>> showings)
      : previous_(shell::SetDialogWatcher(&FeedbackAnswers::Watch)) {
    FeedbackAnswers::Showings() = std::move(showings);
    FeedbackAnswers::Shown().clear();
    FeedbackAnswers::Boxes().clear();
  }
  ~FeedbackAnswering() {
    shell::SetDialogWatcher(previous_);
    EXPECT_TRUE(FeedbackAnswers::Showings().empty()) << "scripted showings of the dialog never came";
  }

 private:
  shell::DialogWatcher previous_;
};

// Points the feedback mail at the test's server for one scope.
class FeedbackServer {
 public:
  explicit FeedbackServer(unsigned short port) : saved_(shell::FeedbackMailConfig()) {
    shell::FeedbackMailConfig().port = port;
    shell::FeedbackMailConfig().timeoutMs = 2000;
  }
  ~FeedbackServer() { shell::FeedbackMailConfig() = saved_; }

 private:
  shell::FeedbackMailSettings saved_;
};

std::wstring Box(const wchar_t* title, const wchar_t* text, unsigned icon) {
  return std::wstring(title) + L"|" + text + L"|" + shell::MsgDlgIconImage(icon);
}

TEST(Feedback, TheMenuMailsTheDialogsTextAndSaysHowItWent) {
  // The rich edit keeps a line break as a carriage return.
  const std::wstring typed = std::wstring(kSubject) + L"|第二页\r.\r没有合计行";
  const std::wstring ask = L"tip|请填写反馈的主题和内容。";
  struct Case {
    const char* label;
    const char* rcptReply;
    std::vector<std::vector<FeedbackPress>> showings;
    std::vector<std::wstring> told;
    std::vector<std::wstring> shown;  // what each showing of the dialog came up with
    bool connected;
    bool mailed;
  } cases[] = {
      {"taken", "250 ok\r\n", {{kSend}}, {Box(L"提示", L"反馈完毕", shell::kMsgDlgIconInfo)}, {L"|"}, true, true},
      // A failed send opens the dialog again with what was typed.
      {"recipient refused",
       "550 no such user\r\n",
       {{kSend}, {kCancel}},
       {Box(L"错误", L"反馈发送失败！", shell::kMsgDlgIconError)},
       {L"|", typed},
       true,
       false},
      {"cancelled", "250 ok\r\n", {{kCancel}}, {}, {L"|"}, false, false},
      // An empty subject or text is asked for; the dialog stays with what was typed.
      {"no subject", "250 ok\r\n", {{{L"", kBody, true}, kCancel}}, {ask}, {L"|"}, false, false},
      {"no text", "250 ok\r\n", {{{kSubject, L"", true}, kCancel}}, {ask}, {L"|"}, false, false},
      {"blank text", "250 ok\r\n", {{{kSubject, L"  \r\n ", true}, kCancel}}, {ask}, {L"|"}, false, false},
      {"no subject, then filled in",
       "250 ok\r\n",
       {{{L"", kBody, true}, kSend}},
       {ask, Box(L"提示", L"反馈完毕", shell::kMsgDlgIconInfo)},
       {L"|"},
       true,
       true},
  };
  MainWindow main("老板");
  for (const Case& c : cases) {
    LoopbackSmtpServer::Options options;
    options.replies["RCPT"] = c.rcptReply;
    LoopbackSmtpServer server(options);
    FeedbackServer pointed(server.port());
    {
      FeedbackAnswering answers(c.showings);
      main.frame().OnMenuCommand(L"menu_help_feedback");
      server.Join();
      EXPECT_EQ(c.told, FeedbackAnswers::Boxes()) << c.label;
      EXPECT_EQ(c.shown, FeedbackAnswers::Shown()) << c.label;
    }
    EXPECT_EQ(c.mailed, server.messageEnded()) << c.label;
    EXPECT_EQ(c.connected, server.connected()) << c.label;
    if (c.mailed) {
      const std::string message = server.message();
      EXPECT_NE(std::string::npos, message.find("From:\"用户\"<feedback@tarvelstock.invalid>\r\n"));
      EXPECT_NE(std::string::npos, message.find("To:\"客服\"<support@tarvelstock.invalid>\r\n"));
      EXPECT_NE(std::string::npos, message.find("Subject:单据打印不全\r\n"));
      EXPECT_NE(std::string::npos, message.find("\r\n\r\n第二页\r\n.\r\n没有合计行\r\n\r\n--MORV--\r\n"));
    }
    EXPECT_TRUE(main.Alive()) << c.label;
  }
}

// The UI thread cannot paint while it talks to the server; the wait cursor stands
// for it, and the arrow comes back afterwards.
TEST(Feedback, TheWaitCursorIsUpWhileTheServerIsSpokenTo) {
  MainWindow main("老板");
  const HCURSOR arrow = ::LoadCursor(nullptr, IDC_ARROW);
  ::SetCursor(arrow);
  const DWORD uiThread = ::GetCurrentThreadId();
  HCURSOR duringMail = nullptr;
  LoopbackSmtpServer::Options options;
  options.onStep = [&](const std::string& step) {
    if (step != "MAIL") return;
    // Sharing the UI thread's input state, this thread sees its cursor.
    ::AttachThreadInput(::GetCurrentThreadId(), uiThread, TRUE);
    duringMail = ::GetCursor();
    ::AttachThreadInput(::GetCurrentThreadId(), uiThread, FALSE);
  };
  LoopbackSmtpServer server(options);
  FeedbackServer pointed(server.port());
  FeedbackAnswering answers({{kSend}});
  main.frame().OnMenuCommand(L"menu_help_feedback");
  server.Join();
  EXPECT_EQ(::LoadCursor(nullptr, IDC_WAIT), duringMail);
  EXPECT_EQ(arrow, ::GetCursor());
}

}  // namespace
