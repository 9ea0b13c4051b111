// The program's whole run: start-up in its fixed order, the main window, the
// message loop and the shutdown. WinMain hands over to it.
#pragma once

#include <windows.h>

namespace shell {

// Always answers 0, as the program's exit code.
int RunProgram(HINSTANCE instance);

}  // namespace shell
