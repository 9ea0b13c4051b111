// TarvelStock.exe's entry.
#include <windows.h>

#include "program_entry.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return shell::RunProgram(instance); }
