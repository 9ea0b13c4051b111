// shell_test_plugin.dll: a plug-in named "MyDll" for the shell's tests, built as
// any outside plug-in would be, against the public header only. On "init" it
// puts its tile on the home page; it answers the four buttons of its page
// ("MyDll.xml") through the host operations; and its test-only export lets a test
// rename it, set its answers and read what it received.
#include <windows.h>

#include <cstdlib>
#include <map>
#include <string>

#include "plugin_api.h"

namespace {

class TestPlugin : public DllApiInstance {
 public:
  const char* GetName() override { return name_.c_str(); }

  int Notify(const char* type, const char* senderName, void* parameter) override {
    const std::string kind = type != nullptr ? type : "";
    const std::string sender = senderName != nullptr ? senderName : "";
    Log(kind + "|" + sender);
    if (kind == "init") {
      host_ = static_cast<DllApiInterface*>(parameter);
      if (host_ == nullptr) return 0;
      // The page is there before "init": its first button answers.
      Log("page:" + host_->GetControlAttribute(name_ + "Wnd_btn1", "text", ""));
      if (!tile_.empty()) host_->AddMainGridItem(tile_, "AppLogo/Icon_首页_MyDll.png", this);
      return 0;
    }
    if (kind == "click" && sender.compare(0, 12, "MyDllWnd_btn") == 0 && host_ != nullptr) {
      AnswerButton(sender);
      return 1;
    }
    const auto answer = answers_.find(kind);
    return answer != answers_.end() ? answer->second : 0;
  }

  // "name=X", "tile=X" (empty: no tile), "answer=TYPE:N", "clear"; "report"
  // answers what was received, one line each.
  const char* Probe(const std::string& command) {
    const size_t equals = command.find('=');
    const std::string key = command.substr(0, equals);
    const std::string value = equals == std::string::npos ? std::string() : command.substr(equals + 1);
    if (key == "name") {
      name_ = value;
    } else if (key == "tile") {
      tile_ = value;
    } else if (key == "answer") {
      const size_t colon = value.find(':');
      answers_[value.substr(0, colon)] = std::atoi(value.substr(colon + 1).c_str());
    } else if (key == "clear") {
      log_.clear();
    }
    return log_.c_str();
  }

 private:
  void Log(const std::string& line) { log_ += line + "\n"; }

  void AnswerButton(const std::string& button) {
    if (button == "MyDllWnd_btn1") {
      const int shown = host_->SetControlAttribute("MyDllWnd_result", "text", "按钮一");
      const int missing = host_->SetControlAttribute("MyDllWnd_none", "text", "x");
      Log("set:" + std::to_string(shown) + "," + std::to_string(missing));
    } else if (button == "MyDllWnd_btn2") {
      Log("get:[" + host_->GetControlAttribute("MyDllWnd_none", "text", "") + "]");
    } else if (button == "MyDllWnd_btn3") {
      Log("state:" + host_->GetControlAttribute("MyDllWnd_chk", "state", ""));
    } else if (button == "MyDllWnd_btn4") {
      Log("parent:" + host_->GetParentName("MyDllWnd_btn4") +
          ",text:" + host_->GetControlAttribute("MyDllWnd_result", "text", "MyDllWnd_page"));
    }
  }

  std::string name_ = "MyDll";
  std::string tile_ = "我的插件";
  std::map<std::string, int> answers_;
  std::string log_;
  DllApiInterface* host_ = nullptr;
};

TestPlugin& Plugin() {
  static TestPlugin plugin;
  return plugin;
}

}  // namespace

extern "C" __declspec(dllexport) DllApiInstance* GetDllApiInstance() { return &Plugin(); }

extern "C" __declspec(dllexport) const char* ShellTestPluginProbe(const char* command) {
  return Plugin().Probe(command != nullptr ? command : "");
}
