// What the pages' data stores share. A store is a small class over the data object
// (KXPDatavane&) that keeps the tables' and columns' names, the conversion between
// the pages' UTF-16 and the library's GBK, and the library's result codes to
// itself: pages call it with wide strings and small structs and get a StoreResult.
#pragma once

#include <string>

#include "kxp_data.h"

namespace pagekit {

enum class StoreResult {
  kDone,
  kDatabaseError,  // the library refused (a key taken, a locked or broken file)
  kNotFound,
  kNoDatabase,       // no database opened, or an argument missing
  kTextNotStorable,  // a text has characters the library's code page lacks; nothing written
  kRefused,          // the record may not be changed (a built-in party); nothing written
};

// The library's code: 0 success, 1 database error, 2 not found, -1 no database or
// a missing argument; any other code counts as a database error.
StoreResult StoreResultOf(int code);

// The library's 8-bit text of a page's text, and back.
std::string LibraryText(const std::wstring& text);
std::wstring PageText(const std::string& text);
// True when the text survives the trip to the library and back unchanged: a name
// that does not would be stored as question marks and never found again.
bool IsStorable(const std::wstring& text);

}  // namespace pagekit
