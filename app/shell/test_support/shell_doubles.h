// Stand-ins for what the main window asks and calls out to, for the shell's window
// tests: the dialog answerers (test_support/dialog_answers.h), and plug-ins made up
// by a test, bound before the window is made.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "library_binding.h"
#include "main_frame.h"
#include "test_support/dialog_answers.h"
#include "test_support/main_window.h"
#include "test_support/window_test_env.h"

namespace shelltest {

// A plug-in made up by a test: its name, its home tile's name, and what it
// answers to every notification. It remembers what it was told.
class FakePlugin : public DllApiInstance {
 public:
  FakePlugin(std::string name, int answer = 0) : name_(std::move(name)), answer_(answer) {}
  const char* GetName() override { return name_.c_str(); }
  int Notify(const char* type, const char* sender, void*) override {
    told.push_back(std::string(type) + "|" + sender);
    return answer_;
  }
  std::vector<std::string> told;

 private:
  std::string name_;
  int answer_;
};

// Binds the plug-ins, each with its tile name, for its own life.
class PluginsBound {
 public:
  PluginsBound(std::vector<std::pair<FakePlugin*, std::string>> plugins) {
    for (auto& p : plugins) {
      PluginEntry entry;
      entry.path = "plugin\\" + std::string(p.first->GetName()) + ".dll";
      entry.object = p.first;
      entry.tileName = p.second;
      g_plugins.push_back(entry);
    }
  }
  ~PluginsBound() { g_plugins.clear(); }
};

}  // namespace shelltest
