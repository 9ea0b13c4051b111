// The robot's installing, process, window, input and screenshot helpers.
#include "windows_robot.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace robot {
namespace {

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH];
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW((folder + L"*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(folder + name + L"\\");
      } else {
        ::SetFileAttributesW((folder + name).c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW((folder + name).c_str());
      }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
  }
  ::RemoveDirectoryW(folder.c_str());
}

struct FindData {
  DWORD pid;
  const wchar_t* className;
  const wchar_t* title;
  HWND found;
};

BOOL CALLBACK FindProc(HWND window, LPARAM param) {
  FindData* data = reinterpret_cast<FindData*>(param);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(window, &pid);
  if (pid != data->pid || !::IsWindowVisible(window)) return TRUE;
  wchar_t className[128] = {};
  ::GetClassNameW(window, className, 128);
  if (wcscmp(className, data->className) != 0) return TRUE;
  if (data->title != nullptr && WindowTitle(window) != data->title) return TRUE;
  data->found = window;
  return FALSE;
}

BOOL CALLBACK CollectText(HWND child, LPARAM param) {
  wchar_t className[32] = {};
  ::GetClassNameW(child, className, 32);
  if (_wcsicmp(className, L"Static") == 0) {
    const std::wstring text = WindowTitle(child);
    if (!text.empty()) *reinterpret_cast<std::wstring*>(param) += text;
  }
  return TRUE;
}

}  // namespace

Install::Install(const std::vector<std::wstring>& libraries) {
  static int count = 0;
  wchar_t temp[MAX_PATH];
  ::GetTempPathW(MAX_PATH, temp);
  root_ = std::wstring(temp) + L"tarvel_e2e_" + std::to_wstring(::GetCurrentProcessId()) + L"_" +
          std::to_wstring(++count) + L"\\";
  apps_ = root_ + L"Apps\\";
  shop_ = apps_ + L"Shop\\";
  RemoveTree(root_);
  ::CreateDirectoryW(root_.c_str(), nullptr);
  ::CreateDirectoryW(apps_.c_str(), nullptr);
  ::CreateDirectoryW(shop_.c_str(), nullptr);
  std::vector<std::wstring> files = {L"TarvelStock.exe", L"libstdc++-6.dll", L"libwinpthread-1.dll",
                                     sizeof(void*) == 8 ? L"libgcc_s_seh-1.dll" : L"libgcc_s_dw2-1.dll"};
  files.insert(files.end(), libraries.begin(), libraries.end());
  const std::wstring from = OwnFolder();
  for (const std::wstring& file : files) ::CopyFileW((from + file).c_str(), (shop_ + file).c_str(), FALSE);
}

Install::~Install() { RemoveTree(root_); }

void Install::Remove(const std::wstring& name) { ::DeleteFileW((shop_ + name).c_str()); }

void Install::Write(const std::wstring& name, const std::string& bytes) {
  HANDLE file = ::CreateFileW((shop_ + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(file);
}

Process::Process(const Install& install) {
  std::wstring command = L"\"" + install.folder() + L"TarvelStock.exe\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  // Started from another folder, as a shortcut would: the program finds its files
  // by its own path.
  ::CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, install.apps().c_str(), &startup, &info_);
}

Process::~Process() {
  if (info_.hProcess == nullptr) return;
  if (Running()) {
    ::TerminateProcess(info_.hProcess, 99);
    ::WaitForSingleObject(info_.hProcess, 5000);
  }
  ::CloseHandle(info_.hThread);
  ::CloseHandle(info_.hProcess);
}

bool Process::Running() const {
  return info_.hProcess != nullptr && ::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Process::WaitExit(DWORD timeoutMs, DWORD* code) {
  if (info_.hProcess == nullptr || ::WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
  if (code != nullptr) ::GetExitCodeProcess(info_.hProcess, code);
  return true;
}

HWND Process::FindWindowOf(const wchar_t* className, const wchar_t* title) const {
  FindData data = {info_.dwProcessId, className, title, nullptr};
  ::EnumWindows(&FindProc, reinterpret_cast<LPARAM>(&data));
  return data.found;
}

HWND Process::WaitWindow(const wchar_t* className, const wchar_t* title, DWORD timeoutMs) const {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindWindowOf(className, title)) != nullptr || !Running(); }, timeoutMs);
  return found;
}

void Click(HWND window, int x, int y) {
  const LPARAM at = MAKELPARAM(x, y);
  ::PostMessageW(window, WM_MOUSEMOVE, 0, at);
  ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageW(window, WM_LBUTTONUP, 0, at);
}

void Key(HWND window, UINT key) {
  ::PostMessageW(window, WM_KEYDOWN, key, 1);
  ::PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

std::wstring WindowTitle(HWND window) {
  wchar_t text[512] = {};
  ::GetWindowTextW(window, text, 512);
  return text;
}

std::wstring MessageBoxText(HWND box) {
  std::wstring text;
  ::EnumChildWindows(box, &CollectText, reinterpret_cast<LPARAM>(&text));
  return text;
}

void AnswerMessageBox(HWND box, int button) { ::PostMessageW(box, WM_COMMAND, button, 0); }

bool Screenshot(const std::string& name) {
  const char* folder = std::getenv("TARVEL_SHOT_DIR");
  if (folder == nullptr || *folder == '\0') return false;
  ::Sleep(300);  // let the last paint reach the screen
  const std::string base = std::string(folder) + "\\" + name;
  ::DeleteFileA((base + ".png").c_str());
  { std::ofstream(base + ".request") << name; }
  return WaitFor([&] { return ::GetFileAttributesA((base + ".png").c_str()) != INVALID_FILE_ATTRIBUTES; }, 15000);
}

}  // namespace robot
