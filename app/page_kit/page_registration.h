// How a page folder hands its pages to the registry when the program starts:
//
//     // settings_page_registration.cpp, an INTERFACE source of the folder's library
//     static const pagekit::PageRegistrar kSettings(&MakeSettingsPage);
//
// The registrar must not sit in the folder's static archive: nothing refers to it by
// name, so the linker would drop it and the page would silently never open. As an
// INTERFACE source it is compiled into every program that links the folder.
#pragma once

#include "page_registry.h"

namespace pagekit {

struct PageRegistrar {
  explicit PageRegistrar(PageFactory factory) { RegisterPageFactory(factory); }
};

}  // namespace pagekit
