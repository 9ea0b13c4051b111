// The stores' shared conversions and result codes.
#include "data_store.h"

#include "text_conversion.h"

namespace pagekit {

StoreResult StoreResultOf(int code) {
  switch (code) {
    case 0:
      return StoreResult::kDone;
    case 2:
      return StoreResult::kNotFound;
    case -1:
      return StoreResult::kNoDatabase;
    default:
      return StoreResult::kDatabaseError;
  }
}

std::string LibraryText(const std::wstring& text) { return shell::AnsiFromWide(text); }

std::wstring PageText(const std::string& text) { return shell::WideFromAnsi(text); }

bool IsStorable(const std::wstring& text) { return shell::IsAnsiRepresentable(text); }

}  // namespace pagekit
