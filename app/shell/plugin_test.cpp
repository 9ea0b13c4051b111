// Plug-ins in the main window, with shell_test_plugin.dll ("MyDll") copied twice
// into a "plugin" folder beside a library that lacks the export: binding in folder
// order, a page and "init" for each, the host operations' answers, the plug-in's
// own buttons answered through them, and the notification walk that lets a
// plug-in stop every notification of the main window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library_binding.h"
#include "main_frame.h"
#include "message_dialog.h"
#include "test_support/main_window.h"
#include "test_support/window_test_env.h"
#include "text_conversion.h"

namespace {

using shelltest::MainWindow;
using shelltest::PumpUntil;

typedef const char* (*ProbeFunc)(const char* command);

std::string ExeFolder() {
  char path[MAX_PATH];
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

// The plug-in folder of a test install: "a_mydll.dll" and "c_other.dll" are the
// test plug-in, "b_foreign.dll" a library without the export. The second copy is
// renamed "Other" (no layout of that name) and adds no tile.
class PluginFolder : public ::testing::Environment {
 public:
  void SetUp() override {
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "shell_plugin_test_" + std::to_string(::GetCurrentProcessId()) + "\\plugin";
    ::CreateDirectoryA(folder_.substr(0, folder_.size() - 7).c_str(), nullptr);
    ::CreateDirectoryA(folder_.c_str(), nullptr);
    const std::string plugin = ExeFolder() + "shell_test_plugin.dll";
    ASSERT_TRUE(::CopyFileA(plugin.c_str(), (folder_ + "\\a_mydll.dll").c_str(), FALSE));
    ASSERT_TRUE(
        ::CopyFileA((ExeFolder() + "libwinpthread-1.dll").c_str(), (folder_ + "\\b_foreign.dll").c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA(plugin.c_str(), (folder_ + "\\c_other.dll").c_str(), FALSE));
    g_plugins.clear();
    shell::ScanPluginFolder(folder_);
    listed_.clear();
    for (const PluginEntry& entry : g_plugins) listed_.push_back(entry.path);
    shell::BindPlugins();
    ASSERT_EQ(2u, g_plugins.size());
    Probe(1)("name=Other");
    Probe(1)("tile=");
  }
  void TearDown() override { g_plugins.clear(); }

  // The probe of the plug-in bound at that place.
  static ProbeFunc Probe(size_t plugin) {
    HMODULE module = ::GetModuleHandleA(g_plugins.at(plugin).path.c_str());
    return reinterpret_cast<ProbeFunc>(reinterpret_cast<void*>(::GetProcAddress(module, "ShellTestPluginProbe")));
  }
  static std::string Report(size_t plugin) { return Probe(plugin)("report"); }
  static std::vector<std::string>& Listed() { return listed_; }

 private:
  std::string folder_;
  static std::vector<std::string> listed_;
};
std::vector<std::string> PluginFolder::listed_;
// Set up after the data library and the skin.
const shelltest::LaterEnvironment kPluginFolder(new PluginFolder);

bool Has(const std::string& report, const std::string& line) { return report.find(line + "\n") != std::string::npos; }

TEST(Plugins, BoundInFolderOrderWithoutTheFileThatLacksTheExport) {
  // The folder listing's own order, less the foreign library.
  std::vector<std::string> expected;
  for (const std::string& path : PluginFolder::Listed()) {
    if (path.find("b_foreign") == std::string::npos) expected.push_back(path);
  }
  ASSERT_EQ(3u, PluginFolder::Listed().size());
  ASSERT_EQ(2u, g_plugins.size());
  EXPECT_EQ(expected[0], g_plugins[0].path);
  EXPECT_EQ(expected[1], g_plugins[1].path);
  EXPECT_STREQ("MyDll", g_plugins[0].object->GetName());
  EXPECT_STREQ("Other", g_plugins[1].object->GetName());
}

TEST(Plugins, EachGetsAHiddenPageAndInitInOrder) {
  PluginFolder::Probe(0)("clear");
  PluginFolder::Probe(1)("clear");
  MainWindow main("老板");
  SkinUI::CControlUI* page = main.Find(L"mid_MyDll");
  ASSERT_NE(nullptr, page);
  EXPECT_FALSE(page->IsVisible());
  EXPECT_EQ(SkinUI::CUIString(L"mid_layout"), page->GetParent()->GetName());
  for (const wchar_t* button : {L"MyDllWnd_btn1", L"MyDllWnd_btn2", L"MyDllWnd_btn3", L"MyDllWnd_btn4"})
    EXPECT_NE(nullptr, main.Find(button));
  // No "Other.xml" in the skin: an empty page.
  SkinUI::CControlUI* other = main.Find(L"mid_Other");
  ASSERT_NE(nullptr, other);
  auto* otherPage = static_cast<SkinUI::CContainerUI*>(other->GetInterface(L"Container"));
  ASSERT_EQ(1, otherPage->GetCount());
  EXPECT_EQ(0, static_cast<SkinUI::CContainerUI*>(otherPage->GetItemAt(0)->GetInterface(L"Container"))->GetCount());
  // "init" came once each, after the page was built.
  EXPECT_EQ(0u, PluginFolder::Report(0).find("init|\npage:按钮一\n"));
  EXPECT_EQ(0u, PluginFolder::Report(1).find("init|\npage:\n"));
  // The first plug-in's tile is on the home page and names its page.
  EXPECT_NE(nullptr, main.Find(L"bar_btn_我的插件"));
  EXPECT_EQ("我的插件", g_plugins[0].tileName);
  EXPECT_EQ("", g_plugins[1].tileName);
}

TEST(Plugins, HostOperationsAnswer) {
  MainWindow main("老板");
  DllApiInterface* host = &main.frame();
  auto* box = static_cast<SkinUI::COptionUI*>(main.Find(L"MyDllWnd_chk")->GetInterface(L"Option"));
  ASSERT_NE(nullptr, box);
  EXPECT_EQ(0, host->SetControlAttribute("MyDllWnd_result", "text", "已改"));
  EXPECT_EQ(SkinUI::CUIString(L"已改"), main.Find(L"MyDllWnd_result")->GetText());
  EXPECT_EQ(-1, host->SetControlAttribute("MyDllWnd_none", "text", "x"));
  struct Case {
    const char* name;
    const char* attribute;
    const char* parent;
    bool ticked;
    const char* answer;
  } cases[] = {
      {"MyDllWnd_none", "text", "", false, ""},
      {"MyDllWnd_chk", "state", "", false, "0"},
      {"MyDllWnd_chk", "state", "", true, "1"},
      {"MyDllWnd_chk", "text", "", true, "插件选项"},
      {"xtsz_chk_mini", "state", "", false, "最小化到系统托盘，不退出程序"},  // an option answers its text
      {"MyDllWnd_btn1", "text", "MyDllWnd_page", false, "按钮一"},
      {"MyDllWnd_btn1", "text", "mid_dpgl", false, ""},            // not under that control
      {"MyDllWnd_btn1", "text", "没有这个控件", false, "按钮一"},  // no such parent: the whole window
  };
  for (const Case& c : cases) {
    box->Selected(c.ticked);
    EXPECT_EQ(c.answer, host->GetControlAttribute(c.name, c.attribute, c.parent)) << c.name << " " << c.parent;
  }
  EXPECT_EQ("MyDllWnd_buttons", host->GetParentName("MyDllWnd_btn1"));
  EXPECT_EQ("", host->GetParentName("MyDllWnd_none"));
}

// Shows the plug-in's page as the only panel, so that its buttons can be clicked.
void ShowPluginPage(MainWindow& main) {
  auto* panels = static_cast<SkinUI::CContainerUI*>(main.Find(L"mid_layout")->GetInterface(L"Container"));
  for (int i = 0; i < panels->GetCount(); ++i)
    panels->GetItemAt(i)->SetVisible(panels->GetItemAt(i)->GetName() == L"mid_MyDll");
  main.Show();
  shelltest::Pump(200);
}

TEST(Plugins, ItsButtonsAreAnsweredThroughTheHost) {
  MainWindow main("老板");
  ShowPluginPage(main);
  PluginFolder::Probe(0)("clear");
  struct Step {
    const wchar_t* click;
    const char* logged;
  } steps[] = {
      {L"MyDllWnd_btn1", "set:0,-1"}, {L"MyDllWnd_btn2", "get:[]"},
      {L"MyDllWnd_btn3", "state:0"},  {L"MyDllWnd_chk", "click|MyDllWnd_chk"},
      {L"MyDllWnd_btn3", "state:1"},  {L"MyDllWnd_btn4", "parent:MyDllWnd_buttons,text:按钮一"},
  };
  for (const Step& s : steps) {
    shelltest::Click(main.hwnd(), main.Find(s.click));
    EXPECT_TRUE(PumpUntil([&] { return Has(PluginFolder::Report(0), s.logged); }, 3000)) << s.logged << "\n"
                                                                                         << PluginFolder::Report(0);
  }
  EXPECT_EQ(SkinUI::CUIString(L"按钮一"), main.Find(L"MyDllWnd_result")->GetText());
}

struct DialogCount {
  static int& Asked() {
    static int asked = 0;
    return asked;
  }
  static void Watch(shell::CMsgDlg* dialog) {
    ++Asked();
    dialog->Close(2);
  }
};

TEST(Plugins, ANonZeroAnswerEndsTheWalk) {
  const shell::MsgDlgWatcher previous = shell::SetMsgDlgWatcher(&DialogCount::Watch);
  struct Case {
    int first, second;
    bool secondAsked, windowHandles;
  } cases[] = {
      {0, 0, true, true},
      {1, 0, false, false},  // the first plug-in takes every click, the window's own buttons too
      {0, 1, true, false},
  };
  for (const Case& c : cases) {
    MainWindow main("老板");
    main.Show();
    PluginFolder::Probe(0)(("answer=click:" + std::to_string(c.first)).c_str());
    PluginFolder::Probe(1)(("answer=click:" + std::to_string(c.second)).c_str());
    PluginFolder::Probe(0)("clear");
    PluginFolder::Probe(1)("clear");
    DialogCount::Asked() = 0;
    shelltest::Click(main.hwnd(), main.Find(L"bottomBroadcast"));
    ASSERT_TRUE(PumpUntil([] { return Has(PluginFolder::Report(0), "click|bottomBroadcast"); }));
    shelltest::Pump(300);
    EXPECT_EQ(c.secondAsked, Has(PluginFolder::Report(1), "click|bottomBroadcast")) << c.first << c.second;
    EXPECT_EQ(c.windowHandles ? 1 : 0, DialogCount::Asked()) << c.first << c.second;
  }
  PluginFolder::Probe(0)("answer=click:0");
  PluginFolder::Probe(1)("answer=click:0");
  shell::SetMsgDlgWatcher(previous);
}

}  // namespace
