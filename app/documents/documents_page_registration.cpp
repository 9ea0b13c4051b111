// The folder's pages join the main window's pages when the program starts. An
// INTERFACE source of the folder's library, so that the linker keeps it.
#include "document_desk.h"
#include "page_registration.h"

namespace {

std::unique_ptr<pagekit::Page> MakeDocumentPages() { return std::make_unique<documents::DocumentDesk>(); }

const pagekit::PageRegistrar kDocumentPages(&MakeDocumentPages);

}  // namespace
