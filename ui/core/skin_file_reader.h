// Reads the bytes of a skin image (or GIF) from where the skin lives: a resource
// of the given type in the resource module, the skin archive or folder as the
// paint manager names them, and failing those the name as a path.
#pragma once

#include <windows.h>

#include <vector>

#include "string_or_id.h"

namespace SkinUI {

// False when no bytes were found (or the source was empty).
bool ReadSkinBytes(STRINGorID name, const wchar_t* type, std::vector<BYTE>& bytes);

}  // namespace SkinUI
