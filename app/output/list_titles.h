// The titles of the lists: the heading of a printed list, its document name,
// and the default file name of its spreadsheet export.
#pragma once

#include <string>

#include "page_fields.h"
#include "page_host.h"

namespace output {

// The list's title by its name (empty for a list of no title, or when the
// control it reads is missing); every double quote and every ">>" becomes "_".
std::wstring GetListTitle(pagekit::PageFields& fields, pagekit::PageSide side, const std::wstring& list);

// The text with every double quote and every ">>" made "_".
std::wstring SafeTitle(const std::wstring& text);

// A file name made of `base` and `extension`: every character a file name
// cannot hold becomes "_", and the name is cut to at most 260 characters with
// the extension.
std::wstring FileNameOf(const std::wstring& base, const std::wstring& extension);

}  // namespace output
