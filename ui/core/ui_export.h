// Export macro of the UI framework. The framework is a static library that the
// program links; the program exports every framework class by its name, so the
// classes are marked for export wherever they are compiled in.
#pragma once

#ifndef UILIB_API
#define UILIB_API __declspec(dllexport)
#endif
