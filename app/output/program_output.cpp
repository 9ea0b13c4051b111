// The program's spreadsheet library and dialogs for the output operations.
#include "program_output.h"

#include "library_binding.h"

namespace output {

ProgramOutput::ProgramOutput(HWND owner) : xls_(g_xlsProc), dialogs_(MakeWindowDialogs()), owner_(owner) {}

}  // namespace output
