// null_object_library.dll: a library with the exports of both bound libraries
// that hands out no object, as a broken or half-installed copy might. The
// binding test loads it under both names' exports.
#include <windows.h>

extern "C" __declspec(dllexport) void* GetXlsProcInstance() { return nullptr; }
extern "C" __declspec(dllexport) void* GetKXPDataInstance() { return nullptr; }
