// Hands the controls' element table to the dialog builder's creator list when
// the module that links the controls starts.
//
// This file is not part of the skinui_controls archive: CMake compiles it into
// every program and library that links skinui_controls (an INTERFACE source).
// A registrar inside the archive would be dropped by the linker, because nothing
// refers to it and the builder finds controls only by name; an explicit call in
// each main could be forgotten, and the builder would then skip every control
// element in silence. An object file handed to the linker directly is always
// linked, so every module that can create the controls registers them, and one
// that does not link them cannot.
#include "controls/control_factory.h"
#include "core/control_creators.h"

namespace {

struct ControlTableRegistrar
{
    ControlTableRegistrar() { SkinUI::RegisterControlCreator(&SkinUI::CreateFrameworkControl); }
};

const ControlTableRegistrar kRegistrar;

} // namespace
