// Hands the settings page to the page registry when the program starts. Compiled
// into every program that links the settings library (an INTERFACE source), not
// into its archive, where nothing would refer to it and the linker would drop it.
#include "page_registration.h"
#include "settings_page.h"

namespace {

std::unique_ptr<pagekit::Page> MakeSettingsPage() { return std::make_unique<settings::SettingsPage>(); }
const pagekit::PageRegistrar kRegistrar(&MakeSettingsPage);

}  // namespace
