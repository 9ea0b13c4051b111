// Starting with Windows: the value "KXPlatform" under the machine's Run key (one
// value for every account; the last owner to change the option decides it),
// holding the program's full path while the owner wants the program started with
// Windows and the empty text once that is switched off. Without administrator
// rights the key cannot be opened for writing, and the caller tells the user.
#pragma once

#include <windows.h>

#include <string>

namespace shell {

// Where the Run value lives. Tests point it at a key of their own, or at a root
// that cannot be opened, to see what a refused write does.
struct RunKeyLocation {
  HKEY root;
  const wchar_t* subkey;
};
RunKeyLocation DefaultRunKeyLocation();
// Replaces the location; answers the one in force before.
RunKeyLocation SetRunKeyLocation(const RunKeyLocation& location);

// The value's name and the text written while starting with Windows is on.
constexpr const wchar_t* kAutoRunValueName = L"KXPlatform";
std::wstring AutoRunCommand();

// Writes the program's path (on) or the empty text (off). False when the key
// cannot be opened or the value cannot be written.
bool WriteAutoRun(bool on);

}  // namespace shell
